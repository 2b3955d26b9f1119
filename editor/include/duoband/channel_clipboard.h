// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Copying, pasting and clearing blocks of cells of a channel table.
//
// A block travels as tab-separated text, one line per row, as spreadsheets
// copy and paste it. A pasted cell goes through the same rules as typing or
// picking it in the grid, so no paste can put a value in the table that the
// grid's editors could not.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/channel_editing.h"
#include "duoband/editor_model.h"
#include "duoband/phrase.h"

namespace duoband {

// The data columns a copy holds: never the channel number.
inline constexpr Column kFirstDataColumn = Column::RxFrequency;

// The cells of `rows` x `columns` (each ascending; the channel number column
// is skipped) as tab-separated lines, each ending in '\n'.
std::string copyCells(const ChannelTable& table, const std::vector<int>& rows,
                      const std::vector<Column>& columns);

// A pasted cell that the rules refused.
struct RefusedCell {
    int row = 0;
    Column column = Column::Number;
    std::string text;  // as pasted, the radio's bytes
    Phrase why;
};

struct PasteReport {
    int cellsApplied = 0;
    int rowsLeftOut = 0;     // lines beyond the last channel
    int columnsLeftOut = 0;  // fields beyond the Name column, over all lines
    int lastRow = 0;         // the block pasted: from the start cell to here
    Column lastColumn = Column::Number;
    std::vector<RefusedCell> refused;
};

// Pastes tab-separated `text` with its first cell at `start`; a start on the
// channel number column starts at the Receiving Frequency. Each cell is
// committed as if typed or picked, left to right, so a new Receiving
// Frequency fills the row's defaults before the row's other pasted cells.
// A text cell takes what typing its text would ("146,55" is 146.55 MHz); an
// empty one clears its cell as Delete does. A refused cell changes nothing
// and is reported; an empty choice cell keeps its value, as typing and
// picking can never empty one.
PasteReport pasteCells(EditorModel& model, Band band, CellPointer start, std::string_view text);

// One cell pasted alone: `text` committed as typing or picking it would.
// Nullopt when it was taken, else why not. Unlike a block's empty choice
// cell, an empty choice is refused: no pick empties one.
std::optional<Phrase> pasteOneCell(EditorModel& model, Band band, CellPointer at,
                                   std::string_view text);

// Delete and Cut: frequency and name cells are emptied as typing an empty
// text would (an emptied Receiving Frequency empties its row's settings);
// choice cells keep their values. Returns the number of cells that changed.
int clearCells(EditorModel& model, Band band, const std::vector<CellPointer>& cells);

// One line per refused cell ("Band A channel 12, Receiving Frequency: "300" -
// why"), the first `shown` of them and a count of the rest.
Phrase describeRefusals(Band band, const std::vector<RefusedCell>& refused, std::size_t shown = 20);

}  // namespace duoband
