// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the window shows in its own language (captions, list entries,
// messages) are kept here in English, the source language. Marked with
// QT_TRANSLATE_NOOP in the "duoband" context, Qt's lupdate finds them and
// the window looks them up; the settings file, the command line and the
// radio always take the English text. The definition is Qt's own, so both
// may be seen in one translation unit.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
