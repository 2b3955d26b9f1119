// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The columns of a channel CSV file and the mapping of the grid's tone
// cells onto the generic tone columns, shared by the export and the import.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "duoband/editor_model.h"
#include "duoband/phrase.h"

namespace duoband::csv {

enum class Field {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    RToneFreq,
    CToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    Urcall,
    Rpt1call,
    Rpt2call,
    Dvcode,
    Band,
    Channel,
    ReceivingMode,
    LaunchSignalling,
    EndSignalling,
    Compandor,
    Scrambler,
};
inline constexpr std::size_t kFieldCount = 28;

// The header names, in export order.
// clang-format off
inline constexpr std::array<std::string_view, kFieldCount> kFieldNames{
    "Location", "Name", "Frequency", "Duplex", "Offset", "Tone", "rToneFreq", "cToneFreq",
    "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep", "Skip", "Power",
    "Comment", "URCALL", "RPT1CALL", "RPT2CALL", "DVCODE",
    "Band", "Channel", "Receiving Mode", "Launch Signaling", "Transmit end Signaling",
    "Compandor", "Scrambler"};
// clang-format on

constexpr std::size_t at(Field f) {
    return static_cast<std::size_t>(f);
}
constexpr std::string_view nameOf(Field f) {
    return kFieldNames[at(f)];
}
// A column of the file and a value in it, for a note: Frequency "300.000000".
inline Phrase fieldValue(std::string_view name, std::string_view value) {
    return phrase(QT_TRANSLATE_NOOP("duoband", "%1 \"%2\""), verbatim(name), echoed(value));
}

// The field of a header name; kFieldCount for none.
constexpr std::size_t fieldNamed(std::string_view name) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (kFieldNames[i] == name) return i;
    }
    return kFieldCount;
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
