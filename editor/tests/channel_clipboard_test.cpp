// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/channel_clipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "duoband/channel_rows.h"
#include "duoband/option_lists.h"

namespace duoband {
namespace {

int entryIndex(OptionList entries, std::string_view text) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i] == text) return static_cast<int>(i);
    }
    return -1;
}

// Types a frequency, picks a tone and a power and types a name, as the
// grid's editors would.
void typeChannel(EditorModel& model, Band band, int row, std::string_view frequency,
                 std::string_view tone, std::string_view power, std::string_view name) {
    commitChannelFrequency(model, band, {Column::RxFrequency, row}, ChannelEntry::ReceiveFrequency,
                           frequency);
    commitChannelChoice(model, band, {Column::RxTone, row},
                        entryIndex(lists::channelTones(), tone));
    commitChannelChoice(model, band, {Column::Power, row},
                        entryIndex(lists::channelPower(), power));
    commitChannelName(model, band, {Column::Name, row}, name);
}

// A pasted line of a Receiving Frequency and its tone.
std::string pastedRow(std::string_view frequency, std::string_view tone) {
    return std::string(frequency) + "\t" + std::string(tone) + "\n";
}

TEST(ChannelPaste, GivesTheSameTableAsTypingAndPicking) {
    EditorModel typed;
    EditorModel pasted;
    typeChannel(typed, Band::A, 3, "145.5", "D023N", "High", "REP1");
    typeChannel(typed, Band::A, 4, "433.0125", "67.0HZ", "Low", "X");
    const std::string block =
        "145.5\tD023N\tOFF\t\t\t\t\tHigh\tWide\tOFF\tOFF\tREP1\r\n"
        "433.0125\t67.0\t\t\t\t\t\tlow\t\t\t\tX\r\n";
    const PasteReport report = pasteCells(pasted, Band::A, {Column::RxFrequency, 3}, block);
    EXPECT_TRUE(report.refused.empty()) << describeRefusals(Band::A, report.refused);
    EXPECT_EQ(pasted, typed);
    EXPECT_EQ(report.lastRow, 4);
    EXPECT_EQ(report.lastColumn, Column::Name);
}

TEST(ChannelPaste, RefusedCellsAreListedAndChangeNothingWhileTheOthersApply) {
    EditorModel model;
    typeChannel(model, Band::B, 1, "145.5", "D023N", "High", "KEEP");
    const EditorModel before = model;
    const std::string block = pastedRow("300", "67.0")      // out of range
                              + pastedRow("146.5", "77.7")  // no such tone
                              + pastedRow("", "67.0")       // empty: clears row 3, no tone
                              + pastedRow("abc", "");       // not a number
    const PasteReport report = pasteCells(model, Band::B, {Column::RxFrequency, 1}, block);

    ASSERT_EQ(report.refused.size(), 4U);
    EXPECT_EQ(report.refused[0].column, Column::RxFrequency);
    EXPECT_EQ(english(report.refused[0].why), kReceiveRangeMessage);
    EXPECT_EQ(report.refused[1].row, 2);
    EXPECT_EQ(english(report.refused[1].why), "not one of the column's choices");
    EXPECT_EQ(english(report.refused[2].why), "the channel has no Receiving Frequency");
    EXPECT_EQ(english(report.refused[3].why), kNotAFrequencyMessage);
    // Row 1 lost nothing to its refused frequency; its pasted tone applies.
    EXPECT_EQ(model.channels(Band::B).cell(Column::RxFrequency, 1), "145.50000");
    EXPECT_EQ(model.channels(Band::B).cell(Column::Name, 1), "KEEP");
    EXPECT_EQ(model.channels(Band::B).cell(Column::RxTone, 1), "67.0HZ");
    EXPECT_EQ(model.channels(Band::B).cell(Column::RxFrequency, 2), "146.50000");
    EXPECT_EQ(model.channels(Band::A), before.channels(Band::A));
    EXPECT_EQ(english(describeRefusals(Band::B, report.refused, 1)),
              "Band B channel 1, Receiving Frequency: \"300\" - " +
                  std::string(kReceiveRangeMessage) + "\nand 3 more");
}

