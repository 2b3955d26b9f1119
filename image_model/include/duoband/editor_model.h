// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole configuration exactly as the editor holds it, as plain data.
//
// The read, the write, the settings file, the command-line tool and the
// window all work on this one type. What each member means, where it lives
// in the radio and in the settings file is listed once, in settings_table.h.
//
// Texts (cells, edits) hold the radio's bytes, one byte per character; a
// front end shows bytes above 0x7E as Latin-1.
#pragma once

#include <array>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

#include "duoband/hex_text.h"
#include "duoband/memory_map.h"

namespace duoband {

// The fixed entries of a drop-down list.
using OptionList = std::span<const std::string_view>;

// A drop-down list: its entries plus the selected index (-1: none).
struct Choice {
    OptionList entries;
    int index = -1;

    // Selects entry i; an index outside the entries selects nothing.
    void select(int i) { index = (i >= 0 && i < count()) ? i : -1; }
    int count() const { return static_cast<int>(entries.size()); }
    // The selected entry's text, or empty when nothing is selected.
    std::string_view text() const {
        return index >= 0 && index < count() ? entries[index] : std::string_view{};
    }
    bool operator==(const Choice& o) const {
        return index == o.index && entries.data() == o.entries.data() &&
               entries.size() == o.entries.size();
    }
};

// The columns of a channel table, in grid order. `Number` holds the channel
// number "1".."128"; the others one field of the channel each.
enum class Column {
    Number,
    RxFrequency,
    RxTone,
    RxMode,
    TxFrequency,
    TxTone,
    LaunchSignalling,
    EndSignalling,
    Power,
    Bandwidth,
    Compandor,
    Scrambler,
    Name,
};
inline constexpr int kColumnCount = 13;
constexpr int columnIndex(Column column) {
    return static_cast<int>(column);
}
// The column of a grid column index 0..12.
constexpr Column columnAt(int index) {
    return static_cast<Column>(index);
}

// A channel table: 129 rows (row 0 the column titles, rows 1..128 the
// channels) by the thirteen columns.
struct ChannelTable {
    static constexpr int kRows = 129;
    static constexpr int kChannels = 128;

    std::array<std::array<std::string, kColumnCount>, kRows> cells;

    std::string& cell(Column column, int row) {
        return cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    }
    const std::string& cell(Column column, int row) const {
        return cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
    }
    bool operator==(const ChannelTable&) const = default;
};

// One band's power-on settings of its frequency (VFO) mode.
struct BandSettings {
    Choice workingMode;
    Choice channel;           // "1".."128"
    std::string rxFrequency;  // MHz
    Choice rxTone;            // tone list with "0FF"
    Choice rxMode;
    Choice txTone;
    Choice launchSignalling;
    Choice endSignalling;
    Choice power;
    Choice bandwidth;
    Choice compandor;
    Choice scrambler;
    Choice offsetDirection;  // "OFF", "+", "-"
    std::string offset;      // transmit offset, MHz
    Choice step;             // frequency step
    bool operator==(const BandSettings&) const = default;
};

// The general settings.
struct GeneralSettings {
    Choice mainBand;
    Choice volume;
    std::string fmFrequency;  // MHz
    Choice standbyBacklight;
    Choice receiveBacklight;
    Choice transmitBacklight;
    Choice backlightMode;
    Choice beep;
    Choice vibrationRingTime;
    Choice busyChannelLock;
    Choice timeOverTimer;
    Choice toneBurst;  // the single signalling tone
    Choice dtmfTime;   // DTMF transmitting time
    Choice squelchLevel;
    Choice repeaterMode;
    bool operator==(const GeneralSettings&) const = default;
};

// The identity and remote-control codes, in memory order.
enum class RemoteCode {
    NativeId,
    MasterId,
    Alarm,
    IdentityDisplay,
    Revive,
    RemoteStun,
    RemoteKill,
    Monitor,
};
inline constexpr int kRemoteCodes = 8;
inline constexpr int kDtmfGroups = 8;
inline constexpr int kBootMessageLines = 2;

// The four band-edge limits, in memory order.
enum class Limit { VhfLow, VhfHigh, UhfLow, UhfHigh };
inline constexpr int kLimits = 4;

struct BlockFields {
    std::array<HexText, kBlockCount> fields;
    HexText& operator[](Block b) { return fields.at(static_cast<std::size_t>(b)); }
    const HexText& operator[](Block b) const { return fields.at(static_cast<std::size_t>(b)); }
    bool operator==(const BlockFields&) const = default;
};

struct EditorModel {
    // A model in the state of a freshly created main window.
    EditorModel();

    std::array<ChannelTable, 2> channelTables;  // band A, band B
    std::array<BandSettings, 2> bandSettings;   // band A, band B
    GeneralSettings general;
    std::array<std::string, kDtmfGroups> dtmfGroups;    // group 1 first
    std::array<std::string, kRemoteCodes> remoteCodes;  // by RemoteCode
    Choice remoteState;                                 // "Normal", "Stun", "Kill"
    std::array<std::string, kBootMessageLines> bootMessage;
    std::array<std::string, kLimits> limits;  // by Limit, MHz
    Choice limitMode;
    BlockFields blocks;

    ChannelTable& channels(Band b) { return channelTables[bandIndex(b)]; }
    const ChannelTable& channels(Band b) const { return channelTables[bandIndex(b)]; }
    BandSettings& band(Band b) { return bandSettings[bandIndex(b)]; }
    const BandSettings& band(Band b) const { return bandSettings[bandIndex(b)]; }

    bool operator==(const EditorModel&) const = default;
};

// For test failures: what departs from a new configuration, each channel
// cell and setting by name ("Band A channel 12, Receiving Frequency ...").
void PrintTo(const EditorModel& model, std::ostream* out);

// Gives every page the initial values of a freshly created window and every
// block field its default contents; the tables' channel numbers and titles
// are left alone (their channel cells are emptied).
void resetToInitialValues(EditorModel& model);

// The start-up contents of a block field.
HexText defaultBlockField(Block block);

}  // namespace duoband
