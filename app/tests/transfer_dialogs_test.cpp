// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Read and Write dialogs through the editor's commands, against the
// simulated radio on a pseudo-terminal, each job on the radio's thread.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iterator>

#include "app_test_support.h"
#include "application.h"
#include "duoband/backups.h"
#include "duoband/radio_sim_sample.h"
#include "duoband/settings_table.h"
#include "main_window.h"
#include "transfer_dialogs.h"

using duoband::Band;
using duoband::Block;
using duoband::Column;
using duoband::SettingId;
using duoband::SettingRef;

namespace {

// The widget name of a setting's control: "bandA.rxFrequency", "mainBand"...
QString nameOf(SettingRef ref) {
    return QString::fromStdString(duoband::settingObjectName(ref));
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::vector<std::uint8_t> fileBytes(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What the dialog showed while its exchange ran.
struct DuringExchange {
    bool startEnabled = true;
    bool cancelEnabled = true;
    bool closedMidway = false;
    QStringList editorEnabled;  // the editor's commands and pages that were usable
};

// The names of the editor's commands, port choice and pages that are usable
// now: all but "Quit", "Quit(Q)" and the tab choice are refused while an
// exchange runs.
QStringList enabledCommands(MainWindow& f) {
    QStringList on;
    for (const char* name :
         {"newAction", "openAction", "saveAction", "fileQuitAction", "readAction", "writeAction",
          "bandAChannelsAction", "bandBChannelsAction", "companyNameAction", "amendPasswordAction",
          "quitAction", "newButton", "openButton", "saveButton", "readButton", "writeButton",
          "companyNameButton", "passwordButton"}) {
        if (f.findChild<QAction*>(name)->isEnabled()) on << name;
    }
    if (f.portList()->isEnabled()) on << "portList";
    for (int page = 0; page < f.pageTabs()->count(); ++page) {
        if (f.pageTabs()->widget(page)->isEnabled()) on << QString("page%1").arg(page);
    }
    return on;
}

const QStringList kDuringExchange{"fileQuitAction", "bandAChannelsAction", "bandBChannelsAction",
                                  "quitAction"};

// Names the holders in which two models differ, for a readable failure.
QString differences(const duoband::EditorModel& a, const duoband::EditorModel& b) {
    QStringList out;
    for (int row = 0; row < duoband::ChannelTable::kRows; ++row) {
        for (const duoband::ChannelColumn& column : duoband::channelColumns()) {
            const Column col = column.column;
            for (auto band : duoband::kBands) {
                if (a.channels(band).cell(col, row) != b.channels(band).cell(col, row)) {
                    out << QString("band %1 channels (%2,%3): '%4' / '%5'")
                               .arg(band == Band::A ? "A" : "B")
                               .arg(fromView(column.name))
                               .arg(row)
                               .arg(QString::fromStdString(a.channels(band).cell(col, row)),
                                    QString::fromStdString(b.channels(band).cell(col, row)));
                }
            }
        }
    }
    for (int n = 0; n < duoband::kBlockCount; ++n) {
        const Block block = static_cast<Block>(n);
        if (a.blocks[block] != b.blocks[block]) {
            out << fromView(duoband::blockFieldSetting(block).name);
        }
    }
    if (!(a.band(Band::A) == b.band(Band::A))) out << "band A settings";
    if (!(a.band(Band::B) == b.band(Band::B))) out << "band B settings";
    if (a.dtmfGroups != b.dtmfGroups || a.remoteCodes != b.remoteCodes ||
        !(a.remoteState == b.remoteState)) {
        out << "DTMF page";
    }
    if (a.bootMessage != b.bootMessage || a.limits != b.limits || !(a.limitMode == b.limitMode)) {
        out << "limit page";
    }
    if (!(a == b) && out.isEmpty()) out << "general page";
    return out.join("; ");
}

}  // namespace

class TransferDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        appSettings::clear();  // the dialogs' options as at first start
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup() {
        windows.reset();
        radio.reset();
        dialogs.reset();
        data.reset();
    }

    void readFillsTheGridsAndPages() {
        startRadio({"--sample"});
        duoband::EditorModel& m = windows->mainWindow->model();
        const DuringExchange seen = runThroughDialog("readAction");
        QCOMPARE(dialogs->lastText(), QString("Read success!"));
        QCOMPARE(windows->readDialog->findChild<QProgressBar*>("progressBar")->value(), 136);
        QVERIFY(!windows->readDialog->isVisible());
        QVERIFY(!seen.startEnabled);
        QVERIFY(seen.cancelEnabled);  // Cancel stops an exchange
        QCOMPARE(seen.editorEnabled, kDuringExchange);
        QCOMPARE(enabledCommands(*windows->mainWindow).size(), 26);
        const duoband::EditorModel sample = duoband::sim::sampleModel();
        QVERIFY2(m.channels(Band::A) == sample.channels(Band::A) &&
                     m.channels(Band::B) == sample.channels(Band::B) && m.blocks == sample.blocks,
                 qPrintable(differences(m, sample)));
        QCOMPARE(m.band(Band::A).rxFrequency, std::string("146.52000"));
        QCOMPARE(m.general.mainBand.text(), std::string_view("B/Under Band"));
        QCOMPARE(m.dtmfGroups[4], std::string("1234567"));
        QCOMPARE(m.remoteCodes[3], std::string("A1"));
        QCOMPARE(m.bootMessage[0], std::string("DUOBAND"));
        QCOMPARE(m.limits[0], std::string("136"));
        // the pages show what was read
        MainWindow& f = *windows->mainWindow;
        auto* grid = f.findChild<QAbstractItemView*>("bandA.channels");
        QCOMPARE(grid->model()
                     ->data(grid->model()->index(6, duoband::columnIndex(Column::Name)))
                     .toString(),
                 QString("SITE"));
        QCOMPARE(f.findChild<QLineEdit*>(nameOf({SettingId::RxFrequency, Band::A}))->text(),
                 QString("146.52000"));
        QCOMPARE(f.findChild<QComboBox*>(nameOf({SettingId::MainBand}))->currentIndex(),
                 m.general.mainBand.index);
        QCOMPARE(f.findChild<QLineEdit*>(nameOf({SettingId::IdentityDisplayCode}))->text(),
                 QString("A1"));
        QCOMPARE(f.findChild<QLineEdit*>(nameOf({SettingId::BootMessage1}))->text(),
                 QString("DUOBAND"));
    }

    void silentRadioLeavesTheModelAlone() {
        startRadio({"--sample", "--silent-at", "0"});
        const duoband::EditorModel before = windows->mainWindow->model();
        runThroughDialog("readButton");
        QCOMPARE(dialogs->lastText().section('\n', 0, 0), QString("Read Error!"));
        QCOMPARE(windows->readDialog->findChild<QProgressBar*>("progressBar")->value(), 0);
        QVERIFY(windows->mainWindow->model() == before);
        QVERIFY(windows->readDialog->findChild<QPushButton*>("startButton")->isEnabled());
    }

    // Writing the sample configuration to a radio never programmed leaves it
    // holding exactly the sample memory.
    void writePutsTheConfigurationInTheRadio() {
        QTemporaryDir dir;
        const QString memory = dir.filePath("memory.bin");
        startRadio({"--save-memory", memory.toStdString()});
        windows->mainWindow->model() = duoband::sim::sampleModel();
        const DuringExchange seen = runThroughDialog("writeAction");
        QCOMPARE(dialogs->lastText(), QString("Write success!"));
        QCOMPARE(windows->writeDialog->findChild<QProgressBar*>("progressBar")->value(), 136);
        QVERIFY(!seen.startEnabled);
        const auto expected = duoband::sim::sampleMemory();
        const auto written = fileBytes(memory);
        QCOMPARE(written.size(), expected.size());
        QVERIFY(std::equal(written.begin(), written.end(), expected.begin()));
    }

    // A channel cell that cannot be encoded stops the write before anything
    // is sent, with a message that names it.
    void unencodableConfigurationIsNotWritten() {
        startRadio({});
        windows->mainWindow->model().channels(Band::B).cell(Column::RxFrequency, 7) = "14x.000";
        runThroughDialog("writeAction");
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QCOMPARE(windows->writeDialog->findChild<QProgressBar*>("progressBar")->value(), 0);
    }

    // A page's own exchange runs on the radio's thread with the editor
    // usable: meanwhile its commands refuse to run, so nothing changes the
    // model, the port or the files under the exchange; all come back after.
    void commandsWaitWhileAPageExchangeRuns() {
        startRadio({"--sample"});
        MainWindow& f = *windows->mainWindow;
        f.show();
        f.pageTabs()->setCurrentIndex(6);
        const QStringList before = enabledCommands(f);
        QCOMPARE(before.size(), 26);
        QStringList during;
        QTimer::singleShot(200, &f, [&f, &during] {
            during = enabledCommands(f);
            // Each answers through the dialog seam at once if it runs.
            for (const char* command :
                 {"newAction", "openAction", "saveAction", "newButton", "openButton"}) {
                f.findChild<QAction*>(command)->trigger();
            }
        });
        QTest::mouseClick(f.findChild<QPushButton*>("readLimits"), Qt::LeftButton);
        QTRY_COMPARE(dialogs->lastText(), QString("Read Success!"));
        QCOMPARE(during, kDuringExchange);
        QVERIFY(dialogs->questions.isEmpty());
        QVERIFY(dialogs->fileDialogs.isEmpty());
        QCOMPARE(enabledCommands(f), before);
    }

    void noPortFailsInTheDialog() {
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false});
        runThroughDialog("readAction");
        QCOMPARE(dialogs->lastText(), QString("Read Error!\nStep 1 of 136: the port is not open on "
                                              "COM2. Is the radio switched on, in range of the "
                                              "cable and set to this port?\nNothing was changed."));
        QCOMPARE(dialogs->lastKind(), QString("warning"));  // a failure, not a notice
    }

    // Cancel stops a read after its current frame with EXIT sent once.
    void cancelStopsAfterTheCurrentFrame() {
        QTemporaryDir dir;
        const QString log = dir.filePath("radio.log");
        startRadio({"--sample", "--pace", "--log", log.toStdString()});
        windows->mainWindow->serialPort().setReadIntervalMs(100);
        QTimer::singleShot(0, [this] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            QTimer::singleShot(800, dialog, [dialog] {
                dialog->findChild<QPushButton*>("cancelButton")->click();
            });
            dialog->startTransfer();
        });
        windows->mainWindow->readRadio();
        QCOMPARE(dialogs->lastText().section('\n', 0, 0),
                 QString("Read cancelled: nothing was changed"));
        const int progress = windows->readDialog->findChild<QProgressBar*>("progressBar")->value();
        QVERIFY(progress > 0 && progress < 136);
        windows.reset();
        QCOMPARE(logLinesStartingWith(log, "EXIT", 1), 1);
    }

    // A write stopped (Cancel, and Yes while it writes) says what the radio
    // holds; the image sent is kept as "partly-written" when the write did
    // not complete. The question leaves the write going: it is answered
    // frames later, or closed when the write ends first. Each part of the
    // write shows in the progress bar.
    void aStoppedWriteSaysWhatTheRadioHolds_data() {
        QTest::addColumn<bool>("readFirst");
        QTest::addColumn<bool>("verify");
        QTest::addColumn<QString>("cancelAt");  // the progress shown when Cancel is pressed
        QTest::addColumn<QString>("answer");    // to "Stop writing?" at "Writing: 20 of 136"
        QTest::addColumn<QString>("message");   // %1: the before-write backup
        QTest::addColumn<QStringList>("backups");
        QTest::addColumn<int>("framesWritten");
        QTest::addColumn<int>("exchanges");  // read first, write, verify: each ends with EXIT
        QTest::addColumn<QStringList>("shownAt40");
        const QString reading = "Reading what the radio holds: %1 of 136";
        const QString writing = "Writing: %1 of 136";
        const QString verifying = "Verifying: %1 of 136";
        const QString partly =
            "Write cancelled: the radio now holds part of the new configuration. What it held "
            "before ";
        QTest::newRow("while reading first")
            << true << false << reading.arg(40) << ""
            << "Write cancelled: the radio is unchanged." << QStringList{} << 0 << 1
            << QStringList{reading.arg(40)};
        QTest::newRow("while writing, Yes") << true << false << writing.arg(10) << "Yes"
                                            << partly + "is in the \"before-write\" backup:\n%1"
                                            << QStringList{"before-write", "partly-written"} << 20
                                            << 2 << QStringList{reading.arg(40)};
        QTest::newRow("while writing with nothing read first, Yes")
            << false << false << writing.arg(10) << "Yes" << partly + "was not kept."
            << QStringList{"partly-written"} << 20 << 1 << QStringList{};
        QTest::newRow("while writing, No")
            << false << true << writing.arg(10) << "No"
            << "Write success!\nVerify success!" << QStringList{"written"} << 136 << 2
            << QStringList{writing.arg(40), verifying.arg(40)};
        QTest::newRow("the write ends while asking")
            << true << true << writing.arg(130) << ""
            << "Write success!\nVerify success!" << QStringList{"before-write", "written"} << 136
            << 3 << QStringList{reading.arg(40), writing.arg(40), verifying.arg(40)};
        QTest::newRow("while verifying")
            << false << true << verifying.arg(10) << ""
            << "Write cancelled: the radio holds the new configuration; it was not verified."
            << QStringList{"written"} << 136 << 2 << QStringList{writing.arg(40)};
    }
    void aStoppedWriteSaysWhatTheRadioHolds() {
        QFETCH(bool, readFirst);
        QFETCH(bool, verify);
        QFETCH(QString, cancelAt);
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QFETCH(QStringList, backups);
        QFETCH(int, framesWritten);
        QFETCH(int, exchanges);
        QFETCH(QStringList, shownAt40);
        QTemporaryDir dir;
        const QString log = dir.filePath("radio.log");
        // The radio takes 10 ms an answer: the job runs on while the window
        // hears of its progress, and a stop agreed at frame 20 must reach it
        // well before frame 40.
        startRadio({"--sample", "--turnaround", "10", "--log", log.toStdString()});
        const std::filesystem::path backupFolder = dir.filePath("backups").toStdString();
        windows->mainWindow->setBackupFolder(backupFolder);
        WriteDialog* dialog = windows->writeDialog;
        dialog->findChild<QCheckBox*>("fastBox")->setChecked(true);
        dialog->findChild<QCheckBox*>("backupFirstBox")->setChecked(readFirst);
        dialog->findChild<QCheckBox*>("verifyBox")->setChecked(verify);
        QStringList shown;
        int framesShown = 0;  // the last step the progress showed written
        bool answered = false;
        connect(dialog->findChild<QProgressBar*>("progressBar"), &QProgressBar::valueChanged,
                dialog, [&](int value) {
                    const QString text = dialog->findChild<QProgressBar*>("progressBar")->text();
                    if (value == 40) shown << text;
                    if (text.startsWith("Writing")) framesShown = value;
                    if (text == cancelAt) dialog->findChild<QPushButton*>("cancelButton")->click();
                    if (text == "Writing: 20 of 136" && !answer.isEmpty())
                        answered = dialogs->answerOpenQuestion(answer == "Yes" ? QMessageBox::Yes
                                                                               : QMessageBox::No);
                });
        QTimer::singleShot(0, dialog, [dialog] { dialog->startTransfer(); });
        windows->mainWindow->writeRadio();
        dialog->findChild<QProgressBar*>("progressBar")->disconnect(dialog);

        QStringList kinds;
        QString beforeWrite;
        for (const duoband::Backup& backup : duoband::listBackups(backupFolder)) {
            kinds << fromView(duoband::backupKindName(backup.kind));
            if (backup.kind == duoband::BackupKind::BeforeWrite)
                beforeWrite = QString::fromStdString(backup.file.string());
        }
        kinds.sort();
        QCOMPARE(kinds, backups);
        QCOMPARE(dialogs->lastText(), message.contains("%1") ? message.arg(beforeWrite) : message);
        QCOMPARE(shown, shownAt40);
        QCOMPARE(answered, !answer.isEmpty());
        const bool askedMidWrite = cancelAt.startsWith("Writing");
        QCOMPARE(dialogs->questions.size(), askedMidWrite ? 1 : 0);
        QVERIFY(!dialogs->questionOpen());
        windows.reset();
        QCOMPARE(logLinesStartingWith(log, "EXIT", exchanges), exchanges);
        // The job stops after the frame under way when the stop reaches it:
        // the radio got the frames the progress showed, at least as many as
        // were shown when the stop was agreed.
        QCOMPARE(logLinesStartingWith(log, "WRITE", 0), framesShown);
        QVERIFY2(framesWritten == 0 ? framesShown == 0 : framesShown >= framesWritten,
                 qPrintable(QString::number(framesShown)));
    }

    // A radio that could not be read first is written only on a deliberate
    // Yes: Enter and Escape both answer No, and nothing is written.
    void aFailedFirstReadIsWrittenOnlyOnYes_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void aFailedFirstReadIsWrittenOnlyOnYes() {
        QFETCH(int, key);
        QTemporaryDir dir;
        const QString log = dir.filePath("radio.log");
        startRadio({"--silent-at", "0", "--log", log.toStdString()});
        installUserDialogs(nullptr);  // the program's own question box
        QString asked;
        bool noByDefault = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            poll.stop();
            asked = box->text();
            noByDefault = box->defaultButton() == box->button(QMessageBox::No);
            installUserDialogs(dialogs.get());
            QTest::keyClick(box, Qt::Key(key));
        });
        poll.start(50);
        runThroughDialog("writeAction");
        installUserDialogs(dialogs.get());
        QVERIFY2(asked.endsWith("\nWrite all the same?"), qPrintable(asked));
        QVERIFY(noByDefault);
        QVERIFY2(dialogs->lastText().startsWith(
                     "Reading the radio first failed: Read Error!; nothing was written\n"),
                 qPrintable(dialogs->lastText()));
        windows.reset();
        QCOMPARE(logLinesStartingWith(log, "EXIT", 1), 1);
        QCOMPARE(logLinesStartingWith(log, "WRITE", 0), 0);
    }

    // After a Read or a Write the keyboard is back where it was, after
    // Compare With Radio on the list of differences, so the shortcuts and
    // menus work without a click.
    void theFocusComesBackAfterATransfer_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("focused");
        QTest::newRow("Read") << "readAction"
                              << "bandA.channels";
        QTest::newRow("Write") << "writeAction"
                               << "bandA.channels";
        QTest::newRow("Compare With Radio") << "compareWithRadioAction"
                                            << "differenceList";
    }
    void theFocusComesBackAfterATransfer() {
        QFETCH(QString, command);
        QFETCH(QString, focused);
        startRadio({"--sample"});
        MainWindow& f = *windows->mainWindow;
        f.show();
        QVERIFY(QTest::qWaitForWindowActive(&f));
        auto* grid = f.findChild<QAbstractItemView*>("bandA.channels");
        grid->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), grid);
        runThroughDialog(command.toLatin1().constData());
        QVERIFY2(dialogs->lastText().contains("success!"), qPrintable(dialogs->lastText()));
        QVERIFY(f.focusWidget() != nullptr);  // the keyboard's once the window is active again
        QCOMPARE(f.focusWidget()->objectName(), focused);
    }

    // Every control of both dialogs shows at its size hint at least: the
    // Write dialog's options are not squeezed into the Read dialog's size.
    void controlsShowAtTheirSizeHints() {
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false});
        for (TransferDialog* dialog :
             std::initializer_list<TransferDialog*>{windows->readDialog, windows->writeDialog}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            for (QWidget* control : dialog->findChildren<QWidget*>()) {
                const QSize hint = control->sizeHint();
                QVERIFY2(
                    control->width() >= hint.width() && control->height() >= hint.height(),
                    qPrintable(QString("%1 %2: %3x%4, asks for %5x%6")
                                   .arg(dialog->objectName(), control->metaObject()->className())
                                   .arg(control->width())
                                   .arg(control->height())
                                   .arg(hint.width())
                                   .arg(hint.height())));
            }
            dialog->hide();
        }
    }

    // Enter starts the next transfer: the last one moved the focus to
    // Cancel when it disabled the transfer button.
    void theTransferButtonStaysTheDefault() {
        startRadio({"--silent-at", "0"});
        windows->readDialog->findChild<QCheckBox*>("fastBox")->setChecked(true);
        runThroughDialog("readAction");
        QCOMPARE(dialogs->messages.size(), std::size_t{1});
        QTimer::singleShot(0, [] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog != nullptr);
            QWidget* focused = dialog->focusWidget();
            QTest::keyClick(focused != nullptr ? focused : dialog, Qt::Key_Return);
        });
        windows->mainWindow->findChild<QAction*>("readAction")->trigger();
        QCOMPARE(dialogs->messages.size(), std::size_t{2});
        QCOMPARE(dialogs->lastText().section('\n', 0, 0), QString("Read Error!"));
        QVERIFY(windows->readDialog->findChild<QPushButton*>("startButton")->isDefault());
    }

    // The program asked to end mid-read: the exchange stops at once, sends
    // "EXIT", and nothing is left waiting.
    void quittingMidExchangeEndsItCleanly() {
        QTemporaryDir dir;
        const QString log = dir.filePath("radio.log");
        startRadio({"--sample", "--log", log.toStdString()});
        QTimer::singleShot(900, [] { QCoreApplication::exit(0); });
        QElapsedTimer clock;
        clock.start();
        runThroughDialog("readAction");
        QVERIFY2(clock.elapsed() < 2500, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(dialogs->lastText().section('\n', 0, 0), QString("Read Error!"));
        QVERIFY(windows->mainWindow->radio().abandoned());
        const int progress = windows->readDialog->findChild<QProgressBar*>("progressBar")->value();
        QVERIFY(progress > 0 && progress < 136);
        windows.reset();  // closes the port after the last bytes went out
        QCOMPARE(logLinesStartingWith(log, "EXIT", 1), 1);
        QCOMPARE(logLinesStartingWith(log, "HANDSHAKE", 1), 1);
    }

  private:
    void startRadio(std::vector<std::string> args) {
        radio = std::make_unique<TestRadio>(std::move(args));
        QVERIFY2(radio->started(), qPrintable(radio->error()));
        windows =
            std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{radio->port()}, false});
        QVERIFY(windows->mainWindow->portShownOpen());
        // Answers arrive at once: deliver them without the 100 ms line-silence
        // gathering, so a whole read takes a few seconds.
        windows->mainWindow->serialPort().setReadIntervalMs(0);
    }

    // Runs a menu or tool bar command that shows a transfer dialog and
    // presses its first button once the dialog is up.
    DuringExchange runThroughDialog(const char* command) {
        DuringExchange seen;
        QTimer::singleShot(0, [this, &seen] {
            auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            QTimer::singleShot(700, dialog, [this, dialog, &seen] {
                seen.editorEnabled = enabledCommands(*windows->mainWindow);
                seen.startEnabled = dialog->findChild<QPushButton*>("startButton")->isEnabled();
                seen.cancelEnabled = dialog->findChild<QPushButton*>("cancelButton")->isEnabled();
                dialog->close();  // refused while running
                seen.closedMidway = !dialog->isVisible();
            });
            QTest::mouseClick(dialog->findChild<QPushButton*>("startButton"), Qt::LeftButton);
        });
        windows->mainWindow->findChild<QAction*>(command)->trigger();
        return seen;
    }

    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<TestRadio> radio;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(TransferDialogsTest)
#include "transfer_dialogs_test.moc"
