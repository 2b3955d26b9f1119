// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// RFC 4180 records, read leniently: LF and CR end lines as CRLF does, a
// quote inside an unquoted field, or after a closing quote, is taken as it
// stands, and the separator may be ';' or a tab, as spreadsheets set to a
// decimal comma write. Only what cannot be read at all is refused: bytes
// that are not UTF-8 (unless any are asked for) and a quoted field that
// never ends.
#include <algorithm>
#include <array>

#include "duoband/channel_csv.h"
#include "duoband/utf8.h"

namespace duoband {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kSeparators = ",;\t";

// The separator of the first line that holds anything: the one of ',', ';'
// and tab it holds most of outside quotes (a comma when it holds none).
char headerSeparator(std::string_view text) {
    std::array<int, kSeparators.size()> counts{};
    bool quoted = false;
    bool named = false;  // the line holds more than separators and blanks
    for (const char c : text) {
        const auto separator = kSeparators.find(c);
        if (c == '"') {
            quoted = !quoted;
            named = true;
        } else if (quoted) {
            continue;
        } else if (c == '\r' || c == '\n') {
            if (named) break;
            counts = {};
        } else if (separator != std::string_view::npos) {
            ++counts[separator];
        } else if (c != ' ') {
            named = true;
        }
    }
    return kSeparators[static_cast<std::size_t>(std::ranges::max_element(counts) - counts.begin())];
}

bool blank(const std::vector<std::string>& fields) {
    return std::ranges::all_of(fields, [](const std::string& f) {
        return f.find_first_not_of(" \t") == std::string::npos;
    });
}

class Reader {
  public:
    Reader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    CsvRecords read() {
        CsvRecords out;
        while (at_ < text_.size()) {
            CsvRecord record{line_, {}};
            if (!readRecord(record.fields)) {
                out.error = phrase(
                    QT_TRANSLATE_NOOP("duoband",
                                      "line %1: a quoted field is never closed (a \" is missing)"),
                    verbatim(record.line));
                out.records.clear();
                return out;
            }
            if (!blank(record.fields)) out.records.push_back(std::move(record));
        }
        return out;
    }

  private:
    // Consumes a line end at the current position, if there is one.
    bool lineEnd() {
        if (text_[at_] == '\r') {
            at_ += at_ + 1 < text_.size() && text_[at_ + 1] == '\n' ? 2 : 1;
        } else if (text_[at_] == '\n') {
            ++at_;
        } else {
            return false;
        }
        ++line_;
        return true;
    }

    // Reads the quoted part of a field, the opening quote already taken;
    // false when the text ends inside it.
    bool readQuoted(std::string& field) {
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                    field += '"';
                    at_ += 2;
                    continue;
                }
                ++at_;
                return true;
            }
            if (c == '\r' || c == '\n') {
                const std::size_t from = at_;
                lineEnd();
                field.append(text_.substr(from, at_ - from));
            } else {
                field += c;
                ++at_;
            }
        }
        return false;
    }

    bool readRecord(std::vector<std::string>& fields) {
        fields.emplace_back();
        while (at_ < text_.size()) {
            if (lineEnd()) return true;
            const char c = text_[at_];
            if (c == separator_) {
                fields.emplace_back();
                ++at_;
            } else if (c == '"' && fields.back().empty()) {
                ++at_;
                if (!readQuoted(fields.back())) return false;
            } else {
                fields.back() += c;
                ++at_;
            }
        }
        return true;
    }

    std::string_view text_;
    char separator_;
    std::size_t at_ = 0;
    int line_ = 1;
};

bool needsQuotes(std::string_view field, char separator) {
    return field.find_first_of("\"\r\n") != std::string_view::npos ||
           field.find(separator) != std::string_view::npos ||
           (!field.empty() && (field.front() == ' ' || field.back() == ' '));
}

}  // namespace

CsvRecords parseCsv(std::string_view text, CsvBytes bytes) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    if (const auto bad = bytes == CsvBytes::Utf8 ? utf8::firstInvalidByte(text) : std::nullopt) {
        const auto line = 1 + std::count(text.begin(), text.begin() + *bad, '\n');
        return {
            {},
            phrase(QT_TRANSLATE_NOOP(
                       "duoband",
                       "line %1: not UTF-8 text (save the file as CSV UTF-8 and import it again)"),
                   verbatim(line))};
    }
    const char separator = headerSeparator(text);
    CsvRecords records = Reader(text, separator).read();
    records.separator = separator;
    return records;
}

std::string csvLine(const std::vector<std::string>& fields, char separator,
                    std::string_view lineEnd) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += separator;
        if (!needsQuotes(fields[i], separator)) {
            line += fields[i];
            continue;
        }
        line += '"';
        for (const char c : fields[i]) line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line.append(lineEnd);
}

}  // namespace duoband
