// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Tools that change many channels at once: fill a selection, fill a series,
// repeater offsets, sort, find and replace.
//
// Each tool is one change of the configuration (the window records it as one
// undo step). Every value goes through the rules of typing or picking it in
// the grid; a value the rules refuse is listed with its place and why, and
// the others are applied.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/channel_editing.h"
#include "duoband/compare.h"
#include "duoband/editor_model.h"
#include "duoband/phrase.h"

namespace duoband {

using CellPlace = ComparePlace::Cell;

// A value a tool did not put into its cell.
struct RefusedToolValue {
    CellPlace place;
    std::string text;  // the value, the radio's bytes
    Phrase why;
};

struct ToolReport {
    int cellsChanged = 0;
    std::vector<RefusedToolValue> refused;
    // Why nothing was done: a start, step or offset that is not a number.
    Phrase invalid;
};

// One line per refused value ("Band A channel 12, Name: "X" - why"), the
// first `shown` of them, then how many more.
Phrase describeRefusedToolValues(const std::vector<RefusedToolValue>& refused,
                                 std::size_t shown = 20);

// `text` entered into the cell as typing or picking it would (a choice by
// its entry's text). A frequency entered over another keeps the settings the
// channel holds; only their empty cells get what a new frequency writes, so
// setting one column of many channels never resets another. Nullopt when
// taken, else why not; a refused value changes nothing.
std::optional<Phrase> enterCellValue(EditorModel& model, Band band, CellPointer at,
                                     std::string_view text);

// Fill Selection: `text` into `column` of each of `channels`.
ToolReport fillCells(EditorModel& model, Band band, Column column, const std::vector<int>& channels,
                     std::string_view text);

// A series over channels in order.
//  - A frequency column: `start` MHz, then each channel `step` MHz more
//    (a step may be negative: "-0.0125").
//  - The name: `start` is a pattern whose "{n}" becomes a number counting
//    from `firstNumber` by `numberStep`; "{n:02}" writes it two digits wide.
//  - Any other column: `start` into every channel, as Fill Selection does.
struct SeriesRule {
    std::string start;
    std::string step = "0";
    int firstNumber = 1;
    int numberStep = 1;
};

struct SeriesTexts {
    std::vector<std::string> texts;
    Phrase invalid;  // not empty: the rule makes no series
};

// The values a series puts into `count` channels, before the typing rules
// snap or refuse them (what the dialog previews).
SeriesTexts seriesTexts(Column column, const SeriesRule& rule, int count);

// Fill Series over `channels` (ascending).
ToolReport fillSeries(EditorModel& model, Band band, Column column,
                      const std::vector<int>& channels, const SeriesRule& rule);

// A transmit frequency above or below the receive frequency, or equal to it.
enum class RepeaterShift { Plus, Minus, Simplex };

// Repeater Offset: the transmit frequency of each of `channels` set to its
// receive frequency shifted by `offset` MHz (not read for Simplex). Empty
// channels are passed over.
ToolReport setRepeaterOffset(EditorModel& model, Band band, const std::vector<int>& channels,
                             RepeaterShift shift, std::string_view offset);

enum class SortOrder { Ascending, Descending };

struct SortReport {
    int channelsMoved = 0;
    // The band's "Channel No.:" setting (0: none) and the channel whose
    // record that slot holds now, numbered as before the sort.
    int channelNumberSetting = 0;
    int settingShowsFormer = 0;
};

// Sorts the records of `channels` among their own slots (all 128 when
// empty) by `column`: frequencies by value, choices in the order of their
// lists, names alphabetically without regard to case. Cells left empty come
// after the filled ones and empty channels last, in either order; equal
// values keep their order. The slots, and the "Channel No.:" setting with
// them, stay where they are.
SortReport sortChannels(EditorModel& model, Band band, std::vector<int> channels, Column column,
                        SortOrder order);

// "Channel No.: 5 now shows the channel that was 12 before the sort."
Phrase describeSort(Band band, const SortReport& report);

struct SearchTerms {
    std::string text;  // the radio's bytes
    bool matchCase = false;
    bool wholeCell = false;
    bool everyColumn = false;  // else the names only
};

// The first cell after `after` (band A before band B, channel by channel,
// left to right) whose text matches, wrapping round; nullopt when none does.
// A place on the channel number column starts at the channel's first cell.
std::optional<CellPlace> findCell(const EditorModel& model, const SearchTerms& terms,
                                  CellPlace after);

// Replace All over both bands: in each matching cell, every match replaced
// by `replacement`, the result entered as typing it would. A name the rules
// would change (cut to its length, a character it cannot hold) is refused.
ToolReport replaceAll(EditorModel& model, const SearchTerms& terms, std::string_view replacement);

}  // namespace duoband
