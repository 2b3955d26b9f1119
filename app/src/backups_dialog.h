// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File > Backups...: the images kept of every full read and write, newest
// first, with when, what and on which port, and the first channel names to
// tell them apart. Open takes the chosen one into the editor.
#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>

class QPushButton;
class QTreeWidget;

class BackupsDialog : public QDialog {
    Q_OBJECT
  public:
    BackupsDialog(const std::filesystem::path& folder, QWidget* parent);

    // The backup chosen with Open; empty otherwise.
    QString chosen() const;

    QTreeWidget* list;
    QPushButton* openButton;
};
