// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's language: English is the source language, and a translation
// built into the program (":/i18n/duoband_<lang>.qm") replaces it, chosen by
// the system's locale or by --lang. Only the window is translated: the
// settings file, the command line and the radio keep the English texts.
#pragma once

#include <QString>

// Installs the translation for `language` ("en", "zh_CN"; empty: the
// system's locale), removing any installed before. False when a language
// other than English has no translation; the window then stays English.
bool installWindowLanguage(const QString& language);
