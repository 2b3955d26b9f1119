// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app_settings.h"
#include "duoband/version.h"

namespace {

// The licence's name and text stay as the package states them: a licence is
// never shown in a translation of its words, only introduced in the
// window's language.
QString licence() {
    const auto text = [](std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    };
    return AboutDialog::tr("Licence: %1").arg(text(duoband::kLicence)) + '\n' +
           AboutDialog::tr("The licence's own words, which alone are binding:") + '\n' +
           text(duoband::kLicenceNotice);
}

QString aboutText(const DataFolder& data) {
    return AboutDialog::tr(
               "duoband %1\n"
               "Programs a dual-band handheld two-way radio over a serial port.\n\n"
               "%2\n\n"
               "Data folder (password, company name, background):\n%3\n\n"
               "Preferences (window, last port, last folder):\n%4")
        .arg(QString::fromUtf8(duoband::kVersion.data(),
                               static_cast<qsizetype>(duoband::kVersion.size())),
             licence(), QDir::toNativeSeparators(data.dir()),
             QDir::toNativeSeparators(appSettings::location()));
}

}  // namespace

AboutDialog::AboutDialog(const DataFolder& data, QWidget* parent) : QDialog(parent) {
    setObjectName("aboutDialog");
    setWindowTitle(tr("About duoband"));
    setModal(true);
    text = new QLabel(aboutText(data));
    text->setTextFormat(Qt::PlainText);  // the licence names addresses in <...>
    text->setObjectName("aboutText");
    text->setWordWrap(true);
    text->setMinimumWidth(420);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addWidget(text);
    column->addWidget(buttons);
    buttons->button(QDialogButtonBox::Close)->setFocus();
}
