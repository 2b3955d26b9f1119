// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// New, Open, Open Recent, Backups, Save and Save As, and the question
// before unsaved changes go.
#include "main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <algorithm>
#include <array>
#include "app_settings.h"
#include "backups_dialog.h"
#include "compare_panel.h"
#include "duoband/channel_editing.h"
#include "duoband/image_file.h"
#include "duoband/settings_file.h"
#include "duoband/settings_table.h"
#include "duoband/whole_file.h"
#include "edit_history.h"
#include "file_paths.h"
#include "pages/band_setup_page.h"
#include "pages/channel_table_page.h"
#include "pages/dtmf_page.h"
#include "pages/general_page.h"
#include "pages/limit_frequency_page.h"
#include "pages/page_widgets.h"
#include "port_status.h"
#include "program_end.h"
#include "screen_fit.h"
#include "station_window.h"
#include "transfer_dialogs.h"
#include "user_dialogs.h"

namespace {

const QString kOpenFilter = "*.bc *.img";
const char* const kSaveFilter =
    QT_TRANSLATE_NOOP("MainWindow", "Settings file (*.bc);;Radio image (*.img)");

}  // namespace

bool MainWindow::settleUnsavedChanges() {
    recordPendingEdit();
    if (!hasUnsavedChanges()) return true;
    switch (userDialogs().askToSave(this, tr("Save changes to %1?").arg(document_->name()))) {
        case UserDialogs::SaveAnswer::Save:
            return saveFile();
        case UserDialogs::SaveAnswer::Discard:
            return true;
        case UserDialogs::SaveAnswer::Cancel:
            return false;
    }
    return false;
}

void MainWindow::settleUnsavedChangesThen(std::function<void()> then) {
    recordPendingEdit();
    if (!hasUnsavedChanges()) return then();
    const auto answered = [this, then = std::move(then)](UserDialogs::SaveAnswer answer) {
        const bool settled = answer == UserDialogs::SaveAnswer::Discard ||
                             (answer == UserDialogs::SaveAnswer::Save && saveFile());
        if (settled) then();
    };
    userDialogs().openAskToSave(this, tr("Save changes to %1?").arg(document_->name()), answered);
}

// With unsaved changes New asks only whether to save them.
void MainWindow::newConfiguration() {
    recordPendingEdit();
    if (hasUnsavedChanges() ? !settleUnsavedChanges()
                            : !userDialogs().confirm(this, tr("Do you want to New?"))) {
        return;
    }
    document_->replace(duoband::EditorModel(), {}, tr("New"));
    document_->markClean();
}

void MainWindow::openFile() {
    if (!settleUnsavedChanges()) return;
    openNamed(userDialogs().openFileName(this, tr("Open"), kOpenFilter));
}

void MainWindow::openFileNamed(const QString& name) {
    if (settleUnsavedChanges()) openNamed(name);
}

void MainWindow::openRecentFile(const QString& name) {
    if (QFileInfo::exists(name)) {
        openFileNamed(name);
        return;
    }
    appSettings::removeRecentFile(name);
    userDialogs().warning(this, tr("%1 is no longer there: it was moved, renamed or deleted. It "
                                   "is taken off the Open Recent list.")
                                    .arg(name));
}

void MainWindow::clearRecentFiles() {
    appSettings::clearRecentFiles();
}

void MainWindow::showBackups() {
    if (!settleUnsavedChanges()) return;
    BackupsDialog dialog(backupFolder_, this);
    dialog.exec();
    openNamed(dialog.chosen());
}

// A backup is kept as the radio held it: it opens untitled, so Save asks
// for a name instead of overwriting it.
void MainWindow::openNamed(const QString& name, bool asBackup) {
    if (name.isEmpty()) return;
    duoband::EditorModel opened = document_->model();
    if (!openInto(name, opened)) return;
    const QString shortName = QFileInfo(name).fileName();
    document_->replace(opened,
                       asBackup || insideBackupFolder(name)
                           ? ConfigurationFile{{}, tr("from the backup %1").arg(shortName)}
                           : ConfigurationFile{name, {}},
                       tr("Open %1").arg(shortName));
    document_->markClean();
    appSettings::addRecentFile(name);
}

