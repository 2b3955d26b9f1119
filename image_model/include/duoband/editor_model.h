// The whole configuration exactly as the editor holds it, as plain data.
//
// The read, the write, the settings file, the command-line tool and the
// window all work on this one type. Member names are the names of the main
// window's controls; a band's "Set up" page is a BandPage whose member cN is
// the control leftN on band A and rightN on band B (there is no control 9).
//
// Texts (cells, edits) hold the radio's bytes, one byte per character; a
// front end shows bytes above 0x7E as Latin-1.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "duoband/hex_text.h"

namespace duoband {

enum class Band { A, B };
inline constexpr std::array<Band, 2> kBands{Band::A, Band::B};

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

// A channel table: 129 rows (row 0 the titles) by 13 columns (column 0 the
// channel number "1".."128", columns 1..12 the channel's texts).
struct ChannelTable {
    static constexpr int kRows = 129;
    static constexpr int kColumns = 13;
    static constexpr int kChannels = 128;

    std::array<std::array<std::string, kColumns>, kRows> cells;

    // Cells are addressed (column, row) as on the grid.
    std::string& cell(int col, int row) { return cells.at(row).at(col); }
    const std::string& cell(int col, int row) const { return cells.at(row).at(col); }
    bool operator==(const ChannelTable&) const = default;
};

// One band's "Set up" page (band A: left1..left16, band B: right1..right16).
struct BandPage {
    Choice c1;        // working mode
    Choice c2;        // channel number "1".."128"
    std::string c3;   // receiving frequency, MHz
    Choice c4;        // receiving CTCSS/DCS (tone list with "0FF")
    Choice c5;        // transmit end signalling
    Choice c6;        // receiving mode
    Choice c7;        // transmission CTCSS/DCS
    Choice c8;        // launch signalling
    Choice c10;       // power
    Choice c11;       // bandwidth
    Choice c12;       // compandor
    Choice c13;       // scrambler
    Choice c14;       // difference frequency direction
    std::string c15;  // transmit offset frequency, MHz
    Choice c16;       // frequency step
    bool operator==(const BandPage&) const = default;
};

// The fifteen hidden block fields k1..k15, addressed by their number.
struct BlockFields {
    std::array<HexText, 15> fields;
    HexText& operator[](int n) { return fields.at(n - 1); }
    const HexText& operator[](int n) const { return fields.at(n - 1); }
    bool operator==(const BlockFields&) const = default;
};

struct EditorModel {
    // A model in the state of a freshly created main window.
    EditorModel();

    ChannelTable StringGrid1;  // band A channels
    ChannelTable StringGrid2;  // band B channels

    BandPage left;   // "A/Upper Band Set up"
    BandPage right;  // "B/Under Band Set up"

    // "Comprehensive Setting"
    Choice gn1, gn2;
    std::string gn3;  // FM frequency, MHz
    Choice gn4, gn5, gn6, gn7, gn8, gn9, gn10, gn11, gn12, gn13, gn14, gn15;

    // "DTMF Groups": sy1..sy8 and sypz1..sypz8 as index 1..8 (index 0 unused)
    std::array<std::string, 9> sy;
    std::array<std::string, 9> sypz;
    Choice sypz9;  // current state: "Normal", "Stun", "Kill"

    // "Limit Frequency"
    std::string kaiji1, kaiji2;
    std::array<std::string, 5> xp;  // xp1..xp4 as index 1..4 (index 0 unused)
    Choice xp5;

    BlockFields k;

    ChannelTable& table(Band b) { return b == Band::A ? StringGrid1 : StringGrid2; }
    const ChannelTable& table(Band b) const { return b == Band::A ? StringGrid1 : StringGrid2; }
    BandPage& band(Band b) { return b == Band::A ? left : right; }
    const BandPage& band(Band b) const { return b == Band::A ? left : right; }
    std::string& kaiji(int line) { return line == 1 ? kaiji1 : kaiji2; }

    bool operator==(const EditorModel&) const = default;
};

// Gives every page the initial values of a freshly created window and sets
// k1..k11 to their default contents; k12..k15 and the tables' column 0 and
// titles are left alone (the tables' data cells are emptied).
void resetToInitialValues(EditorModel& model);

// The start-up contents of k1..k15.
HexText defaultBlockField(int n);

}  // namespace duoband
