// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/hex_text.h"

#include <array>

namespace duoband {

namespace {

// The value of each character as a hex digit, -1 for none: one lookup per
// digit, as every channel record passes through here as text.
constexpr std::array<signed char, 256> kHexValues = [] {
    std::array<signed char, 256> values{};
    values.fill(-1);
    for (int d = 0; d < 10; ++d)
        values[static_cast<std::size_t>('0' + d)] = static_cast<signed char>(d);
    for (int d = 0; d < 6; ++d) {
        values[static_cast<std::size_t>('A' + d)] = static_cast<signed char>(10 + d);
        values[static_cast<std::size_t>('a' + d)] = static_cast<signed char>(10 + d);
    }
    return values;
}();

int hexValue(char c) {
    return kHexValues[static_cast<unsigned char>(c)];
}

constexpr char kDigits[] = "0123456789ABCDEF";

}  // namespace

bool isHexText(std::string_view text) {
    if (text.size() % 2 != 0) return false;
    for (char c : text) {
        if (hexValue(c) < 0) return false;
    }
    return true;
}

HexText toHex(std::span<const std::uint8_t> bytes) {
    HexText out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        out.push_back(kDigits[b >> 4]);
        out.push_back(kDigits[b & 0x0F]);
    }
    return out;
}

HexText toHex(const Bytes& bytes) {
    return toHex(std::span<const std::uint8_t>(bytes));
}

std::optional<Bytes> fromHex(std::string_view hex) {
    if (!isHexText(hex)) return std::nullopt;
    Bytes out(hex.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i) {
        out[i] = static_cast<std::uint8_t>(hexValue(hex[2 * i]) * 16 + hexValue(hex[2 * i + 1]));
    }
    return out;
}

HexText hexNumber(std::uint64_t value, int digits) {
    HexText out(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0 && value != 0; --i) {
        out[static_cast<std::size_t>(i)] = kDigits[value & 0x0F];
        value >>= 4;
    }
    return out;
}

std::optional<std::uint64_t> parseHexNumber(std::string_view hex) {
    if (hex.empty() || hex.size() > 16) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : hex) {
        const int v = hexValue(c);
        if (v < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint64_t>(v);
    }
    return value;
}

std::string printableText(std::string_view value) {
    std::string text;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        text += byte >= 0x20 && byte < 0x7F ? std::string(1, c) : "\\x" + hexNumber(byte, 2);
    }
    return text;
}

}  // namespace duoband
