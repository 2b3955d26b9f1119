// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "duoband/radio_sim.h"

namespace duoband::sim {
namespace {

std::variant<Options, std::string> parse(std::vector<std::string_view> args) {
    return parseOptions(args);
}

TEST(SimOptions, EveryFaultOptionSetsItsFrame) {
    const std::vector<std::pair<std::string_view, Fault>> table{
        {"--silent-at", Fault::Silent},
        {"--short-at", Fault::Short},
        {"--extra-at", Fault::Extra},
        {"--split-at", Fault::Split},
        {"--late-at", Fault::Late},
        {"--nak-at", Fault::Nak},
        {"--double-ack-at", Fault::DoubleAck},
        {"--hangup-at", Fault::Hangup},
        {"--corrupt-at", Fault::Corrupt},
        {"--stray-at", Fault::Stray}};
    for (const auto& [name, fault] : table) {
        const auto parsed = parse({name, "17", "--late-ms", "100"});  // --late-at needs it
        ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << name;
        const auto& faults = std::get<Options>(parsed).faults;
        EXPECT_EQ(faults.size(), 1u) << name;
        EXPECT_EQ(faults.at(fault), 17) << name;
    }
}

TEST(SimOptions, ValuesAndFlags) {
    const auto parsed = parse({"--pace",
                               "--reply-delay",
                               "12",
                               "--late-at",
                               "3",
                               "--late-ms",
                               "600",
                               "--handshake-reply",
                               "a1B2",
                               "--log",
                               "l.txt",
                               "--save-memory",
                               "m.bin",
                               "--link",
                               "/tmp/x",
                               "--sample",
                               "--write-ms",
                               "30",
                               "--corrupt-offset",
                               "4",
                               "--usb-packet",
                               "62",
                               "--usb-latency",
                               "2",
                               "--pad-to-48",
                               "--cut-to-48"});
    ASSERT_TRUE(std::holds_alternative<Options>(parsed)) << std::get<std::string>(parsed);
    const Options& o = std::get<Options>(parsed);
    EXPECT_TRUE(o.pace);
    EXPECT_TRUE(o.sample);
    EXPECT_EQ(o.replyDelay, Millis{12});
    EXPECT_EQ(o.late, Millis{600});
    EXPECT_EQ(o.writeMs, Millis{30});
    EXPECT_EQ(o.corruptOffset, 4);
    EXPECT_EQ(o.usb.packet, 62u);
    EXPECT_EQ(o.usb.latency, Millis{2});
    EXPECT_TRUE(o.padTo48);
    EXPECT_TRUE(o.cutTo48);
    EXPECT_EQ(std::get<Options>(parse({"--usb-packet", "8"})).usb.latency, Millis{16});
    EXPECT_EQ(std::get<Options>(parse({"--turnaround", "9"})).replyDelay, Millis{9});
    EXPECT_EQ(o.faults.at(Fault::Late), 3);
    EXPECT_EQ(o.handshakeReply, (Bytes{0xA1, 0xB2}));
    EXPECT_EQ(o.logFile, "l.txt");
    EXPECT_EQ(o.saveMemoryFile, "m.bin");
    EXPECT_EQ(o.linkPath, "/tmp/x");
}

TEST(SimOptions, MistakesAreRefusedWithAReason) {
    const std::vector<std::vector<std::string_view>> bad{{"--bogus"},
                                                         {"--silent-at"},
                                                         {"--silent-at", "x"},
                                                         {"--nak-at", "-1"},
                                                         {"--reply-delay", "1.5"},
                                                         {"--handshake-reply", "ABC"},
                                                         {"--handshake-reply", "ZZ"},
                                                         {"--log", ""},
                                                         {"--sample", "--memory", "f"},
                                                         {"--late-at", "3"},
                                                         {"--usb-packet", "0"},
                                                         {"--usb-latency", "4"}};
    for (const auto& args : bad) {
        const auto parsed = parse(args);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << args[0];
        EXPECT_FALSE(std::get<std::string>(parsed).empty());
    }
    EXPECT_EQ(std::get<std::string>(parse({"--help"})), usage());
}

TEST(SimMemory, LoadFillsTheRestWithFFAndSaveWritesItBack) {
    const std::string path = testing::TempDir() + "sim_memory.bin";
    std::ofstream(path, std::ios::binary) << "AB";
    std::string error;
    auto memory = loadMemory(path, error);
    ASSERT_TRUE(memory) << error;
    EXPECT_EQ((*memory)[0], 'A');
    EXPECT_EQ((*memory)[1], 'B');
    EXPECT_EQ((*memory)[2], 0xFF);
    EXPECT_EQ((*memory)[0xFFFF], 0xFF);
    (*memory)[0xFFFF] = 0x42;
    ASSERT_TRUE(saveMemory(*memory, path));
    EXPECT_EQ(loadMemory(path, error), memory);
    std::remove(path.c_str());
}

TEST(SimMemory, TooLargeOrMissingFilesAreRefused) {
    const std::string path = testing::TempDir() + "sim_big.bin";
    std::ofstream(path, std::ios::binary) << std::string(kMemorySize + 1, 'x');
    std::string error;
    EXPECT_FALSE(loadMemory(path, error));
    EXPECT_NE(error.find("64 KiB"), std::string::npos);
    std::remove(path.c_str());
    EXPECT_FALSE(loadMemory(path, error));
}

}  // namespace
}  // namespace duoband::sim
