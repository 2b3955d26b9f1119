// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/settings_editing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "duoband/block_layouts.h"
#include "duoband/channel_editing.h"
#include "duoband/option_lists.h"

namespace duoband {
namespace {

// Block fields filled with a pattern that no handler writes, so that any
// character written outside a slice shows.
std::vector<Block> allBlocks() {
    std::vector<Block> blocks;
    for (int i = 0; i < kBlockCount; ++i) blocks.push_back(static_cast<Block>(i));
    return blocks;
}

EditorModel patternedModel() {
    EditorModel m;
    for (Block b : allBlocks()) {
        for (char& c : m.blocks[b]) c = '5';
    }
    return m;
}

// `field` with characters first..last (counted from 1) replaced by `code`.
HexText withSlice(HexText field, int first, std::string_view code) {
    return field.replace(static_cast<std::size_t>(first - 1), code.size(), code);
}

// The setting `n` rows after `first` in the table (DTMF group n, limit n...).
SettingRef nth(SettingId first, int n) {
    return {static_cast<SettingId>(static_cast<int>(first) + n)};
}

std::string nameOf(SettingRef ref) {
    return settingObjectName(ref);
}

std::string_view blockName(Block b) {
    return blockFieldSetting(b).caption;
}

// Block fields compared one by one first, so that a failure names the field.
void expectSameModel(const EditorModel& m, const EditorModel& expected) {
    for (Block b : allBlocks()) EXPECT_EQ(m.blocks[b], expected.blocks[b]) << blockName(b);
    EXPECT_TRUE(m == expected);
}

int entryOf(OptionList list, std::string_view text) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == text) return static_cast<int>(i);
    }
    return -1;
}

// The block field holding half 0 (settings) or 1 (extra) of a band's block;
// the table below is run for both bands.
Block bandField(Band band, int half) {
    return regionBlocks(Region::BandSettings, band)[static_cast<std::size_t>(half)];
}

// The block field and the first character (counted from 1) of a setting's
// slice.
struct FieldSlice {
    Block block;
    int first;
};
FieldSlice fieldSliceOf(SettingRef ref) {
    const RegionSlice slice = setting(ref.id).slice;
    int offset = slice.offset;
    for (Block b : regionBlocks(slice.region, ref.band)) {
        if (offset < blockExtent(b).bytes) return {b, 2 * offset + 1};
        offset -= blockExtent(b).bytes;
    }
    ADD_FAILURE() << nameOf(ref) << " lies in no block field";
    return {Block::General, 1};
}

