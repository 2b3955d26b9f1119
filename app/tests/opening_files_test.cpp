// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The usual ways of opening a file: named on the command line (opened after
// the login), dropped on the window, and File > Open Recent, which lists the
// files opened or saved last.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "app_test_support.h"
#include "application.h"
#include "duoband/backups.h"
#include "duoband/image_file.h"
#include "duoband/memory_image.h"
#include "duoband/settings_file.h"
#include "login_window.h"
#include "main_window.h"

using duoband::Band;
using duoband::Column;
using SaveAnswer = UserDialogs::SaveAnswer;

namespace {

// A configuration whose channel 2 of band A is named `name`.
duoband::EditorModel modelNamed(const std::string& name) {
    duoband::EditorModel model;
    model.channels(Band::A).cell(Column::RxFrequency, 1) = "145.50000";
    model.channels(Band::A).cell(Column::Name, 1) = name;
    return model;
}

// Writes a settings file, or an image when `path` ends in ".img".
void writeConfiguration(const QString& path, const std::string& name) {
    const std::filesystem::path file = path.toStdString();
    const duoband::FileResult written =
        path.endsWith(".img")
            ? duoband::saveImageFile(
                  duoband::stampedNow(duoband::imageOf(duoband::encodeImage(modelNamed(name))), {}),
                  file)
            : duoband::saveSettingsFile(modelNamed(name), file);
    QVERIFY2(written.ok(), written.error.c_str());
}

}  // namespace

class OpeningFilesTest : public QObject {
    Q_OBJECT

    MainWindow& window() { return *windows->mainWindow; }
    std::string channelName() { return window().model().channels(Band::A).cell(Column::Name, 1); }
    void editChannel(const std::string& name = "EDITED") {
        window().model().channels(Band::A).cell(Column::Name, 1) = name;
        window().recordEdit("Edit");
    }

    // Drags `files` over `over` and drops them there, as the window system
    // does: to the nearest widget that takes drops, with the files as URLs
    // and as text (what file managers offer). Whether the drop was taken.
    static bool dropFiles(QWidget* over, const QStringList& files) {
        QMimeData dragged;
        QList<QUrl> urls;
        for (const QString& file : files) urls << QUrl::fromLocalFile(file);
        dragged.setUrls(urls);
        dragged.setText(files.join('\n'));
        QWidget* target = over;
        while (!target->acceptDrops() && !target->isWindow()) target = target->parentWidget();
        const QPoint at = over->mapTo(target, over->rect().center());
        QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QCoreApplication::processEvents();  // the file opens after the drop
        return drop.isAccepted();
    }

    // File > Open Recent as it shows when opened: the files it lists.
    QStringList recentFilesListed() {
        auto* menu = window().findChild<QMenu*>("openRecentMenu");
        menu->popup(window().mapToGlobal(QPoint(0, 0)));
        menu->hide();
        QStringList files;
        for (QAction* entry : menu->actions()) {
            if (entry->objectName() == "recentFileAction") files << entry->data().toString();
        }
        return files;
    }
    void openRecent(const QString& file) {
        recentFilesListed();
        for (QAction* entry : window().findChild<QMenu*>("openRecentMenu")->actions()) {
            if (entry->data().toString() == file) return entry->trigger();
        }
        QFAIL(qPrintable(file + " is not on the list"));
    }

  private slots:
    void init() {
        appSettings::clear();
        data = std::make_unique<TestDataFolder>();
        dialogs = std::make_unique<ScriptedDialogs>();
        windows = std::make_unique<Windows>(DataFolder(data->dir()), PortOptions{{}, false});
    }
    void cleanup() {
        windows.reset();
        dialogs.reset();
        data.reset();
    }

