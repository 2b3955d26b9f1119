// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A text for people that the window shows in its own language, kept as the
// pieces it is made of: an English text with places %1..%9, and the pieces
// that fill them. A piece is either a text of its own (translated in turn)
// or a value shown as it is: a number, a path, a command, a text from a file.
//
// The core returns its reports as phrases; the window translates each text
// (marked with QT_TRANSLATE_NOOP("duoband", ...) where it is written) and
// fills the places, and the command line and the tests take english().
//
//   phrase(QT_TRANSLATE_NOOP("duoband", "line %1: %2"), verbatim(7), why)
#pragma once

#include <concepts>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/translatable.h"

namespace duoband {

struct Phrase {
    Phrase() = default;
    // A text without places, as a marked literal gives it.
    Phrase(const char* source) : text(source) {}  // NOLINT: a literal is a phrase
    // A marked text held elsewhere (a column's title, a list entry).
    explicit Phrase(std::string_view source) : text(source) {}

    std::string text;          // UTF-8; English unless `verbatim`
    std::vector<Phrase> args;  // fill %1, %2, ... in this order
    bool verbatim = false;     // a value: shown as it is, never translated

    bool empty() const { return text.empty(); }
    bool operator==(const Phrase&) const = default;
};

// `english` with its places filled by `args` in order.
template <std::convertible_to<Phrase>... Args>
Phrase phrase(std::string_view english, Args&&... args) {
    Phrase p;
    p.text = english;
    (p.args.emplace_back(std::forward<Args>(args)), ...);
    return p;
}

// A value shown as it is (UTF-8).
Phrase verbatim(std::string_view value);
Phrase verbatim(long long number);
// A value held as the radio's bytes, one byte per character (Latin-1).
Phrase verbatimLatin1(std::string_view bytes);
// A value taken from a file (UTF-8), as a message may show it: a control
// character escaped ("\n", "\x1B"), so that it cannot break a line or pass
// for the program's own; a byte that is not UTF-8 as "\xFF"; and cut after
// kLongestEchoed characters with "…".
inline constexpr std::size_t kLongestEchoed = 60;
Phrase echoed(std::string_view fileText);

// The items in order with `pair`, a text of the places %1 and %2 only
// ("%1, %2"), joining each two; empty when there are none. However many the
// items, the phrase nests only as deep as the logarithm of their count, so
// a list as long as a file's columns renders without running out of stack.
Phrase joined(std::vector<Phrase> items, std::string_view pair);
// The lines one under the other; empty when there are none.
Phrase joinLines(const std::vector<Phrase>& lines);
// The first `shown` lines one under the other, then "and N more".
Phrase shortList(std::vector<Phrase> lines, std::size_t shown);

// Looks up the translation of one English text (UTF-8 in and out).
using Translate = std::function<std::string(std::string_view english)>;

// The phrase in words: each text translated, then its places filled in one
// pass, so a value that holds "%1" stays as it is.
std::string render(const Phrase& phrase, const Translate& translate);
std::string english(const Phrase& phrase);
// Writes english(phrase): for the command line and test messages.
std::ostream& operator<<(std::ostream& out, const Phrase& phrase);

}  // namespace duoband
