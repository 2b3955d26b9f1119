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

void QtMessagePump::waitUntil(const duoband::Deadline& deadline) {
    // A timer may fire a little before the monotonic deadline: wait again
    // for what is left, so the wait never ends early.
    while (!abandoned_ && !deadline.expired()) {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(kDeadlineReached); });
        timer.start(deadline.pollTimeout());
        if (loop.exec() != kDeadlineReached) abandoned_ = true;
    }
    if (abandoned_) port_.processNotifications();
}

void QtMessagePump::waitForDelivery(const duoband::Deadline& deadline) {
    if (abandoned_ || deadline.expired()) {
        port_.processNotifications();
        return;
    }
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&loop] { loop.exit(kDeadlineReached); });
    timer.start(deadline.pollTimeout());
    QEventLoop* outer = std::exchange(deliveryWait_, &loop);
    const int ended = loop.exec();
    deliveryWait_ = outer;
    if (ended != kDeadlineReached && ended != kDelivered) {
        abandoned_ = true;
        port_.processNotifications();
    }
}

void QtMessagePump::notificationsDelivered() {
    if (deliveryWait_ != nullptr) deliveryWait_->exit(kDelivered);
}
