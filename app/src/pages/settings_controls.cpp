#include "pages/settings_controls.h"

#include <QComboBox>
#include <QGridLayout>
#include <stdexcept>

#include "pages/page_widgets.h"
#include "user_dialogs.h"

using duoband::SettingsControl;
using duoband::SettingsPage;

namespace pages {

namespace {

// Texts that cannot fail are taken over at every change, like the radio's
// own key-release encoder of the DTMF codes.
bool takenOverAtEveryChange(const SettingsControl& control) {
    return control.page == SettingsPage::Dtmf || control.page == SettingsPage::Codes ||
           control.page == SettingsPage::Boot;
}

void showMessage(QWidget* parent, std::string_view message) {
    if (!message.empty()) userDialogs().information(parent, fromEntry(message));
}

}  // namespace

SettingsControls::SettingsControls(duoband::EditorModel& model, QWidget* page)
    : QObject(page), model_(model), page_(page) {}

QWidget* SettingsControls::add(std::string_view name) {
    const std::optional<SettingsControl> control = duoband::settingsControlNamed(name);
    if (!control) throw std::logic_error("no settings control " + std::string(name));
    const QString objectName =
        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    Bound bound{*control};
    if (const duoband::Choice* choice = duoband::choiceOf(model_, *control)) {
        bound.box = makeList(*control, *choice, objectName);
    } else {
        bound.edit = makeEdit(*control, objectName);
    }
    bound_.push_back(bound);
    return bound.box != nullptr ? static_cast<QWidget*>(bound.box) : bound.edit;
}

void SettingsControls::addRows(QGridLayout* layout, int column, int firstRow,
                               std::span<const duoband::CaptionedControl> controls) {
    int row = firstRow;
    for (const duoband::CaptionedControl& control : controls) {
        addFormRow(
            layout, row++, column,
            QString::fromUtf8(control.caption.data(), static_cast<int>(control.caption.size())),
            add(control.name));
    }
}

QComboBox* SettingsControls::makeList(const SettingsControl& control, const duoband::Choice& choice,
                                      const QString& name) {
    QComboBox* box = makeChoiceBox(choice.entries, name, page_);
    connect(box, &QComboBox::activated, this,
            [this, control, box](int entry) { pick(control, box, entry); });
    return box;
}

CommitLineEdit* SettingsControls::makeEdit(const SettingsControl& control, const QString& name) {
    auto* edit = new CommitLineEdit(name, page_);
    edit->setKeyFilter([control](std::size_t length, char32_t key) {
        const duoband::SettingsKey verdict = duoband::settingsKey(control, length, key);
        QString focusTo;
        if (verdict.focusTo) {
            focusTo = QString::fromStdString(duoband::settingsControlName(*verdict.focusTo));
        }
        return CommitLineEdit::KeyDecision{verdict.key, focusTo};
    });
    edit->setSanitizer([control](std::u32string_view pasted) {
        return duoband::filterPastedText(control, pasted);
    });
    connect(edit, &CommitLineEdit::committed, this,
            [this, control, edit] { takeOver(control, edit); });
    if (takenOverAtEveryChange(control)) {
        connect(edit, &CommitLineEdit::userEdited, edit, &CommitLineEdit::commit);
    }
    return edit;
}

void SettingsControls::pick(const SettingsControl& control, QComboBox* box, int entry) {
    duoband::pickChoice(model_, control, entry);
    // A refused pick leaves the model as it was: show what it holds.
    showChoice(box, *duoband::choiceOf(model_, control));
}

void SettingsControls::takeOver(const SettingsControl& control, CommitLineEdit* edit) {
    const std::optional<duoband::TextCommit> result =
        duoband::commitText(model_, control, edit->modelText());
    if (!result) return;
    edit->showText(fromModelText(result->text));
    showMessage(edit, result->message);
}

void SettingsControls::showModel() {
    for (const Bound& bound : bound_) {
        if (bound.box != nullptr) {
            showChoice(bound.box, *duoband::choiceOf(model_, bound.control));
        } else {
            bound.edit->showText(fromModelText(*duoband::textOf(model_, bound.control)));
        }
    }
}

}  // namespace pages
