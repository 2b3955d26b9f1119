// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the settings pages, made from the settings table: a
// drop-down list for a setting that holds a choice, a line edit for one that
// holds a text. Picks and texts go through the settings editing rules, which encode
// them into the block fields and return the messages shown here.
#pragma once

#include <QObject>
#include <span>
#include <string_view>
#include <vector>

#include "duoband/editor_model.h"
#include "duoband/settings_editing.h"
#include "duoband/settings_table.h"

class QComboBox;
class QGridLayout;
class QWidget;

namespace pages {

class CommitLineEdit;

class SettingsControls : public QObject {
    Q_OBJECT
  public:
    SettingsControls(duoband::EditorModel& model, QWidget* page);

    // Makes the control of a setting (objectName settingObjectName(ref)) as a
    // child of the page.
    QWidget* add(duoband::SettingRef ref);
    // Adds `settings` as captioned rows of `layout` in `column`, from `firstRow`.
    void addRows(QGridLayout* layout, int column, int firstRow,
                 std::span<const duoband::SettingRef> settings);

    // Shows the model in every control without running any pick or commit.
    void showModel();

  signals:
    // After every pick and commit: the undo step's name, and the key under
    // which consecutive changes of one control become one step.
    void edited(const QString& step, const QString& mergeKey);

  private:
    struct Bound {
        duoband::SettingRef ref;
        QComboBox* box = nullptr;
        CommitLineEdit* edit = nullptr;
    };
    QComboBox* makeList(duoband::SettingRef ref, const duoband::Choice& choice,
                        const QString& name);
    CommitLineEdit* makeEdit(duoband::SettingRef ref, const QString& name);
    void pick(duoband::SettingRef ref, QComboBox* box, int entry);
    void takeOver(duoband::SettingRef ref, CommitLineEdit* edit);
    void reportEdit(duoband::SettingRef ref);

    duoband::EditorModel& model_;
    QWidget* page_;
    std::vector<Bound> bound_;
};

}  // namespace pages