    // `duoband FILE` (FILE relative to the current folder): after the login
    // FILE opens as Open opens it; a file Open refuses leaves the start-up
    // configuration and the refusal is said.
    void aFileGivenOnTheCommandLineOpensAfterTheLogin_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");  // empty: a configuration named "GIVEN"
        QTest::addColumn<QString>("refusal");     // the start of the message; empty: opens
        QTest::newRow("settings file") << "radio.bc" << QByteArray() << QString();
        QTest::newRow("image") << "radio.img" << QByteArray() << QString();
        QTest::newRow("missing") << "gone.bc" << QByteArray() << "Cannot open";
        QTest::newRow("not a configuration")
            << "notes.bc" << QByteArray("shopping list\n") << QString("The file has 1 line");
    }
    void aFileGivenOnTheCommandLineOpensAfterTheLogin() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, refusal);
        if (file != "gone.bc" && content.isEmpty()) writeConfiguration(data->path(file), "GIVEN");
        if (!content.isEmpty()) data->write(file, content);
        const QString folder = QDir::currentPath();
        QDir::setCurrent(data->dir());
        QString error, help;
        const auto options = parseStartOptions({"duoband", file}, error, help);
        QDir::setCurrent(folder);
        QVERIFY2(options, qPrintable(error));
        QCOMPARE(options->fileToOpen, data->path(file));

        windows->openAfterLogin(options->fileToOpen);
        windows->loginWindow->show();
        QCOMPARE(channelName(), "");  // not before the login
        windows->loginWindow->passwordEdit->setText("duoband");
        windows->loginWindow->loginButton->click();
        QVERIFY(window().isVisible());
        if (refusal.isEmpty()) {
            QCOMPARE(channelName(), "GIVEN");
            QCOMPARE(window().fileName(), data->path(file));
            QVERIFY(window().windowTitle().contains(file));
            QVERIFY(dialogs->messages.empty());
        } else {
            QVERIFY(window().model() == duoband::EditorModel());
            QVERIFY(window().fileName().isEmpty());
            QCOMPARE(dialogs->lastKind(), QString("error"));
            QVERIFY2(dialogs->lastText().startsWith(refusal), qPrintable(dialogs->lastText()));
        }
    }

    // One .bc or .img file dropped anywhere on the window, a text field
    // included, opens after the unsaved-changes question; other drags, and
    // any while an exchange runs, are refused.
    void aDroppedFileOpens_data() {
        QTest::addColumn<QString>("over");  // "grid" or "text field"
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("busy");  // "exchange", "dialog" or none
        QTest::addColumn<bool>("opens");
        const QStringList image{"dropped.img"};
        QTest::newRow("image on the grid") << "grid" << image << "" << true;
        QTest::newRow("settings file on a text field")
            << "text field" << QStringList{"dropped.bc"} << "" << true;
        QTest::newRow("while an exchange runs") << "grid" << image << "exchange" << false;
        QTest::newRow("while a dialog is open") << "grid" << image << "dialog" << false;
        QTest::newRow("two files")
            << "grid" << QStringList{"dropped.img", "dropped.bc"} << "" << false;
        QTest::newRow("a CSV file") << "grid" << QStringList{"dropped.csv"} << "" << false;
    }
    void aDroppedFileOpens() {
        QFETCH(QString, over);
        QFETCH(QStringList, files);
        QFETCH(QString, busy);
        QFETCH(bool, opens);
        QStringList paths;
        for (const QString& file : files) {
            paths << data->path(file);
            writeConfiguration(paths.back(), "DROPPED");
        }
        window().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window()));
        editChannel();
        dialogs->saveAnswers = {SaveAnswer::Discard};
        if (busy == "exchange") window().exchangeRunning(true);
        QDialog dialog(&window());
        dialog.setModal(true);
        if (busy == "dialog") dialog.show();
        QWidget* target = window().pageTabs()->currentWidget();
        if (over == "text field") {
            window().pageTabs()->setCurrentIndex(4);  // the General page
            target = window().pageTabs()->currentWidget()->findChild<QLineEdit*>();
            QVERIFY(target != nullptr && target->acceptDrops());
        }
        const QString textBefore =
            over == "grid" ? QString() : qobject_cast<QLineEdit*>(target)->text();

        QCOMPARE(dropFiles(target, paths), opens);
        QCOMPARE(dialogs->questions.size(), opens ? 1 : 0);
        QCOMPARE(channelName(), opens ? "DROPPED" : "EDITED");
        if (opens) QCOMPARE(window().fileName(), paths.front());
        if (over == "text field") QCOMPARE(qobject_cast<QLineEdit*>(target)->text(), textBefore);
    }

    // Save and Open put their file first on File > Open Recent (at most 8,
    // each once); a listed file opens after the unsaved-changes question, a
    // backup untitled; a missing one is said and taken off without a
    // question. The list is not offered while an exchange runs.
    void openRecentListsTheFilesOpenedAndSaved() {
        QVERIFY(recentFilesListed().isEmpty());
        QVERIFY(!window().findChild<QAction*>("clearRecentFilesAction")->isEnabled());
        dialogs->fileNames = {data->path("a.bc"), data->path("b.img")};
        editChannel();
        QVERIFY(window().saveFileAs());
        QVERIFY(window().saveFileAs());
        dialogs->fileNames = {data->path("a.bc")};
        window().openFile();
        QCOMPARE(recentFilesListed(), (QStringList{data->path("a.bc"), data->path("b.img")}));

        editChannel("CHANGED");
        dialogs->saveAnswers = {SaveAnswer::Discard};
        openRecent(data->path("b.img"));
        QCOMPARE(dialogs->questions.size(), 1);
        QCOMPARE(window().fileName(), data->path("b.img"));
        QCOMPARE(recentFilesListed(), (QStringList{data->path("b.img"), data->path("a.bc")}));

        data->remove("a.bc");
        editChannel("CHANGED");
        openRecent(data->path("a.bc"));
        QCOMPARE(dialogs->questions.size(), 1);
        QCOMPARE(dialogs->lastKind(), QString("warning"));
        QVERIFY2(dialogs->lastText().startsWith(data->path("a.bc") + " is no longer there"),
                 qPrintable(dialogs->lastText()));
        QCOMPARE(channelName(), "CHANGED");
        QCOMPARE(recentFilesListed(), QStringList{data->path("b.img")});

        const QString folder = data->path("backups");
        window().setBackupFolder(folder.toStdString());
        const QString backup = QString::fromStdString(
            window()
                .keepBackup(duoband::BackupKind::Read,
                            duoband::imageOf(duoband::encodeImage(modelNamed("KEPT"))))
                .string());
        appSettings::addRecentFile(backup);
        dialogs->saveAnswers = {SaveAnswer::Discard};
        openRecent(backup);
        QCOMPARE(channelName(), "KEPT");
        QVERIFY(window().fileName().isEmpty());

        auto* listAction = window().findChild<QAction*>("openRecentAction");
        window().exchangeRunning(true);
        QVERIFY(!listAction->isEnabled());
        window().exchangeRunning(false);
        QVERIFY(listAction->isEnabled());
        window().findChild<QAction*>("clearRecentFilesAction")->trigger();
        QVERIFY(recentFilesListed().isEmpty());

        // One file through a link, a ".." path and its own path is listed once.
        QVERIFY(QFile::link(backup, data->path("link.img")));
        appSettings::addRecentFile(data->path("link.img"));
        appSettings::addRecentFile(folder + "/../backups/" + QFileInfo(backup).fileName());
        appSettings::addRecentFile(backup);
        QCOMPARE(recentFilesListed(), QStringList{backup});
        window().findChild<QAction*>("clearRecentFilesAction")->trigger();

        for (int i = 0; i < 10; ++i)
            appSettings::addRecentFile(data->path(QString("%1.bc").arg(i)));
        appSettings::addRecentFile(data->path("5.bc"));
        QStringList newest{data->path("5.bc")};
        for (int i : {9, 8, 7, 6, 4, 3, 2}) newest << data->path(QString("%1.bc").arg(i));
        QCOMPARE(recentFilesListed(), newest);
    }

  private:
    std::unique_ptr<TestDataFolder> data;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<Windows> windows;
};

QTEST_MAIN(OpeningFilesTest)
#include "opening_files_test.moc"
