// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "port_threads.h"

namespace duoband {

namespace {

constexpr short kLineGone = POLLHUP | POLLERR | POLLNVAL;

enum class Wait { Ready, Closing, Failed };

// Blocks until the port takes more bytes or the close event arrives.
Wait waitWritable(PortLink& link) {
    pollfd fds[] = {{link.closeEvent(), POLLIN, 0}, {link.port(), POLLOUT, 0}};
    if (pollUntil(fds, 2, Deadline::never()) < 0) return Wait::Failed;
    if (fds[0].revents != 0) return Wait::Closing;
    return (fds[1].revents & kLineGone) ? Wait::Failed : Wait::Ready;
}

// Writes the whole block; false when the thread must end.
bool writeBlock(PortLink& link, const std::vector<std::uint8_t>& block) {
    std::size_t done = 0;
    while (done < block.size()) {
        const ssize_t count = ::write(link.port(), block.data() + done, block.size() - done);
        if (count > 0) {
            done += static_cast<std::size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR) continue;
        const Wait wait = (count < 0 && errno == EAGAIN) ? waitWritable(link) : Wait::Failed;
        if (wait == Wait::Closing) return false;
        if (wait == Wait::Failed) {
            link.postHangup();
            return false;
        }
    }
    return true;
}

// Waits for the next block or the close event; false when the thread must end.
bool waitForBlock(PortLink& link) {
    pollfd fds[] = {{link.closeEvent(), POLLIN, 0}, {link.blocks.fd(), POLLIN, 0}};
    if (pollUntil(fds, 2, Deadline::never()) < 0) {
        link.postHangup();
        return false;
    }
    return fds[0].revents == 0;
}

bool closing(const PortLink& link) {
    pollfd fd{link.closeEvent(), POLLIN, 0};
    return ::poll(&fd, 1, 0) > 0;
}

void transmit(PortLink& link) {
    bool announceEmpty = true;
    for (;;) {
        auto block = link.blocks.popOr([&] { link.shared->sendEmpty = true; });
        if (!block) {
            if (announceEmpty) link.post(Notification{kSendQueueEmpty, {}, 0});
            announceEmpty = false;
            if (!waitForBlock(link)) return;
            continue;
        }
        if (closing(link) || !writeBlock(link, *block)) return;
        announceEmpty = true;
    }
}

}  // namespace

TransmitThread::TransmitThread(std::shared_ptr<PortLink> link) : thread_([link] { run(*link); }) {}

void TransmitThread::run(PortLink& link) {
    try {
        transmit(link);
    } catch (const std::exception&) {
        link.postHangup();
    }
    // From here on send() refuses blocks: nobody would write them.
    link.blocks.shut();
    link.shared->sendEmpty = true;
}

}  // namespace duoband
