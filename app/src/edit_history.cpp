// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_history.h"

#include <QUndoCommand>
#include <algorithm>
#include <utility>

class EditHistory::Step final : public QUndoCommand {
  public:
    Step(EditHistory& history, State before, State after, const QString& text, QString mergeKey)
        : QUndoCommand(text),
          history_(history),
          before_(std::move(before)),
          after_(std::move(after)),
          mergeKey_(std::move(mergeKey)) {}

    void undo() override { history_.restore(before_); }
    // The first redo is the push: the model is already in its new state.
    void redo() override {
        if (!pushed_) {
            pushed_ = true;
            return;
        }
        history_.restore(after_);
    }
    int id() const override { return mergeKey_.isEmpty() ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const Step*>(other);
        if (next->mergeKey_ != mergeKey_) return false;
        after_ = next->after_;
        // Typing that ends where it began is no step at all.
        setObsolete(after_ == before_);
        return true;
    }
    void saveAfterAs(const ConfigurationFile& file) { after_.file = file; }

  private:
    EditHistory& history_;
    State before_;
    State after_;
    QString mergeKey_;
    bool pushed_ = false;
};

EditHistory::EditHistory(duoband::EditorModel& model, std::function<void()> showModel,
                         QObject* parent)
    : QObject(parent),
      model_(model),
      showModel_(std::move(showModel)),
      recorded_{std::make_shared<const duoband::EditorModel>(model), {}},
      saved_{recorded_} {  // the start-up configuration, as after New
    stack_.setUndoLimit(kStepsKept);
}

void EditHistory::record(const QString& text, const QString& mergeKey) {
    if (model_ == *recorded_.model && file_ == recorded_.file) return;
    State after{model_ == *recorded_.model ? recorded_.model
                                           : std::make_shared<const duoband::EditorModel>(model_),
                file_};
    State before = std::exchange(recorded_, after);
    stack_.push(new Step(*this, std::move(before), std::move(after), text, mergeKey));
    tellModified();
}

void EditHistory::markClean() {
    record(tr("Edit"));
    keepSaved();
}

// The step that led to the present state now leads to it under its new
// file, so a redo back to it after an undo names the file it was saved as.
// The stack hands its steps out const; they are ours.
void EditHistory::markSavedAs(const ConfigurationFile& file) {
    record(tr("Edit"));
    file_ = file;
    recorded_.file = file;
    if (stack_.index() > 0) {
        const_cast<Step*>(static_cast<const Step*>(stack_.command(stack_.index() - 1)))
            ->saveAfterAs(file);
    }
    keepSaved();
}

bool EditHistory::matchesSaved(const duoband::EditorModel& model,
                               const ConfigurationFile& file) const {
    const auto saved = std::ranges::find(saved_, file, &State::file);
    return saved != saved_.end() && *saved->model == model;
}

void EditHistory::keepSaved() {
    std::erase_if(saved_, [this](const State& s) { return s.file == recorded_.file; });
    saved_.push_back(recorded_);
    tellModified();
}

bool EditHistory::isModified() const {
    return !matchesSaved(model_, file_);
}

bool EditHistory::recordedIsModified() const {
    return !matchesSaved(*recorded_.model, recorded_.file);
}

void EditHistory::tellModified() {
    const bool modified = recordedIsModified();
    if (modified == modified_) return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void EditHistory::restore(const State& state) {
    model_ = *state.model;
    file_ = state.file;
    recorded_ = state;
    showModel_();
    tellModified();
}
