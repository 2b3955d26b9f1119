// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File names between Qt and the core: a QString as the file system's bytes
// (the locale's encoding), and back.
#pragma once

#include <QFile>
#include <QString>
#include <filesystem>

inline std::filesystem::path toPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

inline QString fromPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}
