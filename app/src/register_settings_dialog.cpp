// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "register_settings_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "duoband/radio_register.h"
#include "pages/page_widgets.h"

RegisterSettingsDialog::RegisterSettingsDialog(const QString& dataFolderFile, QWidget* parent)
    : QDialog(parent) {
    setObjectName("registerSettingsDialog");
    setWindowTitle(tr("Radio Register"));
    addressEdit_ = new QLineEdit;
    addressEdit_->setObjectName("registerAddressEdit");
    addressEdit_->setAccessibleName(tr("Register address"));
    addressEdit_->setPlaceholderText(dataFolderFile);
    addressEdit_->setMinimumWidth(addressEdit_->fontMetrics().averageCharWidth() * 60);
    auto* label = new QLabel(tr("The register every job is recorded in: a SQLite &file, or a "
                                "postgresql:// address shared by several benches. Empty: %1. "
                                "The password of a server goes in ~/.pgpass or PGPASSWORD, never "
                                "in the address.")
                                 .arg(dataFolderFile));
    label->setWordWrap(true);
    label->setBuddy(addressEdit_);
    problem_ = new QLabel;
    problem_->setObjectName("registerAddressProblem");
    problem_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &RegisterSettingsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(label);
    column->addWidget(addressEdit_);
    column->addWidget(problem_);
    column->addWidget(buttons);
}

void RegisterSettingsDialog::showAddress(const QString& address) {
    addressEdit_->setText(address);
    problem_->clear();
}

QString RegisterSettingsDialog::address() const {
    return addressEdit_->text().trimmed();
}

void RegisterSettingsDialog::accept() {
    const duoband::Phrase problem = duoband::registerAddressProblem(address().toStdString());
    if (!problem.empty()) {
        problem_->setText(pages::fromCorePhrase(problem));
        addressEdit_->setFocus();
        return;
    }
    QDialog::accept();
}
