// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A fleet's roster: a CSV file with a header and a row per radio to come,
// each with its own values, checked by the editor's rules before any of them
// is kept; and a radio's image with those values in their places.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "duoband/phrase.h"
#include "duoband/radio_image.h"
#include "duoband/radio_register.h"

namespace duoband {

// The columns a roster may hold, any subset, in any order.
inline constexpr std::array<std::string_view, 6> kRosterColumns{
    "native-id", "identity-code", "boot-line-1", "boot-line-2", "label", "notes"};

struct Roster {
    std::vector<RadioValues> radios;  // in file order
    // Why the file cannot be read (not CSV, no header); or one line per
    // refused row ("line 4: ..."). A roster with either imports nothing.
    Phrase error;
    std::vector<Phrase> refusals;
    bool ok() const { return error.empty() && refusals.empty(); }
};

// Reads and checks `text`: every value by the rules of its field, and no
// native ID twice, neither in the file nor among `idsInFleet`.
Roster readRoster(std::string_view text, const std::vector<std::string>& idsInFleet);

// Why `line` cannot be a boot message line; empty when it can.
Phrase bootLineProblem(std::string_view line);

// `image` with the radio's own values in place: its numbers and its boot
// lines, each only where given.
RadioImage withRadioValues(RadioImage image, const RadioValues& values);
// The boot line `index` (0 or 1) that `image` holds.
std::string bootLineIn(const RadioImage& image, int index);

}  // namespace duoband
