// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Images and backups in the window: an image opens as a read would, a
// configuration a settings file cannot hold is offered as an image, and
// every full read keeps a backup.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app_test_support.h"
#include "application.h"
#include "backups_dialog.h"
#include "duoband/backups.h"
#include "duoband/image_file.h"
#include "duoband/memory_image.h"
#include "main_window.h"
#include "transfer_dialogs.h"

using duoband::Band;
using duoband::Column;

class WindowImagesTest : public QObject {
    Q_OBJECT

    MainWindow& window() { return *windows->mainWindow; }
    std::filesystem::path pathOf(const QString& name) { return data->path(name).toStdString(); }

  private slots:
    void init() {
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false});
    }
    void cleanup() {
        windows.reset();
        dialogs.reset();
        data.reset();
    }

    // A channel name with a comma: Save offers the image, which opens again
    // to the same configuration.
    void configurationASettingsFileCannotHoldSavesAsAnImage() {
        window().model().channels(Band::A).cell(Column::RxFrequency, 5) = "145.50000";
        window().model().channels(Band::A).cell(Column::Name, 5) = "A,B";
        const duoband::EditorModel edited = window().model();
        dialogs->fileNames = {data->path("radio.bc")};
        dialogs->confirmations = {true};
        QVERIFY(window().saveFileAs());
        QVERIFY(dialogs->questions.value(0).contains("radio.img"));
        QVERIFY(!QFile::exists(data->path("radio.bc")));
        QCOMPARE(window().fileName(), data->path("radio.img"));

        dialogs->confirmations = {true};
        window().newConfiguration();
        dialogs->fileNames = {data->path("radio.img")};
        window().openFile();
        QCOMPARE(window().model().channels(Band::A).cell(Column::Name, 5), "A,B");
        QVERIFY(window().model() == [&] {
            duoband::EditorModel decoded;
            duoband::decodeImage(duoband::imageOf(duoband::encodeImage(edited)), decoded);
            return decoded;
        }());
    }

    void damagedImageIsRefusedAndChangesNothing() {
        data->write("bad.img", "duoband image 9\n");
        const duoband::EditorModel before = window().model();
        dialogs->fileNames = {data->path("bad.img")};
        window().openFile();
        QCOMPARE(dialogs->lastKind(), QString("error"));
        QVERIFY(window().model() == before);
    }

    // A hand-edited cell opens as it stands, and the user is told before a write.
    void cellsOutsideTheirListsAreReportedOnOpen() {
        window().model().channels(Band::B).cell(Column::RxFrequency, 7) = "145.50000";
        window().model().channels(Band::B).cell(Column::TxTone, 7) = "67HZ";
        dialogs->fileNames = {data->path("edited.bc")};
        QVERIFY(window().saveFileAs());
        QVERIFY(dialogs->messages.empty() || dialogs->lastKind() == "information");
        dialogs->fileNames = {data->path("edited.bc")};
        window().openFile();
        QCOMPARE(dialogs->lastKind(), QString("warning"));
        QVERIFY2(dialogs->lastText().endsWith(
                     "Band B channel 7, Transmission CTCSS: \"67HZ\" is not one of the list's "
                     "entries"),
                 qPrintable(dialogs->lastText()));
        QCOMPARE(window().model().channels(Band::B).cell(Column::TxTone, 7), "67HZ");
    }

    // A full read, on the fast link, keeps what the radio sent in the backup folder.
    void aFullReadKeepsABackup() {
        TestRadio radio({"--sample"});
        QVERIFY2(radio.started(), qPrintable(radio.error()));
        windows =
            std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{radio.port()}, false});
        window().serialPort().setReadIntervalMs(0);
        window().setBackupFolder(pathOf("backups"));
        windows->readDialog->findChild<QCheckBox*>("fastBox")->setChecked(true);
        QTimer::singleShot(0, [] {
            if (auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget()))
                dialog->startTransfer();
        });
        window().readRadio();
        QCOMPARE(dialogs->lastText(), QString("Read success!"));
        const std::vector<duoband::Backup> kept = duoband::listBackups(pathOf("backups"));
        QCOMPARE(kept.size(), std::size_t{1});
        QCOMPARE(kept.front().kind, duoband::BackupKind::Read);
        duoband::ImageFile image;
        QVERIFY(duoband::openImageFile(kept.front().file, image).ok());
        duoband::EditorModel decoded;
        duoband::decodeImage(image.image, decoded);
        QVERIFY(decoded == window().model());

        // File > Backups... lists it and opens it again.
        dialogs->saveAnswers = {UserDialogs::SaveAnswer::Discard};
        window().newConfiguration();
        QString listed;
        QTimer::singleShot(0, [&listed] {
            auto* dialog = qobject_cast<BackupsDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) return;
            listed = dialog->list->topLevelItem(0)->text(1);
            dialog->accept();
        });
        window().findChild<QAction*>("backupsAction")->trigger();
        QCOMPARE(listed, QString("read"));
        QVERIFY(decoded == window().model());
        QVERIFY(!window().isWindowModified());
    }

    // Write with "read first" and "verify": a before-write and a written
    // backup; a byte the radio stores wrongly fails the write by name.
    void writeKeepsWhatTheRadioHeldAndVerifies_data() {
        QTest::addColumn<bool>("corrupt");
        QTest::newRow("clean") << false;
        QTest::newRow("corrupted byte") << true;
    }
    void writeKeepsWhatTheRadioHeldAndVerifies() {
        QFETCH(bool, corrupt);
        std::vector<std::string> args{"--sample"};
        if (corrupt) args.insert(args.end(), {"--corrupt-at", "2"});
        TestRadio radio(args);
        QVERIFY2(radio.started(), qPrintable(radio.error()));
        windows =
            std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{radio.port()}, false});
        window().serialPort().setReadIntervalMs(0);
        window().setBackupFolder(pathOf("backups"));
        window().model().channels(Band::A).cell(Column::RxFrequency, 1) = "145.50000";
        windows->writeDialog->findChild<QCheckBox*>("verifyBox")->setChecked(true);
        QTimer::singleShot(0, [this] { windows->writeDialog->startTransfer(); });
        window().writeRadio();
        const QString message = dialogs->lastText();
        QCOMPARE(message.contains("Verify success!"), !corrupt);
        QCOMPARE(message.contains("Verify failed:"), corrupt);
        QCOMPARE(dialogs->lastKind(), corrupt ? QString("warning") : QString("information"));
        const auto kept = duoband::listBackups(pathOf("backups"));
        QCOMPARE(kept.size(), std::size_t{2});
        QCOMPARE(kept.back().kind, duoband::BackupKind::BeforeWrite);
        QCOMPARE(kept.front().kind, duoband::BackupKind::Written);
    }

  private:
    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(WindowImagesTest)
#include "window_images_test.moc"
