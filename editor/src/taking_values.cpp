// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/taking_values.h"

#include <algorithm>
#include <array>
#include <optional>

#include "duoband/channel_plan_tools.h"
#include "duoband/settings_editing.h"

namespace duoband {

namespace {

using Refusal = std::optional<Phrase>;
using ChannelRow = std::array<std::string, kColumnCount>;

Phrase madeInto(std::string_view made) {
    return phrase(QT_TRANSLATE_NOOP("duoband", "the rules would make it \"%1\""),
                  verbatimLatin1(made));
}

Refusal takeCell(EditorModel& model, const ComparePlace::Cell& cell, const std::string& wanted) {
    if (cell.channel < 1 || cell.channel > ChannelTable::kChannels)
        return Phrase(QT_TRANSLATE_NOOP("duoband", "not a channel's cell"));
    ChannelTable& table = model.channels(cell.band);
    ChannelRow& row = table.cells.at(static_cast<std::size_t>(cell.channel));
    const std::string& held = table.cell(cell.column, cell.channel);
    if (held == wanted) return std::nullopt;
    const ChannelRow before = row;
    Refusal why = enterCellValue(model, cell.band, {cell.column, cell.channel}, wanted);
    if (!why && held != wanted) why = madeInto(held);
    if (why) row = before;
    return why;
}

// A pick rewrites the setting's bits even where the shown entry is the same
// (a value that selects no entry leaves the previous one shown).
Refusal takeChoice(EditorModel& model, SettingRef ref, const std::string& wanted) {
    const Setting& s = setting(ref.id);
    if (s.choices == nullptr)
        return Phrase(QT_TRANSLATE_NOOP("duoband", "no page edits this setting"));
    const OptionList entries = s.choices();
    const auto found = std::ranges::find(entries, wanted);
    if (found == entries.end())
        return Phrase(QT_TRANSLATE_NOOP("duoband", "not one of the list's entries"));
    if (!pickChoice(model, ref, static_cast<int>(found - entries.begin())))
        return Phrase(QT_TRANSLATE_NOOP("duoband", "the entry cannot be stored"));
    return std::nullopt;
}

// A text is taken over even where it reads the same: the settings file keeps
// the text and its bytes apart, and the bytes are what a write sends.
Refusal takeText(EditorModel& model, SettingRef ref, const std::string& wanted) {
    std::string& text = *textOf(model, ref);
    const std::string textBefore = text;
    const BlockFields blocksBefore = model.blocks;
    const std::optional<TextCommit> commit = commitText(model, ref, wanted);
    if (!commit) return Phrase(QT_TRANSLATE_NOOP("duoband", "no page edits this setting"));
    if (commit->message.empty() && text == wanted) return std::nullopt;
    const Refusal why = commit->message.empty() ? madeInto(text) : Phrase(commit->message);
    text = textBefore;
    model.blocks = blocksBefore;
    return why;
}

Refusal takeValue(EditorModel& model, const CompareEntry& entry) {
    if (showsTheSame(entry) && !entry.where.address)
        return Phrase(QT_TRANSLATE_NOOP("duoband", "only bytes the editor does not show differ"));
    if (entry.where.cell) return takeCell(model, *entry.where.cell, entry.b);
    if (entry.where.setting) {
        const SettingRef ref = *entry.where.setting;
        if (choiceOf(model, ref) != nullptr) return takeChoice(model, ref, entry.b);
        if (textOf(model, ref) != nullptr) return takeText(model, ref, entry.b);
    }
    return Phrase(QT_TRANSLATE_NOOP("duoband", "no page holds these bytes"));
}

}  // namespace

TakeReport takeOtherValues(EditorModel& model, std::span<const CompareEntry> entries) {
    TakeReport report;
    for (const CompareEntry& entry : entries) {
        if (entry.kind != EntryKind::Difference) continue;
        if (Refusal why = takeValue(model, entry)) {
            report.refused.push_back({entry, std::move(*why)});
        } else {
            ++report.taken;
        }
    }
    return report;
}

Phrase describeRefusedValues(const std::vector<RefusedValue>& refused, std::size_t shown) {
    std::vector<Phrase> lines;
    for (const RefusedValue& value : refused) {
        lines.push_back(phrase(QT_TRANSLATE_NOOP("duoband", "%1: \"%2\" - %3"),
                               describePlace(value.entry.where), verbatimLatin1(value.entry.b),
                               value.why));
    }
    return shortList(std::move(lines), shown);
}

}  // namespace duoband
