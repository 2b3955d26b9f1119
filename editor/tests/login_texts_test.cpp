// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/login_texts.h"

#include <gtest/gtest.h>

namespace duoband {
namespace {

// A pasted password or company name may not bring a control character along.
TEST(LoginTexts, AControlCharacterIsRefusedWithAMessage) {
    const std::u32string refused[] = {U"new\npass",
                                      U"new\r",
                                      U"\ttab",
                                      U"del\x7F",
                                      U"nel\x85",
                                      U"ls\u2028",
                                      std::u32string(1, U'\0')};
    for (const auto& text : refused) {
        EXPECT_EQ(passwordRefusal(text), kPasswordControlMessage);
        EXPECT_EQ(companyNameRefusal(text), kCompanyNameControlMessage);
    }
    for (const std::u32string text :
         {U"", U"n3w Pass ", U"Qu\u00F6rral \u00A0GmbH", U"\u4E2D\u6587"}) {
        EXPECT_EQ(passwordRefusal(text), "");
        EXPECT_EQ(companyNameRefusal(text), "");
    }
}

}  // namespace
}  // namespace duoband
