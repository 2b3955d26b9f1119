// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs duoband-cli's command line in this process and keeps what it said.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/cli.h"

namespace duoband::cli {

struct Ran {
    int status;
    std::string out, err;
};

// `input` is what a FILE of "-" reads.
inline Ran runCli(std::vector<std::string_view> args, const std::string& input = {}) {
    std::ostringstream out, err;
    std::istringstream in(input);
    Io io{out, err, false, false, &in};
    const int status = run(args, io);
    return {status, out.str(), err.str()};
}

}  // namespace duoband::cli
