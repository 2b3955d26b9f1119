// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/channel_table_page.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "duoband/settings_table.h"
#include "pages/channel_table_model.h"
#include "pages/page_widgets.h"
#include "user_dialogs.h"

using duoband::Band;
using duoband::CellEditorKind;
using duoband::ChannelColumnEditor;
using duoband::ChannelTable;

namespace {

int gridWidth(duoband::Column column) {
    return duoband::channelColumn(column).gridWidth;
}

constexpr int kHeaderHeight = 40;
constexpr int kRowHeight = 30;

bool isPrintable(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) {
        return false;
    }
    const QString text = event->text();
    return text.size() == 1 && text.at(0).isPrint();
}

duoband::ChannelEntry entryOf(const ChannelColumnEditor& column) {
    if (column.kind == CellEditorKind::NameEntry) return duoband::ChannelEntry::Name;
    return column.column == duoband::Column::RxFrequency ? duoband::ChannelEntry::ReceiveFrequency
                                                         : duoband::ChannelEntry::TransmitFrequency;
}

QString bandPrefix(Band band) {
    return band == Band::A ? "bandA." : "bandB.";
}

QString cellStep(duoband::Column column, int row) {
    return QObject::tr("Edit %1 of channel %2")
        .arg(pages::fromCoreText(duoband::columnTitle(column)))
        .arg(row);
}

// Shift+F10 opens a context menu from the keyboard, as the Menu key does.
bool isMenuKey(const QKeyEvent* event) {
    return event->keyCombination() == QKeyCombination(Qt::ShiftModifier, Qt::Key_F10);
}

// Text with a tab or a line break is a block of cells, not one entry's text.
bool isCellBlock(const QString& text) {
    return text.contains('\t') || text.contains('\n');
}

QString channelsText(std::size_t count) {
    return count == 1 ? QObject::tr("1 channel") : QObject::tr("%1 channels").arg(count);
}

QString columnName(duoband::Column column) {
    const std::string_view name = duoband::channelColumns()[static_cast<std::size_t>(column)].name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

// --- the grid ----------------------------------------------------------------

ChannelGrid::ChannelGrid(QWidget* parent) : QTableView(parent) {
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Cells, ranges and, through the row header, whole channels.
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setTabKeyNavigation(true);
    setWordWrap(true);
    setCornerButtonEnabled(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setFixedWidth(gridWidth(duoband::Column::Number));
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFixedHeight(kHeaderHeight);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(
        Qt::Alignment(Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap));
}

void ChannelGrid::step(Move move) {
    static constexpr std::array<CursorAction, 4> kActions{MoveUp, MoveDown, MoveNext, MovePrevious};
    const QModelIndex next =
        moveCursor(kActions.at(static_cast<std::size_t>(move)), Qt::NoModifier);
    if (next.isValid()) setCurrentIndex(next);
}

void ChannelGrid::showMenuAtCurrentCell() {
    const QRect cell = visualRect(currentIndex());
    const QPoint at = cell.isValid() ? cell.center() : QPoint(0, 0);
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, viewport()->mapToGlobal(at));
    QApplication::sendEvent(viewport(), &menu);
}

// The Menu key's menu stands at the current cell too (the window system
// would place it by the view's text cursor, which it takes for the grid's).
bool ChannelGrid::event(QEvent* event) {
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        showMenuAtCurrentCell();
        return true;
    }
    return QTableView::event(event);
}

