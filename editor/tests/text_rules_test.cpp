// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_rules.h"

#include <gtest/gtest.h>

#include <vector>

namespace duoband::rules {
namespace {

TEST(ReadNumber, ExactScaledValues) {
    using S = NumberStatus;
    struct Case {
        std::string_view text;
        int scale;
        S status;
        std::uint64_t value;
        bool finer;
    };
    const std::vector<Case> cases{
        {"146.52", 5, S::Value, 14652000, false},
        {"146.52000", 5, S::Value, 14652000, false},
        {"0.6", 5, S::Value, 60000, false},
        {".5", 5, S::Value, 50000, false},
        {"10.", 5, S::Value, 1000000, false},
        {" 100.55 ", 1, S::Value, 1005, true},
        {"100.50", 1, S::Value, 1005, false},
        {"176.000001", 5, S::Value, 17600000, true},
        {"176.000000", 5, S::Value, 17600000, false},
        {"88.1", 1, S::Value, 881, false},  // exact, never 880
        {"", 5, S::Empty, 0, false},
        {"   ", 5, S::Empty, 0, false},
        {".", 5, S::NotANumber, 0, false},
        {"1.2.3", 5, S::NotANumber, 0, false},
        {"1 2", 5, S::NotANumber, 0, false},
        {"+5", 5, S::NotANumber, 0, false},
        {"1e5", 5, S::NotANumber, 0, false},
        {"-", 5, S::NotANumber, 0, false},
        {"-5", 5, S::OutOfReach, 0, false},
        {"42949.67295", 5, S::OutOfReach, 0, false},
        {"6553.5", 1, S::OutOfReach, 0, false},
        {"99999999999999999999999", 5, S::OutOfReach, 0, false},
    };
    for (const Case& c : cases) {
        const Number n = readNumber(c.text, c.scale, c.scale == 5 ? 0xFFFFFFFE : 0xFFFE);
        EXPECT_EQ(n.status, c.status) << "'" << c.text << "'";
        EXPECT_EQ(n.value, c.value) << "'" << c.text << "'";
        EXPECT_EQ(n.finer, c.finer) << "'" << c.text << "'";
    }
}

TEST(JudgeKey, OrderOfTheRules) {
    const KeyRule rule{{&dtmfCharacter, 3}, "refused", KeyAction::FocusNext};
    EXPECT_EQ(judgeKey(rule, 3, kKeyEnter), (KeyResult{KeyAction::FocusNext, {}}));
    EXPECT_EQ(judgeKey(rule, 3, kKeyBackspace), (KeyResult{KeyAction::Accept, {}}));
    EXPECT_EQ(judgeKey(rule, 3, 'x'), (KeyResult{KeyAction::Drop, {}}));  // silent at the limit
    EXPECT_EQ(judgeKey(rule, 2, '1'), (KeyResult{KeyAction::Accept, {}}));
    EXPECT_EQ(judgeKey(rule, 2, 'x'), (KeyResult{KeyAction::Drop, "refused"}));
}

TEST(FilterText, KeepsAcceptedCharactersUpToTheLimit) {
    EXPECT_EQ(filterText(U"a1b2c3d4", {&dtmfCharacter, 3}), "123");
    EXPECT_EQ(filterText(std::string_view("a,b\"c'd\x7F\xE9"), {&fileTextCharacter, 7}), "abcd");
    EXPECT_EQ(filterText(U"\u00E9\u4E2D", {&latin1Character, kNoLimit}), "\xE9");
    EXPECT_EQ(filterText(U"", {&latin1Character, kNoLimit}), "");
}

}  // namespace
}  // namespace duoband::rules
