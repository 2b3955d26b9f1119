// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shared by the page tests: answers for the dialog seam that record every
// message instead of waiting in a modal loop, and lookups of page controls
// by their window names.
#pragma once

#include <QApplication>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "user_dialogs.h"

class RecordingDialogs final : public UserDialogs {
  public:
    RecordingDialogs() { installUserDialogs(this); }
    ~RecordingDialogs() override { installUserDialogs(nullptr); }

    void information(QWidget*, const QString& text) override { messages << text; }
    void warning(QWidget*, const QString& text) override { messages << text; }
    void error(QWidget*, const QString& text) override { messages << text; }
    bool confirm(QWidget*, const QString& text) override { return messages << text, true; }
    SaveAnswer askToSave(QWidget*, const QString& text) override {
        return messages << text, SaveAnswer::Discard;
    }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }

    QStringList messages;
};

// The control named `name` below `root`; fails the test when there is none.
template <typename T>
T* control(QWidget* root, const QString& name) {
    T* found = root->findChild<T*>(name);
    if (found == nullptr) qFatal("no control %s", qPrintable(name));
    return found;
}

// Shows `page` as an active top-level window so that focus changes happen
// as they do for a user.
inline bool showActive(QWidget& page) {
    page.resize(1280, 700);
    page.show();
    page.activateWindow();
    return QTest::qWaitForWindowActive(&page);
}

// Gives `widget` the focus and waits until it has it.
inline bool focus(QWidget* widget) {
    widget->setFocus(Qt::MouseFocusReason);
    return QTest::qWaitFor([widget] { return widget->hasFocus(); }, 1000);
}
