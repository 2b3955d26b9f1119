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
    const auto insert = [this](Clock::time_point at, Bytes b) {
        const auto pos = std::upper_bound(slots_.begin(), slots_.end(), at,
                                          [](auto t, const Slot& s) { return t < s.due; });
        slots_.insert(pos, Slot{at, std::move(b)});
    };
    if (!pace_) {
        insert(due, bytes);
        return;
    }
    // A byte leaves when its last bit is on the line.
    auto at = std::max(due, outFree_);
    for (const auto byte : bytes) {
        at += kByteTime;
        insert(at, Bytes{byte});
    }
    outFree_ = at;
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
