// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/editor_model.h"

#include "duoband/settings_table.h"

namespace duoband {

namespace {

void initTableFrame(ChannelTable& table) {
    for (const ChannelColumn& c : channelColumns()) table.cell(c.column, 0) = std::string(c.title);
    for (int row = 1; row < ChannelTable::kRows; ++row)
        table.cell(Column::Number, row) = std::to_string(row);
}

void emptyChannels(ChannelTable& table) {
    const auto firstCell = static_cast<std::ptrdiff_t>(columnIndex(Column::RxFrequency));
    for (auto row = table.cells.begin() + 1; row != table.cells.end(); ++row)
        for (auto cell = row->begin() + firstCell; cell != row->end(); ++cell) cell->clear();
}

}  // namespace

HexText defaultBlockField(Block block) {
    return HexText(blockFieldSetting(block).initialText);
}

EditorModel::EditorModel() {
    for (ChannelTable& table : channelTables) initTableFrame(table);
    resetToInitialValues(*this);
}

void resetToInitialValues(EditorModel& m) {
    for (ChannelTable& table : m.channelTables) emptyChannels(table);
    // Every block field too, the codes' fields included: the codes the page
    // clears must not stay behind in the fields that a write sends.
    for (const Setting& s : allSettings()) {
        for (Band band : kBands) {
            if (band == Band::B && !s.perBand()) continue;
            if (s.isChoice()) s.choice.get(m, band) = Choice{s.choices(), s.initialEntry};
            if (s.isText()) s.text.get(m, band) = std::string(s.initialText);
        }
    }
}

}  // namespace duoband
