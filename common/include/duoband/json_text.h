// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A JSON string for the reports duoband-cli prints and writes. Whatever
// bytes a text holds (a port's path may hold any but '/' and NUL), the JSON
// stays valid UTF-8.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "duoband/utf8.h"

namespace duoband {

// `text` as a JSON string: quotes and backslashes escaped, control
// characters as \u00XX, and each byte that is not part of valid UTF-8 as
// U+FFFD.
inline std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (std::size_t at = 0, length = 0; at < text.size(); at += length) {
        const auto c = utf8::decodeAt(text, at, length);
        if (!c) {
            length = 1;
            out += "\uFFFD";
        } else if (*c == '"' || *c == '\\') {
            out += '\\';
            out += static_cast<char>(*c);
        } else if (*c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(*c));
            out += escaped;
        } else {
            out += text.substr(at, length);
        }
    }
    return out + "\"";
}

// The member `name` holding a path as a JSON string; when the path's bytes
// are not UTF-8 (the string shows U+FFFD for some), also "<name>-bytes"
// with every byte in hex, by which a script can still find the file.
inline std::string jsonPathMembers(std::string_view name, std::string_view path) {
    std::string members = jsonString(name) + ": " + jsonString(path);
    if (!utf8::firstInvalidByte(path)) return members;
    std::string hex;
    for (const char c : path) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(c));
        hex += digits;
    }
    return members + ", " + jsonString(std::string(name) + "-bytes") + ": " + jsonString(hex);
}

}  // namespace duoband
