// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "document.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>

Document::Document(QObject* parent) : QObject(parent) {
    history_ = new EditHistory(
        model_, [this] { emit replaced(); }, this);
    connect(history_, &EditHistory::modifiedChanged, this, &Document::modifiedChanged);
    // An undo or redo may bring back another file with the content.
    connect(&history_->stack(), &QUndoStack::indexChanged, this, &Document::renamed);
}

QString Document::name() const {
    const ConfigurationFile& file = history_->file();
    if (!file.path.isEmpty()) return QFileInfo(file.path).fileName();
    // The window's words, translated as its caption always was.
    return file.origin.isEmpty()
               ? QCoreApplication::translate("MainWindow", "untitled")
               : QCoreApplication::translate("MainWindow", "untitled (%1)").arg(file.origin);
}

bool Document::hasUnsavedChanges() const {
    return isReadAside() ? history_->recordedIsModified() : history_->isModified();
}

void Document::readAside(bool running) {
    readsAside_ = std::max(0, readsAside_ + (running ? 1 : -1));
}

void Document::record(const QString& step, const QString& mergeKey) {
    history_->record(step, mergeKey);
}

void Document::replace(const duoband::EditorModel& model, ConfigurationFile file,
                       const QString& step) {
    model_ = model;
    history_->setFile(std::move(file));
    emit replaced();
    history_->record(step);
    emit renamed();
}

void Document::markClean() {
    history_->markClean();
    emit renamed();
}

void Document::markSavedAs(ConfigurationFile file) {
    if (isReadAside()) return;
    history_->markSavedAs(file);
    emit renamed();
}
