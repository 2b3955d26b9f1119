#include <algorithm>
#include <sstream>

#include "duoband/channel_record.h"
#include "duoband/cli.h"
#include "duoband/page_captions.h"

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
    for (int col = 1; col < ChannelTable::kColumns; ++col)
        if (!table.cell(col, row).empty()) return true;
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
    std::vector<std::vector<std::string>> rows{
        std::vector<std::string>(kChannelColumnTitles.begin(), kChannelColumnTitles.end())};
    for (int row = 1; row < ChannelTable::kRows; ++row) {
        if (!programmed(table, row)) continue;
        std::vector<std::string> cells{std::to_string(row)};
        for (int col = 1; col < ChannelTable::kColumns; ++col)
            cells.push_back(printable(table.cell(col, row)));
        rows.push_back(std::move(cells));
    }
    if (rows.size() == 1) {
        out << "  (no programmed channels)\n\n";
        return;
    }
    std::vector<std::size_t> widths(kChannelColumnTitles.size(), 0);
    for (const auto& r : rows)
        for (std::size_t c = 0; c < r.size(); ++c) widths[c] = std::max(widths[c], width(r[c]));
    for (const auto& r : rows) writeRow(out, r, widths);
    out << '\n';
}

void writePage(std::ostream& out, const PageCaptions& page, const EditorModel& model) {
    out << page.title << '\n';
    std::size_t captionWidth = 0;
    for (const auto& c : page.controls) captionWidth = std::max(captionWidth, width(c.caption));
    for (const auto& c : page.controls) {
        const ShownValue value = shownValue(model, c.name);
        out << "  ";
        pad(out, c.caption, captionWidth);
        out << "  " << (value.radioBytes ? printable(value.text) : value.text) << '\n';
    }
    out << '\n';
}

}  // namespace

std::string settingsSummary(const EditorModel& model) {
    std::ostringstream out;
    writeTable(out, "A/Upper Band channels", model.StringGrid1);
    writeTable(out, "B/Under Band channels", model.StringGrid2);
    for (const PageCaptions& page : settingsPageCaptions()) writePage(out, page, model);
    return out.str();
}

}  // namespace duoband::cli
