#include "about_dialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app_settings.h"
#include "duoband/version.h"

#if !defined(DUOBAND_LICENCE_NAME) || !defined(DUOBAND_LICENCE_TEXT)
#error "the build takes the licence from packaging/copyright"
#endif

namespace {

// The licence's name and text stay as the package states them: a licence is
// never shown in a translation of its words, only introduced in the
// window's language.
QString licence() {
    return AboutDialog::tr("Licence: %1").arg(QString::fromUtf8(DUOBAND_LICENCE_NAME)) + '\n' +
           AboutDialog::tr("The licence's own words, which alone are binding:") + '\n' +
           QString::fromUtf8(DUOBAND_LICENCE_TEXT);
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