// Extra width in a wide window is shared by the data columns, in
// proportion to their widths.
void ChannelGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    const auto dataColumns = duoband::channelColumns().subspan(1);
    int base = 0;
    for (const duoband::ChannelColumn& c : dataColumns) base += c.gridWidth;
    const int room = std::max(base, viewport()->width());
    for (const duoband::ChannelColumn& c : dataColumns)
        setColumnWidth(duoband::columnIndex(c.column), c.gridWidth * room / base);
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (plain) return emit editorRequested(true);
            break;
        case Qt::Key_F2:
        case Qt::Key_Space:
            if (plain) return emit editorRequested(false);
            break;
        case Qt::Key_Down:
            if (event->modifiers() == Qt::AltModifier) return emit editorRequested(false);
            break;
        default:
            if (isMenuKey(event)) return showMenuAtCurrentCell();
            if (isPrintable(event)) return emit typedOnCell(event);
            break;
    }
    QTableView::keyPressEvent(event);
}

// Tabbing into the grid before any cell was chosen lands on channel 1's
// receive frequency. (The view's own choice of a first cell is column 0,
// which cannot be selected, so it would choose none and typed keys would
// go nowhere.)
void ChannelGrid::focusInEvent(QFocusEvent* event) {
    const bool hadCurrent = currentIndex().isValid();
    {
        // The view makes its first cell current on any focus but a click;
        // here only Tab into the grid does, so no editor opens unasked.
        const QSignalBlocker quiet(selectionModel());
        QTableView::focusInEvent(event);
        if (!hadCurrent) selectionModel()->clearCurrentIndex();
    }
    const bool byKeyboard =
        event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (byKeyboard && !hadCurrent) setCurrentIndex(model()->index(0, 1));
}

// --- the page ----------------------------------------------------------------

ChannelTablePage::ChannelTablePage(duoband::EditorModel& model, Band band, QWidget* parent)
    : QWidget(parent), model_(model), band_(band) {
    tableModel_ = new ChannelTableModel(model_.channels(band_), band_, this);
    grid_ = new ChannelGrid(this);
    grid_->setObjectName(bandPrefix(band_) + "channels");
    grid_->setAccessibleName(tableModel_->tableName());
    grid_->setModel(tableModel_);
    // The channel numbers head the rows, so they stay in sight when the grid
    // scrolls sideways, and a click on them selects whole channels.
    grid_->setColumnHidden(duoband::columnIndex(duoband::Column::Number), true);
    for (const duoband::ChannelColumn& c : duoband::channelColumns())
        grid_->setColumnWidth(duoband::columnIndex(c.column), c.gridWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);

    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    selectCell(duoband::columnAt(current.column()),
                               ChannelTableModel::gridRow(current));
                }
            });
    // A click on the cell already selected opens its editor again.
    connect(grid_, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (open_ == nullptr && index == grid_->currentIndex()) {
            selectCell(duoband::columnAt(index.column()), ChannelTableModel::gridRow(index));
        }
    });
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChannelTablePage::selectionChanged);
    connect(grid_, &ChannelGrid::editorRequested, this, &ChannelTablePage::openEditor);
    connect(grid_, &ChannelGrid::typedOnCell, this, &ChannelTablePage::typeIntoCell);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &ChannelTablePage::placeOpenEditor);
    connect(grid_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &ChannelTablePage::placeOpenEditor);
    buildEditors();
    showModel();
}

void ChannelTablePage::buildEditors() {
    for (const ChannelColumnEditor& column : duoband::channelColumnEditors()) {
        QWidget* editor = makeEditor(column);
        editor->setAccessibleName(tableModel_->editorName(column.column));
        editor->hide();
        // A right-click on an open editor goes on to the grid: its menu, not
        // the line edit's own, which lacks the channel operations.
        editor->setContextMenuPolicy(Qt::NoContextMenu);
        editor->installEventFilter(this);
        editors_.at(static_cast<std::size_t>(column.column)) = editor;
    }
}

