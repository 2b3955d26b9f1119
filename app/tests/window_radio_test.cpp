// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's radio: a job on its own thread with the window's open port.
#include <QTest>
#include <optional>
#include <stdexcept>

#include "app_test_support.h"
#include "window_radio.h"

class WindowRadioTest : public QObject {
    Q_OBJECT

  private slots:
    // An exception on the job's thread is that radio's failure with its
    // message; the port is handed back open and the next job runs.
    void aJobsExceptionIsItsFailure() {
        Pty pty;
        WindowRadio radio;
        radio.port().setPath(pty.path());
        radio.port().open();
        std::optional<duoband::JobReport> ended;
        const auto keep = [&ended](const duoband::JobReport& report) { ended = report; };
        QVERIFY(radio.start(
            [](duoband::ProgrammingExchange&, const std::string&) -> duoband::JobReport {
                throw std::runtime_error("the cable caught fire");
            },
            keep));
        const WindowRadio::Job nothing = [](duoband::ProgrammingExchange&, const std::string&) {
            return duoband::JobReport{};
        };
        QVERIFY(!radio.start(nothing, keep));  // one job at a time
        QTRY_VERIFY(ended.has_value());
        QVERIFY(!ended->ok());
        QCOMPARE(ended->message, std::string("the cable caught fire"));
        QCOMPARE(ended->port, pty.path());
        QVERIFY(!radio.running());
        QVERIFY(radio.port().isOpen());

        ended.reset();
        QVERIFY(radio.start(
            [](duoband::ProgrammingExchange&, const std::string& port) {
                duoband::JobReport report;
                report.port = port;
                report.status = duoband::JobStatus::Ok;
                return report;
            },
            keep));
        QTRY_VERIFY(ended.has_value());
        QVERIFY(ended->ok());
        QVERIFY(radio.port().isOpen());
    }
};

QTEST_MAIN(WindowRadioTest)
#include "window_radio_test.moc"
