// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The register as a front end uses it: opened once, every radio job
// recorded in it, and the records it could not take kept in the spool and
// stored when it answers again, saying so each time. The command line and
// the window share it; each shows what it says in its own way.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include "duoband/job_spool.h"
#include "duoband/phrase.h"
#include "duoband/radio_jobs.h"
#include "duoband/radio_register.h"

namespace duoband {

// What the recorder tells the user: a warning (a record spooled, a weak
// setting) or news (records kept earlier are stored now).
struct RecorderNews {
    Phrase text;
    bool warning = true;
};
using RecorderSay = std::function<void(const RecorderNews&)>;

class JobRecorder {
  public:
    // `requested`: an address, or empty for the file in `dataFolder`.
    JobRecorder(const std::string& requested, const std::filesystem::path& dataFolder,
                RecorderSay say);

    // Opens the register and stores what the spool kept for it. Empty on
    // success; otherwise why it cannot be opened, and a recorder that is not
    // `needed` warns once and keeps its records in the spool. Safe while
    // jobs record from their threads; isOpen() and reg() are for the thread
    // that opens.
    Phrase open(bool needed);
    // The open register; only after open() succeeded.
    RadioRegister& reg() { return *register_; }
    bool isOpen() const { return register_ != nullptr; }
    const std::string& address() const { return address_; }

    // Stores `job` (time and bench filled in), or keeps it in the spool with
    // one warning, through `say` when given (a job's own output, which keeps
    // a fleet's screen in order). Safe from any job's thread.
    void record(JobRecord job, const RecorderSay& say = {});

  private:
    void warnOnce(const Phrase& why, const RecorderSay& say);

    std::string address_;
    std::filesystem::path dataFolder_;
    JobSpool spool_;
    RecorderSay say_;
    std::unique_ptr<RadioRegister> register_;
    std::mutex mutex_;
    bool warned_ = false;
};

// The record of a job that ended with `report`.
JobRecord jobRecordOf(std::string_view kind, const JobReport& report);
// The record of a partial transfer on `port`.
JobRecord jobRecordOf(std::string_view kind, const std::string& port, const ExchangeResult& result,
                      double seconds);
// The record of a write of `sent` (from `configuration`) that ended with
// `report`: the numbers it gave and the SHA-256 of its bytes.
JobRecord writeRecordOf(const JobReport& report, const RadioImage& sent,
                        const std::string& configuration);
// The kind of a boot message or limits transfer: "read-boot", "write-limits".
std::string_view partialJobKind(PartialBlock block, bool write);
// The numbers `image` holds, as a record's before or after.
UnitNumbers numbersIn(const RadioImage& image);
// The SHA-256 of the bytes a write of `image` sends.
std::string imageSha256(const RadioImage& image);

}  // namespace duoband
