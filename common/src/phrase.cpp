// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/phrase.h"

#include <cstdio>
#include <optional>
#include <ostream>
#include <span>

#include "duoband/utf8.h"

namespace duoband {

Phrase verbatim(std::string_view value) {
    Phrase p;
    p.text = value;
    p.verbatim = true;
    return p;
}

Phrase verbatim(long long number) {
    return verbatim(std::to_string(number));
}

Phrase verbatimLatin1(std::string_view bytes) {
    std::string utf8;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return verbatim(utf8);
}

namespace {

std::string escaped(const char* format, unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// One character of a file's text as a message shows it.
std::string echoedCharacter(std::string_view sequence, std::optional<char32_t> c) {
    if (!c) return escaped("\\x%02X", static_cast<unsigned char>(sequence.front()));
    if (*c == '\n') return "\\n";
    if (*c == '\r') return "\\r";
    if (*c == '\t') return "\\t";
    if (*c < 0x20 || *c == 0x7F) return escaped("\\x%02X", static_cast<unsigned>(*c));
    if (*c >= 0x80 && *c < 0xA0) return escaped("\\u%04X", static_cast<unsigned>(*c));
    return std::string(sequence);
}

}  // namespace

Phrase echoed(std::string_view fileText) {
    std::string shown;
    std::size_t characters = 0;
    for (std::size_t at = 0, length = 0; at < fileText.size(); at += length) {
        if (characters++ == kLongestEchoed) return verbatim(shown + "…");
        const std::optional<char32_t> c = utf8::decodeAt(fileText, at, length);
        if (!c) length = 1;
        shown += echoedCharacter(fileText.substr(at, length), c);
    }
    return verbatim(shown);
}

namespace {

// The first half joined, then the second: a balanced nesting.
Phrase joinedHalves(std::span<Phrase> items, std::string_view pair) {
    if (items.size() == 1) return std::move(items.front());
    const std::size_t half = items.size() / 2;
    return phrase(pair, joinedHalves(items.first(half), pair),
                  joinedHalves(items.subspan(half), pair));
}

}  // namespace

Phrase joined(std::vector<Phrase> items, std::string_view pair) {
    if (items.empty()) return {};
    return joinedHalves(items, pair);
}

Phrase joinLines(const std::vector<Phrase>& lines) {
    return joined(lines, "%1\n%2");
}

Phrase shortList(std::vector<Phrase> lines, std::size_t shown) {
    if (lines.size() > shown) {
        const auto more = static_cast<long long>(lines.size() - shown);
        lines.resize(shown);
        lines.push_back(phrase(QT_TRANSLATE_NOOP("duoband", "and %1 more"), verbatim(more)));
    }
    return joinLines(lines);
}

std::string render(const Phrase& phrase, const Translate& translate) {
    if (phrase.verbatim) return phrase.text;
    const std::string text = translate(phrase.text);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool place =
            text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9';
        const std::size_t arg = place ? static_cast<std::size_t>(text[i + 1] - '1') : 0;
        if (place && arg < phrase.args.size()) {
            out += render(phrase.args[arg], translate);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string english(const Phrase& phrase) {
    return render(phrase, [](std::string_view text) { return std::string(text); });
}

std::ostream& operator<<(std::ostream& out, const Phrase& phrase) {
    return out << english(phrase);
}

}  // namespace duoband
