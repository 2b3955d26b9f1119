// Undo and redo for the whole configuration. Every step keeps the model as
// it was before and after the change: a complete copy, so an undo restores
// every cell, every page control and every block field byte for byte (the
// encoders write block fields at each change). A copy is about 100 KB and
// consecutive steps share theirs, so 200 steps stay near 20 MB.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "duoband/editor_model.h"

class EditHistory : public QObject {
    Q_OBJECT
  public:
    static constexpr int kStepsKept = 200;

    // `showModel` shows the model again after an undo or redo.
    EditHistory(duoband::EditorModel& model, std::function<void()> showModel, QObject* parent);
    // Clearing the stack signals; nobody listens any more.
    ~EditHistory() override { stack_.disconnect(); }

    QUndoStack& stack() { return stack_; }

    // Records what the model went through since the last record as one step
    // named `text`; nothing when it did not change. Consecutive steps with
    // the same non-empty `mergeKey` (typing in one field) become one.
    void record(const QString& text, const QString& mergeKey = {});
    // Records, then takes the present state as saved (New, Open, Save, a
    // full Read or Write).
    void markClean();
    // The model differs from the last clean point.
    bool isModified() const;
    // The model as the last record left it.
    const duoband::EditorModel& recordedModel() const { return *recorded_; }

  signals:
    void modifiedChanged(bool modified);

  private:
    class Step;
    using Snapshot = std::shared_ptr<const duoband::EditorModel>;
    void restore(const Snapshot& state);

    duoband::EditorModel& model_;
    std::function<void()> showModel_;
    QUndoStack stack_;
    Snapshot recorded_;  // the model as the top step left it
};
