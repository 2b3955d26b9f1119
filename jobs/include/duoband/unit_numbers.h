// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The codes that tell one radio from the others of a batch: its native ID
// code (up to 7 digits, at 0x0280) and its identity display code (up to 5,
// at 0x0296), each a counted digit string in the codes step. A batch is
// numbered from a start, one number per radio, each at least as many digits
// as the start ("0042" gives 0042, 0043, ...; 9999 is followed by 10000).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "duoband/radio_image.h"

namespace duoband {

enum class UnitField { NativeId, IdentityCode };
inline constexpr std::array<UnitField, 2> kUnitFields{UnitField::NativeId, UnitField::IdentityCode};

struct UnitFieldLayout {
    std::string_view name;     // "native-id", as options, logs and reports name it
    std::string_view caption;  // "Native ID", a table's column
    std::size_t digits;        // the most the field holds
    int offset;                // in the codes step (0x0280)
    int width;                 // bytes: the count, the digits, 0xFF fill
};
const UnitFieldLayout& unitFieldLayout(UnitField field);
std::optional<UnitField> unitFieldNamed(std::string_view name);

// A radio's numbers, by field; empty: the field is not numbered.
struct UnitNumbers {
    std::array<std::string, kUnitFields.size()> digits;
    std::string& operator[](UnitField f) { return digits[static_cast<std::size_t>(f)]; }
    const std::string& operator[](UnitField f) const { return digits[static_cast<std::size_t>(f)]; }
    bool operator==(const UnitNumbers&) const = default;
};

// Whether `digits` is a number `field` holds: decimal digits only, at least
// one and at most the field's.
bool holdsUnitNumber(UnitField field, std::string_view digits);

// "FIELD=START": a field numbered from START (decimal digits only).
struct UnitNumbering {
    UnitField field = UnitField::NativeId;
    std::uint64_t start = 0;
    std::size_t digits = 1;  // START's digit count, leading zeros included
};
// The numbering `text` asks for, or nullopt with `problem` saying why not.
std::optional<UnitNumbering> parseUnitNumbering(std::string_view text, std::string& problem);

// The number of the radio `index` places after the first, with at least the
// start's digits; nullopt when it needs more digits than the field holds.
std::optional<std::string> unitNumber(const UnitNumbering& numbering, std::size_t index);

// `image` with each numbered field of `numbers` in its place; every other
// byte stays as it was.
RadioImage withUnitNumbers(RadioImage image, const UnitNumbers& numbers);
// The digits `field` holds in `image` ("" when not a digit string).
std::string unitNumberIn(const RadioImage& image, UnitField field);

}  // namespace duoband
