// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/settings_file.h"

#include <array>
#include <functional>
#include <vector>

#include "duoband/channel_record.h"
#include "duoband/counted.h"
#include "duoband/memory_map.h"
#include "settings_layout.h"
#include "settings_splitter.h"

namespace duoband {

namespace {

constexpr std::string_view kForbidden = ",\"'\r\n";

std::string whereInTable(Band band, int row, Column column) {
    return std::string(bandName(band)) + " channel " + std::to_string(row) + ", column \"" +
           std::string(columnTitle(column)) + "\"";
}

std::string forbiddenProblem(std::string_view text, const std::string& where) {
    const auto pos = text.find_first_of(kForbidden);
    if (pos == std::string_view::npos) return {};
    const char c = text[pos];
    const std::string shown = c == '\r'   ? "a line break"
                              : c == '\n' ? "a line break"
                                          : "'" + std::string(1, c) + "'";
    return where + " holds " + shown;
}

// An empty cell is written as a single blank, so a cell that is one blank
// would read back empty.
std::string cellProblem(std::string_view text, const std::string& where) {
    if (text == " ") return where + " is a single blank";
    return forbiddenProblem(text, where);
}

// Open skips a '~' at the start of a line.
std::string lineStartProblem(std::string_view firstField, const std::string& where) {
    if (firstField.starts_with('~')) return where + " begins with '~'";
    return {};
}

class Writer {
  public:
    void cell(std::string_view text) {
        out_ += text.empty() ? std::string(" ,") : std::string(text) + ",";
    }
    void index(const Choice& c) { out_ += std::to_string(c.index) + ","; }
    void text(std::string_view t) { out_ += std::string(t) + " ,"; }
    void block(std::string_view hex) { out_ += std::string(hex) + ","; }
    void endLine() { out_ += '\r'; }
    std::string take() { return std::move(out_); }

