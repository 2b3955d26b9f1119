// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/radio_jobs.h"

#include <chrono>
#include <cstdlib>

#include "duoband/settings_file.h"
#include "duoband/write_verify.h"

namespace duoband {

namespace {

using Clock = std::chrono::steady_clock;

void say(JobOutput& output, JobReport& report, const std::string& line) {
    report.message = line;
    report.lines.push_back(line);
    if (output.say) output.say(line);
}

void warn(JobOutput& output, const std::string& line) {
    if (output.warn) output.warn(line);
}

void enter(JobOutput& output, JobState state) {
    if (output.state) output.state(state);
}

ProgrammingExchange::Progress progressOf(JobOutput& output) {
    if (!output.progress) return {};
    return [&output](int done) { output.progress(done); };
}

// The outcome of an exchange as the job's result and status.
void takeOutcome(const ExchangeResult& r, JobReport& report) {
    report.outcome = r.outcome;
    report.progress = r.progress;
    switch (r.outcome) {
        case ExchangeOutcome::Success:
            report.result = "success";
            report.status = JobStatus::Ok;
            return;
        case ExchangeOutcome::Cancelled:
            report.result = "cancelled";
            report.status = JobStatus::RadioFailed;
            return;
        case ExchangeOutcome::RadioFailed:
        case ExchangeOutcome::Busy:
            report.result = "failed";
            report.status = JobStatus::RadioFailed;
            return;
        case ExchangeOutcome::Invalid:
            report.result = "failed";
            report.status = JobStatus::UsageError;
            return;
    }
}

// The exchange's result for this radio: its message, then why it failed on
// a line of its own.
void tell(const ExchangeResult& r, JobOutput& output, JobReport& report) {
    takeOutcome(r, report);
    say(output, report, r.message);
    report.detail = r.detail;
    report.why = r.why;
    if (!r.detail.empty()) warn(output, r.detail);
}

// Keeps `image` as a backup of `kind`; the file, or empty when none was kept.
std::filesystem::path keepBackup(BackupKind kind, const std::string& port, const RadioImage& image,
                                 const JobOptions& options, JobOutput& output, JobReport& report) {
    if (!options.keepBackups || options.backupFolder.empty()) return {};
    const BackupResult kept = saveBackup(options.backupFolder, kind, port, stampedNow(image, port));
    if (output.backup) output.backup(kept, false);
    if (!kept.ok()) {
        warn(output, "warning: " + english(kept.warning));
        return {};
    }
    report.backup = kept.file.string();
    return kept.file;
}

// The image sent is kept as "written" before sending; a write that did not
// complete leaves the radio with part of it, and the backup says so.
void relabelSent(const std::filesystem::path& kept, int framesAcknowledged, JobOutput& output,
                 JobReport& report) {
    const BackupKind kind = sentImageKind(framesAcknowledged);
    if (kept.empty() || kind == BackupKind::Written) return;
    const BackupResult relabelled = relabelBackup(kept, kind);
    if (output.backup) output.backup(relabelled, true);
    if (!relabelled.ok()) return warn(output, "warning: " + english(relabelled.warning));
    report.backup = relabelled.file.string();
}

void warnOfTrace(const TraceFile* trace, JobOutput& output) {
    if (trace != nullptr && !trace->problem().empty()) warn(output, "warning: " + trace->problem());
}

// Saves what was read through the file made for it before the read; why it
// could not be written, or nothing.
std::string saveRead(const EditorModel& model, const RadioImage& image, const std::string& port,
                     const std::filesystem::path& out, bool asImage, PendingFile& destination,
                     JobOutput& output, JobReport& report) {
    ConfigurationSave save;
    if (asImage) {
        save.result = destination.commit(imageText(stampedNow(image, port)));
    } else {
        save = saveConfiguration(model, stampedNow(image, port), out, &destination);
        for (const std::string& why : save.uncarried)
            warn(output, out.string() + " cannot carry it: " + why);
    }
    if (!save.result.ok()) {
        warn(output, save.result.error);
        return save.result.error;
    }
    report.file = save.result.path.string();
    if (save.result.path != out) warn(output, "saved as " + report.file);
    return {};
}

std::filesystem::path temporaryFolder() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && *tmp != '\0' ? std::filesystem::path(tmp) : "/tmp";
}

// A read that could not be saved where asked (`why`) is not lost: it is in
// the backup folder already (when backups are on and it was kept), or is
// written to $TMPDIR; the user is told where. A usage error either way.
void keepUnsavedRead(const RadioImage& image, const std::string& port, const std::string& why,
                     JobOutput& output, JobReport& report) {
    report.result = "failed";
    report.status = JobStatus::UsageError;
    std::string kept = report.backup;
    if (kept.empty()) {
        const BackupResult file =
            writeBackupFile(temporaryFolder(), BackupKind::Read, port, stampedNow(image, port));
        kept = file.file.string();
    }
    report.message = kept.empty() ? "The configuration read could not be kept anywhere."
                                  : "The configuration read is kept in " + kept;
    report.detail = why;
    warn(output, report.message);
}

// A write refused because what the radio holds could not be read first:
// without it nothing could restore the radio, so nothing is sent.
void refuseAfterFailedRead(const ExchangeResult& read, JobOutput& output, JobReport& report) {
    takeOutcome(read, report);
    report.messageWords = phrase(
        QT_TRANSLATE_NOOP("duoband", "Reading the radio first failed: %1; nothing was written"),
        Phrase(read.message));
    say(output, report, english(report.messageWords));
    report.detail = read.detail;
    if (!read.detail.empty()) warn(output, read.detail);
}

// A stopped write job: what the radio holds now is all its result says.
void stopped(int framesAcknowledged, const std::filesystem::path& beforeWrite, JobOutput& output,
             JobReport& report) {
    report.lines.clear();
    tell(stoppedWrite(framesAcknowledged, beforeWrite.string()), output, report);
}

// Reads the radio before a write and keeps what it held in `kept`. False,
// with the report saying why, when the write must not go on: the read was
// stopped, or it failed and the caller would rather not write.
bool readFirst(ProgrammingExchange& exchange, const std::string& port, const JobOptions& options,
               JobOutput& output, JobReport& report, std::filesystem::path& kept) {
    enter(output, JobState::ReadingFirst);
    EditorModel held;
    RadioImage before;
    const ExchangeResult r = exchange.fullRead(held, progressOf(output), &before);
    if (r.ok()) {
        kept = keepBackup(BackupKind::BeforeWrite, port, before, options, output, report);
        return true;
    }
    if (r.outcome == ExchangeOutcome::Cancelled) {
        stopped(0, {}, output, report);
        return false;
    }
    if (output.writeAfterFailedFirstRead && output.writeAfterFailedFirstRead(r)) return true;
    refuseAfterFailedRead(r, output, report);
    return false;
}

void verify(ProgrammingExchange& exchange, const WriteInput& input, JobOutput& output,
            JobReport& report) {
    enter(output, JobState::Verifying);
    const VerifyResult v = verifyWrite(exchange, input.image, input.compared, progressOf(output));
    if (v.readBack.outcome == ExchangeOutcome::Cancelled)
        return stopped(kTransferSteps, {}, output, report);
    for (const std::string& note : v.report.notes) warn(output, "note: " + note);
    const std::vector<std::string> lines = v.lines();
    for (const std::string& line : lines) say(output, report, line);
    report.message = lines.front();  // the summary names the first difference
    report.detail = v.readBack.detail;
    report.why = v.readBack.why;
    if (!v.readBack.detail.empty()) warn(output, v.readBack.detail);
    if (!v.ok()) {
        report.result = "failed";
        report.status = JobStatus::RadioFailed;
        report.outcome = ExchangeOutcome::RadioFailed;
    }
}

// A job's report for `port`, with the seconds `body` took; the job's last
// state follows from it.
template <class Body>
JobReport timed(const std::string& port, JobOutput& output, Body&& body) {
    JobReport report;
    report.port = port;
    const Clock::time_point start = Clock::now();
    body(report);
    report.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    enter(output, endState(report));
    return report;
}

// Ends a job before any exchange: a file that cannot be written is a usage
// error, a port that cannot be opened a failed radio.
void refuse(const std::string& problem, JobStatus status, JobOutput& output, JobReport& report) {
    report.message = problem;
    report.status = status;
    warn(output, problem);
}

// Opens the port for a job; false (the job failed) when it cannot.
bool openFor(RadioSession& radio, const JobOptions& options, JobOutput& output, JobReport& report) {
    const std::string trace = options.tracePerPort && !options.tracePath.empty()
                                  ? options.tracePath + "." + portName(report.port)
                                  : options.tracePath;
    bool traceFailed = false;
    const std::string problem = radio.open(report.port, trace, options.stopRequested, traceFailed);
    if (!problem.empty()) {
        refuse(problem, traceFailed ? JobStatus::UsageError : JobStatus::RadioFailed, output,
               report);
        return false;
    }
    radio.exchange().setFastLink(options.fast);
    return true;
}

void read(ProgrammingExchange& exchange, const TraceFile* trace, EditorModel& model,
          RadioImage& image, const JobOptions& options, JobOutput& output, JobReport& report) {
    enter(output, JobState::Reading);
    const ExchangeResult r = exchange.fullRead(model, progressOf(output), &image);
    tell(r, output, report);
    warnOfTrace(trace, output);
    if (r.ok()) keepBackup(BackupKind::Read, report.port, image, options, output, report);
}

void write(ProgrammingExchange& exchange, const TraceFile* trace, const WriteInput& input,
           const JobOptions& options, JobOutput& output, JobReport& report) {
    report.numbers = input.numbers;
    std::filesystem::path beforeWrite;
    if (options.backupFirst &&
        !readFirst(exchange, report.port, options, output, report, beforeWrite))
        return;
    const std::filesystem::path sent =
        keepBackup(BackupKind::Written, report.port, input.image, options, output, report);
    enter(output, JobState::Writing);
    const ExchangeResult r = exchange.writeImage(input.image, progressOf(output));
    relabelSent(sent, r.progress, output, report);
    // The backup that matters now is the one that restores the radio.
    if (r.progress < kTransferSteps) report.backup = beforeWrite.string();
    if (r.outcome == ExchangeOutcome::Cancelled) {
        stopped(r.progress, beforeWrite, output, report);
    } else {
        tell(r, output, report);
    }
    if (!r.ok() && r.outcome != ExchangeOutcome::Cancelled) {
        report.held = heldAfterFailedWrite(r.progress, beforeWrite.string());
        warn(output, report.held);
    }
    warnOfTrace(trace, output);
    if (r.ok() && options.verify) verify(exchange, input, output, report);
}

}  // namespace