QWidget* ChannelTablePage::makeEditor(const ChannelColumnEditor& column) {
    const QString name = bandPrefix(band_) + columnName(column.column) + "Editor";
    QWidget* parent = grid_->viewport();
    if (column.kind == CellEditorKind::Choice) {
        QComboBox* box = pages::makeChoiceBox(column.entries(), name, parent);
        box->setFocusPolicy(Qt::ClickFocus);
        box->view()->setMinimumWidth(box->sizeHint().width());
        connect(box, &QComboBox::activated, this,
                [this, &column](int entry) { commitChoice(column, entry); });
        // The list closed without a pick (Escape, a click beside it): the
        // editor goes too. A pick has hidden it by the time this runs.
        box->view()->installEventFilter(this);
        return box;
    }
    auto* entry = new pages::CommitLineEdit(name, parent);
    const duoband::ChannelEntry which = entryOf(column);
    entry->setKeyFilter([which](std::size_t length, char32_t key) {
        return pages::CommitLineEdit::KeyDecision{duoband::channelEntryKey(which, length, key), {}};
    });
    // Pasted text becomes what typing it would ("146,55": 146.55), filtered
    // before it is cut: a length limit of the edit would cut first.
    entry->setSanitizer(
        [which](std::u32string_view pasted) { return duoband::typedChannelEntry(which, pasted); });
    connect(entry, &pages::CommitLineEdit::committed, this,
            [this, &column] { commitEntry(column); });
    connect(entry, &pages::CommitLineEdit::enterPressed, this,
            [this, &column](bool committed) { entryEnter(column, committed); });
    return entry;
}

void ChannelTablePage::selectCell(duoband::Column col, int row) {
    // An entry commits to the cell it was opened on, before the pointer moves.
    commitPendingEdit();
    const duoband::CellOpening opening =
        duoband::selectChannelCell(model_, band_, pointer_, col, row);
    if (opening.hideEditors) hideEditors();
    if (opening.editor == nullptr) return;
    open_ = opening.editor;
    QWidget* editor = editorOf(open_->column);
    if (auto* entry = qobject_cast<pages::CommitLineEdit*>(editor)) {
        entry->showText(pages::fromModelText(opening.text));
        placeOpenEditor();
        entry->show();
        entry->setFocus(Qt::OtherFocusReason);
    } else {
        pages::showChoice(static_cast<QComboBox*>(editor),
                          duoband::Choice{open_->entries(), opening.entry});
        openedEntry_ = opening.entry;
        choiceTyped_.clear();
        placeOpenEditor();
        editor->show();
    }
}

void ChannelTablePage::placeOpenEditor() {
    if (open_ == nullptr) return;
    QWidget* editor = editorOf(open_->column);
    const QRect cell = grid_->visualRect(tableModel_->cellIndex(open_->column, pointer_.row));
    const int height = std::max(cell.height(), editor->sizeHint().height());
    editor->setGeometry(cell.left(), cell.top(), cell.width() + 2, height);
}

// An editor that had the focus gives it to the grid before it goes, also
// while a message box holds the focus: otherwise Qt would pass the focus
// along the chain when the box closes, to the port list.
void ChannelTablePage::keepFocusOffHidden(QWidget* editor) {
    if (editor->hasFocus() || window()->focusWidget() == editor) {
        grid_->setFocus(Qt::OtherFocusReason);
    }
}

void ChannelTablePage::hideEditors() {
    for (QWidget* editor : editors_) {
        if (editor != nullptr) keepFocusOffHidden(editor);
    }
    for (QWidget* editor : editors_) {
        if (editor != nullptr) editor->hide();
    }
    open_ = nullptr;
}

void ChannelTablePage::discardEditors() {
    for (QWidget* editor : editors_) {
        if (auto* entry = qobject_cast<pages::CommitLineEdit*>(editor)) entry->showText({});
    }
    hideEditors();
}

void ChannelTablePage::hideEntry(QWidget* entry) {
    keepFocusOffHidden(entry);
    entry->hide();
    if (open_ != nullptr && editorOf(open_->column) == entry) open_ = nullptr;
}

