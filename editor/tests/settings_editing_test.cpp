#include "duoband/settings_editing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "duoband/block_layouts.h"
#include "duoband/option_lists.h"

namespace duoband {
namespace {

// Block fields filled with a pattern that no handler writes, so that any
// character written outside a slice shows.
EditorModel patternedModel() {
    EditorModel m;
    for (int n = 1; n <= 15; ++n) {
        for (char& c : m.k[n]) c = '5';
    }
    return m;
}

// `field` with characters first..last (counted from 1) replaced by `code`.
HexText withSlice(HexText field, int first, std::string_view code) {
    return field.replace(static_cast<std::size_t>(first - 1), code.size(), code);
}

SettingsControl control(std::string_view name) {
    const auto c = settingsControlNamed(name);
    EXPECT_TRUE(c.has_value()) << name;
    return c.value_or(SettingsControl{});
}

// Block fields compared one by one first, so that a failure names the field.
void expectSameModel(const EditorModel& m, const EditorModel& expected) {
    for (int n = 1; n <= 15; ++n) EXPECT_EQ(m.k[n], expected.k[n]) << "k" << n;
    EXPECT_TRUE(m == expected);
}

int entryOf(OptionList list, std::string_view text) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == text) return static_cast<int>(i);
    }
    return -1;
}

// Band controls by their number; the table holds band A's fields (1, 2) and
// is run for band B with 3, 4.
std::string bandName(Band band, int number) {
    return (band == Band::A ? "left" : "right") + std::to_string(number);
}

int bandField(Band band, int half) {
    return bandBlockFields(band)[static_cast<std::size_t>(half)];
}

TEST(BandPagePick, EachPickWritesOnlyItsCharacters) {
    struct Pick {
        int number;
        std::string_view entry;  // the entry's text
        int half;                // 0: k1/k3, 1: k2/k4
        int first;               // first character in that field
        std::string_view code;
    };
    const std::vector<Pick> picks{
        {1, "Frequency Mode", 0, 1, "00"},
        {1, "Channel Mode", 0, 1, "01"},
        {2, "1", 0, 3, "00"},
        {2, "128", 0, 3, "7F"},
        {4, "D023N", 0, 13, "8023"},
        {4, "D023I", 0, 13, "C023"},
        {4, "0FF", 0, 13, "FFFF"},
        {4, "88.5HZ", 0, 13, "0375"},
        {4, "250.3HZ", 0, 13, "09C7"},
        {6, "QT/DQT", 0, 17, "00"},
        {6, "QT/DQT+ Signaling", 0, 17, "01"},
        {7, "D754I", 0, 21, "C754"},
        {7, "67.0HZ", 0, 21, "029E"},
        {8, "Identity Code", 0, 25, "11"},
        {5, "Identity Code", 0, 27, "11"},
        {5, "DTMF3", 0, 27, "03"},
        {10, "Low", 0, 29, "00"},
        {10, "High", 0, 29, "01"},
        {11, "Narrow Band", 0, 31, "00"},
        {11, "Wide Band", 0, 31, "01"},
        {12, "ON", 1, 1, "01"},
        {13, "ON", 1, 3, "01"},
        {14, "-", 1, 5, "02"},
        {14, "+", 1, 5, "01"},
        {16, "6.25K", 1, 15, "0271"},
        {16, "2.5K", 1, 15, "00FA"},
        {16, "50K", 1, 15, "1388"},
    };
    for (Band band : kBands) {
        for (const Pick& p : picks) {
            const std::string name = bandName(band, p.number);
            SCOPED_TRACE(name + " " + std::string(p.entry));
            EditorModel m = patternedModel();
            const SettingsControl c = control(name);
            const int entry = entryOf(choiceOf(m, c)->entries, p.entry);
            ASSERT_GE(entry, 0);
            EditorModel expected = m;
            expected.k[bandField(band, p.half)] =
                withSlice(m.k[bandField(band, p.half)], p.first, p.code);
            choiceOf(expected, c)->select(entry);
            EXPECT_TRUE(pickChoice(m, c, entry));
            expectSameModel(m, expected);
        }
    }
}

