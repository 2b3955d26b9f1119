// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/channel_plan_tools.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace duoband {
namespace {

// A channel as the tests write it: receive frequency and name; "" empty.
struct Channel {
    std::string rx;
    std::string name;
};

// `channels` from channel 1 on, each entered as typed.
EditorModel plan(Band band, const std::vector<Channel>& channels) {
    EditorModel model;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        if (channels[i].rx.empty()) continue;
        commitChannelFrequency(model, band, {Column::RxFrequency, row},
                               ChannelEntry::ReceiveFrequency, channels[i].rx);
        commitChannelName(model, band, {Column::Name, row}, channels[i].name);
    }
    return model;
}

std::vector<std::string> cells(const EditorModel& model, Band band, Column column, int count) {
    std::vector<std::string> found;
    for (int row = 1; row <= count; ++row) found.push_back(model.channels(band).cell(column, row));
    return found;
}

std::vector<int> refusedChannels(const ToolReport& report) {
    std::vector<int> channels;
    for (const RefusedToolValue& r : report.refused) channels.push_back(r.place.channel);
    return channels;
}

using Texts = std::vector<std::string>;

TEST(FillSelection, PutsTheValueInEveryCellTheRulesTakeAndListsTheOthers) {
    EditorModel model = plan(Band::B, {{"145.5", "A"}, {"146", "B"}, {}, {"439.1", "D"}});
    const ToolReport power = fillCells(model, Band::B, Column::Power, {1, 2, 3, 4}, "Low");
    EXPECT_EQ(cells(model, Band::B, Column::Power, 4), (Texts{"Low", "Low", "", "Low"}));
    EXPECT_EQ(power.cellsChanged, 3);
    EXPECT_EQ(refusedChannels(power), (std::vector<int>{3}));
    EXPECT_EQ(english(describeRefusedToolValues(power.refused)),
              "Band B channel 3, Power: \"Low\" - the channel has no Receiving Frequency");

    const ToolReport names = fillCells(model, Band::B, Column::Name, {1, 2}, "BULK");
    EXPECT_EQ(cells(model, Band::B, Column::Name, 4), (Texts{"BULK", "BULK", "", "D"}));
    EXPECT_EQ(names.cellsChanged, 2);
    EXPECT_EQ(cells(model, Band::A, Column::Name, 2), (Texts{"", ""})) << "the other band";

    // A new frequency keeps the power picked above.
    fillCells(model, Band::B, Column::RxFrequency, {1, 4}, "147,5");
    EXPECT_EQ(cells(model, Band::B, Column::RxFrequency, 4),
              (Texts{"147.50000", "146.00000", "", "147.50000"}));
    EXPECT_EQ(cells(model, Band::B, Column::Power, 4), (Texts{"Low", "Low", "", "Low"}));

    const ToolReport outside = fillCells(model, Band::B, Column::RxFrequency, {1}, "300");
    EXPECT_EQ(english(outside.refused.at(0).why),
              "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ");
    EXPECT_EQ(model.channels(Band::B).cell(Column::RxFrequency, 1), "147.50000");
}

TEST(FillSeries, GivesTheEightPmrFrequencies) {
    EditorModel model;
    const ToolReport report = fillSeries(model, Band::A, Column::RxFrequency,
                                         {1, 2, 3, 4, 5, 6, 7, 8}, {"446.00625", "0.0125"});
    EXPECT_EQ(cells(model, Band::A, Column::RxFrequency, 8),
              (Texts{"446.00625", "446.01875", "446.03125", "446.04375", "446.05625", "446.06875",
                     "446.08125", "446.09375"}));
    EXPECT_EQ(report.cellsChanged, 8);
    EXPECT_TRUE(report.refused.empty());
}

TEST(FillSeries, SnapsAndRefusesAsTypingDoes) {
    EditorModel model;
    ToolReport report =
        fillSeries(model, Band::A, Column::RxFrequency, {2, 3, 5, 6}, {"175.5", "0.25"});
    EXPECT_EQ(cells(model, Band::A, Column::RxFrequency, 6),
              (Texts{"", "175.50000", "175.75000", "", "176.00000", ""}));
    EXPECT_EQ(refusedChannels(report), (std::vector<int>{6}));
    EXPECT_EQ(report.refused.at(0).text, "176.25000");

    report = fillSeries(model, Band::A, Column::TxFrequency, {2, 3}, {"145.001", "0.01"});
    EXPECT_EQ(cells(model, Band::A, Column::TxFrequency, 3), (Texts{"", "145.00250", "145.01250"}));

    report = fillSeries(model, Band::A, Column::RxFrequency, {2, 3}, {"145", "-146"});
    EXPECT_EQ(english(report.invalid), "the series goes below 0 MHz");
    EXPECT_EQ(model.channels(Band::A).cell(Column::RxFrequency, 2), "175.50000");
}

