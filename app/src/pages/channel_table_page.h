// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "A/Upper Band Channel" and "B/Under Band Channel": one band's 128 channels
// in a grid whose delegate opens one editor over the current cell. The grid
// never edits a cell; every change goes through the channel editing rules.
#pragma once

#include <QAbstractItemDelegate>
#include <QItemSelection>
#include <QTableView>
#include <QWidget>
#include <map>
#include <utility>
#include <vector>

#include "duoband/channel_clipboard.h"
#include "duoband/channel_editing.h"
#include "duoband/channel_plan_tools.h"
#include "duoband/channel_rows.h"
#include "duoband/editor_model.h"

class ChannelTableModel;
class ChannelCellDelegate;

// The grid: selection by mouse and arrow keys, no editing of its own.
class ChannelGrid : public QTableView {
    Q_OBJECT
  public:
    explicit ChannelGrid(QWidget* parent);
    enum class Move { Up, Down, Next, Previous };
    // Moves the current cell as the arrow keys, Tab and Shift+Tab do.
    void step(Move move);
    // The context menu, at the current cell, as Shift+F10 opens it.
    void showMenuAtCurrentCell();

  signals:
    // Enter, F2, Space or Alt+Down: open or enter the current cell's editor.
    void editorRequested(bool moveOnWhenNone);
    // A printable key typed on the grid, for the current cell's entry.
    void typedOnCell(QKeyEvent* event);

  protected:
    // An editor that had the focus gives it to the grid before it goes, also
    // while a message box holds the focus: otherwise Qt would pass the focus
    // along the chain when the box closes, to the port list. An editor that
    // its own write has closed already is left as it is.
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    bool event(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

class ChannelTablePage : public QWidget {
    Q_OBJECT
  public:
    // A cell as the channel tools name it.
    struct SelectedCell {
        duoband::Band band;
        int channel;
        duoband::Column column;
        bool operator==(const SelectedCell&) const = default;
    };

    ChannelTablePage(duoband::EditorModel& model, duoband::Band band, QWidget* parent);

    // Shows the model's table again (after Read, Open, New); an open editor
    // is hidden without committing anything.
    void showModel();
    // Commits the text of a focused frequency or name entry, as leaving it would.
    void commitPendingEdit();

    ChannelGrid* grid() const { return grid_; }
    duoband::Band band() const { return band_; }
    // The cell selected last.
    duoband::CellPointer cellPointer() const { return pointer_; }

    // The clipboard: the selected cells as tab-separated lines (never the
    // channel numbers); a paste at the current cell through the typing rules.
    void copySelection();
    void cutSelection();
    void pasteAtCurrentCell();
    // Delete: empties the selected frequency and name cells.
    void clearSelection();
    // Fill Selection (Ctrl+Enter): the text typed in the current cell's open
    // entry, else the cell's value, into every selected cell of its column,
    // as one step.
    void fillSelection();

    // The channel tools on the selected channels (the current one when none
    // is selected), each one step; the values the rules refuse are listed.
    void fillSeries(duoband::Column column, const duoband::SeriesRule& rule);
    void setRepeaterOffset(duoband::RepeaterShift shift, const QString& offset);
    void sortChannels(duoband::Column column, duoband::SortOrder order, bool wholeBand);

    // Selects the cell and scrolls it into sight, without opening its
    // editor; an open editor commits first.
    void showCell(duoband::Column column, int row);
    // Marks the cells that differ from a compared configuration, each with
    // its tool tip (by grid row and column); empty: none.
    void markDifferences(std::map<std::pair<int, duoband::Column>, QString> cells);

    // The channels of the selected rows (or the current one).
    void insertChannels();
    void deleteChannels();
    void moveChannels(duoband::MoveDirection direction);
    void clearChannels();
    // The context menus of the cells and of the row header.
    void setContextActions(const QList<QAction*>& cellActions, const QList<QAction*>& rowActions);
    // The rows with a selected cell, or the current row; ascending.
    std::vector<int> selectedRows() const;
    // The selected cells by channel, then column (no current-cell stand-in).
    std::vector<SelectedCell> cellSelection() const;

  signals:
    // The selection changed: by click, Shift-click, Ctrl-click, Shift+arrows...
    void cellSelectionChanged(const std::vector<ChannelTablePage::SelectedCell>& cells);
    // After every change of the table: the undo step's name.
    void edited(const QString& step, const QString& mergeKey);
    // A remark for the status bar.
    void statusMessage(const QString& text);

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    // Selecting a cell (by mouse, keys or the program) opens its editor.
    void selectCell(duoband::Column col, int row);
    void closeEditor(bool discard = false);
    void openEditor(bool moveOnWhenNone);
    void typeIntoCell(QKeyEvent* event);
    // Shows `text` selected in the entry of `cell`, selecting the cell again.
    void reopenEntry(duoband::CellPointer cell, const QString& text);
    void cellWritten(duoband::CellPointer cell, bool settingsReplaced);
    // Several cells selected: no editor is open.
    void selectionChanged();
    std::vector<duoband::CellPointer> selectedCells() const;
    // Shows the table again, selects `rows` and records the step.
    void rowsChanged(const std::vector<int>& rows, const QString& step);
    QItemSelection blockSelection(int firstRow, int lastRow, duoband::Column first,
                                  duoband::Column last) const;
    void showSelection(const QItemSelection& cells);
    void reportPaste(const duoband::PasteReport& report);
    // Shows the table again, records `step` and lists what was refused.
    void toolApplied(const duoband::ToolReport& report, const QString& step);
    // The value Fill Selection takes: an open entry's text, else the cell's.
    std::string fillValue(duoband::CellPointer current) const;

    duoband::EditorModel& model_;
    const duoband::Band band_;
    duoband::CellPointer pointer_;
    ChannelTableModel* tableModel_ = nullptr;
    ChannelGrid* grid_ = nullptr;
    ChannelCellDelegate* cells_ = nullptr;
};
