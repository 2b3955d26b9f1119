#include "duoband/channel_editing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "duoband/option_lists.h"

namespace duoband {
namespace {

constexpr int kRow = 7;

struct Entry {
    ChannelEntry entry;
    int column;
    std::vector<int> dependents;
    std::vector<int> untouched;  // the other frequency's columns
    std::vector<std::pair<int, std::string_view>> defaults;
    std::string_view rangeMessage;
};

const Entry kReceive{ChannelEntry::ReceiveFrequency,
                     1,
                     {2, 3, 8, 9, 10, 11, 12},
                     {4, 5, 6, 7},
                     {{2, "0FF"}, {3, "OFF"}, {8, "High"}, {9, "Wide"}, {10, "OFF"}, {11, "OFF"}},
                     kReceiveRangeMessage};
const Entry kTransmit{ChannelEntry::TransmitFrequency,
                      4,
                      {5, 6, 7},
                      {1, 2, 3, 8, 9, 10, 11, 12},
                      {{5, "0FF"}, {6, "OFF"}, {7, "OFF"}},
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
           (c.entry->column == 1 ? "receive" : "transmit");
}

Band otherBand(Band b) {
    return b == Band::A ? Band::B : Band::A;
}

// A row whose every data cell holds a text of its own, on both tables.
EditorModel modelWithFilledRow() {
    EditorModel m;
    for (Band band : kBands) {
        for (int col = 1; col <= 12; ++col)
            m.table(band).cell(col, kRow) = "x" + std::to_string(col);
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
            EXPECT_EQ(m.table(c.band).cell(c.entry->column, kRow), cell);
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
        std::vector<int> expectedChanged{c.entry->column};
        for (const auto& [col, text] : c.entry->defaults) {
            EXPECT_EQ(m.table(c.band).cell(col, kRow), text);
            expectedChanged.push_back(col);
        }
        std::ranges::sort(expectedChanged);
        EXPECT_EQ(r.changedColumns, expectedChanged);
        for (int col : c.entry->untouched) {
            EXPECT_EQ(m.table(c.band).cell(col, kRow), before.table(c.band).cell(col, kRow));
        }
        EXPECT_EQ(m.table(c.band).cell(12, kRow), "x12");  // the name survives
        EXPECT_EQ(m.table(otherBand(c.band)), before.table(otherBand(c.band)));
    }
}

TEST(ChannelFrequency, SameTextWritesNothing) {
    for (const Case& c : kAllEntries) {
        for (std::string_view typed : {"145.5", "145.50000", "0145.5"}) {
            SCOPED_TRACE(label(c) + " " + std::string(typed));
            EditorModel m = modelWithFilledRow();
            m.table(c.band).cell(c.entry->column, kRow) = "145.50000";
            const EditorModel before = m;
            const FrequencyCommit r = commit(m, c, typed);
            EXPECT_EQ(r.outcome, FrequencyOutcome::Unchanged);
            EXPECT_TRUE(r.changedColumns.empty());
            EXPECT_EQ(r.entry, EntryAfterCommit::Hide);
            EXPECT_EQ(m, before);
        }
    }
}

TEST(ChannelFrequency, OutOfRangeShowsTheBandsMessageAndClears) {
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
            // Only band B's receive entry keeps the typed text after the message.
            const bool keeps = c.band == Band::B && c.entry->column == 1;
            EXPECT_EQ(r.entry, keeps ? EntryAfterCommit::KeepText : EntryAfterCommit::Hide);
            EXPECT_EQ(m.table(c.band).cell(c.entry->column, kRow), "");
            for (int col : c.entry->dependents) EXPECT_EQ(m.table(c.band).cell(col, kRow), "");
            for (int col : c.entry->untouched) {
                EXPECT_EQ(m.table(c.band).cell(col, kRow), before.table(c.band).cell(col, kRow));
            }
        }
    }
}

