// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/page_widgets.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>

#include "user_dialogs.h"

namespace pages {

QString fromModelText(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toModelText(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) out.push_back(c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?');
    return out;
}

namespace {

// A text that ends in blanks (band A's range message) is also found without them.
QString translatedLine(const std::string& source) {
    QString shown = QCoreApplication::translate("duoband", source.c_str());
    const std::size_t end = source.find_last_not_of(' ') + 1;
    if (shown == QString::fromStdString(source) && end < source.size()) {
        shown = QCoreApplication::translate("duoband", source.substr(0, end).c_str()) +
                QString(static_cast<qsizetype>(source.size() - end), ' ');
    }
    return shown;
}

}  // namespace

// A message the core joined from texts of its own ("Write success!\nVerify
// success!") has no translation as a whole: each of its lines is looked up.
QString fromCoreText(std::string_view text) {
    const std::string source(text);
    const QString shown = translatedLine(source);
    if (shown != QString::fromStdString(source) || source.find('\n') == std::string::npos)
        return shown;
    QStringList lines;
    for (const QString& line : shown.split('\n')) lines << translatedLine(line.toStdString());
    return lines.join('\n');
}

QString fromCorePhrase(const duoband::Phrase& phrase) {
    return QString::fromStdString(duoband::render(
        phrase, [](std::string_view text) { return fromCoreText(text).toStdString(); }));
}

QString fromCoreDetail(const std::string& detail, const duoband::Phrase& why) {
    return why.empty() ? QString::fromStdString(detail) : fromCorePhrase(why);
}

namespace {

class ClosedListGuard final : public QObject {
  public:
    ClosedListGuard(ClosedListIgnores ignores, QObject* parent)
        : QObject(parent), ignores_(ignores) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel && event->type() != QEvent::KeyPress) return false;
        // (view() makes the list on first use, which sends the box events.)
        if (static_cast<QComboBox*>(watched)->view()->isVisible()) return false;
        // Ignored, the wheel goes on to the page under the list.
        if (event->type() == QEvent::Wheel) {
            event->ignore();
            return true;
        }
        if (ignores_ == ClosedListIgnores::WheelAndKeys && event->type() == QEvent::KeyPress) {
            return changesClosedList(static_cast<QKeyEvent*>(event));
        }
        return false;
    }

  private:
    static bool changesClosedList(const QKeyEvent* key) {
        if (key->modifiers() & Qt::AltModifier) return false;  // Alt+Down opens it
        switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Home:
            case Qt::Key_End:
                return true;
            default:
                return key->text().size() == 1 && key->text().at(0).isPrint() &&
                       key->text() != " ";  // Space opens it
        }
    }

    ClosedListIgnores ignores_;
};

}  // namespace

void guardClosedList(QComboBox* box, ClosedListIgnores ignores) {
    box->setFocusPolicy(Qt::StrongFocus);  // no focus by the wheel either
    box->installEventFilter(new ClosedListGuard(ignores, box));
}

QComboBox* makeChoiceBox(duoband::OptionList entries, const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(false);
    for (std::string_view entry : entries) box->addItem(fromCoreText(entry));
    guardClosedList(box, ClosedListIgnores::Wheel);
    return box;
}

void showChoice(QComboBox* box, const duoband::Choice& choice) {
    const QSignalBlocker quiet(box);
    box->setCurrentIndex(choice.index);
}

CommitLineEdit::CommitLineEdit(const QString& name, QWidget* parent) : QLineEdit(parent) {
    setObjectName(name);
    connect(this, &QLineEdit::textEdited, this, &CommitLineEdit::onTextEdited);
}

void CommitLineEdit::showText(const QString& text) {
    if (text != this->text()) setText(text);  // keeps the cursor where it is
    takenOver_ = text;
    forgetOwnUndo();
}

bool CommitLineEdit::commit() {
    if (text() == takenOver_) return false;
    forceCommit();
    return true;
}

void CommitLineEdit::forceCommit() {
    takenOver_ = text();
    emit committed();
    // The handler may have changed the text (an emptied entry): that is
    // the state now taken over.
    takenOver_ = text();
    forgetOwnUndo();
}

// Setting the text clears the edit's undo and redo; the cursor and the
// selection stay where they were.
void CommitLineEdit::forgetOwnUndo() {
    if (!isUndoAvailable() && !isRedoAvailable()) return;
    const int cursor = cursorPosition();
    const int start = selectionStart();
    const int length = static_cast<int>(selectedText().size());
    setText(text());
    if (length == 0) {
        setCursorPosition(cursor);
    } else if (cursor == start) {
        setSelection(start + length, -length);  // selected from the end
    } else {
        setSelection(start, length);
    }
}

