// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration being edited, apart from the window that shows it: the
// configuration itself, the file it belongs to, its undo history, whether it
// holds unsaved changes, and whether it is read aside (an exchange with the
// radio runs, and only what was recorded before it counts). The main window
// shows one document; the station and the compare panel take it, or a copy
// of its configuration with its name.
#pragma once

#include <QObject>
#include <QString>
#include <optional>

#include "duoband/editor_model.h"
#include "edit_history.h"

class Document : public QObject {
    Q_OBJECT

  public:
    explicit Document(QObject* parent = nullptr);

    duoband::EditorModel& model() { return model_; }
    const duoband::EditorModel& model() const { return model_; }
    EditHistory& history() { return *history_; }
    const EditHistory& history() const { return *history_; }

    // The settings file or image Save writes; empty while the configuration
    // is untitled (new, read from the radio, opened from a backup).
    QString fileName() const { return history_->file().path; }
    // "radio.bc"; "untitled (read from /dev/ttyUSB0)".
    QString name() const;
    // The configuration differs from its last clean point (New, Open, Save,
    // a full Write). While it is read aside only what was recorded counts.
    bool hasUnsavedChanges() const;
    // An exchange with the radio starts or ends (calls nest).
    void readAside(bool running);
    bool isReadAside() const { return readsAside_ > 0; }

    // Records the model's change since the last step as step `step`.
    void record(const QString& step, const QString& mergeKey = {});
    // Replaces the configuration with `model`, belonging to `file`, as one
    // step named `step`.
    void replace(const duoband::EditorModel& model, ConfigurationFile file, const QString& step);
    // After New, Open and a full Write.
    void markClean();
    // Saved as `file` (Save As); while read aside the file stays as it is.
    void markSavedAs(ConfigurationFile file);

    // The channel plan's problems were answered "Write Anyway" for the
    // configuration as it is now: asked once per configuration, not per radio.
    bool planProblemsAccepted() const { return accepted_ && *accepted_ == model_; }
    void acceptPlanProblems() { accepted_ = model_; }

  signals:
    // The model was replaced (an undo, a redo, New, Open, a Read): show it.
    void replaced();
    // The name or the modified mark may have changed.
    void renamed();
    void modifiedChanged(bool modified);

  private:
    duoband::EditorModel model_;
    EditHistory* history_;
    int readsAside_ = 0;
    std::optional<duoband::EditorModel> accepted_;  // the configuration written despite problems
};
