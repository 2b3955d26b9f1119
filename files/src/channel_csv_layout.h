// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The columns of a channel CSV file and the mapping of the grid's tone
// cells onto the generic tone columns, shared by the export and the import.
// The generic columns are listed here; duoband's own columns are the channel
// columns' rows (csvName) in settings_table.h. The checks below prove at
// compile time that the two fit together.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "duoband/editor_model.h"
#include "duoband/phrase.h"
#include "duoband/settings_table.h"

namespace duoband::csv {

// The generic layout of the common radio programmers, in export order: each
// column with the carriage of the channel columns it is worked out from, or
// none for the columns the channels have no place for (the export leaves
// them empty and the import names them as not kept).
struct GenericColumn {
    std::string_view name;
    std::optional<CsvCarriage> from = std::nullopt;
};
// clang-format off
inline constexpr GenericColumn kGenericColumns[] = {
    {"Location", CsvCarriage::Place}, {"Name", CsvCarriage::Name},
    {"Frequency", CsvCarriage::Frequency}, {"Duplex", CsvCarriage::Offset},
    {"Offset", CsvCarriage::Offset}, {"Tone", CsvCarriage::Tone},
    {"rToneFreq", CsvCarriage::Tone}, {"cToneFreq", CsvCarriage::Tone},
    {"DtcsCode", CsvCarriage::Tone}, {"DtcsPolarity", CsvCarriage::Tone},
    {"RxDtcsCode", CsvCarriage::Tone}, {"CrossMode", CsvCarriage::Tone},
    {"Mode", CsvCarriage::Mode}, {"TStep", CsvCarriage::Frequency}, {"Skip"},
    {"Power", CsvCarriage::Power}, {"Comment"}, {"URCALL"}, {"RPT1CALL"}, {"RPT2CALL"},
    {"DVCODE"}};
// clang-format on
inline constexpr std::size_t kGenericCount = std::size(kGenericColumns);

// The channel column whose row carries a channel's place: Band and Channel.
inline constexpr const ChannelColumn& kPlaceColumn = kChannelColumns[columnIndex(Column::Number)];

constexpr bool ownColumn(const ChannelColumn& c) {
    return c.csv == CsvCarriage::Place || c.csv == CsvCarriage::OwnColumn;
}

// duoband's own columns follow the generic ones: each channel column the file
// carries as it stands, by its `csvName`, in grid order; the place's Band first.
constexpr std::size_t ownColumnCount() {
    std::size_t count = 0;
    for (const ChannelColumn& c : kChannelColumns)
        count += ownColumn(c) ? (c.csvBandName.empty() ? 1 : 2) : 0;
    return count;
}

// The header names, in export order.
inline constexpr auto kHeader = [] {
    std::array<std::string_view, kGenericCount + ownColumnCount()> names{};
    std::size_t i = 0;
    for (const GenericColumn& g : kGenericColumns) names[i++] = g.name;
    for (const ChannelColumn& c : kChannelColumns) {
        if (!ownColumn(c)) continue;
        if (!c.csvBandName.empty()) names[i++] = c.csvBandName;
        names[i++] = c.csvName;
    }
    return names;
}();

// The column of a header name; kHeader.size() for none.
constexpr std::size_t indexOf(std::string_view name) {
    for (std::size_t i = 0; i < kHeader.size(); ++i) {
        if (kHeader[i] == name) return i;
    }
    return kHeader.size();
}

// The column the code addresses as `name`: a name missing from the layout
// stops the build.
consteval std::size_t column(std::string_view name) {
    const std::size_t i = indexOf(name);
    if (i == kHeader.size()) throw "no such column in the CSV layout";
    return i;
}

inline constexpr std::size_t kLocation = column("Location");
inline constexpr std::size_t kName = column("Name");
inline constexpr std::size_t kFrequency = column("Frequency");
inline constexpr std::size_t kDuplex = column("Duplex");
inline constexpr std::size_t kOffset = column("Offset");
inline constexpr std::size_t kTone = column("Tone");
inline constexpr std::size_t kRToneFreq = column("rToneFreq");
inline constexpr std::size_t kCToneFreq = column("cToneFreq");
inline constexpr std::size_t kDtcsCode = column("DtcsCode");
inline constexpr std::size_t kDtcsPolarity = column("DtcsPolarity");
inline constexpr std::size_t kRxDtcsCode = column("RxDtcsCode");
inline constexpr std::size_t kCrossMode = column("CrossMode");
inline constexpr std::size_t kMode = column("Mode");
inline constexpr std::size_t kTStep = column("TStep");
inline constexpr std::size_t kPower = column("Power");
inline constexpr std::size_t kBand = column(kPlaceColumn.csvBandName);
inline constexpr std::size_t kChannel = column(kPlaceColumn.csvName);

// The channel columns carried as they stand, each with its column of the file.
struct CellColumn {
    Column column;
    std::size_t at;
};
inline constexpr auto kCellColumns = [] {
    constexpr auto count =
        std::ranges::count(kChannelColumns, CsvCarriage::OwnColumn, &ChannelColumn::csv);
    std::array<CellColumn, count> columns{};
    std::size_t i = 0;
    for (const ChannelColumn& c : kChannelColumns) {
        if (c.csv == CsvCarriage::OwnColumn) columns[i++] = {c.column, indexOf(c.csvName)};
    }
    return columns;
}();

// The import finds columns ignoring case, so no two names may differ in case only.
constexpr bool sameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}
constexpr bool namesDistinct() {
    for (std::size_t i = 0; i < kHeader.size(); ++i) {
        for (std::size_t j = i + 1; j < kHeader.size(); ++j) {
            if (kHeader[i].empty() || sameIgnoringCase(kHeader[i], kHeader[j])) return false;
        }
    }
    return true;
}
static_assert(namesDistinct(), "every CSV column has a name of its own");

