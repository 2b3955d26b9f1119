// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/station_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <ctime>

#include "duoband/channel_csv.h"
#include "duoband/whole_file.h"

namespace duoband {

namespace {

constexpr std::string_view kSecondsColumn = "seconds";
constexpr std::string_view kCannotOpen = QT_TRANSLATE_NOOP("duoband", "cannot open the log %1: %2");
constexpr std::string_view kCannotWrite =
    QT_TRANSLATE_NOOP("duoband", "cannot write the log %1: %2");

// Now in local time, ISO 8601 with the offset: 2026-12-07T14:03:12+01:00.
std::string localTimeNow() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    char text[40];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
    std::string out = text;
    out.insert(out.size() - 2, ":");
    return out;
}

// The line end of the file's first line; CRLF when it has none.
std::string lineEndOf(std::string_view text) {
    const auto end = text.find_first_of("\r\n");
    if (end == std::string_view::npos) return "\r\n";
    if (text[end] == '\n') return "\n";
    return end + 1 < text.size() && text[end + 1] == '\n' ? "\r\n" : "\r";
}

std::optional<std::size_t> columnOf(const std::vector<std::string>& columns,
                                    std::string_view name) {
    const auto at = std::ranges::find(columns, name);
    if (at == columns.end()) return std::nullopt;
    return static_cast<std::size_t>(at - columns.begin());
}

std::string_view fieldOf(const CsvRecord& record, std::optional<std::size_t> column) {
    if (!column || *column >= record.fields.size()) return {};
    return record.fields[*column];
}

// A number as the log keeps it: the decimal digits its field holds, leading
// zeros included; nullopt for anything else (blanks, a sign, too many digits).
std::optional<std::uint64_t> loggedNumber(std::string_view text, UnitField field) {
    const bool digitsOnly = !text.empty() && text.size() <= unitFieldLayout(field).digits &&
                            std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
    if (!digitsOnly) return std::nullopt;
    std::uint64_t n = 0;
    std::from_chars(text.data(), text.data() + text.size(), n);
    return n;
}

}  // namespace

StationLog::~StationLog() {
    if (fd_ >= 0) ::close(fd_);  // releases the lock
}

Phrase StationLog::problem(std::string_view what, int error) const {
    return phrase(what, verbatim(path_.string()), verbatim(std::strerror(error)));
}

Phrase StationLog::open(const std::filesystem::path& path) {
    path_ = path;
    // A device or a pipe would take the lines nowhere, or never end.
    const auto notAFile = [&](mode_t mode) {
        return phrase(QT_TRANSLATE_NOOP("duoband", "the log %1 is %2, not a file; choose a file"),
                      verbatim(path.string()), Phrase(nonFileKind(mode)));
    };
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) return notAFile(info.st_mode);
    // A new log is readable and writable by all, less the user's umask, as every new file.
    fd_ = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOCTTY, 0666);
    if (fd_ < 0 || ::fstat(fd_, &info) != 0) return problem(kCannotOpen, errno);
    if (!S_ISREG(info.st_mode)) return notAFile(info.st_mode);  // put there since the check
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
        return phrase(QT_TRANSLATE_NOOP("duoband",
                                        "the log %1 is in use by another duoband; wait until it "
                                        "ends or choose another log"),
                      verbatim(path.string()));
    return takeRecords(readAll(fd_));
}

// The header's columns, the file's way of writing lines, and the highest
// number of each field; a new or empty file gets the header first.
Phrase StationLog::takeRecords(std::string_view text) {
    const CsvRecords read = parseCsv(text, CsvBytes::Any);
    if (!read.ok())
        return phrase(QT_TRANSLATE_NOOP("duoband", "%1 is not a station log: %2"),
                      verbatim(path_.string()), read.error);
    lineEndMissing_ = !text.empty() && text.back() != '\n' && text.back() != '\r';
    if (read.records.empty()) return startLog();
    columns_ = read.records.front().fields;
    separator_ = read.separator;
    lineEnd_ = lineEndOf(text);
    if (const Phrase missing = missingColumns(); !missing.empty()) return missing;
    const auto rows = std::span(read.records).subspan(1);
    const auto seconds = columnOf(columns_, kSecondsColumn);
    decimalComma_ = std::ranges::any_of(rows, [&](const CsvRecord& r) {
        return fieldOf(r, seconds).find(',') != std::string_view::npos;
    });
    return takeNumbers(rows);
}

