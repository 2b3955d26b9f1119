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

inline Ran runCli(std::vector<std::string_view> args) {
    std::ostringstream out, err;
    Io io{out, err};
    const int status = run(args, io);
    return {status, out.str(), err.str()};
}

}  // namespace duoband::cli