// Every channel column is in the file. One the file carries as it stands
// names an own column; any other the generic column worked out from its carriage.
constexpr bool csvNamesInLayout() {
    return std::ranges::all_of(kChannelColumns, [](const ChannelColumn& c) {
        if (c.csvName.empty()) return false;
        const std::size_t i = indexOf(c.csvName);
        if (ownColumn(c)) return i >= kGenericCount && i < kHeader.size();
        return i < kGenericCount && kGenericColumns[i].from == c.csv;
    });
}
static_assert(csvNamesInLayout(), "every channel column's csvName is in the CSV layout");

// A generic column is worked out from channel columns that exist, and not
// from those carried as they stand in their own columns.
constexpr bool genericColumnsCarried() {
    return std::ranges::all_of(kGenericColumns, [](const GenericColumn& g) {
        if (g.from == CsvCarriage::OwnColumn) return false;
        return !g.from || std::ranges::any_of(kChannelColumns, [&](const ChannelColumn& c) {
            return c.csv == *g.from;
        });
    });
}
static_assert(genericColumnsCarried(), "no generic column without its channel columns");

constexpr unsigned carriageBit(CsvCarriage c) {
    return 1u << static_cast<unsigned>(c);
}

// Whether `steps` (the export's writers or the import's readers, each with
// the carriages it handles) handle the carriage of every channel column, each
// carriage once.
template <typename Step, std::size_t N>
constexpr bool handleEveryCarriageOnce(const Step (&steps)[N]) {
    unsigned handled = 0;
    for (const Step& step : steps) {
        if ((handled & step.carriages) != 0) return false;
        handled |= step.carriages;
    }
    return std::ranges::all_of(kChannelColumns, [&](const ChannelColumn& c) {
        return (handled & carriageBit(c.csv)) != 0;
    });
}

// A column of the file and a value in it, for a note: Frequency "300.000000".
inline Phrase fieldValue(std::string_view name, std::string_view value) {
    return phrase(QT_TRANSLATE_NOOP("duoband", "%1 \"%2\""), verbatim(name), echoed(value));
}

// Locations: band A channels 1..128, then band B.
inline constexpr int kLocationsPerBand = ChannelTable::kChannels;

// The TStep a channel is exported with, by its frequency in Hz: 5 kHz when
// the frequency is a multiple of it, else 6.25 kHz when of that, else 2.5.
constexpr std::string_view stepOf(std::uint64_t hertz) {
    if (hertz % 5000 == 0) return "5.00";
    if (hertz % 6250 == 0) return "6.25";
    return "2.50";
}

// The first characters that make a spreadsheet read a text as a formula; a
// name beginning with one is exported after an apostrophe, which keeps it text.
inline constexpr std::string_view kFormulaStarts = "=+-@";
inline constexpr char kTextMark = '\'';

// What the generic columns hold when a channel does not use them.
inline constexpr std::string_view kUnusedCtcss = "88.5";
inline constexpr std::string_view kUnusedDcs = "023";
inline constexpr std::string_view kUnusedPolarity = "NN";
inline constexpr std::string_view kUnusedCrossMode = "Tone->Tone";

// One side's tone: none, a CTCSS tone ("88.5") or a DCS code ("023") with
// its polarity ('N' normal, 'R' reversed: the tone list's "I").
enum class ToneKind { None, Ctcss, Dcs };
struct Tone {
    ToneKind kind = ToneKind::None;
    std::string value;
    char polarity = 'N';
    bool operator==(const Tone&) const = default;
};

// A tone cell as a tone; nullopt for a text outside the tone list. An empty
// cell and the no-tone texts ("OFF", "0FF") are no tone.
std::optional<Tone> toneOfCell(std::string_view cell);
// The tone list's text for a tone; nullopt when the radio has no such tone.
// No tone gives an empty text (the cell keeps what a new frequency put there).
std::optional<std::string> cellOfTone(const Tone& tone);

// The generic tone columns of a channel: Tone, rToneFreq, cToneFreq,
// DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode.
struct ToneFields {
    std::string mode;
    std::string rTone{kUnusedCtcss};
    std::string cTone{kUnusedCtcss};
    std::string dtcs{kUnusedDcs};
    std::string polarity{kUnusedPolarity};
    std::string rxDtcs{kUnusedDcs};
    std::string crossMode{kUnusedCrossMode};
};
ToneFields toneFields(const Tone& tx, const Tone& rx);

// The two tones the tone columns describe, or why they cannot be read.
struct TonePair {
    Tone tx, rx;
    Phrase what, why;  // set when the columns cannot be read
};
TonePair tonesOf(const ToneFields& fields);

}  // namespace duoband::csv
