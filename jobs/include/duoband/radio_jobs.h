// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One radio's read or write, the same for duoband-cli and the window, and
// many of them side by side: opening a port with its trace, the read (its
// backup, its file, and never losing what was read), the write (read first
// and keep what the radio held, keep what is sent, write, verify), the fleet
// runner, and the job reports as a table and as JSON.
//
// Results are data: a job reports what happened (JobReport) and tells its
// caller as it goes through JobOutput; each front end words and shows it.
//
// Threads: a job runs on the thread that owns its exchange's port, and every
// JobOutput callback is called on that thread. The window runs a job on a
// thread of its own with the window's exchange, lent to it while the job
// runs (the window hears its reports queued); readJob and writeJob open a port of
// their own, so the fleet runs each on a thread of its own with its own port,
// pump and buffer: nothing they share can mix their bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "duoband/backups.h"
#include "duoband/exchange.h"
#include "duoband/message_pump.h"
#include "duoband/phrase.h"
#include "duoband/serial_port.h"
#include "duoband/unit_numbers.h"
#include "duoband/verify.h"

namespace duoband {

// The most a trace file holds; it ends with a note where it was cut.
inline constexpr std::uintmax_t kTraceLimit = 16 * 1024 * 1024;

// The byte log of a trace: a first line saying whose log it is, then one
// time-stamped line per block sent (TX) or received (RX), in hex. It stops
// with a note at kTraceLimit, so a flooded line cannot fill the disk.
class TraceFile {
  public:
    // Empty, or why the file cannot be written: the first line is written
    // and flushed here, so a full disk shows before the exchange.
    std::string open(const std::string& path, const std::string& port);
    bool isOpen() const { return out_.is_open(); }
    void record(TraceDirection direction, std::span<const std::uint8_t> bytes);
    // Why the log stopped short of the exchange; empty when it did not.
    const std::string& problem() const { return problem_; }

  private:
    void line(const std::string& text);

    std::ofstream out_;
    std::string path_;
    std::uintmax_t written_ = 0;
    bool cut_ = false;
    std::string problem_;
};

// An open port with an exchange on it, and its trace file when asked for.
class RadioSession {
  public:
    RadioSession() = default;
    RadioSession(const RadioSession&) = delete;
    RadioSession& operator=(const RadioSession&) = delete;

    // An empty result, or why the trace file or the port could not be
    // opened; `traceFailed` tells which. `stop` is asked after every frame.
    std::string open(const std::string& device, const std::string& tracePath,
                     std::function<bool()> stop, bool& traceFailed);
    ProgrammingExchange& exchange() { return *exchange_; }
    const TraceFile& trace() const { return trace_; }

