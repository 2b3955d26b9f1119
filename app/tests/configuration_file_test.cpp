// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration and the file it belongs to move together: a read is
// built aside and replaces the open configuration only when complete, Undo
// and Redo bring back the file with the content, and a backup opens
// untitled and is never written over.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app_test_support.h"
#include "application.h"
#include "backups_dialog.h"
#include "duoband/backups.h"
#include "duoband/memory_image.h"
#include "duoband/radio_sim_sample.h"
#include "main_window.h"
#include "transfer_dialogs.h"

using duoband::Band;
using duoband::Column;
using SaveAnswer = UserDialogs::SaveAnswer;

class ConfigurationFileTest : public QObject {
    Q_OBJECT

    MainWindow& window() { return *windows->mainWindow; }

    // A channel named `name` in row 1 of band A, recorded as an edit.
    void nameChannel(const std::string& name) {
        window().model().channels(Band::A).cell(Column::RxFrequency, 1) = "145.50000";
        window().model().channels(Band::A).cell(Column::Name, 1) = name;
        window().showModel();
        window().recordEdit("Edit");
    }
    std::string channelName() { return window().model().channels(Band::A).cell(Column::Name, 1); }
    void saveAs(const QString& file) {
        dialogs->fileNames = {data->path(file)};
        QVERIFY(window().saveFileAs());
    }
    void open(const QString& path) {
        dialogs->fileNames = {path};
        window().openFile();
    }
    // The steps the last read received: 40, where a radio went silent; from
    // 40 on where a cancel at 40 reached the read's thread a frame later.
    int arrived() {
        const int steps = windows->readDialog->findChild<QProgressBar*>("progressBar")->value();
        return steps >= 40 && steps < 136 ? steps : -1;
    }
    void trigger(const char* action) { window().findChild<QAction*>(action)->trigger(); }

