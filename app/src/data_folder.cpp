#include "data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <filesystem>

#include "duoband/settings_file.h"

namespace {

namespace fs = std::filesystem;

constexpr fs::perms kPrivate = fs::perms::owner_read | fs::perms::owner_write;
constexpr fs::perms kShared = kPrivate | fs::perms::group_read | fs::perms::others_read;
// A background picture may be far larger than the small text files.
constexpr std::uintmax_t kLargestPicture = 64 * 1024 * 1024;

fs::path toPath(const QString& path) {
    return fs::path(QFile::encodeName(path).toStdString());
}

// Copies the installed defaults the user folder lacks (a new folder, or one
// emptied by hand); files already there are the user's own and stay. The
// password file keeps mode 0600 there.
void fillUserFolder(const QString& dir) {
    const QString installed = QCoreApplication::applicationDirPath() + "/../share/duoband/image";
    QDir().mkpath(dir);
    for (const char* name : {"1.bc", "2.bc", "1.jpg"}) {
        if (QFile::exists(dir + "/" + name)) continue;
        std::string bytes;
        if (!duoband::readWholeFile(toPath(installed + "/" + name), bytes, kLargestPicture).ok())
            continue;
        const bool isPassword = QString(name) == "1.bc";
        duoband::writeFileAtomically(toPath(dir + "/" + name), bytes,
                                     isPassword ? kPrivate : kShared);
    }
}

}  // namespace

DataFolder DataFolder::locate(const QString& requested) {
    if (!requested.isEmpty()) return DataFolder(requested);
    const QString beside = QCoreApplication::applicationDirPath() + "/image";
    if (QDir(beside).exists()) return DataFolder(beside);
    const QString user =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/image";
    fillUserFolder(user);
    return DataFolder(user);
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