JobState endState(const JobReport& report) {
    if (report.ok()) return JobState::Done;
    return report.result == "cancelled" ? JobState::Cancelled : JobState::Failed;
}

ExchangeResult asExchangeResult(const JobReport& report) {
    ExchangeResult r{report.outcome, {}, report.progress, report.detail, report.why};
    for (const std::string& line : report.lines)
        r.message += (r.message.empty() ? "" : "\n") + line;
    if (report.lines.empty()) r.message = report.message;
    return r;
}

JobReport readRadio(ProgrammingExchange& exchange, const std::string& port, EditorModel& model,
                    RadioImage& image, const JobOptions& options, JobOutput& output) {
    return timed(port, output, [&](JobReport& report) {
        read(exchange, nullptr, model, image, options, output, report);
    });
}

JobReport writeRadio(ProgrammingExchange& exchange, const std::string& port,
                     const WriteInput& input, const JobOptions& options, JobOutput& output) {
    return timed(port, output, [&](JobReport& report) {
        write(exchange, nullptr, input, options, output, report);
    });
}

JobReport readJob(const std::string& port, const std::filesystem::path& out, bool asImage,
                  const JobOptions& options, JobOutput& output) {
    return timed(port, output, [&](JobReport& report) {
        // Where the result goes is made ready before the handshake, so a
        // missing or read-only folder or a full disk shows now, not after the read.
        PendingFile destination(asImage ? out : settingsFilePath(out),
                                asImage ? imageFileSize(port) : newSettingsFileSize());
        if (!destination.ok())
            return refuse(destination.status().error, JobStatus::UsageError, output, report);
        RadioSession radio;
        if (!openFor(radio, options, output, report)) return;
        EditorModel model;  // as in a freshly started editor
        RadioImage image;
        read(radio.exchange(), &radio.trace(), model, image, options, output, report);
        if (!report.ok()) return;
        const std::string unsaved =
            saveRead(model, image, port, out, asImage, destination, output, report);
        if (!unsaved.empty()) keepUnsavedRead(image, port, unsaved, output, report);
    });
}

JobReport readImageJob(const std::string& port, RadioImage& image, const JobOptions& options,
                       JobOutput& output) {
    return timed(port, output, [&](JobReport& report) {
        RadioSession radio;
        if (!openFor(radio, options, output, report)) return;
        EditorModel model;
        RadioImage received;
        read(radio.exchange(), &radio.trace(), model, received, options, output, report);
        if (report.ok()) image = std::move(received);
    });
}

JobReport writeJob(const std::string& port, const WriteInput& input, const JobOptions& options,
                   JobOutput& output) {
    return timed(port, output, [&](JobReport& report) {
        RadioSession radio;
        if (!openFor(radio, options, output, report)) return;
        write(radio.exchange(), &radio.trace(), input, options, output, report);
    });
}

}  // namespace duoband
