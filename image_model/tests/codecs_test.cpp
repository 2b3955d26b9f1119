// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "duoband/decimal.h"
#include "duoband/field_codecs.h"
#include "duoband/option_lists.h"

namespace duoband {
namespace {

TEST(FrequencyBe32, TextToHexIsExact) {
    const struct {
        const char* text;
        const char* hex;
    } cases[] = {
        {"146.52", "00DF9260"},   {"146.52000", "00DF9260"}, {"0.6", "0000EA60"},
        {"10", "000F4240"},       {"136", "00CF8500"},       {"176", "010C8E00"},
        {"145.5201", "00DE0BCA"}, {"150.05", "00E4F548"},    {"480", "02DC6C00"},
        {"", "FFFFFFFF"},         {" 146.52 ", "00DF9260"},  {"146.523456", "00DF93B9"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(frequency_be32(c.text).value_or("none"), c.hex) << c.text;
    }
}

TEST(FrequencyBe32, RejectsTextThatIsNotANumber) {
    for (const char* text : {".", "1.2.3", "abc", "-1", "14a", "42949.67296"}) {
        EXPECT_FALSE(frequency_be32(text).has_value()) << text;
    }
}

TEST(FrequencyBe32, HexToText) {
    EXPECT_EQ(frequencyText(0x00DF9260), "146.52000");
    EXPECT_EQ(frequencyText(0x000F4240), "10.00000");
    EXPECT_EQ(frequencyText(0xFFFFFFFF), "");
    EXPECT_EQ(frequencyText(0x00000064), "0.00100");
    EXPECT_EQ(frequencyText(0x80000000), "21474.83648");
}

TEST(Limits, ShortestDecimal) {
    EXPECT_EQ(limitText(0x00CF8500), "136");
    EXPECT_EQ(limitText(0x010A4410), "174.5");
    EXPECT_EQ(limitText(0x00DF9454), "146.525");
    EXPECT_EQ(limitText(kNoFrequency), "");
}

TEST(FmFrequencyBe16, BothWays) {
    EXPECT_EQ(scaledDecimal("100.55", 1), 1005u);
    EXPECT_EQ(scaledDecimal("88.1", 1), 881u);
    EXPECT_EQ(scaledDecimal("108", 1), 1080u);
    EXPECT_FALSE(scaledDecimal("1..0", 1));
    EXPECT_FALSE(scaledDecimal("70000", 1, 0xFFFE));
    EXPECT_EQ(fmFrequencyText(0x03D4), "98.0");
    EXPECT_EQ(fmFrequencyText(0xFFFF), "");
}

TEST(ToneCodeBe16, CodesToText) {
    EXPECT_EQ(toneText(0xFFFF, "OFF"), "OFF");
    EXPECT_EQ(toneText(0x0000, "0FF"), "0FF");
    EXPECT_EQ(toneText(0x029E, "OFF"), "67.0HZ");
    EXPECT_EQ(toneText(0x0640, "OFF"), "160.0HZ");
    EXPECT_EQ(toneText(0x8754, "OFF"), "D754N");
    EXPECT_EQ(toneText(0xC754, "OFF"), "D754I");
}

TEST(ToneCodeBe16, TextToCodes) {
    EXPECT_EQ(toneCode(""), 0xFFFF);
    EXPECT_EQ(toneCode("OFF"), 0xFFFF);
    EXPECT_EQ(toneCode("0FF"), 0xFFFF);
    EXPECT_EQ(toneCode("67.0HZ"), 0x029E);
    EXPECT_EQ(toneCode("250.3HZ"), 0x09C7);
    EXPECT_EQ(toneCode("D023N"), 0x8023);
    EXPECT_EQ(toneCode("D754I"), 0xC754);
    EXPECT_FALSE(toneCode("D75XI"));
    EXPECT_FALSE(toneCode("High"));
}

TEST(ToneList, EveryEntryRoundTripsThroughItsCode) {
    const auto texts = lists::channelTones();
    const auto codes = lists::toneCodes();
    ASSERT_EQ(texts.size(), 206u);
    EXPECT_EQ(texts[0], "OFF");
    EXPECT_EQ(lists::vfoTones()[0], "0FF");
    EXPECT_EQ(texts[40], "D023N");
    EXPECT_EQ(texts[122], "D754N");
    EXPECT_EQ(texts[123], "D023I");
    EXPECT_EQ(texts[205], "D754I");
    for (std::size_t i = 1; i < texts.size(); ++i) {
        EXPECT_EQ(toneText(codes[i], "OFF"), texts[i]);
        EXPECT_EQ(toneCode(texts[i]), codes[i]) << texts[i];
    }
}

TEST(CountedDigits, EncodesAndDecodes) {
    EXPECT_EQ(countedDigits("*#0", 8), "030B0C0AFFFFFFFF");
    EXPECT_EQ(countedDigits("12#", 8), "0301020CFFFFFFFF");
    EXPECT_EQ(countedDigits("D", 6), "0100FFFFFFFF");
    EXPECT_EQ(countedDigits("", 6), "00FFFFFFFFFF");
    EXPECT_FALSE(countedDigits("123456", 6));
    EXPECT_FALSE(countedDigits("1a", 8));
    const Bytes group{0x03, 0x01, 0x02, 0x03, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(countedDigitsText(group), "123");
    const Bytes allFF(8, 0xFF);
    EXPECT_EQ(countedDigitsText(allFF), "FFFFFFFFFFFFFF");
    const Bytes unknownCode{0x02, 0x0F, 0x42, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(countedDigitsText(unknownCode), "C42");
}

TEST(CountedText, EncodesAndDecodes) {
    EXPECT_EQ(countedText("ABC"), "03414243FFFFFFFF");
    EXPECT_EQ(countedText(""), "00FFFFFFFFFFFFFF");
    EXPECT_FALSE(countedText("12345678"));
    const Bytes hello{0x05, 'H', 'E', 'L', 'L', 'O', 0xFF, 0xFF};
    EXPECT_EQ(countedTextText(hello), "HELLO");
    EXPECT_EQ(countedTextText(Bytes(8, 0xFF)), "");
    const Bytes latin{0x02, 0xE9, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(countedTextText(latin), std::string("\xE9\x7F"));
    EXPECT_EQ(countedText(std::string("\xE9\x7F")), "02E97FFFFFFFFFFF");
}

TEST(HexText, ConvertsPairByPair) {
    EXPECT_EQ(toHex(Bytes{0x06, 0xAB}), "06AB");
    EXPECT_EQ(fromHex("06ab"), (Bytes{0x06, 0xAB}));
    EXPECT_FALSE(fromHex("0"));
    EXPECT_FALSE(fromHex("0G"));
    EXPECT_EQ(fromHex("9aF0"), (Bytes{0x9A, 0xF0}));
    for (const char beside : std::string_view("/:@G`g"))  // next to each digit range
        EXPECT_FALSE(fromHex(std::string("0") + beside)) << beside;
    EXPECT_EQ(hexNumber(0x7F, 2), "7F");
    EXPECT_EQ(hexNumber(1005, 4), "03ED");
}

}  // namespace
}  // namespace duoband
