// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/settings_controls.h"

#include <QComboBox>
#include <QGridLayout>

#include "pages/page_widgets.h"
#include "user_dialogs.h"

using duoband::SettingRef;

namespace pages {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void showMessage(QWidget* parent, std::string_view message) {
    if (!message.empty()) userDialogs().warning(parent, fromCoreText(message));
}

}  // namespace

SettingsControls::SettingsControls(duoband::EditorModel& model, QWidget* page)
    : QObject(page), model_(model), page_(page) {}

QWidget* SettingsControls::add(SettingRef ref) {
    const QString objectName = fromUtf8(duoband::settingObjectName(ref));
    Bound bound{ref};
    if (const duoband::Choice* choice = duoband::choiceOf(model_, ref)) {
        bound.box = makeList(ref, *choice, objectName);
    } else {
        bound.edit = makeEdit(ref, objectName);
    }
    bound_.push_back(bound);
    return bound.box != nullptr ? static_cast<QWidget*>(bound.box) : bound.edit;
}

void SettingsControls::addRows(QGridLayout* layout, int column, int firstRow,
                               std::span<const SettingRef> settings) {
    int row = firstRow;
    for (const SettingRef& ref : settings) {
        addFormRow(layout, row++, column,
                   fromCoreText(duoband::setting(ref.id).captionFor(ref.band)), add(ref));
    }
}

QComboBox* SettingsControls::makeList(SettingRef ref, const duoband::Choice& choice,
                                      const QString& name) {
    QComboBox* box = makeChoiceBox(choice.entries, name, page_);
    connect(box, &QComboBox::activated, this,
            [this, ref, box](int entry) { pick(ref, box, entry); });
    return box;
}

CommitLineEdit* SettingsControls::makeEdit(SettingRef ref, const QString& name) {
    auto* edit = new CommitLineEdit(name, page_);
    edit->setKeyFilter([ref](std::size_t length, char32_t key) {
        const duoband::SettingsKey verdict = duoband::settingsKey(ref, length, key);
        QString focusTo;
        if (verdict.focusTo) focusTo = fromUtf8(duoband::settingObjectName(*verdict.focusTo));
        return CommitLineEdit::KeyDecision{verdict.key, focusTo};
    });
    edit->setSanitizer(
        [ref](std::u32string_view pasted) { return duoband::filterPastedText(ref, pasted); });
    connect(edit, &CommitLineEdit::committed, this, [this, ref, edit] { takeOver(ref, edit); });
    if (duoband::takenOverAtEveryChange(ref)) {
        connect(edit, &CommitLineEdit::userEdited, edit, &CommitLineEdit::commit);
    }
    return edit;
}

void SettingsControls::pick(SettingRef ref, QComboBox* box, int entry) {
    duoband::pickChoice(model_, ref, entry);
    // A refused pick leaves the model as it was: show what it holds.
    showChoice(box, *duoband::choiceOf(model_, ref));
    reportEdit(ref);
}

void SettingsControls::takeOver(SettingRef ref, CommitLineEdit* edit) {
    const std::optional<duoband::TextCommit> result =
        duoband::commitText(model_, ref, edit->modelText());
    if (!result) return;
    edit->showText(fromModelText(result->text));
    reportEdit(ref);
    showMessage(edit, result->message);
}

void SettingsControls::reportEdit(SettingRef ref) {
    QString caption = fromCoreText(duoband::setting(ref.id).captionFor(ref.band)).trimmed();
    if (caption.endsWith(':')) caption.chop(1);
    emit edited(tr("Change %1").arg(caption.trimmed()), fromUtf8(duoband::settingObjectName(ref)));
}

void SettingsControls::showModel() {
    for (const Bound& bound : bound_) {
        if (bound.box != nullptr) {
            showChoice(bound.box, *duoband::choiceOf(model_, bound.ref));
        } else {
            bound.edit->showText(fromModelText(*duoband::textOf(model_, bound.ref)));
        }
    }
}

}  // namespace pages
