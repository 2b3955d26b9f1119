// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The radio jobs on the terminal: one radio's lines as they come, many
// radios side by side with a progress line each, and the checks of a
// command's ports. The jobs themselves are duoband/radio_jobs.h.
#pragma once

#include <string>
#include <vector>

#include "duoband/cli.h"
#include "duoband/radio_jobs.h"

namespace duoband::cli {

// One radio on the console. A progress bar on a terminal is ended before
// anything else is printed, so a result never lands on the bar's line.
JobOutput consoleOutput(Io& io);

// Runs one job per port at once; on a terminal a progress line per port,
// what the jobs say once they are done. Returns the reports in port order.
std::vector<JobReport> runFleetOnScreen(const std::vector<std::string>& ports, const Job& job,
                                        Io& io);

// Why `ports` cannot run side by side, one line per pair: the same device
// twice, or two ports of the same name, which names each radio's --out-dir
// file, trace and backups. Empty when they can.
std::vector<std::string> portClashes(const std::vector<std::string>& ports);

}  // namespace duoband::cli
