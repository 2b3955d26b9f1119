// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_splitter.h"

#include <algorithm>
#include <array>

namespace duoband {

namespace {

// What a character does to an item. One table lookup per character, with the
// tables built at compile time, keeps splitting a whole file cheap: every
// character of it passes here twice.
enum class CharRole : unsigned char { Plain, Ends, Quote, Skipped };
using RoleTable = std::array<CharRole, 256>;

constexpr RoleTable roles(char separator, char skipped) {
    RoleTable table{};
    auto set = [&](char c, CharRole role) { table[static_cast<unsigned char>(c)] = role; };
    if (skipped != '\0') set(skipped, CharRole::Skipped);
    set('"', CharRole::Quote);
    set('\'', CharRole::Quote);
    set('\r', CharRole::Ends);
    set('\n', CharRole::Ends);
    if (separator != '\0') set(separator, CharRole::Ends);
    return table;
}

constexpr RoleTable kLineRoles = roles('\0', '~');
constexpr RoleTable kFieldRoles = roles(',', '\0');

SplitResult split(std::string_view text, const RoleTable& table) {
    SplitResult result;
    result.items.reserve(16);
    // Walked by pointer: a lookup per character and nothing else, as this
    // loop runs over every character of the file twice.
    const char* at = text.data();
    const char* const end = at + text.size();
    auto role = [&table](const char* c) { return table[static_cast<unsigned char>(*c)]; };
    while (at != end) {
        // A skipped character is skipped only at the start of an item.
        while (at != end && (role(at) == CharRole::Ends || role(at) == CharRole::Skipped)) ++at;
        const char* const start = at;
        for (; at != end && role(at) != CharRole::Ends; ++at) {
            if (role(at) != CharRole::Quote) continue;
            const char* const close = std::find(at + 1, end, *at);
            if (close == end) {
                result.ok = false;
                return result;
            }
            at = close;
        }
        if (at != start) result.items.emplace_back(start, static_cast<std::size_t>(at - start));
    }
    return result;
}

}  // namespace

SplitResult splitLines(std::string_view text) {
    return split(text, kLineRoles);
}

SplitResult splitFields(std::string_view line) {
    return split(line, kFieldRoles);
}

}  // namespace duoband
