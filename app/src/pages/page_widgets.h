// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Pieces that every editor page is built from: text conversion between the
// model (one byte per character) and Qt, drop-down lists that show a Choice,
// and the line edit whose text is taken over when it is left or on Enter.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "duoband/editor_keys.h"
#include "duoband/editor_model.h"
#include "duoband/phrase.h"

class QGridLayout;

namespace pages {

// Model texts hold the radio's bytes; they are shown as Latin-1.
QString fromModelText(std::string_view text);
// Characters beyond Latin-1 become '?', which every key filter refuses.
std::string toModelText(const QString& text);
// Texts of the core (captions, list entries, messages) are English UTF-8;
// the window shows them in its own language.
QString fromCoreText(std::string_view text);
// A report of the core (a paste's refusals, an import's notes, the port
// doctor's advice) in the window's language: each of its texts translated,
// its values as they are.
QString fromCorePhrase(const duoband::Phrase& phrase);
// A failure's detail in the window's language: its phrase, or the value it
// is (a file name) as it is.
QString fromCoreDetail(const std::string& detail, const duoband::Phrase& why);

// A drop-down list with the entries of `entries`, choose-only. Closed, it
// ignores the mouse wheel (which scrolls the page instead): only a pick
// from the opened list or the keyboard changes it.
QComboBox* makeChoiceBox(duoband::OptionList entries, const QString& name, QWidget* parent);

// Which input a closed list ignores.
enum class ClosedListIgnores { Wheel, WheelAndKeys };
// Keeps a closed list from changing by the wheel (and by arrow and letter
// keys): the port list changes only by an explicit pick.
void guardClosedList(QComboBox* box, ClosedListIgnores ignores);
// Shows `choice` without running any pick handler.
void showChoice(QComboBox* box, const duoband::Choice& choice);

// A line edit that takes its text over ("commits") when it loses the focus
// and when Enter is pressed, once per change: leaving an unchanged text, or
// a text the program has just shown, commits nothing.
// Its own undo holds only typing not yet taken over: once taken over, a
// change belongs to the configuration's history, and Undo and Redo (Ctrl+Z,
// Ctrl+Shift+Z, Ctrl+Y) go on to the window whenever the edit has nothing of
// its own to undo or redo.
class CommitLineEdit : public QLineEdit {
    Q_OBJECT
  public:
    // What the key filter decided, and for FocusNext the control to focus.
    struct KeyDecision {
        duoband::KeyResult key;
        QString focusTo;
    };
    // Judges one typed character (8 Backspace, 13 Enter); `length` is the
    // number of characters the edit holds before it.
    using KeyFilter = std::function<KeyDecision(std::size_t length, char32_t key)>;
    // Makes text that arrives otherwise (pasted, dropped) acceptable.
    using Sanitizer = std::function<std::string(std::u32string_view text)>;

    CommitLineEdit(const QString& name, QWidget* parent);

    void setKeyFilter(KeyFilter filter) { keyFilter_ = std::move(filter); }
    void setSanitizer(Sanitizer sanitizer) { sanitizer_ = std::move(sanitizer); }

    // Shows a text from the model: it counts as taken over.
    void showText(const QString& text);
    // Runs the commit when the text changed since it was last shown or
    // taken over; true when it ran.
    bool commit();
    // Runs the commit whatever the text.
    void forceCommit();
    std::string modelText() const { return toModelText(text()); }

  signals:
    void committed();
    // Enter, after the commit (`committed`: it ran): the owner hides the
    // entry or moves on.
    void enterPressed(bool committed);
    // Every change of the text by the user, after the sanitizer.
    void userEdited();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void onTextEdited(const QString& text);
    void focusControl(const QString& name);
    void forgetOwnUndo();

    KeyFilter keyFilter_;
    Sanitizer sanitizer_;
    QString takenOver_;
};

// Commits the focused CommitLineEdit when it lies inside `page`.
void commitFocusedEdit(QWidget* page);

// Adds "caption" and `control` as one row of a two-column form.
void addFormRow(QGridLayout* layout, int row, int column, const QString& caption, QWidget* control);

}  // namespace pages
