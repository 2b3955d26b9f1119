// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The building blocks shared by every entry of the editor: which characters
// an entry takes, how a key is judged, how pasted text is cut down to what
// typing could have produced, and how a typed number is read exactly.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

#include "duoband/editor_keys.h"

namespace duoband::rules {

inline constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

// Characters an entry takes and how many of them.
struct Charset {
    bool (*accepts)(char32_t);
    std::size_t limit;
    // How a typed or pasted character is taken before it is judged, for
    // spellings a user means the same by ("a" for "A", "," for ".").
    char32_t (*spelling)(char32_t) = nullptr;
};

bool latin1Character(char32_t c);  // one byte per character

bool frequencyCharacter(char32_t c);  // '0'..'9' and '.'
bool dtmfCharacter(char32_t c);       // '0'..'9', '*', '#', 'A'..'D'
// 0x20..0x7E without ',', '"' and '\'', which the settings file cannot carry.
bool fileTextCharacter(char32_t c);

char32_t decimalPointSpelling(char32_t c);  // ',' -> '.' (a German keyboard's point)
char32_t dtmfSpelling(char32_t c);          // 'a'..'d' -> 'A'..'D'

struct KeyRule {
    Charset charset;
    std::string_view refusal;  // message for a key outside the charset
    KeyAction onEnter;
};

// Enter gives `onEnter`; Backspace always passes; at the limit every other
// key is dropped silently; below it the charset decides.
KeyResult judgeKey(const KeyRule& rule, std::size_t length, char32_t key);

// Keeps the accepted characters, in order, up to the limit.
std::string filterText(std::u32string_view text, Charset charset);
std::string filterText(std::string_view text, Charset charset);

// The accepted frequency ranges of the channel tables and the band pages,
// in 10 Hz units, bounds included, in the order they are tested.
struct Range {
    std::uint64_t low, high;
};
inline constexpr std::uint64_t kMHz = 100000;
inline constexpr std::array<Range, 3> kAcceptedRanges{
    {{136 * kMHz, 176 * kMHz}, {400 * kMHz, 490 * kMHz}, {220 * kMHz, 250 * kMHz}}};

// A decimal number typed as text, read exactly at `scale` decimals.
enum class NumberStatus {
    Empty,       // nothing but blanks
    NotANumber,  // a lone point, two points, letters...
    OutOfReach,  // negative, or above `max` once scaled
    Value,
};
struct Number {
    NumberStatus status = NumberStatus::Empty;
    std::uint64_t value = 0;  // the number times 10^scale, further decimals dropped
    bool finer = false;       // a non-zero decimal was dropped
};
Number readNumber(std::string_view text, int scale, std::uint64_t max);

}  // namespace duoband::rules
