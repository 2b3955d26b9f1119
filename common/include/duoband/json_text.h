// SPDX-License-Identifier: GPL-3.0-or-later
// A JSON string for the reports duoband-cli prints and writes.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace duoband {

// `text` (UTF-8) as a JSON string: quotes and backslashes escaped, control
// characters as \u00XX.
inline std::string jsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace duoband