void ChannelTablePage::commitEntry(const ChannelColumnEditor& column) {
    auto* entry = static_cast<pages::CommitLineEdit*>(editorOf(column.column));
    const std::string text = entry->modelText();
    const duoband::ChannelEntry which = entryOf(column);
    duoband::EntryAfterCommit after = duoband::EntryAfterCommit::Hide;
    std::string message;
    bool replacedSettings = false;
    if (which == duoband::ChannelEntry::Name) {
        duoband::commitChannelName(model_, band_, pointer_, text);
    } else {
        duoband::FrequencyCommit result =
            duoband::commitChannelFrequency(model_, band_, pointer_, which, text);
        after = result.entry;
        message = std::move(result.message);
        replacedSettings = result.settingsReplaced;
    }
    tableModel_->rowChanged(pointer_.row);
    emit edited(cellStep(column.column, pointer_.row), {});
    if (replacedSettings) {
        emit statusMessage(tr("Channel %1: tone, power and flags set to their defaults — "
                              "Ctrl+Z restores them")
                               .arg(pointer_.row));
    }
    lastCommitClean_ = message.empty();
    lastCommitKept_ = after == duoband::EntryAfterCommit::KeepText;
    if (!message.empty()) {
        userDialogs().warning(this, pages::fromCoreText(message));
        // Once the commit that refused is over (it may run while the
        // selection moves on), the entry reopens on its cell for correction.
        const duoband::CellPointer cell = pointer_;
        const QString refused = entry->text();
        QTimer::singleShot(0, this, [this, cell, refused] { reopenEntry(cell, refused); });
    }
    if (after == duoband::EntryAfterCommit::Hide) {
        entry->showText({});
        hideEntry(entry);
    }
}

void ChannelTablePage::reopenEntry(duoband::CellPointer cell, const QString& text) {
    if (!isVisible()) return;
    const QModelIndex index = tableModel_->cellIndex(cell.column, cell.row);
    if (grid_->currentIndex() != index || open_ == nullptr) {
        grid_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
    auto* entry = qobject_cast<pages::CommitLineEdit*>(editorOf(cell.column));
    if (entry == nullptr || !entry->isVisible()) return;
    // The refused text, to be corrected; leaving it unchanged drops it (the
    // message was said once) and leaves the row as it is.
    entry->showText(text);
    entry->selectAll();
    entry->setFocus(Qt::OtherFocusReason);
}

void ChannelTablePage::entryEnter(const ChannelColumnEditor& column, bool committed) {
    QWidget* entry = editorOf(column.column);
    // A refused text stays in its entry for correction.
    if (committed && lastCommitKept_ && !lastCommitClean_) return;
    hideEntry(entry);
    if (!committed || lastCommitClean_) grid_->step(ChannelGrid::Move::Down);
}

void ChannelTablePage::commitChoice(const ChannelColumnEditor& column, int entry) {
    duoband::commitChannelChoice(model_, band_, pointer_, entry);
    tableModel_->rowChanged(pointer_.row);
    emit edited(cellStep(column.column, pointer_.row), {});
    hideEntry(editorOf(column.column));
}

void ChannelTablePage::openEditor(bool moveOnWhenNone) {
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return;
    if (open_ == nullptr || duoband::columnIndex(open_->column) != current.column()) {
        selectCell(duoband::columnAt(current.column()), ChannelTableModel::gridRow(current));
    }
    if (open_ == nullptr) {
        if (moveOnWhenNone) grid_->step(ChannelGrid::Move::Down);
        return;
    }
    QWidget* editor = editorOf(open_->column);
    editor->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QComboBox*>(editor)) box->showPopup();
}

void ChannelTablePage::typeIntoCell(QKeyEvent* event) {
    const ChannelColumnEditor* column =
        duoband::channelColumnEditor(duoband::columnAt(grid_->currentIndex().column()));
    if (column == nullptr || column->kind == CellEditorKind::Choice) return;
    openEditor(false);
    if (open_ == column) QApplication::sendEvent(editorOf(column->column), event);
}

