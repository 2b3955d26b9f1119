// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/channel_table_page.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "duoband/settings_table.h"
#include "pages/channel_cell_delegate.h"
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

QString bandPrefix(Band band) {
    return band == Band::A ? "bandA." : "bandB.";
}

QString cellStep(duoband::Column column, int row) {
    return QObject::tr("Edit %1 of channel %2")
        .arg(pages::fromCoreText(duoband::columnTitle(column)))
        .arg(row);
}

QString channelsText(std::size_t count) {
    return count == 1 ? QObject::tr("1 channel") : QObject::tr("%1 channels").arg(count);
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

void ChannelGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (editor != nullptr && editor->isHidden()) {
        editor = nullptr;
    } else if (editor != nullptr && window()->focusWidget() == editor) {
        setFocus(Qt::OtherFocusReason);
    }
    QTableView::closeEditor(editor, hint);
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

// A drag from the pressed cell over others selects them. The view selects
// nothing while the editor the press opened is there, so it goes first.
void ChannelGrid::mouseMoveEvent(QMouseEvent* event) {
    const bool dragging = (event->buttons() & Qt::LeftButton) &&
                          indexAt(event->position().toPoint()) != currentIndex();
    QWidget* editor = indexWidget(currentIndex());
    if (dragging && state() == EditingState && editor != nullptr) {
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    QTableView::mouseMoveEvent(event);
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
    tableModel_ = new ChannelTableModel(model_, band_, this);
    grid_ = new ChannelGrid(this);
    grid_->setObjectName(bandPrefix(band_) + "channels");
    grid_->setAccessibleName(tableModel_->tableName());
    grid_->setModel(tableModel_);
    cells_ = new ChannelCellDelegate(model_, band_, *tableModel_, grid_);
    grid_->setItemDelegate(cells_);
    // The channel numbers head the rows, so they stay in sight when the grid
    // scrolls sideways, and a click on them selects whole channels.
    grid_->setColumnHidden(duoband::columnIndex(duoband::Column::Number), true);
    for (const duoband::ChannelColumn& c : duoband::channelColumns())
        grid_->setColumnWidth(duoband::columnIndex(c.column), c.gridWidth);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid_);

    // (The grid's own handler, connected first, has committed and closed the
    // editor of the cell left.)
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    selectCell(duoband::columnAt(current.column()),
                               ChannelTableModel::gridRow(current));
                }
            });
    // A click on the cell already selected opens its editor again.
    connect(grid_, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (cells_->openEditor() == nullptr && index == grid_->currentIndex()) {
            selectCell(duoband::columnAt(index.column()), ChannelTableModel::gridRow(index));
        }
    });
    connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChannelTablePage::selectionChanged);
    connect(grid_, &ChannelGrid::editorRequested, this, &ChannelTablePage::openEditor);
    connect(grid_, &ChannelGrid::typedOnCell, this, &ChannelTablePage::typeIntoCell);
    connect(cells_, &ChannelCellDelegate::cellWritten, this, &ChannelTablePage::cellWritten);
    // Once the commit that refused is over (it may run while the selection
    // moves on), the entry reopens on its cell for correction.
    connect(cells_, &ChannelCellDelegate::refused, this,
            [this](duoband::CellPointer cell, const QString& text) {
                QTimer::singleShot(0, this, [this, cell, text] { reopenEntry(cell, text); });
            });
    connect(cells_, &ChannelCellDelegate::moveRequested, grid_, &ChannelGrid::step);
    connect(cells_, &ChannelCellDelegate::menuRequested, grid_,
            &ChannelGrid::showMenuAtCurrentCell);
    showModel();
}

void ChannelTablePage::selectCell(duoband::Column col, int row) {
    // An entry commits to the cell it was opened on, before the pointer moves.
    commitPendingEdit();
    const duoband::CellOpening opening =
        duoband::selectChannelCell(model_, band_, pointer_, col, row);
    if (opening.hideEditors) closeEditor();
    if (opening.editor == nullptr) return;
    grid_->edit(tableModel_->cellIndex(col, row));
    // The view selects an opened line edit's text; the entry opens as the
    // cell shows it, the cursor at the end.
    if (auto* entry = qobject_cast<QLineEdit*>(cells_->openEditor())) entry->deselect();
}

void ChannelTablePage::closeEditor(bool discard) {
    cells_->closeOpenEditor(discard);
}

void ChannelTablePage::cellWritten(duoband::CellPointer cell, bool settingsReplaced) {
    emit edited(cellStep(cell.column, cell.row), {});
    if (settingsReplaced) {
        emit statusMessage(tr("Channel %1: tone, power and flags set to their defaults — "
                              "Ctrl+Z restores them")
                               .arg(cell.row));
    }
}

void ChannelTablePage::reopenEntry(duoband::CellPointer cell, const QString& text) {
    if (!isVisible()) return;
    const QModelIndex index = tableModel_->cellIndex(cell.column, cell.row);
    if (grid_->currentIndex() != index || cells_->openEditor() == nullptr) {
        grid_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    }
    auto* entry = qobject_cast<CellEntry*>(cells_->openEditor());
    if (entry == nullptr || !entry->isVisible()) return;
    // The refused text, to be corrected; leaving it unchanged drops it (the
    // message was said once) and leaves the row as it is.
    entry->showText(text);
    entry->selectAll();
    entry->setFocus(Qt::OtherFocusReason);
}

