// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The radio jobs against simulated radios on real pseudo-terminals, several
// at once, each on its own thread and port.
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>

#include "duoband/radio_jobs.h"
#include "duoband/unit_numbers.h"
#include "duoband/utf8.h"
#include "duoband/write_verify.h"
#include "sim_harness.h"

namespace duoband {
namespace {

namespace fs = std::filesystem;
using testing_support::countPrefix;
using testing_support::TempFile;

// A path may hold any byte: the report stays valid UTF-8, and a path that is
// not UTF-8 has its bytes beside it in hex.
TEST(Fleet, TheJsonReportStaysUtf8WhateverBytesAPathHolds) {
    JobReport r;
    r.port = "/dev/tty\xFF";
    r.message = "Write error! /dev/tty\xFF: \x1B\xC3";
    r.file = "caf\xC3\xA9.img";
    r.backup = "/b/\xE9t\xE9.img";
    const std::string json = reportJson({r});
    EXPECT_EQ(utf8::firstInvalidByte(json), std::nullopt) << json;
    for (const char* member :
         {"\"port\": \"/dev/tty\uFFFD\", \"port-bytes\": \"2F6465762F747479FF\"",
          "\"message\": \"Write error! /dev/tty\uFFFD: \\u001B\uFFFD\"",
          "\"file\": \"caf\u00E9.img\", \"backup\": \"/b/\uFFFDt\uFFFD.img\", "
          "\"backup-bytes\": \"2F622FE974E92E696D67\""})
        EXPECT_NE(json.find(member), std::string::npos) << member << "\n" << json;
    EXPECT_EQ(json.find("file-bytes"), std::string::npos) << "a UTF-8 path says it once";
}

// A trace cannot fill the disk: it stops at its limit with a note saying so.
TEST(TraceFile, StopsAtItsLimitWithANote) {
    TempFile path("cut.trace");
    {
        TraceFile trace;
        ASSERT_EQ(trace.open(path.path(), "/dev/ttyUSB0"), "");
        const std::vector<std::uint8_t> block(2048, 0x55);
        for (std::uintmax_t sent = 0; sent < kTraceLimit; sent += block.size())
            trace.record(TraceDirection::Received, block);
        EXPECT_EQ(trace.problem(), "");
    }
    EXPECT_LE(fs::file_size(path.path()), kTraceLimit);
    const auto lines = testing_support::fileLines(path.path());
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(lines.back().ends_with(" trace cut here: it reached its limit of 16 MiB"))
        << lines.back();
}

TEST(UnitNumbers, KeepTheStartsDigitsAndRefuseWhatTheFieldCannotHold) {
    struct Case {
        std::string_view option;
        std::size_t index;
        std::optional<std::string> number;  // nullopt: too wide
    };
    const Case table[] = {
        {"native-id=0042", 0, "0042"},       {"native-id=0042", 1, "0043"},
        {"identity-code=9999", 1, "10000"},  {"identity-code=99999", 1, std::nullopt},
        {"native-id=9999998", 1, "9999999"}, {"native-id=9999998", 2, std::nullopt},
        {"native-id=1001", 3, "1004"},
    };
    for (const Case& c : table) {
        std::string problem;
        const auto numbering = parseUnitNumbering(c.option, problem);
        ASSERT_TRUE(numbering) << c.option << ": " << problem;
        EXPECT_EQ(unitNumber(*numbering, c.index), c.number) << c.option << " + " << c.index;
    }
    for (std::string_view wrong : {"native-id", "serial=1", "native-id=", "native-id=12a",
                                   "native-id=-1", "native-id=12345678", "identity-code=123456"}) {
        std::string problem;
        EXPECT_FALSE(parseUnitNumbering(wrong, problem)) << wrong;
        EXPECT_TRUE(problem.starts_with("--number")) << problem;
    }
}

// A number goes into its counted digit string and nowhere else.
TEST(UnitNumbers, ChangeOnlyTheirOwnBytes) {
    const RadioImage plan = testing_support::sampleImage();
    UnitNumbers numbers;
    numbers[UnitField::NativeId] = "0042";
    numbers[UnitField::IdentityCode] = "12345";
    const RadioImage numbered = withUnitNumbers(plan, numbers);
    EXPECT_EQ(toHex(std::span(numbered.step(kStepCodes).bytes).first(8)), "040A0A0402FFFFFF");
    EXPECT_EQ(unitNumberIn(numbered, UnitField::IdentityCode), "12345");
    int changed = 0;
    for (int s = 0; s < kTransferSteps; ++s)
        for (std::size_t b = 0; b < plan.step(s).bytes.size(); ++b)
            changed += plan.step(s).bytes[b] != numbered.step(s).bytes[b];
    int inFields = 0;
    for (std::size_t b : {0, 1, 2, 3, 4, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B})
        inFields += plan.step(kStepCodes).bytes[b] != numbered.step(kStepCodes).bytes[b];
    EXPECT_EQ(changed, inFields);
}

// A simulated radio whose memory is saved after a write that changed it.
struct SimRadio {
    explicit SimRadio(std::vector<std::string> args) {
        args.insert(args.end(), {"--log", log.path(), "--save-memory", memory.path()});
        EXPECT_TRUE(sim.start(DUOBAND_RADIO_SIM, args)) << sim.error();
    }
    TempFile log{"jobs_radio_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".log"};
    TempFile memory{"jobs_radio_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) +
                    ".bin"};
    sim::SimProcess sim;
};

struct Fleet {
    explicit Fleet(const std::vector<std::vector<std::string>>& faults) {
        for (const auto& args : faults) {
            radios.push_back(std::make_unique<SimRadio>(args));
            ports.push_back(radios.back()->sim.port());
        }
        options.fast = true;
        options.verify = true;
        options.backupFirst = true;
        options.backupFolder = backups;
    }
    ~Fleet() { fs::remove_all(backups); }
    std::vector<std::unique_ptr<SimRadio>> radios;
    std::vector<std::string> ports;
    JobOptions options;
    fs::path backups =
        fs::path(::testing::TempDir()) / ("duoband_jobs_backups_" + std::to_string(::getpid()));
};

// Each radio gets its own number and otherwise the plan's bytes; a radio
// with a fault fails alone, its number reported all the same.
TEST(Fleet, NumbersEachRadioInPortOrderAndAFaultFailsOnlyItsRadio) {
    Fleet fleet({{}, {"--double-ack-at", "40"}, {}});
    const RadioImage plan = testing_support::sampleImage();
    std::string problem;
    const auto numbering = parseUnitNumbering("native-id=0998", problem);
    ASSERT_TRUE(numbering) << problem;
    std::vector<std::vector<JobState>> states(fleet.ports.size());
    const auto reports = runFleet(
        fleet.ports,
        [&](std::size_t index, const std::string& port, JobOutput& output) {
            WriteInput input{plan, Compared::HeldBytes, {}};
            input.numbers[UnitField::NativeId] = unitNumber(*numbering, index).value();
            input.image = withUnitNumbers(plan, input.numbers);
            return writeJob(port, input, fleet.options, output);
        },
        [&](std::size_t index) {
            JobOutput output;
            output.state = [&states, index](JobState s) { states[index].push_back(s); };
            return output;
        });
    const std::string wanted[] = {"0998", "0999", "1000"};
    for (std::size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(reports[i].numbers[UnitField::NativeId], wanted[i]);
        EXPECT_EQ(reports[i].result, i == 1 ? "failed" : "success") << reports[i].message;
        const JobState last = i == 1 ? JobState::Failed : JobState::Done;
        EXPECT_EQ(states[i].back(), last) << i;
        if (i == 1) continue;
        EXPECT_EQ(reports[i].lines,
                  (std::vector<std::string>{"Write success!", "Verify success!"}));
        std::string error;
        const auto memory = sim::loadMemory(fleet.radios[i]->memory.path(), error);
        ASSERT_TRUE(memory) << error;
        RadioImage held;
        for (int s = 0; s < kTransferSteps; ++s) {
            const TransferStep t = transferPlan()[static_cast<std::size_t>(s)];
            storeAnswer(held, s, std::span(memory->data() + t.address, t.length));
        }
        EXPECT_EQ(unitNumberIn(held, UnitField::NativeId), wanted[i]);
        EXPECT_EQ(held, withUnitNumbers(plan, reports[i].numbers)) << "every other byte the plan's";
    }
    EXPECT_TRUE(reports[1].detail.starts_with(
        "Step 41 of 136: 2 bytes came back instead of the acknowledgement"))
        << reports[1].detail;
    // What the failed radio holds now, and the backup that restores it.
    EXPECT_NE(reports[1].backup.find("-before-write-"), std::string::npos) << reports[1].backup;
    EXPECT_EQ(reports[1].held, std::string(kWriteFailedPartly) + "\n" + reports[1].backup);
}

// A radio whose first read failed is written only when its caller says so:
// unasked or refused, it hears no write frame, and its job fails saying why.
TEST(Fleet, ARadioWhoseFirstReadFailedIsWrittenOnlyWhenAsked) {
    Fleet fleet({{"--nak-at", "20"}, {"--nak-at", "20"}, {"--nak-at", "20"}});
    fleet.options.verify = false;
    const std::optional<bool> writeAnyway[] = {std::nullopt, false, true};
    const WriteInput input{testing_support::sampleImage(), Compared::HeldBytes, {}};
    const auto reports = runFleet(
        fleet.ports,
        [&](std::size_t, const std::string& port, JobOutput& output) {
            return writeJob(port, input, fleet.options, output);
        },
        [&](std::size_t index) {
            JobOutput output;
            if (const auto answer = writeAnyway[index])
                output.writeAfterFailedFirstRead = [answer](const ExchangeResult&) {
                    return *answer;
                };
            return output;
        });
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const auto log = testing_support::waitForExit(fleet.radios[i]->log.path());
        const bool written = writeAnyway[i].value_or(false);
        EXPECT_EQ(countPrefix(log, "WRITE") > 0, written) << i;
        EXPECT_EQ(reports[i].result, "failed") << i;
        if (written) continue;
        EXPECT_EQ(reports[i].message,
                  "Reading the radio first failed: Read Error!; nothing was written");
        EXPECT_EQ(reports[i].backup, "") << "nothing was kept, nothing needs restoring";
    }
}

// An exception on a job's thread is its radio's failure, with its message;
// the other radios finish.
TEST(Fleet, AnExceptionFailsOnlyItsRadio) {
    const std::vector<std::string> ports{"/dev/a", "/dev/b"};
    const auto reports = runFleet(
        ports,
        [](std::size_t index, const std::string& port, JobOutput&) {
            if (index == 1) throw std::runtime_error("no room for the image");
            JobReport report;
            report.port = port;
            report.result = "success";
            return report;
        },
        [](std::size_t) { return JobOutput{}; });
    EXPECT_EQ(reports[0].result, "success");
    EXPECT_EQ(reports[1].port, "/dev/b");
    EXPECT_EQ(reports[1].result, "failed");
    EXPECT_EQ(reports[1].message, "no room for the image");
}

// A stop ends every radio after its current frame with one EXIT each, and
// each says what its radio holds.
TEST(Fleet, AStopEndsEveryRadioWithOneExit) {
    Fleet fleet({{"--pace"}, {"--pace"}, {"--pace"}});
    std::atomic<bool> stop{false};
    fleet.options.verify = false;
    fleet.options.stopRequested = [&stop] { return stop.load(); };
    const WriteInput input{testing_support::sampleImage(), Compared::HeldBytes, {}};
    const auto reports = runFleet(
        fleet.ports,
        [&](std::size_t, const std::string& port, JobOutput& output) {
            return writeJob(port, input, fleet.options, output);
        },
        [&](std::size_t) {
            JobOutput output;
            output.progress = [&stop](int done) {
                if (done >= 5) stop = true;
            };
            return output;
        });
    for (std::size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(reports[i].result, "cancelled");
        EXPECT_EQ(reports[i].status, JobStatus::RadioFailed);
        EXPECT_TRUE(reports[i].message.starts_with("Write cancelled:")) << reports[i].message;
        const auto log = testing_support::waitForExit(fleet.radios[i]->log.path());
        EXPECT_EQ(countPrefix(log, "EXIT"), 1) << fleet.ports[i];
    }
}

}  // namespace
}  // namespace duoband
