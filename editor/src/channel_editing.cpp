#include "duoband/channel_editing.h"

#include <algorithm>
#include <array>

#include "duoband/decimal.h"
#include "duoband/field_codecs.h"
#include "duoband/option_lists.h"
#include "text_rules.h"

namespace duoband {

namespace {

using K = CellEditorKind;

constexpr std::size_t kFrequencyLength = 9;  // "145.50000"
constexpr std::size_t kNameLength = kCountedTextMax;

const std::array<ChannelColumnEditor, 12> kColumnEditors{{
    {1, 1, K::FrequencyEntry, nullptr, 0, kFrequencyLength},
    {2, 2, K::Choice, &lists::channelTones, 1, 0},
    {3, 3, K::Choice, &lists::channelReceivingMode, 1, 0},
    {4, 5, K::FrequencyEntry, nullptr, 0, kFrequencyLength},
    {5, 6, K::Choice, &lists::channelTones, 4, 0},
    {6, 7, K::Choice, &lists::signalling, 4, 0},
    {7, 8, K::Choice, &lists::signalling, 4, 0},
    {8, 9, K::Choice, &lists::channelPower, 1, 0},
    {9, 10, K::Choice, &lists::channelBandwidth, 1, 0},
    {10, 11, K::Choice, &lists::offOn, 1, 0},
    {11, 12, K::Choice, &lists::offOn, 1, 0},
    {12, 13, K::NameEntry, nullptr, 1, kNameLength},
}};

constexpr rules::Charset kFrequencyChars{&rules::frequencyCharacter, kFrequencyLength};
constexpr rules::Charset kNameChars{&rules::fileTextCharacter, kNameLength};

struct CellText {
    int column;
    std::string_view text;
};

// A frequency column, the columns that belong to it, and what a new
// frequency puts into them.
struct FrequencyColumn {
    int column;
    std::array<int, 7> dependents;  // 0: unused
    std::array<CellText, 6> defaults;
    std::string_view rangeMessage;
    std::array<EntryAfterCommit, 2> afterRefusal;  // by band
};

const std::array<FrequencyColumn, 2> kFrequencyColumns{{
    {1,
     {2, 3, 8, 9, 10, 11, 12},
     {{{2, "0FF"}, {3, "OFF"}, {8, "High"}, {9, "Wide"}, {10, "OFF"}, {11, "OFF"}}},
     kReceiveRangeMessage,
     {EntryAfterCommit::Hide, EntryAfterCommit::KeepText}},
    {4,
     {5, 6, 7, 0, 0, 0, 0},
     {{{5, "0FF"}, {6, "OFF"}, {7, "OFF"}, {0, {}}, {0, {}}, {0, {}}}},
     kTransmitRangeMessage,
     {EntryAfterCommit::Hide, EntryAfterCommit::Hide}},
}};

// Band A's messages end in a blank, band B's do not.
constexpr std::array<std::string_view, 2> kRangeMessageEnding{" ", ""};

// The channel steps 2.5, 5, 6.25, 10, 12.5, 25 and 50 kHz in 10 Hz units.
constexpr std::array<std::uint64_t, 7> kChannelSteps{250, 500, 625, 1000, 1250, 2500, 5000};
constexpr std::uint64_t kSnapStep = 250;

std::size_t bandIndex(Band band) {
    return band == Band::A ? 0 : 1;
}

bool isChannelRow(int row) {
    return row >= 1 && row <= ChannelTable::kChannels;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Surrounding blanks and leading zeros dropped, a point appended when there is none, a lone point
// emptied, 2 to 8 characters padded with zeros to 9 ("145.5" -> "145.50000").
std::string normalForm(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    while (text.size() > 1 && text[0] == '0' && isDigit(text[1])) text.remove_prefix(1);
    std::string s(text);
    if (s.find('.') == std::string::npos) s += '.';
    if (s.size() == 1) return {};
    if (s.size() < kFrequencyLength) s.append(kFrequencyLength - s.size(), '0');
    return s;
}

bool accepted(const rules::Number& n) {
    return std::ranges::any_of(rules::kAcceptedRanges, [&](const rules::Range& r) {
        return n.value >= r.low && (n.value < r.high || (n.value == r.high && !n.finer));
    });
}

// Off the channel-step grid: the next multiple of 2.5 kHz above.
std::uint64_t snapped(const rules::Number& n) {
    const bool onGrid = !n.finer && std::ranges::any_of(kChannelSteps, [&](std::uint64_t step) {
        return n.value % step == 0;
    });
    return onGrid ? n.value : n.value / kSnapStep * kSnapStep + kSnapStep;
}

// Empties the frequency cell and its dependents; returns those that changed.
std::vector<int> clearFrequency(ChannelTable& table, const FrequencyColumn& f, int row) {
    std::vector<int> changed;
    auto clear = [&](int col) {
        if (col == 0 || table.cell(col, row).empty()) return;
        table.cell(col, row).clear();
        changed.push_back(col);
    };
    clear(f.column);
    std::ranges::for_each(f.dependents, clear);
    std::ranges::sort(changed);
    return changed;
}

std::vector<int> writeFrequency(ChannelTable& table, const FrequencyColumn& f, int row,
                                std::string text) {
    std::vector<int> changed;
    auto write = [&](int col, std::string_view value) {
        if (col == 0 || table.cell(col, row) == value) return;
        table.cell(col, row) = std::string(value);
        changed.push_back(col);
    };
    write(f.column, text);
    for (const auto& [col, value] : f.defaults) write(col, value);
    std::ranges::sort(changed);
    return changed;
}

const FrequencyColumn& frequencyColumn(ChannelEntry entry) {
    return kFrequencyColumns[entry == ChannelEntry::ReceiveFrequency ? 0 : 1];
}

}  // namespace

std::span<const ChannelColumnEditor> channelColumnEditors() {
    return kColumnEditors;
}

const ChannelColumnEditor* channelColumnEditor(int column) {
    if (column < 1 || column > static_cast<int>(kColumnEditors.size())) return nullptr;
    return &kColumnEditors[static_cast<std::size_t>(column - 1)];
}

CellOpening selectChannelCell(const EditorModel& model, Band band, CellPointer& pointer, int col,
                              int row) {
    pointer = {col, row};
    const ChannelColumnEditor* editor = channelColumnEditor(col);
    if (editor == nullptr) return {};
    CellOpening opening;
    opening.hideEditors = true;
    if (!isChannelRow(row)) return opening;
    const ChannelTable& table = model.table(band);
    if (editor->openOnlyWhen != 0 && table.cell(editor->openOnlyWhen, row).empty()) return opening;
    opening.editor = editor;
    if (editor->kind != K::Choice) opening.text = table.cell(col, row);
    return opening;
}

KeyResult channelEntryKey(ChannelEntry entry, std::size_t length, char32_t key) {
    const rules::KeyRule rule{
        entry == ChannelEntry::Name ? kNameChars : kFrequencyChars, {}, KeyAction::Commit};
    return rules::judgeKey(rule, length, key);
}

std::string filterChannelName(std::u32string_view pasted) {
    return rules::filterText(pasted, kNameChars);
}

FrequencyCommit commitChannelFrequency(EditorModel& model, Band band, CellPointer at,
                                       ChannelEntry entry, std::string_view text) {
    if (!isChannelRow(at.row) || entry == ChannelEntry::Name) return {};
    const FrequencyColumn& f = frequencyColumn(entry);
    ChannelTable& table = model.table(band);
    if (text.empty()) {
        return {FrequencyOutcome::Cleared,
                {},
                EntryAfterCommit::KeepText,
                clearFrequency(table, f, at.row)};
    }
    const std::string s = normalForm(text);
    const rules::Number n = rules::readNumber(s, 5, kNoFrequency - 1);
    if (n.status == rules::NumberStatus::Empty || n.status == rules::NumberStatus::NotANumber) {
        return {FrequencyOutcome::NotAFrequency,
                std::string(kNotAFrequencyMessage),
                EntryAfterCommit::Hide,
                {}};
    }
    if (n.status == rules::NumberStatus::OutOfReach || !accepted(n)) {
        return {FrequencyOutcome::Refused,
                std::string(f.rangeMessage) + std::string(kRangeMessageEnding[bandIndex(band)]),
                f.afterRefusal[bandIndex(band)], clearFrequency(table, f, at.row)};
    }
    if (s == table.cell(f.column, at.row))
        return {FrequencyOutcome::Unchanged, {}, EntryAfterCommit::Hide, {}};
    return {FrequencyOutcome::Written,
            {},
            EntryAfterCommit::Hide,
            writeFrequency(table, f, at.row, fixedDecimal(snapped(n), 5))};
}

bool commitChannelChoice(EditorModel& model, Band band, CellPointer at, int entry) {
    const ChannelColumnEditor* editor = channelColumnEditor(at.col);
    if (editor == nullptr || editor->kind != K::Choice || !isChannelRow(at.row)) return false;
    Choice choice{editor->entries()};
    choice.select(entry);
    if (choice.index < 0) return false;
    model.table(band).cell(at.col, at.row) = std::string(choice.text());
    return true;
}

bool commitChannelName(EditorModel& model, Band band, CellPointer at, std::string_view text) {
    if (!isChannelRow(at.row)) return false;
    model.table(band).cell(kColumnEditors.back().column, at.row) =
        rules::filterText(text, kNameChars);
    return true;
}

}  // namespace duoband
