#include "edit_history.h"

#include <QUndoCommand>

class EditHistory::Step final : public QUndoCommand {
  public:
    Step(EditHistory& history, Snapshot before, Snapshot after, const QString& text,
         QString mergeKey)
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
        setObsolete(*after_ == *before_);
        return true;
    }

  private:
    EditHistory& history_;
    Snapshot before_;
    Snapshot after_;
    QString mergeKey_;
    bool pushed_ = false;
};

EditHistory::EditHistory(duoband::EditorModel& model, std::function<void()> showModel,
                         QObject* parent)
    : QObject(parent),
      model_(model),
      showModel_(std::move(showModel)),
      recorded_(std::make_shared<const duoband::EditorModel>(model)) {
    stack_.setUndoLimit(kStepsKept);
    connect(&stack_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

void EditHistory::record(const QString& text, const QString& mergeKey) {
    if (model_ == *recorded_) return;
    Snapshot after = std::make_shared<const duoband::EditorModel>(model_);
    Snapshot before = std::exchange(recorded_, after);
    stack_.push(new Step(*this, std::move(before), std::move(after), text, mergeKey));
}

void EditHistory::markClean() {
    record(tr("Edit"));
    stack_.setClean();
}

bool EditHistory::isModified() const {
    return !stack_.isClean() || model_ != *recorded_;
}

void EditHistory::restore(const Snapshot& state) {
    model_ = *state;
    recorded_ = state;
    showModel_();
}
