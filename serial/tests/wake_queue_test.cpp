// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/wake_queue.h"

#include <gtest/gtest.h>
#include <poll.h>

#include <thread>
#include <vector>

#include "bounded_thread.h"

namespace duoband {
namespace {

using namespace std::chrono_literals;

bool readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1;
}

TEST(WakeQueue, DescriptorIsReadableExactlyWhileItemsWait) {
    WakeQueue<int> q;
    EXPECT_FALSE(readable(q.fd()));
    q.push(1);
    q.push(2);
    EXPECT_TRUE(readable(q.fd()));
    EXPECT_EQ(q.pop(), 1);
    EXPECT_TRUE(readable(q.fd()));
    EXPECT_EQ(q.pop(), 2);
    EXPECT_FALSE(readable(q.fd()));
    EXPECT_EQ(q.pop(), std::nullopt);
}

TEST(WakeQueue, OnEmptyRunsOnlyWhenNothingWaitsAndShutRefusesItems) {
    WakeQueue<int> q;
    int empties = 0;
    EXPECT_EQ(q.popOr([&] { ++empties; }), std::nullopt);
    q.push(7);
    EXPECT_EQ(q.popOr([&] { ++empties; }), 7);
    EXPECT_EQ(empties, 1);
    q.shut();
    EXPECT_FALSE(q.push(8));
    EXPECT_FALSE(readable(q.fd()));
}

TEST(WakeQueue, ItemsFromOneProducerThreadKeepTheirOrder) {
    WakeQueue<int> q;
    constexpr int kCount = 20000;
    std::thread producer([&] {
        for (int i = 0; i < kCount; ++i) q.push(i);
    });
    std::vector<int> got;
    while (got.size() < kCount) {
        pollfd p{q.fd(), POLLIN, 0};
        ASSERT_EQ(::poll(&p, 1, 5000), 1);
        while (auto item = q.pop()) got.push_back(*item);
    }
    producer.join();
    for (int i = 0; i < kCount; ++i) ASSERT_EQ(got[i], i);
}

TEST(BoundedThread, AThreadThatOverrunsTheDeadlineIsLetGoAndFinishesSafely) {
    auto gate = std::make_shared<WakeQueue<int>>();
    bool ended = true;
    {
        BoundedThread slow([gate] {
            pollfd p{gate->fd(), POLLIN, 0};
            ::poll(&p, 1, 5000);
        });
        ended = slow.joinWithin(Deadline::in(30ms));
    }
    EXPECT_FALSE(ended);
    gate->push(1);  // lets the detached thread finish; it owns its share of the gate
    BoundedThread quick([] {});
    EXPECT_TRUE(quick.joinWithin(Deadline::in(2s)));
}

}  // namespace
}  // namespace duoband