TEST(BandPagePick, NoPickReachesOffset9OrOffsets25To31) {
    for (Band band : kBands) {
        EditorModel m = patternedModel();
        const HexText first = m.k[bandField(band, 0)];
        const HexText second = m.k[bandField(band, 1)];
        for (int number = 1; number <= 16; ++number) {
            const auto c = settingsControlNamed(bandName(band, number));
            if (!c || choiceOf(m, *c) == nullptr) continue;
            for (int entry = 0; entry < choiceOf(m, *c)->count(); ++entry) {
                ASSERT_TRUE(pickChoice(m, *c, entry));
            }
        }
        EXPECT_EQ(m.k[bandField(band, 0)].size(), 32u);
        EXPECT_EQ(m.k[bandField(band, 1)].size(), 32u);
        EXPECT_EQ(m.k[bandField(band, 0)].substr(18, 2), first.substr(18, 2));
        EXPECT_EQ(m.k[bandField(band, 1)].substr(18), second.substr(18));
    }
}

TEST(BandPagePick, RefusesWhatIsNoPick) {
    EditorModel m = patternedModel();
    const EditorModel before = m;
    EXPECT_FALSE(pickChoice(m, control("left2"), 128));
    EXPECT_FALSE(pickChoice(m, control("left2"), -1));
    EXPECT_FALSE(pickChoice(m, control("left3"), 0));  // a text
    m.k[2] = "00";                                     // a field of the wrong length
    EditorModel broken = m;
    EXPECT_FALSE(pickChoice(m, control("left12"), 1));
    expectSameModel(m, broken);  // neither the field nor the selection changed
    m.k[2] = before.k[2];
    expectSameModel(m, before);
}

struct TextCase {
    std::string_view typed;
    std::string_view code;  // "" : the field stays as it was
    std::string_view message;
    std::string_view shown;  // the control's text afterwards
};

void runTextCases(const std::vector<std::string>& names, int field, int first,
                  const std::vector<TextCase>& cases, const std::vector<int>& fieldsOf = {}) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int k = fieldsOf.empty() ? field : fieldsOf[i];
        for (const TextCase& t : cases) {
            SCOPED_TRACE(names[i] + " '" + std::string(t.typed) + "'");
            EditorModel m = patternedModel();
            const SettingsControl c = control(names[i]);
            EditorModel expected = m;
            if (!t.code.empty()) expected.k[k] = withSlice(m.k[k], first, t.code);
            *textOf(expected, c) = std::string(t.shown);
            const auto r = commitText(m, c, t.typed);
            ASSERT_TRUE(r.has_value());
            EXPECT_EQ(r->text, t.shown);
            EXPECT_EQ(r->message, t.message);
            EXPECT_EQ(r->written, !t.code.empty());
            expectSameModel(m, expected);
        }
    }
}

TEST(BandPageText, ReceiveFrequencyIsRangeChecked) {
    const std::string_view range = kBandReceiveRangeMessage;
    const std::string_view nan = kNotANumberMessage;
    const std::vector<TextCase> cases{
        {"136", "00CF8500", "", "136"},
        {"176", "010C8E00", "", "176"},
        {"150.05", "00E4F548", "", "150.05"},
        {"146.52", "00DF9260", "", "146.52"},
        {"145.5201", "00DE0BCA", "", "145.5201"},  // no snap on this page
        {"220", "014FB180", "", "220"},
        {"490", "02EBAE40", "", "490"},
        {"", "FFFFFFFF", "", ""},
        {"176.00001", "FFFFFFFF", range, ""},
        {"135.99999", "FFFFFFFF", range, ""},
        {"300", "FFFFFFFF", range, ""},
        {"14", "FFFFFFFF", range, ""},
        {"-150", "FFFFFFFF", range, ""},
        {"99999999999", "FFFFFFFF", range, ""},
        {".", "", nan, "."},
        {"1.2.3", "", nan, "1.2.3"},
        {"abc", "", nan, "abc"},
    };
    runTextCases({"left3"}, 1, 5, cases);
    runTextCases({"right3"}, 3, 5, cases);
}

TEST(BandPageText, MessageIsTheSameOnBothPages) {
    EXPECT_EQ(kBandReceiveRangeMessage, "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ ");
    for (std::string_view name : {"left3", "right3"}) {
        EditorModel m;
        EXPECT_EQ(commitText(m, control(name), "1")->message, kBandReceiveRangeMessage);
    }
}

