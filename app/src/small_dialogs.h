// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The two small dialogs of the editor: "Amend Password" changes the
// password in image/1.bc, "Note" the company name in image/2.bc.
// Both live for the whole run, so their fields keep what was typed.
#pragma once

#include <QDialog>

#include "data_folder.h"

class QLabel;
class QLineEdit;
class QPushButton;

class PasswordDialog : public QDialog {
    Q_OBJECT

  public:
    explicit PasswordDialog(DataFolder data, QWidget* parent = nullptr);

    QLabel* oldPasswordLabel;  // "Old password:"
    QLabel* newPasswordLabel;  // "New Password:"
    QLineEdit* oldPasswordEdit;
    QLineEdit* newPasswordEdit;
    QPushButton* amendButton;   // "Amend"
    QPushButton* cancelButton;  // "Cancel"

    void amend();

  private:
    DataFolder data_;
};

class CompanyNameDialog : public QDialog {
    Q_OBJECT

  public:
    // `captionOwner` is the main window, whose caption becomes the new name.
    CompanyNameDialog(DataFolder data, QWidget* captionOwner, QWidget* parent = nullptr);

    QLabel* companyNameLabel;  // " Company Name:"
    QLineEdit* companyNameEdit;
    QPushButton* amendButton;   // "Amend"
    QPushButton* cancelButton;  // "Cancel"

    void amend();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    DataFolder data_;
    QWidget* captionOwner_;
};
