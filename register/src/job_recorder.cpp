// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/job_recorder.h"

#include "duoband/sha256.h"

namespace duoband {

namespace {

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

Phrase storedNews(std::size_t stored, const std::filesystem::path& spool,
                  const std::string& address) {
    if (stored == 1)
        return phrase(QT_TRANSLATE_NOOP("duoband",
                                        "1 job record kept in %1 while the register could not be "
                                        "reached is stored in %2 now."),
                      verbatim(spool.string()), verbatim(address));
    return phrase(QT_TRANSLATE_NOOP("duoband",
                                    "%1 job records kept in %2 while the register could not be "
                                    "reached are stored in %3 now."),
                  verbatim(static_cast<long long>(stored)), verbatim(spool.string()),
                  verbatim(address));
}

Phrase whyOf(const std::exception& e) {
    if (const auto* refused = dynamic_cast<const RegisterError*>(&e)) return refused->why();
    return verbatim(e.what());
}

}  // namespace

JobRecorder::JobRecorder(const std::string& requested, const std::filesystem::path& dataFolder,
                         RecorderSay say)
    : address_(registerAddress(requested, dataFolder)),
      dataFolder_(dataFolder),
      spool_(spoolPath(dataFolder)),
      say_(std::move(say)) {}

Phrase JobRecorder::open(bool needed) {
    // A job's thread may be recording meanwhile.
    std::lock_guard lock(mutex_);
    try {
        // The data folder's register is made on first use, its folder too.
        if (address_ == registerAddress({}, dataFolder_))
            std::filesystem::create_directories(std::filesystem::path(address_).parent_path());
        std::vector<Phrase> notes;
        register_ = RadioRegister::open(address_, notes);
        for (const Phrase& note : notes) say_({note, true});
        if (const std::size_t stored = spool_.replay(*register_); stored > 0)
            say_({storedNews(stored, spool_.path(), address_), false});
        return {};
    } catch (const std::exception& e) {
        register_.reset();
        if (!needed) warnOnce(whyOf(e), {});
        return whyOf(e);
    }
}

void JobRecorder::warnOnce(const Phrase& why, const RecorderSay& say) {
    if (warned_) return;
    warned_ = true;
    const RecorderNews warning{
        phrase(QT_TRANSLATE_NOOP("duoband",
                                 "the register cannot take the job's record (%1); it is kept in "
                                 "%2 and stored when the register answers again."),
               why, verbatim(spool_.path().string())),
        true};
    (say ? say : say_)(warning);
}

void JobRecorder::record(JobRecord job, const RecorderSay& say) {
    if (job.time.empty()) job.time = utcTimeNow();
    if (job.bench.empty()) job.bench = benchName();
    std::lock_guard lock(mutex_);
    if (register_ != nullptr) {
        try {
            register_->record(job);
            return;
        } catch (const RegisterError& e) {
            warnOnce(e.why(), say);
        }
    }
    if (const Phrase problem = spool_.keep(address_, job); !problem.empty())
        (say ? say : say_)({problem, true});
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

JobRecord writeRecordOf(const JobReport& report, const RadioImage& sent,
                        const std::string& configuration) {
    JobRecord job = jobRecordOf("write", report);
    job.after = numbersIn(sent);
    job.configuration = configuration;
    job.configurationSha256 = imageSha256(sent);
    return job;
}

std::string_view partialJobKind(PartialBlock block, bool write) {
    if (block == PartialBlock::BootMessage) return write ? "write-boot" : "read-boot";
    return write ? "write-limits" : "read-limits";
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

}  // namespace duoband
