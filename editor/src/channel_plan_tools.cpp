// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/channel_plan_tools.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <numeric>

#include "duoband/channel_clipboard.h"
#include "duoband/channel_rows.h"
#include "duoband/decimal.h"
#include "duoband/settings_table.h"

namespace duoband {

namespace {

using Refusal = std::optional<Phrase>;
using ChannelRow = std::array<std::string, kColumnCount>;

constexpr int kMegahertzDecimals = 5;  // a frequency in 10 Hz units

bool isChannel(int channel) {
    return channel >= 1 && channel <= ChannelTable::kChannels;
}

bool isFrequency(Column column) {
    return channelColumn(column).kind == CellEditorKind::FrequencyEntry;
}

// A frequency entered over another keeps the settings that belong to it.
void keepSettings(ChannelTable& table, int channel, Column frequency, const ChannelRow& before) {
    for (const ChannelColumn& c : channelColumns()) {
        const std::string& held = before.at(static_cast<std::size_t>(columnIndex(c.column)));
        if (c.openOnlyWhen == frequency && !held.empty()) table.cell(c.column, channel) = held;
    }
}

// MHz with an optional sign, in 10 Hz units.
std::optional<std::int64_t> signedMegahertz(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    const std::optional<std::uint64_t> units = scaledDecimal(text, kMegahertzDecimals);
    if (!units) return std::nullopt;
    const auto value = static_cast<std::int64_t>(*units);
    return negative ? -value : value;
}

Phrase notMegahertz(std::string_view text) {
    return phrase(QT_TRANSLATE_NOOP("duoband", "\"%1\" is not a number of MHz"),
                  verbatimLatin1(text));
}

// Enters `text` into one cell and counts or lists the outcome.
void enterInto(ToolReport& report, EditorModel& model, Band band, CellPointer at,
               const std::string& text) {
    const std::string before = model.channels(band).cell(at.column, at.row);
    if (Refusal why = enterCellValue(model, band, at, text)) {
        report.refused.push_back({{band, at.row, at.column}, text, std::move(*why)});
    } else if (model.channels(band).cell(at.column, at.row) != before) {
        ++report.cellsChanged;
    }
}

// --- series ------------------------------------------------------------------

SeriesTexts frequencySeries(const SeriesRule& rule, int count) {
    const std::optional<std::int64_t> start = signedMegahertz(rule.start);
    const std::optional<std::int64_t> step = signedMegahertz(rule.step);
    if (!start || *start < 0) return {{}, notMegahertz(rule.start)};
    if (!step) return {{}, notMegahertz(rule.step)};
    SeriesTexts series;
    for (int i = 0; i < count; ++i) {
        const std::int64_t units = *start + *step * i;
        if (units < 0)
            return {{}, Phrase(QT_TRANSLATE_NOOP("duoband", "the series goes below 0 MHz"))};
        series.texts.push_back(fixedDecimal(static_cast<std::uint64_t>(units), kMegahertzDecimals));
    }
    return series;
}

// A pattern's number place: "{n}" or "{n:0W}" (W digits, zeros in front).
struct NumberPlace {
    std::size_t at = 0;
    std::size_t length = 0;
    int width = 0;
};

std::optional<NumberPlace> numberPlace(std::string_view pattern) {
    const std::size_t at = pattern.find("{n");
    if (at == std::string_view::npos) return NumberPlace{pattern.size(), 0, 0};
    const std::size_t end = pattern.find('}', at);
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view format = pattern.substr(at + 2, end - at - 2);
    NumberPlace place{at, end - at + 1, 0};
    if (format.empty()) return place;
    if (!format.starts_with(":0") || format.size() < 3) return std::nullopt;
    const auto [last, error] =
        std::from_chars(format.data() + 2, format.data() + format.size(), place.width);
    if (error != std::errc() || last != format.data() + format.size()) return std::nullopt;
    return place;
}

std::string widened(int number, int width) {
    std::string digits = std::to_string(std::abs(number));
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return number < 0 ? "-" + digits : digits;
}

SeriesTexts nameSeries(const SeriesRule& rule, int count) {
    const std::optional<NumberPlace> place = numberPlace(rule.start);
    if (!place) {
        return {{},
                phrase(QT_TRANSLATE_NOOP("duoband",
                                         "\"%1\": write the number as {n}, or {n:02} for two "
                                         "digits"),
                       verbatimLatin1(rule.start))};
    }
    SeriesTexts series;
    for (int i = 0; i < count; ++i) {
        std::string name = rule.start;
        if (place->length > 0) {
            const int number = rule.firstNumber + rule.numberStep * i;
            name.replace(place->at, place->length, widened(number, place->width));
        }
        series.texts.push_back(std::move(name));
    }
    return series;
}

// --- sorting -----------------------------------------------------------------

// What a cell sorts by: a frequency's value, a choice's place in its list,
// a name without regard to case. Cells of one column compare alike.
struct SortKey {
    bool emptyChannel = false;
    bool emptyCell = false;
    std::uint64_t number = 0;
    std::string text;
};

std::string upper(std::string_view text) {
    std::string s(text);
    for (char& c : s) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    return s;
}

SortKey sortKey(const ChannelTable& table, int channel, Column column) {
    const std::string& cell = table.cell(column, channel);
    SortKey key{channelIsEmpty(table, channel), cell.empty(), 0, {}};
    const ChannelColumn& c = channelColumn(column);
    if (c.kind == CellEditorKind::FrequencyEntry) {
        key.number = scaledDecimal(cell, kMegahertzDecimals, UINT64_MAX / 10).value_or(0);
    } else if (c.kind == CellEditorKind::Choice) {
        const OptionList entries = c.entries();
        // A value off its list ("0FF", the hand-edited) before the list's.
        const auto found = std::ranges::find(entries, std::string_view(cell));
        key.number =
            found == entries.end() ? 0 : static_cast<std::uint64_t>(found - entries.begin()) + 1;
        key.text = cell;
    } else {
        key.text = upper(cell);
    }
    return key;
}

// Whether `a` goes before `b`: empty channels last, then empty cells, in
// either order; the values by `order`.
bool sortsBefore(const SortKey& a, const SortKey& b, SortOrder order) {
    if (a.emptyChannel != b.emptyChannel) return b.emptyChannel;
    if (a.emptyCell != b.emptyCell) return b.emptyCell;
    const auto value = [](const SortKey& k) { return std::tie(k.number, k.text); };
    return order == SortOrder::Ascending ? value(a) < value(b) : value(b) < value(a);
}

// --- finding -----------------------------------------------------------------

std::vector<Column> searchedColumns(const SearchTerms& terms) {
    if (!terms.everyColumn) return {Column::Name};
    std::vector<Column> columns;
    for (const ChannelColumnEditor& editor : channelColumnEditors())
        columns.push_back(editor.column);
    return columns;
}

bool sameCharacter(char a, char b, bool matchCase) {
    if (matchCase) return a == b;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(a) == lower(b);
}

// Where `terms` matches in `cell` from `from` on; npos when nowhere.
std::size_t matchIn(std::string_view cell, const SearchTerms& terms, std::size_t from = 0) {
    if (terms.text.empty()) return std::string_view::npos;
    if (terms.wholeCell) {
        const bool same = from == 0 && std::ranges::equal(cell, terms.text, [&](char a, char b) {
                              return sameCharacter(a, b, terms.matchCase);
                          });
        return same ? 0 : std::string_view::npos;
    }
    const auto found =
        std::ranges::search(cell.substr(std::min(from, cell.size())), terms.text,
                            [&](char a, char b) { return sameCharacter(a, b, terms.matchCase); });
    if (found.empty()) return std::string_view::npos;
    return from + static_cast<std::size_t>(found.begin() - cell.substr(from).begin());
}

std::string replaced(std::string_view cell, const SearchTerms& terms,
                     std::string_view replacement) {
    std::string result;
    std::size_t from = 0;
    for (std::size_t at = matchIn(cell, terms); at != std::string_view::npos;
         at = matchIn(cell, terms, from)) {
        result.append(cell.substr(from, at - from)).append(replacement);
        from = at + terms.text.size();
        if (terms.wholeCell) break;
    }
    return result.append(cell.substr(std::min(from, cell.size())));
}

// Every cell in search order: band A's channels before band B's, each
// channel's columns left to right.
std::vector<CellPlace> searchOrder(const SearchTerms& terms) {
    std::vector<CellPlace> places;
    const std::vector<Column> columns = searchedColumns(terms);
    for (Band band : kBands) {
        for (int channel = 1; channel <= ChannelTable::kChannels; ++channel) {
            for (Column column : columns) places.push_back({band, channel, column});
        }
    }
    return places;
}

}  // namespace

Phrase describeRefusedToolValues(const std::vector<RefusedToolValue>& refused, std::size_t shown) {
    std::vector<Phrase> lines;
    for (const RefusedToolValue& value : refused) {
        ComparePlace where;
        where.cell = value.place;
        lines.push_back(phrase(QT_TRANSLATE_NOOP("duoband", "%1: \"%2\" - %3"),
                               describePlace(where), verbatimLatin1(value.text), value.why));
    }
    return shortList(std::move(lines), shown);
}

std::optional<Phrase> enterCellValue(EditorModel& model, Band band, CellPointer at,
                                     std::string_view text) {
    if (!isChannel(at.row) || channelColumnEditor(at.column) == nullptr)
        return Phrase(QT_TRANSLATE_NOOP("duoband", "not a channel's cell"));
    ChannelTable& table = model.channels(band);
    const ChannelRow before = table.cells.at(static_cast<std::size_t>(at.row));
    if (Refusal why = pasteOneCell(model, band, at, text)) return why;
    if (isFrequency(at.column) && !text.empty()) keepSettings(table, at.row, at.column, before);
    return std::nullopt;
}

ToolReport fillCells(EditorModel& model, Band band, Column column, const std::vector<int>& channels,
                     std::string_view text) {
    ToolReport report;
    for (int channel : channels)
        enterInto(report, model, band, {column, channel}, std::string(text));
    return report;
}

SeriesTexts seriesTexts(Column column, const SeriesRule& rule, int count) {
    if (channelColumnEditor(column) == nullptr)
        return {{}, Phrase(QT_TRANSLATE_NOOP("duoband", "not a channel's cell"))};
    if (isFrequency(column)) return frequencySeries(rule, count);
    if (column == Column::Name) return nameSeries(rule, count);
    return {std::vector<std::string>(static_cast<std::size_t>(std::max(count, 0)), rule.start), {}};
}

ToolReport fillSeries(EditorModel& model, Band band, Column column,
                      const std::vector<int>& channels, const SeriesRule& rule) {
    SeriesTexts values = seriesTexts(column, rule, static_cast<int>(channels.size()));
    ToolReport report;
    report.invalid = std::move(values.invalid);
    if (!report.invalid.empty()) return report;
    for (std::size_t i = 0; i < channels.size(); ++i)
        enterInto(report, model, band, {column, channels[i]}, values.texts[i]);
    return report;
}

ToolReport setRepeaterOffset(EditorModel& model, Band band, const std::vector<int>& channels,
                             RepeaterShift shift, std::string_view offset) {
    ToolReport report;
    std::int64_t units = 0;
    if (shift != RepeaterShift::Simplex) {
        const std::optional<std::int64_t> read = signedMegahertz(offset);
        if (!read || *read < 0) {
            report.invalid = notMegahertz(offset);
            return report;
        }
        units = shift == RepeaterShift::Plus ? *read : -*read;
    }
    for (int channel : channels) {
        if (!isChannel(channel) || channelIsEmpty(model.channels(band), channel)) continue;
        const std::string& receive = model.channels(band).cell(Column::RxFrequency, channel);
        const std::optional<std::int64_t> rx = signedMegahertz(receive);
        const std::int64_t tx = rx.value_or(0) + units;
        if (!rx || tx < 0) {
            report.refused.push_back(
                {{band, channel, Column::TxFrequency},
                 receive,
                 Phrase(QT_TRANSLATE_NOOP("duoband", "no receiving frequency to shift"))});
            continue;
        }
        enterInto(report, model, band, {Column::TxFrequency, channel},
                  fixedDecimal(static_cast<std::uint64_t>(tx), kMegahertzDecimals));
    }
    return report;
}

SortReport sortChannels(EditorModel& model, Band band, std::vector<int> channels, Column column,
                        SortOrder order) {
    std::erase_if(channels, [](int channel) { return !isChannel(channel); });
    if (channels.empty()) {
        channels.resize(ChannelTable::kChannels);
        std::iota(channels.begin(), channels.end(), 1);
    }
    std::ranges::sort(channels);
    const auto [first, last] = std::ranges::unique(channels);
    channels.erase(first, last);

    ChannelTable& table = model.channels(band);
    std::vector<int> sorted = channels;
    std::ranges::stable_sort(sorted, [&](int a, int b) {
        return sortsBefore(sortKey(table, a, column), sortKey(table, b, column), order);
    });
    const ChannelTable before = table;
    SortReport report;
    const Choice& setting = model.band(band).channel;
    report.channelNumberSetting = setting.index >= 0 ? setting.index + 1 : 0;
    report.settingShowsFormer = report.channelNumberSetting;
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const int slot = channels[i];
        const int from = sorted[i];
        if (slot == from) continue;
        for (int c = 1; c < kColumnCount; ++c)
            table.cell(columnAt(c), slot) = before.cell(columnAt(c), from);
        ++report.channelsMoved;
        if (slot == report.channelNumberSetting) report.settingShowsFormer = from;
    }
    return report;
}

