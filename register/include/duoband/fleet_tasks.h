// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a front end asks of the register about its fleets, with the checks
// and the columns every front end shares: a new fleet's numbering, a roster
// imported all or nothing, and the radios as listed.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/phrase.h"
#include "duoband/radio_register.h"

namespace duoband {

// The columns a list of radios has, and a radio's values in them.
inline constexpr std::array<std::string_view, 10> kRadioColumns{
    "fleet", "native-id", "identity-code",   "boot-line-1",   "boot-line-2",
    "label", "state",     "last-programmed", "configuration", "result"};
std::vector<std::string> radioFields(const RegisteredRadio& radio);
// The radios as CSV: a header of the columns, then a line per radio.
std::string radiosCsv(const std::vector<RegisteredRadio>& radios);

// "native-id next 1000, identity-code next 0007"; "-" when nothing is numbered.
std::string numberingText(const Fleet& fleet);

// A new fleet's numbering from its "FIELD=START" starts, one per field; nullopt
// with `problem` saying why not.
std::optional<std::vector<UnitNumbering>> fleetNumbering(const std::vector<std::string>& starts,
                                                         std::string& problem);

// A roster imported: the radios planned, or why none was.
struct RosterImport {
    Phrase error;                  // the file is no roster
    std::vector<Phrase> refusals;  // one per refused row
    std::size_t planned = 0;
    bool imported() const { return error.empty() && refusals.empty(); }
};
// Checks `text` as a roster of `fleet` and plans its radios, all of them or
// none. Throws RegisterError when the fleet is not in the register or the
// register fails.
RosterImport importRoster(RadioRegister& reg, const std::string& fleet, std::string_view text);

}  // namespace duoband
