// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/channel_cell_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QSignalBlocker>
#include <QTimer>

#include "pages/channel_table_model.h"
#include "user_dialogs.h"

using duoband::CellEditorKind;
using duoband::CellPointer;
using duoband::ChannelColumnEditor;

bool isMenuKey(const QKeyEvent* key) {
    return key->keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_F10);
}

namespace {

CellKey cellKeyOf(const QKeyEvent* key) {
    if (isMenuKey(key)) return CellKey::Menu;
    const bool plain = key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier;
    switch (key->key()) {
        case Qt::Key_Tab:
            return CellKey::Next;
        case Qt::Key_Backtab:
            return CellKey::Previous;
        case Qt::Key_Escape:
            return CellKey::Cancel;
        case Qt::Key_Up:
            return plain ? CellKey::Up : CellKey::None;
        case Qt::Key_Down:
            return plain ? CellKey::Down : CellKey::None;
        default:
            return CellKey::None;
    }
}

ChannelGrid::Move gridMove(CellKey key) {
    switch (key) {
        case CellKey::Up:
            return ChannelGrid::Move::Up;
        case CellKey::Down:
            return ChannelGrid::Move::Down;
        case CellKey::Previous:
            return ChannelGrid::Move::Previous;
        default:
            return ChannelGrid::Move::Next;
    }
}

// Text with a tab or a line break is a block of cells, not one entry's text.
bool pastesCellBlock(const QKeyEvent* key) {
    const QString text = QGuiApplication::clipboard()->text();
    return key->matches(QKeySequence::Paste) && (text.contains('\t') || text.contains('\n'));
}

duoband::ChannelEntry entryOf(const ChannelColumnEditor& column) {
    if (column.kind == CellEditorKind::NameEntry) return duoband::ChannelEntry::Name;
    return column.column == duoband::Column::RxFrequency ? duoband::ChannelEntry::ReceiveFrequency
                                                         : duoband::ChannelEntry::TransmitFrequency;
}

QString editorObjectName(duoband::Band band, duoband::Column column) {
    const std::string_view name = duoband::channelColumns()[static_cast<std::size_t>(column)].name;
    return QString(band == duoband::Band::A ? "bandA." : "bandB.") +
           QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) + "Editor";
}

}  // namespace

// --- the entries -------------------------------------------------------------

CellEntry::CellEntry(duoband::ChannelEntry which, const QString& name, QWidget* parent)
    : CommitLineEdit(name, parent), which_(which) {
    setKeyFilter([which](std::size_t length, char32_t key) {
        return KeyDecision{duoband::channelEntryKey(which, length, key), {}};
    });
    // Pasted text becomes what typing it would ("146,55": 146.55), filtered
    // before it is cut: a length limit of the edit would cut first.
    setSanitizer(
        [which](std::u32string_view pasted) { return duoband::typedChannelEntry(which, pasted); });
}

void CellEntry::showCell(CellPointer cell, const QString& text) {
    cell_ = cell;
    showText(text);
}

