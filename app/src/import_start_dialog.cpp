// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "import_start_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

ImportStartDialog::ImportStartDialog(int rows, QWidget* parent) : QDialog(parent) {
    setObjectName("importStartDialog");
    setWindowTitle(tr("Import channels"));
    auto* why = new QLabel(
        tr("The file names no channels. Its %n row(s) go one after the other from:", "", rows));
    why->setWordWrap(true);
    band = new QComboBox;
    band->setObjectName("importBand");
    band->addItems({tr("A/Upper Band"), tr("B/Under Band")});
    firstChannel = new QSpinBox;
    firstChannel->setObjectName("importFirstChannel");
    firstChannel->setRange(1, duoband::ChannelTable::kChannels);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(why);
    form->addRow(tr("&Band:"), band);
    form->addRow(tr("&First channel:"), firstChannel);
    form->addRow(buttons);
}

duoband::CsvStart ImportStartDialog::start() const {
    return {band->currentIndex() == 0 ? duoband::Band::A : duoband::Band::B, firstChannel->value()};
}
