// SPDX-License-Identifier: GPL-3.0-or-later
// The station log: one CSV line (RFC 4180, UTF-8) per radio programmed, with
// the numbers it got, so that no number is given twice. The log is locked
// (flock) while a command or a station uses it; lines are appended as their
// radios end, from any job's thread.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>

#include "duoband/radio_jobs.h"
#include "duoband/unit_numbers.h"

namespace duoband {

inline constexpr std::string_view kStationLogHeader =
    "time,port,configuration,result,seconds,native-id,identity-code,message,detail,backup\r\n";

class StationLog {
  public:
    StationLog() = default;
    StationLog(const StationLog&) = delete;
    StationLog& operator=(const StationLog&) = delete;
    ~StationLog();

    // Opens `path` for appending, creates it with its header when missing,
    // and locks it; empty, or why it cannot be used.
    std::string open(const std::filesystem::path& path);
    // The highest number of `field` the log holds, whatever the line's
    // result; nullopt when none.
    std::optional<std::uint64_t> highest(UnitField field) const {
        return highest_[static_cast<std::size_t>(field)];
    }
    // Appends the line of a radio that ended; empty, or why it was not written.
    std::string append(const JobReport& report, const std::string& configuration);

  private:
    int fd_ = -1;
    std::filesystem::path path_;
    std::array<std::optional<std::uint64_t>, kUnitFields.size()> highest_;
    std::mutex mutex_;
};

// A numbering that gives no number the log already holds: it continues after
// the log's highest number when that is at or above the start.
UnitNumbering continuedAfter(const StationLog& log, UnitNumbering numbering);

// One CSV field, quoted when it must be.
std::string csvField(std::string_view text);

}  // namespace duoband