TEST(BandPagePick, EachPickWritesOnlyItsCharacters) {
    struct Pick {
        SettingId id;
        std::string_view entry;  // the entry's text
        int half;                // 0: the band's settings field, 1: its extra field
        int first;               // first character in that field
        std::string_view code;
    };
    const std::vector<Pick> picks{
        {SettingId::WorkingMode, "Frequency Mode", 0, 1, "00"},
        {SettingId::WorkingMode, "Channel Mode", 0, 1, "01"},
        {SettingId::Channel, "1", 0, 3, "00"},
        {SettingId::Channel, "128", 0, 3, "7F"},
        {SettingId::RxTone, "D023N", 0, 13, "8023"},
        {SettingId::RxTone, "D023I", 0, 13, "C023"},
        {SettingId::RxTone, "0FF", 0, 13, "FFFF"},
        {SettingId::RxTone, "88.5HZ", 0, 13, "0375"},
        {SettingId::RxTone, "250.3HZ", 0, 13, "09C7"},
        {SettingId::RxMode, "QT/DQT", 0, 17, "00"},
        {SettingId::RxMode, "QT/DQT+ Signaling", 0, 17, "01"},
        {SettingId::TxTone, "D754I", 0, 21, "C754"},
        {SettingId::TxTone, "67.0HZ", 0, 21, "029E"},
        {SettingId::LaunchSignalling, "Identity Code", 0, 25, "11"},
        {SettingId::EndSignalling, "Identity Code", 0, 27, "11"},
        {SettingId::EndSignalling, "DTMF3", 0, 27, "03"},
        {SettingId::Power, "Low", 0, 29, "00"},
        {SettingId::Power, "High", 0, 29, "01"},
        {SettingId::Bandwidth, "Narrow Band", 0, 31, "00"},
        {SettingId::Bandwidth, "Wide Band", 0, 31, "01"},
        {SettingId::Compandor, "ON", 1, 1, "01"},
        {SettingId::Scrambler, "ON", 1, 3, "01"},
        {SettingId::OffsetDirection, "-", 1, 5, "02"},
        {SettingId::OffsetDirection, "+", 1, 5, "01"},
        {SettingId::Step, "6.25K", 1, 15, "0271"},
        {SettingId::Step, "2.5K", 1, 15, "00FA"},
        {SettingId::Step, "50K", 1, 15, "1388"},
    };
    for (Band band : kBands) {
        for (const Pick& p : picks) {
            const SettingRef c{p.id, band};
            SCOPED_TRACE(nameOf(c) + " " + std::string(p.entry));
            EditorModel m = patternedModel();
            const int entry = entryOf(choiceOf(m, c)->entries, p.entry);
            ASSERT_GE(entry, 0);
            EditorModel expected = m;
            expected.blocks[bandField(band, p.half)] =
                withSlice(m.blocks[bandField(band, p.half)], p.first, p.code);
            choiceOf(expected, c)->select(entry);
            EXPECT_TRUE(pickChoice(m, c, entry));
            expectSameModel(m, expected);
        }
    }
}

TEST(BandPagePick, NoPickReachesOffset9OrOffsets25To31) {
    for (Band band : kBands) {
        EditorModel m = patternedModel();
        const HexText first = m.blocks[bandField(band, 0)];
        const HexText second = m.blocks[bandField(band, 1)];
        for (const SettingRef& c : settingsOnPage(SettingsPage::BandSetup, band)) {
            if (choiceOf(m, c) == nullptr) continue;
            for (int entry = 0; entry < choiceOf(m, c)->count(); ++entry) {
                ASSERT_TRUE(pickChoice(m, c, entry));
            }
        }
        EXPECT_EQ(m.blocks[bandField(band, 0)].size(), 32u);
        EXPECT_EQ(m.blocks[bandField(band, 1)].size(), 32u);
        EXPECT_EQ(m.blocks[bandField(band, 0)].substr(18, 2), first.substr(18, 2));
        EXPECT_EQ(m.blocks[bandField(band, 1)].substr(18), second.substr(18));
    }
}

TEST(BandPagePick, RefusesWhatIsNoPick) {
    EditorModel m = patternedModel();
    const EditorModel before = m;
    EXPECT_FALSE(pickChoice(m, {SettingId::Channel, Band::A}, 128));
    EXPECT_FALSE(pickChoice(m, {SettingId::Channel, Band::A}, -1));
    EXPECT_FALSE(pickChoice(m, {SettingId::RxFrequency, Band::A}, 0));  // a text
    m.blocks[Block::BandAExtra] = "00";  // a field of the wrong length
    EditorModel broken = m;
    EXPECT_FALSE(pickChoice(m, {SettingId::Compandor, Band::A}, 1));
    expectSameModel(m, broken);  // neither the field nor the selection changed
    m.blocks[Block::BandAExtra] = before.blocks[Block::BandAExtra];
    expectSameModel(m, before);
}

struct TextCase {
    std::string_view typed;
    std::string_view code;  // "" : the field stays as it was
    std::string_view message;
    std::string_view shown;  // the control's text afterwards
};