bool CellEntry::event(QEvent* event) {
    // A block of cells goes to the grid: left unaccepted, the key goes on
    // to the window's Paste.
    if (event->type() == QEvent::ShortcutOverride &&
        pastesCellBlock(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const CellKey key = cellKeyOf(static_cast<QKeyEvent*>(event));
        if (key != CellKey::None) {
            emit cellKey(key);
            return true;
        }
    }
    return CommitLineEdit::event(event);
}

// --- the choice lists --------------------------------------------------------

CellChoice::CellChoice(duoband::OptionList entries, const QString& name, QWidget* parent)
    : QComboBox(parent) {
    setObjectName(name);
    for (std::string_view entry : entries) addItem(pages::fromCoreText(entry));
    pages::guardClosedList(this, pages::ClosedListIgnores::Wheel);
    setFocusPolicy(Qt::ClickFocus);
    view()->setMinimumWidth(sizeHint().width());
}

void CellChoice::showCell(CellPointer cell, int entry) {
    cell_ = cell;
    pages::showChoice(this, duoband::Choice{{}, entry});
    shownEntry_ = entry;
    pick_ = -1;
    typed_.clear();
}

void CellChoice::commitPick() {
    if (pick_ < 0) return;
    emit picked(std::exchange(pick_, -1));
}

void CellChoice::showPopup() {
    picked_ = false;
    QComboBox::showPopup();
}

// The list is hidden before a pick from it is reported: only then can
// the editor tell a list closed without a pick (Escape, a click beside it).
void CellChoice::hidePopup() {
    const bool wasOpen = view()->isVisible();
    QComboBox::hidePopup();
    if (!wasOpen) return;  // the editor itself is being hidden
    QTimer::singleShot(0, this, [this] {
        if (!isHidden() && !picked_ && !view()->isVisible()) emit closedWithoutPick();
    });
}

// Typed text selects the first entry it begins, without writing it.
bool CellChoice::typedKey(const QKeyEvent* key) {
    const QString text = key->text();
    if (text.size() != 1 || !text.at(0).isPrint() || text == " " ||
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        return false;
    }
    typed_ += text;
    const int found = findText(typed_, Qt::MatchStartsWith);
    if (found >= 0) {
        const QSignalBlocker quiet(this);
        setCurrentIndex(found);
    }
    return true;
}

// On the closed list: Up and Down open it; Tab, Shift+Tab and Enter take a
// selection changed by typing, and Enter opens the list when there is none.
bool CellChoice::event(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QComboBox::event(event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (typedKey(key)) return true;
    CellKey move = cellKeyOf(key);
    if (move == CellKey::Up || move == CellKey::Down) {
        showPopup();
        return true;
    }
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (enter && !changed()) {
        showPopup();
        return true;
    }
    if (enter) move = CellKey::Take;
    if (move == CellKey::None) return QComboBox::event(event);
    const bool takes = move == CellKey::Take || move == CellKey::Next || move == CellKey::Previous;
    if (takes && changed()) pick(currentIndex());
    emit cellKey(move);
    return true;
}

// --- the delegate ------------------------------------------------------------

ChannelCellDelegate::ChannelCellDelegate(duoband::EditorModel& model, duoband::Band band,
                                         ChannelTableModel& cells, QAbstractItemView* grid)
    : QStyledItemDelegate(grid), model_(model), band_(band), cells_(cells), grid_(grid) {
    for (const ChannelColumnEditor& column : duoband::channelColumnEditors()) {
        QWidget* editor = makeEditor(column, grid->viewport());
        editor->setAccessibleName(cells_.editorName(column.column));
        editor->hide();
        // A right-click on an open editor goes on to the grid: its menu, not
        // the line edit's own, which lacks the channel operations.
        editor->setContextMenuPolicy(Qt::NoContextMenu);
        editors_.at(static_cast<std::size_t>(column.column)) = editor;
    }
}

QWidget* ChannelCellDelegate::makeEditor(const ChannelColumnEditor& column, QWidget* parent) {
    const QString name = editorObjectName(band_, column.column);
    if (column.kind == CellEditorKind::Choice) {
        auto* box = new CellChoice(column.entries(), name, parent);
        // The grid keeps the focus while the list is closed: the arrow keys
        // go on moving between cells.
        box->setFocusProxy(grid_);
        connect(box, &QComboBox::activated, this, [this, box](int entry) {
            box->pick(entry);
            leaveCell(box, CellKey::Take);
        });
        connect(box, &CellChoice::picked, this,
                [this, box](int entry) { writeChoice(box, entry); });
        connect(box, &CellChoice::cellKey, this, [this, box](CellKey key) { leaveCell(box, key); });
        connect(box, &CellChoice::closedWithoutPick, this,
                [this, box] { leaveCell(box, CellKey::Cancel); });
        return box;
    }
    auto* entry = new CellEntry(entryOf(column), name, parent);
    connect(entry, &CellEntry::committed, this, [this, entry] { writeEntry(entry); });
    connect(entry, &CellEntry::enterPressed, this,
            [this, entry](bool committed) { enterInEntry(entry, committed); });
    connect(entry, &CellEntry::cellKey, this,
            [this, entry](CellKey key) { leaveCell(entry, key); });
    return entry;
}

// The editors live as long as the grid: the grid takes one and gives it back.
QWidget* ChannelCellDelegate::createEditor(QWidget*, const QStyleOptionViewItem&,
                                           const QModelIndex& index) const {
    open_ = editors_.at(static_cast<std::size_t>(index.column()));
    return open_;
}

void ChannelCellDelegate::destroyEditor(QWidget* editor, const QModelIndex&) const {
    if (editor == open_) open_ = nullptr;
}

void ChannelCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    CellPointer cell;
    const duoband::CellOpening opening = duoband::selectChannelCell(
        model_, band_, cell, duoband::columnAt(index.column()), ChannelTableModel::gridRow(index));
    if (auto* entry = qobject_cast<CellEntry*>(editor)) {
        entry->showCell(cell, pages::fromModelText(opening.text));
    } else if (auto* box = qobject_cast<CellChoice*>(editor)) {
        box->showCell(cell, opening.entry);
    }
}

// An entry writes its text when it changed since it was shown; a list
// writes a pick. Both come back to writeEntry and writeChoice.
void ChannelCellDelegate::setModelData(QWidget* editor, QAbstractItemModel*,
                                       const QModelIndex&) const {
    if (auto* entry = qobject_cast<CellEntry*>(editor)) {
        entry->commit();
    } else if (auto* box = qobject_cast<CellChoice*>(editor)) {
        box->commitPick();
    }
}

void ChannelCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                               const QModelIndex&) const {
    const QRect cell = option.rect;
    const int height = std::max(cell.height(), editor->sizeHint().height());
    editor->setGeometry(cell.left(), cell.top(), cell.width() + 2, height);
}

