// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_link.h"

#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>

#include <cerrno>

namespace duoband {

PortLink::PortLink(UniqueFd device, std::shared_ptr<PortShared> owner)
    : shared(std::move(owner)),
      port_(std::move(device)),
      closeEvent_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (!closeEvent_) {
        const int error = errno;
        ::ioctl(port_.get(), TIOCNXCL);
        throw SerialPortError(kCannotCreateEvent, error);
    }
}

bool isPseudoTerminal(int port) {
    struct stat info {};
    if (::fstat(port, &info) != 0) return false;
    const unsigned int major = ::major(info.st_rdev);
    return major >= 136 && major <= 143;
}

void flushLine(int port, int queue) {
    if (!isPseudoTerminal(port)) {
        ::tcflush(port, queue);
    } else if (queue != TCOFLUSH) {
        ::tcflush(port, TCIFLUSH);
    }
}

PortLink::~PortLink() {
    // Unsent output would make close() wait for a stuck adapter to drain it.
    flushLine(port_.get(), TCIOFLUSH);
    ::ioctl(port_.get(), TIOCNXCL);
}

void PortLink::signalClose() {
    const std::uint64_t one = 1;
    [[maybe_unused]] auto r = ::write(closeEvent_.get(), &one, sizeof one);
}

void PortLink::post(Notification n) {
    shared->queue.pushOrFold(std::move(n), [](Notification& newest, const Notification& next) {
        if (newest.code != kLineError || next.code != kLineError) return false;
        newest.value |= next.value;
        return true;
    });
}

void PortLink::postReceived(std::vector<std::uint8_t> bytes) {
    if (shared->receivedWaiting.load() + bytes.size() > kMostReceivedWaiting) {
        if (!shared->overflowTold.exchange(true))
            post(Notification{kLineError, {}, kReceiveOverflow});
        return;
    }
    shared->receivedWaiting += bytes.size();
    post(Notification{kDataReceived, std::move(bytes), 0});
}

void PortLink::postHangup() {
    if (!hungUp_.exchange(true)) post(Notification{kHangup, {}, 0});
}

}  // namespace duoband
