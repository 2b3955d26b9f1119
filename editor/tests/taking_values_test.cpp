// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/taking_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "duoband/channel_editing.h"
#include "duoband/settings_editing.h"

namespace duoband {
namespace {

// `a`, this configuration's value, is left out of the taking; any text
// other than `b` makes the entry a difference the editor shows.
CompareEntry cellEntry(Band band, int channel, Column column, std::string other) {
    CompareEntry entry;
    entry.a = "this";
    entry.where.cell = ComparePlace::Cell{band, channel, column};
    entry.b = std::move(other);
    return entry;
}

CompareEntry settingEntry(SettingRef ref, std::string other) {
    CompareEntry entry;
    entry.a = "this";
    entry.where.setting = ref;
    entry.b = std::move(other);
    return entry;
}

// A channel's record that differs where no column shows it (two images).
CompareEntry recordBytes() {
    CompareEntry entry;
    entry.where.cell = ComparePlace::Cell{Band::A, 9, Column::Number};
    entry.aBytes = Bytes(kRecordBytes, 0x00);
    entry.bBytes = Bytes(kRecordBytes, 0xFF);
    return entry;
}

CompareEntry looseByte(EntryKind kind) {
    CompareEntry entry;
    entry.kind = kind;
    entry.where.address = 0x1F00;
    entry.b = "00";
    return entry;
}

// Band A channel 3: 145.50000, power Low, named KEEP; channel 4 empty.
EditorModel withChannel() {
    EditorModel model;
    commitChannelFrequency(model, Band::A, {Column::RxFrequency, 3}, ChannelEntry::ReceiveFrequency,
                           "145.5");
    commitChannelChoice(model, Band::A, {Column::Power, 3}, 0);  // Low
    commitChannelName(model, Band::A, {Column::Name, 3}, "KEEP");
    return model;
}

struct CellCase {
    const char* name;
    Column column;
    int channel;
    std::string other;
    bool taken;
    std::string refusal;  // english, when refused
    // The row's cells afterwards: frequency, power, name.
    std::array<std::string, 3> row;
};

void PrintTo(const CellCase& c, std::ostream* out) {
    *out << c.name;
}

class TakingACell : public testing::TestWithParam<CellCase> {};

TEST_P(TakingACell, GoesThroughTheTypingRules) {
    const CellCase& c = GetParam();
    EditorModel model = withChannel();
    const TakeReport report =
        takeOtherValues(model, std::vector{cellEntry(Band::A, c.channel, c.column, c.other)});
    EXPECT_EQ(report.taken, c.taken ? 1 : 0);
    ASSERT_EQ(report.refused.size(), c.taken ? 0u : 1u);
    if (!c.taken) {
        EXPECT_EQ(english(report.refused[0].why), c.refusal);
    }
    const ChannelTable& table = model.channels(Band::A);
    EXPECT_EQ(table.cell(Column::RxFrequency, c.channel), c.row[0]);
    EXPECT_EQ(table.cell(Column::Power, c.channel), c.row[1]);
    EXPECT_EQ(table.cell(Column::Name, c.channel), c.row[2]);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TakingACell,
    testing::Values(
        CellCase{"FrequencyOverAnotherKeepsTheSettings",
                 Column::RxFrequency,
                 3,
                 "146.02500",
                 true,
                 "",
                 {"146.02500", "Low", "KEEP"}},
        CellCase{"FrequencyIntoAnEmptyChannelWritesItsDefaults",
                 Column::RxFrequency,
                 4,
                 "146.02500",
                 true,
                 "",
                 {"146.02500", "High", ""}},
        CellCase{
            "EmptyFrequencyEmptiesTheChannel", Column::RxFrequency, 3, "", true, "", {"", "", ""}},
        CellCase{"FrequencyOffTheStepGridIsRefused",
                 Column::RxFrequency,
                 3,
                 "145.52010",
                 false,
                 "the rules would make it \"145.52250\"",
                 {"145.50000", "Low", "KEEP"}},
        CellCase{"FrequencyOutOfRangeIsRefused",
                 Column::RxFrequency,
                 3,
                 "300.00000",
                 false,
                 "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ",
                 {"145.50000", "Low", "KEEP"}},
        CellCase{"Pick", Column::Power, 3, "High", true, "", {"145.50000", "High", "KEEP"}},
        CellCase{"TextOffTheListIsRefused",
                 Column::Power,
                 3,
                 "Medium",
                 false,
                 "not one of the column's choices",
                 {"145.50000", "Low", "KEEP"}},
        CellCase{"NoPickEmptiesAChoice",
                 Column::Power,
                 3,
                 "",
                 false,
                 "no pick empties a choice cell",
                 {"145.50000", "Low", "KEEP"}},
        CellCase{"ChoiceOfAChannelWithoutFrequencyIsRefused",
                 Column::Power,
                 4,
                 "High",
                 false,
                 "the channel has no Receiving Frequency",
                 {"", "", ""}},
        CellCase{"NameTheEntryCannotHoldIsRefused",
                 Column::Name,
                 3,
                 "TOO LONG",
                 false,
                 "the rules would make it \"TOO LON\"",
                 {"145.50000", "Low", "KEEP"}}),
    [](const testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

// Take All in the comparison's order: the frequency first, then the cells
// that belong to it; a refused value among them keeps nothing of itself.
TEST(TakingValues, AllOfAChannelInOrderAndTheSettingsThroughTheirRules) {
    EditorModel model = withChannel();
    const std::vector<CompareEntry> entries{
        cellEntry(Band::B, 5, Column::RxFrequency, "446.00625"),
        cellEntry(Band::B, 5, Column::Power, "Low"),
        cellEntry(Band::B, 5, Column::Name, "FAR"),
        settingEntry({SettingId::SquelchLevel}, "5"),
        settingEntry({SettingId::RemoteState}, "Kill"),
        settingEntry({SettingId::FmFrequency}, "100.5"),
        settingEntry({SettingId::FmFrequency}, "120"),  // out of its range
        settingEntry({SettingId::MainBand}, "C/Band"),  // no such entry
        recordBytes(),
        looseByte(EntryKind::Note),
        looseByte(EntryKind::Difference),
    };
    EditorModel expected = model;
    commitChannelFrequency(expected, Band::B, {Column::RxFrequency, 5},
                           ChannelEntry::ReceiveFrequency, "446.00625");
    commitChannelChoice(expected, Band::B, {Column::Power, 5}, 0);
    commitChannelName(expected, Band::B, {Column::Name, 5}, "FAR");
    pickChoice(expected, SettingRef{SettingId::SquelchLevel}, 5);
    pickChoice(expected, SettingRef{SettingId::RemoteState}, 2);
    commitText(expected, {SettingId::FmFrequency}, "100.5");

    const TakeReport report = takeOtherValues(model, entries);
    EXPECT_EQ(report.taken, 6);
    std::vector<std::string> refusals;
    for (const RefusedValue& r : report.refused) refusals.push_back(english(r.why));
    EXPECT_EQ(refusals,
              (std::vector<std::string>{"FM Frequency 88~108MHz", "not one of the list's entries",
                                        "only bytes the editor does not show differ",
                                        "no page holds these bytes"}));
    EXPECT_EQ(model, expected);
}

}  // namespace
}  // namespace duoband