TEST(BandPageText, OffsetHasNoRangeButMustFit) {
    const std::string_view reach = kFrequencyReachMessage;
    const std::vector<TextCase> cases{
        {"10", "000F4240", "", "10"},
        {"0.6", "0000EA60", "", "0.6"},
        {"0", "00000000", "", "0"},
        {"300", "01C9C380", "", "300"},
        {"", "FFFFFFFF", "", ""},
        {"42949.67294", "FFFFFFFE", "", "42949.67294"},
        {"42949.67295", "", reach, "42949.67295"},
        {"-1", "", reach, "-1"},
        {"..", "", kNotANumberMessage, ".."},
    };
    runTextCases({"left15"}, 2, 7, cases);
    runTextCases({"right15"}, 4, 7, cases);
}

TEST(SettingsText, AReportIsNotRepeatedForTheSameText) {
    for (std::string_view name : {"left3", "right15", "gn3", "xp2"}) {
        SCOPED_TRACE(name);
        EditorModel m = patternedModel();
        const SettingsControl c = control(name);
        EXPECT_EQ(commitText(m, c, "1.2.3")->message, kNotANumberMessage);
        EXPECT_EQ(commitText(m, c, "1.2.3")->message, "");  // Enter, then focus loss
        EXPECT_EQ(commitText(m, c, "1..2")->message, kNotANumberMessage);
        const auto valid = commitText(m, c, "");
        EXPECT_TRUE(valid->written);
        EXPECT_EQ(commitText(m, c, "1.2.3")->message, kNotANumberMessage);
    }
}

TEST(GeneralPage, PicksWriteTheirIndexOrCode) {
    struct Pick {
        std::string_view name;
        std::string_view entry;
        int first;
        std::string_view code;
    };
    const std::vector<Pick> picks{
        {"gn1", "B/Under Band", 1, "01"}, {"gn1", "A/upper Band ", 1, "00"},
        {"gn2", "20", 3, "14"},           {"gn4", "Purple", 9, "03"},
        {"gn5", "Orange", 11, "01"},      {"gn6", "OFF", 13, "00"},
        {"gn7", "On", 15, "01"},          {"gn8", "OFF", 17, "00"},
        {"gn9", "9", 19, "09"},           {"gn10", "ON", 21, "01"},
        {"gn11", "600", 23, "14"},        {"gn12", "1000HZ", 25, "03E8"},
        {"gn12", "2100HZ", 25, "0834"},   {"gn13", "50MS", 29, "0032"},
        {"gn13", "200MS", 29, "00C8"},    {"gn14", "9", 33, "09"},
        {"gn15", "ON", 35, "01"},
    };
    for (const Pick& p : picks) {
        SCOPED_TRACE(std::string(p.name) + " " + std::string(p.entry));
        EditorModel m = patternedModel();
        const SettingsControl c = control(p.name);
        const int entry = entryOf(choiceOf(m, c)->entries, p.entry);
        ASSERT_GE(entry, 0);
        EditorModel expected = m;
        expected.k[5] = withSlice(m.k[5], p.first, p.code);
        choiceOf(expected, c)->select(entry);
        EXPECT_TRUE(pickChoice(m, c, entry));
        expectSameModel(m, expected);
    }
}

TEST(GeneralPage, FmFrequencyIsExactAndRangeChecked) {
    const std::string_view fm = kFmRangeMessage;
    EXPECT_EQ(fm, "FM Frequency 88~108MHz");
    const std::vector<TextCase> cases{
        {"100.55", "03ED", "", "100.55"},
        {"88", "0370", "", "88"},
        {"108", "0438", "", "108"},
        {"88.1", "0371", "", "88.1"},
        {"98.0", "03D4", "", "98.0"},
        {"", "FFFF", "", ""},
        {"87.9", "FFFF", fm, ""},
        {"108.1", "FFFF", fm, ""},
        {"0", "FFFF", fm, ""},
        {"99999", "FFFF", fm, ""},
        {"-100", "FFFF", fm, ""},
        {"1.2.3", "", kNotANumberMessage, "1.2.3"},
    };
    runTextCases({"gn3"}, 5, 5, cases);
}

