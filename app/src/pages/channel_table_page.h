// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "A/Upper Band Channel" and "B/Under Band Channel": one band's 128 channels
// in a grid with one editor per data column placed over the selected cell. The grid never edits a
// cell; every change goes through the channel editing rules.
#pragma once

#include <QItemSelection>
#include <QTableView>
#include <QWidget>
#include <array>
#include <map>
#include <utility>

#include "duoband/channel_clipboard.h"
#include "duoband/channel_editing.h"
#include "duoband/channel_rows.h"
#include "duoband/editor_model.h"

class ChannelTableModel;
class QComboBox;

namespace pages {
class CommitLineEdit;
}

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
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

class ChannelTablePage : public QWidget {
    Q_OBJECT
  public:
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

  signals:
    // After every change of the table: the undo step's name.
    void edited(const QString& step, const QString& mergeKey);
    // A remark for the status bar.
    void statusMessage(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void buildEditors();
    QWidget* makeEditor(const duoband::ChannelColumnEditor& column);
    // Selecting a cell (by mouse, keys or the program) opens its editor.
    void selectCell(duoband::Column col, int row);
    void placeOpenEditor();
    void hideEditors();
    void discardEditors();
    void openEditor(bool moveOnWhenNone);
    void typeIntoCell(QKeyEvent* event);
    // Leaves the open editor (which commits an entry) and moves the selection.
    void leaveEditor(ChannelGrid::Move move);
    void hideEntry(QWidget* entry);
    void keepFocusOffHidden(QWidget* editor);
    bool choiceKey(QComboBox* box, const QKeyEvent* key);
    void closeChoiceWithoutPick();
    // Shows `text` selected in the entry of `cell`, selecting the cell again.
    void reopenEntry(duoband::CellPointer cell, const QString& text);
    // Several cells selected: no editor is open.
    void selectionChanged();
    std::vector<duoband::CellPointer> selectedCells() const;
    // Shows the table again, selects `rows` and records the step.
    void rowsChanged(const std::vector<int>& rows, const QString& step);
    QItemSelection blockSelection(int firstRow, int lastRow, duoband::Column first,
                                  duoband::Column last) const;
    void showSelection(const QItemSelection& cells);
    void reportPaste(const duoband::PasteReport& report);
    bool pasteWanted(QEvent* event) const;

    // Leaving a frequency or name entry
    void commitEntry(const duoband::ChannelColumnEditor& column);
    void entryEnter(const duoband::ChannelColumnEditor& column, bool committed);
    // A pick in a choice editor
    void commitChoice(const duoband::ChannelColumnEditor& column, int entry);

    QWidget* editorOf(duoband::Column column) const {
        return editors_.at(static_cast<std::size_t>(column));
    }

    duoband::EditorModel& model_;
    const duoband::Band band_;
    duoband::CellPointer pointer_;
    ChannelTableModel* tableModel_ = nullptr;
    ChannelGrid* grid_ = nullptr;
    // The editors by the column they edit (none for the channel number).
    std::array<QWidget*, duoband::kColumnCount> editors_{};
    const duoband::ChannelColumnEditor* open_ = nullptr;  // the editor shown, if any
    bool lastCommitClean_ = true;                         // the last commit showed no message
    bool lastCommitKept_ = false;                         // the last commit kept the entry open
    int openedEntry_ = -1;  // the entry the open choice editor showed when it opened
    QString choiceTyped_;   // typed into the open choice editor
};
