// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <optional>
#include <vector>

#include "port_threads.h"

namespace duoband {

namespace {

constexpr std::size_t kChunkMax = 2048;  // one read, one chunk at most

struct CounterFlag {
    int serial_icounter_struct::*counter;
    std::uint32_t flag;
};
constexpr CounterFlag kErrorCounters[] = {
    {&serial_icounter_struct::overrun, kOverrunError},
    {&serial_icounter_struct::buf_overrun, kOverrunError},
    {&serial_icounter_struct::parity, kParityError},
    {&serial_icounter_struct::frame, kFrameError},
    {&serial_icounter_struct::brk, kBreakCondition},
};

// Carrier-detect and ring changes are not watched (no kModemStateChange is
// posted): that takes a thread blocked in TIOCMIWAIT, and the program has no
// handler for them.
//
// Watches the driver's error counters; devices without them (a pseudo
// terminal) simply never report a line error.
class LineErrorWatch {
  public:
    explicit LineErrorWatch(int port) : port_(port) {
        if (::ioctl(port_, TIOCGICOUNT, &last_) == 0) available_ = true;
    }
    void check(PortLink& link) {
        if (!available_) return;
        serial_icounter_struct now{};
        if (::ioctl(port_, TIOCGICOUNT, &now) != 0) return;
        const std::uint32_t flags = lineErrorFlags(last_, now);
        last_ = now;
        if (flags != 0) link.post(Notification{kLineError, {}, flags});
    }

  private:
    int port_;
    bool available_ = false;
    serial_icounter_struct last_{};
};

enum class ReadOutcome { Gathered, Retry, Gone };

// The bytes of one burst, delivered as one chunk once the line has been
// quiet for readIntervalMs (or the total read time-out is used up, the
// chunk is full, or it completes the answer the reader awaits).
class Burst {
  public:
    bool empty() const { return bytes_.empty(); }
    std::size_t room() const { return kChunkMax - bytes_.size(); }
    bool full() const { return bytes_.size() >= kChunkMax; }
    Deadline deliverBy() const { return empty() ? Deadline::never() : deliverBy_; }

    void add(const std::uint8_t* data, std::size_t count, ReceiveTimeouts& timeouts) {
        if (bytes_.empty()) firstByteBudget(timeouts);
        bytes_.insert(bytes_.end(), data, data + count);
        const auto n = static_cast<std::int64_t>(count);
        const std::int64_t missing = timeouts.awaited.fetch_sub(n);
        completesAnswer_ = completesAnswer_ || (missing > 0 && missing <= n);
        const auto interval = std::chrono::milliseconds(timeouts.interval.load());
        deliverBy_ = Deadline::earliest(Deadline::in(interval), totalBy_);
    }
    bool dueNow(const ReceiveTimeouts& timeouts) const {
        return full() || completesAnswer_ || timeouts.interval.load() == 0;
    }
    void deliver(PortLink& link) {
        if (empty()) return;
        link.postReceived(std::move(bytes_));
        bytes_ = {};
        completesAnswer_ = false;
        bytes_.reserve(kChunkMax);
    }

  private:
    void firstByteBudget(const ReceiveTimeouts& timeouts) {
        const auto total = std::uint64_t{timeouts.totalMultiplier.load()} * kChunkMax +
                           timeouts.totalConstant.load();
        totalBy_ = total == 0 ? Deadline::never() : Deadline::in(std::chrono::milliseconds(total));
    }

    std::vector<std::uint8_t> bytes_;
    bool completesAnswer_ = false;
    Deadline deliverBy_ = Deadline::never();
    Deadline totalBy_ = Deadline::never();
};

ReadOutcome readInto(PortLink& link, Burst& burst) {
    std::array<std::uint8_t, kChunkMax> buffer;
    const ssize_t count = ::read(link.port(), buffer.data(), burst.room());
    if (count < 0 && (errno == EINTR || errno == EAGAIN)) return ReadOutcome::Retry;
    // 0 after poll() reported data, EIO, ENXIO and the rest: the line is gone.
    if (count <= 0) return ReadOutcome::Gone;
    auto end = buffer.begin() + count;
    if (link.timeouts.ignoreNull.load()) end = std::remove(buffer.begin(), end, 0);
    burst.add(buffer.data(), static_cast<std::size_t>(end - buffer.begin()), link.timeouts);
    return ReadOutcome::Gathered;
}

constexpr short kLineGone = POLLHUP | POLLERR | POLLNVAL;

void receive(PortLink& link) {
    Burst burst;
    LineErrorWatch errors(link.port());
    for (;;) {
        pollfd fds[] = {{link.closeEvent(), POLLIN, 0}, {link.port(), POLLIN, 0}};
        const int ready = pollUntil(fds, 2, burst.deliverBy());
        if (ready < 0) break;
        if (fds[0].revents != 0) return;
        if (ready == 0) {
            burst.deliver(link);
            continue;
        }
        const ReadOutcome outcome =
            (fds[1].revents & POLLIN) ? readInto(link, burst) : ReadOutcome::Gone;
        errors.check(link);
        // A hung-up line may still hand over its last bytes; once it has none, it is gone.
        if (outcome == ReadOutcome::Gone ||
            (outcome == ReadOutcome::Retry && (fds[1].revents & kLineGone))) {
            break;
        }
        if (burst.dueNow(link.timeouts)) burst.deliver(link);
    }
    burst.deliver(link);
    link.postHangup();
}

}  // namespace

std::uint32_t lineErrorFlags(const serial_icounter_struct& before,
                             const serial_icounter_struct& after) {
    std::uint32_t flags = 0;
    for (const auto& [counter, flag] : kErrorCounters) {
        if (after.*counter != before.*counter) flags |= flag;
    }
    return flags;
}

ReceiveThread::ReceiveThread(std::shared_ptr<PortLink> link) : thread_([link] { run(*link); }) {}

void ReceiveThread::run(PortLink& link) {
    try {
        receive(link);
    } catch (const std::exception&) {
        link.postHangup();  // no memory for a chunk: the link cannot go on
    }
}

}  // namespace duoband