namespace {

// The character a key filter judges, or 0 for keys that are no character
// (navigation, shortcuts), which the edit handles itself.
char32_t typedCharacter(const QKeyEvent* event) {
    if (event->key() == Qt::Key_Backspace) return duoband::kKeyBackspace;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return duoband::kKeyEnter;
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) return 0;
    const QString text = event->text();
    if (text.size() != 1 || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F) return 0;
    return text.at(0).unicode();
}

bool isUndoKey(const QKeyEvent* event) {
    return event->matches(QKeySequence::Undo);
}

// The window's Redo answers Ctrl+Y as well.
bool isRedoKey(const QKeyEvent* event) {
    return event->matches(QKeySequence::Redo) ||
           event->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
}

CommitLineEdit::KeyDecision judge(const CommitLineEdit::KeyFilter& filter, std::size_t length,
                                  char32_t key) {
    if (key != 0 && filter) return filter(length, key);
    if (key == duoband::kKeyEnter) return {{duoband::KeyAction::Commit, {}}, {}};
    return {};
}

// A typed character replaces the selection: a length limit counts what the
// edit holds without it.
std::size_t lengthBeforeKey(const QLineEdit& edit, char32_t key) {
    const bool replacesSelection =
        key != 0 && key != duoband::kKeyBackspace && key != duoband::kKeyEnter;
    const qsizetype selected = replacesSelection ? edit.selectedText().size() : 0;
    return static_cast<std::size_t>(edit.text().size() - selected);
}

}  // namespace

// A shortcut the edit does not take (the override left ignored) goes to
// the window's command.
bool CommitLineEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isUndoKey(key) || isRedoKey(key)) {
            const bool own = isUndoKey(key) ? isUndoAvailable() : isRedoAvailable();
            event->setAccepted(own);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void CommitLineEdit::keyPressEvent(QKeyEvent* event) {
    if (isRedoKey(event) && isRedoAvailable()) {  // QLineEdit knows only Ctrl+Shift+Z
        event->accept();
        redo();
        return;
    }
    const char32_t key = typedCharacter(event);
    const KeyDecision decision = judge(keyFilter_, lengthBeforeKey(*this, key), key);
    const duoband::KeyResult& verdict = decision.key;
    switch (verdict.action) {
        case duoband::KeyAction::Accept:
            if (verdict.replacement != 0) {
                event->accept();
                insert(QString(QChar(static_cast<char16_t>(verdict.replacement))));
                return;
            }
            QLineEdit::keyPressEvent(event);
            return;
        case duoband::KeyAction::Drop:
            event->accept();
            if (!verdict.message.empty()) {
                userDialogs().warning(this, fromCoreText(verdict.message));
            }
            return;
        case duoband::KeyAction::Commit:
            event->accept();
            emit enterPressed(commit());
            return;
        case duoband::KeyAction::FocusNext:
            event->accept();
            focusControl(decision.focusTo);  // leaving the edit commits it
            return;
    }
}

void CommitLineEdit::focusControl(const QString& name) {
    QWidget* next = window()->findChild<QWidget*>(name);
    if (next != nullptr) {
        next->setFocus(Qt::TabFocusReason);
    } else {
        focusNextChild();
    }
    commit();  // also when the focus could not move
}

void CommitLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A popup (the context menu) or another window takes the focus only for
    // a while; the text is taken over when the user really leaves the edit.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) commit();
}

void CommitLineEdit::onTextEdited(const QString& text) {
    if (sanitizer_) {
        const std::string clean = sanitizer_(text.toStdU32String());
        if (clean != toModelText(text)) setText(fromModelText(clean));
    }
    emit userEdited();
}

void commitFocusedEdit(QWidget* page) {
    auto* edit = qobject_cast<CommitLineEdit*>(QApplication::focusWidget());
    if (edit != nullptr && page->isAncestorOf(edit)) edit->commit();
}

void addFormRow(QGridLayout* layout, int row, int column, const QString& caption,
                QWidget* control) {
    auto* label = new QLabel(caption);
    label->setBuddy(control);
    layout->addWidget(label, row, 2 * column, Qt::AlignRight);
    layout->addWidget(control, row, 2 * column + 1);
}

}  // namespace pages
