// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/channel_clipboard.h"

#include <algorithm>
#include <optional>

#include "duoband/settings_table.h"

namespace duoband {

namespace {

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return parts;
        text.remove_prefix(end + 1);
    }
}

// The lines of a pasted block; "\r\n" ends a line too, and the line break
// after the last row is not a row of its own.
std::vector<std::string_view> pastedLines(std::string_view text) {
    if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
    std::vector<std::string_view> lines = split(text, '\n');
    for (std::string_view& line : lines) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    }
    return lines;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

// Spreadsheets often hold a tone without its unit: "67.0" for "67.0HZ".
bool entryMatches(std::string_view entry, std::string_view text) {
    if (sameIgnoringCase(entry, text)) return true;
    return entry.ends_with("HZ") && sameIgnoringCase(entry.substr(0, entry.size() - 2), text);
}

std::optional<int> entryMatching(OptionList entries, std::string_view text) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entryMatches(entries[i], text)) return static_cast<int>(i);
    }
    return std::nullopt;
}

using Refusal = std::optional<Phrase>;

// The cell as typing its text would leave the entry ("146,55" is 146.55 MHz);
// a text of which typing would keep nothing is refused rather than taken as
// an empty cell, which would empty the channel.
Refusal pasteFrequency(EditorModel& model, Band band, CellPointer at, std::string_view text) {
    const ChannelEntry entry = at.column == Column::RxFrequency ? ChannelEntry::ReceiveFrequency
                                                                : ChannelEntry::TransmitFrequency;
    const std::string typed = typedChannelEntry(entry, text);
    if (typed.empty() && !trimmed(text).empty()) return Phrase(kNotAFrequencyMessage);
    const FrequencyCommit commit = commitChannelFrequency(model, band, at, entry, typed);
    if (commit.outcome != FrequencyOutcome::Refused &&
        commit.outcome != FrequencyOutcome::NotAFrequency) {
        return std::nullopt;
    }
    // Band A's range message ends in a blank of its own.
    return Phrase(trimmed(commit.message));
}

Refusal pasteChoice(EditorModel& model, Band band, const ChannelColumnEditor& editor,
                    CellPointer at, std::string_view text) {
    const std::optional<int> entry = entryMatching(editor.entries(), trimmed(text));
    if (!entry) {
        // A new frequency's default is a value of its own ("0FF"), no pick.
        if (channelColumnDefault(at.column) != trimmed(text)) {
            return Phrase(QT_TRANSLATE_NOOP("duoband", "not one of the column's choices"));
        }
        model.channels(band).cell(at.column, at.row) = std::string(trimmed(text));
        return std::nullopt;
    }
    commitChannelChoice(model, band, at, *entry);
    return std::nullopt;
}

// Refuses the cells whose editor would not open, as a click on them opens none.
Refusal editorClosed(const EditorModel& model, Band band, CellPointer at) {
    CellPointer pointer;
    if (selectChannelCell(model, band, pointer, at.column, at.row).editor != nullptr) {
        return std::nullopt;
    }
    const std::optional<Column> needed = channelColumnEditor(at.column)->openOnlyWhen;
    return phrase(QT_TRANSLATE_NOOP("duoband", "the channel has no %1"),
                  Phrase(columnTitle(needed.value_or(at.column))));
}

// Commits one pasted cell; nullopt when it was taken, else why not.
// `skipped` is set for an empty choice cell, which keeps its value. An
// empty name clears the cell as Delete does, also on a channel whose name
// cannot be typed (an empty channel copied over a full one).
Refusal pasteCell(EditorModel& model, Band band, CellPointer at, std::string_view text,
                  bool& skipped) {
    const ChannelColumnEditor* editor = channelColumnEditor(at.column);
    skipped = editor->kind == CellEditorKind::Choice && trimmed(text).empty();
    if (skipped) return std::nullopt;
    if (editor->kind == CellEditorKind::NameEntry && text.empty()) {
        commitChannelName(model, band, at, text);
        return std::nullopt;
    }
    if (Refusal closed = editorClosed(model, band, at)) return closed;
    switch (editor->kind) {
        case CellEditorKind::FrequencyEntry:
            return pasteFrequency(model, band, at, text);
        case CellEditorKind::NameEntry:
            commitChannelName(model, band, at, text);
            return std::nullopt;
        case CellEditorKind::Choice:
            return pasteChoice(model, band, *editor, at, text);
        case CellEditorKind::None:  // the number column: never pasted into
            break;
    }
    return std::nullopt;
}

}  // namespace