    // Reads through the Read dialog; cancels once `cancelAt` steps arrived
    // (0: before the read starts).
    void readRadio(int cancelAt = -1) {
        QTimer::singleShot(0, [cancelAt] {
            auto* dialog = qobject_cast<ReadDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            if (cancelAt == 0) {
                dialog->findChild<QPushButton*>("cancelButton")->click();
                return;
            }
            const auto cancelling = QObject::connect(
                dialog->findChild<QProgressBar*>("progressBar"), &QProgressBar::valueChanged,
                dialog, [dialog, cancelAt](int steps) {
                    if (steps == cancelAt) dialog->findChild<QPushButton*>("cancelButton")->click();
                });
            // The read runs on the radio's thread: the watch ends with the dialog.
            QObject::connect(
                dialog, &QDialog::finished, dialog,
                [cancelling] { QObject::disconnect(cancelling); }, Qt::SingleShotConnection);
            dialog->startTransfer();
        });
        window().readRadio();
    }

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false});
    }
    void cleanup() {
        windows.reset();
        radios.clear();
        dialogs.reset();
        data.reset();
    }

    // The radio stops answering at frame 40, or the user cancels there: the
    // open file, its caption and its modified mark stay; what arrived can be
    // kept as an untitled configuration; a complete read is untitled too.
    void aReadThatDoesNotFinishChangesNothing_data() {
        QTest::addColumn<QStringList>("radioFaults");
        QTest::addColumn<int>("cancelAt");
        QTest::addColumn<QString>("said");  // the message's first line
        QTest::newRow("cancelled")
            << QStringList{} << 40 << QString("Read cancelled: nothing was changed");
        QTest::newRow("radio silent")
            << QStringList{"--silent-at", "40"} << -1 << QString("Read Error!");
    }
    void aReadThatDoesNotFinishChangesNothing() {
        QFETCH(QStringList, radioFaults);
        QFETCH(int, cancelAt);
        QFETCH(QString, said);
        std::vector<std::string> args{"--sample"};
        for (const QString& arg : radioFaults) args.push_back(arg.toStdString());
        startRadios({args, {"--sample"}});
        nameChannel("CUSTA");
        saveAs("custA.bc");
        nameChannel("EDITED");
        const duoband::EditorModel edited = window().model();
        const QString caption = window().windowTitle();
        QVERIFY(caption.contains("custA.bc"));

        dialogs->saveAnswers = {SaveAnswer::Discard};
        readRadio(cancelAt);
        QCOMPARE(dialogs->lastText().section('\n', 0, 0), said);
        QVERIFY(dialogs->lastText().contains(QString("%1 of 136 steps arrived").arg(arrived())));
        QCOMPARE(dialogs->offers, QStringList{"Keep What Arrived"});
        QVERIFY(window().model() == edited);
        QCOMPARE(window().windowTitle(), caption);
        QVERIFY(window().isWindowModified());
        QCOMPARE(window().fileName(), data->path("custA.bc"));

        // Keep What Arrived asks about the edits again, then puts the 40
        // steps on the start-up configuration as one step.
        dialogs->saveAnswers = {SaveAnswer::Discard, SaveAnswer::Discard};
        dialogs->offersTaken = {true};
        readRadio(cancelAt);
        QCOMPARE(dialogs->questions.size(), 3);
        duoband::EditorModel expected;
        const duoband::RadioImage& received = windows->readDialog->received();
        for (int step = 0; step < arrived(); ++step)
            duoband::loadReadStep(expected, step, duoband::toHex(received.step(step).bytes));
        QVERIFY(window().model() == expected);
        QVERIFY(window().windowTitle().contains(
            QString("untitled (part of a read from %1)").arg(radios[0]->port().c_str())));
        QVERIFY(window().isWindowModified());
        trigger("undoAction");
        QVERIFY(window().model() == edited);
        QCOMPARE(window().windowTitle(), caption);
        dialogs->saveAnswers = {SaveAnswer::Discard, SaveAnswer::Discard};
        readRadio(0);  // closed unused: nothing is kept again
        QVERIFY(window().model() == edited);

        // A complete read from the other radio: untitled, modified, and Save
        // asks for a name instead of writing custA.bc.
        window().portList()->setCurrentIndex(
            window().portList()->findData(QString::fromStdString(radios[1]->port())));
        window().choosePort();
        const QByteArray custA = data->bytes("custA.bc");
        dialogs->saveAnswers = {SaveAnswer::Discard};
        readRadio();
        QCOMPARE(dialogs->lastText(), QString("Read success!"));
        QVERIFY(window().model().channels(Band::B) ==
                duoband::sim::sampleModel().channels(Band::B));
        QVERIFY(window().fileName().isEmpty());
        QVERIFY(window().windowTitle().contains(
            QString("untitled (read from %1)").arg(radios[1]->port().c_str())));
        QVERIFY(window().isWindowModified());
        dialogs->fileDialogs.clear();
        trigger("saveAction");  // the name dialog is cancelled
        QCOMPARE(dialogs->fileDialogs.size(), 1);
        QCOMPARE(data->bytes("custA.bc"), custA);
    }

    // Open custA.bc, Open custB.bc, Undo: custA's content under its own name,
    // and Save writes it to custA.bc; Redo brings custB back.
    void undoAndRedoBringBackTheFileWithTheContent() {
        nameChannel("CUSTA");
        saveAs("custA.bc");
        nameChannel("CUSTB");
        saveAs("custB.bc");
        const QByteArray custB = data->bytes("custB.bc");
        open(data->path("custA.bc"));
        open(data->path("custB.bc"));

        trigger("undoAction");
        QCOMPARE(channelName(), "CUSTA");
        QCOMPARE(window().fileName(), data->path("custA.bc"));
        QVERIFY(window().windowTitle().contains("custA.bc"));
        trigger("redoAction");
        QCOMPARE(channelName(), "CUSTB");
        QCOMPARE(window().fileName(), data->path("custB.bc"));
        QVERIFY(window().windowTitle().contains("custB.bc"));

        trigger("undoAction");
        nameChannel("CUSTA2");
        dialogs->fileDialogs.clear();
        trigger("saveAction");
        QVERIFY(dialogs->fileDialogs.isEmpty());
        QCOMPARE(data->bytes("custB.bc"), custB);
        QVERIFY(data->bytes("custA.bc").contains("CUSTA2"));
        QVERIFY(!window().isWindowModified());
    }

    // Undo back to a file as it was opened or saved, in whatever step, shows
    // it unmodified; a file's content as it was before its last save does not.
    void undoBackToAFileAsItWasOpenedIsUnmodified() {
        nameChannel("CUSTA");
        saveAs("custA.bc");
        nameChannel("CUSTB");
        saveAs("custB.bc");
        open(data->path("custA.bc"));
        nameChannel("EDITED");
        QVERIFY(window().isWindowModified());
        trigger("undoAction");
        QVERIFY(!window().isWindowModified());
        open(data->path("custB.bc"));
        trigger("undoAction");
        QCOMPARE(window().fileName(), data->path("custA.bc"));
        QCOMPARE(window().windowTitle(), QString("custA.bc[*]"));
        QVERIFY(!window().isWindowModified());
        trigger("redoAction");
        QVERIFY(!window().isWindowModified());
        nameChannel("CUSTB2");
        trigger("saveAction");
        trigger("undoAction");
        QVERIFY(window().isWindowModified());  // custB.bc holds CUSTB2 now
    }

    // However it is opened, a backup is untitled: Save asks for a name and
    // refuses one in the backup folder; the backup stays as it was.
    void aBackupOpensUntitledAndStaysAsItWas_data() {
        QTest::addColumn<QString>("openedBy");
        QTest::newRow("Backups list") << QString("list");
        QTest::newRow("Open") << QString("open");
        QTest::newRow("Open, by a roundabout path") << QString("roundabout");
    }
    void aBackupOpensUntitledAndStaysAsItWas() {
        QFETCH(QString, openedBy);
        const QString folder = data->path("backups");
        window().setBackupFolder(folder.toStdString());
        nameChannel("KEPT");
        const duoband::ImageEncoding encoded = duoband::encodeImage(window().model());
        window().keepBackup(duoband::BackupKind::Read, duoband::imageOf(encoded));
        const auto kept = duoband::listBackups(folder.toStdString());
        QCOMPARE(kept.size(), std::size_t{1});
        const QString backup = QString::fromStdString(kept.front().file.string());
        const QString backupName = QString::fromStdString(kept.front().file.filename().string());
        const QByteArray before = data->bytes("backups/" + backupName);
        saveAs("mine.bc");
        nameChannel("OTHER");
        dialogs->saveAnswers = {SaveAnswer::Discard};

        if (openedBy == "list") {
            QTimer::singleShot(0, [] {
                if (auto* list = qobject_cast<BackupsDialog*>(QApplication::activeModalWidget()))
                    list->accept();
            });
            trigger("backupsAction");
        } else {
            open(openedBy == "open" ? backup : data->path("backups/../backups/" + backupName));
        }
        QCOMPARE(channelName(), "KEPT");
        QVERIFY(window().fileName().isEmpty());
        QVERIFY2(window().windowTitle().contains("untitled (from the backup " + backupName + ")"),
                 qPrintable(window().windowTitle()));

        nameChannel("CHANGED");
        dialogs->fileNames = {backup, data->path("copy.bc")};
        dialogs->fileDialogs.clear();
        trigger("saveAction");
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QVERIFY(dialogs->lastText().contains("is in the backup folder"));
        // Save dialogs start where a configuration was saved, never in the backups.
        QCOMPARE(appSettings::saveFolder(), QDir(data->dir()).absolutePath());
        trigger("saveAction");
        QCOMPARE(dialogs->fileDialogs.size(), 2);
        QCOMPARE(window().fileName(), data->path("copy.bc"));
        QCOMPARE(data->bytes("backups/" + backupName), before);
        QCOMPARE(duoband::listBackups(folder.toStdString()).size(), std::size_t{1});
    }

  private:
    // Windows on one simulated radio per entry of `radioArgs`, the first chosen.
    void startRadios(const std::vector<std::vector<std::string>>& radioArgs) {
        std::vector<std::string> ports;
        for (const auto& args : radioArgs) {
            radios.push_back(std::make_unique<TestRadio>(args));
            QVERIFY2(radios.back()->started(), qPrintable(radios.back()->error()));
            ports.push_back(radios.back()->port());
        }
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{ports, false});
        QVERIFY(window().portShownOpen());
        window().serialPort().setReadIntervalMs(0);
    }

    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::vector<std::unique_ptr<TestRadio>> radios;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(ConfigurationFileTest)
#include "configuration_file_test.moc"
