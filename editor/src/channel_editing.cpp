// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/channel_editing.h"

#include <algorithm>
#include <array>
#include <span>

#include "duoband/decimal.h"
#include "duoband/field_codecs.h"
#include "duoband/option_lists.h"
#include "duoband/settings_table.h"
#include "text_rules.h"

namespace duoband {

namespace {

using K = CellEditorKind;

constexpr std::size_t kFrequencyLength = kChannelFrequencyLength;
constexpr std::size_t kNameLength = kCountedTextMax;

using C = Column;

constexpr rules::Charset kFrequencyChars{&rules::frequencyCharacter, kFrequencyLength,
                                         &rules::decimalPointSpelling};
constexpr rules::Charset kNameChars{&rules::fileTextCharacter, kNameLength};

// A frequency column and the message that refuses a frequency outside the
// accepted ranges. The columns that belong to it, and what a new frequency
// puts into them, are in the channel column table.
struct FrequencyColumn {
    Column column;
    std::string_view rangeMessage;
};

const std::array<FrequencyColumn, 2> kFrequencyColumns{{
    {C::RxFrequency, kReceiveRangeMessage},
    {C::TxFrequency, kTransmitRangeMessage},
}};

// The data columns, RxFrequency first.
std::span<const ChannelColumn> dataColumns() {
    return channelColumns().subspan(1);
}

// The columns that belong to a frequency: emptied with it. A vector rather
// than a filtered view, which clang 14 cannot compile against libstdc++ 12.
std::vector<const ChannelColumn*> dependents(const FrequencyColumn& f) {
    std::vector<const ChannelColumn*> found;
    for (const ChannelColumn& c : dataColumns())
        if (c.openOnlyWhen == f.column) found.push_back(&c);
    return found;
}

// The columns a new frequency writes, with what it writes.
std::vector<const ChannelColumn*> defaults(const FrequencyColumn& f) {
    std::vector<const ChannelColumn*> found = dependents(f);
    std::erase_if(found, [](const ChannelColumn* c) { return c->newFrequencyValue.empty(); });
    return found;
}

// Band A's messages end in a blank, band B's do not.
constexpr std::array<std::string_view, 2> kRangeMessageEnding{" ", ""};

// The channel steps 2.5, 5, 6.25, 10, 12.5, 25 and 50 kHz in 10 Hz units.
constexpr std::array<std::uint64_t, 7> kChannelSteps{250, 500, 625, 1000, 1250, 2500, 5000};
constexpr std::uint64_t kSnapStep = 250;

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
std::vector<Column> clearFrequency(ChannelTable& table, const FrequencyColumn& f, int row) {
    std::vector<Column> changed;
    auto clear = [&](Column col) {
        if (table.cell(col, row).empty()) return;
        table.cell(col, row).clear();
        changed.push_back(col);
    };
    clear(f.column);
    for (const ChannelColumn* c : dependents(f)) clear(c->column);
    std::ranges::sort(changed);
    return changed;
}

std::vector<Column> writeFrequency(ChannelTable& table, const FrequencyColumn& f, int row,
                                   std::string text) {
    std::vector<Column> changed;
    auto write = [&](Column col, std::string_view value) {
        if (table.cell(col, row) == value) return;
        table.cell(col, row) = std::string(value);
        changed.push_back(col);
    };
    write(f.column, text);
    for (const ChannelColumn* c : defaults(f)) write(c->column, c->newFrequencyValue);
    std::ranges::sort(changed);
    return changed;
}

// Whether writing the defaults would change a setting the row already holds.
bool defaultsReplaceSettings(const ChannelTable& table, const FrequencyColumn& f, int row) {
    return std::ranges::any_of(defaults(f), [&](const ChannelColumn* d) {
        const std::string& held = table.cell(d->column, row);
        return !held.empty() && held != d->newFrequencyValue;
    });
}

const FrequencyColumn& frequencyColumn(ChannelEntry entry) {
    return kFrequencyColumns[entry == ChannelEntry::ReceiveFrequency ? 0 : 1];
}

}  // namespace

std::span<const ChannelColumnEditor> channelColumnEditors() {
    return dataColumns();
}

const ChannelColumnEditor* channelColumnEditor(Column column) {
    if (columnIndex(column) < 0 || columnIndex(column) >= kColumnCount) return nullptr;
    const ChannelColumn& c = channelColumn(column);
    return c.kind != K::None ? &c : nullptr;
}

CellOpening selectChannelCell(const EditorModel& model, Band band, CellPointer& pointer, Column col,
                              int row) {
    pointer = {col, row};
    const ChannelColumnEditor* editor = channelColumnEditor(col);
    if (editor == nullptr) return {};
    CellOpening opening;
    opening.hideEditors = true;
    if (!isChannelRow(row)) return opening;
    const ChannelTable& table = model.channels(band);
    if (editor->openOnlyWhen && table.cell(*editor->openOnlyWhen, row).empty()) return opening;
    opening.editor = editor;
    if (editor->kind != K::Choice) {
        opening.text = table.cell(col, row);
        return opening;
    }
    const OptionList entries = editor->entries();
    const auto held = std::ranges::find(entries, std::string_view(table.cell(col, row)));
    if (held != entries.end()) opening.entry = static_cast<int>(held - entries.begin());
    return opening;
}

namespace {

// The characters an entry takes: its key filter, and what a paste keeps.
rules::Charset entryCharset(ChannelEntry entry) {
    return entry == ChannelEntry::Name ? kNameChars : kFrequencyChars;
}

}  // namespace

KeyResult channelEntryKey(ChannelEntry entry, std::size_t length, char32_t key) {
    return rules::judgeKey({entryCharset(entry), {}, KeyAction::Commit}, length, key);
}

std::string typedChannelEntry(ChannelEntry entry, std::u32string_view text) {
    return rules::filterText(text, entryCharset(entry));
}

std::string typedChannelEntry(ChannelEntry entry, std::string_view text) {
    return rules::filterText(text, entryCharset(entry));
}

std::string filterChannelName(std::u32string_view pasted) {
    return typedChannelEntry(ChannelEntry::Name, pasted);
}

FrequencyCommit commitChannelFrequency(EditorModel& model, Band band, CellPointer at,
                                       ChannelEntry entry, std::string_view text) {
    if (!isChannelRow(at.row) || entry == ChannelEntry::Name) return {};
    const FrequencyColumn& f = frequencyColumn(entry);
    ChannelTable& table = model.channels(band);
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
                EntryAfterCommit::KeepText,
                {}};
    }
    // A refused text stays in the entry for correction and costs the row
    // nothing: a typo must not empty a channel.
    if (n.status == rules::NumberStatus::OutOfReach || !accepted(n)) {
        return {FrequencyOutcome::Refused,
                std::string(f.rangeMessage) + std::string(kRangeMessageEnding[bandIndex(band)]),
                EntryAfterCommit::KeepText,
                {}};
    }
    if (s == table.cell(f.column, at.row))
        return {FrequencyOutcome::Unchanged, {}, EntryAfterCommit::Hide, {}};
    const bool replaced = defaultsReplaceSettings(table, f, at.row);
    return {FrequencyOutcome::Written,
            {},
            EntryAfterCommit::Hide,
            writeFrequency(table, f, at.row, fixedDecimal(snapped(n), 5)),
            replaced};
}

