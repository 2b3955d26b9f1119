// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <optional>
#include <sstream>

#include "duoband/channel_editing.h"
#include "duoband/channel_record.h"
#include "duoband/cli.h"
#include "duoband/memory_image.h"
#include "duoband/radio_image.h"
#include "duoband/settings_editing.h"
#include "duoband/settings_table.h"

namespace duoband::cli {
namespace {

// Cell and boot texts hold one radio byte per character; a terminal wants
// UTF-8, and control bytes would upset it.
std::string printable(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) {
            out += '.';
        } else if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | b >> 6);
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

// Columns on a terminal: one per code point.
std::size_t width(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

void pad(std::ostream& out, std::string_view text, std::size_t to) {
    out << text << std::string(to > width(text) ? to - width(text) : 0, ' ');
}

bool programmed(const ChannelTable& table, int row) {
    for (const ChannelColumn& c : channelColumns())
        if (c.column != Column::Number && !table.cell(c.column, row).empty()) return true;
    return false;
}

void writeRow(std::ostream& out, const std::vector<std::string>& cells,
              const std::vector<std::size_t>& widths) {
    std::ostringstream line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) line << "  ";
        pad(line, cells[c], widths[c]);
    }
    std::string text = line.str();
    text.erase(text.find_last_not_of(' ') + 1);
    out << text << '\n';
}

void writeTable(std::ostream& out, std::string_view title, const ChannelTable& table) {
    out << title << '\n';
    std::vector<std::vector<std::string>> rows(1);
    for (const ChannelColumn& c : channelColumns()) rows[0].emplace_back(c.title);
    for (int row = 1; row < ChannelTable::kRows; ++row) {
        if (!programmed(table, row)) continue;
        std::vector<std::string> cells;
        for (const ChannelColumn& c : channelColumns())
            cells.push_back(printable(table.cell(c.column, row)));
        rows.push_back(std::move(cells));
    }
    if (rows.size() == 1) {
        out << "  (no programmed channels)\n\n";
        return;
    }
    std::vector<std::size_t> widths(rows[0].size(), 0);
    for (const auto& r : rows)
        for (std::size_t c = 0; c < r.size(); ++c) widths[c] = std::max(widths[c], width(r[c]));
    for (const auto& r : rows) writeRow(out, r, widths);
    out << '\n';
}

// A choice shows its entry (a program text, UTF-8), a text the radio's bytes.
std::string shownValue(const EditorModel& model, SettingRef ref) {
    if (const Choice* choice = choiceOf(model, ref)) {
        return choice->index < 0 ? "(not one of the list's entries)" : std::string(choice->text());
    }
    return printable(*textOf(model, ref));
}

// The pages as a write sends them: the model decoded again from the bytes
// its block fields and tables encode; nullopt when a write would be refused.
std::optional<EditorModel> sentModel(const EditorModel& model, std::string& refusal) {
    const ImageEncoding encoding = encodeImage(model);
    if (!encoding.ok()) {
        refusal = encoding.error;
        return std::nullopt;
    }
    EditorModel sent = model;
    decodeImage(imageOf(encoding), sent);
    return sent;
}

// Whether the control, taken over again as the page would, changes its
// block field; a control that cannot be taken over disagrees when it shows
// something else than what is sent.
bool disagrees(const EditorModel& model, const EditorModel& sent, SettingRef ref) {
    EditorModel retaken = model;
    bool taken = false;
    if (const Choice* choice = choiceOf(model, ref)) {
        taken = pickChoice(retaken, ref, choice->index);
    } else if (const auto commit = commitText(retaken, ref, *textOf(model, ref))) {
        taken = commit->message.empty();
    }
    if (retaken.blocks != model.blocks) return true;
    return !taken && shownValue(model, ref) != shownValue(sent, ref);
}

// The controls, and what a write sends; without `sent` (a write would be
// refused) the controls alone are shown.
struct PageModels {
    const EditorModel& controls;
    const EditorModel* sent;
    const EditorModel& shown() const { return sent != nullptr ? *sent : controls; }
};

void writePage(std::ostream& out, SettingsPage page, Band band, PageModels models) {
    out << pageTitle(page, band) << '\n';
    const std::vector<SettingRef> refs = settingsOnPage(page, band);
    std::size_t captionWidth = 0;
    for (const SettingRef& ref : refs)
        captionWidth = std::max(captionWidth, width(setting(ref.id).captionFor(band)));
    for (const SettingRef& ref : refs) {
        out << "  ";
        pad(out, setting(ref.id).captionFor(band), captionWidth);
        out << "  " << shownValue(models.shown(), ref);
        if (models.sent != nullptr && disagrees(models.controls, *models.sent, ref))
            out << "   [differs: the page shows \"" << shownValue(models.controls, ref) << "\"]";
        out << '\n';
    }
    out << '\n';
}

void writeOffListCells(std::ostream& out, const EditorModel& model) {
    const std::vector<OffListCell> cells = cellsOffTheirLists(model);
    if (cells.empty()) return;
    out << "Cells outside their lists (a write sends the record's reading of them)\n";
    std::istringstream lines(describeOffListCells(cells, cells.size()));
    for (std::string line; std::getline(lines, line);) out << "  " << line << '\n';
    out << '\n';
}

}  // namespace

std::string settingsSummary(const EditorModel& model) {
    std::ostringstream out;
    writeTable(out, "A/Upper Band channels", model.channels(Band::A));
    writeTable(out, "B/Under Band channels", model.channels(Band::B));
    writeOffListCells(out, model);
    std::string refusal;
    const std::optional<EditorModel> sent = sentModel(model, refusal);
    if (sent) {
        out << "Settings as a write sends them, decoded from the block fields\n\n";
    } else {
        out << "A write would be refused: " << refusal << "\nSettings as the pages show them\n\n";
    }
    const PageModels models{model, sent ? &*sent : nullptr};
    for (Band band : kBands) writePage(out, SettingsPage::BandSetup, band, models);
    for (SettingsPage page : {SettingsPage::General, SettingsPage::Dtmf, SettingsPage::Limits})
        writePage(out, page, Band::A, models);
    return out.str();
}

}  // namespace duoband::cli
