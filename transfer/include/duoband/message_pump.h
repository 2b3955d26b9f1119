// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The timed wait of an exchange: the exchange runs on the thread that owns
// the serial port and must keep delivering its notifications (that is
// how received bytes reach the receive buffer) while it waits.
#pragma once

#include "duoband/deadline.h"
#include "duoband/serial_port.h"

namespace duoband {

class MessagePump {
  public:
    virtual ~MessagePump() = default;
    // Delivers notifications as they come and returns when `deadline` has
    // passed (never earlier, never by spinning).
    virtual void waitUntil(const Deadline& deadline) = 0;
    // Delivers what has come and returns as soon as something was delivered
    // or `deadline` has passed. This default looks again every 2 ms.
    virtual void waitForDelivery(const Deadline& deadline) {
        waitUntil(Deadline::earliest(deadline, Deadline::in(std::chrono::milliseconds(2))));
    }
};

// The pump of a program without a window: sleeps in poll() on the
// port's notification descriptor until the deadline.
class HeadlessPump : public MessagePump {
  public:
    explicit HeadlessPump(SerialPort& port) : port_(port) {}
    void waitUntil(const Deadline& deadline) override;
    void waitForDelivery(const Deadline& deadline) override;

  private:
    SerialPort& port_;
};

}  // namespace duoband