TEST(FillSeries, NumbersNamesAndRefusesAnEmptyChannelInTheMiddle) {
    EditorModel model = plan(Band::A, {{"145", ""}, {"146", ""}, {}, {"147", ""}});
    ToolReport report = fillSeries(model, Band::A, Column::Name, {1, 2, 3, 4}, {"CH{n}"});
    EXPECT_EQ(cells(model, Band::A, Column::Name, 4), (Texts{"CH1", "CH2", "", "CH4"}));
    EXPECT_EQ(refusedChannels(report), (std::vector<int>{3}));
    EXPECT_EQ(report.refused.at(0).text, "CH3");

    fillSeries(model, Band::A, Column::Name, {1, 2, 4}, {"R{n:02}X", "0", 9, 1});
    EXPECT_EQ(cells(model, Band::A, Column::Name, 4), (Texts{"R09X", "R10X", "", "R11X"}));

    fillSeries(model, Band::A, Column::Bandwidth, {1, 2}, {"Narrow"});
    EXPECT_EQ(cells(model, Band::A, Column::Bandwidth, 2), (Texts{"Narrow", "Narrow"}));

    for (const char* pattern : {"CH{n", "CH{n:x}", "{n:2}"}) {
        report = fillSeries(model, Band::A, Column::Name, {1}, {pattern});
        EXPECT_FALSE(report.invalid.empty()) << pattern;
    }
    EXPECT_EQ(model.channels(Band::A).cell(Column::Name, 1), "R09X");
    EXPECT_EQ(seriesTexts(Column::Name, {"{n:03}", "0", 98, 1}, 3).texts,
              (Texts{"098", "099", "100"}));
}

TEST(RepeaterOffset, ShiftsTransmitFromReceiveAndKeepsTheTransmitTone) {
    EditorModel model =
        plan(Band::A, {{"145.6", "R1"}, {"439.5", "R2"}, {}, {"136.3", "R4"}, {"146", ""}});
    commitChannelFrequency(model, Band::A, {Column::TxFrequency, 1},
                           ChannelEntry::TransmitFrequency, "145.6");
    commitChannelChoice(model, Band::A, {Column::TxTone, 1}, 5);
    const std::string tone = model.channels(Band::A).cell(Column::TxTone, 1);

    ToolReport report =
        setRepeaterOffset(model, Band::A, {1, 2, 3, 4}, RepeaterShift::Minus, "0.6");
    EXPECT_EQ(cells(model, Band::A, Column::TxFrequency, 5),
              (Texts{"145.00000", "438.90000", "", "", ""}));
    EXPECT_EQ(model.channels(Band::A).cell(Column::TxTone, 1), tone);
    EXPECT_EQ(refusedChannels(report), (std::vector<int>{4}));  // 135.7 MHz
    EXPECT_EQ(report.cellsChanged, 2);

    setRepeaterOffset(model, Band::A, {2}, RepeaterShift::Plus, "5");
    setRepeaterOffset(model, Band::A, {5}, RepeaterShift::Simplex, "");
    EXPECT_EQ(cells(model, Band::A, Column::TxFrequency, 5),
              (Texts{"145.00000", "444.50000", "", "", "146.00000"}));

    report = setRepeaterOffset(model, Band::A, {1}, RepeaterShift::Plus, "-1");
    EXPECT_EQ(english(report.invalid), "\"-1\" is not a number of MHz");
}

class Sorting : public testing::Test {
  protected:
    // Channel No.: 3.
    void SetUp() override {
        model = plan(Band::A, {{"146", "BRAVO"},
                               {},
                               {"145", "alpha"},
                               {"147", ""},
                               {"144", "Charlie"},
                               {"148", "alpha"}});
        model.band(Band::A).channel.select(2);
    }
    Texts names() const { return cells(model, Band::A, Column::Name, 7); }
    Texts receive() const { return cells(model, Band::A, Column::RxFrequency, 7); }
    EditorModel model;
};

TEST_F(Sorting, ByNameInBothOrdersWithEmptyCellsAndChannelsLast) {
    const SortReport report = sortChannels(model, Band::A, {}, Column::Name, SortOrder::Ascending);
    EXPECT_EQ(names(), (Texts{"alpha", "alpha", "BRAVO", "Charlie", "", "", ""}));
    EXPECT_EQ(receive(),
              (Texts{"145.00000", "148.00000", "146.00000", "144.00000", "147.00000", "", ""}));
    EXPECT_EQ(report.channelsMoved, 6);
    EXPECT_EQ(english(describeSort(Band::A, report)),
              "Band A: 6 channels moved.\n"
              "Channel No.: 3 now shows the channel that was 1 before the sort.");

    sortChannels(model, Band::A, {}, Column::Name, SortOrder::Descending);
    EXPECT_EQ(names(), (Texts{"Charlie", "BRAVO", "alpha", "alpha", "", "", ""}));
    EXPECT_EQ(receive(),
              (Texts{"144.00000", "146.00000", "145.00000", "148.00000", "147.00000", "", ""}));
    EXPECT_EQ(model.band(Band::A).channel.index, 2);
    EXPECT_EQ(model.channels(Band::A).cell(Column::Number, 1), "1");
}

