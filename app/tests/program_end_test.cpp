// SPDX-License-Identifier: GPL-3.0-or-later
// Every way of ending the program ends the running event loop at once:
// "Quit", "Quit(Q)", closing the editor or the login window, SIGTERM.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <csignal>

#include "app_test_support.h"
#include "application.h"
#include "login_window.h"
#include "main_window.h"
#include "program_end.h"
#include "qt_message_pump.h"
#include "transfer_dialogs.h"

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

}  // namespace

class ProgramEndTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { quitOnTerminationSignals(); }

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
        QVERIFY(windows.mainWindow->pump().abandoned());
        QCOMPARE(logLinesStartingWith(log, "EXIT", 1), 1);
    }
};

QTEST_MAIN(ProgramEndTest)
#include "program_end_test.moc"