void ChannelTablePage::openEditor(bool moveOnWhenNone) {
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return;
    if (cells_->openEditor() == nullptr) {
        selectCell(duoband::columnAt(current.column()), ChannelTableModel::gridRow(current));
    }
    QWidget* editor = cells_->openEditor();
    if (editor == nullptr) {
        if (moveOnWhenNone) grid_->step(ChannelGrid::Move::Down);
        return;
    }
    editor->setFocus(Qt::OtherFocusReason);
    if (auto* box = qobject_cast<QComboBox*>(editor)) box->showPopup();
}

void ChannelTablePage::typeIntoCell(QKeyEvent* event) {
    const ChannelColumnEditor* column =
        duoband::channelColumnEditor(duoband::columnAt(grid_->currentIndex().column()));
    if (column == nullptr || column->kind == CellEditorKind::Choice) return;
    const bool several = grid_->selectionModel()->selectedIndexes().size() > 1;
    openEditor(false);
    if (auto* entry = qobject_cast<CellEntry*>(cells_->openEditor())) {
        // A value typed over several cells is for all of them (Ctrl+Enter):
        // it replaces the current cell's text rather than adding to it.
        if (several) entry->selectAll();
        QApplication::sendEvent(entry, event);
    }
}

// Switching tabs closes the editors; a focused entry has committed.
void ChannelTablePage::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    closeEditor();
}

void ChannelTablePage::showModel() {
    closeEditor(true);
    tableModel_->tableChanged();
}

void ChannelTablePage::commitPendingEdit() {
    pages::commitFocusedEdit(this);
}

// --- selections, the clipboard and whole channels -----------------------------

void ChannelTablePage::selectionChanged() {
    emit cellSelectionChanged(cellSelection());
    if (grid_->selectionModel()->selectedIndexes().size() <= 1) return;
    commitPendingEdit();
    closeEditor();
}

std::vector<ChannelTablePage::SelectedCell> ChannelTablePage::cellSelection() const {
    std::vector<SelectedCell> cells;
    for (const QModelIndex& index : grid_->selectionModel()->selectedIndexes()) {
        cells.push_back(
            {band_, ChannelTableModel::gridRow(index), duoband::columnAt(index.column())});
    }
    std::ranges::sort(cells, {},
                      [](const SelectedCell& c) { return std::pair(c.channel, c.column); });
    return cells;
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

std::string ChannelTablePage::fillValue(duoband::CellPointer current) const {
    if (auto* entry = qobject_cast<CellEntry*>(cells_->openEditor())) return entry->modelText();
    // A pick in a list has written its cell already.
    return model_.channels(band_).cell(current.column, current.row);
}

void ChannelTablePage::fillSelection() {
    const QModelIndex index = grid_->currentIndex();
    if (!index.isValid()) return;
    const duoband::CellPointer current{duoband::columnAt(index.column()),
                                       ChannelTableModel::gridRow(index)};
    if (duoband::channelColumnEditor(current.column) == nullptr) return;
    const std::string value = fillValue(current);
    // The open editor's text goes into every cell at once, not first into its own.
    closeEditor(true);
    std::vector<int> channels{current.row};
    for (const duoband::CellPointer& cell : selectedCells()) {
        if (cell.column == current.column) channels.push_back(cell.row);
    }
    std::ranges::sort(channels);
    const auto [first, last] = std::ranges::unique(channels);
    channels.erase(first, last);
    const duoband::ToolReport report =
        duoband::fillCells(model_, band_, current.column, channels, value);
    toolApplied(report, tr("Fill %1 cells").arg(report.cellsChanged));
}

void ChannelTablePage::fillSeries(duoband::Column column, const duoband::SeriesRule& rule) {
    commitPendingEdit();
    const duoband::ToolReport report =
        duoband::fillSeries(model_, band_, column, selectedRows(), rule);
    toolApplied(report, tr("Fill series in %1 cells").arg(report.cellsChanged));
}

void ChannelTablePage::setRepeaterOffset(duoband::RepeaterShift shift, const QString& offset) {
    commitPendingEdit();
    const duoband::ToolReport report = duoband::setRepeaterOffset(
        model_, band_, selectedRows(), shift, pages::toModelText(offset));
    toolApplied(report, tr("Repeater offset on %1 channels").arg(report.cellsChanged));
}

void ChannelTablePage::sortChannels(duoband::Column column, duoband::SortOrder order,
                                    bool wholeBand) {
    commitPendingEdit();
    const duoband::SortReport report = duoband::sortChannels(
        model_, band_, wholeBand ? std::vector<int>{} : selectedRows(), column, order);
    rowsChanged({}, tr("Sort by %1").arg(pages::fromCoreText(duoband::columnTitle(column))));
    userDialogs().information(this, pages::fromCorePhrase(duoband::describeSort(band_, report)));
}

void ChannelTablePage::toolApplied(const duoband::ToolReport& report, const QString& step) {
    if (!report.invalid.empty()) {
        userDialogs().warning(this, pages::fromCorePhrase(report.invalid));
        return;
    }
    closeEditor();
    tableModel_->tableChanged();
    emit edited(step, {});
    if (!report.refused.empty()) {
        userDialogs().warning(
            this, tr("%1 values were not taken:").arg(report.refused.size()) + "\n" +
                      pages::fromCorePhrase(duoband::describeRefusedToolValues(report.refused)));
    }
    grid_->setFocus(Qt::OtherFocusReason);
}

void ChannelTablePage::pasteAtCurrentCell() {
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return;
    commitPendingEdit();
    closeEditor();
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
    closeEditor();
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
    closeEditor();
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
