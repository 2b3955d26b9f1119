// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The folder "image" that holds the program's three small files: the
// password (1.bc), the company name (2.bc) and the login background (1.jpg).
#pragma once

#include <QString>

class DataFolder {
  public:
    explicit DataFolder(QString dir) : dir_(std::move(dir)) {}

    // --data-dir when given; otherwise "image" in the data folder that
    // duoband-cli uses too: beside the program in the build tree, otherwise
    // the user's own ($XDG_DATA_HOME/duoband, ~/.local/share/duoband), as an
    // installed program folder is read-only. Whichever it is, a file it lacks is created from the
    // defaults (the installed share/duoband/image, or the copy built into
    // the program): the default password, company name and picture.
    static DataFolder locate(const QString& requested);

    const QString& dir() const { return dir_; }
    QString passwordPath() const { return dir_ + "/1.bc"; }
    QString companyPath() const { return dir_ + "/2.bc"; }
    QString backgroundPath() const { return dir_ + "/1.jpg"; }

  private:
    QString dir_;
};

// The first line of a text file (8-bit text in the system encoding, lines
// ended by CR LF). An empty QString on success; otherwise why it failed: the
// file is missing, unreadable or empty.
QString readFirstLine(const QString& path, QString& line);

// Replaces the file, whole or not at all, with `line` and CR LF. An empty
// QString on success, otherwise the reason. `privateFile` gives mode 0600.
QString writeSingleLine(const QString& path, const QString& line, bool privateFile);

// Copies `from` over `to`, whole or not at all. An empty QString on success.
QString copyWholeFile(const QString& from, const QString& to);
