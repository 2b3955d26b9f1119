// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/station_log.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <ctime>
#include <vector>

namespace duoband {

namespace {

// The records of a CSV text, each a list of fields.
std::vector<std::vector<std::string>> csvRecords(std::string_view text) {
    std::vector<std::vector<std::string>> records(1);
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            records.back().push_back(std::move(field));
            field.clear();
        } else if (c == '\n') {
            records.back().push_back(std::move(field));
            field.clear();
            records.emplace_back();
        } else if (c != '\r') {
            field += c;
        }
    }
    if (!field.empty() || !records.back().empty()) records.back().push_back(std::move(field));
    if (records.back().empty()) records.pop_back();
    return records;
}

std::optional<std::uint64_t> numberOf(const std::string& digits) {
    std::uint64_t n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return n;
}

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

std::string readAll(int fd) {
    std::string text;
    char chunk[65536];
    for (ssize_t n; (n = ::pread(fd, chunk, sizeof chunk, static_cast<off_t>(text.size()))) > 0;)
        text.append(chunk, static_cast<std::size_t>(n));
    return text;
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (const char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

StationLog::~StationLog() {
    if (fd_ >= 0) ::close(fd_);  // releases the lock
}

std::string StationLog::open(const std::filesystem::path& path) {
    path_ = path;
    // A new log is readable and writable by all, less the user's umask, as every new file.
    fd_ = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0) return "cannot open the log " + path.string() + ": " + std::strerror(errno);
    if (::flock(fd_, LOCK_EX | LOCK_NB) != 0)
        return "the log " + path.string() +
               " is in use by another duoband; wait until it ends or choose another log";
    const std::string text = readAll(fd_);
    if (text.empty()) {
        if (!writeAll(fd_, kStationLogHeader))
            return "cannot write the log " + path.string() + ": " + std::strerror(errno);
        return {};
    }
    const auto records = csvRecords(text);
    const std::vector<std::string>& header = records.front();
    for (UnitField f : kUnitFields) {
        const auto column = std::ranges::find(header, unitFieldLayout(f).name);
        if (column == header.end()) continue;
        const auto at = static_cast<std::size_t>(column - header.begin());
        for (std::size_t r = 1; r < records.size(); ++r) {
            if (at >= records[r].size()) continue;
            const auto n = numberOf(records[r][at]);
            auto& highest = highest_[static_cast<std::size_t>(f)];
            if (n && (!highest || *n > *highest)) highest = n;
        }
    }
    return {};
}

std::string StationLog::append(const JobReport& report, const std::string& configuration) {
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", report.seconds);
    const std::string fields[] = {localTimeNow(),
                                  report.port,
                                  configuration,
                                  report.result,
                                  seconds,
                                  report.numbers[UnitField::NativeId],
                                  report.numbers[UnitField::IdentityCode],
                                  report.message,
                                  report.detail,
                                  report.backup};
    std::string line;
    for (const std::string& field : fields) line += (line.empty() ? "" : ",") + csvField(field);
    line += "\r\n";
    std::lock_guard lock(mutex_);
    if (fd_ < 0 || !writeAll(fd_, line))
        return "cannot write the log " + path_.string() + ": " + std::strerror(errno);
    return {};
}

UnitNumbering continuedAfter(const StationLog& log, UnitNumbering numbering) {
    const auto highest = log.highest(numbering.field);
    if (highest && *highest >= numbering.start) numbering.start = *highest + 1;
    return numbering;
}

}  // namespace duoband
