// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// HexText: upper-case hexadecimal text, two digits per byte, first byte
// first; multi-byte numbers are big-endian.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace duoband {

using HexText = std::string;
using Bytes = std::vector<std::uint8_t>;

bool isHexText(std::string_view text);  // even length, only 0-9 A-F a-f
HexText toHex(std::span<const std::uint8_t> bytes);
HexText toHex(const Bytes& bytes);
// Pair by pair, most significant digit first; nullopt on odd length or a
// character that is not a hex digit.
std::optional<Bytes> fromHex(std::string_view hex);
// A number written as `digits` upper-case hex digits, zero-padded.
HexText hexNumber(std::uint64_t value, int digits);
// A text as the radio holds it, one byte per character, with every byte
// outside printable ASCII written in hex (\xFF): raw, a terminal or a message
// box would show it as garbage or not at all.
std::string printableText(std::string_view value);
// A run of hex digits read as a number; nullopt when not all hex or too long.
std::optional<std::uint64_t> parseHexNumber(std::string_view hex);

}  // namespace duoband