TEST(ChannelFrequency, MessageTextsAreExact) {
    EditorModel m;
    auto message = [&](Band band, ChannelEntry entry) {
        const int col = entry == ChannelEntry::ReceiveFrequency ? 1 : 4;
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
        std::vector<int> cleared{c.entry->column};
        cleared.insert(cleared.end(), c.entry->dependents.begin(), c.entry->dependents.end());
        std::ranges::sort(cleared);
        EXPECT_EQ(r.changedColumns, cleared);
        for (int col : cleared) EXPECT_EQ(m.table(c.band).cell(col, kRow), "");
        for (int col : c.entry->untouched) {
            EXPECT_EQ(m.table(c.band).cell(col, kRow), before.table(c.band).cell(col, kRow));
        }
    }
}

TEST(ChannelFrequency, PointerOutsideTheChannelsDoesNothing) {
    for (int row : {0, -1, 129}) {
        EditorModel m;
        const EditorModel before = m;
        const FrequencyCommit r =
            commitChannelFrequency(m, Band::A, {1, row}, ChannelEntry::ReceiveFrequency, "145.5");
        EXPECT_EQ(r.outcome, FrequencyOutcome::NoCell);
        EXPECT_EQ(m, before);
    }
}

TEST(ChannelCellSelection, EachColumnOpensItsEditorOnlyWhenItsConditionHolds) {
    struct Expect {
        int column;
        int control;
        CellEditorKind kind;
        int condition;
    };
    using K = CellEditorKind;
    const std::vector<Expect> table{
        {1, 1, K::FrequencyEntry, 0}, {2, 2, K::Choice, 1},   {3, 3, K::Choice, 1},
        {4, 5, K::FrequencyEntry, 0}, {5, 6, K::Choice, 4},   {6, 7, K::Choice, 4},
        {7, 8, K::Choice, 4},         {8, 9, K::Choice, 1},   {9, 10, K::Choice, 1},
        {10, 11, K::Choice, 1},       {11, 12, K::Choice, 1}, {12, 13, K::NameEntry, 1},
    };
    for (Band band : kBands) {
        for (const Expect& e : table) {
            SCOPED_TRACE("column " + std::to_string(e.column));
            EditorModel m;
            CellPointer pointer;
            const CellOpening closed = selectChannelCell(m, band, pointer, e.column, kRow);
            EXPECT_EQ(pointer, (CellPointer{e.column, kRow}));
            EXPECT_TRUE(closed.hideEditors);
            EXPECT_EQ(closed.editor == nullptr, e.condition != 0);

            m.table(band).cell(1, kRow) = "145.50000";
            m.table(band).cell(4, kRow) = "146.00000";
            m.table(band).cell(12, kRow) = "NAME";
            const CellOpening open = selectChannelCell(m, band, pointer, e.column, kRow);
            ASSERT_NE(open.editor, nullptr);
            EXPECT_EQ(open.editor->control, e.control);
            EXPECT_EQ(open.editor->kind, e.kind);
            EXPECT_EQ(open.editor->openOnlyWhen, e.condition);
            EXPECT_EQ(open.entry, 0);
            if (e.kind != K::Choice) {
                EXPECT_EQ(open.text, m.table(band).cell(e.column, kRow));
            }
        }
    }
}

TEST(ChannelCellSelection, TransmitFrequencyAloneOpensOnlyItsOwnColumns) {
    EditorModel m;
    m.StringGrid2.cell(4, kRow) = "146.00000";
    CellPointer pointer;
    for (int col = 1; col <= 12; ++col) {
        const bool opens = selectChannelCell(m, Band::B, pointer, col, kRow).editor != nullptr;
        EXPECT_EQ(opens, col == 1 || (col >= 4 && col <= 7)) << "column " << col;
    }
}

TEST(ChannelCellSelection, ChannelNumberColumnKeepsTheEditors) {
    EditorModel m;
    CellPointer pointer{3, 3};
    const CellOpening r = selectChannelCell(m, Band::A, pointer, 0, 5);
    EXPECT_FALSE(r.hideEditors);
    EXPECT_EQ(r.editor, nullptr);
    EXPECT_EQ(pointer, (CellPointer{0, 5}));
}