TEST_F(Sorting, TheSelectedChannelsAmongTheirOwnSlots) {
    const SortReport report =
        sortChannels(model, Band::A, {6, 1, 3, 5}, Column::RxFrequency, SortOrder::Descending);
    EXPECT_EQ(receive(),
              (Texts{"148.00000", "", "146.00000", "147.00000", "145.00000", "144.00000", ""}));
    EXPECT_EQ(english(describeSort(Band::A, report)),
              "Band A: 4 channels moved.\n"
              "Channel No.: 3 now shows the channel that was 1 before the sort.");

    const SortReport again =
        sortChannels(model, Band::A, {4, 5}, Column::RxFrequency, SortOrder::Ascending);
    EXPECT_EQ(again.channelsMoved, 2);
    EXPECT_EQ(english(describeSort(Band::A, again)),
              "Band A: 2 channels moved.\nChannel No.: 3 shows the same channel as before.");
}

TEST(FindAndReplace, CountsTheCellsReplacedOverBothBands) {
    const EditorModel names = [] {
        EditorModel m = plan(Band::A, {{"145", "RPT1"}, {"146", "rpt2"}, {"147", "XRPT"}});
        commitChannelFrequency(m, Band::B, {Column::RxFrequency, 2}, ChannelEntry::ReceiveFrequency,
                               "439");
        commitChannelName(m, Band::B, {Column::Name, 2}, "RPT");
        return m;
    }();
    struct Case {
        SearchTerms terms;
        Texts bandA;
        std::string bandB;
        int replaced;
    };
    const Case cases[] = {
        {{"rpt"}, {"RR1", "RR2", "XRR"}, "RR", 4},
        {{"RPT", true}, {"RR1", "rpt2", "XRR"}, "RR", 3},
        {{"rpt", false, true}, {"RPT1", "rpt2", "XRPT"}, "RR", 1},
    };
    for (const Case& c : cases) {
        EditorModel model = names;
        const ToolReport report = replaceAll(model, c.terms, "RR");
        EXPECT_EQ(cells(model, Band::A, Column::Name, 3), c.bandA) << c.terms.text;
        EXPECT_EQ(model.channels(Band::B).cell(Column::Name, 2), c.bandB);
        EXPECT_EQ(report.cellsChanged, c.replaced);
    }

    EditorModel model = names;
    const ToolReport tooLong = replaceAll(model, {"RPT", true}, "REPEATER");
    EXPECT_EQ(refusedChannels(tooLong), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(english(tooLong.refused.at(0).why), "the rules would make it \"REPEATE\"");
    EXPECT_EQ(model, names);
}

TEST(FindAndReplace, EveryColumnGoesThroughTheColumnsRules) {
    EditorModel model = plan(Band::A, {{"145.5", "X145"}, {"146.5", ""}});
    const ToolReport report = replaceAll(model, {"145.", false, false, true}, "147.");
    EXPECT_EQ(cells(model, Band::A, Column::RxFrequency, 2), (Texts{"147.50000", "146.50000"}));
    EXPECT_EQ(model.channels(Band::A).cell(Column::Name, 1), "X145") << "no point in the name";
    EXPECT_EQ(report.cellsChanged, 1);

    replaceAll(model, {"high", false, true, true}, "low");
    EXPECT_EQ(cells(model, Band::A, Column::Power, 2), (Texts{"Low", "Low"}));
    const ToolReport offList = replaceAll(model, {"Low", false, true, true}, "Medium");
    EXPECT_EQ(english(offList.refused.at(0).why), "not one of the column's choices");
}

TEST(FindAndReplace, FindGoesOnFromTheCellAfterAndWrapsRound) {
    const EditorModel model = plan(Band::A, {{"145", "RPT1"}, {"146", "x"}, {"147", "RPT3"}});
    const SearchTerms rpt{"rpt"};
    EXPECT_EQ(findCell(model, rpt, {Band::A, 1, Column::Name}),
              (CellPlace{Band::A, 3, Column::Name}));
    EXPECT_EQ(findCell(model, rpt, {Band::A, 1, Column::Number}),
              (CellPlace{Band::A, 1, Column::Name}));
    EXPECT_EQ(findCell(model, rpt, {Band::B, 7, Column::Name}),
              (CellPlace{Band::A, 1, Column::Name}));
    EXPECT_EQ(findCell(model, {"146", false, false, true}, {Band::A, 1, Column::Name}),
              (CellPlace{Band::A, 2, Column::RxFrequency}));
    EXPECT_EQ(findCell(model, {"146"}, {Band::A, 1, Column::Name}), std::nullopt);
}

}  // namespace
}  // namespace duoband