TEST(DtmfPage, EncoderRewritesOnlyItsField) {
    const std::vector<TextCase> longCases{
        {"12#", "0301020CFFFFFFFF", "", "12#"},
        {"*#0", "030B0C0AFFFFFFFF", "", "*#0"},
        {"ABCD", "040D0E0F00FFFFFF", "", "ABCD"},
        {"1234567", "0701020304050607", "", "1234567"},
        {"", "00FFFFFFFFFFFFFF", "", ""},
        {"12a#x89012", "0701020C08090A01", "", "12#8901"},  // pasted: filtered and cut
    };
    for (int g = 1; g <= 8; ++g) {
        const DigitField f = dtmfGroupField(g);
        runTextCases({"sy" + std::to_string(g)}, f.blockField, 2 * f.offset + 1, longCases);
    }
    for (int code = 1; code <= 2; ++code) {
        runTextCases({"sypz" + std::to_string(code)}, 12, 16 * (code - 1) + 1, longCases);
    }
    const std::vector<TextCase> shortCases{
        {"D", "0100FFFFFFFF", "", "D"},           {"C", "010FFFFFFFFF", "", "C"},
        {"12345", "050102030405", "", "12345"},   {"", "00FFFFFFFFFF", "", ""},
        {"1234567", "050102030405", "", "12345"},
    };
    for (int code = 3; code <= 8; ++code) {
        const DigitField f = codeField(code);
        runTextCases({"sypz" + std::to_string(code)}, f.blockField, 2 * f.offset + 1, shortCases);
    }
}

TEST(DtmfPage, KeyFilterWithItsMessagesAndLimits) {
    using A = KeyAction;
    struct Key {
        std::string_view name;
        std::size_t length;
        char32_t key;
        A action;
        std::string_view message;
    };
    const std::string_view group = kDtmfGroupKeyMessage;
    const std::string_view code = kCodeKeyMessage;
    const std::vector<Key> keys{
        {"sy1", 0, '1', A::Accept, ""},   {"sy8", 6, '#', A::Accept, ""},
        {"sy1", 0, 'C', A::Accept, ""},   {"sy1", 0, 'D', A::Accept, ""},
        {"sy1", 0, '*', A::Accept, ""},   {"sy1", 0, 'a', A::Drop, group},
        {"sy1", 0, 'E', A::Drop, group},  {"sy1", 7, '1', A::Drop, ""},
        {"sy1", 7, 'x', A::Drop, ""},     {"sy1", 7, 8, A::Accept, ""},
        {"sy1", 3, 13, A::Commit, ""},    {"sypz1", 6, '1', A::Accept, ""},
        {"sypz2", 7, '1', A::Drop, ""},   {"sypz1", 0, 'a', A::Drop, code},
        {"sypz3", 4, '1', A::Accept, ""}, {"sypz3", 5, '1', A::Drop, ""},
        {"sypz8", 5, 8, A::Accept, ""},   {"sypz8", 0, ' ', A::Drop, code},
    };
    for (const Key& k : keys) {
        const SettingsKey r = settingsKey(control(k.name), k.length, k.key);
        EXPECT_EQ(r.key.action, k.action) << k.name << " " << static_cast<std::uint32_t>(k.key);
        EXPECT_EQ(r.key.message, k.message) << k.name << " " << static_cast<std::uint32_t>(k.key);
        EXPECT_FALSE(r.focusTo.has_value());
    }
    EXPECT_EQ(code,
              "\xE8\xBE\x93\xE5\x85\xA5\xE4\xBB\xA5\xE4\xB8\x8B\xE5\xAD\x97\xE7\xAC\xA6"
              ":1,2,3,4,5,6,7,8,9,0,*,#,A,B,D");
    EXPECT_EQ(group, "DTMF:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D");
}

TEST(DtmfPage, PasteIsFilteredAndCutToTheLimit) {
    EXPECT_EQ(filterPastedText(control("sy1"), U"1a2b3 #*D\u4E2D90"), "123#*D9");
    EXPECT_EQ(filterPastedText(control("sypz3"), U"1234567"), "12345");
    EXPECT_EQ(filterPastedText(control("sypz2"), U"1234567"), "1234567");
}

TEST(DtmfPage, RemoteStateIsOnlySelected) {
    EditorModel m = patternedModel();
    EditorModel expected = m;
    expected.sypz9.select(2);
    EXPECT_TRUE(pickChoice(m, control("sypz9"), 2));
    expectSameModel(m, expected);
}

TEST(BootPage, LinesAreCountedTexts) {
    const std::vector<TextCase> cases{
        {"ABC", "03414243FFFFFFFF", "", "ABC"},
        {"HELLO", "0548454C4C4FFFFF", "", "HELLO"},
        {"", "00FFFFFFFFFFFFFF", "", ""},
        {" ~", "02207EFFFFFFFFFF", "", " ~"},
        {"ABCDEFGHIJ", "0741424344454647", "", "ABCDEFG"},  // pasted: cut to 7
        {"A,B", "024142FFFFFFFFFF", "", "AB"},
    };
    runTextCases({"kaiji1"}, 10, 1, cases);
    runTextCases({"kaiji2"}, 10, 17, cases);
}