// A pasted text is a value: a place mark in it is not filled, and its
// bytes (Latin-1) show as the characters they are.
TEST(ChannelPaste, ARefusedTextIsShownAsItWasPasted) {
    EditorModel model;
    const PasteReport report =
        pasteCells(model, Band::A, {Column::RxFrequency, 1}, pastedRow("145.5", "%4\xE9"));
    EXPECT_EQ(
        english(describeRefusals(Band::A, report.refused)),
        "Band A channel 1, Receiving CTCSS: \"%4\xC3\xA9\" - not one of the column's choices");
}

// "146,55" pastes as it types; a copied empty channel pasted over a full one
// empties it, refusing nothing.
TEST(ChannelPaste, TakesWhatTypingTakesAndAnEmptyChannelClears) {
    EditorModel typed;
    EditorModel pasted;
    for (EditorModel* model : {&typed, &pasted}) {
        typeChannel(*model, Band::A, 1, "145.5", "D023N", "Low", "FULL");
    }
    commitChannelFrequency(typed, Band::A, {Column::RxFrequency, 2}, ChannelEntry::ReceiveFrequency,
                           "146.55");  // typed "146,55"
    clearChannels(typed.channels(Band::A), {1});
    std::vector<Column> all;
    for (int c = 1; c < kColumnCount; ++c) all.push_back(columnAt(c));
    const std::string emptyChannel = copyCells(pasted.channels(Band::A), {9}, all);
    const PasteReport report =
        pasteCells(pasted, Band::A, {Column::RxFrequency, 1}, emptyChannel + "146,55\n");
    EXPECT_TRUE(report.refused.empty()) << describeRefusals(Band::A, report.refused);
    EXPECT_EQ(pasted, typed);
    EXPECT_EQ(pasted.channels(Band::A).cell(Column::RxFrequency, 2), "146.55000");
}

TEST(ChannelPaste, StopsAtTheLastChannelAndCountsWhatWasLeftOut) {
    EditorModel model;
    const PasteReport report =
        pasteCells(model, Band::A, {Column::Name, 127},
                   "145.5\t1\t2\n146.5\n147.5\n148.5\n");  // the name column is the last one
    EXPECT_EQ(report.rowsLeftOut, 2);
    EXPECT_EQ(report.columnsLeftOut, 2);
    EXPECT_EQ(report.lastRow, 128);
}

TEST(ChannelClipboard, RowsCopiedFromBandAPasteOntoBandBUnchanged) {
    EditorModel model;
    typeChannel(model, Band::A, 10, "145.5", "D023N", "Low", "ONE");
    typeChannel(model, Band::A, 11, "440.0", "71.9HZ", "High", "TWO");
    std::vector<Column> all;
    for (int c = 0; c < kColumnCount; ++c) all.push_back(columnAt(c));
    const std::string copied = copyCells(model.channels(Band::A), {10, 11}, all);
    EXPECT_EQ(copied.find("10\t"), std::string::npos) << "the channel number is never copied";

    const PasteReport report = pasteCells(model, Band::B, {Column::Number, 20}, copied);
    EXPECT_TRUE(report.refused.empty()) << describeRefusals(Band::B, report.refused);
    for (int c = 1; c < kColumnCount; ++c) {
        EXPECT_EQ(model.channels(Band::B).cell(columnAt(c), 20),
                  model.channels(Band::A).cell(columnAt(c), 10));
        EXPECT_EQ(model.channels(Band::B).cell(columnAt(c), 21),
                  model.channels(Band::A).cell(columnAt(c), 11));
    }
}

