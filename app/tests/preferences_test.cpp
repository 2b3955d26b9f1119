// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program remembers between runs, through its one settings seam
// and a private test store: the editor's size and position and the port
// used last (two editor windows, one after the other), and the folder of the
// last file dialog (the real Qt dialog).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

#include "app_test_support.h"
#include "application.h"
#include "main_window.h"
#include "transfer_dialogs.h"

using duoband::ListedPort;
using duoband::PortEvent;

namespace {

PortEvent plug(const std::string& path) {
    return {PortEvent::Kind::Added, ListedPort{path, "USB-Serial Prolific", true}};
}

// Sorts before any /dev/pts/N and cannot be opened.
const std::string kMissingPort = "/dev/duoband-missing";

}  // namespace

class PreferencesTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        QVERIFY(QStandardPaths::isTestModeEnabled());
        appSettings::clear();
        data = std::make_unique<TestDataFolder>();
    }
    void cleanup() { appSettings::clear(); }

    // The second run lists a port before the one used last: the start
    // rule still opens the one used last.
    void theNextRunOpensTheLastPortAndTheSameWindowPlace() {
        ScriptedDialogs dialogs;
        TestRadio radio({"--sample"});
        QVERIFY2(radio.started(), qPrintable(radio.error()));
        const QString path = QString::fromStdString(radio.port());
        QRect place;
        {
            auto monitor = std::make_shared<duoband::QueuedPortMonitor>();
            monitor->post(plug(radio.port()));
            Windows first(DataFolder(data->dir()), PortOptions{{}, false, monitor});
            QCOMPARE(first.mainWindow->statusPanelText(0), "COM Port:" + path);
            first.mainWindow->show();
            first.mainWindow->setGeometry(60, 50, 700, 450);
            QVERIFY(QTest::qWaitForWindowExposed(first.mainWindow.get()));
            place = first.mainWindow->geometry();
            QCOMPARE(place.topLeft(), QPoint(60, 50));  // not the place a new window takes
        }
        QCOMPARE(appSettings::lastPort(), path);
        auto monitor = std::make_shared<duoband::QueuedPortMonitor>();
        monitor->post(plug(kMissingPort));
        monitor->post(plug(radio.port()));
        Windows second(DataFolder(data->dir()), PortOptions{{}, false, monitor});
        MainWindow& f = *second.mainWindow;
        QCOMPARE(f.portList()->itemData(0).toString(), QString::fromStdString(kMissingPort));
        QCOMPARE(f.statusPanelText(0), "COM Port:" + path);
        QCOMPARE(f.statusMessage(),
                 "Chose USB-Serial Prolific — " + path + ", the port used last time.");
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QCOMPARE(f.geometry(), place);
    }

    // A port given on the command line (the demo radio) is gone by the next
    // start: it is opened, not remembered.
    // The Read and Write dialogs' check boxes are as the user left them.
    void transferOptionsAreRemembered() {
        TestDataFolder data;
        {
            Windows first(DataFolder(data.dir()), PortOptions{{}, false});
            QVERIFY(first.writeDialog->findChild<QCheckBox*>("backupFirstBox")
                        ->isChecked());  // on by default
            QVERIFY(!first.writeDialog->findChild<QCheckBox*>("verifyBox")->isChecked());
            first.writeDialog->findChild<QCheckBox*>("backupFirstBox")->setChecked(false);
            first.writeDialog->findChild<QCheckBox*>("verifyBox")->setChecked(true);
            first.readDialog->findChild<QCheckBox*>("fastBox")->setChecked(true);
        }
        Windows next(DataFolder(data.dir()), PortOptions{{}, false});
        QVERIFY(!next.writeDialog->findChild<QCheckBox*>("backupFirstBox")->isChecked());
        QVERIFY(next.writeDialog->findChild<QCheckBox*>("verifyBox")->isChecked());
        QVERIFY(next.writeDialog->findChild<QCheckBox*>("fastBox")->isChecked());
    }

    void aPortGivenOnTheCommandLineIsNotRemembered() {
        ScriptedDialogs dialogs;
        TestRadio radio({"--sample"});
        QVERIFY2(radio.started(), qPrintable(radio.error()));
        appSettings::setLastPort("/dev/ttyUSB0");
        Windows windows(DataFolder(data->dir()), PortOptions{{radio.port()}, false});
        QVERIFY(windows.mainWindow->portShownOpen());
        QCOMPARE(appSettings::lastPort(), QString("/dev/ttyUSB0"));
    }

    // The real open dialog opens in the folder of the file chosen last, the
    // save dialog where a configuration was saved last.
    void fileDialogsStartInTheFolderChosenLast() {
        QTemporaryDir before, chosen, saved;
        appSettings::setLastFolderOf(before.filePath("old.bc"));
        appSettings::setSaveFolderOf(saved.filePath("kept.bc"));
        const QString file = chosen.filePath("radio.bc");
        QFile(file).open(QIODevice::WriteOnly);
        QStringList startedIn;
        const auto answer = [&startedIn](const QString& pick) {
            QTimer::singleShot(0, [&startedIn, pick] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                if (dialog == nullptr) return;
                startedIn << dialog->directory().absolutePath();
                if (pick.isEmpty()) {
                    dialog->reject();
                    return;
                }
                dialog->selectFile(pick);
                QMetaObject::invokeMethod(dialog, "accept");
            });
        };
        answer(file);
        QCOMPARE(userDialogs().openFileName(nullptr, "Open", "*.bc"), file);
        answer({});
        QCOMPARE(userDialogs().saveFileName(nullptr, "Save", "*.bc"), QString());
        QCOMPARE(startedIn, (QStringList{QDir(before.path()).absolutePath(),
                                         QDir(saved.path()).absolutePath()}));
        QCOMPARE(appSettings::lastFolder(), QDir(chosen.path()).absolutePath());
    }

  private:
    std::unique_ptr<TestDataFolder> data;
};

QTEST_MAIN(PreferencesTest)
#include "preferences_test.moc"
