// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The port doctor's commands: `doctor [PORT]` and `ports --verbose`.
#pragma once

#include <string>

#include "duoband/cli.h"

namespace duoband::cli {

// Exit status of `doctor`: something stands in the way of a port.
inline constexpr int kProblemFound = 1;

// Reports on `port` after one opening of it, or on every listed port
// without opening any (opening raises DTR). kOk when nothing stands in the
// way, kProblemFound otherwise.
int doctor(const std::string& port, Io& io);

// Every listed port with the doctor's report; opens none.
int describePorts(Io& io);

}  // namespace duoband::cli