std::optional<int> acceptedRange(std::uint64_t units) {
    const auto range = std::ranges::find_if(rules::kAcceptedRanges, [&](const rules::Range& r) {
        return units >= r.low && units <= r.high;
    });
    if (range == rules::kAcceptedRanges.end()) return std::nullopt;
    return static_cast<int>(range - rules::kAcceptedRanges.begin());
}

std::optional<std::string_view> channelColumnDefault(Column column) {
    const ChannelColumn& c = channelColumn(column);
    if (c.newFrequencyValue.empty()) return std::nullopt;
    return c.newFrequencyValue;
}

bool commitChannelChoice(EditorModel& model, Band band, CellPointer at, int entry) {
    const ChannelColumnEditor* editor = channelColumnEditor(at.column);
    if (editor == nullptr || editor->kind != K::Choice || !isChannelRow(at.row)) return false;
    Choice choice{editor->entries()};
    choice.select(entry);
    if (choice.index < 0) return false;
    model.channels(band).cell(at.column, at.row) = std::string(choice.text());
    return true;
}

bool commitChannelName(EditorModel& model, Band band, CellPointer at, std::string_view text) {
    if (!isChannelRow(at.row)) return false;
    model.channels(band).cell(Column::Name, at.row) = typedChannelEntry(ChannelEntry::Name, text);
    return true;
}

namespace {

bool offItsList(const ChannelColumnEditor& editor, std::string_view text) {
    if (text.empty() || channelColumnDefault(editor.column) == text) return false;
    return std::ranges::find(editor.entries(), text) == editor.entries().end();
}

}  // namespace

std::vector<OffListCell> cellsOffTheirLists(const EditorModel& model) {
    std::vector<OffListCell> found;
    for (Band band : kBands) {
        const ChannelTable& table = model.channels(band);
        for (int row = 1; row <= ChannelTable::kChannels; ++row) {
            for (const ChannelColumnEditor& editor : channelColumnEditors()) {
                const std::string& text = table.cell(editor.column, row);
                if (editor.kind == CellEditorKind::Choice && offItsList(editor, text))
                    found.push_back({band, row, editor.column, text});
            }
        }
    }
    return found;
}

std::string describeOffListCells(const std::vector<OffListCell>& cells, std::size_t shown) {
    std::string text;
    // A plain span rather than views::take, which clang's fuzz build cannot compile.
    for (const OffListCell& cell : std::span(cells).first(std::min(shown, cells.size()))) {
        text += std::string(bandName(cell.band)) + " channel " + std::to_string(cell.row) + ", " +
                std::string(columnTitle(cell.column)) + ": \"" + cell.text +
                "\" is not one of the list's entries\n";
    }
    if (cells.size() > shown) text += "and " + std::to_string(cells.size() - shown) + " more\n";
    return text;
}

}  // namespace duoband