// The editors handle their own keys. Qt's filter would close an entry whose
// refused text waits for correction, and close an editor when the context
// menu takes the focus.
bool ChannelCellDelegate::eventFilter(QObject*, QEvent*) {
    return false;
}

void ChannelCellDelegate::closeOpenEditor(bool discard) {
    if (open_ == nullptr) return;
    if (auto* entry = qobject_cast<CellEntry*>(open_); entry != nullptr && discard) {
        entry->showText({});
    }
    emit closeEditor(open_, QAbstractItemDelegate::NoHint);
}

void ChannelCellDelegate::writeEntry(CellEntry* entry) {
    const CellPointer cell = entry->cell();
    const std::string text = entry->modelText();
    duoband::EntryAfterCommit after = duoband::EntryAfterCommit::Hide;
    std::string message;
    bool settingsReplaced = false;
    if (entry->which() == duoband::ChannelEntry::Name) {
        duoband::commitChannelName(model_, band_, cell, text);
    } else {
        duoband::FrequencyCommit result =
            duoband::commitChannelFrequency(model_, band_, cell, entry->which(), text);
        after = result.entry;
        message = std::move(result.message);
        settingsReplaced = result.settingsReplaced;
    }
    const QString typed = entry->text();
    lastWriteClean_ = message.empty();
    lastWriteKept_ = after == duoband::EntryAfterCommit::KeepText;
    cells_.rowChanged(cell.row);  // which shows the cell in its open entry again
    if (lastWriteKept_) entry->showText(typed);
    emit cellWritten(cell, settingsReplaced);
    if (!message.empty()) {
        userDialogs().warning(grid_, pages::fromCoreText(message));
        emit refused(cell, typed);
    }
    if (after == duoband::EntryAfterCommit::Hide) {
        entry->showText({});
        if (entry == open_) emit closeEditor(entry, QAbstractItemDelegate::NoHint);
    }
}

void ChannelCellDelegate::writeChoice(CellChoice* box, int entry) {
    duoband::commitChannelChoice(model_, band_, box->cell(), entry);
    cells_.rowChanged(box->cell().row);
    emit cellWritten(box->cell(), false);
}

void ChannelCellDelegate::enterInEntry(CellEntry* entry, bool committed) {
    // A refused text stays in its entry for correction.
    if (committed && lastWriteKept_ && !lastWriteClean_) return;
    if (entry == open_) emit closeEditor(entry, QAbstractItemDelegate::NoHint);
    if (!committed || lastWriteClean_) emit moveRequested(ChannelGrid::Move::Down);
}

void ChannelCellDelegate::leaveCell(QWidget* editor, CellKey key) {
    if (editor != open_) return;
    switch (key) {
        case CellKey::None:
            return;
        case CellKey::Menu:
            emit menuRequested();
            return;
        case CellKey::Cancel:
            // The editor goes without writing anything.
            if (auto* entry = qobject_cast<CellEntry*>(editor)) entry->showText(entry->text());
            emit closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
            return;
        case CellKey::Take:
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            return;
        case CellKey::Next:
        case CellKey::Previous:
        case CellKey::Up:
        case CellKey::Down:
            emit commitData(editor);
            emit closeEditor(editor, QAbstractItemDelegate::NoHint);
            emit moveRequested(gridMove(key));
            return;
    }
}