TEST(ChannelClipboard, ClearingEmptiesTextCellsByTheirRulesAndKeepsChoices) {
    EditorModel model;
    typeChannel(model, Band::A, 5, "145.5", "D023N", "Low", "NAME");
    commitChannelFrequency(model, Band::A, {Column::TxFrequency, 6},
                           ChannelEntry::TransmitFrequency, "146.0");
    commitChannelChoice(model, Band::A, {Column::Power, 6}, 0);  // no rx: power stays settable
    clearCells(model, Band::A, {{Column::Name, 5}, {Column::Power, 5}, {Column::TxFrequency, 6}});
    const ChannelTable& table = model.channels(Band::A);
    EXPECT_EQ(table.cell(Column::Name, 5), "");
    EXPECT_EQ(table.cell(Column::Power, 5), "Low");
    EXPECT_EQ(table.cell(Column::TxFrequency, 6), "");
    EXPECT_EQ(table.cell(Column::TxTone, 6), "");

    clearCells(model, Band::A, {{Column::RxFrequency, 5}});
    EXPECT_TRUE(channelIsEmpty(table, 5));
}

TEST(ChannelFrequency, SaysWhenANewFrequencyReplacedTheRowsSettings) {
    EditorModel model;
    const CellPointer at{Column::RxFrequency, 2};
    EXPECT_FALSE(commitChannelFrequency(model, Band::A, at, ChannelEntry::ReceiveFrequency, "145.5")
                     .settingsReplaced);
    EXPECT_FALSE(commitChannelFrequency(model, Band::A, at, ChannelEntry::ReceiveFrequency, "145.6")
                     .settingsReplaced);
    commitChannelChoice(model, Band::A, {Column::RxTone, 2}, 5);
    EXPECT_TRUE(commitChannelFrequency(model, Band::A, at, ChannelEntry::ReceiveFrequency, "145.7")
                    .settingsReplaced);
}

// Channels 1..5 named "1".."5" (with a frequency each).
EditorModel fiveChannels() {
    EditorModel model;
    for (int row = 1; row <= 5; ++row) {
        typeChannel(model, Band::A, row, "145.5", "OFF", "High", std::to_string(row));
    }
    return model;
}

std::string names(const ChannelTable& table, int last = 6) {
    std::string text;
    for (int row = 1; row <= last; ++row) {
        const std::string& name = table.cell(Column::Name, row);
        text += name.empty() ? "-" : name;
    }
    return text;
}

TEST(ChannelRows, InsertDeleteClearAndMoveKeepTheChannelNumbers) {
    EditorModel model = fiveChannels();
    ChannelTable& table = model.channels(Band::A);
    insertEmptyChannels(table, 2, 2);
    EXPECT_EQ(names(table, 8), "1--2345-");
    deleteChannels(table, {2, 3, 6});
    EXPECT_EQ(names(table), "1235--");
    clearChannels(table, {1});
    EXPECT_EQ(names(table), "-235--");
    EXPECT_EQ(table.cell(Column::Number, 1), "1");
    EXPECT_EQ((moveChannels(table, {2, 3}, MoveDirection::Up)), (std::vector<int>{1, 2}));
    EXPECT_EQ(names(table), "23-5--");
    EXPECT_TRUE(moveChannels(table, {1}, MoveDirection::Up).empty());
    EXPECT_EQ((moveChannels(table, {1, 4}, MoveDirection::Down)), (std::vector<int>{2, 5}));
    EXPECT_EQ(names(table), "32--5-");
    EXPECT_TRUE(moveChannels(table, {128}, MoveDirection::Down).empty());
}

TEST(ChannelRows, InsertNamesTheChannelsItWouldDrop) {
    EditorModel model;
    ChannelTable& table = model.channels(Band::A);
    EXPECT_TRUE(channelsDroppedByInsert(table, 1).empty());
    typeChannel(model, Band::A, 127, "145.5", "OFF", "High", "");
    EXPECT_TRUE(channelsDroppedByInsert(table, 1).empty());
    EXPECT_EQ(channelsDroppedByInsert(table, 2), std::vector<int>{127});
    insertEmptyChannels(table, 1, 2);
    EXPECT_TRUE(channelIsEmpty(table, 127));
    EXPECT_TRUE(channelIsEmpty(table, 128));
}

}  // namespace
}  // namespace duoband
