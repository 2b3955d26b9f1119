// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// `doctor` and `ports --verbose` on real pseudo-terminals and missing paths.
#include <gtest/gtest.h>

#include <sstream>

#include "duoband/cli.h"
#include "duoband/port_discovery.h"
#include "pty_pair.h"
#include "run_cli.h"

namespace duoband::cli {
namespace {

TEST(CliDoctor, ANamedPortIsOpenedOnceAndExitsWithZeroWhenNothingIsInTheWay) {
    const testing::PtyPair terminal;
    const Ran ran = runCli({"doctor", terminal.path()});
    EXPECT_EQ(ran.status, kOk) << ran.out;
    EXPECT_TRUE(ran.out.starts_with(terminal.path() + "\n")) << ran.out;
    EXPECT_NE(ran.out.find("  may open: yes\n  opening:  works\n"), std::string::npos) << ran.out;
}

TEST(CliDoctor, AMissingPortExitsWithOneAndTheFix) {
    const Ran ran = runCli({"doctor", "/dev/duoband-no-such-port"});
    EXPECT_EQ(ran.status, 1);
    EXPECT_NE(ran.out.find("  problem:  /dev/duoband-no-such-port does not exist"),
              std::string::npos)
        << ran.out;
    EXPECT_NE(ran.out.find("  fix:      duoband-cli ports\n"), std::string::npos) << ran.out;
}

TEST(CliDoctor, PortsVerboseReportsOnEveryListedPortWithoutAValue) {
    const Ran ran = runCli({"ports", "--verbose"});
    EXPECT_EQ(ran.status, kOk);
    std::istringstream lines(ran.out);
    std::vector<std::string> reported;
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] == '/') reported.push_back(line);
    EXPECT_EQ(reported, listSerialPorts());
    EXPECT_EQ(runCli({"doctor", "a", "b"}).status, kUsageError);
}

}  // namespace
}  // namespace duoband::cli
