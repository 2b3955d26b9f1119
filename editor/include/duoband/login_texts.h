// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the two texts kept for the login window: the password
// (image/1.bc) and the company name (image/2.bc). Each is the one line of
// its file and the password is typed again at every login, so a control
// character pasted with it (a line break, a tab) would cut the line or
// could never be typed: such a text is refused with a message.
#pragma once

#include <string_view>

#include "duoband/translatable.h"

namespace duoband {

inline constexpr std::string_view kPasswordControlMessage = QT_TRANSLATE_NOOP(
    "duoband",
    "The new password holds a line break, a tab or another control character (pasted with "
    "it?), which could never be typed at the login. Type the password without it.");
inline constexpr std::string_view kCompanyNameControlMessage = QT_TRANSLATE_NOOP(
    "duoband",
    "The company name holds a line break, a tab or another control character (pasted with "
    "it?). Type the name without it.");

// The message that refuses the text, or an empty one when it may be kept.
std::string_view passwordRefusal(std::u32string_view password);
std::string_view companyNameRefusal(std::u32string_view name);

}  // namespace duoband