TEST(ChannelCellSelection, ChoiceListsAndEntryLimits) {
    EXPECT_EQ(channelColumnEditor(2)->entries().size(), 206u);
    EXPECT_EQ(channelColumnEditor(2)->entries()[0], "OFF");
    EXPECT_EQ(channelColumnEditor(6)->entries().size(), 18u);
    EXPECT_EQ(channelColumnEditor(3)->entries()[0], "QT/DQT");
    EXPECT_EQ(channelColumnEditor(8)->entries()[0], "Low");
    EXPECT_EQ(channelColumnEditor(9)->entries()[0], "Narrow");
    EXPECT_EQ(channelColumnEditor(1)->maxLength, 9u);
    EXPECT_EQ(channelColumnEditor(12)->maxLength, 7u);
    EXPECT_EQ(channelColumnEditor(0), nullptr);
    EXPECT_EQ(channelColumnEditor(13), nullptr);
}

TEST(ChannelChoice, PickLandsInThePointersCellOnly) {
    struct Pick {
        int column;
        int entry;
        std::string_view text;
    };
    const std::vector<Pick> picks{{2, 9, "88.5HZ"},
                                  {2, 40, "D023N"},
                                  {5, 205, "D754I"},
                                  {3, 1, "QT/DQT+Signaling"},
                                  {6, 17, "Identity Code"},
                                  {7, 0, "OFF"},
                                  {8, 1, "High"},
                                  {9, 0, "Narrow"},
                                  {10, 1, "ON"},
                                  {11, 1, "ON"}};
    for (Band band : kBands) {
        for (const Pick& p : picks) {
            SCOPED_TRACE("column " + std::to_string(p.column));
            EditorModel m = modelWithFilledRow();
            EditorModel expected = m;
            expected.table(band).cell(p.column, kRow) = std::string(p.text);
            EXPECT_TRUE(commitChannelChoice(m, band, {p.column, kRow}, p.entry));
            EXPECT_EQ(m, expected);
        }
    }
}

TEST(ChannelChoice, RefusesWhatIsNoPick) {
    EditorModel m = modelWithFilledRow();
    const EditorModel before = m;
    EXPECT_FALSE(commitChannelChoice(m, Band::A, {2, kRow}, 206));
    EXPECT_FALSE(commitChannelChoice(m, Band::A, {2, kRow}, -1));
    EXPECT_FALSE(commitChannelChoice(m, Band::A, {1, kRow}, 0));   // an entry column
    EXPECT_FALSE(commitChannelChoice(m, Band::A, {12, kRow}, 0));  // the name
    EXPECT_FALSE(commitChannelChoice(m, Band::A, {2, 0}, 0));      // the title row
    EXPECT_EQ(m, before);
}

TEST(ChannelName, CommitWritesTheTextAlsoWhenEmpty) {
    const std::vector<std::pair<std::string_view, std::string_view>> cases{
        {"HELLO", "HELLO"}, {"", ""}, {"ABCDEFGH", "ABCDEFG"}, {"a,b\"c'd", "abcd"}, {" ~", " ~"}};
    for (Band band : kBands) {
        for (const auto& [typed, stored] : cases) {
            EditorModel m = modelWithFilledRow();
            EditorModel expected = m;
            expected.table(band).cell(12, kRow) = std::string(stored);
            EXPECT_TRUE(commitChannelName(m, band, {12, kRow}, typed));
            EXPECT_EQ(m, expected) << typed;
        }
    }
}

TEST(ChannelName, PasteIsFilteredAndCut) {
    EXPECT_EQ(filterChannelName(U"A,B\"C'D\u00E9E\tFGHIJ"), "ABCDEFG");
    EXPECT_EQ(filterChannelName(U"\u4E2D\u6587"), "");
    EXPECT_EQ(filterChannelName(U" ~x"), " ~x");
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
