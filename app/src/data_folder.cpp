// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <filesystem>

#include "duoband/backups.h"
#include "duoband/whole_file.h"
#include "file_paths.h"

namespace {

namespace fs = std::filesystem;

constexpr fs::perms kPrivate = fs::perms::owner_read | fs::perms::owner_write;
constexpr fs::perms kShared = duoband::kNewFilePerms;  // less the umask
// A background picture may be far larger than the small text files.
constexpr std::uintmax_t kLargestPicture = 64 * 1024 * 1024;

// The default of one of the folder's files: from the installed
// share/duoband/image when it is there (a site may put its own picture and
// password there), otherwise the copy built into the program.
std::string defaultFile(const QString& name) {
    const QString installed =
        QCoreApplication::applicationDirPath() + "/../share/duoband/image/" + name;
    for (const QString& path : {installed, ":/default-image/" + name}) {
        QFile file(path);
        if (file.size() <= qint64(kLargestPicture) && file.open(QIODevice::ReadOnly)) {
            return file.readAll().toStdString();
        }
    }
    return {};
}

// Gives a data folder the defaults it lacks (a new folder, a new --data-dir,
// one emptied by hand), so that the first login works; files already there
// are the user's own and stay. The password file gets mode 0600.
void fillDataFolder(const QString& dir) {
    QDir().mkpath(dir);
    for (const QString name : {"1.bc", "2.bc", "1.jpg"}) {
        if (QFile::exists(dir + "/" + name)) continue;
        const std::string bytes = defaultFile(name);
        if (bytes.empty()) continue;
        duoband::writeFileAtomically(toPath(dir + "/" + name), bytes,
                                     name == "1.bc" ? kPrivate : kShared);
    }
}

}  // namespace

DataFolder DataFolder::locate(const QString& requested) {
    // The data folder duoband-cli uses too, found by the same rules (Qt's
    // own lookup would take a relative XDG_DATA_HOME as a folder).
    const QString dir =
        requested.isEmpty()
            ? QFile::decodeName(duoband::imageFolder(duoband::locateDataFolder()).c_str())
            : requested;
    fillDataFolder(dir);
    return DataFolder(dir);
}

QString readFirstLine(const QString& path, QString& line) {
    std::string bytes;
    const auto result = duoband::readWholeFile(toPath(path), bytes);
    if (!result.ok()) return QString::fromStdString(result.error);
    if (bytes.empty())
        return QCoreApplication::translate("DataFolder", "The file %1 is empty.").arg(path);
    const auto end = bytes.find_first_of("\r\n");
    line = QString::fromLocal8Bit(bytes.substr(0, end));
    return {};
}

QString writeSingleLine(const QString& path, const QString& line, bool privateFile) {
    const QByteArray bytes = line.toLocal8Bit() + "\r\n";
    const auto result = duoband::writeFileAtomically(
        toPath(path), std::string_view(bytes.constData(), std::size_t(bytes.size())),
        privateFile ? kPrivate : kShared);
    return QString::fromStdString(result.error);
}

QString copyWholeFile(const QString& from, const QString& to) {
    std::string bytes;
    auto result = duoband::readWholeFile(toPath(from), bytes, kLargestPicture);
    if (result.ok()) result = duoband::writeFileAtomically(toPath(to), bytes, kShared);
    return QString::fromStdString(result.error);
}
