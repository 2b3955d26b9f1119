// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program remembers between runs, all of it through this one seam:
// the editor's size and position, the port opened last, the folder of the
// last file dialog, the files opened or saved last and the transfer and
// sheet options. QSettings keeps it in the user's configuration folder
// (duoband/duoband.conf); tests enable QStandardPaths' test mode, which
// moves the store under ~/.qttest, and start from an empty one.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace appSettings {

// QWidget::saveGeometry() of the editor; empty when none was kept.
QByteArray windowGeometry();
void setWindowGeometry(const QByteArray& geometry);

// The path of the port opened last; empty when none was kept.
QString lastPort();
void setLastPort(const QString& path);

// The folder of the file chosen last in a file dialog; empty when none.
QString lastFolder();
// Keeps the folder that holds `file`.
void setLastFolderOf(const QString& file);
// Where the save dialogs start: the folder a configuration was last saved
// to, or the documents folder. Never where a file was only opened from (a
// backup, which is never saved over).
QString saveFolder();
void setSaveFolderOf(const QString& file);

// The settings files and images opened or saved last, newest first, at
// most kRecentFiles of them, each once.
constexpr int kRecentFiles = 8;
QStringList recentFiles();
// Puts `file` first, by its canonical path: one file reached through a
// link or a ".." is listed once.
void addRecentFile(const QString& file);
void removeRecentFile(const QString& file);
void clearRecentFiles();

// A check box of the Read and Write dialogs ("fastBox", "verifyBox",
// "backupFirstBox"); `byDefault` until the user has set it.
bool transferOption(const QString& name, bool byDefault);
void setTransferOption(const QString& name, bool on);

// The station's check boxes ("autoStartBox", "verifyBox", ...), `byDefault`
// until the user has set them, and its texts (the next numbers, the log
// file chosen); an empty text when none was kept.
bool stationOption(const QString& name, bool byDefault);
void setStationOption(const QString& name, bool on);
QString stationText(const QString& name);
void setStationText(const QString& name, const QString& text);

// The radio register the window records its jobs in: a SQLite file or a
// postgresql:// address without a password; empty: the data folder's file.
QString registerAddress();
void setRegisterAddress(const QString& address);

// The channel sheet is made for a customer: without the remote codes.
bool sheetForCustomer();
void setSheetForCustomer(bool on);

// Keeps the store in the user's configuration folder as duoband-cli finds
// its folders (a relative XDG_CONFIG_HOME is ignored, where Qt would take
// it as a folder). The program calls it at start; tests keep the test store.
void useUserConfigFolder();

// The file that holds it all.
QString location();

// Forgets everything kept.
void clear();

}  // namespace appSettings
