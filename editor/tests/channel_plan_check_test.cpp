// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/channel_plan_check.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "duoband/settings_editing.h"

namespace duoband {
namespace {

// A simplex channel on 146.52000 with every setting given.
void setChannel(EditorModel& model, Band band, int ch, std::string rx, std::string name = {},
                std::string tx = {}) {
    ChannelTable& t = model.channels(band);
    t.cell(Column::RxFrequency, ch) = rx;
    t.cell(Column::RxTone, ch) = "OFF";
    t.cell(Column::RxMode, ch) = "QT/DQT";
    t.cell(Column::TxFrequency, ch) = tx.empty() ? rx : tx;
    t.cell(Column::TxTone, ch) = "OFF";
    t.cell(Column::LaunchSignalling, ch) = "OFF";
    t.cell(Column::EndSignalling, ch) = "OFF";
    t.cell(Column::Power, ch) = "High";
    t.cell(Column::Bandwidth, ch) = "Wide";
    t.cell(Column::Compandor, ch) = "OFF";
    t.cell(Column::Scrambler, ch) = "OFF";
    t.cell(Column::Name, ch) = name;
}

void setText(EditorModel& model, SettingId id, std::string_view text) {
    ASSERT_TRUE(commitText(model, {id}, text));
}

// Limits VHF 144~148, UHF 430~440, mode as given.
void setLimits(EditorModel& model, bool on) {
    setText(model, SettingId::LimitVhfLow, "144");
    setText(model, SettingId::LimitVhfHigh, "148");
    setText(model, SettingId::LimitUhfLow, "430");
    setText(model, SettingId::LimitUhfHigh, "440");
    ASSERT_TRUE(pickChoice(model, {SettingId::LimitMode}, on ? 1 : 0));
}

// The problems' lines (a case may also make a note: a split).
std::vector<std::string> lines(const EditorModel& model) {
    std::vector<std::string> problems;
    for (const PlanFinding& f : checkChannelPlan(model))
        if (f.kind == FindingKind::Problem) problems.push_back(english(describeFinding(f)));
    return problems;
}

struct CheckCase {
    const char* name;
    std::function<void(EditorModel&)> firing;  // makes the finding appear
    std::function<void(EditorModel&)> silent;  // the nearest case that has none
    std::string line;
};

// A base of two different, well-formed channels in each band.
EditorModel base() {
    EditorModel model;
    for (Band band : kBands) {
        setChannel(model, band, 1, "146.52000", "CALL");
        setChannel(model, band, 2, "145.50000", "S20");
    }
    return model;
}

const std::vector<CheckCase> kCases{
    {"SameChannel", [](EditorModel& m) { setChannel(m, Band::B, 11, "145.50000", "OTHER"); },
     [](EditorModel& m) { setChannel(m, Band::B, 11, "145.51250", "OTHER"); },
     "Band B channel 11: the same as channel 2"},
    {"NameTwice", [](EditorModel& m) { setChannel(m, Band::A, 5, "145.52500", "CALL"); },
     [](EditorModel& m) { setChannel(m, Band::A, 5, "145.52500", "CALL2"); },
     "Band A channel 5, Channel Name: the name \"CALL\" is also channel 1's"},
    {"OutsideLimits",
     [](EditorModel& m) {
         setLimits(m, true), setChannel(m, Band::A, 5, "150.00000", "", "145.00000");
     },
     [](EditorModel& m) {
         setLimits(m, false), setChannel(m, Band::A, 5, "150.00000", "", "145.00000");
     },
     "Band A channel 5, Receiving Frequency: 150.00000 is outside the limits on \"Limit "
     "Frequency\" (144~148 MHz, 430~440 MHz)"},
    {"TransmitOutsideLimits",
     [](EditorModel& m) {
         setLimits(m, true);
         setChannel(m, Band::B, 3, "434.00000", "", "150.00000");
     },
     [](EditorModel& m) {
         setLimits(m, true);
         setChannel(m, Band::B, 3, "434.00000", "", "439.00000");
     },
     "Band B channel 3, Transmission Frequency: 150.00000 is outside the limits on \"Limit "
     "Frequency\" (144~148 MHz, 430~440 MHz)"},
    {"LimitsUpsideDown",
     [](EditorModel& m) { setLimits(m, true), setText(m, SettingId::LimitUhfLow, "450"); },
     [](EditorModel& m) { setLimits(m, false), setText(m, SettingId::LimitUhfLow, "450"); },
     "\"Limit UHF Band (Low)\" on \"Limit Frequency\": 450 MHz is above \"Limit UHF Band (High)\", "
     "440 MHz"},
    {"EmptyDtmfGroup",
     [](EditorModel& m) { m.channels(Band::A).cell(Column::LaunchSignalling, 2) = "DTMF3"; },
     [](EditorModel& m) {
         m.channels(Band::A).cell(Column::LaunchSignalling, 2) = "DTMF3";
         setText(m, SettingId::DtmfGroup3, "123");
     },
     "Band A channel 2, Launch Signaling: \"DTMF3\" sends DTMF group 3, which is empty"},
    {"EmptyDtmfGroupWithIdentity",
     [](EditorModel& m) {
         m.channels(Band::B).cell(Column::EndSignalling, 1) = "DTMF8+Identity Code";
         setText(m, SettingId::IdentityDisplayCode, "555");
     },
     [](EditorModel& m) {
         m.channels(Band::B).cell(Column::EndSignalling, 1) = "DTMF8+Identity Code";
         setText(m, SettingId::IdentityDisplayCode, "555");
         setText(m, SettingId::DtmfGroup8, "#");
     },
     "Band B channel 1, Transmit end Signaling: \"DTMF8+Identity Code\" sends DTMF group 8, "
     "which is empty"},
    {"NoIdentityCode",
     [](EditorModel& m) { m.channels(Band::B).cell(Column::EndSignalling, 2) = "Identity Code"; },
     [](EditorModel& m) {
         m.channels(Band::B).cell(Column::EndSignalling, 2) = "Identity Code";
         setText(m, SettingId::IdentityDisplayCode, "12345");
     },
     "Band B channel 2, Transmit end Signaling: \"Identity Code\" sends the identity code, but "
     "\"Identity Display Code\" is empty"},
    {"BandSignalling",
     [](EditorModel& m) {
         pickChoice(m, {SettingId::LaunchSignalling, Band::B}, 4);
     },
     [](EditorModel& m) {
         pickChoice(m, {SettingId::LaunchSignalling, Band::B}, 4);
         setText(m, SettingId::DtmfGroup4, "1");
     },
     "\"Launch Signaling\" on \"B/Under Band Set up\": \"DTMF4\" sends DTMF group 4, which is "
     "empty"},
    {"TransmitWithoutReceive",
     [](EditorModel& m) {
         setChannel(m, Band::A, 7, "145.60000");
         m.channels(Band::A).cell(Column::RxFrequency, 7).clear();
     },
     [](EditorModel& m) { setChannel(m, Band::A, 7, "145.60000"); },
     "Band A channel 7, Transmission Frequency: transmits on 145.60000 but has no receiving "
     "frequency"},
    {"FlagsPartlyEmpty",
     [](EditorModel& m) { m.channels(Band::A).cell(Column::Bandwidth, 1).clear(); },
     [](EditorModel& m) {
         for (Column c : {Column::Power, Column::Bandwidth, Column::Compandor, Column::Scrambler})
             m.channels(Band::A).cell(c, 1).clear();
     },
     "Band A channel 1, Wide / Narrow: empty, so the radio gets none of Power, Wide / Narrow, "
     "Compandor and Scrambler"},
    {"PowerOnChannelEmpty",
     [](EditorModel& m) {
         pickChoice(m, {SettingId::WorkingMode, Band::A}, 1);
         pickChoice(m, {SettingId::Channel, Band::A}, 9);
     },
     [](EditorModel& m) {
         pickChoice(m, {SettingId::WorkingMode, Band::A}, 0);
         pickChoice(m, {SettingId::Channel, Band::A}, 9);
     },
     "\"Channel No.\" on \"A/Upper Band Set up\": channel 10 is shown at power-on but has no "
     "receiving frequency"},
};

class PlanCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(PlanCheckTest, FiresOnceAndOnlyWhenDue) {
    EditorModel firing = base();
    GetParam().firing(firing);
    EditorModel silent = base();
    GetParam().silent(silent);
    EXPECT_EQ(lines(firing), std::vector<std::string>{GetParam().line});
    EXPECT_EQ(lines(silent), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Checks, PlanCheckTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PlanCheck, AnUnusualSplitIsANoteThatDoesNotCount) {
    EditorModel model = base();
    setChannel(model, Band::A, 8, "145.60000", "", "145.00000");  // -0.6: usual
    setChannel(model, Band::B, 8, "438.00000", "", "435.00000");  // -3: not
    setChannel(model, Band::B, 9, "438.02500", "", "430.42500");  // -7.6: usual
    const auto findings = checkChannelPlan(model);
    EXPECT_EQ(planCheckLines(findings),
              (std::vector<std::string>{"note: Band B channel 8, Transmission Frequency: a "
                                        "repeater split of -3 MHz, not a usual one for its band",
                                        "no problems, 1 note"}));
    EXPECT_EQ(problemCount(findings), 0U);
}

TEST(PlanCheck, ProblemsComeBeforeNotesAndAreCounted) {
    EditorModel model = base();
    setChannel(model, Band::B, 8, "438.00000", "", "435.00000");
    setChannel(model, Band::B, 10, "145.50000", "S20");
    setChannel(model, Band::B, 11, "145.50000", "S20");
    const auto all = planCheckLines(checkChannelPlan(model));
    ASSERT_EQ(all.size(), 6U);
    EXPECT_EQ(all[0], "Band B channel 10: the same as channel 2");
    EXPECT_EQ(all[4].substr(0, 6), "note: ");
    EXPECT_EQ(all[5], "4 problems, 1 note");
}

TEST(PlanCheck, ANewConfigurationHasNoFindings) {
    EXPECT_EQ(planCheckLines(checkChannelPlan(EditorModel{})),
              std::vector<std::string>{"no problems"});
}

}  // namespace
}  // namespace duoband