void ChannelTablePage::leaveEditor(ChannelGrid::Move move) {
    grid_->setFocus(Qt::OtherFocusReason);  // an entry commits as it loses the focus
    grid_->step(move);
}

bool ChannelTablePage::eventFilter(QObject* watched, QEvent* event) {
    // A block of cells pasted into an entry is pasted into the grid: left
    // unaccepted, the key goes to the window's Paste.
    if (pasteWanted(event)) return true;
    auto* box = qobject_cast<QComboBox*>(watched);
    const bool isEditor = box != nullptr || qobject_cast<pages::CommitLineEdit*>(watched);
    if (!isEditor) {  // the list of a choice editor
        if (event->type() == QEvent::Hide) {
            QTimer::singleShot(0, this, [this] { closeChoiceWithoutPick(); });
        }
        return QWidget::eventFilter(watched, event);
    }
    // Focus gone elsewhere (not to its own list): the choice editor goes.
    if (event->type() == QEvent::FocusOut && box != nullptr) {
        QTimer::singleShot(0, this, [this, box] {
            if (!box->hasFocus() && !box->view()->isVisible() &&
                QApplication::activePopupWidget() == nullptr) {
                hideEntry(box);
            }
        });
    }
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool isEntry = qobject_cast<pages::CommitLineEdit*>(watched) != nullptr;
    if (box != nullptr && choiceKey(box, key)) return true;
    if (isMenuKey(key)) {
        grid_->showMenuAtCurrentCell();
        return true;
    }
    switch (key->key()) {
        case Qt::Key_Tab:
            leaveEditor(ChannelGrid::Move::Next);
            return true;
        case Qt::Key_Backtab:
            leaveEditor(ChannelGrid::Move::Previous);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) break;
            if (!isEntry) {
                static_cast<QComboBox*>(watched)->showPopup();
                return true;
            }
            leaveEditor(key->key() == Qt::Key_Up ? ChannelGrid::Move::Up : ChannelGrid::Move::Down);
            return true;
        case Qt::Key_Escape:
            // Cancels the edit: the editor goes without writing anything.
            if (auto* entry = qobject_cast<pages::CommitLineEdit*>(watched)) {
                entry->showText(entry->text());
            }
            hideEntry(static_cast<QWidget*>(watched));
            return true;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

// A closed choice editor: typed text selects the first entry it begins
// (without writing it); Tab, Backtab and Enter write a changed selection as
// a pick does. True when the key was used up here.
bool ChannelTablePage::choiceKey(QComboBox* box, const QKeyEvent* key) {
    if (open_ == nullptr || editorOf(open_->column) != box) return false;
    const QString text = key->text();
    if (text.size() == 1 && text.at(0).isPrint() && text != " " &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        choiceTyped_ += text;
        const int found = box->findText(choiceTyped_, Qt::MatchStartsWith);
        if (found >= 0) {
            const QSignalBlocker quiet(box);
            box->setCurrentIndex(found);
        }
        return true;
    }
    const bool leaving = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (!leaving && !enter) return false;
    const bool changed = box->currentIndex() >= 0 && box->currentIndex() != openedEntry_;
    if (changed) commitChoice(*open_, box->currentIndex());
    if (enter && !changed) box->showPopup();
    return enter;
}

void ChannelTablePage::closeChoiceWithoutPick() {
    if (open_ == nullptr || open_->kind != CellEditorKind::Choice) return;
    auto* box = static_cast<QComboBox*>(editorOf(open_->column));
    if (!box->view()->isVisible()) hideEntry(box);
}

// Switching tabs closes the editors; a focused entry has committed.
void ChannelTablePage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    hideEditors();
}

void ChannelTablePage::showModel() {
    discardEditors();
    tableModel_->tableChanged();
}

void ChannelTablePage::commitPendingEdit() {
    pages::commitFocusedEdit(this);
}

// --- selections, the clipboard and whole channels -----------------------------