Phrase describeSort(Band band, const SortReport& report) {
    Phrase moved = phrase(QT_TRANSLATE_NOOP("duoband", "%1: %2 channels moved."),
                          Phrase(bandName(band)), verbatim(report.channelsMoved));
    if (report.channelNumberSetting == 0) return moved;
    if (report.settingShowsFormer == report.channelNumberSetting) {
        return joinLines({moved, phrase(QT_TRANSLATE_NOOP("duoband",
                                                          "Channel No.: %1 shows the same "
                                                          "channel as before."),
                                        verbatim(report.channelNumberSetting))});
    }
    return joinLines({moved, phrase(QT_TRANSLATE_NOOP("duoband",
                                                      "Channel No.: %1 now shows the channel "
                                                      "that was %2 before the sort."),
                                    verbatim(report.channelNumberSetting),
                                    verbatim(report.settingShowsFormer))});
}

std::optional<CellPlace> findCell(const EditorModel& model, const SearchTerms& terms,
                                  CellPlace after) {
    const std::vector<CellPlace> places = searchOrder(terms);
    // The search starts after the place given, or at its channel's first
    // searched cell when no searched cell is there.
    std::size_t start = 0;
    for (std::size_t i = 0; i < places.size(); ++i) {
        const CellPlace& p = places[i];
        if (p.band != after.band || p.channel != after.channel) continue;
        start = i + 1;
        if (p.column >= after.column) {
            start = p.column == after.column ? i + 1 : i;
            break;
        }
    }
    for (std::size_t n = 0; n < places.size(); ++n) {
        const CellPlace& p = places[(start + n) % places.size()];
        if (matchIn(model.channels(p.band).cell(p.column, p.channel), terms) != std::string::npos)
            return p;
    }
    return std::nullopt;
}

ToolReport replaceAll(EditorModel& model, const SearchTerms& terms, std::string_view replacement) {
    ToolReport report;
    for (const CellPlace& p : searchOrder(terms)) {
        const std::string& cell = model.channels(p.band).cell(p.column, p.channel);
        if (matchIn(cell, terms) == std::string::npos) continue;
        const std::string text = replaced(cell, terms, replacement);
        if (p.column == Column::Name && typedChannelEntry(ChannelEntry::Name, text) != text) {
            report.refused.push_back(
                {p, text,
                 phrase(QT_TRANSLATE_NOOP("duoband", "the rules would make it \"%1\""),
                        verbatimLatin1(typedChannelEntry(ChannelEntry::Name, text)))});
            continue;
        }
        enterInto(report, model, p.band, {p.column, p.channel}, text);
    }
    return report;
}

}  // namespace duoband