Phrase StationLog::startLog() {
    columns_ = parseCsv(kStationLogHeader).records.front().fields;
    const std::string header = (lineEndMissing_ ? lineEnd_ : "") + std::string(kStationLogHeader);
    if (!writeAll(fd_, header) || ::fsync(fd_) != 0) return problem(kCannotWrite, errno);
    lineEndMissing_ = false;
    return {};
}

// Extra and reordered columns are fine; these tell a station log.
Phrase StationLog::missingColumns() const {
    std::vector<Phrase> missing;
    for (std::string_view needed :
         {std::string_view("time"), unitFieldLayout(UnitField::NativeId).name,
          unitFieldLayout(UnitField::IdentityCode).name})
        if (!columnOf(columns_, needed)) missing.push_back(verbatim(needed));
    if (missing.empty()) return {};
    return phrase(
        QT_TRANSLATE_NOOP("duoband", "%1 is not a station log: its first line has no %2 column"),
        verbatim(path_.string()), joined(missing, "%1, %2"));
}

// A number it cannot read is named: ignored, it could be given again.
Phrase StationLog::takeNumbers(std::span<const CsvRecord> rows) {
    for (UnitField f : kUnitFields) {
        const auto column = columnOf(columns_, unitFieldLayout(f).name);
        auto& highest = highest_[static_cast<std::size_t>(f)];
        for (const CsvRecord& row : rows) {
            const std::string_view text = fieldOf(row, column);
            if (text.empty()) continue;
            const auto n = loggedNumber(text, f);
            if (!n)
                return phrase(QT_TRANSLATE_NOOP("duoband",
                                                "%1, line %2: the %3 \"%4\" is not a number of up "
                                                "to %5 digits; correct it or choose another log"),
                              verbatim(path_.string()), verbatim(row.line),
                              verbatim(unitFieldLayout(f).name), verbatim(text),
                              verbatim(static_cast<long long>(unitFieldLayout(f).digits)));
            if (!highest || *n > *highest) highest = n;
        }
    }
    return {};
}

std::string StationLog::lineOf(const JobReport& report, const std::string& configuration) const {
    char seconds[32];
    const auto end = std::to_chars(seconds, seconds + sizeof seconds, report.seconds,
                                   std::chars_format::fixed, 1)
                         .ptr;
    std::string secondsText(seconds, end);
    if (decimalComma_) std::ranges::replace(secondsText, '.', ',');
    std::vector<std::pair<std::string_view, std::string>> values{
        {"time", localTimeNow()},  {"port", report.port},         {"configuration", configuration},
        {"result", report.result}, {kSecondsColumn, secondsText}, {"message", report.message},
        {"detail", report.detail}, {"backup", report.backup}};
    for (UnitField f : kUnitFields) values.emplace_back(unitFieldLayout(f).name, report.numbers[f]);
    std::vector<std::string> fields;
    for (const std::string& column : columns_) {
        const auto value = std::ranges::find(values, column, &decltype(values)::value_type::first);
        fields.push_back(value == values.end() ? std::string() : value->second);
    }
    return csvLine(fields, separator_, lineEnd_);
}

Phrase StationLog::append(const JobReport& report, const std::string& configuration) {
    const std::string line = lineOf(report, configuration);
    std::lock_guard lock(mutex_);
    if (fd_ < 0) return problem(kCannotWrite, EBADF);
    struct stat before {};
    if (::fstat(fd_, &before) != 0) return problem(kCannotWrite, errno);
    if (writeAll(fd_, (lineEndMissing_ ? lineEnd_ : "") + line) && ::fsync(fd_) == 0) {
        lineEndMissing_ = false;
        return {};
    }
    const int error = errno;
    // A line cut short would have the next one glued to it.
    if (::ftruncate(fd_, before.st_size) != 0) lineEndMissing_ = true;
    return problem(kCannotWrite, error);
}

UnitNumbering continuedAfter(const StationLog& log, UnitNumbering numbering) {
    const auto highest = log.highest(numbering.field);
    if (highest && *highest >= numbering.start) numbering.start = *highest + 1;
    return numbering;
}

}  // namespace duoband
