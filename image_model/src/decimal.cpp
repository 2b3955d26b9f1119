// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/decimal.h"

namespace duoband {

namespace {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::uint64_t> scaledDecimal(std::string_view text, int scale, std::uint64_t max) {
    text = trimBlanks(text);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;
    std::uint64_t value = 0;
    auto append = [&](char c) {
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        return value <= max;
    };
    for (char c : whole) {
        if (!isDigit(c) || !append(c)) return std::nullopt;
    }
    for (int i = 0; i < scale; ++i) {
        const char c = i < static_cast<int>(fraction.size()) ? fraction[i] : '0';
        if (!isDigit(c) || !append(c)) return std::nullopt;
    }
    for (std::size_t i = static_cast<std::size_t>(scale); i < fraction.size(); ++i) {
        if (!isDigit(fraction[i])) return std::nullopt;
    }
    return value;
}

std::string fixedDecimal(std::uint64_t value, int scale) {
    std::uint64_t divisor = 1;
    for (int i = 0; i < scale; ++i) divisor *= 10;
    std::string frac = std::to_string(value % divisor);
    frac.insert(0, static_cast<std::size_t>(scale) - frac.size(), '0');
    return std::to_string(value / divisor) + (scale > 0 ? "." + frac : "");
}

std::string shortestDecimal(std::uint64_t value, int scale) {
    std::string text = fixedDecimal(value, scale);
    if (scale == 0) return text;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

}  // namespace duoband
