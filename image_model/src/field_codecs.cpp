// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/field_codecs.h"

#include <array>

#include "duoband/decimal.h"
#include "duoband/option_lists.h"

namespace duoband {

std::optional<std::uint32_t> frequencyUnits(std::string_view mhz) {
    const auto v = scaledDecimal(mhz, 5, 0xFFFFFFFEu);
    if (!v) return std::nullopt;
    return static_cast<std::uint32_t>(*v);
}

std::string frequencyText(std::uint32_t units) {
    return units == kNoFrequency ? std::string{} : fixedDecimal(units, 5);
}

std::optional<HexText> frequency_be32(std::string_view mhz) {
    if (mhz.empty()) return hexNumber(kNoFrequency, 8);
    const auto units = frequencyUnits(mhz);
    if (!units) return std::nullopt;
    return hexNumber(*units, 8);
}

std::string limitText(std::uint32_t units) {
    return units == kNoFrequency ? std::string{} : shortestDecimal(units, 5);
}

std::string fmFrequencyText(std::uint16_t units) {
    return units == 0xFFFF ? std::string{} : fixedDecimal(units, 1);
}

std::string toneText(std::uint16_t code, std::string_view noTone) {
    if (code == 0xFFFF || code == 0x0000) return std::string(noTone);
    const HexText hex = hexNumber(code, 4);
    if (hex[0] == 'C') return "D" + hex.substr(1) + "I";
    if (hex[0] == '8') return "D" + hex.substr(1) + "N";
    return fixedDecimal(code, 1) + "HZ";
}

std::optional<std::uint16_t> toneCode(std::string_view text) {
    if (text.empty() || text.size() == 3) return kNoTone;
    if (text.size() > 2 && text.substr(text.size() - 2) == "HZ") {
        const auto tenths = scaledDecimal(text.substr(0, text.size() - 2), 1, 0xFFFF);
        if (!tenths) return std::nullopt;
        return static_cast<std::uint16_t>(*tenths);
    }
    // "D" + three digits + "N" (normal) or "I" (inverted)
    if (text.size() != 5 || text[0] != 'D') return std::nullopt;
    const char ending = text[4];
    if (ending != 'N' && ending != 'I') return std::nullopt;
    const auto digits = parseHexNumber(text.substr(1, 3));
    if (!digits) return std::nullopt;
    return static_cast<std::uint16_t>((ending == 'N' ? 0x8000 : 0xC000) | *digits);
}

std::optional<std::uint8_t> signallingCode(std::string_view text) {
    const auto list = lists::signalling();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == text) return static_cast<std::uint8_t>(i);
    }
    return std::nullopt;
}

std::string_view signallingText(std::uint8_t code) {
    const auto list = lists::signalling();
    return code < list.size() ? list[code] : std::string_view{};
}

namespace {

// Digit characters by their code 0x00..0x0F.
constexpr std::string_view kDtmfByCode = "D1234567890*#ABC";

}  // namespace

std::optional<std::uint8_t> dtmfDigitCode(char c) {
    const auto pos = kDtmfByCode.find(c);
    if (pos == std::string_view::npos) return std::nullopt;
    return static_cast<std::uint8_t>(pos);
}

std::optional<char> dtmfDigitChar(std::uint8_t code) {
    if (code >= kDtmfByCode.size()) return std::nullopt;
    return kDtmfByCode[code];
}

std::optional<HexText> countedDigits(std::string_view digits, int width) {
    if (static_cast<int>(digits.size()) > width - 1) return std::nullopt;
    Bytes field(static_cast<std::size_t>(width), 0xFF);
    field[0] = static_cast<std::uint8_t>(digits.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const auto code = dtmfDigitCode(digits[i]);
        if (!code) return std::nullopt;
        field[i + 1] = *code;
    }
    return toHex(field);
}

std::string countedDigitsText(std::span<const std::uint8_t> field) {
    if (field.empty()) return {};
    std::string text;
    const std::size_t count = field[0];
    for (std::size_t i = 1; i <= count && i < field.size(); ++i) {
        const auto c = dtmfDigitChar(field[i]);
        text += c ? std::string(1, *c) : hexNumber(field[i], 2);
    }
    return text;
}

std::optional<HexText> countedText(std::string_view text) {
    if (text.size() > kCountedTextMax) return std::nullopt;
    Bytes field(kCountedTextMax + 1, 0xFF);
    field[0] = static_cast<std::uint8_t>(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) field[i + 1] = static_cast<std::uint8_t>(text[i]);
    return toHex(field);
}

std::string countedTextText(std::span<const std::uint8_t> field) {
    if (field.empty()) return {};
    const std::size_t count = field[0];
    if (count < 1 || count > kCountedTextMax || count >= field.size()) return {};
    return std::string(field.begin() + 1, field.begin() + 1 + static_cast<std::ptrdiff_t>(count));
}

std::optional<int> entryOfCode(std::span<const std::uint16_t> codes, std::uint64_t code) {
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (codes[i] == code) return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace duoband
