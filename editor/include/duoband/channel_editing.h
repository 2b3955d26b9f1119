// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the two channel tables, one per band: which editor a selected cell opens, the key filters
// of the frequency and name entries, and the commits that write the cells.
//
// The grid itself never changes a cell; every change goes through these
// functions, which work on the table of the band they are given. Texts are
// the radio's bytes, one byte per character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/editor_keys.h"
#include "duoband/editor_model.h"
#include "duoband/settings_table.h"
#include "duoband/translatable.h"

namespace duoband {

// The cell selected last on a grid. Every editor of that grid writes into
// the row it names.
struct CellPointer {
    Column column = Column::Number;
    int row = 0;
    bool operator==(const CellPointer&) const = default;
};

// The editor a data column opens over a selected cell: the column's row of
// the channel column table.
using ChannelColumnEditor = ChannelColumn;

std::span<const ChannelColumnEditor> channelColumnEditors();
// nullptr for the channel number column.
const ChannelColumnEditor* channelColumnEditor(Column column);

// What selecting cell (col, row) does to the grid's editors.
struct CellOpening {
    bool hideEditors = false;                     // hide all twelve editors first
    const ChannelColumnEditor* editor = nullptr;  // the one to show; nullptr: none
    std::string text;                             // an entry's text (the cell's)
    int entry = -1;  // a choice opens on the cell's entry; -1: none ("0FF" is no pick)
};

// Selecting a cell: records it in `pointer` and says which editor opens
// over it.
CellOpening selectChannelCell(const EditorModel& model, Band band, CellPointer& pointer, Column col,
                              int row);

// The three text entries of a grid.
enum class ChannelEntry { ReceiveFrequency, TransmitFrequency, Name };

// The key filter of the frequency and name entries: `length` is the
// number of characters the entry holds before the key.
KeyResult channelEntryKey(ChannelEntry entry, std::size_t length, char32_t key);

// What typing `text` into the entry leaves in it: each character as its key
// filter takes it (',' is a frequency's decimal point), the others dropped,
// cut at the entry's length. A paste or a drop takes exactly this.
std::string typedChannelEntry(ChannelEntry entry, std::u32string_view text);
// The same for a text of the radio's bytes (a cell pasted into the grid).
std::string typedChannelEntry(ChannelEntry entry, std::string_view text);

// The name as pasted into the name entry: printable ASCII without ',', '"', '\'',
// cut to 7 characters.
std::string filterChannelName(std::u32string_view pasted);

// What a frequency commit did.
enum class FrequencyOutcome {
    NoCell,         // the pointer names no channel row: nothing happened
    Cleared,        // empty entry: the cell and its dependent columns emptied
    Refused,        // outside the accepted ranges: nothing changed, `message` tells why
    NotAFrequency,  // not a number: nothing changed, `message` tells why
    Unchanged,      // equal to the cell: nothing written
    Written,        // the frequency (snapped) and the row's defaults written
};

// What becomes of the entry after the commit.
enum class EntryAfterCommit {
    Hide,      // empty its text and hide it
    KeepText,  // keep its text and stay visible until the next selection
};

struct FrequencyCommit {
    FrequencyOutcome outcome = FrequencyOutcome::NoCell;
    std::string message;  // shown modally when not empty
    EntryAfterCommit entry = EntryAfterCommit::Hide;
    std::vector<Column> changedColumns;  // of the pointer's row, ascending
    // A new frequency put its defaults over settings the row held.
    bool settingsReplaced = false;
};

// The range messages, without the blank that band A adds.
inline constexpr std::string_view kReceiveRangeMessage =
    QT_TRANSLATE_NOOP("duoband", "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ");
inline constexpr std::string_view kTransmitRangeMessage =
    QT_TRANSLATE_NOOP("duoband", "Transmission Frequency in 136~176MHZ 220~250MHZ 400~490MHZ");
inline constexpr std::string_view kNotAFrequencyMessage =
    QT_TRANSLATE_NOOP("duoband", "Not a frequency! Enter MHz as digits with one point, e.g. 145.5");

// Leaving a frequency entry: commits `text` as the receive or transmit
// frequency of the pointer's row.
FrequencyCommit commitChannelFrequency(EditorModel& model, Band band, CellPointer at,
                                       ChannelEntry entry, std::string_view text);

// The accepted range (0, 1 or 2, in the order they are tested: 136~176,
// 400~490, 220~250 MHz) that holds `units` (10 Hz), bounds included.
std::optional<int> acceptedRange(std::uint64_t units);

// The text a new frequency writes into `column` of its row ("0FF" for the
// tones, which no pick can give), or nothing for a column it leaves alone.
std::optional<std::string_view> channelColumnDefault(Column column);

// A pick in a choice editor: writes entry `entry` of the pointer's column's
// list into the pointer's cell. False, writing nothing, when the pointer names
// no choice column or the entry is not in the list.
bool commitChannelChoice(EditorModel& model, Band band, CellPointer at, int entry);

// Leaving the name entry: writes the name into the pointer's row,
// also when empty; characters the name cannot hold are dropped, and it is cut
// to 7. False when the pointer names no channel row.
bool commitChannelName(EditorModel& model, Band band, CellPointer at, std::string_view text);

// A choice cell holding a text that neither a pick nor a new frequency
// writes, as a hand-edited settings file may ("67HZ", "high"). A write still
// sends the record's reading of it, so it is shown before anything is sent.
struct OffListCell {
    Band band;
    int row;
    Column column;
    std::string text;
};
std::vector<OffListCell> cellsOffTheirLists(const EditorModel& model);

// One line per cell, the first `shown` of them, then "and N more":
// Band A channel 5, Power: "high" is not one of the list's entries
std::string describeOffListCells(const std::vector<OffListCell>& cells, std::size_t shown);

}  // namespace duoband
