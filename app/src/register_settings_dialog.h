// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Settings > Radio Register…: where the window records its jobs. Empty is
// the data folder's file; otherwise a SQLite file or a postgresql://
// address, which never holds the password (~/.pgpass or PGPASSWORD do): an
// address with one is refused, saying so, and the dialog stays open.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

class RegisterSettingsDialog : public QDialog {
    Q_OBJECT

  public:
    // Its parts are found by their object names: "registerAddressEdit",
    // "registerAddressProblem". `dataFolderFile` is the default's path.
    RegisterSettingsDialog(const QString& dataFolderFile, QWidget* parent);
    // Shows `address` (empty: the default) for editing.
    void showAddress(const QString& address);
    QString address() const;

    void accept() override;

  private:
    QLineEdit* addressEdit_;
    QLabel* problem_;
};
