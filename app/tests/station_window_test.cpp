// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The station writes simulated radios on real pseudo-terminals as their
// cables are plugged in (port-monitor events injected where udev would send
// them): each radio its own number and a log line, a faulty radio failing
// alone, and Stop ending every job with one EXIT.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "application.h"
#include "duoband/channel_csv.h"
#include "duoband/radio_sim_sample.h"
#include "main_window.h"
#include "station_test_support.h"

using duoband::ListedPort;
using duoband::PortEvent;

namespace {

constexpr int kStateColumn = 3;  // port, native ID, identity code, state
constexpr int kMessageColumn = 6;
constexpr int kJobTimeoutMs = 30000;

}  // namespace

class StationWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
        monitor = std::make_shared<duoband::QueuedPortMonitor>();
        windows =
            std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false, monitor});
        appSettings::setStationText("logFile", folder.filePath("station.csv"));
        appSettings::setStationOption("fastBox", true);
        appSettings::setStationOption("backupFirstBox", false);
        appSettings::setStationOption("verifyBox", true);
        appSettings::setStationOption("native-idBox", true);
        appSettings::setStationText("native-idNext", "1001");
        editor().model() = duoband::sim::sampleModel();
    }
    void cleanup() {
        windows.reset();
        radios.clear();
        dialogs.reset();
        monitor.reset();
        data.reset();
        appSettings::clear();
        QFile::remove(folder.filePath("station.csv"));
    }

    void threeRadiosPluggedOneAfterAnotherAreNumberedAndLogged() {
        StationWindow& station = open();
        QVERIFY(!editor().findChild<QAction*>("openAction")->isEnabled());
        QVERIFY(!editor().findChild<QAction*>("writeAction")->isEnabled());
        for (int i = 0; i < 3; ++i) {
            plug(i, {});
            QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn), times("Done", i + 1),
                                      kJobTimeoutMs);
        }
        QCOMPARE(column(station, 1), (QStringList{"1001", "1002", "1003"}));
        QTRY_COMPARE_WITH_TIMEOUT(station.findChild<QLabel*>("counterLabel")->text(),
                                  QString("Done: 3    Failed: 0    Running: 0"), kJobTimeoutMs);
        const duoband::RadioImage sent =
            duoband::imageOf(duoband::encodeImage(duoband::sim::sampleModel()));
        for (int i = 0; i < 3; ++i) {
            duoband::UnitNumbers numbers;
            numbers[duoband::UnitField::NativeId] = std::to_string(1001 + i);
            QVERIFY2(held(i) == duoband::withUnitNumbers(sent, numbers),
                     qPrintable(column(station, kMessageColumn).join("|")));
        }
        QFile log(folder.filePath("station.csv"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QList<QByteArray> lines = log.readAll().split('\n');
        QCOMPARE(lines.size(), 5);  // the header, three radios, the end
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(lines[i + 1].contains(("," + radios[i]->radio->port() + ",").c_str()),
                     lines[i + 1].constData());
            QVERIFY2(lines[i + 1].contains(",success,"), lines[i + 1].constData());
        }
        station.close();
        QTRY_VERIFY(editor().findChild<QAction*>("openAction")->isEnabled());
    }

    // A faulty radio and a pulled cable each fail their own job alone.
    void aFaultyRadioFailsWhileTheOthersFinish() {
        StationWindow& station = open();
        plug(0, {});
        plug(1, {"--nak-at", "40"});
        plug(2, {});
        plug(3, {"--pace"});
        QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn).value(3), QString("Writing"),
                                  kJobTimeoutMs);
        radios[3]->radio->stop();
        monitor->post({PortEvent::Kind::Removed, ListedPort{radios[3]->radio->port(), {}, false}});
        QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn),
                                  (QStringList{"Done", "Failed", "Done", "Failed"}), kJobTimeoutMs);
        QVERIFY2(column(station, kMessageColumn)[1].startsWith(
                     "Write error!\nStep 41 of 136: the radio refused the frame"),
                 qPrintable(column(station, kMessageColumn)[1]));
        QVERIFY2(column(station, kMessageColumn)[3].startsWith("Write error!\n"),
                 qPrintable(column(station, kMessageColumn)[3]));
        QTRY_COMPARE_WITH_TIMEOUT(station.findChild<QLabel*>("counterLabel")->text(),
                                  QString("Done: 2    Failed: 2    Running: 0"), kJobTimeoutMs);
    }

    // A radio whose first read failed is never written, and no question is
    // asked. A radio whose write failed says what it holds and names the
    // backup that restores it, in its row, its tool tip and its log line.
    void aRadioIsWrittenOnlyWithWhatRestoresIt() {
        appSettings::setStationOption("backupFirstBox", true);
        editor().setBackupFolder(folder.filePath("backups").toStdString());
        StationWindow& station = open();
        plug(0, {"--nak-at", "20"});
        plug(1, {"--double-ack-at", "40"});
        QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn), times("Failed", 2), kJobTimeoutMs);
        // The log line is written before the report that moves the counter.
        QTRY_COMPARE_WITH_TIMEOUT(station.findChild<QLabel*>("counterLabel")->text(),
                                  QString("Done: 0    Failed: 2    Running: 0"), kJobTimeoutMs);
        QCOMPARE(logLinesStartingWith(radios[0]->log, "WRITE", 1, std::chrono::milliseconds(300)),
                 0);
        QCOMPARE(dialogs->questions.size(), 0);
        QFile file(folder.filePath("station.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const duoband::CsvRecords log = duoband::parseCsv(file.readAll().toStdString());
        QCOMPARE(log.records.size(), std::size_t(3));
        const auto lineOf = [&](int n) {
            for (const duoband::CsvRecord& r : log.records)
                if (r.fields[1] == radios[n]->radio->port()) return r.fields;
            return std::vector<std::string>(10);
        };
        const QString refused("Reading the radio first failed: Read Error!; nothing was written");
        auto* table = station.findChild<QTableWidget*>("radioTable");
        QVERIFY2(table->item(0, kMessageColumn)->text().startsWith(refused + "\nStep 21 of 136"),
                 qPrintable(table->item(0, kMessageColumn)->text()));
        QCOMPARE(QString::fromStdString(lineOf(0)[7]), refused);
        QCOMPARE(lineOf(0)[9], "");
        const std::string backup = lineOf(1)[9];
        QVERIFY2(
            backup.find("-before-write-") != std::string::npos && QFile::exists(backup.c_str()),
            backup.c_str());
        const QString held =
            QString::fromStdString(std::string(duoband::kWriteFailedPartly) + "\n" + backup);
        QVERIFY2(table->item(1, kMessageColumn)->text().endsWith(held),
                 qPrintable(table->item(1, kMessageColumn)->text()));
        QCOMPARE(table->item(1, kMessageColumn)->toolTip(), table->item(1, kMessageColumn)->text());
    }

    // The configuration is checked as Write checks it, before any radio
    // hears a byte; the user is told once, each port's row says it again.
    void aConfigurationWriteWouldRefuseStartsNoJob() {
        editor().model().channels(duoband::Band::B).cell(duoband::Column::RxFrequency, 7) =
            "14x.000";
        StationWindow& station = open();
        plug(0, {});
        QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn), QStringList{"Failed"},
                                  kJobTimeoutMs);
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QCOMPARE(column(station, kMessageColumn), QStringList{dialogs->lastText()});
        station.programListedPorts();
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
        QCOMPARE(logLinesStartingWith(radios[0]->log, "", 1, std::chrono::milliseconds(300)), 0);
    }

    // A log another duoband holds: said once, the radio waits untouched, and
    // no start is tried again until asked.
    void aLogInUseStartsNoJobAndIsSaidOnce() {
        duoband::StationLog other;
        QVERIFY(other.open(folder.filePath("station.csv").toStdString()).empty());
        StationWindow& station = open();
        plug(0, {});
        QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn), QStringList{"Failed"},
                                  kJobTimeoutMs);
        QTest::qWait(300);
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
        QVERIFY2(dialogs->lastText().contains("is in use by another duoband"),
                 qPrintable(dialogs->lastText()));
        QCOMPARE(logLinesStartingWith(radios[0]->log, "", 1, std::chrono::milliseconds(100)), 0);
    }

    // Closing while radios are written (Escape, as in a dialog) asks first;
    // Keep Running keeps them.
    void stopEndsEveryJobWithOneExit() {
        StationWindow& station = open();
        for (int i = 0; i < 3; ++i) plug(i, {"--pace"});
        QTRY_COMPARE_WITH_TIMEOUT(station.runningJobs(), std::size_t(3), kJobTimeoutMs);
        dialogs->confirmations.push_back(false);
        QTest::keyClick(station.findChild<QLineEdit*>("logFileEdit"), Qt::Key_Escape);
        QVERIFY(station.isVisible());
        QCOMPARE(dialogs->questions.size(), 1);
        QCOMPARE(station.runningJobs(), std::size_t(3));
        QTest::mouseClick(station.findChild<QPushButton*>("stopButton"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn), times("Cancelled", 3),
                                  kJobTimeoutMs);
        for (const auto& r : radios) {
            QCOMPARE(logLinesStartingWith(r->log, "EXIT", 1), 1);
            QCOMPARE(logLinesStartingWith(r->log, "EXIT", 2, std::chrono::milliseconds(300)), 1);
        }
        QVERIFY(station.close());
    }

    // A box raised by a due port waits for no answer: a cable pulled and
    // another plugged in while it is open change the rows under it, and
    // each port is refused once, in its own row.
    void cablesChangedWhileTheBoxIsOpen() {
        editor().model().channels(duoband::Band::B).cell(duoband::Column::RxFrequency, 7) =
            "14x.000";
        StationWindow& station = open();
        const auto changeCables = [this] {
            monitor->post(
                {PortEvent::Kind::Removed, ListedPort{radios[0]->radio->port(), {}, false}});
            plug(1, {});
            QTest::qWait(1500);  // the second port falls due meanwhile
        };
        dialogs->whileModalError = changeCables;
        plug(0, {});
        QTRY_COMPARE_WITH_TIMEOUT(dialogs->messages.size(), std::size_t(1), kJobTimeoutMs);
        if (dialogs->whileModalError) std::exchange(dialogs->whileModalError, nullptr)();
        QTRY_COMPARE_WITH_TIMEOUT(column(station, kStateColumn), times("Failed", 2), kJobTimeoutMs);
        QCOMPARE(dialogs->messages.size(), std::size_t(1));
        QCOMPARE(column(station, kMessageColumn), times(dialogs->lastText(), 2));
        QCOMPARE(station.findChild<QLabel*>("counterLabel")->text(),
                 QString("Done: 0    Failed: 2    Running: 0"));
    }

    // An exception on a job's thread is that radio's failure, with its
    // message; the other radios and the program go on.
    void anExceptionOnAJobThreadFailsThatRadioAlone() {
        StationWindow& station = open();
        station.setWriteJob([](const std::string&, const duoband::WriteInput&,
                               const duoband::JobOptions&,
                               duoband::JobOutput&) -> duoband::JobReport {
            throw std::runtime_error("the job fell over");
        });
        plug(0, {});
        // The counter moves when the job's report is in, after its state.
        QTRY_COMPARE_WITH_TIMEOUT(station.findChild<QLabel*>("counterLabel")->text(),
                                  QString("Done: 0    Failed: 1    Running: 0"), kJobTimeoutMs);
        QCOMPARE(column(station, kStateColumn), QStringList{"Failed"});
        QCOMPARE(column(station, kMessageColumn), QStringList{"Write error!\nthe job fell over"});
        QFile log(folder.filePath("station.csv"));
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains(",failed,"));
    }

    // However often the station is stopped or closed mid-write, and its port
    // opened again at once (by the editor, by the next job), every radio gets
    // an EXIT for each handshake.
    void everyHandshakeEndsWithAnExitAfterStopAndClose() {
        appSettings::setStationOption("autoStartBox", false);
        for (int i = 0; i < 2; ++i) plug(i, {"--pace"});
        QTRY_COMPARE(editor().portList()->count(), 2);
        editor().portList()->setCurrentIndex(
            editor().portList()->findData(QString::fromStdString(radios[0]->radio->port())));
        editor().choosePort();
        constexpr int kRounds = 6;
        for (int round = 0; round < kRounds; ++round) {
            QPointer<StationWindow> station = &open();
            station->programListedPorts();
            QTRY_COMPARE_WITH_TIMEOUT(column(*station, kStateColumn), times("Writing", 2),
                                      kJobTimeoutMs);
            if (round % 2 == 0) {
                station->stopAll();
                QTRY_COMPARE_WITH_TIMEOUT(station->runningJobs(), std::size_t(0), kJobTimeoutMs);
            } else {
                dialogs->confirmations.push_back(true);  // Stop and Close
            }
            station->close();
            QTRY_VERIFY_WITH_TIMEOUT(station == nullptr, kJobTimeoutMs);
        }
        windows.reset();
        for (const auto& r : radios) {
            QCOMPARE(logLinesStartingWith(r->log, "HANDSHAKE", kRounds), kRounds);
            QCOMPARE(logLinesStartingWith(r->log, "EXIT", kRounds), kRounds);
        }
    }

  private:
    MainWindow& editor() { return *windows->mainWindow; }

    StationWindow& open() {
        editor().findChild<QAction*>("programManyAction")->trigger();
        auto* station = editor().findChild<StationWindow*>();
        Q_ASSERT(station != nullptr);
        return *station;
    }

    void plug(int n, std::vector<std::string> faults) {
        radios.push_back(std::make_unique<StationRadio>(folder, n, std::move(faults)));
        QVERIFY2(radios.back()->radio->started(), qPrintable(radios.back()->radio->error()));
        monitor->post(
            {PortEvent::Kind::Added, ListedPort{radios.back()->radio->port(), "USB-Serial", true}});
    }

    // What radio `n` holds where a write puts its bytes.
    duoband::RadioImage held(int n) { return heldImage(radios[n]->memory); }

    QTemporaryDir folder;
    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::shared_ptr<duoband::QueuedPortMonitor> monitor;
    std::vector<std::unique_ptr<StationRadio>> radios;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(StationWindowTest)
#include "station_window_test.moc"
