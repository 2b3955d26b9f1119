// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The timed wait of an exchange in the window program: a nested event loop
// that a single-shot timer ends at the deadline. Window messages and the
// serial component's notifications (through the editor's socket notifier)
// are dispatched while it waits; nothing spins.
#pragma once

#include "duoband/message_pump.h"

class QEventLoop;

class QtMessagePump final : public duoband::MessagePump {
  public:
    explicit QtMessagePump(duoband::SerialPort& port) : port_(port) {}

    void waitUntil(const duoband::Deadline& deadline) override;
    // Ends at the deadline or as soon as the window has delivered the
    // port's notifications (the fast link), whichever comes first.
    void waitForDelivery(const duoband::Deadline& deadline) override;
    // The window calls this after it delivered the port's notifications.
    void notificationsDelivered();

    // True once the program was asked to end during a wait. From then on a
    // wait only delivers what has arrived and returns at once, so a running
    // exchange fails at its current step, sends "EXIT" and ends promptly.
    bool abandoned() const { return abandoned_; }

  private:
    int runNestedLoop(const duoband::Deadline& deadline, bool wakeOnDelivery);

    duoband::SerialPort& port_;
    bool abandoned_ = false;
    QEventLoop* deliveryWait_ = nullptr;  // the waitForDelivery loop running, if any
};
