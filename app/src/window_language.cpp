// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<QTranslator>>& installed() {
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

void removeInstalled() {
    for (const auto& translator : installed()) QCoreApplication::removeTranslator(translator.get());
    installed().clear();
}

bool install(const QLocale& locale, const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, "_", folder)) return false;
    QCoreApplication::installTranslator(translator.get());
    installed().push_back(std::move(translator));
    return true;
}

}  // namespace

bool installWindowLanguage(const QString& language) {
    removeInstalled();
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    // English needs only its plural forms ("1 channel", "2 channels").
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return install(QLocale(QLocale::English), "duoband", ":/i18n");
    if (!install(locale, "duoband", ":/i18n")) return false;
    // Qt's own texts (the buttons of message boxes), when the system has them.
    install(locale, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return true;
}
