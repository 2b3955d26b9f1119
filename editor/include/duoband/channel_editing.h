// Editing the two channel tables (StringGrid1 for band A, StringGrid2 for
// band B): which editor a selected cell opens, the key filters of the
// frequency and name entries, and the commits that write the cells.
//
// The grid itself never changes a cell; every change goes through these
// functions, which work on the table of the band they are given. Texts are
// the radio's bytes, one byte per character.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/editor_keys.h"
#include "duoband/editor_model.h"

namespace duoband {

// The cell selected last on a grid: `Col`/`Row` on band A, `col1`/`row1` on
// band B. Every editor of that grid writes into the row it names.
struct CellPointer {
    int col = 0;
    int row = 0;
    bool operator==(const CellPointer&) const = default;
};

enum class CellEditorKind { FrequencyEntry, NameEntry, Choice };

// The editor of a data column: control tN on band A, pN on band B.
struct ChannelColumnEditor {
    int column;   // 1..12
    int control;  // N of tN/pN (the numbering skips 4)
    CellEditorKind kind;
    OptionList (*entries)();  // the choice list; nullptr for the entries
    int openOnlyWhen;         // the column that must not be empty; 0: always
    std::size_t maxLength;    // of an entry; 0 for a choice
};

std::span<const ChannelColumnEditor> channelColumnEditors();
// nullptr for column 0 and columns outside the table.
const ChannelColumnEditor* channelColumnEditor(int column);

// What selecting cell (col, row) does to the grid's editors.
struct CellOpening {
    bool hideEditors = false;                     // hide all twelve editors first
    const ChannelColumnEditor* editor = nullptr;  // the one to show; nullptr: none
    std::string text;                             // an entry's text (the cell's)
    int entry = 0;                                // a choice opens on entry 0
};

// StringGrid1SelectCell / StringGrid2SelectCell: records the cell in
// `pointer` and says which editor opens over it.
CellOpening selectChannelCell(const EditorModel& model, Band band, CellPointer& pointer, int col,
                              int row);

enum class ChannelEntry { ReceiveFrequency, TransmitFrequency, Name };  // t1, t5, t13 / p1, p5, p13

// t1KeyPress, t5KeyPress, t13KeyPress and the p twins: `length` is the
// number of characters the entry holds before the key.
KeyResult channelEntryKey(ChannelEntry entry, std::size_t length, char32_t key);

// The name as pasted into t13/p13: printable ASCII without ',', '"', '\'',
// cut to 7 characters.
std::string filterChannelName(std::u32string_view pasted);

// What a frequency commit did.
enum class FrequencyOutcome {
    NoCell,         // the pointer names no channel row: nothing happened
    Cleared,        // empty entry: the cell and its dependent columns emptied
    Refused,        // outside the accepted ranges: cleared, `message` tells why
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
    std::vector<int> changedColumns;  // of the pointer's row, ascending
};

// The range messages, without the blank that band A adds.
inline constexpr std::string_view kReceiveRangeMessage =
    "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ";
inline constexpr std::string_view kTransmitRangeMessage =
    "Transmission Frequency in 136~176MHZ 220~250MHZ 400~490MHZ";
inline constexpr std::string_view kNotAFrequencyMessage =
    "Not a frequency! Enter MHz as digits with one point, e.g. 145.5";

// t1Exit/t5Exit (p1Exit/p5Exit): commits `text` as the receive or transmit
// frequency of the pointer's row.
FrequencyCommit commitChannelFrequency(EditorModel& model, Band band, CellPointer at,
                                       ChannelEntry entry, std::string_view text);

// t2Click..t12Click (p twins): writes entry `entry` of the pointer's column's
// list into the pointer's cell. False, writing nothing, when the pointer names
// no choice column or the entry is not in the list.
bool commitChannelChoice(EditorModel& model, Band band, CellPointer at, int entry);

// t13Exit (p13Exit): writes the name into column 12 of the pointer's row,
// also when empty; characters the name cannot hold are dropped, and it is cut
// to 7. False when the pointer names no channel row.
bool commitChannelName(EditorModel& model, Band band, CellPointer at, std::string_view text);

}  // namespace duoband