bool ChannelTablePage::pasteWanted(QEvent* event) const {
    if (event->type() != QEvent::ShortcutOverride) return false;
    return static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste) &&
           isCellBlock(QGuiApplication::clipboard()->text());
}

void ChannelTablePage::selectionChanged() {
    if (grid_->selectionModel()->selectedIndexes().size() <= 1) return;
    commitPendingEdit();
    hideEditors();
}

std::vector<duoband::CellPointer> ChannelTablePage::selectedCells() const {
    std::vector<duoband::CellPointer> cells;
    for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes()) {
        cells.push_back({duoband::columnAt(index.column()), ChannelTableModel::gridRow(index)});
    }
    const QModelIndex current = grid_->currentIndex();
    if (cells.empty() && current.isValid()) {
        cells.push_back({duoband::columnAt(current.column()), ChannelTableModel::gridRow(current)});
    }
    std::ranges::sort(cells, [](const duoband::CellPointer& a, const duoband::CellPointer& b) {
        return std::pair(a.row, a.column) < std::pair(b.row, b.column);
    });
    return cells;
}

std::vector<int> ChannelTablePage::selectedRows() const {
    std::vector<int> rows;
    for (const duoband::CellPointer& cell : selectedCells()) rows.push_back(cell.row);
    const auto [first, last] = std::ranges::unique(rows);
    rows.erase(first, last);
    return rows;
}

void ChannelTablePage::copySelection() {
    commitPendingEdit();
    const std::vector<duoband::CellPointer> cells = selectedCells();
    std::vector<duoband::Column> columns;
    for (const duoband::CellPointer& cell : cells) columns.push_back(cell.column);
    std::ranges::sort(columns);
    const auto [first, last] = std::ranges::unique(columns);
    columns.erase(first, last);
    const std::string text = duoband::copyCells(model_.channels(band_), selectedRows(), columns);
    QGuiApplication::clipboard()->setText(pages::fromModelText(text));
}

void ChannelTablePage::cutSelection() {
    copySelection();
    const int changed = duoband::clearCells(model_, band_, selectedCells());
    if (changed > 0) rowsChanged({}, tr("Cut %1 cells").arg(changed));
}

void ChannelTablePage::clearSelection() {
    commitPendingEdit();
    const int changed = duoband::clearCells(model_, band_, selectedCells());
    if (changed > 0) rowsChanged({}, tr("Delete %1 cells").arg(changed));
}

void ChannelTablePage::pasteAtCurrentCell() {
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return;
    commitPendingEdit();
    hideEditors();
    const duoband::CellPointer start{duoband::columnAt(current.column()),
                                     ChannelTableModel::gridRow(current)};
    const duoband::PasteReport report = duoband::pasteCells(
        model_, band_, start, pages::toModelText(QGuiApplication::clipboard()->text()));
    tableModel_->tableChanged();
    showSelection(blockSelection(start.row, report.lastRow,
                                 std::max(start.column, duoband::kFirstDataColumn),
                                 report.lastColumn));
    emit edited(tr("Paste %1 cells").arg(report.cellsApplied), {});
    reportPaste(report);
}

void ChannelTablePage::reportPaste(const duoband::PasteReport& report) {
    QStringList lines;
    if (!report.refused.empty()) {
        lines << tr("%1 cells were not pasted:").arg(report.refused.size())
              << pages::fromCorePhrase(duoband::describeRefusals(band_, report.refused));
    }
    if (report.rowsLeftOut > 0) {
        lines << tr("The paste stopped at channel %1; %2 rows were left out.")
                     .arg(duoband::ChannelTable::kChannels)
                     .arg(report.rowsLeftOut);
    }
    if (report.columnsLeftOut > 0) {
        lines << tr("%1 cells beyond the Name column were left out.").arg(report.columnsLeftOut);
    }
    if (!lines.isEmpty()) userDialogs().warning(this, lines.join('\n'));
    grid_->setFocus(Qt::OtherFocusReason);
}