// A settings file, or an image decoded onto the start-up configuration as a
// read would; on any fault the model stays as it was.
bool MainWindow::openInto(const QString& name, duoband::EditorModel& model) {
    const duoband::FileResult result = duoband::openConfiguration(toPath(name), model);
    if (!result.ok()) userDialogs().error(this, QString::fromStdString(result.error));
    if (result.ok()) warnOfCellsOffTheirLists(model);
    return result.ok();
}

// A hand-edited file may hold cell texts no pick gives; the user sees them
// before a write sends the radio's reading of them.
void MainWindow::warnOfCellsOffTheirLists(const duoband::EditorModel& model) {
    const std::vector<duoband::OffListCell> cells = duoband::cellsOffTheirLists(model);
    if (cells.empty()) return;
    userDialogs().warning(
        this, tr("Some cells hold a text that is not one of their list's entries. Pick an entry "
                 "in each before writing:\n%1")
                  .arg(pages::fromModelText(duoband::describeOffListCells(cells, 20)).trimmed()));
}

bool MainWindow::saveFile() {
    if (fileName().isEmpty()) return saveFileAs();
    return saveTo(fileName());
}

// The dialog confirms replacing the name it returns; when the program still
// adds ".bc" to it, the name written is confirmed here.
bool MainWindow::saveFileAs() {
    const QString name = userDialogs().saveFileName(this, tr("Save"), tr(kSaveFilter));
    if (name.isEmpty()) return false;
    const QString target =
        name.endsWith(".img") ? name : fromPath(duoband::settingsFilePath(toPath(name)));
    if (target != name && QFileInfo::exists(target) &&
        !userDialogs().confirm(
            this, tr("%1 already exists. Replace it?").arg(QFileInfo(target).fileName()))) {
        return false;
    }
    return saveTo(target);
}

// Mid-exchange (Quit while reading) the last recorded state is saved, never
// a half-read model.
bool MainWindow::saveTo(const QString& name) {
    if (refusedAsBackup(name)) return false;
    recordPendingEdit();
    const duoband::EditorModel& model = document_->history().recordedModel();
    duoband::FileResult result;
    if (name.endsWith(".img")) {
        const duoband::ImageEncoding encoding = duoband::encodeImage(model);
        result.error = encoding.error;
        if (encoding.ok()) {
            result = duoband::saveImageFile(duoband::stampedNow(duoband::imageOf(encoding), {}),
                                            toPath(name));
        }
    } else {
        std::string text;
        if (const auto carried = duoband::settingsText(model, text); !carried.ok()) {
            return saveAsImageInstead(name, carried.error);
        }
        result = duoband::saveSettingsFile(model, toPath(name));
    }
    if (!result.ok()) {
        userDialogs().error(this, QString::fromStdString(result.error));
        return false;
    }
    document_->markSavedAs({fromPath(result.path), {}});
    appSettings::addRecentFile(fromPath(result.path));
    appSettings::setSaveFolderOf(fromPath(result.path));
    userDialogs().information(this, tr("Save success!"));
    return true;
}

bool MainWindow::insideBackupFolder(const QString& name) const {
    return duoband::isInsideFolder(backupFolder_, toPath(name));
}

bool MainWindow::refusedAsBackup(const QString& name) {
    if (!insideBackupFolder(name)) return false;
    userDialogs().error(this, tr("%1 is in the backup folder, which keeps only the backups of "
                                 "reads and writes. Choose another folder.")
                                  .arg(QFileInfo(name).fileName()));
    return true;
}

bool MainWindow::saveAsImageInstead(const QString& name, const std::string& why) {
    const QString image = fromPath(duoband::imagePathFor(toPath(name)));
    const QString question = tr("A settings file cannot hold this configuration:\n%1\n\n"
                                "Save it as the image %2 instead?")
                                 .arg(QString::fromStdString(why), QFileInfo(image).fileName());
    return userDialogs().confirm(this, question) && saveTo(image);
}
