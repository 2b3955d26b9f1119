// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What an edit control does with a typed key, decided without any window
// system: the front end hands over the key and the length of the control's
// current text and acts on the answer.
#pragma once

#include <string_view>

namespace duoband {

inline constexpr char32_t kKeyBackspace = 8;
inline constexpr char32_t kKeyEnter = 13;

enum class KeyAction {
    Accept,     // let the key through
    Drop,       // discard the key (show `message` if it is not empty)
    Commit,     // Enter: take the text over now (a grid entry hides, which commits it)
    FocusNext,  // Enter: take the text over and give the focus to the next control
};

struct KeyResult {
    KeyAction action = KeyAction::Accept;
    std::string_view message;  // shown modally when not empty
    char32_t replacement = 0;  // Accept: the character to insert instead of the key's
    bool operator==(const KeyResult&) const = default;
};

}  // namespace duoband