  private:
    TraceFile trace_;
    SerialPort port_;
    HeadlessPump pump_{port_};
    std::unique_ptr<ProgrammingExchange> exchange_;  // goes before the port it uses
};

// How a job ended, as duoband-cli's exit status.
enum class JobStatus { Ok = 0, RadioFailed = 1, UsageError = 2 };

// Where a job stands; the window's progress and a station's rows show it.
enum class JobState { Waiting, Reading, ReadingFirst, Writing, Verifying, Done, Failed, Cancelled };

// What every radio of a command gets.
struct JobOptions {
    bool fast = false;
    bool verify = false;
    bool backupFirst = false;
    bool keepBackups = true;
    std::filesystem::path backupFolder;  // empty: no backups
    std::string tracePath;               // empty: no trace
    bool tracePerPort = false;           // each radio its own trace, tracePath + "." + port name
    // Asked after every frame; true stops the job there ("EXIT" once).
    std::function<bool()> stopRequested;
};

// What a write sends: a configuration's bytes, or an image's exactly, with
// the radio's own numbers in it.
struct WriteInput {
    RadioImage image;
    Compared compared = Compared::HeldBytes;
    UnitNumbers numbers;  // already in `image`; reported
};

// Where a job reports to as it goes; the fleet gives each job its own. Every
// member may be left empty.
struct JobOutput {
    std::function<void(const std::string&)> say;   // results ("Read success!")
    std::function<void(const std::string&)> warn;  // warnings and notes
    std::function<void(int)> progress;             // steps done, 0..136, of the current state
    std::function<void(JobState)> state;
    // A backup kept (or why not); `relabelled`: a kept one given another kind.
    std::function<void(const BackupResult&, bool relabelled)> backup;
    // Reading the radio first failed: whether to write all the same. Unset:
    // no; nothing is written and the job fails, since nothing could restore
    // the radio.
    std::function<bool(const ExchangeResult& read)> writeAfterFailedFirstRead;
};

struct JobReport {
    std::string port;
    std::string result = "failed";  // "success", "failed", "cancelled"
    double seconds = 0;
    std::string message;             // the last thing said
    Phrase messageWords;             // the message, when built of pieces: for the window
    std::string detail;              // why it failed, the line after the message; empty when none
    Phrase why;                      // the detail in pieces, for the window; empty: a value
    std::vector<std::string> lines;  // the result, line by line (a stop: what the radio holds)
    std::string file;                // the file written (read)
    // The backup kept, if any; for a write that did not complete, the
    // before-write backup that restores the radio (empty: none was kept).
    std::string backup;
    // A write that failed: what the radio holds now, then the before-write
    // backup on a line of its own when it is needed (heldAfterFailedWrite).
    std::string held;
    UnitNumbers numbers;  // the radio's own numbers (write)
    JobStatus status = JobStatus::RadioFailed;
    ExchangeOutcome outcome = ExchangeOutcome::RadioFailed;
    int progress = 0;  // steps of the last exchange completed
    bool ok() const { return status == JobStatus::Ok; }
};

// The state a job ended in, as its report tells it.
JobState endState(const JobReport& report);

// The report as the result of one exchange: its lines joined, the detail,
// the outcome and the steps done.
ExchangeResult asExchangeResult(const JobReport& report);

// The read on an exchange already open on `port`: `model` and `image` take
// each step as it arrives; a complete read is kept as a "read" backup.
JobReport readRadio(ProgrammingExchange& exchange, const std::string& port, EditorModel& model,
                    RadioImage& image, const JobOptions& options, JobOutput& output);
// The write on an exchange already open on `port`: reads first and keeps what
// the radio held (on request), keeps the image sent (relabelled
// "partly-written" when the write does not complete), writes, verifies (on
// request). A stop says what the radio holds then (stoppedWrite).
JobReport writeRadio(ProgrammingExchange& exchange, const std::string& port,
                     const WriteInput& input, const JobOptions& options, JobOutput& output);

// Opens `port` and reads the radio; `out` is where the result goes: a
// settings file (or X.img when it cannot carry the configuration), or an
// image when `asImage`. The file is made ready before the handshake. A read
// that cannot be saved there is kept in the backup folder or $TMPDIR.
JobReport readJob(const std::string& port, const std::filesystem::path& out, bool asImage,
                  const JobOptions& options, JobOutput& output);
// Opens `port` and reads the radio into `image` (left as it was unless the
// read completes); the read is kept as a backup, and no other file is written.
JobReport readImageJob(const std::string& port, RadioImage& image, const JobOptions& options,
                       JobOutput& output);
// Opens `port` and writes `input` to the radio.
JobReport writeJob(const std::string& port, const WriteInput& input, const JobOptions& options,
                   JobOutput& output);

// `job`'s report; an exception it throws is the failure of the radio on
// `port`, its message the report's.
JobReport caughtJob(const std::string& port, const std::function<JobReport()>& job);

// Runs `job` once per port at once, each on a thread of its own with the
// output `outputFor(index)`, its exceptions caught (caughtJob); returns the
// reports in port order.
using Job = std::function<JobReport(std::size_t index, const std::string& port, JobOutput& output)>;
std::vector<JobReport> runFleet(const std::vector<std::string>& ports, const Job& job,
                                const std::function<JobOutput(std::size_t index)>& outputFor);

// A table of the reports, one row per port; a column per numbered field.
std::string summaryTable(const std::vector<JobReport>& reports);
// The reports as a JSON array; a numbered field is a member of every entry.
std::string reportJson(const std::vector<JobReport>& reports);

// The last path component of a port: "ttyUSB0" for /dev/ttyUSB0.
std::string portName(const std::string& port);

}  // namespace duoband
