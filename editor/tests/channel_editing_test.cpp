// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/channel_editing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "duoband/option_lists.h"
#include "duoband/settings_table.h"

namespace duoband {
namespace {

constexpr int kRow = 7;

struct Entry {
    ChannelEntry entry;
    Column column;
    std::vector<Column> dependents;
    std::vector<Column> untouched;  // the other frequency's columns
    std::vector<std::pair<Column, std::string_view>> defaults;
    std::string_view rangeMessage;
};

const Entry kReceive{
    ChannelEntry::ReceiveFrequency,
    Column::RxFrequency,
    {Column::RxTone, Column::RxMode, Column::Power, Column::Bandwidth, Column::Compandor,
     Column::Scrambler, Column::Name},
    {Column::TxFrequency, Column::TxTone, Column::LaunchSignalling, Column::EndSignalling},
    {{Column::RxTone, "0FF"},
     {Column::RxMode, "OFF"},
     {Column::Power, "High"},
     {Column::Bandwidth, "Wide"},
     {Column::Compandor, "OFF"},
     {Column::Scrambler, "OFF"}},
    kReceiveRangeMessage};
const Entry kTransmit{
    ChannelEntry::TransmitFrequency,
    Column::TxFrequency,
    {Column::TxTone, Column::LaunchSignalling, Column::EndSignalling},
    {Column::RxFrequency, Column::RxTone, Column::RxMode, Column::Power, Column::Bandwidth,
     Column::Compandor, Column::Scrambler, Column::Name},
    {{Column::TxTone, "0FF"}, {Column::LaunchSignalling, "OFF"}, {Column::EndSignalling, "OFF"}},
    kTransmitRangeMessage};

// Every combination of band and frequency entry.
struct Case {
    Band band;
    const Entry* entry;
};
const std::vector<Case> kAllEntries{
    {Band::A, &kReceive}, {Band::A, &kTransmit}, {Band::B, &kReceive}, {Band::B, &kTransmit}};

std::string label(const Case& c) {
    return std::string(c.band == Band::A ? "band A " : "band B ") +
           (c.entry->column == Column::RxFrequency ? "receive" : "transmit");
}

Band otherBand(Band b) {
    return b == Band::A ? Band::B : Band::A;
}

// A row whose every data cell holds a text of its own, on both tables.
EditorModel modelWithFilledRow() {
    EditorModel m;
    for (Band band : kBands) {
        for (int col = 1; col <= 12; ++col)
            m.channels(band).cell(columnAt(col), kRow) = "x" + std::to_string(col);
    }
    return m;
}

FrequencyCommit commit(EditorModel& m, const Case& c, std::string_view text) {
    return commitChannelFrequency(m, c.band, {c.entry->column, kRow}, c.entry->entry, text);
}

// The message with band A's trailing blank.
std::string rangeMessage(const Case& c) {
    return std::string(c.entry->rangeMessage) + (c.band == Band::A ? " " : "");
}

TEST(ChannelFrequency, AcceptedTextsAreNormalisedAndSnapped) {
    const std::vector<std::pair<std::string_view, std::string_view>> cases{
        {"145.5201", "145.52250"},   // off the grid: next 2.5 kHz above
        {"446.00625", "446.00625"},  // a multiple of 6.25 kHz stays
        {"162.0375", "162.03750"},   // a multiple of 2.5 kHz, padded
        {"175.99999", "176.00000"},  // snapped onto the upper edge
        {"136", "136.00000"},       {"176", "176.00000"},     {"220", "220.00000"},
        {"250", "250.00000"},       {"400", "400.00000"},     {"490", "490.00000"},
        {"145.5", "145.50000"},     {"0145.5", "145.50000"},  // leading zero dropped
        {"00145.5", "145.50000"},   {"145.", "145.00000"},    {"145.50001", "145.50250"},
        {"145.50625", "145.50625"}, {" 145.5 ", "145.50000"},
    };
    for (const Case& c : kAllEntries) {
        for (const auto& [typed, cell] : cases) {
            SCOPED_TRACE(label(c) + " " + std::string(typed));
            EditorModel m = modelWithFilledRow();
            const FrequencyCommit r = commit(m, c, typed);
            EXPECT_EQ(r.outcome, FrequencyOutcome::Written);
            EXPECT_EQ(r.message, "");
            EXPECT_EQ(r.entry, EntryAfterCommit::Hide);
            EXPECT_EQ(m.channels(c.band).cell(c.entry->column, kRow), cell);
        }
    }
}

TEST(ChannelFrequency, NewFrequencyWritesTheDefaultsAndNothingElse) {
    for (const Case& c : kAllEntries) {
        SCOPED_TRACE(label(c));
        EditorModel m = modelWithFilledRow();
        const EditorModel before = m;
        const FrequencyCommit r = commit(m, c, "145.5");
        ASSERT_EQ(r.outcome, FrequencyOutcome::Written);
        std::vector<Column> expectedChanged{c.entry->column};
        for (const auto& [col, text] : c.entry->defaults) {
            EXPECT_EQ(m.channels(c.band).cell(col, kRow), text);
            expectedChanged.push_back(col);
        }
        std::ranges::sort(expectedChanged);
        EXPECT_EQ(r.changedColumns, expectedChanged);
        for (Column col : c.entry->untouched) {
            EXPECT_EQ(m.channels(c.band).cell(col, kRow), before.channels(c.band).cell(col, kRow));
        }
        EXPECT_EQ(m.channels(c.band).cell(Column::Name, kRow), "x12");  // the name survives
        EXPECT_EQ(m.channels(otherBand(c.band)), before.channels(otherBand(c.band)));
    }
}

TEST(ChannelFrequency, SameTextWritesNothing) {
    for (const Case& c : kAllEntries) {
        for (std::string_view typed : {"145.5", "145.50000", "0145.5"}) {
            SCOPED_TRACE(label(c) + " " + std::string(typed));
            EditorModel m = modelWithFilledRow();
            m.channels(c.band).cell(c.entry->column, kRow) = "145.50000";
            const EditorModel before = m;
            const FrequencyCommit r = commit(m, c, typed);
            EXPECT_EQ(r.outcome, FrequencyOutcome::Unchanged);
            EXPECT_TRUE(r.changedColumns.empty());
            EXPECT_EQ(r.entry, EntryAfterCommit::Hide);
            EXPECT_EQ(m, before);
        }
    }
}

TEST(ChannelFrequency, OutOfRangeShowsTheBandsMessageAndKeepsTheRow) {
    for (const Case& c : kAllEntries) {
        for (std::string_view typed :
             {"176.00001", "135.99999", "300", "1", "490.00001", "219.99999", "250.00001", "0",
              "00", "99999999", "399.99999", "-145"}) {
            SCOPED_TRACE(label(c) + " " + std::string(typed));
            EditorModel m = modelWithFilledRow();
            const EditorModel before = m;
            const FrequencyCommit r = commit(m, c, typed);
            EXPECT_EQ(r.outcome, FrequencyOutcome::Refused);
            EXPECT_EQ(r.message, rangeMessage(c));
            EXPECT_EQ(r.entry, EntryAfterCommit::KeepText);
            EXPECT_EQ(m, before);
        }
    }
}

TEST(ChannelFrequency, MessageTextsAreExact) {
    EditorModel m;
    auto message = [&](Band band, ChannelEntry entry) {
        const Column col =
            entry == ChannelEntry::ReceiveFrequency ? Column::RxFrequency : Column::TxFrequency;
        return commitChannelFrequency(m, band, {col, 1}, entry, "300").message;
    };
    EXPECT_EQ(message(Band::A, ChannelEntry::ReceiveFrequency),
              "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ ");
    EXPECT_EQ(message(Band::A, ChannelEntry::TransmitFrequency),
              "Transmission Frequency in 136~176MHZ 220~250MHZ 400~490MHZ ");
    EXPECT_EQ(message(Band::B, ChannelEntry::ReceiveFrequency),
              "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ");
    EXPECT_EQ(message(Band::B, ChannelEntry::TransmitFrequency),
              "Transmission Frequency in 136~176MHZ 220~250MHZ 400~490MHZ");
}

TEST(ChannelFrequency, TextThatIsNotANumberChangesNothing) {
    for (const Case& c : kAllEntries) {
        for (std::string_view typed : {".", "1.2.3", "145..5", "abc", "14a.5", " "}) {
            SCOPED_TRACE(label(c) + " '" + std::string(typed) + "'");
            EditorModel m = modelWithFilledRow();
            const EditorModel before = m;
            const FrequencyCommit r = commit(m, c, typed);
            EXPECT_EQ(r.outcome, FrequencyOutcome::NotAFrequency);
            EXPECT_EQ(r.message, kNotAFrequencyMessage);
            EXPECT_TRUE(r.changedColumns.empty());
            EXPECT_EQ(m, before);
        }
    }
}

TEST(ChannelFrequency, EmptyEntryClearsTheCellAndItsDependents) {
    for (const Case& c : kAllEntries) {
        SCOPED_TRACE(label(c));
        EditorModel m = modelWithFilledRow();
        const EditorModel before = m;
        const FrequencyCommit r = commit(m, c, "");
        EXPECT_EQ(r.outcome, FrequencyOutcome::Cleared);
        EXPECT_EQ(r.message, "");
        EXPECT_EQ(r.entry, EntryAfterCommit::KeepText);
        std::vector<Column> cleared{c.entry->column};
        cleared.insert(cleared.end(), c.entry->dependents.begin(), c.entry->dependents.end());
        std::ranges::sort(cleared);
        EXPECT_EQ(r.changedColumns, cleared);
        for (Column col : cleared) EXPECT_EQ(m.channels(c.band).cell(col, kRow), "");
        for (Column col : c.entry->untouched) {
            EXPECT_EQ(m.channels(c.band).cell(col, kRow), before.channels(c.band).cell(col, kRow));
        }
    }
}

TEST(ChannelFrequency, PointerOutsideTheChannelsDoesNothing) {
    for (int row : {0, -1, 129}) {
        EditorModel m;
        const EditorModel before = m;
        const FrequencyCommit r = commitChannelFrequency(m, Band::A, {Column::RxFrequency, row},
                                                         ChannelEntry::ReceiveFrequency, "145.5");
        EXPECT_EQ(r.outcome, FrequencyOutcome::NoCell);
        EXPECT_EQ(m, before);
    }
}

TEST(ChannelCellSelection, EachColumnOpensItsEditorOnlyWhenItsConditionHolds) {
    struct Expect {
        Column column;
        CellEditorKind kind;
        std::optional<Column> condition;
    };
    using K = CellEditorKind;
    constexpr auto rx = Column::RxFrequency;
    constexpr auto tx = Column::TxFrequency;
    const std::vector<Expect> table{
        {Column::RxFrequency, K::FrequencyEntry, std::nullopt},
        {Column::RxTone, K::Choice, rx},
        {Column::RxMode, K::Choice, rx},
        {Column::TxFrequency, K::FrequencyEntry, std::nullopt},
        {Column::TxTone, K::Choice, tx},
        {Column::LaunchSignalling, K::Choice, tx},
        {Column::EndSignalling, K::Choice, tx},
        {Column::Power, K::Choice, rx},
        {Column::Bandwidth, K::Choice, rx},
        {Column::Compandor, K::Choice, rx},
        {Column::Scrambler, K::Choice, rx},
        {Column::Name, K::NameEntry, rx},
    };
    for (Band band : kBands) {
        for (const Expect& e : table) {
            SCOPED_TRACE(std::string(columnTitle(e.column)));
            EditorModel m;
            CellPointer pointer;
            const CellOpening closed = selectChannelCell(m, band, pointer, e.column, kRow);
            EXPECT_EQ(pointer, (CellPointer{e.column, kRow}));
            EXPECT_TRUE(closed.hideEditors);
            EXPECT_EQ(closed.editor == nullptr, e.condition.has_value());

            m.channels(band).cell(Column::RxFrequency, kRow) = "145.50000";
            m.channels(band).cell(Column::TxFrequency, kRow) = "146.00000";
            m.channels(band).cell(Column::Name, kRow) = "NAME";
            const CellOpening open = selectChannelCell(m, band, pointer, e.column, kRow);
            ASSERT_NE(open.editor, nullptr);
            EXPECT_EQ(open.editor->column, e.column);
            EXPECT_EQ(open.editor->kind, e.kind);
            EXPECT_EQ(open.editor->openOnlyWhen, e.condition);
            if (e.kind != K::Choice) {
                EXPECT_EQ(open.text, m.channels(band).cell(e.column, kRow));
                continue;
            }
            // A choice opens on what the cell holds, never on an entry of its own.
            EXPECT_EQ(open.entry, -1);
            const OptionList entries = open.editor->entries();
            m.channels(band).cell(e.column, kRow) = std::string(entries.back());
            EXPECT_EQ(selectChannelCell(m, band, pointer, e.column, kRow).entry,
                      static_cast<int>(entries.size()) - 1);
        }
    }
}

TEST(ChannelCellSelection, TransmitFrequencyAloneOpensOnlyItsOwnColumns) {
    EditorModel m;
    m.channels(Band::B).cell(Column::TxFrequency, kRow) = "146.00000";
    CellPointer pointer;
    for (int col = 1; col <= 12; ++col) {
        const bool opens =
            selectChannelCell(m, Band::B, pointer, columnAt(col), kRow).editor != nullptr;
        // the receive frequency, and the transmit frequency with its tone and signalling
        EXPECT_EQ(opens, col == columnIndex(Column::RxFrequency) ||
                             (col >= columnIndex(Column::TxFrequency) &&
                              col <= columnIndex(Column::EndSignalling)))
            << "column " << col;
    }
}

TEST(ChannelCellSelection, ChannelNumberColumnKeepsTheEditors) {
    EditorModel m;
    CellPointer pointer{Column::RxMode, 3};
    const CellOpening r = selectChannelCell(m, Band::A, pointer, Column::Number, 5);
    EXPECT_FALSE(r.hideEditors);
    EXPECT_EQ(r.editor, nullptr);
    EXPECT_EQ(pointer, (CellPointer{Column::Number, 5}));
}

TEST(ChannelCellSelection, ChoiceListsAndEntryLimits) {
    EXPECT_EQ(channelColumnEditor(Column::RxTone)->entries().size(), 206u);
    EXPECT_EQ(channelColumnEditor(Column::RxTone)->entries()[0], "OFF");
    EXPECT_EQ(channelColumnEditor(Column::LaunchSignalling)->entries().size(), 18u);
    EXPECT_EQ(channelColumnEditor(Column::RxMode)->entries()[0], "QT/DQT");
    EXPECT_EQ(channelColumnEditor(Column::Power)->entries()[0], "Low");
    EXPECT_EQ(channelColumnEditor(Column::Bandwidth)->entries()[0], "Narrow");
    EXPECT_EQ(channelColumnEditor(Column::RxFrequency)->maxLength, 9u);
    EXPECT_EQ(channelColumnEditor(Column::Name)->maxLength, 7u);
    EXPECT_EQ(channelColumnEditor(Column::Number), nullptr);
    EXPECT_EQ(channelColumnEditor(columnAt(kColumnCount)), nullptr);
}

TEST(ChannelChoice, PickLandsInThePointersCellOnly) {
    struct Pick {
        Column column;
        int entry;
        std::string_view text;
    };
    const std::vector<Pick> picks{{Column::RxTone, 9, "88.5HZ"},
                                  {Column::RxTone, 40, "D023N"},
                                  {Column::TxTone, 205, "D754I"},
                                  {Column::RxMode, 1, "QT/DQT+Signaling"},
                                  {Column::LaunchSignalling, 17, "Identity Code"},
                                  {Column::EndSignalling, 0, "OFF"},
                                  {Column::Power, 1, "High"},
                                  {Column::Bandwidth, 0, "Narrow"},
                                  {Column::Compandor, 1, "ON"},
                                  {Column::Scrambler, 1, "ON"}};
    for (Band band : kBands) {
        for (const Pick& p : picks) {
            SCOPED_TRACE(std::string(columnTitle(p.column)));
            EditorModel m = modelWithFilledRow();
            EditorModel expected = m;
            expected.channels(band).cell(p.column, kRow) = std::string(p.text);
            EXPECT_TRUE(commitChannelChoice(m, band, {p.column, kRow}, p.entry));
            EXPECT_EQ(m, expected);
        }
    }
}

TEST(ChannelChoice, RefusesWhatIsNoPick) {
    EditorModel m = modelWithFilledRow();
    const EditorModel before = m;
    EXPECT_FALSE(commitChannelChoice(m, Band::A, {Column::RxTone, kRow}, 206));
    EXPECT_FALSE(commitChannelChoice(m, Band::A, {Column::RxTone, kRow}, -1));
    EXPECT_FALSE(
        commitChannelChoice(m, Band::A, {Column::RxFrequency, kRow}, 0));    // an entry column
    EXPECT_FALSE(commitChannelChoice(m, Band::A, {Column::Name, kRow}, 0));  // the name
    EXPECT_FALSE(commitChannelChoice(m, Band::A, {Column::RxTone, 0}, 0));   // the title row
    EXPECT_EQ(m, before);
}

TEST(ChannelName, CommitWritesTheTextAlsoWhenEmpty) {
    const std::vector<std::pair<std::string_view, std::string_view>> cases{
        {"HELLO", "HELLO"}, {"", ""}, {"ABCDEFGH", "ABCDEFG"}, {"a,b\"c'd", "abcd"}, {" ~", " ~"}};
    for (Band band : kBands) {
        for (const auto& [typed, stored] : cases) {
            EditorModel m = modelWithFilledRow();
            EditorModel expected = m;
            expected.channels(band).cell(Column::Name, kRow) = std::string(stored);
            EXPECT_TRUE(commitChannelName(m, band, {Column::Name, kRow}, typed));
            EXPECT_EQ(m, expected) << typed;
        }
    }
}

TEST(ChannelName, PasteIsFilteredAndCut) {
    EXPECT_EQ(filterChannelName(U"A,B\"C'D\u00E9E\tFGHIJ"), "ABCDEFG");
    EXPECT_EQ(filterChannelName(U"\u4E2D\u6587"), "");
    EXPECT_EQ(filterChannelName(U" ~x"), " ~x");
}

// A pasted frequency is what typing it leaves: the comma a point, blanks
// and units dropped, cut at nine characters.
TEST(ChannelFrequency, PasteTakesWhatTypingTakes) {
    for (ChannelEntry entry : {ChannelEntry::ReceiveFrequency, ChannelEntry::TransmitFrequency}) {
        EXPECT_EQ(typedChannelEntry(entry, U" 146,55 MHz"), "146.55");
        EXPECT_EQ(typedChannelEntry(entry, std::string_view("433.0125000")), "433.01250");
        EXPECT_EQ(typedChannelEntry(entry, U"\uFF11"), "");  // a full-width digit
    }
}

TEST(ChannelKeys, FrequencyAndNameFilters) {
    using A = KeyAction;
    struct Key {
        ChannelEntry entry;
        std::size_t length;
        char32_t key;
        A action;
    };
    const auto rx = ChannelEntry::ReceiveFrequency;
    const auto tx = ChannelEntry::TransmitFrequency;
    const auto name = ChannelEntry::Name;
    const std::vector<Key> keys{
        {rx, 0, '1', A::Accept},    {rx, 8, '9', A::Accept},   {rx, 8, '.', A::Accept},
        {rx, 3, '.', A::Accept},    {rx, 3, 'a', A::Drop},     {rx, 3, '-', A::Drop},
        {rx, 3, ' ', A::Drop},      {rx, 9, '5', A::Drop},     {rx, 9, '.', A::Drop},
        {rx, 9, 8, A::Accept},      {rx, 9, 13, A::Commit},    {rx, 3, 13, A::Commit},
        {tx, 8, '0', A::Accept},    {tx, 9, '0', A::Drop},     {tx, 0, 'x', A::Drop},
        {name, 0, ' ', A::Accept},  {name, 0, '~', A::Accept}, {name, 6, 'Z', A::Accept},
        {name, 7, 'Z', A::Drop},    {name, 7, 8, A::Accept},   {name, 7, 13, A::Commit},
        {name, 0, 0x7F, A::Drop},   {name, 0, 0xE9, A::Drop},  {name, 0, 0x1F, A::Drop},
        {name, 0, ',', A::Drop},    {name, 0, '"', A::Drop},   {name, 0, '\'', A::Drop},
        {name, 0, 0x4E2D, A::Drop},
    };
    for (const Key& k : keys) {
        const KeyResult r = channelEntryKey(k.entry, k.length, k.key);
        EXPECT_EQ(r.action, k.action) << static_cast<int>(k.entry) << " " << k.length << " "
                                      << static_cast<std::uint32_t>(k.key);
        EXPECT_EQ(r.message, "");
    }
}

}  // namespace
}  // namespace duoband
