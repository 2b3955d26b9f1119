// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/login_texts.h"

#include <algorithm>

namespace duoband {

namespace {

// C0 and C1 controls, DEL, and the Unicode line and paragraph separators.
bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

std::string_view refusal(std::u32string_view text, std::string_view message) {
    return std::any_of(text.begin(), text.end(), isControl) ? message : std::string_view();
}

}  // namespace

std::string_view passwordRefusal(std::u32string_view password) {
    return refusal(password, kPasswordControlMessage);
}

std::string_view companyNameRefusal(std::u32string_view name) {
    return refusal(name, kCompanyNameControlMessage);
}

}  // namespace duoband
