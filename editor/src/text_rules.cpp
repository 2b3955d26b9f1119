// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_rules.h"

#include "duoband/decimal.h"

namespace duoband::rules {

namespace {

bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Digits with at most one point and at least one digit.
bool isUnsignedDecimal(std::string_view s) {
    bool point = false;
    bool digit = false;
    for (char c : s) {
        if (c == '.' && !point) {
            point = true;
        } else if (isDigit(static_cast<unsigned char>(c))) {
            digit = true;
        } else {
            return false;
        }
    }
    return digit;
}

bool hasNonZeroDecimalBeyond(std::string_view s, int scale) {
    const auto point = s.find('.');
    if (point == std::string_view::npos) return false;
    const std::string_view beyond =
        s.substr(point + 1).substr(std::min(s.size() - point - 1, static_cast<std::size_t>(scale)));
    return beyond.find_first_not_of('0') != std::string_view::npos;
}

char32_t spelled(Charset charset, char32_t c) {
    return charset.spelling != nullptr ? charset.spelling(c) : c;
}

template <class Text>
std::string filterAny(Text text, Charset charset) {
    std::string kept;
    for (auto c : text) {
        const auto ch = spelled(
            charset, static_cast<char32_t>(static_cast<std::make_unsigned_t<decltype(c)>>(c)));
        if (kept.size() >= charset.limit) break;
        if (charset.accepts(ch)) kept.push_back(static_cast<char>(ch));
    }
    return kept;
}

}  // namespace

bool latin1Character(char32_t c) {
    return c <= 0xFF;
}

bool frequencyCharacter(char32_t c) {
    return isDigit(c) || c == '.';
}

bool dtmfCharacter(char32_t c) {
    return isDigit(c) || c == '*' || c == '#' || (c >= 'A' && c <= 'D');
}

char32_t decimalPointSpelling(char32_t c) {
    return c == ',' ? U'.' : c;
}

char32_t dtmfSpelling(char32_t c) {
    return c >= 'a' && c <= 'd' ? c - 'a' + 'A' : c;
}

bool fileTextCharacter(char32_t c) {
    return c >= 0x20 && c <= 0x7E && c != ',' && c != '"' && c != '\'';
}

KeyResult judgeKey(const KeyRule& rule, std::size_t length, char32_t key) {
    if (key == kKeyEnter) return {rule.onEnter, {}};
    if (key == kKeyBackspace) return {KeyAction::Accept, {}};
    if (length >= rule.charset.limit) return {KeyAction::Drop, {}};
    const char32_t taken = spelled(rule.charset, key);
    if (rule.charset.accepts(taken)) return {KeyAction::Accept, {}, taken != key ? taken : 0};
    return {KeyAction::Drop, rule.refusal};
}

std::string filterText(std::u32string_view text, Charset charset) {
    return filterAny(text, charset);
}

std::string filterText(std::string_view text, Charset charset) {
    return filterAny(text, charset);
}

Number readNumber(std::string_view text, int scale, std::uint64_t max) {
    text = trimBlanks(text);
    if (text.empty()) return {};
    const bool negative = text.front() == '-';
    const std::string_view digits = negative ? text.substr(1) : text;
    if (!isUnsignedDecimal(digits)) return {NumberStatus::NotANumber};
    if (negative) return {NumberStatus::OutOfReach};
    const auto value = scaledDecimal(digits, scale, max);
    if (!value) return {NumberStatus::OutOfReach};
    return {NumberStatus::Value, *value, hasNonZeroDecimalBeyond(digits, scale)};
}

}  // namespace duoband::rules
