// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// State that SerialPort shares with its receive and transmit threads. Each thread
// holds a shared_ptr, so a thread that outlives the bounded wait of
// close() never touches freed memory.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "duoband/serial_port.h"
#include "unique_fd.h"

namespace duoband {

// Unix 98 pseudo-terminal slaves (majors 136 to 143). Their close never
// waits for output, and flushing one drops what the other end has not read.
bool isPseudoTerminal(int port);
// tcflush(), except that a pseudo-terminal's output is kept: flushing it
// would drop bytes the other end has not read yet, such as the EXIT the last
// opening sent just before it closed.
void flushLine(int port, int queue);

// Lives as long as the SerialPort: the notification queue and the send-empty flag.
struct PortShared {
    NotificationQueue queue;
    std::atomic<bool> sendEmpty{true};
    std::atomic<std::size_t> receivedWaiting{0};  // bytes of the queued kDataReceived
    std::atomic<bool> overflowTold{false};        // kReceiveOverflow posted, not yet delivered
};

// What the receive thread needs of the time-outs; changed at once by the setters.
struct ReceiveTimeouts {
    std::atomic<std::uint32_t> interval{0};
    std::atomic<std::uint32_t> totalMultiplier{0};
    std::atomic<std::uint32_t> totalConstant{0};
    std::atomic<bool> ignoreNull{false};
    // Bytes still missing from an answer the reader awaits (0 or less: none).
    std::atomic<std::int64_t> awaited{0};
};

// One opening of the device.
struct PortLink {
    PortLink(UniqueFd device, std::shared_ptr<PortShared> owner);
    ~PortLink();  // drops unsent output and releases the device
    PortLink(const PortLink&) = delete;
    PortLink& operator=(const PortLink&) = delete;

    int port() const { return port_.get(); }
    // Readable once close() wants both threads to end (a manual-reset event).
    int closeEvent() const { return closeEvent_.get(); }
    void signalClose();

    // Line errors waiting for the owner fold into one.
    void post(Notification n);
    // Received bytes, or kReceiveOverflow when kMostReceivedWaiting wait already.
    void postReceived(std::vector<std::uint8_t> bytes);
    // The line is gone; both threads may see it, the owner hears it once.
    void postHangup();

    std::shared_ptr<PortShared> shared;
    ReceiveTimeouts timeouts;
    WakeQueue<std::vector<std::uint8_t>> blocks;  // waiting for the transmit thread

  private:
    UniqueFd port_;
    UniqueFd closeEvent_;
    std::atomic<bool> hungUp_{false};
};

}  // namespace duoband
