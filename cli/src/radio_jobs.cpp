#include "radio_jobs.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iomanip>
#include <mutex>
#include <sstream>
#include <thread>

#include "duoband/backups.h"
#include "duoband/counted.h"
#include "duoband/port_discovery.h"
#include "duoband/settings_file.h"
#include "duoband/whole_file.h"
#include "duoband/write_verify.h"

namespace duoband::cli {

namespace {

using Clock = std::chrono::steady_clock;

void say(JobOutput& output, JobReport& report, const std::string& line) {
    report.message = line;
    if (output.say) output.say(line);
}

void warn(JobOutput& output, const std::string& line) {
    if (output.warn) output.warn(line);
}

ProgrammingExchange::Progress progressOf(JobOutput& output) {
    if (!output.progress) return {};
    return [&output](int done) { output.progress(done); };
}

// The outcome of an exchange as the job's result and exit status.
void takeOutcome(const ExchangeResult& r, JobReport& report) {
    switch (r.outcome) {
        case ExchangeOutcome::Success:
            report.result = "success";
            report.status = kOk;
            return;
        case ExchangeOutcome::Cancelled:
            report.result = "cancelled";
            report.status = kRadioFailed;
            return;
        case ExchangeOutcome::RadioFailed:
        case ExchangeOutcome::Busy:
            report.status = kRadioFailed;
            return;
        case ExchangeOutcome::Invalid:
            report.status = kUsageError;
            return;
    }
}

// The exchange's result for this radio: its message, then why it failed on
// a line of its own.
void tell(const ExchangeResult& r, JobOutput& output, JobReport& report) {
    takeOutcome(r, report);
    say(output, report, r.message);
    report.detail = r.detail;
    if (!r.detail.empty()) warn(output, r.detail);
}

void keepBackup(BackupKind kind, const std::string& port, const RadioImage& image,
                const JobOptions& options, JobOutput& output, JobReport& report) {
    if (!options.keepBackups) return;
    const BackupResult kept = saveBackup(options.backupFolder, kind, port, stampedNow(image, port));
    if (kept.ok()) {
        report.backup = kept.file.string();
    } else {
        warn(output, "warning: " + kept.warning);
    }
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
// written to $TMPDIR; the user is told where. Exit status 2 either way.
void keepUnsavedRead(const RadioImage& image, const std::string& port, const std::string& why,
                     JobOutput& output, JobReport& report) {
    report.result = "failed";
    report.status = kUsageError;
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

// Reads the radio before a write and keeps what it held; a failed read is
// reported and the write goes on. False when the user asked to stop.
bool backUpFirst(RadioSession& radio, const std::string& port, const JobOptions& options,
                 JobOutput& output, JobReport& report) {
    EditorModel held;
    RadioImage before;
    const ExchangeResult r = radio.exchange().fullRead(held, progressOf(output), &before);
    if (r.outcome == ExchangeOutcome::Cancelled) {
        tell(r, output, report);
        return false;
    }
    if (!r.ok()) {
        warn(output,
             "warning: the radio could not be read first (" + r.message + "); writing anyway");
        return true;
    }
    keepBackup(BackupKind::BeforeWrite, port, before, options, output, report);
    return true;
}

void verify(RadioSession& radio, const WriteInput& input, JobOutput& output, JobReport& report) {
    const VerifyResult v =
        verifyWrite(radio.exchange(), input.image, input.compared, progressOf(output));
    for (const std::string& note : v.report.notes) warn(output, "note: " + note);
    const std::vector<std::string> lines = v.lines();
    for (const std::string& line : lines) say(output, report, line);
    report.message = lines.front();  // the summary names the first difference
    report.detail = v.readBack.detail;
    if (!v.readBack.detail.empty()) warn(output, v.readBack.detail);
    if (v.readBack.outcome == ExchangeOutcome::Cancelled) {
        takeOutcome(v.readBack, report);
    } else if (!v.ok()) {
        report.result = "failed";
        report.status = kRadioFailed;
    }
}

// A job's report for `port`, with the seconds `body` took.
template <class Body>
JobReport timed(const std::string& port, Body&& body) {
    JobReport report;
    report.port = port;
    const Clock::time_point start = Clock::now();
    body(report);
    report.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return report;
}

// Ends a job before any exchange: a file that cannot be written is a usage
// error (2), a port that cannot be opened a failed radio (1).
void refuse(const std::string& problem, int status, JobOutput& output, JobReport& report) {
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
    const std::string problem = radio.open(report.port, trace, traceFailed);
    if (!problem.empty()) {
        refuse(problem, traceFailed ? kUsageError : kRadioFailed, output, report);
        return false;
    }
    radio.exchange().setFastLink(options.fast);
    return true;
}

void warnOfTrace(const RadioSession& radio, JobOutput& output) {
    if (!radio.trace().problem().empty()) warn(output, "warning: " + radio.trace().problem());
}

}  // namespace

std::string portName(const std::string& port) {
    const std::string last = std::filesystem::path(port).filename().string();
    return last.empty() ? port : last;
}

namespace {

// Whether two port paths reach one device: through links, or as two
// device files of one device number.
bool sameDevice(const std::string& a, const std::string& b) {
    struct stat first {};
    struct stat second {};
    if (::stat(a.c_str(), &first) != 0 || ::stat(b.c_str(), &second) != 0) {
        std::error_code ecA, ecB;
        const auto pathA = std::filesystem::weakly_canonical(a, ecA);
        const auto pathB = std::filesystem::weakly_canonical(b, ecB);
        return ecA || ecB ? a == b : pathA == pathB;
    }
    if (S_ISCHR(first.st_mode) && S_ISCHR(second.st_mode)) return first.st_rdev == second.st_rdev;
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

}  // namespace

std::vector<std::string> portClashes(const std::vector<std::string>& ports) {
    std::vector<std::string> clashes;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        for (std::size_t j = i + 1; j < ports.size(); ++j) {
            const std::string pair = "--port " + ports[i] + " and --port " + ports[j];
            if (sameDevice(ports[i], ports[j])) {
                clashes.push_back(pair + " are the same port; give each radio its own.");
            } else if (portName(ports[i]) == portName(ports[j])) {
                clashes.push_back(pair + " share the name \"" + portName(ports[i]) +
                                  "\", which names each radio's files, trace and backups; reach "
                                  "one of them through a link of another name.");
            }
        }
    }
    return clashes;
}

std::string TraceFile::open(const std::string& path, const std::string& port) {
    path_ = path;
    errno = 0;
    out_.open(path, std::ios::trunc);
    if (out_)
        line(timeText(std::chrono::system_clock::now()) + " trace of " + port + " by " +
             programVersion());
    if (out_) return {};
    const int error = errno;
    out_.close();
    return "cannot write the trace file " + path +
           (error != 0 ? std::string(": ") + std::strerror(error) : std::string());
}

void TraceFile::line(const std::string& text) {
    if (cut_ || !problem_.empty()) return;
    const std::string note = " trace cut here: it reached its limit of 16 MiB";
    if (written_ + text.size() + note.size() + 2 > kTraceLimit) {
        cut_ = true;
        out_ << timeText(std::chrono::system_clock::now()) << note << std::endl;
        return;
    }
    out_ << text << std::endl;
    written_ += text.size() + 1;
    if (!out_)
        problem_ = "the trace file " + path_ + " could not be written past " +
                   counted(written_ - text.size() - 1, "byte");
}

void TraceFile::record(TraceDirection direction, std::span<const std::uint8_t> bytes) {
    line(timeText(std::chrono::system_clock::now()) +
         (direction == TraceDirection::Sent ? " TX " : " RX ") + toHex(bytes));
}

std::string RadioSession::open(const std::string& device, const std::string& tracePath,
                               bool& traceFailed) {
    if (!tracePath.empty()) {
        const std::string problem = trace_.open(tracePath, device);
        traceFailed = !problem.empty();
        if (traceFailed) return problem;
    }
    configureForRadio(port_);
    port_.setPath(device);
    try {
        port_.open();
    } catch (const SerialPortError& e) {
        return "cannot open " + device + ": " +
               (port_.lastOpenError() != 0
                    ? english(explainOpenError(port_.lastOpenError(), device))
                    : std::string(e.what()));
    }
    exchange_ = std::make_unique<ProgrammingExchange>(port_, pump_);
    exchange_->stopRequested = [] { return stopRequested().load(); };
    if (trace_.isOpen())
        exchange_->onTrace = [this](TraceDirection d, auto bytes) { trace_.record(d, bytes); };
    return {};
}

JobReport readJob(const std::string& port, const std::filesystem::path& out, bool asImage,
                  const JobOptions& options, JobOutput& output) {
    return timed(port, [&](JobReport& report) {
        // Where the result goes is made ready before the handshake, so a
        // missing or read-only folder or a full disk shows now, not after the read.
        PendingFile destination(asImage ? out : settingsFilePath(out),
                                asImage ? imageFileSize(port) : newSettingsFileSize());
        if (!destination.ok())
            return refuse(destination.status().error, kUsageError, output, report);
        RadioSession radio;
        if (!openFor(radio, options, output, report)) return;
        EditorModel model;  // as in a freshly started editor
        RadioImage image;
        const ExchangeResult r = radio.exchange().fullRead(model, progressOf(output), &image);
        tell(r, output, report);
        warnOfTrace(radio, output);
        if (!r.ok()) return;
        keepBackup(BackupKind::Read, port, image, options, output, report);
        const std::string unsaved =
            saveRead(model, image, port, out, asImage, destination, output, report);
        if (!unsaved.empty()) keepUnsavedRead(image, port, unsaved, output, report);
    });
}

JobReport writeJob(const std::string& port, const WriteInput& input, const JobOptions& options,
                   JobOutput& output) {
    return timed(port, [&](JobReport& report) {
        RadioSession radio;
        if (!openFor(radio, options, output, report)) return;
        if (options.backupFirst && !backUpFirst(radio, port, options, output, report)) return;
        keepBackup(BackupKind::Written, port, input.image, options, output, report);
        const ExchangeResult r = radio.exchange().writeImage(input.image, progressOf(output));
        tell(r, output, report);
        warnOfTrace(radio, output);
        if (r.ok() && options.verify) verify(radio, input, output, report);
    });
}

namespace {

std::string bar(int done) {
    constexpr int kWidth = 40;
    const int filled = done * kWidth / kTransferSteps;
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(kWidth - filled), ' ') + "] " +
           std::to_string(done) + "/" + std::to_string(kTransferSteps);
}

// The shared screen of a fleet. On a terminal each port owns one line that
// its progress redraws, and what the jobs say waits until they are done;
// otherwise every line goes out at once, led by its port.
class FleetScreen {
  public:
    FleetScreen(const std::vector<std::string>& ports, Io& io) : ports_(ports), io_(io) {
        if (!io_.progressBar) return;
        for (const auto& port : ports_) io_.err << lineStart(port) << bar(0) << '\n';
        io_.err << std::flush;
    }

    JobOutput outputFor(std::size_t index) {
        return {[this, index](const std::string& l) { line(index, l, io_.out); },
                [this, index](const std::string& l) { line(index, l, io_.err); },
                [this, index](int done) { progress(index, done); }};
    }

    void finish() {
        std::lock_guard lock(mutex_);
        io_.err << held_.str() << std::flush;
    }

  private:
    std::string lineStart(const std::string& port) const {
        std::size_t width = 0;
        for (const auto& p : ports_) width = std::max(width, p.size());
        return port + std::string(width + 2 - port.size(), ' ');
    }

    void line(std::size_t index, const std::string& text, std::ostream& to) {
        std::lock_guard lock(mutex_);
        (io_.progressBar ? held_ : to) << ports_[index] << ": " << text << '\n';
    }

    void progress(std::size_t index, int done) {
        if (!io_.progressBar) return;
        std::lock_guard lock(mutex_);
        const std::size_t up = ports_.size() - index;
        io_.err << "\x1b[" << up << "A\r" << lineStart(ports_[index]) << bar(done) << "\x1b[K\x1b["
                << up << "B\r" << std::flush;
    }

    const std::vector<std::string>& ports_;
    Io& io_;
    std::mutex mutex_;
    std::ostringstream held_;
};

std::string jsonText(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::ostringstream escaped;
            escaped << "\\u" << std::hex << std::setw(4) << std::setfill('0') << int(c);
            out += escaped.str();
        } else {
            out += c;
        }
    }
    return out + "\"";
}

}  // namespace

