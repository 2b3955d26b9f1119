// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "duoband/radio_sim.h"

namespace duoband::sim {

LineTimer::ChunkTiming LineTimer::received(Clock::time_point readAt, std::size_t size) {
    if (!pace_) return {readAt, Duration{0}};
    const auto start = std::max(readAt, inFree_);
    inFree_ = start + kByteTime * static_cast<long>(size);
    return {start, kByteTime};
}

void LineTimer::send(Clock::time_point due, const Bytes& bytes) {
    std::vector<Clock::time_point> times = lineTimes(due, bytes.size());
    if (usb_.packet > 0) holdInPackets(times);
    // Bytes that reach the host together go in one slot.
    for (std::size_t first = 0, end = 0; first < bytes.size(); first = end) {
        while (end < bytes.size() && times[end] == times[first]) ++end;
        insert(times[first], Bytes(bytes.begin() + static_cast<long>(first),
                                   bytes.begin() + static_cast<long>(end)));
    }
}

// When each byte is out of the radio: all when due, or (paced) a byte leaves
// when its last bit is on the line.
std::vector<LineTimer::Clock::time_point> LineTimer::lineTimes(Clock::time_point due,
                                                               std::size_t count) {
    std::vector<Clock::time_point> times(count, due);
    if (!pace_) return times;
    auto at = std::max(due, outFree_);
    for (auto& t : times) t = at += kByteTime;
    outFree_ = at;
    return times;
}

// Moves each byte to the moment the adapter's packet holding it leaves.
void LineTimer::holdInPackets(std::vector<Clock::time_point>& times) {
    for (std::size_t first = 0, end = 0, packet = 0; first < times.size(); first = end, ++packet) {
        const auto timerRunsOut = times[first] + usb_.latency;
        while (end < times.size() && end - first < usb_.packet && times[end] <= timerRunsOut) ++end;
        auto leaves = end - first == usb_.packet ? times[end - 1] : timerRunsOut;
        if (!pace_) leaves = times[first] + usb_.latency * static_cast<long>(packet);
        leaves = std::max(leaves, lastPacket_);
        lastPacket_ = leaves;
        std::fill(times.begin() + static_cast<long>(first), times.begin() + static_cast<long>(end),
                  leaves);
    }
}

void LineTimer::insert(Clock::time_point due, Bytes bytes) {
    const auto pos = std::upper_bound(slots_.begin(), slots_.end(), due,
                                      [](auto t, const Slot& s) { return t < s.due; });
    slots_.insert(pos, Slot{due, std::move(bytes)});
}

Bytes LineTimer::takeDue(Clock::time_point now) {
    Bytes out;
    auto it = slots_.begin();
    for (; it != slots_.end() && it->due <= now; ++it)
        out.insert(out.end(), it->bytes.begin(), it->bytes.end());
    slots_.erase(slots_.begin(), it);
    return out;
}

std::optional<LineTimer::Clock::time_point> LineTimer::nextDue() const {
    if (slots_.empty()) return std::nullopt;
    return slots_.front().due;
}

}  // namespace duoband::sim
