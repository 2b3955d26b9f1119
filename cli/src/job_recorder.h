// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The register as duoband-cli uses it: opened once per command, every radio
// job recorded in it, and the records it could not take kept in the spool
// and stored when it answers again, saying so each time.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "duoband/cli.h"
#include "duoband/job_spool.h"
#include "duoband/radio_jobs.h"
#include "duoband/radio_register.h"

namespace duoband::cli {

class JobRecorder {
  public:
    // `requested`: --register's address, or empty for the data folder's file.
    JobRecorder(const std::string& requested, Io& io);

    // Opens the register and stores what the spool kept for it. When it
    // cannot be opened: false and why; a recorder that is not `needed` warns
    // once and keeps its records in the spool.
    bool open(bool needed, std::string_view command);
    // The open register; only after open() returned true.
    RadioRegister& reg() { return *register_; }
    bool isOpen() const { return register_ != nullptr; }

    // Stores `job` (time and bench filled in), or keeps it in the spool with
    // one warning, through `warn` when given (a job's own output, which
    // keeps a fleet's screen in order). Safe from any job's thread.
    using Warn = std::function<void(const std::string&)>;
    void record(JobRecord job, const Warn& warn = {});

  private:
    void warnOnce(const std::string& why, const Warn& warn = {});

    std::string address_;
    JobSpool spool_;
    Io& io_;
    std::unique_ptr<RadioRegister> register_;
    std::mutex mutex_;
    bool warned_ = false;
};

// The record of a job that ended with `report`.
JobRecord jobRecordOf(std::string_view kind, const JobReport& report);
// The record of a partial transfer on `port`.
JobRecord jobRecordOf(std::string_view kind, const std::string& port, const ExchangeResult& result,
                      double seconds);
// The numbers `image` holds, as a record's before or after.
UnitNumbers numbersIn(const RadioImage& image);
// The SHA-256 of the bytes a write of `image` sends.
std::string imageSha256(const RadioImage& image);

}  // namespace duoband::cli
