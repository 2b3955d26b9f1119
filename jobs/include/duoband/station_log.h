// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The station log: one CSV line per radio programmed, with the numbers it
// got, so that no number is given twice. The log is read by the one CSV
// reader (a spreadsheet may have saved it with semicolons, a BOM, a decimal
// comma or without a final line end), and new lines take the file's own
// separator, line end and decimal mark. Fields other than the numbers are
// kept as they are, bytes that are not UTF-8 included.
//
// The log is locked (flock) while a command or a station uses it; lines are
// appended and flushed to the disk as their radios end, from any job's thread.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "duoband/channel_csv.h"
#include "duoband/phrase.h"
#include "duoband/radio_jobs.h"
#include "duoband/unit_numbers.h"

namespace duoband {

// The first line of a new log.
inline constexpr std::string_view kStationLogHeader =
    "time,port,configuration,result,seconds,native-id,identity-code,message,detail,backup\r\n";

class StationLog {
  public:
    StationLog() = default;
    StationLog(const StationLog&) = delete;
    StationLog& operator=(const StationLog&) = delete;
    ~StationLog();

    // Opens `path` for appending, creates it with its header when missing or
    // empty, and locks it; empty, or why it cannot be used: not a regular
    // file, in use, not a station log (its header lacks `time`, `native-id`
    // or `identity-code`), or a number it holds that cannot be read.
    Phrase open(const std::filesystem::path& path);
    const std::filesystem::path& path() const { return path_; }
    // The highest number of `field` the log holds, whatever the line's
    // result; nullopt when none.
    std::optional<std::uint64_t> highest(UnitField field) const {
        return highest_[static_cast<std::size_t>(field)];
    }
    // Appends the line of a radio that ended and flushes it to the disk;
    // empty, or why it was not written (the log is then as it was).
    Phrase append(const JobReport& report, const std::string& configuration);

  private:
    Phrase takeRecords(std::string_view text);
    Phrase startLog();
    Phrase missingColumns() const;
    Phrase takeNumbers(std::span<const CsvRecord> rows);
    std::string lineOf(const JobReport& report, const std::string& configuration) const;
    Phrase problem(std::string_view what, int error) const;

    int fd_ = -1;
    std::filesystem::path path_;
    std::vector<std::string> columns_;  // the header's, in its order
    char separator_ = ',';
    std::string lineEnd_ = "\r\n";
    bool decimalComma_ = false;
    bool lineEndMissing_ = false;  // the last line of the file is not ended yet
    std::array<std::optional<std::uint64_t>, kUnitFields.size()> highest_;
    std::mutex mutex_;
};

// A numbering that gives no number the log already holds: it continues after
// the log's highest number when that is at or above the start.
UnitNumbering continuedAfter(const StationLog& log, UnitNumbering numbering);

}  // namespace duoband
