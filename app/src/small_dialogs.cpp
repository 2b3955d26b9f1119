// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "small_dialogs.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "duoband/login_texts.h"
#include "user_dialogs.h"

namespace {

QLineEdit* addField(QFormLayout* form, QLabel* label, QLineEdit::EchoMode echo) {
    auto* edit = new QLineEdit;
    edit->setEchoMode(echo);
    if (echo == QLineEdit::Password) edit->setStyleSheet("lineedit-password-character: 42");  // '*'
    form->addRow(label, edit);
    label->setBuddy(edit);
    return edit;
}

// "Amend" and "Cancel" under the fields; Cancel (and Escape) closes the
// dialog, Enter in a field amends.
void addButtons(QDialog* dialog, QVBoxLayout* column, QPushButton*& amend, QPushButton*& cancel) {
    amend = new QPushButton(QCoreApplication::translate("SmallDialogs", "Amend"));
    cancel = new QPushButton(QCoreApplication::translate("SmallDialogs", "Cancel"));
    amend->setDefault(true);
    cancel->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(amend);
    row->addWidget(cancel);
    column->addLayout(row);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
}

// Shows the editor's refusal of a text, if there is one, in the window's language.
bool refused(QWidget* dialog, std::string_view refusal) {
    if (refusal.empty()) return false;
    userDialogs().warning(dialog,
                          QCoreApplication::translate("duoband", std::string(refusal).c_str()));
    return true;
}

void makeDialogFrame(QDialog* dialog, const QString& caption) {
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    dialog->setModal(true);
}

}  // namespace

PasswordDialog::PasswordDialog(DataFolder data, QWidget* parent)
    : QDialog(parent), data_(std::move(data)) {
    setObjectName("passwordDialog");
    makeDialogFrame(this, tr("Amend Password"));
    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    column->addLayout(form);
    oldPasswordLabel = new QLabel(tr("Old password:"));
    newPasswordLabel = new QLabel(tr("New Password:"));
    oldPasswordEdit = addField(form, oldPasswordLabel, QLineEdit::Password);
    newPasswordEdit = addField(form, newPasswordLabel, QLineEdit::Password);
    addButtons(this, column, amendButton, cancelButton);
    connect(amendButton, &QPushButton::clicked, this, &PasswordDialog::amend);
}

// The new password may be empty; it is stored as typed, with mode 0600.
void PasswordDialog::amend() {
    QString stored;
    QString error = readFirstLine(data_.passwordPath(), stored);
    if (!error.isEmpty()) {
        userDialogs().error(this, error);
        return;
    }
    if (oldPasswordEdit->text() != stored) {
        userDialogs().warning(this, tr("Password error!"));
        return;
    }
    if (refused(this, duoband::passwordRefusal(newPasswordEdit->text().toStdU32String()))) return;
    error = writeSingleLine(data_.passwordPath(), newPasswordEdit->text(), true);
    if (!error.isEmpty()) {
        userDialogs().error(this, error);
        return;
    }
    accept();
}

CompanyNameDialog::CompanyNameDialog(DataFolder data, QWidget* captionOwner, QWidget* parent)
    : QDialog(parent), data_(std::move(data)), captionOwner_(captionOwner) {
    setObjectName("companyNameDialog");
    makeDialogFrame(this, tr("Note"));
    auto* column = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    column->addLayout(form);
    companyNameLabel = new QLabel(tr(" Company Name:"));
    companyNameEdit = addField(form, companyNameLabel, QLineEdit::Normal);
    addButtons(this, column, amendButton, cancelButton);
    connect(amendButton, &QPushButton::clicked, this, &CompanyNameDialog::amend);
}

// Opens on the name in use, selected, in a field wide enough for it.
void CompanyNameDialog::showEvent(QShowEvent* event) {
    QString name;
    if (readFirstLine(data_.companyPath(), name).isEmpty()) companyNameEdit->setText(name);
    companyNameEdit->selectAll();
    const QFontMetrics metrics(companyNameEdit->font());
    companyNameEdit->setMinimumWidth(
        std::max(metrics.horizontalAdvance(name), metrics.averageCharWidth() * 30) + 16);
    adjustSize();
    QDialog::showEvent(event);
}

void CompanyNameDialog::amend() {
    const QString name = companyNameEdit->text();
    if (name.isEmpty()) {
        userDialogs().warning(this, tr("No Empty!"));
        return;
    }
    if (refused(this, duoband::companyNameRefusal(name.toStdU32String()))) return;
    const QString error = writeSingleLine(data_.companyPath(), name, false);
    if (!error.isEmpty()) {
        userDialogs().error(this, error);
        return;
    }
    accept();
    if (captionOwner_ != nullptr) captionOwner_->setWindowTitle(name);
}
