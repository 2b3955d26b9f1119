// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/channel_table_model.h"

#include <QApplication>
#include <QPalette>

#include "duoband/channel_editing.h"
#include "pages/page_widgets.h"

using duoband::ChannelTable;

namespace {

// An amber wash: half transparent, so that it reads over the light and the
// dark palette's base alike and the cell's text keeps its own colour.
const QColor kDifferenceWash(255, 166, 0, 110);

}  // namespace

ChannelTableModel::ChannelTableModel(duoband::EditorModel& model, duoband::Band band,
                                     QObject* parent)
    : QAbstractTableModel(parent), model_(model), table_(model.channels(band)), band_(band) {}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ChannelTable::kChannels;
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : duoband::kColumnCount;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const bool fixed = duoband::columnAt(index.column()) == duoband::Column::Number;
    switch (role) {
        case Qt::DisplayRole:
            return shownCell(duoband::columnAt(index.column()), gridRow(index));
        case Qt::TextAlignmentRole:
            // Centred from the top; the view wraps at word boundaries.
            return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignTop));
        case Qt::BackgroundRole:
            if (fixed) return QApplication::palette().button();
            return differenceAt(index) != nullptr ? QVariant(kDifferenceWash) : QVariant();
        case Qt::ToolTipRole:
            if (const QString* other = differenceAt(index)) return *other;
            return {};
        case Qt::ForegroundRole:
            // The fixed column is not selectable but must not look disabled.
            return fixed ? QVariant(QApplication::palette().buttonText()) : QVariant();
        case Qt::AccessibleTextRole:
            return accessibleText(index);
        case Qt::AccessibleDescriptionRole:
            return fixed ? QVariant() : QVariant(tr("Enter or F2 edits the cell."));
        default:
            return {};
    }
}

// Titles and list entries are shown in the window's language; the cell
// keeps the English entry, as the settings file holds it.
QString ChannelTableModel::shownCell(duoband::Column column, int row) const {
    const std::string& text = table_.cell(column, row);
    const duoband::ChannelColumnEditor* editor = duoband::channelColumnEditor(column);
    const bool listEntry = editor != nullptr && editor->kind == duoband::CellEditorKind::Choice;
    return row == 0 || listEntry ? pages::fromCoreText(text) : pages::fromModelText(text);
}

QString ChannelTableModel::bandName() const {
    return band_ == duoband::Band::A ? tr("Band A") : tr("Band B");
}

QString ChannelTableModel::tableName() const {
    return tr("%1 channels").arg(bandName());
}

QString ChannelTableModel::editorName(duoband::Column col) const {
    return bandName() + ", " + shownCell(col, 0);
}

// The channel number column reads as the channel alone.
QString ChannelTableModel::accessibleText(const QModelIndex& index) const {
    const duoband::Column column = duoband::columnAt(index.column());
    const QString channel = tr("%1, channel %2").arg(bandName()).arg(gridRow(index));
    if (column == duoband::Column::Number) return channel;
    const QString value = shownCell(column, gridRow(index));
    const QString cell =
        QString("%1, %2, %3")
            .arg(channel, shownCell(column, 0), value.isEmpty() ? tr("empty") : value);
    const QString* other = differenceAt(index);
    return other != nullptr ? cell + ", " + *other : cell;
}

const QString* ChannelTableModel::differenceAt(const QModelIndex& index) const {
    const auto found = differing_.find({gridRow(index), duoband::columnAt(index.column())});
    return found != differing_.end() ? &found->second : nullptr;
}

void ChannelTableModel::markDifferences(DifferingCells cells) {
    if (cells.empty() && differing_.empty()) return;
    differing_ = std::move(cells);
    emit dataChanged(index(0, 0), index(ChannelTable::kChannels - 1, duoband::kColumnCount - 1),
                     {Qt::BackgroundRole, Qt::ToolTipRole, Qt::AccessibleTextRole});
    emit headerDataChanged(Qt::Vertical, 0, ChannelTable::kChannels - 1);
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    // The rows are headed by their channel numbers.
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= ChannelTable::kChannels) return {};
        // A channel whose record differs where no column shows it.
        const QString* other = differenceAt(index(section, 0));
        if (role == Qt::BackgroundRole && other != nullptr) return kDifferenceWash;
        if (role == Qt::ToolTipRole && other != nullptr) return *other;
        if (role != Qt::DisplayRole) return {};
        return pages::fromModelText(table_.cell(duoband::Column::Number, section + 1));
    }
    if (section < 0 || section >= duoband::kColumnCount) return {};
    if (role == Qt::DisplayRole) return shownCell(duoband::columnAt(section), 0);
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignHCenter | Qt::AlignTop) |
                                   Qt::TextWordWrap);
    }
    return {};
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    // The channel numbers cannot be selected (the arrow keys skip them). A
    // cell is editable when the editing rules open an editor over it.
    if (!index.isValid()) return Qt::NoItemFlags;
    const duoband::Column column = duoband::columnAt(index.column());
    if (column == duoband::Column::Number) return Qt::NoItemFlags;
    duoband::CellPointer cell;
    const bool opens =
        duoband::selectChannelCell(model_, band_, cell, column, gridRow(index)).editor != nullptr;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable |
           (opens ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

void ChannelTableModel::rowChanged(int gridRow) {
    emit dataChanged(cellIndex(duoband::Column::Number, gridRow),
                     cellIndex(duoband::Column::Name, gridRow));
}

void ChannelTableModel::tableChanged() {
    emit dataChanged(index(0, 0), index(ChannelTable::kChannels - 1, duoband::kColumnCount - 1));
    emit headerDataChanged(Qt::Horizontal, 0, duoband::kColumnCount - 1);
}
