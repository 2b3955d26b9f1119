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

}  // namespace
}  // namespace duoband::sim
