// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The editors of a channel grid's cells and the delegate that hands them to
// the grid: a frequency or name entry, or a choice list, opened over the
// current cell. Every write goes through the channel editing rules.
#pragma once

#include <QComboBox>
#include <QStyledItemDelegate>
#include <array>

#include "duoband/channel_editing.h"
#include "duoband/editor_model.h"
#include "pages/channel_table_page.h"
#include "pages/page_widgets.h"

class ChannelTableModel;

// Shift+F10 opens a context menu from the keyboard, as the Menu key does.
bool isMenuKey(const QKeyEvent* key);

// A key with which an editor hands the cell back to the grid. Take: write
// what the editor holds and close it, staying on the cell.
enum class CellKey { None, Next, Previous, Up, Down, Take, Cancel, Menu };

// A frequency or name entry: it writes into the cell it was opened on.
class CellEntry : public pages::CommitLineEdit {
    Q_OBJECT
  public:
    CellEntry(duoband::ChannelEntry which, const QString& name, QWidget* parent);
    duoband::ChannelEntry which() const { return which_; }
    duoband::CellPointer cell() const { return cell_; }
    void showCell(duoband::CellPointer cell, const QString& text);

  signals:
    void cellKey(CellKey key);

  protected:
    bool event(QEvent* event) override;

  private:
    const duoband::ChannelEntry which_;
    duoband::CellPointer cell_;
};

// A choice list. Only a pick writes: from the opened list, or a selection
// changed by typing and taken with Tab, Shift+Tab or Enter.
class CellChoice : public QComboBox {
    Q_OBJECT
  public:
    CellChoice(duoband::OptionList entries, const QString& name, QWidget* parent);
    duoband::CellPointer cell() const { return cell_; }
    // Opens on the cell's entry (-1: none), nothing typed, no pick waiting.
    void showCell(duoband::CellPointer cell, int entry);
    void pick(int entry) {
        pick_ = entry;
        picked_ = true;
    }
    void showPopup() override;
    // Writes the pick, if any (through `picked`).
    void commitPick();
    void hidePopup() override;

  signals:
    void picked(int entry);
    void cellKey(CellKey key);
    void closedWithoutPick();

  protected:
    bool event(QEvent* event) override;

  private:
    bool typedKey(const QKeyEvent* key);
    bool changed() const { return currentIndex() >= 0 && currentIndex() != shownEntry_; }

    duoband::CellPointer cell_;
    int shownEntry_ = -1;
    int pick_ = -1;
    bool picked_ = false;  // since the list was opened
    QString typed_;
};

class ChannelCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
  public:
    // Makes every column's editor once, hidden, over `grid`'s cells: each
    // keeps its name ("bandA.rxFrequencyEditor") and its screen reader name.
    ChannelCellDelegate(duoband::EditorModel& model, duoband::Band band, ChannelTableModel& cells,
                        QAbstractItemView* grid);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // The editor open over a cell, or nullptr.
    QWidget* openEditor() const { return open_; }
    // Closes the open editor; `discard`: an entry's typing is dropped unwritten.
    void closeOpenEditor(bool discard);

  signals:
    // After every write: the cell, and whether a new frequency put its
    // defaults over settings the row held.
    void cellWritten(duoband::CellPointer cell, bool settingsReplaced);
    // A frequency refused with its message: `text` waits for correction.
    void refused(duoband::CellPointer cell, const QString& text);
    // The editor has gone: the grid moves on.
    void moveRequested(ChannelGrid::Move move);
    void menuRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* makeEditor(const duoband::ChannelColumnEditor& column, QWidget* parent);
    void writeEntry(CellEntry* entry);
    void writeChoice(CellChoice* box, int entry);
    void enterInEntry(CellEntry* entry, bool committed);
    void leaveCell(QWidget* editor, CellKey key);

    duoband::EditorModel& model_;
    const duoband::Band band_;
    ChannelTableModel& cells_;
    QAbstractItemView* grid_;
    // The editors by the column they edit (none for the channel number).
    std::array<QWidget*, duoband::kColumnCount> editors_{};
    mutable QWidget* open_ = nullptr;  // handed to the grid and not yet taken back
    bool lastWriteClean_ = true;       // the last entry write showed no message
    bool lastWriteKept_ = false;       // the last entry write kept the text
};
