// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/unit_numbers.h"

#include <algorithm>
#include <charconv>

#include "duoband/field_codecs.h"
#include "duoband/translatable.h"

namespace duoband {

namespace {

constexpr std::array<UnitFieldLayout, kUnitFields.size()> kLayouts{{
    {"native-id", QT_TRANSLATE_NOOP("duoband", "Native ID"), 7, 0x00, 8},
    {"identity-code", QT_TRANSLATE_NOOP("duoband", "Identity code"), 5, 0x16, 6},
}};

std::size_t decimalDigits(std::uint64_t n) {
    std::size_t digits = 1;
    for (; n >= 10; n /= 10) ++digits;
    return digits;
}

}  // namespace

const UnitFieldLayout& unitFieldLayout(UnitField field) {
    return kLayouts[static_cast<std::size_t>(field)];
}

std::optional<UnitField> unitFieldNamed(std::string_view name) {
    for (UnitField f : kUnitFields)
        if (unitFieldLayout(f).name == name) return f;
    return std::nullopt;
}

bool holdsUnitNumber(UnitField field, std::string_view digits) {
    return !digits.empty() && digits.size() <= unitFieldLayout(field).digits &&
           std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<UnitNumbering> parseUnitNumbering(std::string_view text, std::string& problem) {
    const auto equals = text.find('=');
    const auto field = unitFieldNamed(text.substr(0, equals));
    if (equals == std::string_view::npos || !field) {
        problem = "--number takes native-id=START or identity-code=START, not \"" +
                  std::string(text) + "\"";
        return std::nullopt;
    }
    const std::string_view start = text.substr(equals + 1);
    const UnitFieldLayout& layout = unitFieldLayout(*field);
    UnitNumbering numbering{*field, 0, start.size()};
    if (!holdsUnitNumber(*field, start)) {
        problem = "--number " + std::string(layout.name) + ": START is up to " +
                  std::to_string(layout.digits) + " decimal digits, not \"" + std::string(start) +
                  "\"";
        return std::nullopt;
    }
    std::from_chars(start.data(), start.data() + start.size(), numbering.start);
    return numbering;
}

std::optional<std::string> unitNumber(const UnitNumbering& numbering, std::size_t index) {
    const std::uint64_t n = numbering.start + index;
    const std::size_t digits = std::max(numbering.digits, decimalDigits(n));
    if (digits > unitFieldLayout(numbering.field).digits) return std::nullopt;
    const std::string text = std::to_string(n);
    return std::string(digits - text.size(), '0') + text;
}

RadioImage withUnitNumbers(RadioImage image, const UnitNumbers& numbers) {
    StepBytes& codes = image.step(kStepCodes);
    for (UnitField f : kUnitFields) {
        if (numbers[f].empty()) continue;
        const UnitFieldLayout& layout = unitFieldLayout(f);
        const auto field = fromHex(countedDigits(numbers[f], layout.width).value_or(HexText{}));
        if (!field) continue;
        std::ranges::copy(*field, codes.bytes.begin() + layout.offset);
        // The write sends every byte; the numbered ones are known from now on.
        codes.known = std::max(codes.known, layout.offset + layout.width);
    }
    return image;
}

std::string unitNumberIn(const RadioImage& image, UnitField field) {
    const UnitFieldLayout& layout = unitFieldLayout(field);
    const Bytes& bytes = image.step(kStepCodes).bytes;
    return countedDigitsText(std::span(bytes).subspan(static_cast<std::size_t>(layout.offset),
                                                      static_cast<std::size_t>(layout.width)));
}

}  // namespace duoband
