// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing two configurations of the radio, named in the editor's terms: a
// channel's cell, a setting's caption on its page, or, where no page holds
// the byte, its address. The same comparison serves verify (what was sent
// against what the radio holds), duoband-cli diff and the window's compare
// panel; each words the entries in its own way.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "duoband/phrase.h"
#include "duoband/radio_image.h"
#include "duoband/settings_table.h"

namespace duoband {

// What a side of a comparison is: a configuration (a settings file or the
// window's, compared by what a write of it would send), or an image that
// holds every byte of the plan as a radio sent it (a read, an .img).
enum class SideKind { Configuration, Image };

// How bytes no page holds are counted.
enum class LooseBytes {
    Count,     // a difference (two images; the verify of a clone)
    NoteFill,  // a difference, but the 0xFF fill a write adds past the
               // configuration's blocks is a note (the verify of a write)
    Note,      // listed, not counted (diff, either side a configuration)
};

enum class EntryKind { Difference, Note };

// Where an entry lies; exactly one of the three is set.
struct ComparePlace {
    struct Cell {
        Band band;
        int channel;  // 1..128
        // Column::Number: the channel's record as a whole, whose bytes
        // differ where no column shows it (a tone of 0x0000 against 0xFFFF)
        Column column;
        bool operator==(const Cell&) const = default;
    };
    std::optional<Cell> cell;           // a channel's column
    std::optional<SettingRef> setting;  // a setting, on its page
    std::optional<int> address;         // loose bytes: the first one's address
    bool operator==(const ComparePlace&) const = default;
};

struct CompareEntry {
    EntryKind kind = EntryKind::Difference;
    ComparePlace where;
    // Each side's value as the editor shows it ("" is an empty cell); for
    // loose bytes, the bytes in hex ("FF"; "00 00 ?? ??" where an image does
    // not know them). The same on both sides when only bytes the editor does
    // not show differ (see showsTheSame).
    std::string a, b;
    // Each side's bytes where the entry lies: the column's bytes of the
    // record, the whole record, the setting's bytes, the loose bytes.
    Bytes aBytes, bBytes;
    bool operator==(const CompareEntry&) const = default;
};

// The differences first, in this order: band A's channels, band B's, the
// settings in tab order, then loose bytes by address; the notes after them
// in the same order. Bytes either image does not know are notes.
std::vector<CompareEntry> compareConfigurations(const RadioImage& a, const RadioImage& b,
                                                LooseBytes loose,
                                                std::span<const Setting> settings = allSettings());

// The comparison two sides call for: loose bytes count only between two images.
inline LooseBytes looseBytesFor(SideKind a, SideKind b) {
    return a == SideKind::Image && b == SideKind::Image ? LooseBytes::Count : LooseBytes::Note;
}

std::size_t differenceCount(std::span<const CompareEntry> entries);

// Bytes a page holds that one side does not know: a step an image holds in
// part or not at all (a read kept with Keep What Arrived, an all-"??"
// image). The tail of a step the radio answered with the shorter accepted
// length (kAnswerBytesAtEveryStep) is not among them, so that such a radio
// still compares equal. While there are any, the two are not shown equal.
struct UnknownHeldBytes {
    int steps = 0;
    int bytes = 0;
    bool any() const { return steps > 0; }
};
UnknownHeldBytes unknownHeldBytes(const RadioImage& a, const RadioImage& b);

// ---- wording the entries ---------------------------------------------------

// "Band A channel 12, Receiving Frequency", "Band A channel 12",
// "\"Squelch level\" on \"Comprehensive Setting\"", "0x02B4".
Phrase describePlace(const ComparePlace& where);

// Whether the editor shows the same on both sides, so that the entry is
// worded by its bytes (changedBytes): loose bytes, a channel's record, a
// setting's value outside its list.
bool showsTheSame(const CompareEntry& entry);

// Whether the entry lists bytes an image does not know (always a note).
bool isUnknown(const CompareEntry& entry);

// The address of the entry's first byte (of aBytes).
int entryAddress(const CompareEntry& entry, std::span<const Setting> settings = allSettings());

struct ByteChange {
    int address;
    std::uint8_t a, b;
    bool operator==(const ByteChange&) const = default;
};
// The entry's bytes that differ, each with its address; of a setting, only
// the bytes where its own bits differ (`settings` places it, as given to
// compareConfigurations). None for unknown bytes.
std::vector<ByteChange> changedBytes(const CompareEntry& entry,
                                     std::span<const Setting> settings = allSettings());

// The entries as duoband-cli diff prints them, one line each, the notes
// marked "note: ", then the count ("3 differences, 2 notes"):
//   Band A channel 12, Receiving Frequency: 145.52500 -> 145.50000
//   "Squelch level" on "Comprehensive Setting": 3 -> 5
//   0x02B4: FF -> 00
// An empty value shows as "(empty)". Bytes held but unknown on one side
// are said after the count ("0 differences, 12 notes; 12 steps (576 bytes)
// unknown on one side, so the two are not shown equal").
std::vector<std::string> compareLines(std::span<const CompareEntry> entries,
                                      UnknownHeldBytes unknown = {});

}  // namespace duoband
