// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// duoband-cli's commands on the register: fleet, radios, history.
#pragma once

#include <string>
#include <vector>

#include "duoband/cli.h"
#include "duoband/radio_jobs.h"
#include "duoband/radio_register.h"
#include "job_recorder.h"

namespace duoband::cli {

// fleet add NAME | fleet list | fleet import-roster NAME FILE.csv
int fleetCommand(const std::vector<std::string>& words, const std::vector<std::string>& numbers,
                 const std::string& address, Io& io);

enum class ListFormat { Table, Csv, Json };
int radiosCommand(const std::string& fleet, ListFormat format, const std::string& address, Io& io);

// The jobs of the radio holding `nativeId`, or of the radio on `port` (read
// first, and recorded as a read).
int historyCommand(const std::string& nativeId, const std::string& port, const std::string& fleet,
                   bool json, const std::string& address, const JobOptions& options, Io& io);

}  // namespace duoband::cli
