// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "duoband/backups.h"

namespace appSettings {
namespace {

// The program's store is duoband/duoband.conf; a test program keeps one of
// its own, named after it.
class Store : public QSettings {
  public:
    Store() : QSettings("duoband", QCoreApplication::applicationName()) {}
};

}  // namespace

QByteArray windowGeometry() {
    return Store().value("window/geometry").toByteArray();
}

void setWindowGeometry(const QByteArray& geometry) {
    Store().setValue("window/geometry", geometry);
}

QString lastPort() {
    return Store().value("port/last").toString();
}

void setLastPort(const QString& path) {
    Store().setValue("port/last", path);
}

QString registerAddress() {
    return Store().value("register/address").toString();
}

void setRegisterAddress(const QString& address) {
    Store().setValue("register/address", address);
}

QString lastFolder() {
    return Store().value("files/lastFolder").toString();
}

void setLastFolderOf(const QString& file) {
    Store().setValue("files/lastFolder", QFileInfo(file).absolutePath());
}

QString saveFolder() {
    const QString saved = Store().value("files/saveFolder").toString();
    return saved.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                           : saved;
}

void setSaveFolderOf(const QString& file) {
    Store().setValue("files/saveFolder", QFileInfo(file).absolutePath());
}

QStringList recentFiles() {
    return Store().value("files/recent").toStringList().mid(0, kRecentFiles);
}

namespace {

// A file's one name on the list: its canonical path (links and ".."
// resolved), or the clean absolute path of one that is gone.
QString listedName(const QString& file) {
    const QFileInfo info(file);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

}  // namespace

void addRecentFile(const QString& file) {
    const QString path = listedName(file);
    QStringList files = recentFiles();
    files.removeIf([&](const QString& listed) { return listedName(listed) == path; });
    files.prepend(path);
    Store().setValue("files/recent", files.mid(0, kRecentFiles));
}

void removeRecentFile(const QString& file) {
    QStringList files = recentFiles();
    files.removeAll(file);
    Store().setValue("files/recent", files);
}

void clearRecentFiles() {
    Store().remove("files/recent");
}

bool transferOption(const QString& name, bool byDefault) {
    return Store().value("transfer/" + name, byDefault).toBool();
}

void setTransferOption(const QString& name, bool on) {
    Store().setValue("transfer/" + name, on);
}

bool stationOption(const QString& name, bool byDefault) {
    return Store().value("station/" + name, byDefault).toBool();
}

void setStationOption(const QString& name, bool on) {
    Store().setValue("station/" + name, on);
}

QString stationText(const QString& name) {
    return Store().value("station/" + name).toString();
}

void setStationText(const QString& name, const QString& text) {
    Store().setValue("station/" + name, text);
}

bool sheetForCustomer() {
    return Store().value("sheet/forCustomer", false).toBool();
}

void setSheetForCustomer(bool on) {
    Store().setValue("sheet/forCustomer", on);
}

void useUserConfigFolder() {
    const auto folder = duoband::xdgUserFolder(duoband::XdgFolder::Config);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QFile::decodeName(folder.c_str()));
}

QString location() {
    return Store().fileName();
}

void clear() {
    Store().clear();
}

}  // namespace appSettings
