#include "duoband/deadline.h"

#include <cerrno>
#include <climits>

namespace duoband {

Deadline Deadline::in(std::chrono::milliseconds span) {
    const auto now = Clock::now();
    const auto room = std::chrono::floor<std::chrono::milliseconds>(Clock::time_point::max() - now);
    return span >= room ? never() : Deadline(now + span);
}

std::chrono::milliseconds Deadline::remaining() const {
    if (isNever()) return std::chrono::milliseconds::max();
    const auto left = at_ - Clock::now();
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