TEST(BootPage, KeysAndPaste) {
    using A = KeyAction;
    const std::vector<std::pair<std::pair<std::size_t, char32_t>, A>> keys{
        {{0, 'a'}, A::Accept}, {{6, '~'}, A::Accept}, {{0, ' '}, A::Accept}, {{7, 'a'}, A::Drop},
        {{7, 8}, A::Accept},   {{0, 0x1F}, A::Drop},  {{0, 0x7F}, A::Drop},  {{0, ','}, A::Drop},
        {{0, '"'}, A::Drop},   {{0, 0xE9}, A::Drop},  {{3, 13}, A::Commit},
    };
    for (const auto& [key, action] : keys) {
        for (std::string_view name : {"kaiji1", "kaiji2"}) {
            const SettingsKey r = settingsKey(control(name), key.first, key.second);
            EXPECT_EQ(r.key.action, action)
                << name << " " << static_cast<std::uint32_t>(key.second);
            EXPECT_EQ(r.key.message, "");
        }
    }
    EXPECT_EQ(filterPastedText(control("kaiji1"), U"A,B\"C'D\u00E9\nEFGHI"), "ABCDEFG");
}

TEST(LimitPage, LimitsAreExactWithoutRangeCheck) {
    const std::vector<TextCase> cases{
        {"136", "00CF8500", "", "136"},
        {"480", "02DC6C00", "", "480"},
        {"174.5", "010A4410", "", "174.5"},
        {"1", "000186A0", "", "1"},
        {"", "FFFFFFFF", "", ""},
        {".", "", kNotANumberMessage, "."},
        {"1.2.", "", kNotANumberMessage, "1.2."},
        {"50000", "", kFrequencyReachMessage, "50000"},
    };
    for (int n = 1; n <= 4; ++n) {
        runTextCases({"xp" + std::to_string(n)}, 11, 8 * (n - 1) + 1, cases);
    }
}

TEST(LimitPage, ModeWritesTheLastByte) {
    for (int entry : {0, 1}) {
        EditorModel m = patternedModel();
        EditorModel expected = m;
        expected.k[11] = withSlice(m.k[11], 33, entry == 0 ? "00" : "01");
        expected.xp5.select(entry);
        EXPECT_TRUE(pickChoice(m, control("xp5"), entry));
        expectSameModel(m, expected);
    }
}

TEST(LimitPage, EnterMovesToTheNextLimit) {
    using A = KeyAction;
    for (int n = 1; n <= 3; ++n) {
        const SettingsKey r = settingsKey(control("xp" + std::to_string(n)), 3, kKeyEnter);
        EXPECT_EQ(r.key.action, A::FocusNext);
        EXPECT_EQ(r.focusTo, control("xp" + std::to_string(n + 1)));
    }
    EXPECT_EQ(settingsKey(control("xp4"), 3, kKeyEnter).key.action, A::Commit);
    EXPECT_FALSE(settingsKey(control("xp4"), 3, kKeyEnter).focusTo.has_value());
    for (char32_t ok : {U'0', U'9', U'.', char32_t{8}}) {
        EXPECT_EQ(settingsKey(control("xp1"), 20, ok).key.action, A::Accept);
    }
    for (char32_t bad : {U'a', U'-', U' ', U','}) {
        EXPECT_EQ(settingsKey(control("xp2"), 0, bad).key.action, A::Drop);
    }
    // Pasted limits reach the commit, which reports what is not a number.
    EXPECT_EQ(filterPastedText(control("xp1"), U"1a"), "1a");
}

TEST(FreeTexts, EnterTakesTheTextOver) {
    for (std::string_view name : {"left3", "left15", "right3", "right15", "gn3"}) {
        EXPECT_EQ(settingsKey(control(name), 0, kKeyEnter).key.action, KeyAction::Commit);
        EXPECT_EQ(settingsKey(control(name), 50, 'x').key.action, KeyAction::Accept);
    }
}

