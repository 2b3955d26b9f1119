// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A count with its noun in the right number, for the messages of the core
// libraries: "1 byte", "2 bytes", "0 rows".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace duoband {

// `plural` defaults to `one` with an "s".
inline std::string counted(std::uintmax_t count, std::string_view one,
                           std::string_view plural = {}) {
    std::string text = std::to_string(count) + " ";
    if (count == 1) return text + std::string(one);
    return plural.empty() ? text + std::string(one) + "s" : text + std::string(plural);
}

}  // namespace duoband
