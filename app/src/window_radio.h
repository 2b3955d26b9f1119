// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's radio: the serial port the window holds open and the one
// radio job at a time that runs on it (Read, Write, Compare With Radio, the
// boot message and the limits). A job runs on a thread of its own, as the
// station's do: it takes over the open port (the window stops watching it)
// and hands it back when it ends, never closing it, so the modem lines and
// the status panel stay as they are. What the job reports comes to the
// window's thread as queued calls, so the window never waits for a radio.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "duoband/exchange.h"
#include "duoband/message_pump.h"
#include "duoband/radio_jobs.h"
#include "duoband/serial_port.h"

class QSocketNotifier;

// The waits of a job on the window's port. Once abandoned (the program
// ends) a wait only delivers what has arrived and returns at once, so the
// exchange fails at its current step, sends "EXIT" and ends promptly. A line
// lost meanwhile is closed here, on the job's thread, which has the port.
class JobPump final : public duoband::MessagePump {
  public:
    explicit JobPump(duoband::SerialPort& port) : port_(port), waits_(port) {}
    void waitUntil(const duoband::Deadline& deadline) override;
    void waitForDelivery(const duoband::Deadline& deadline) override;
    void abandon() { abandoned_ = true; }
    bool abandoned() const { return abandoned_; }
    void loseLine() { lineLost_ = true; }

  private:
    bool takeOver();

    duoband::SerialPort& port_;
    duoband::HeadlessPump waits_;
    std::atomic<bool> abandoned_ = false;
    std::atomic<bool> lineLost_ = false;
};

class WindowRadio : public QObject {
    Q_OBJECT

  public:
    explicit WindowRadio(QObject* parent = nullptr);
    // A running job is abandoned and waited for; its end is not delivered.
    ~WindowRadio() override;

    duoband::SerialPort& port() { return port_; }
    const duoband::SerialPort& port() const { return port_; }
    // The exchange on the port; a job has it while it runs.
    duoband::ProgrammingExchange& exchange() { return exchange_; }

    using Job =
        std::function<duoband::JobReport(duoband::ProgrammingExchange&, const std::string& port)>;
    using Ended = std::function<void(const duoband::JobReport&)>;
    // Runs `job` on a thread of its own and then `ended` with its report on
    // this object's thread; an exception of the job is that radio's failure.
    // False (nothing runs) while another job runs.
    bool start(Job job, Ended ended);
    bool running() const { return worker_.joinable(); }
    // Cancel: the job stops after its current frame.
    void requestStop() { stop_ = true; }
    // The program ends: the running job fails at once and its end is
    // delivered before this returns.
    void finishNow();
    bool abandoned() const { return pump_.abandoned(); }
    // The port's cable was pulled: the port closes with a hang-up that a
    // running job hears at its next wait.
    void closeLostLine();

    // `report` called on a job's thread runs on `context`'s, in order.
    template <class... Args>
    static std::function<void(Args...)> queuedTo(QObject* context,
                                                 std::function<void(Args...)> report) {
        if (!report) return nullptr;
        return [context, report](Args... args) {
            QMetaObject::invokeMethod(
                context, [report, args...] { report(args...); }, Qt::QueuedConnection);
        };
    }
    // A question the job asks: `ask` runs on `context`'s thread and gives its
    // answer later; the job waits for it, and takes No once the program ends.
    using Ask = std::function<void(const duoband::ExchangeResult&, std::function<void(bool)>)>;
    std::function<bool(const duoband::ExchangeResult&)> askedOn(QObject* context, Ask ask);

  private:
    void deliver(unsigned job);
    void handBack();

    duoband::SerialPort port_;
    JobPump pump_{port_};
    duoband::ProgrammingExchange exchange_{port_, pump_};
    std::unique_ptr<QSocketNotifier> notifier_;
    std::thread worker_;
    std::atomic<bool> stop_ = false;
    unsigned jobNumber_ = 0;
    duoband::JobReport report_;  // the last job's, written by its thread before it ends
    Ended ended_;
};
