// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every way of ending the program ends the running event loop: "Quit",
// "Quit(Q)", closing the editor or the login window, SIGTERM; while radios
// are written, Quit and Close ask first and SIGTERM stops each radio with
// its EXIT.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "duoband/port_monitor.h"

#include "app_test_support.h"
#include "application.h"
#include "login_window.h"
#include "main_window.h"
#include "program_end.h"
#include "station_window.h"
#include "transfer_dialogs.h"
#include "window_language.h"

namespace {

constexpr int kNotEnded = 99;

// Ends the event loop with kNotEnded if nothing else ended it in time; gone
// with the test case, so it cannot end a later one.
class Guard {
  public:
    explicit Guard(int ms) {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [] { QCoreApplication::exit(kNotEnded); });
        timer_.start(ms);
    }

  private:
    QTimer timer_;
};

// The ways a user ends the program from the editor.
void endFromTheEditor(MainWindow& editor, const QString& how) {
    if (how == "Ctrl+Q") {
        QApplication::setActiveWindow(&editor);
        QTest::keyClick(&editor, Qt::Key_Q, Qt::ControlModifier);
    } else if (how == "Quit(Q)") {
        editor.findChild<QAction*>("quitAction")->trigger();
    } else {
        editor.close();  // the window's close button, Alt+F4
    }
}

// Two paced radios, each with its command log, plugged in for the station.
struct StationRadios {
    explicit StationRadios(duoband::QueuedPortMonitor& monitor) {
        for (int i = 0; i < 2; ++i) {
            logs << dir.filePath(QString("radio%1.log").arg(i));
            radios.push_back(std::make_unique<TestRadio>(
                std::vector<std::string>{"--pace", "--log", logs.back().toStdString()}));
            monitor.post({duoband::PortEvent::Kind::Added,
                          duoband::ListedPort{radios.back()->port(), "USB-Serial", true}});
        }
    }
    QTemporaryDir dir;
    QStringList logs;
    std::vector<std::unique_ptr<TestRadio>> radios;
};

}  // namespace

class ProgramEndTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        quitOnTerminationSignals();
        QVERIFY(installWindowLanguage("en"));  // the English window, plurals and all
    }
    void cleanup() { appSettings::clear(); }  // the options a test chose

    void endsAtOnce_data() {
        QTest::addColumn<QString>("how");
        for (const char* how : {"Quit", "Quit(Q)", "close editor", "close login", "SIGTERM"}) {
            QTest::newRow(how) << how;
        }
    }
    void endsAtOnce() {
        QFETCH(QString, how);
        TestDataFolder data;
        ScriptedDialogs dialogs;
        Windows windows(DataFolder(data.dir()), PortOptions{{}, false});
        windows.loginWindow->show();
        const std::map<QString, std::function<void()>> ways{
            {"Quit", [&] { windows.mainWindow->findChild<QAction*>("fileQuitAction")->trigger(); }},
            {"Quit(Q)", [&] { windows.mainWindow->findChild<QAction*>("quitAction")->trigger(); }},
            {"close editor", [&] { windows.mainWindow->close(); }},
            {"close login", [&] { windows.loginWindow->close(); }},
            {"SIGTERM", [] { std::raise(SIGTERM); }},
        };
        QTimer::singleShot(0, ways.at(how));
        Guard guard(3000);
        QCOMPARE(QApplication::exec(), 0);
    }

    // Quitting while the station writes asks its question: Keep Running
    // keeps every radio going, Stop and Close ends the program once each
    // radio has stopped with its EXIT. SIGTERM asks nothing.
    void quittingWhileTheStationWrites_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("stop");  // the answer: Stop and Close, or Keep Running
        for (const char* how : {"Ctrl+Q", "Quit(Q)", "close editor", "SIGTERM"}) {
            QTest::addRow("%s, Stop and Close", how) << how << true;
            if (std::string_view(how) != "SIGTERM")
                QTest::addRow("%s, Keep Running", how) << how << false;
        }
    }
    void quittingWhileTheStationWrites() {
        QFETCH(QString, how);
        QFETCH(bool, stop);
        programEndRequested() = false;
        TestDataFolder data;
        ScriptedDialogs dialogs;
        QTemporaryDir logFolder;
        appSettings::setStationText("logFile", logFolder.filePath("station.csv"));
        appSettings::setStationOption("autoStartBox", false);
        auto monitor = std::make_shared<duoband::QueuedPortMonitor>();
        StationRadios radios(*monitor);
        auto windows =
            std::make_unique<Windows>(DataFolder(data.dir()), PortOptions{{}, false, monitor});
        MainWindow& editor = *windows->mainWindow;
        editor.show();
        QTRY_COMPARE(editor.portList()->count(), 2);
        editor.findChild<QAction*>("programManyAction")->trigger();
        QPointer<StationWindow> station = editor.findChild<StationWindow*>();
        station->programListedPorts();
        QTRY_COMPARE_WITH_TIMEOUT(station->runningJobs(), std::size_t(2), 10000);
        QTest::qWait(800);  // past the handshakes, into the write
        dialogs.confirmations = {stop};
        QTimer::singleShot(0, &editor, [&] {
            if (how == "SIGTERM") {
                std::raise(SIGTERM);
            } else {
                endFromTheEditor(editor, how);
            }
        });
        Guard guard(stop ? 10000 : 1500);
        QCOMPARE(QApplication::exec(), stop ? 0 : kNotEnded);
        QCOMPARE(dialogs.questions,
                 how == "SIGTERM" ? QStringList{}
                                  : QStringList{"2 radios are being written. Stop them after "
                                                "their current frame and close the station?"});
        if (!stop) {
            QVERIFY(station != nullptr && station->isVisible());
            QCOMPARE(station->runningJobs(), std::size_t(2));
        }
        windows.reset();
        for (const QString& log : radios.logs) QCOMPARE(logLinesStartingWith(log, "EXIT", 1), 1);
    }

    // Quitting during the Write dialog's write asks "Stop writing?": No lets
    // the write finish and the program run on, Yes stops the write after its
    // current frame, with its EXIT, and then ends the program.
    void quittingWhileTheWriteDialogWrites_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<bool>("unsaved");
        for (const char* how : {"Quit(Q)", "close editor"}) {
            QTest::addRow("%s, Yes", how) << how << true << false;
            QTest::addRow("%s, No", how) << how << false << false;
        }
        // The quit goes on from the job's end: "Save changes?" waits in no
        // nested loop, and Discard ends the program.
        QTest::addRow("Quit(Q), Yes, unsaved changes") << "Quit(Q)" << true << true;
    }
    void quittingWhileTheWriteDialogWrites() {
        QFETCH(QString, how);
        QFETCH(bool, stop);
        QFETCH(bool, unsaved);
        programEndRequested() = false;
        TestDataFolder data;
        ScriptedDialogs dialogs;
        QTemporaryDir dir;
        const QString log = dir.filePath("radio.log");
        // 10 ms an answer: the job runs on while the window hears of its
        // progress, and a stop agreed at frame 20 must reach it in time.
        TestRadio radio({"--log", log.toStdString(), "--turnaround", "10"});
        QVERIFY(radio.started());
        {
            Windows windows(DataFolder(data.dir()), PortOptions{{radio.port()}, false});
            MainWindow& editor = *windows.mainWindow;
            WriteDialog* dialog = windows.writeDialog;
            if (unsaved) {
                editor.model().channels(duoband::Band::A).cell(duoband::Column::Name, 1) = "EDITED";
                editor.recordEdit("Edit");
                dialogs.saveAnswers = {UserDialogs::SaveAnswer::Discard};
            }
            dialog->findChild<QCheckBox*>("backupFirstBox")->setChecked(false);
            dialog->findChild<QCheckBox*>("fastBox")->setChecked(true);
            auto* progress = dialog->findChild<QProgressBar*>("progressBar");
            connect(progress, &QProgressBar::valueChanged, dialog, [&](int) {
                if (progress->text() == "Writing: 10 of 136") endFromTheEditor(editor, how);
                if (progress->text() == "Writing: 20 of 136")
                    dialogs.answerOpenQuestion(stop ? QMessageBox::Yes : QMessageBox::No);
            });
            connect(dialog, &QDialog::finished, dialog, [dialog] {
                QTimer::singleShot(300, dialog, [] { QCoreApplication::exit(kNotEnded); });
            });
            QTimer::singleShot(0, &editor, [&editor, dialog] {
                QTimer::singleShot(0, dialog, [dialog] { dialog->startTransfer(); });
                editor.writeRadio();
            });
            Guard guard(10000);
            QCOMPARE(QApplication::exec(), stop ? 0 : kNotEnded);
            QCOMPARE(dialogs.questions.size(), unsaved ? 2 : 1);
            QVERIFY(dialogs.questions.front().startsWith("Stop writing?"));
            QCOMPARE(dialogs.openSaveQuestions, unsaved ? 1 : 0);
            QCOMPARE(dialogs.lastText().startsWith("Write cancelled"), stop);
        }
        QCOMPARE(logLinesStartingWith(log, "EXIT", 1), 1);
        QCOMPARE(logLinesStartingWith(log, "WRITE", 136, std::chrono::milliseconds(0)) < 136, stop);
    }

    // SIGTERM while a start-up message box is open (the picture is
    // missing): the box closes and the program never enters its event loop.
    void terminationSignalDuringAStartUpMessageEnds() {
        TestDataFolder data;
        data.remove("1.jpg");
        programEndRequested() = false;
        bool boxShown = false;
        QTimer::singleShot(0, [&] {
            boxShown = QApplication::activeModalWidget() != nullptr;
            std::raise(SIGTERM);
        });
        Windows windows(DataFolder(data.dir()), PortOptions{{}, false});
        windows.loginWindow->show();  // the error box waits in here
        QVERIFY(boxShown);
        Guard guard(3000);
        QCOMPARE(runUntilEnd(), 0);
    }

    // SIGTERM in the middle of a Read: the exchange stops and sends "EXIT".
    void terminationSignalStopsARead() {
        TestDataFolder data;
        ScriptedDialogs dialogs;
        QTemporaryDir dir;
        const QString log = dir.filePath("radio.log");
        TestRadio radio({"--sample", "--pace", "--log", log.toStdString()});
        QVERIFY(radio.started());
        Windows windows(DataFolder(data.dir()), PortOptions{{radio.port()}, false});
        QTimer::singleShot(0, [&] { windows.mainWindow->readRadio(); });
        QTimer::singleShot(
            50, [&] { windows.readDialog->findChild<QPushButton*>("startButton")->click(); });
        QTimer::singleShot(1200, [] { std::raise(SIGTERM); });
        Guard guard(5000);
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(dialogs.lastText().section('\n', 0, 0), QString("Read Error!"));
        QVERIFY(windows.mainWindow->radio().abandoned());
        QCOMPARE(logLinesStartingWith(log, "EXIT", 1), 1);
    }
};

QTEST_MAIN(ProgramEndTest)
#include "program_end_test.moc"
