// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo for the whole configuration. Every step keeps the model as
// it was before and after the change: a complete copy, so an undo restores
// every cell, every page control and every block field byte for byte (the
// encoders write block fields at each change). A copy is about 100 KB and
// consecutive steps share theirs, so 200 steps stay near 20 MB.
//
// The file a configuration belongs to is part of each step's state: undoing
// an Open or a Read brings back the file the earlier content belongs to, so
// Save never writes one configuration into another's file.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <vector>

#include "duoband/editor_model.h"

// Where a configuration belongs.
struct ConfigurationFile {
    QString path;    // the file Save writes; empty: untitled, Save asks for a name
    QString origin;  // untitled: where it came from ("read from /dev/ttyUSB0"); empty: New
    bool operator==(const ConfigurationFile&) const = default;
};

class EditHistory : public QObject {
    Q_OBJECT
  public:
    static constexpr int kStepsKept = 200;

    // `showModel` shows the model again after an undo or redo.
    EditHistory(duoband::EditorModel& model, std::function<void()> showModel, QObject* parent);
    // Clearing the stack signals; nobody listens any more.
    ~EditHistory() override { stack_.disconnect(); }

    QUndoStack& stack() { return stack_; }

    // The file the configuration belongs to now; undo and redo restore it.
    const ConfigurationFile& file() const { return file_; }
    // The configuration belongs to `file` from now on; the next record()
    // takes it into the step with the model.
    void setFile(ConfigurationFile file) { file_ = std::move(file); }

    // Records what the model and its file went through since the last record
    // as one step named `text`; nothing when neither changed. Consecutive
    // steps with the same non-empty `mergeKey` (typing in one field) become one.
    void record(const QString& text, const QString& mergeKey = {});
    // Records, then takes the present state as saved (New, Open, Save, a
    // full Write), in the file it belongs to.
    void markClean();
    // The present state was saved as `file` (Save As): it belongs to that file
    // from now on, without a step of its own, since saving changes no content.
    void markSavedAs(const ConfigurationFile& file);
    // The model differs from what its file held when last opened or saved
    // there (a configuration never saved, as a read, always differs), so an
    // undo back to a file as it was opened is unmodified again.
    bool isModified() const;
    // The same for the model as the last record left it.
    bool recordedIsModified() const;
    // The model as the last record left it.
    const duoband::EditorModel& recordedModel() const { return *recorded_.model; }

  signals:
    void modifiedChanged(bool modified);

  private:
    class Step;
    struct State {
        std::shared_ptr<const duoband::EditorModel> model;
        ConfigurationFile file;
        bool operator==(const State& other) const {
            return file == other.file && *model == *other.model;
        }
    };
    void restore(const State& state);
    // `model` is what `file` held when it was last opened or saved.
    bool matchesSaved(const duoband::EditorModel& model, const ConfigurationFile& file) const;
    void keepSaved();
    void tellModified();

    duoband::EditorModel& model_;
    ConfigurationFile file_;
    std::function<void()> showModel_;
    QUndoStack stack_;
    State recorded_;            // the model and file as the top step left them
    std::vector<State> saved_;  // each file as last opened or saved, one entry per file
    bool modified_ = false;     // as last told
};
