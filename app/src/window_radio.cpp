// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_radio.h"

#include <QSocketNotifier>
#include <chrono>
#include <future>
#include <utility>

// A lost line is closed on the thread that has the port; its hang-up then
// ends the exchange's wait as one the receive thread noticed would.
bool JobPump::takeOver() {
    if (lineLost_.exchange(false)) port_.closeLostLine();
    if (abandoned_) port_.processNotifications();
    return abandoned_;
}

void JobPump::waitUntil(const duoband::Deadline& deadline) {
    // In short slices, so that an abandonment or a lost line is heard soon.
    while (!takeOver() && !deadline.expired()) {
        waits_.waitUntil(duoband::Deadline::earliest(
            deadline, duoband::Deadline::in(std::chrono::milliseconds(20))));
    }
}

void JobPump::waitForDelivery(const duoband::Deadline& deadline) {
    if (!takeOver()) waits_.waitForDelivery(deadline);
}

// The radio's line settings (XON/XOFF off); between jobs the port's
// notifications are delivered by the event loop.
WindowRadio::WindowRadio(QObject* parent) : QObject(parent) {
    duoband::configureForRadio(port_);
    notifier_ = std::make_unique<QSocketNotifier>(port_.notificationFd(), QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this,
            [this] { port_.processNotifications(); });
    exchange_.stopRequested = [this] { return stop_.load(); };
}

WindowRadio::~WindowRadio() {
    if (!running()) return;
    pump_.abandon();
    worker_.join();
}

bool WindowRadio::start(Job job, Ended ended) {
    if (running()) return false;
    notifier_->setEnabled(false);  // the port is the job's until it ends
    stop_ = false;
    ended_ = std::move(ended);
    const unsigned number = ++jobNumber_;
    worker_ = std::thread([this, job = std::move(job), number] {
        const std::string path = port_.path();
        report_ = duoband::caughtJob(path, [&] { return job(exchange_, path); });
        QMetaObject::invokeMethod(
            this, [this, number] { deliver(number); }, Qt::QueuedConnection);
    });
    return true;
}

// The job's end, unless finishNow() has delivered it already.
void WindowRadio::deliver(unsigned job) {
    if (job != jobNumber_ || !running()) return;
    handBack();
}

void WindowRadio::finishNow() {
    if (!running()) return;
    pump_.abandon();
    handBack();
}

void WindowRadio::handBack() {
    worker_.join();
    notifier_->setEnabled(true);
    port_.processNotifications();  // what came as the job ended
    if (Ended ended = std::exchange(ended_, nullptr)) ended(report_);
}

void WindowRadio::closeLostLine() {
    if (running()) {
        pump_.loseLine();
    } else {
        port_.closeLostLine();
    }
}

std::function<bool(const duoband::ExchangeResult&)> WindowRadio::askedOn(QObject* context,
                                                                         Ask ask) {
    return [this, context, ask](const duoband::ExchangeResult& read) {
        auto answer = std::make_shared<std::promise<bool>>();
        std::future<bool> answered = answer->get_future();
        QMetaObject::invokeMethod(
            context,
            [ask, read, answer] { ask(read, [answer](bool yes) { answer->set_value(yes); }); },
            Qt::QueuedConnection);
        while (answered.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
            if (pump_.abandoned()) return false;
        }
        return answered.get();
    };
}