TEST(ControlNames, NamesMapToControlsAndBack) {
    const std::vector<std::pair<std::string_view, SettingsControl>> known{
        {"left1", {SettingsPage::Band, 1, Band::A}},
        {"right16", {SettingsPage::Band, 16, Band::B}},
        {"left3", {SettingsPage::Band, 3, Band::A}},
        {"gn3", {SettingsPage::General, 3, Band::A}},
        {"gn15", {SettingsPage::General, 15, Band::A}},
        {"sy8", {SettingsPage::Dtmf, 8, Band::A}},
        {"sypz9", {SettingsPage::Codes, 9, Band::A}},
        {"kaiji2", {SettingsPage::Boot, 2, Band::A}},
        {"xp5", {SettingsPage::Limits, 5, Band::A}},
    };
    for (const auto& [name, c] : known) {
        EXPECT_EQ(settingsControlNamed(name), c) << name;
        EXPECT_EQ(settingsControlName(c), name);
    }
    for (std::string_view bad : {"left9", "left17", "left0", "right", "gn16", "sy9", "sypz10",
                                 "kaiji3", "xp6", "xp+1", "left03x", "t1", ""}) {
        EXPECT_FALSE(settingsControlNamed(bad).has_value()) << bad;
    }
}

TEST(ControlNames, EveryControlIsAListOrATextOfTheModel) {
    EditorModel m;
    EXPECT_EQ(textOf(m, control("left3")), &m.left.c3);
    EXPECT_EQ(textOf(m, control("right15")), &m.right.c15);
    EXPECT_EQ(textOf(m, control("gn3")), &m.gn3);
    EXPECT_EQ(textOf(m, control("sy4")), &m.sy[4]);
    EXPECT_EQ(textOf(m, control("sypz8")), &m.sypz[8]);
    EXPECT_EQ(textOf(m, control("kaiji2")), &m.kaiji2);
    EXPECT_EQ(textOf(m, control("xp4")), &m.xp[4]);
    EXPECT_EQ(choiceOf(m, control("right4")), &m.right.c4);
    EXPECT_EQ(choiceOf(m, control("left5")), &m.left.c5);
    EXPECT_EQ(choiceOf(m, control("gn13")), &m.gn13);
    EXPECT_EQ(choiceOf(m, control("sypz9")), &m.sypz9);
    EXPECT_EQ(choiceOf(m, control("xp5")), &m.xp5);
    EXPECT_EQ(choiceOf(m, control("left3")), nullptr);
    EXPECT_EQ(textOf(m, control("left4")), nullptr);
    EXPECT_FALSE(commitText(m, control("gn4"), "1").has_value());
}

TEST(ControlNames, ListsOfAllControls) {
    std::vector<std::string> choices;
    for (const auto& c : settingsChoiceControls()) choices.push_back(settingsControlName(c));
    std::vector<std::string> texts;
    for (const auto& c : settingsTextControls()) texts.push_back(settingsControlName(c));
    EXPECT_EQ(choices.size(), 2u * 13u + 14u + 1u + 1u);
    EXPECT_EQ(texts, (std::vector<std::string>{
                         "left3",  "left15", "right3", "right15", "gn3",   "sy1",   "sy2",
                         "sy3",    "sy4",    "sy5",    "sy6",     "sy7",   "sy8",   "sypz1",
                         "sypz2",  "sypz3",  "sypz4",  "sypz5",   "sypz6", "sypz7", "sypz8",
                         "kaiji1", "kaiji2", "xp1",    "xp2",     "xp3",   "xp4"}));
    EXPECT_NE(std::ranges::find(choices, "right16"), choices.end());
    EXPECT_NE(std::ranges::find(choices, "sypz9"), choices.end());
    EXPECT_EQ(std::ranges::find(choices, "left9"), choices.end());
}

// Whatever is picked or typed, every block field keeps its length.
TEST(AllControls, FieldsNeverChangeLength) {
    EditorModel m;
    for (const auto& c : settingsChoiceControls()) {
        for (int entry = 0; entry < choiceOf(m, c)->count(); ++entry) {
            EXPECT_TRUE(pickChoice(m, c, entry)) << settingsControlName(c) << " " << entry;
        }
    }
    for (const auto& c : settingsTextControls()) {
        for (std::string_view text :
             {"", "1", "145.5", "99999999999", "1.2.3", "ABCD#*0123456789", "-3", "A,B\"C'D"}) {
            ASSERT_TRUE(commitText(m, c, text).has_value());
        }
    }
    const EditorModel fresh;
    for (int n = 1; n <= 15; ++n) EXPECT_EQ(m.k[n].size(), fresh.k[n].size()) << "k" << n;
}

}  // namespace
}  // namespace duoband
