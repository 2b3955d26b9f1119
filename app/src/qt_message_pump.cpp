// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_message_pump.h"

#include <QEventLoop>
#include <QTimer>
#include <utility>

namespace {
// The exit code by which the timer ends the nested loop; any other way out
// of it (the application quitting) reads differently.
constexpr int kDeadlineReached = 1;
constexpr int kDelivered = 2;
}  // namespace

// One nested loop that the deadline's timer ends with kDeadlineReached; with
// `wakeOnDelivery`, notificationsDelivered() ends it with kDelivered.
int QtMessagePump::runNestedLoop(const duoband::Deadline& deadline, bool wakeOnDelivery) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(kDeadlineReached); });
    timer.start(deadline.pollTimeout());
    QEventLoop* outer = wakeOnDelivery ? std::exchange(deliveryWait_, &loop) : deliveryWait_;
    const int ended = loop.exec();
    deliveryWait_ = outer;
    return ended;
}

void QtMessagePump::waitUntil(const duoband::Deadline& deadline) {
    // A timer may fire a little before the monotonic deadline: wait again
    // for what is left, so the wait never ends early.
    while (!abandoned_ && !deadline.expired()) {
        if (runNestedLoop(deadline, false) != kDeadlineReached) abandoned_ = true;
    }
    if (abandoned_) port_.processNotifications();
}

void QtMessagePump::waitForDelivery(const duoband::Deadline& deadline) {
    if (!abandoned_ && !deadline.expired()) {
        const int ended = runNestedLoop(deadline, true);
        if (ended != kDeadlineReached && ended != kDelivered) abandoned_ = true;
    }
    if (abandoned_ || deadline.expired()) port_.processNotifications();
}

void QtMessagePump::notificationsDelivered() {
    if (deliveryWait_ != nullptr) deliveryWait_->exit(kDelivered);
}
