// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A point on the monotonic clock by which a wait must end. Every timed wait
// of the program goes through this one type, so poll() never sees a wall
// clock and a wait never rounds itself into a spinning zero-time poll.
#pragma once

#include <poll.h>

#include <chrono>

namespace duoband {

class Deadline {
  public:
    using Clock = std::chrono::steady_clock;

    explicit Deadline(Clock::time_point at) : at_(at) {}
    // A span longer than the clock can count is never (no overflow into the past).
    static Deadline in(std::chrono::milliseconds span);
    static Deadline never() { return Deadline(Clock::time_point::max()); }

    bool isNever() const { return at_ == Clock::time_point::max(); }
    bool expired() const { return !isNever() && now() >= at_; }
    Clock::time_point at() const { return at_; }
    // Time left, zero once expired (a never-deadline reports the longest span).
    std::chrono::milliseconds remaining() const;
    // Timeout argument for poll(): -1 for never, 0 once expired, otherwise the
    // time left rounded up so that poll() does not return a hair too early.
    int pollTimeout() const;

    // The time every Deadline reads: the monotonic clock, or the
    // VirtualClock while there is one.
    static Clock::time_point now();

    static Deadline earliest(const Deadline& a, const Deadline& b) {
        return a.at_ <= b.at_ ? a : b;
    }

  private:
    Clock::time_point at_;
};

// A clock that moves only when told to. While one exists, every Deadline
// reads it instead of the monotonic clock, so code that waits through a
// MessagePump can run without real time passing (the fuzzing of the
// exchange). One at a time, used from one thread, and never while a
// SerialPort is open: its threads take deadlines too.
class VirtualClock {
  public:
    VirtualClock();  // starts at the monotonic clock's present
    ~VirtualClock();
    VirtualClock(const VirtualClock&) = delete;
    VirtualClock& operator=(const VirtualClock&) = delete;

    Deadline::Clock::time_point now() const { return now_; }
    // Moves to `at`; never back.
    void advanceTo(Deadline::Clock::time_point at) {
        if (at > now_) now_ = at;
    }

  private:
    Deadline::Clock::time_point now_;
};

// poll() until something is ready or the deadline passes; EINTR is retried
// with the time then left. Returns poll()'s result: 0 when the deadline
// passed, -1 with errno on failure.
int pollUntil(pollfd* fds, nfds_t count, const Deadline& deadline);

}  // namespace duoband
