// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "duoband/radio_sim.h"

namespace duoband::sim {
namespace {

using Clock = LineTimer::Clock;
const Clock::time_point t0 = Clock::time_point{} + std::chrono::hours(1);

TEST(LineTimer, UnpacedAnswersLeaveWholeWhenDue) {
    LineTimer timer(false);
    EXPECT_EQ(timer.received(t0, 8).of(7), t0);
    timer.send(t0 + Millis{10}, {1, 2, 3});
    timer.send(t0 + Millis{5}, {9});
    EXPECT_EQ(timer.nextDue(), t0 + Millis{5});
    EXPECT_EQ(timer.takeDue(t0 + Millis{4}), Bytes{});
    EXPECT_EQ(timer.takeDue(t0 + Millis{5}), Bytes{9});
    EXPECT_EQ(timer.takeDue(t0 + Millis{20}), (Bytes{1, 2, 3}));
    EXPECT_FALSE(timer.nextDue());
}

TEST(LineTimer, PacedBytesLeaveOneByteTimeApart) {
    LineTimer timer(true);
    timer.send(t0, {1, 2, 3});
    EXPECT_EQ(timer.nextDue(), t0 + LineTimer::kByteTime);
    EXPECT_EQ(timer.takeDue(t0 + 2 * LineTimer::kByteTime), (Bytes{1, 2}));
    EXPECT_EQ(timer.nextDue(), t0 + 3 * LineTimer::kByteTime);
    // An answer due before the line is free waits for the previous one.
    timer.send(t0, {4});
    EXPECT_EQ(timer.takeDue(t0 + 3 * LineTimer::kByteTime), Bytes{3});
    EXPECT_EQ(timer.nextDue(), t0 + 4 * LineTimer::kByteTime);
}

TEST(LineTimer, PacedChunksArriveAtTheLineRate) {
    LineTimer timer(true);
    const auto first = timer.received(t0, 8);
    EXPECT_EQ(first.of(0), t0 + LineTimer::kByteTime);
    EXPECT_EQ(first.of(7), t0 + 8 * LineTimer::kByteTime);
    // A chunk read while the previous one is still "on the line" follows it.
    const auto second = timer.received(t0 + LineTimer::kByteTime, 2);
    EXPECT_EQ(second.of(1), t0 + 10 * LineTimer::kByteTime);
    // 48 bytes take 25 ms at 19200 baud.
    const std::chrono::duration<double, std::milli> answer = 48 * LineTimer::kByteTime;
    EXPECT_NEAR(answer.count(), 25.0, 0.01);
}

// Each packet a USB adapter hands the host: when (after the answer is due)
// and how many bytes.
struct Packet {
    LineTimer::Duration after;
    std::size_t bytes;
    bool operator==(const Packet&) const = default;
};

struct AdapterCase {
    const char* name;
    bool pace;
    UsbAdapter usb;
    std::size_t answerBytes;
    std::vector<Packet> packets;
};

void PrintTo(const AdapterCase& c, std::ostream* os) {
    *os << c.name;
}
void PrintTo(const Packet& p, std::ostream* os) {
    *os << p.bytes << " bytes after " << p.after.count() << " ns";
}

class ThroughAUsbAdapter : public testing::TestWithParam<AdapterCase> {};

TEST_P(ThroughAUsbAdapter, AnswersReachTheHostInItsPackets) {
    const AdapterCase& c = GetParam();
    LineTimer timer(c.pace, c.usb);
    timer.send(t0, Bytes(c.answerBytes, 0xA5));
    std::vector<Packet> packets;
    while (const auto due = timer.nextDue())
        packets.push_back({*due - t0, timer.takeDue(*due).size()});
    EXPECT_EQ(packets, c.packets);
}

constexpr LineTimer::Duration kByte = LineTimer::kByteTime;
constexpr Millis k16ms{16};

INSTANTIATE_TEST_SUITE_P(
    LineTimer, ThroughAUsbAdapter,
    testing::Values(
        // Full packets leave as their last byte comes in.
        AdapterCase{"PacedFullPackets",
                    true,
                    {16, k16ms},
                    48,
                    {{16 * kByte, 16}, {32 * kByte, 16}, {48 * kByte, 16}}},
        // A packet that does not fill within the latency leaves when it runs out.
        AdapterCase{
            "PacedLatency", true, {62, k16ms}, 48, {{kByte + k16ms, 31}, {32 * kByte + k16ms, 17}}},
        AdapterCase{"PacedLastPacketShort",
                    true,
                    {16, k16ms},
                    33,
                    {{16 * kByte, 16}, {32 * kByte, 16}, {33 * kByte + k16ms, 1}}},
        // Without the line's time the latency spaces the packets.
        AdapterCase{"UnpacedOnePacketPerLatency",
                    false,
                    {16, Millis{4}},
                    40,
                    {{Millis{0}, 16}, {Millis{4}, 16}, {Millis{8}, 8}}},
        AdapterCase{
            "UnpacedLongPackets", false, {62, Millis{4}}, 64, {{Millis{0}, 62}, {Millis{4}, 2}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace duoband::sim
