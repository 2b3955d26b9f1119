// The controls of the settings pages, made from their names: a drop-down
// list for a control that holds a choice, a line edit for one that holds a
// text. Picks and texts go through the settings editing rules, which encode
// them into the block fields and return the messages shown here.
#pragma once

#include <QObject>
#include <span>
#include <string_view>
#include <vector>

#include "duoband/editor_model.h"
#include "duoband/page_captions.h"
#include "duoband/settings_editing.h"

class QComboBox;
class QGridLayout;
class QWidget;

namespace pages {

class CommitLineEdit;

class SettingsControls : public QObject {
    Q_OBJECT
  public:
    SettingsControls(duoband::EditorModel& model, QWidget* page);

    // Makes the control `name` (objectName `name`) as a child of the page.
    QWidget* add(std::string_view name);
    // Adds `controls` as captioned rows of `layout` in `column`, from `firstRow`.
    void addRows(QGridLayout* layout, int column, int firstRow,
                 std::span<const duoband::CaptionedControl> controls);

    // Shows the model in every control without running any pick or commit.
    void showModel();

  private:
    struct Bound {
        duoband::SettingsControl control;
        QComboBox* box = nullptr;
        CommitLineEdit* edit = nullptr;
    };
    QComboBox* makeList(const duoband::SettingsControl& control, const duoband::Choice& choice,
                        const QString& name);
    CommitLineEdit* makeEdit(const duoband::SettingsControl& control, const QString& name);
    void pick(const duoband::SettingsControl& control, QComboBox* box, int entry);
    void takeOver(const duoband::SettingsControl& control, CommitLineEdit* edit);

    duoband::EditorModel& model_;
    QWidget* page_;
    std::vector<Bound> bound_;
};

}  // namespace pages
