// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/deadline.h"

#include <atomic>
#include <cerrno>
#include <climits>

namespace duoband {

namespace {
std::atomic<const VirtualClock*> virtualClock{nullptr};
}  // namespace

VirtualClock::VirtualClock() : now_(Deadline::Clock::now()) {
    virtualClock.store(this);
}

VirtualClock::~VirtualClock() {
    virtualClock.store(nullptr);
}

Deadline::Clock::time_point Deadline::now() {
    const VirtualClock* clock = virtualClock.load(std::memory_order_relaxed);
    return clock != nullptr ? clock->now() : Clock::now();
}

Deadline Deadline::in(std::chrono::milliseconds span) {
    const auto now = Deadline::now();
    const auto room = std::chrono::floor<std::chrono::milliseconds>(Clock::time_point::max() - now);
    return span >= room ? never() : Deadline(now + span);
}

std::chrono::milliseconds Deadline::remaining() const {
    if (isNever()) return std::chrono::milliseconds::max();
    const auto left = at_ - now();
    if (left <= Clock::duration::zero()) return std::chrono::milliseconds(0);
    return std::chrono::ceil<std::chrono::milliseconds>(left);
}

int Deadline::pollTimeout() const {
    if (isNever()) return -1;
    const auto left = remaining().count();
    return left > INT_MAX ? INT_MAX : static_cast<int>(left);
}

int pollUntil(pollfd* fds, nfds_t count, const Deadline& deadline) {
    for (;;) {
        const int ready = ::poll(fds, count, deadline.pollTimeout());
        if (ready >= 0 || errno != EINTR) return ready;
    }
}

}  // namespace duoband
