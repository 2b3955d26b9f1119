// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One codec per field type of the radio memory, both ways. The name of each
// says its encoding: be = big-endian, the number its width in bits.
//
// Every conversion between a frequency text and a number works exactly on
// the decimal digits; none goes through floating point.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "duoband/hex_text.h"

namespace duoband {

inline constexpr std::uint32_t kNoFrequency = 0xFFFFFFFF;
inline constexpr std::uint16_t kNoTone = 0xFFFF;

// --- frequency_be32: 4 bytes, units of 10 Hz, 0xFFFFFFFF = none --------------
// "146.52" -> 14652000; nullopt when the text is not a number or does not fit.
std::optional<std::uint32_t> frequencyUnits(std::string_view mhz);
// 14652000 -> "146.52000"; kNoFrequency -> "". Values the bands never produce
// follow the same rule (100 -> "0.00100").
std::string frequencyText(std::uint32_t units);
// Eight hex digits for a text; "" gives "FFFFFFFF".
std::optional<HexText> frequency_be32(std::string_view mhz);
// The limits' display: units / 100000 in shortest form (136, 174.5).
std::string limitText(std::uint32_t units);

// --- fm_frequency_be16: 2 bytes, units of 100 kHz, 0xFFFF = none ------------
std::string fmFrequencyText(std::uint16_t units);  // 980 -> "98.0"

// --- tone_code_be16: CTCSS in 0.1 Hz, DCS 0x8ooo "N" / 0xCooo "I" ------------
// 0xFFFF and 0x0000 give `noTone` ("OFF" in tables, "0FF" on band pages).
std::string toneText(std::uint16_t code, std::string_view noTone);
// "", "OFF", "0FF" (any three characters) -> 0xFFFF; "67.0HZ" -> 0x029E;
// "D023N" -> 0x8023; "D754I" -> 0xC754; nullopt for other texts.
std::optional<std::uint16_t> toneCode(std::string_view text);

// --- signalling_u8: 0x00 "OFF" .. 0x11 "Identity Code" ----------------------
std::optional<std::uint8_t> signallingCode(std::string_view text);
std::string_view signallingText(std::uint8_t code);  // "" outside the list

// --- DTMF digits and counted_digits (count byte, codes, 0xFF fill) ----------
std::optional<std::uint8_t> dtmfDigitCode(char c);  // '1'..'9','0','*','#','A'..'D'
std::optional<char> dtmfDigitChar(std::uint8_t code);
// Text of at most width-1 DTMF digits -> 2*width hex digits.
std::optional<HexText> countedDigits(std::string_view digits, int width);
// A code without a character shows as its own two hex digits.
std::string countedDigitsText(std::span<const std::uint8_t> field);

// --- counted_text: 8 bytes, count 0..7, the character bytes, 0xFF fill -------
inline constexpr int kCountedTextMax = 7;
std::optional<HexText> countedText(std::string_view text);  // 16 hex digits
std::string countedTextText(std::span<const std::uint8_t> field);

// --- two-byte option codes (step, tone burst, DTMF time): entry <-> code -----
std::optional<int> entryOfCode(std::span<const std::uint16_t> codes, std::uint64_t code);

}  // namespace duoband