void ChannelTablePage::showCell(duoband::Column column, int row) {
    commitPendingEdit();
    hideEditors();
    showSelection(blockSelection(row, row, column, column));
}

void ChannelTablePage::markDifferences(std::map<std::pair<int, duoband::Column>, QString> cells) {
    tableModel_->markDifferences(std::move(cells));
}

void ChannelTablePage::insertChannels() {
    commitPendingEdit();
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    const int count = static_cast<int>(rows.size());
    const std::vector<int> dropped =
        duoband::channelsDroppedByInsert(model_.channels(band_), count);
    if (!dropped.empty() &&
        !userDialogs().confirm(
            this, tr("Channel %1 is not empty and will be dropped. Insert?").arg(dropped.back()))) {
        return;
    }
    duoband::insertEmptyChannels(model_.channels(band_), rows.front(), count);
    std::vector<int> inserted(rows.size());
    std::iota(inserted.begin(), inserted.end(), rows.front());
    rowsChanged(inserted, tr("Insert %1").arg(channelsText(rows.size())));
}

void ChannelTablePage::deleteChannels() {
    commitPendingEdit();
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    duoband::deleteChannels(model_.channels(band_), rows);
    rowsChanged({rows.front()}, tr("Delete %1").arg(channelsText(rows.size())));
}

void ChannelTablePage::moveChannels(duoband::MoveDirection direction) {
    commitPendingEdit();
    const std::vector<int> moved =
        duoband::moveChannels(model_.channels(band_), selectedRows(), direction);
    if (moved.empty()) return;
    rowsChanged(moved, direction == duoband::MoveDirection::Up ? tr("Move channels up")
                                                               : tr("Move channels down"));
}

void ChannelTablePage::clearChannels() {
    commitPendingEdit();
    const std::vector<int> rows = selectedRows();
    if (rows.empty()) return;
    duoband::clearChannels(model_.channels(band_), rows);
    rowsChanged(rows, tr("Clear %1").arg(channelsText(rows.size())));
}

void ChannelTablePage::rowsChanged(const std::vector<int>& rows, const QString& step) {
    hideEditors();
    tableModel_->tableChanged();
    QItemSelection cells;
    for (int row : rows) {
        cells.merge(blockSelection(row, row, duoband::Column::RxFrequency, duoband::Column::Name),
                    QItemSelectionModel::Select);
    }
    if (!cells.isEmpty()) showSelection(cells);
    grid_->setFocus(Qt::OtherFocusReason);
    emit edited(step, {});
}

QItemSelection ChannelTablePage::blockSelection(int firstRow, int lastRow, duoband::Column first,
                                                duoband::Column last) const {
    return {tableModel_->cellIndex(first, firstRow), tableModel_->cellIndex(last, lastRow)};
}

// Selects `cells` and makes the first current, without opening an editor.
void ChannelTablePage::showSelection(const QItemSelection& cells) {
    QItemSelectionModel* selection = grid_->selectionModel();
    const QModelIndex first = cells.first().topLeft();
    {
        const QSignalBlocker blocker(selection);
        selection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
        selection->select(cells, QItemSelectionModel::ClearAndSelect);
    }
    pointer_ = {duoband::columnAt(first.column()), ChannelTableModel::gridRow(first)};
    grid_->scrollTo(first);
    grid_->viewport()->update();
}

void ChannelTablePage::setContextActions(const QList<QAction*>& cellActions,
                                         const QList<QAction*>& rowActions) {
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    grid_->addActions(cellActions);
    auto* separator = new QAction(this);
    separator->setSeparator(true);
    grid_->addAction(separator);
    grid_->addActions(rowActions);
    grid_->verticalHeader()->setContextMenuPolicy(Qt::ActionsContextMenu);
    grid_->verticalHeader()->addActions(rowActions);
}
