// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The records of jobs done while the register could not be reached: kept in
// a CSV file in the data folder, each with the register it belongs to, and
// stored there when it answers again. The file is locked (flock) while it
// is read or written, so processes never lose each other's records.
#pragma once

#include <filesystem>
#include <string>

#include "duoband/phrase.h"
#include "duoband/radio_register.h"

namespace duoband {

std::filesystem::path spoolPath(const std::filesystem::path& dataFolder);

class JobSpool {
  public:
    explicit JobSpool(std::filesystem::path file) : file_(std::move(file)) {}
    const std::filesystem::path& path() const { return file_; }

    // Keeps `job` for the register at `address`, flushed to the disk; empty,
    // or why it could not be kept.
    Phrase keep(const std::string& address, const JobRecord& job) const;
    // Stores the records kept for `reg` into it, all in one go, and removes
    // them from the file; the number stored. Throws RegisterError, keeping
    // every record, when the register or the file fails.
    std::size_t replay(RadioRegister& reg) const;

  private:
    std::filesystem::path file_;
};

}  // namespace duoband
