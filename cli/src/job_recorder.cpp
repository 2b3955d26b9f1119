// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "job_recorder.h"

#include "duoband/backups.h"
#include "duoband/sha256.h"

namespace duoband::cli {

namespace {

std::filesystem::path dataFolder() {
    return locateDataFolder();
}

void fail(Io& io, std::string_view message) {
    io.err << "duoband-cli: " << message << '\n';
}

std::string resultOf(ExchangeOutcome outcome) {
    switch (outcome) {
        case ExchangeOutcome::Success:
            return "success";
        case ExchangeOutcome::Cancelled:
            return "cancelled";
        default:
            return "failed";
    }
}

}  // namespace

JobRecorder::JobRecorder(const std::string& requested, Io& io)
    : address_(registerAddress(requested, dataFolder())),
      spool_(spoolPath(dataFolder())),
      io_(io) {}

bool JobRecorder::open(bool needed, std::string_view command) {
    try {
        // The data folder's register is made on first use, its folder too.
        if (!isPostgresAddress(address_)) {
            const std::filesystem::path folder = std::filesystem::path(address_).parent_path();
            if (address_ == registerAddress({}, dataFolder()))
                std::filesystem::create_directories(folder);
        }
        std::vector<Phrase> notes;
        register_ = RadioRegister::open(address_, notes);
        for (const Phrase& note : notes) fail(io_, "warning: " + english(note));
        if (const std::size_t stored = spool_.replay(*register_); stored > 0)
            io_.err << "duoband-cli: " << stored << " job record" << (stored == 1 ? "" : "s")
                    << " kept in " << spool_.path().string()
                    << " while the register could not be reached " << (stored == 1 ? "is" : "are")
                    << " stored in " << address_ << " now.\n";
        return true;
    } catch (const std::exception& e) {
        register_.reset();
        if (needed) {
            fail(io_, std::string(command) + ": " + e.what());
            return false;
        }
        warnOnce(e.what());
        return false;
    }
}

void JobRecorder::warnOnce(const std::string& why, const Warn& warn) {
    if (warned_) return;
    warned_ = true;
    const std::string warning = "warning: the register cannot take the job's record (" + why +
                                "); it is kept in " + spool_.path().string() +
                                " and stored when the register answers again.";
    if (warn) return warn(warning);
    fail(io_, warning);
}

void JobRecorder::record(JobRecord job, const Warn& warn) {
    if (job.time.empty()) job.time = utcTimeNow();
    if (job.bench.empty()) job.bench = benchName();
    std::lock_guard lock(mutex_);
    if (register_ != nullptr) {
        try {
            register_->record(job);
            return;
        } catch (const RegisterError& e) {
            warnOnce(e.what(), warn);
        }
    }
    if (const Phrase problem = spool_.keep(address_, job); !problem.empty()) {
        if (warn) return warn("warning: " + english(problem));
        fail(io_, "warning: " + english(problem));
    }
}

JobRecord jobRecordOf(std::string_view kind, const JobReport& report) {
    JobRecord job;
    job.kind = kind;
    job.port = report.port;
    job.result = report.result;
    job.message = report.message;
    job.detail = report.detail;
    job.seconds = report.seconds;
    job.backup = report.backup;
    return job;
}

JobRecord jobRecordOf(std::string_view kind, const std::string& port, const ExchangeResult& result,
                      double seconds) {
    JobRecord job;
    job.kind = kind;
    job.port = port;
    job.result = resultOf(result.outcome);
    job.message = result.message;
    job.detail = result.detail;
    job.seconds = seconds;
    return job;
}

UnitNumbers numbersIn(const RadioImage& image) {
    UnitNumbers numbers;
    for (UnitField f : kUnitFields) numbers[f] = unitNumberIn(image, f);
    return numbers;
}

std::string imageSha256(const RadioImage& image) {
    std::string bytes;
    for (const StepBytes& step : image.steps) bytes.append(step.bytes.begin(), step.bytes.end());
    return sha256Hex(bytes);
}

}  // namespace duoband::cli
