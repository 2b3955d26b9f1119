// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// UTF-8 as the CSV files hold it; the radio's texts are Latin-1 bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace duoband::utf8 {

// The length of the sequence a lead byte starts, or 0 for a byte no
// sequence starts with.
inline std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Decodes the sequence at `at`; nullopt when it is cut short, has a
// continuation byte missing, is overlong, a surrogate or beyond U+10FFFF.
inline std::optional<char32_t> decodeAt(std::string_view text, std::size_t at,
                                        std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    length = sequenceLength(lead);
    if (length == 0 || at + length > text.size()) return std::nullopt;
    if (length == 1) return lead;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(text[at + i]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        c = c << 6 | (b & 0x3F);
    }
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kShortest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    return c;
}

// The offset of the first byte that is not part of valid UTF-8.
inline std::optional<std::size_t> firstInvalidByte(std::string_view text) {
    for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
        if (!decodeAt(text, at, length)) return at;
    }
    return std::nullopt;
}

// Valid UTF-8 as code points.
inline std::u32string codePoints(std::string_view text) {
    std::u32string out;
    for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
        out += decodeAt(text, at, length).value_or(U'\uFFFD');
        if (length == 0) length = 1;
    }
    return out;
}

// One byte per character, each taken as its Latin-1 code point.
inline std::string fromLatin1(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | b >> 6);
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

}  // namespace duoband::utf8