std::vector<JobReport> runFleet(const std::vector<std::string>& ports, const Job& job, Io& io) {
    std::vector<JobReport> reports(ports.size());
    FleetScreen screen(ports, io);
    std::vector<JobOutput> outputs;
    for (std::size_t i = 0; i < ports.size(); ++i) outputs.push_back(screen.outputFor(i));
    {
        std::vector<std::jthread> running;
        for (std::size_t i = 0; i < ports.size(); ++i)
            running.emplace_back([&, i] { reports[i] = job(ports[i], outputs[i]); });
    }
    screen.finish();
    return reports;
}

std::string summaryTable(const std::vector<JobReport>& reports) {
    // Only rows with a detail are padded to its column.
    std::size_t portWidth = 4;
    std::size_t messageWidth = 7;
    for (const auto& r : reports) {
        portWidth = std::max(portWidth, r.port.size());
        if (!r.detail.empty()) messageWidth = std::max(messageWidth, r.message.size());
    }
    std::ostringstream out;
    const auto row = [&](std::string_view port, std::string_view result, std::string_view seconds,
                         std::string_view message, std::string_view detail) {
        out << std::left << std::setw(static_cast<int>(portWidth + 2)) << port << std::setw(11)
            << result << std::setw(9) << seconds;
        if (detail.empty()) {
            out << message << '\n';
        } else {
            out << std::setw(static_cast<int>(messageWidth + 2)) << message << detail << '\n';
        }
    };
    row("Port", "Result", "Seconds", "Message", "Detail");
    for (const auto& r : reports) {
        std::ostringstream seconds;
        seconds << std::fixed << std::setprecision(1) << r.seconds;
        row(r.port, r.result, seconds.str(), r.message, r.detail);
    }
    return out.str();
}

std::string reportJson(const std::vector<JobReport>& reports) {
    std::ostringstream out;
    out << "[\n";
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const JobReport& r = reports[i];
        out << "  {\"port\": " << jsonText(r.port) << ", \"result\": " << jsonText(r.result)
            << ", \"seconds\": " << std::fixed << std::setprecision(3) << r.seconds
            << ", \"message\": " << jsonText(r.message) << ", \"detail\": " << jsonText(r.detail)
            << ", \"file\": " << jsonText(r.file) << ", \"backup\": " << jsonText(r.backup) << "}"
            << (i + 1 < reports.size() ? "," : "") << "\n";
    }
    out << "]\n";
    return out.str();
}

}  // namespace duoband::cli