void runTextCases(const std::vector<SettingRef>& refs, Block field, int first,
                  const std::vector<TextCase>& cases, const std::vector<Block>& fieldsOf = {}) {
    for (std::size_t i = 0; i < refs.size(); ++i) {
        const Block k = fieldsOf.empty() ? field : fieldsOf[i];
        for (const TextCase& t : cases) {
            const SettingRef c = refs[i];
            SCOPED_TRACE(nameOf(c) + " '" + std::string(t.typed) + "'");
            EditorModel m = patternedModel();
            EditorModel expected = m;
            if (!t.code.empty()) expected.blocks[k] = withSlice(m.blocks[k], first, t.code);
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
    runTextCases({{SettingId::RxFrequency, Band::A}}, Block::BandASettings, 5, cases);
    runTextCases({{SettingId::RxFrequency, Band::B}}, Block::BandBSettings, 5, cases);
}

TEST(BandPageText, MessageIsTheSameOnBothPages) {
    EXPECT_EQ(kBandReceiveRangeMessage, "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ ");
    for (Band band : kBands) {
        EditorModel m;
        EXPECT_EQ(commitText(m, {SettingId::RxFrequency, band}, "1")->message,
                  kBandReceiveRangeMessage);
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
    runTextCases({{SettingId::Offset, Band::A}}, Block::BandAExtra, 7, cases);
    runTextCases({{SettingId::Offset, Band::B}}, Block::BandBExtra, 7, cases);
}

TEST(SettingsText, AReportIsNotRepeatedForTheSameText) {
    for (const SettingRef c :
         {SettingRef{SettingId::RxFrequency, Band::A}, SettingRef{SettingId::Offset, Band::B},
          SettingRef{SettingId::FmFrequency}, SettingRef{SettingId::LimitVhfHigh}}) {
        SCOPED_TRACE(nameOf(c));
        EditorModel m = patternedModel();
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
        SettingId id;
        std::string_view entry;
        int first;
        std::string_view code;
    };
    const std::vector<Pick> picks{
        {SettingId::MainBand, "B/Under Band", 1, "01"},
        {SettingId::MainBand, "A/upper Band ", 1, "00"},
        {SettingId::Volume, "20", 3, "14"},
        {SettingId::StandbyBacklight, "Purple", 9, "03"},
        {SettingId::ReceiveBacklight, "Orange", 11, "01"},
        {SettingId::TransmitBacklight, "OFF", 13, "00"},
        {SettingId::BacklightMode, "On", 15, "01"},
        {SettingId::Beep, "OFF", 17, "00"},
        {SettingId::VibrationRingTime, "9", 19, "09"},
        {SettingId::BusyChannelLock, "ON", 21, "01"},
        {SettingId::TimeOverTimer, "600", 23, "14"},
        {SettingId::ToneBurst, "1000HZ", 25, "03E8"},
        {SettingId::ToneBurst, "2100HZ", 25, "0834"},
        {SettingId::DtmfTime, "50MS", 29, "0032"},
        {SettingId::DtmfTime, "200MS", 29, "00C8"},
        {SettingId::SquelchLevel, "9", 33, "09"},
        {SettingId::RepeaterMode, "ON", 35, "01"},
    };
    for (const Pick& p : picks) {
        const SettingRef c{p.id};
        SCOPED_TRACE(nameOf(c) + " " + std::string(p.entry));
        EditorModel m = patternedModel();
        const int entry = entryOf(choiceOf(m, c)->entries, p.entry);
        ASSERT_GE(entry, 0);
        EditorModel expected = m;
        expected.blocks[Block::General] = withSlice(m.blocks[Block::General], p.first, p.code);
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
    runTextCases({{SettingId::FmFrequency}}, Block::General, 5, cases);
}

TEST(DtmfPage, EncoderRewritesOnlyItsField) {
    const std::vector<TextCase> longCases{
        {"12#", "0301020CFFFFFFFF", "", "12#"},
        {"*#0", "030B0C0AFFFFFFFF", "", "*#0"},
        {"ABCD", "040D0E0F00FFFFFF", "", "ABCD"},
        {"1234567", "0701020304050607", "", "1234567"},
        {"", "00FFFFFFFFFFFFFF", "", ""},
        {"12a#x89012", "0701020D0C08090A", "", "12A#890"},  // pasted: spelled, filtered, cut
    };
    for (int g = 1; g <= 8; ++g) {
        const SettingRef group = nth(SettingId::DtmfGroup1, g - 1);
        const FieldSlice f = fieldSliceOf(group);
        runTextCases({group}, f.block, f.first, longCases);
    }
    // the native and the master control ID codes share one field
    for (int code = 1; code <= 2; ++code) {
        runTextCases({nth(SettingId::NativeIdCode, code - 1)}, Block::NativeAndMasterId,
                     16 * (code - 1) + 1, longCases);
    }
    const std::vector<TextCase> shortCases{
        {"D", "0100FFFFFFFF", "", "D"},           {"C", "010FFFFFFFFF", "", "C"},
        {"12345", "050102030405", "", "12345"},   {"", "00FFFFFFFFFF", "", ""},
        {"1234567", "050102030405", "", "12345"},
    };
    // alarm, identity display, revive, remote stun, remote kill, monitor
    for (int code = 3; code <= 8; ++code) {
        const SettingRef c = nth(SettingId::NativeIdCode, code - 1);
        const FieldSlice f = fieldSliceOf(c);
        runTextCases({c}, f.block, f.first, shortCases);
    }
}

TEST(DtmfPage, KeyFilterWithItsMessagesAndLimits) {
    using A = KeyAction;
    struct Key {
        SettingId id;
        std::size_t length;
        char32_t key;
        A action;
        std::string_view message;
    };
    const std::string_view group = kDtmfGroupKeyMessage;
    const std::string_view code = kCodeKeyMessage;
    const std::vector<Key> keys{
        {SettingId::DtmfGroup1, 0, '1', A::Accept, ""},
        {SettingId::DtmfGroup8, 6, '#', A::Accept, ""},
        {SettingId::DtmfGroup1, 0, 'C', A::Accept, ""},
        {SettingId::DtmfGroup1, 0, 'D', A::Accept, ""},
        {SettingId::DtmfGroup1, 0, '*', A::Accept, ""},
        {SettingId::DtmfGroup1, 0, 'e', A::Drop, group},
        {SettingId::DtmfGroup1, 0, 'E', A::Drop, group},
        {SettingId::DtmfGroup1, 7, '1', A::Drop, ""},
        {SettingId::DtmfGroup1, 7, 'x', A::Drop, ""},
        {SettingId::DtmfGroup1, 7, 8, A::Accept, ""},
        {SettingId::DtmfGroup1, 3, 13, A::Commit, ""},
        {SettingId::NativeIdCode, 6, '1', A::Accept, ""},
        {SettingId::MasterIdCode, 7, '1', A::Drop, ""},
        {SettingId::NativeIdCode, 0, 'e', A::Drop, code},
        {SettingId::AlarmCode, 4, '1', A::Accept, ""},
        {SettingId::AlarmCode, 5, '1', A::Drop, ""},
        {SettingId::MonitorCode, 5, 8, A::Accept, ""},
        {SettingId::MonitorCode, 0, ' ', A::Drop, code},
    };
    for (const Key& k : keys) {
        const SettingsKey r = settingsKey({k.id}, k.length, k.key);
        const std::string name = nameOf({k.id});
        EXPECT_EQ(r.key.action, k.action) << name << " " << static_cast<std::uint32_t>(k.key);
        EXPECT_EQ(r.key.message, k.message) << name << " " << static_cast<std::uint32_t>(k.key);
        EXPECT_FALSE(r.focusTo.has_value());
    }
    EXPECT_EQ(code, "Enter only these characters:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D");
    EXPECT_EQ(group, "DTMF:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D");
}

TEST(DtmfPage, PasteIsFilteredAndCutToTheLimit) {
    EXPECT_EQ(filterPastedText({SettingId::DtmfGroup1}, U"1e2f3 #*D\u4E2D90"), "123#*D9");
    EXPECT_EQ(filterPastedText({SettingId::AlarmCode}, U"1234567"), "12345");
    EXPECT_EQ(filterPastedText({SettingId::MasterIdCode}, U"1234567"), "1234567");
}

TEST(DtmfPage, RemoteStateIsOnlySelected) {
    EditorModel m = patternedModel();
    EditorModel expected = m;
    expected.remoteState.select(2);
    EXPECT_TRUE(pickChoice(m, {SettingId::RemoteState}, 2));
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
    runTextCases({{SettingId::BootMessage1}}, Block::BootMessage, 1, cases);
    runTextCases({{SettingId::BootMessage2}}, Block::BootMessage, 17, cases);
}

TEST(BootPage, KeysAndPaste) {
    using A = KeyAction;
    const std::vector<std::pair<std::pair<std::size_t, char32_t>, A>> keys{
        {{0, 'a'}, A::Accept}, {{6, '~'}, A::Accept}, {{0, ' '}, A::Accept}, {{7, 'a'}, A::Drop},
        {{7, 8}, A::Accept},   {{0, 0x1F}, A::Drop},  {{0, 0x7F}, A::Drop},  {{0, ','}, A::Drop},
        {{0, '"'}, A::Drop},   {{0, 0xE9}, A::Drop},  {{3, 13}, A::Commit},
    };
    for (const auto& [key, action] : keys) {
        for (SettingId line : {SettingId::BootMessage1, SettingId::BootMessage2}) {
            const SettingsKey r = settingsKey({line}, key.first, key.second);
            EXPECT_EQ(r.key.action, action)
                << nameOf({line}) << " " << static_cast<std::uint32_t>(key.second);
            EXPECT_EQ(r.key.message, "");
        }
    }
    EXPECT_EQ(filterPastedText({SettingId::BootMessage1}, U"A,B\"C'D\u00E9\nEFGHI"), "ABCDEFG");
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
        runTextCases({nth(SettingId::LimitVhfLow, n - 1)}, Block::Limits, 8 * (n - 1) + 1, cases);
    }
}

TEST(LimitPage, ModeWritesTheLastByte) {
    for (int entry : {0, 1}) {
        EditorModel m = patternedModel();
        EditorModel expected = m;
        expected.blocks[Block::Limits] =
            withSlice(m.blocks[Block::Limits], 33, entry == 0 ? "00" : "01");
        expected.limitMode.select(entry);
        EXPECT_TRUE(pickChoice(m, {SettingId::LimitMode}, entry));
        expectSameModel(m, expected);
    }
}

TEST(LimitPage, EnterMovesToTheNextLimit) {
    using A = KeyAction;
    for (int n = 1; n <= 3; ++n) {
        const SettingsKey r = settingsKey(nth(SettingId::LimitVhfLow, n - 1), 3, kKeyEnter);
        EXPECT_EQ(r.key.action, A::FocusNext);
        EXPECT_EQ(r.focusTo, nth(SettingId::LimitVhfLow, n));
    }
    EXPECT_EQ(settingsKey({SettingId::LimitUhfHigh}, 3, kKeyEnter).key.action, A::Commit);
    EXPECT_FALSE(settingsKey({SettingId::LimitUhfHigh}, 3, kKeyEnter).focusTo.has_value());
    for (char32_t ok : {U'0', U'9', U'.', char32_t{8}}) {
        EXPECT_EQ(settingsKey({SettingId::LimitVhfLow}, 20, ok).key.action, A::Accept);
    }
    for (char32_t bad : {U'a', U'-', U' '}) {
        EXPECT_EQ(settingsKey({SettingId::LimitVhfHigh}, 0, bad).key.action, A::Drop);
    }
    // Pasted limits reach the commit, which reports what is not a number.
    EXPECT_EQ(filterPastedText({SettingId::LimitVhfLow}, U"1a"), "1a");
}

// Lower-case a..d are the DTMF capitals; a comma is a German keyboard's
// decimal point. Typed or pasted, they are taken as meant.
TEST(KeySpellings, TakeWhatTheUserMeant) {
    const auto typed = [](KeyResult r) {
        return r.action == KeyAction::Accept ? r.replacement : char32_t{0};
    };
    EXPECT_EQ(typed(settingsKey({SettingId::DtmfGroup1}, 0, 'a').key), U'A');
    EXPECT_EQ(typed(settingsKey({SettingId::NativeIdCode}, 0, 'd').key), U'D');
    EXPECT_EQ(typed(settingsKey({SettingId::FmFrequency}, 2, ',').key), U'.');
    EXPECT_EQ(typed(settingsKey({SettingId::LimitVhfLow}, 3, ',').key), U'.');
    EXPECT_EQ(typed(channelEntryKey(ChannelEntry::TransmitFrequency, 3, ',')), U'.');
    EXPECT_EQ(typed(channelEntryKey(ChannelEntry::Name, 3, 'a')), char32_t{0});  // as it is
    EXPECT_EQ(filterPastedText({SettingId::DtmfGroup1}, U"1a*d"), "1A*D");
    EXPECT_EQ(filterPastedText({SettingId::RxFrequency, Band::A}, U"145,525"), "145.525");
}

TEST(FreeTexts, EnterTakesTheTextOver) {
    for (const SettingRef c :
         {SettingRef{SettingId::RxFrequency, Band::A}, SettingRef{SettingId::Offset, Band::A},
          SettingRef{SettingId::RxFrequency, Band::B}, SettingRef{SettingId::Offset, Band::B},
          SettingRef{SettingId::FmFrequency}}) {
        EXPECT_EQ(settingsKey(c, 0, kKeyEnter).key.action, KeyAction::Commit) << nameOf(c);
        EXPECT_EQ(settingsKey(c, 50, 'x').key.action, KeyAction::Accept) << nameOf(c);
    }
}

TEST(SettingNames, NamesMapToSettingsAndBack) {
    const std::vector<std::pair<std::string_view, SettingRef>> known{
        {"bandA.workingMode", {SettingId::WorkingMode, Band::A}},
        {"bandB.step", {SettingId::Step, Band::B}},
        {"bandA.rxFrequency", {SettingId::RxFrequency, Band::A}},
        {"fmFrequency", {SettingId::FmFrequency}},
        {"repeaterMode", {SettingId::RepeaterMode}},
        {"dtmfGroup8", {SettingId::DtmfGroup8}},
        {"remoteState", {SettingId::RemoteState}},
        {"bootMessage2", {SettingId::BootMessage2}},
        {"limitMode", {SettingId::LimitMode}},
    };
    for (const auto& [name, ref] : known) {
        EXPECT_EQ(settingNamed(name), ref) << name;
        EXPECT_EQ(settingObjectName(ref), name);
    }
    for (std::string_view bad :
         {"bandA.", "bandC.step", "step", "bandA.mainBand", "bandB.", "dtmfGroup9", "dtmfGroup0",
          "limitMode2", "Volume", "bandA.Step", ""}) {
        EXPECT_FALSE(settingNamed(bad).has_value()) << bad;
    }
}

TEST(SettingNames, EverySettingIsAListOrATextOfTheModel) {
    EditorModel m;
    EXPECT_EQ(textOf(m, {SettingId::RxFrequency, Band::A}), &m.band(Band::A).rxFrequency);
    EXPECT_EQ(textOf(m, {SettingId::Offset, Band::B}), &m.band(Band::B).offset);
    EXPECT_EQ(textOf(m, {SettingId::FmFrequency}), &m.general.fmFrequency);
    EXPECT_EQ(textOf(m, {SettingId::DtmfGroup4}), &m.dtmfGroups[3]);
    EXPECT_EQ(textOf(m, {SettingId::MonitorCode}), &m.remoteCodes[7]);
    EXPECT_EQ(textOf(m, {SettingId::BootMessage2}), &m.bootMessage[1]);
    EXPECT_EQ(textOf(m, {SettingId::LimitUhfHigh}), &m.limits[3]);
    EXPECT_EQ(choiceOf(m, {SettingId::RxTone, Band::B}), &m.band(Band::B).rxTone);
    EXPECT_EQ(choiceOf(m, {SettingId::EndSignalling, Band::A}), &m.band(Band::A).endSignalling);
    EXPECT_EQ(choiceOf(m, {SettingId::DtmfTime}), &m.general.dtmfTime);
    EXPECT_EQ(choiceOf(m, {SettingId::RemoteState}), &m.remoteState);
    EXPECT_EQ(choiceOf(m, {SettingId::LimitMode}), &m.limitMode);
    EXPECT_EQ(choiceOf(m, {SettingId::RxFrequency, Band::A}), nullptr);
    EXPECT_EQ(textOf(m, {SettingId::RxTone, Band::A}), nullptr);
    EXPECT_FALSE(commitText(m, {SettingId::StandbyBacklight}, "1").has_value());
}

// The settings the pages show: band A's and band B's, then the other pages.
std::vector<SettingRef> shownSettings() {
    std::vector<SettingRef> refs;
    for (const auto& [page, band] :
         {std::pair{SettingsPage::BandSetup, Band::A}, std::pair{SettingsPage::BandSetup, Band::B},
          std::pair{SettingsPage::General, Band::A}, std::pair{SettingsPage::Dtmf, Band::A},
          std::pair{SettingsPage::Limits, Band::A}}) {
        const auto more = settingsOnPage(page, band);
        refs.insert(refs.end(), more.begin(), more.end());
    }
    return refs;
}

TEST(SettingNames, ListsOfAllSettings) {
    const EditorModel m;
    std::vector<std::string> choices;
    std::vector<std::string> texts;
    for (const SettingRef& c : shownSettings()) {
        if (choiceOf(m, c) != nullptr) choices.push_back(nameOf(c));
        if (textOf(m, c) != nullptr) texts.push_back(nameOf(c));
    }
    EXPECT_EQ(choices.size(), 2u * 13u + 14u + 1u + 1u);
    EXPECT_EQ(texts,
              (std::vector<std::string>{
                  "bandA.rxFrequency",   "bandA.offset", "bandB.rxFrequency", "bandB.offset",
                  "fmFrequency",         "dtmfGroup1",   "dtmfGroup2",        "dtmfGroup3",
                  "dtmfGroup4",          "dtmfGroup5",   "dtmfGroup6",        "dtmfGroup7",
                  "dtmfGroup8",          "nativeIdCode", "masterIdCode",      "alarmCode",
                  "identityDisplayCode", "reviveCode",   "remoteStunCode",    "remoteKillCode",
                  "monitorCode",         "bootMessage1", "bootMessage2",      "limitVhfLow",
                  "limitVhfHigh",        "limitUhfLow",  "limitUhfHigh"}));
    EXPECT_NE(std::ranges::find(choices, "bandB.step"), choices.end());
    EXPECT_NE(std::ranges::find(choices, "remoteState"), choices.end());
    EXPECT_EQ(std::ranges::find(choices, "bandA.rxFrequency"), choices.end());
}

// Whatever is picked or typed, every block field keeps its length.
TEST(AllSettings, FieldsNeverChangeLength) {
    EditorModel m;
    const std::vector<SettingRef> shown = shownSettings();
    for (const SettingRef& c : shown) {
        if (choiceOf(m, c) == nullptr) continue;
        for (int entry = 0; entry < choiceOf(m, c)->count(); ++entry) {
            EXPECT_TRUE(pickChoice(m, c, entry)) << nameOf(c) << " " << entry;
        }
    }
    for (const SettingRef& c : shown) {
        if (textOf(m, c) == nullptr) continue;
        for (std::string_view text :
             {"", "1", "145.5", "99999999999", "1.2.3", "ABCD#*0123456789", "-3", "A,B\"C'D"}) {
            ASSERT_TRUE(commitText(m, c, text).has_value());
        }
    }
    const EditorModel fresh;
    for (Block b : allBlocks()) {
        EXPECT_EQ(m.blocks[b].size(), fresh.blocks[b].size()) << blockName(b);
    }
}

}  // namespace
}  // namespace duoband