std::string copyCells(const ChannelTable& table, const std::vector<int>& rows,
                      const std::vector<Column>& columns) {
    std::string text;
    for (int row : rows) {
        bool first = true;
        for (Column column : columns) {
            if (column == Column::Number) continue;
            if (!first) text += '\t';
            text += table.cell(column, row);
            first = false;
        }
        text += '\n';
    }
    return text;
}

PasteReport pasteCells(EditorModel& model, Band band, CellPointer start, std::string_view text) {
    PasteReport report;
    const int firstColumn = std::max(columnIndex(start.column), columnIndex(kFirstDataColumn));
    const std::vector<std::string_view> lines = pastedLines(text);
    report.lastRow = start.row;
    report.lastColumn = columnAt(firstColumn);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = start.row + static_cast<int>(i);
        if (row > ChannelTable::kChannels) {
            report.rowsLeftOut = static_cast<int>(lines.size() - i);
            break;
        }
        const std::vector<std::string_view> fields = split(lines[i], '\t');
        for (std::size_t j = 0; j < fields.size(); ++j) {
            const int column = firstColumn + static_cast<int>(j);
            if (column >= kColumnCount) {
                report.columnsLeftOut += static_cast<int>(fields.size() - j);
                break;
            }
            const CellPointer at{columnAt(column), row};
            bool skipped = false;
            if (Refusal why = pasteCell(model, band, at, fields[j], skipped)) {
                report.refused.push_back({row, at.column, std::string(fields[j]), *why});
            } else if (!skipped) {
                ++report.cellsApplied;
            }
            report.lastColumn = std::max(report.lastColumn, at.column);
        }
        report.lastRow = row;
    }
    return report;
}

std::optional<Phrase> pasteOneCell(EditorModel& model, Band band, CellPointer at,
                                   std::string_view text) {
    if (channelColumnEditor(at.column) == nullptr || at.row < 1 || at.row > ChannelTable::kChannels)
        return Phrase(QT_TRANSLATE_NOOP("duoband", "not a channel's cell"));
    bool skipped = false;
    Refusal why = pasteCell(model, band, at, text, skipped);
    if (skipped) return Phrase(QT_TRANSLATE_NOOP("duoband", "no pick empties a choice cell"));
    return why;
}

int clearCells(EditorModel& model, Band band, const std::vector<CellPointer>& cells) {
    int changed = 0;
    for (const CellPointer& at : cells) {
        const ChannelColumnEditor* editor = channelColumnEditor(at.column);
        if (editor == nullptr || at.row < 1 || at.row > ChannelTable::kChannels) continue;
        if (editor->kind == CellEditorKind::FrequencyEntry) {
            const ChannelEntry entry = at.column == Column::RxFrequency
                                           ? ChannelEntry::ReceiveFrequency
                                           : ChannelEntry::TransmitFrequency;
            changed += static_cast<int>(
                commitChannelFrequency(model, band, at, entry, {}).changedColumns.size());
        } else if (editor->kind == CellEditorKind::NameEntry &&
                   !model.channels(band).cell(Column::Name, at.row).empty()) {
            commitChannelName(model, band, at, {});
            ++changed;
        }
    }
    return changed;
}

Phrase describeRefusals(Band band, const std::vector<RefusedCell>& refused, std::size_t shown) {
    std::vector<Phrase> lines;
    for (const RefusedCell& cell : refused) {
        lines.push_back(phrase(QT_TRANSLATE_NOOP("duoband", "%1, %2: \"%3\" - %4"),
                               channelPlace(band, cell.row), Phrase(columnTitle(cell.column)),
                               verbatimLatin1(cell.text), cell.why));
    }
    return shortList(std::move(lines), shown);
}

}  // namespace duoband
