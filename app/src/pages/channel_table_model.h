// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The Qt view of one channel table: 128 channel rows by 13 columns, the
// table's row 0 as the header. Read-only: the grid never edits a cell itself,
// every change goes through the cell editors and the editing rules.
#pragma once

#include <QAbstractTableModel>
#include <map>
#include <utility>

#include "duoband/editor_model.h"

class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // `band` names the table to a screen reader: each cell reads as "Band A,
    // channel 12, Receiving Frequency, 145.52500".
    ChannelTableModel(duoband::EditorModel& model, duoband::Band band, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Grid coordinates (column, row 1..128) of a model index and back.
    static int gridRow(const QModelIndex& index) { return index.row() + 1; }
    QModelIndex cellIndex(duoband::Column col, int gridRow) const {
        return index(gridRow - 1, duoband::columnIndex(col));
    }

    // What a screen reader calls the table ("Band A channels") and the
    // editor of a column ("Band A, Receiving Frequency").
    QString tableName() const;
    QString editorName(duoband::Column col) const;

    // The cells that differ from a compared configuration, by (grid row,
    // column), each with what its tool tip says of the other value; they are
    // drawn marked until the next call. Empty: none.
    using DifferingCells = std::map<std::pair<int, duoband::Column>, QString>;
    void markDifferences(DifferingCells cells);

    // The table changed behind the model's back: one row, or everything.
    void rowChanged(int gridRow);
    void tableChanged();

  private:
    QString accessibleText(const QModelIndex& index) const;
    QString bandName() const;
    QString shownCell(duoband::Column column, int row) const;
    const QString* differenceAt(const QModelIndex& index) const;

    duoband::EditorModel& model_;
    duoband::ChannelTable& table_;
    const duoband::Band band_;
    DifferingCells differing_;
};
