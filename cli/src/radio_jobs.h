// One radio's read or write as duoband-cli runs it, and many of them side
// by side. Each job has its own port, threads, pump and buffer: nothing they
// share can mix their bytes.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "duoband/cli.h"
#include "duoband/exchange.h"
#include "duoband/image_file.h"
#include "duoband/message_pump.h"
#include "duoband/serial_port.h"
#include "duoband/verify.h"

namespace duoband::cli {

// The byte log of --trace: a first line saying whose log it is, then one
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

// An open port with an exchange on it (stopped by the program's stop
// request), and its trace file when asked for.
class RadioSession {
  public:
    RadioSession() = default;
    RadioSession(const RadioSession&) = delete;
    RadioSession& operator=(const RadioSession&) = delete;

    // An empty result, or why the trace file or the port could not be
    // opened; `traceFailed` tells which.
    std::string open(const std::string& device, const std::string& tracePath, bool& traceFailed);
    ProgrammingExchange& exchange() { return *exchange_; }
    const TraceFile& trace() const { return trace_; }

  private:
    TraceFile trace_;
    SerialPort port_;
    HeadlessPump pump_{port_};
    std::unique_ptr<ProgrammingExchange> exchange_;  // goes before the port it uses
};

// What every radio of a command gets.
struct JobOptions {
    bool fast = false;
    bool verify = false;
    bool backupFirst = false;
    bool keepBackups = true;
    std::filesystem::path backupFolder;
    std::string tracePath;      // empty: no trace
    bool tracePerPort = false;  // each radio its own trace, tracePath + "." + port name
};

// What a write sends: a configuration's bytes, or an image's exactly.
struct WriteInput {
    RadioImage image;
    Compared compared = Compared::HeldBytes;
};

// Where a job reports to; the fleet gives each job its own.
struct JobOutput {
    std::function<void(const std::string&)> say;   // results ("Read success!")
    std::function<void(const std::string&)> warn;  // warnings and notes
    std::function<void(int)> progress;             // steps done, 0..136
};

struct JobReport {
    std::string port;
    std::string result = "failed";  // "success", "failed", "cancelled"
    double seconds = 0;
    std::string message;  // the last thing said
    std::string detail;   // why it failed, the line after the message; empty when none
    std::string file;     // the file written (read)
    std::string backup;   // the backup kept, if any
    int status = kRadioFailed;
};

// Reads the radio on `port`; `out` is where the result goes: a settings
// file (or X.img when it cannot carry the configuration), or an image when
// `asImage`. The file is made ready before the handshake.
JobReport readJob(const std::string& port, const std::filesystem::path& out, bool asImage,
                  const JobOptions& options, JobOutput& output);
JobReport writeJob(const std::string& port, const WriteInput& input, const JobOptions& options,
                   JobOutput& output);

// Runs one job per port at once; on a terminal a progress line per port,
// then a summary table. Returns the reports in port order.
using Job = std::function<JobReport(const std::string& port, JobOutput& output)>;
std::vector<JobReport> runFleet(const std::vector<std::string>& ports, const Job& job, Io& io);

std::string summaryTable(const std::vector<JobReport>& reports);
std::string reportJson(const std::vector<JobReport>& reports);

// The last path component of a port: "ttyUSB0" for /dev/ttyUSB0.
std::string portName(const std::string& port);

// Why `ports` cannot run side by side, one line per pair: the same device
// twice, or two ports of the same name, which names each radio's --out-dir
// file, trace and backups. Empty when they can.
std::vector<std::string> portClashes(const std::vector<std::string>& ports);

}  // namespace duoband::cli
