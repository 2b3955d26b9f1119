// SPDX-License-Identifier: GPL-3.0-or-later
// The station's rules: when a plugged cable starts a job, that an ended job
// waits for its cable to be plugged in again, and the numbers radio after
// radio, past a log's.
#include <gtest/gtest.h>

#include <fstream>

#include "duoband/station.h"
#include "duoband/station_log.h"
#include "sim_harness.h"

namespace duoband {
namespace {

using namespace std::chrono_literals;
using Clock = StationPorts::Clock;
using Paths = std::vector<std::string>;

TEST(StationPorts, APluggedUsbPortIsDueAfterASecondAndNotAgainUntilPluggedAgain) {
    const Clock::time_point t0{};
    StationPorts ports;
    ports.list("/dev/ttyS0");  // there before: only when asked
    ports.plugged("/dev/ttyUSB1", true, t0);
    ports.plugged("/dev/ttyACM0", true, t0 + 200ms);
    ports.plugged("/dev/rfcomm0", false, t0);  // not a cable that can be pulled
    EXPECT_EQ(ports.due(t0 + 999ms), Paths{});
    EXPECT_EQ(ports.nextDue(), t0 + kStationSettleTime);
    EXPECT_EQ(ports.due(t0 + 1200ms), (Paths{"/dev/ttyUSB1", "/dev/ttyACM0"}));
    ports.started("/dev/ttyUSB1");
    ports.started("/dev/ttyACM0");
    EXPECT_EQ(ports.idle(), (Paths{"/dev/ttyS0", "/dev/rfcomm0"}));
    EXPECT_EQ(ports.runningCount(), 2u);

    ports.ended("/dev/ttyUSB1");
    EXPECT_EQ(ports.due(t0 + 10s), Paths{}) << "an ended job waits for a new plugging";
    EXPECT_EQ(ports.nextDue(), std::nullopt);
    EXPECT_EQ(ports.idle(), (Paths{"/dev/ttyS0", "/dev/ttyUSB1", "/dev/rfcomm0"}));

    ports.pulled("/dev/ttyUSB1");
    ports.plugged("/dev/ttyUSB1", true, t0 + 20s);
    EXPECT_EQ(ports.due(t0 + 21s), Paths{"/dev/ttyUSB1"});

    // Pulled and plugged again while its job runs: due once the job ended.
    ports.pulled("/dev/ttyACM0");
    EXPECT_TRUE(ports.running("/dev/ttyACM0"));
    EXPECT_FALSE(ports.listed("/dev/ttyACM0"));
    ports.plugged("/dev/ttyACM0", true, t0 + 20100ms);
    EXPECT_EQ(ports.due(t0 + 22s), Paths{"/dev/ttyUSB1"});
    ports.ended("/dev/ttyACM0");
    EXPECT_EQ(ports.due(t0 + 22s), (Paths{"/dev/ttyUSB1", "/dev/ttyACM0"}));

    // A cable pulled before it started never starts.
    ports.pulled("/dev/ttyUSB1");
    EXPECT_EQ(ports.due(t0 + 22s), Paths{"/dev/ttyACM0"});
    ports.setAutoStart(false);
    EXPECT_EQ(ports.due(t0 + 22s), Paths{});
    ports.plugged("/dev/ttyUSB1", true, t0 + 30s);
    ports.setAutoStart(true);
    EXPECT_EQ(ports.due(t0 + 40s), Paths{}) << "plugged while auto start was off";
}

TEST(StationNumbering, ContinuesPastTheLogAndItsOwnAndRefusesWhatDoesNotFit) {
    testing_support::TempFile path("numbering.csv");
    {
        std::ofstream log(path.path());
        log << kStationLogHeader << "t,/dev/a,p.bc,failed,1.0,1005,,Write error!,,\r\n";
    }
    StationLog log;
    ASSERT_EQ(log.open(path.path()), "");
    StationNumbering numbering;
    numbering.setLog(&log);
    StationNumbering::NumbersSet set{"1001", "0042"};
    struct Step {
        std::string nativeId, identityCode, nextNativeId;
    };
    for (const Step& s : {Step{"1006", "0042", "1007"}, Step{"1007", "0043", "1008"}}) {
        Phrase problem;
        const auto taken = numbering.take(set, problem);
        ASSERT_TRUE(taken) << problem;
        EXPECT_EQ(taken->numbers[UnitField::NativeId], s.nativeId);
        EXPECT_EQ(taken->numbers[UnitField::IdentityCode], s.identityCode);
        EXPECT_EQ(taken->next[UnitField::NativeId], s.nextNativeId);
    }
    set[1] = "99999";
    Phrase problem;
    ASSERT_TRUE(numbering.take(set, problem));
    EXPECT_FALSE(numbering.take(set, problem)) << "100000 needs six digits";
    EXPECT_EQ(english(problem),
              "The next Identity code would be 100000, more than the 5 digits "
              "it holds.");
    set[1].reset();
    const auto taken = numbering.take(set, problem);
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->numbers[UnitField::NativeId], "1009") << "the refused radio took none";
    EXPECT_EQ(taken->numbers[UnitField::IdentityCode], "");
    set[0] = "";
    EXPECT_FALSE(numbering.take(set, problem));
    EXPECT_EQ(english(problem), "The next Native ID is up to 7 decimal digits, not \"\".");
}

}  // namespace
}  // namespace duoband