  private:
    std::string out_;
};

void writeChannelLines(Writer& w, const ChannelTable& table) {
    for (int row = 1; row <= ChannelTable::kChannels; ++row) {
        std::array<std::string_view, kColumnCount> fields;
        for (const ChannelColumn& c : channelColumns())
            fields.at(static_cast<std::size_t>(c.fileField - 1)) = table.cell(c.column, row);
        for (std::string_view field : fields) w.cell(field);
        w.cell("");  // the fourteenth field, outside the table
        w.endLine();
    }
}

void writeFields(Writer& w, const SettingsLine& line, const EditorModel& model) {
    for (const SettingRef& ref : line.fields) {
        if (const Choice* choice = choiceOf(model, ref)) {
            w.index(*choice);
        } else if (setting(ref.id).encoding == Encoding::HexDigits) {
            w.block(*textOf(model, ref));
        } else {
            w.text(*textOf(model, ref));
        }
    }
}

}  // namespace

std::vector<std::string> textsSettingsFileCannotCarry(const EditorModel& model) {
    std::vector<std::string> problems;
    const auto note = [&](std::string problem) {
        if (!problem.empty()) problems.push_back(std::move(problem));
    };
    for (Band band : kBands) {
        const ChannelTable& table = model.channels(band);
        for (int row = 1; row <= ChannelTable::kChannels; ++row) {
            for (const ChannelColumn& c : channelColumns()) {
                const std::string& cell = table.cell(c.column, row);
                const std::string where = whereInTable(band, row, c.column);
                note(cellProblem(cell, where));
                if (c.fileField == 1) note(lineStartProblem(cell, where));
            }
        }
    }
    for (const SettingsLine& line : settingsLines()) {
        for (const SettingRef& ref : line.fields) {
            const std::string* t = textOf(model, ref);
            if (t == nullptr) continue;
            note(forbiddenProblem(*t, describeSetting(ref)));
            if (&ref == &line.fields.front()) note(lineStartProblem(*t, describeSetting(ref)));
        }
    }
    return problems;
}

FileResult settingsText(const EditorModel& model, std::string& text) {
    FileResult result;
    const auto problems = textsSettingsFileCannotCarry(model);
    if (!problems.empty()) {
        result.error = problems.front() +
                       ", which a settings file cannot carry. Change the text and save again.";
        return result;
    }
    Writer w;
    writeChannelLines(w, model.channels(Band::A));
    for (const SettingsLine& line : settingsLines()) {
        // Band B's channels stand between band A's "Set up" line and its own.
        if (line.number == kBandBFirstChannelLine + ChannelTable::kChannels)
            writeChannelLines(w, model.channels(Band::B));
        writeFields(w, line, model);
        w.endLine();
    }
    text = w.take();
    text.back() = '\r';
    text += '\n';
    return result;
}

namespace {

std::string at(int line, int field) {
    return "Line " + std::to_string(line) + ", field " + std::to_string(field) + ": ";
}

bool isDecimalInteger(std::string_view s) {
    if (!s.empty() && s.front() == '-') s.remove_prefix(1);
    if (s.empty() || s.size() > 9) return false;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// Checks one field and applies it to `model`; returns an error or "".
std::string applyField(SettingRef ref, std::string_view item, EditorModel& model, int line,
                       int field) {
    if (Choice* choice = choiceOf(model, ref)) {
        if (!isDecimalInteger(item)) {
            return at(line, field) + "the list index \"" + std::string(item) + "\" of " +
                   describeSetting(ref) + " is not a whole number.";
        }
        choice->select(std::stoi(std::string(item)));
        return {};
    }
    const Setting& s = setting(ref.id);
    if (s.encoding == Encoding::HexDigits) {
        const int digits = 2 * s.bytes();
        if (static_cast<int>(item.size()) != digits || !isHexText(item)) {
            return at(line, field) + "the block field " + describeSetting(ref) + " must be " +
                   std::to_string(digits) + " hex digits, not \"" + std::string(item) + "\".";
        }
    } else if (!item.empty() && item.back() == ' ') {
        item.remove_suffix(1);  // Save writes each text followed by one blank.
    }
    *textOf(model, ref) = std::string(item);
    return {};
}

std::string applyChannelLine(const std::vector<std::string_view>& items, ChannelTable& table,
                             int row, int line) {
    constexpr std::size_t kFields = kColumnCount + 1;
    if (items.size() < kFields) {
        return at(line, static_cast<int>(items.size()) + 1) + "the channel line has " +
               counted(items.size(), "field") + " instead of " + std::to_string(kFields) + ".";
    }
    for (const ChannelColumn& c : channelColumns()) {
        const std::string_view item = items[static_cast<std::size_t>(c.fileField - 1)];
        table.cell(c.column, row) = item == " " ? std::string() : std::string(item);
    }
    return {};
}

std::string applySettingsLine(const std::vector<std::string_view>& items, const SettingsLine& line,
                              EditorModel& model) {
    if (items.size() < line.fields.size()) {
        return at(line.number, static_cast<int>(items.size()) + 1) + "the line has " +
               counted(items.size(), "field") + " instead of " +
               std::to_string(line.fields.size()) + ".";
    }
    for (std::size_t i = 0; i < line.fields.size(); ++i) {
        auto error =
            applyField(line.fields[i], items[i], model, line.number, static_cast<int>(i) + 1);
        if (!error.empty()) return error;
    }
    return {};
}

std::string applyLines(const std::vector<std::string_view>& lines, EditorModel& model) {
    auto channelLine = [&](std::size_t i, ChannelTable& table, int row) {
        const auto split = splitFields(lines[i]);
        if (!split.ok) return at(static_cast<int>(i) + 1, 0) + "a quote is never closed.";
        return applyChannelLine(split.items, table, row, static_cast<int>(i) + 1);
    };
    for (int row = 1; row <= ChannelTable::kChannels; ++row) {
        auto error = channelLine(static_cast<std::size_t>(kBandAFirstChannelLine + row - 2),
                                 model.channels(Band::A), row);
        if (error.empty())
            error = channelLine(static_cast<std::size_t>(kBandBFirstChannelLine + row - 2),
                                model.channels(Band::B), row);
        if (!error.empty()) return error;
    }
    for (const SettingsLine& line : settingsLines()) {
        const auto split = splitFields(lines[static_cast<std::size_t>(line.number - 1)]);
        if (!split.ok) return at(line.number, 0) + "a quote is never closed.";
        auto error = applySettingsLine(split.items, line, model);
        if (!error.empty()) return error;
    }
    return {};
}

}  // namespace

FileResult applySettingsText(std::string_view text, EditorModel& model) {
    FileResult result;
    const auto lines = splitLines(text);
    if (!lines.ok) {
        result.error = "A quote in the file is never closed; the file is not a settings file.";
        return result;
    }
    if (lines.items.size() < kSettingsLines) {
        result.error = "The file has " + counted(lines.items.size(), "line") + " instead of " +
                       std::to_string(kSettingsLines) + "; it is not a complete settings file.";
        return result;
    }
    EditorModel loaded = model;
    result.error = applyLines(lines.items, loaded);
    if (result.ok()) model = std::move(loaded);
    return result;
}

std::filesystem::path settingsFilePath(const std::filesystem::path& chosen) {
    std::filesystem::path target = chosen;
    if (!chosen.filename().string().ends_with(".bc")) target += ".bc";
    return target;
}

FileResult saveSettingsFile(const EditorModel& model, const std::filesystem::path& chosen) {
    std::string text;
    FileResult result = settingsText(model, text);
    if (!result.ok()) return result;
    const std::filesystem::path target = settingsFilePath(chosen);
    result = writeFileAtomically(target, text);
    result.path = target;
    return result;
}

FileResult openSettingsFile(const std::filesystem::path& path, EditorModel& model) {
    return applyWholeFile(path,
                          [&](std::string_view bytes) { return applySettingsText(bytes, model); });
}

}  // namespace duoband
