// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The station's rules: when a plugged cable starts a job, that an ended job
// waits for its cable to be plugged in again, and the numbers radio after
// radio, past a log's; the log as people and spreadsheets leave it.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

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

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeFile(const std::string& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

// `text` with the time stamp of a line written now (2026-12-07T14:03:12+01:00)
// as TIME.
std::string withTimeAsWord(std::string text) {
    constexpr std::size_t kLength = 25;
    for (std::size_t i = 0; i + kLength <= text.size(); ++i)
        if (text[i + 4] == '-' && text[i + 10] == 'T' && text[i + 22] == ':')
            return text.replace(i, kLength, "TIME");
    return text;
}

JobReport ended(std::string port, std::string nativeId) {
    JobReport report;
    report.port = std::move(port);
    report.result = "success";
    report.seconds = 12.25;
    report.message = "Write success!";
    report.numbers[UnitField::NativeId] = std::move(nativeId);
    return report;
}

// A new line goes in as the file writes its own: its separator, line end,
// decimal mark and columns, after a line end the file was missing.
TEST(StationLog, ContinuesALogAsASpreadsheetOrAHandLeftIt) {
    struct Case {
        std::string_view name, text;
        std::uint64_t highest;
        std::string_view added;  // TIME for the time
    };
    const Case table[] = {
        {"semicolons, a BOM and a decimal comma",
         "\xEF\xBB\xBFtime;port;configuration;result;seconds;native-id;identity-code;message;"
         "detail;backup\r\nt;/dev/a;p.bc;success;40,5;1005;;Write success!;;\r\n",
         1005, "TIME;/dev/x;plan.bc;success;12,2;1006;;Write success!;;\r\n"},
        {"no final line end",
         "time,port,configuration,result,seconds,native-id,identity-code,message,detail,backup\r\n"
         "t,/dev/a,p.bc,success,40.5,1005,,Write success!,,",
         1005, "\r\nTIME,/dev/x,plan.bc,success,12.2,1006,,Write success!,,\r\n"},
        {"columns of its own, LF and bytes that are not UTF-8",
         "native-id,notes,time,identity-code\n1003,\xFF\xFE by hand,t,0042\n0099,,t,\n", 1003,
         "1006,,TIME,\n"},
    };
    for (const Case& c : table) {
        testing_support::TempFile path("continued.csv");
        writeFile(path.path(), c.text);
        {
            StationLog log;
            ASSERT_EQ(log.open(path.path()), "") << c.name;
            EXPECT_EQ(log.highest(UnitField::NativeId), c.highest) << c.name;
            EXPECT_EQ(log.append(ended("/dev/x", "1006"), "plan.bc"), "") << c.name;
        }
        const std::string text = contents(path.path());
        ASSERT_TRUE(text.starts_with(c.text)) << c.name;
        EXPECT_EQ(withTimeAsWord(text.substr(c.text.size())), c.added) << c.name;
        StationLog again;
        ASSERT_EQ(again.open(path.path()), "") << c.name;
        EXPECT_EQ(again.highest(UnitField::NativeId), 1006u) << c.name;
    }
}

// A file that is not a station log, or holds a number it cannot read, is
// refused and left as it was; so is anything that is not a regular file.
TEST(StationLog, RefusesWhatIsNotAStationLogAndLeavesItAsItWas) {
    const std::string header =
        "time,port,configuration,result,seconds,native-id,identity-code,message,detail,backup\r\n";
    struct Case {
        std::string_view name;
        std::string text;
        std::string_view said;
    };
    const Case table[] = {
        {"a settings file", "[General]\nsquelch=3\n",
         "its first line has no time, native-id, identity-code column"},
        {"a channel CSV", "Location,Name,Frequency\n1,Home,145.500\n",
         "its first line has no time, native-id, identity-code column"},
        {"random bytes", std::string("\x01\xFF\x00\x9C\"abc", 8), "its first line has no time"},
        {"a quote never closed", "\"time,native-id,identity-code\n",
         "line 1: a quoted field is never closed"},
        {"no identity-code", "time,native-id\r\n", "its first line has no identity-code column"},
        {"blanks around a number", header + "t,/dev/a,p.bc,success,1.0, 3000 ,,,,\r\n",
         "line 2: the native-id \" 3000 \" is not a number of up to 7 digits"},
        {"26 digits", header + "t,,,,,,12345678901234567890123456,,,\r\n",
         "line 2: the identity-code \"12345678901234567890123456\" is not a number of up to 5"},
        {"a negative number", header + "t,,,,,-5,,,,\r\n", "the native-id \"-5\" is not a number"},
    };
    for (const Case& c : table) {
        testing_support::TempFile path("refused.csv");
        writeFile(path.path(), c.text);
        StationLog log;
        const std::string said = english(log.open(path.path()));
        EXPECT_NE(said.find(c.said), std::string::npos) << c.name << ": " << said;
        EXPECT_EQ(contents(path.path()), c.text) << c.name;
    }
    testing_support::TempFile fifo("log.fifo");
    ASSERT_EQ(::mkfifo(fifo.path().c_str(), 0600), 0);
    for (const auto& [path, kind] : {std::pair<std::string, std::string>{"/dev/full", "a device"},
                                     {fifo.path(), "a named pipe"}}) {
        StationLog log;
        EXPECT_EQ(english(log.open(path)),
                  "the log " + path + " is " + kind + ", not a file; choose a file");
    }
}

// A line the disk does not take leaves the log as it was, so the next line
// starts on a line of its own; the radio's numbers are for the caller to name.
TEST(StationLog, ALineTheDiskRefusesLeavesTheLogAsItWas) {
    testing_support::TempFile path("full.csv");
    StationLog log;
    ASSERT_EQ(log.open(path.path()), "");
    const std::string before = contents(path.path());
    // Room for part of a line only: write() takes some bytes, then fails.
    struct sigaction ignore {};
    struct sigaction kept {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGXFSZ, &ignore, &kept);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{before.size() + 10, limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    const Phrase refused = log.append(ended("/dev/x", "1006"), "plan.bc");
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::sigaction(SIGXFSZ, &kept, nullptr);
    EXPECT_EQ(english(refused), "cannot write the log " + path.path() + ": File too large");
    EXPECT_EQ(contents(path.path()), before);
    EXPECT_EQ(log.append(ended("/dev/y", "1007"), "plan.bc"), "");
    const auto lines = testing_support::fileLines(path.path());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find(",/dev/y,plan.bc,success,12.2,1007,"), std::string::npos) << lines[1];
}

}  // namespace
}  // namespace duoband
