// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/deadline.h"

#include <gtest/gtest.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <thread>

namespace duoband {
namespace {

using namespace std::chrono_literals;

TEST(Deadline, NeverNeitherExpiresNorLimitsPoll) {
    const Deadline d = Deadline::never();
    EXPECT_TRUE(d.isNever());
    EXPECT_FALSE(d.expired());
    EXPECT_EQ(d.pollTimeout(), -1);
}

TEST(Deadline, APassedDeadlineIsExpiredWithNothingLeft) {
    const Deadline d(Deadline::Clock::now() - 5ms);
    EXPECT_TRUE(d.expired());
    EXPECT_EQ(d.remaining(), 0ms);
    EXPECT_EQ(d.pollTimeout(), 0);
}

TEST(Deadline, PollTimeoutRoundsUpSoAWaitNeverEndsEarly) {
    const Deadline soon(Deadline::Clock::now() + 300us);
    EXPECT_EQ(soon.pollTimeout(), 1);
    const Deadline later = Deadline::in(250ms);
    EXPECT_GT(later.pollTimeout(), 240);
    EXPECT_LE(later.pollTimeout(), 250);
}

// While a VirtualClock exists, deadlines pass only as it is moved.
TEST(Deadline, AVirtualClockMovesOnlyWhenTold) {
    VirtualClock clock;
    const Deadline d = Deadline::in(1000ms);
    EXPECT_FALSE(d.expired());
    EXPECT_EQ(d.remaining(), 1000ms);
    clock.advanceTo(d.at() - 1ms);
    EXPECT_FALSE(d.expired());
    EXPECT_EQ(d.pollTimeout(), 1);
    clock.advanceTo(d.at());
    EXPECT_TRUE(d.expired());
    clock.advanceTo(d.at() - 5ms);  // never back
    EXPECT_TRUE(d.expired());
}

TEST(Deadline, ASpanTooLongForTheClockMeansNever) {
    // A time-out property of 2^32-1 ms times the chunk size must not wrap into the past.
    for (const auto span : {std::chrono::milliseconds::max(), std::chrono::milliseconds(1LL << 62)})
        EXPECT_TRUE(Deadline::in(span).isNever()) << span.count();
    EXPECT_FALSE(Deadline::in(std::chrono::hours(24 * 365)).isNever());
}

TEST(Deadline, EarliestPicksTheSoonerOne) {
    const Deadline a = Deadline::in(10ms);
    const Deadline b = Deadline::in(1s);
    EXPECT_EQ(Deadline::earliest(a, b).at(), a.at());
    EXPECT_EQ(Deadline::earliest(b, a).at(), a.at());
    EXPECT_EQ(Deadline::earliest(Deadline::never(), b).at(), b.at());
}

TEST(PollUntil, ReturnsZeroAtTheDeadlineAndNotBefore) {
    const int fd = ::eventfd(0, EFD_CLOEXEC);
    pollfd p{fd, POLLIN, 0};
    const auto start = Deadline::Clock::now();
    EXPECT_EQ(pollUntil(&p, 1, Deadline::in(60ms)), 0);
    EXPECT_GE(Deadline::Clock::now() - start, 60ms);
    ::close(fd);
}

TEST(PollUntil, WakesAsSoonAsTheDescriptorIsReady) {
    const int fd = ::eventfd(0, EFD_CLOEXEC);
    std::thread poster([fd] {
        std::this_thread::sleep_for(20ms);
        const std::uint64_t one = 1;
        [[maybe_unused]] auto r = ::write(fd, &one, sizeof one);
    });
    pollfd p{fd, POLLIN, 0};
    const auto start = Deadline::Clock::now();
    EXPECT_EQ(pollUntil(&p, 1, Deadline::in(5s)), 1);
    EXPECT_LT(Deadline::Clock::now() - start, 2s);
    poster.join();
    ::close(fd);
}

}  // namespace
}  // namespace duoband
