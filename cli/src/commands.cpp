// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "diff.h"
#include "doctor.h"
#include "duoband/backups.h"
#include "duoband/channel_csv.h"
#include "duoband/channel_plan_check.h"
#include "duoband/cli.h"
#include "duoband/compared_side.h"
#include "duoband/counted.h"
#include "duoband/decimal.h"
#include "duoband/fleet_radios.h"
#include "duoband/port_discovery.h"
#include "duoband/roster.h"
#include "duoband/settings_file.h"
#include "duoband/station_log.h"
#include "duoband/version.h"
#include "duoband/whole_file.h"
#include "duoband/write_verify.h"
#include "job_recorder.h"
#include "plan_check.h"
#include "radio_jobs.h"
#include "register_commands.h"

namespace duoband::cli {
namespace {

struct Args {
    std::map<std::string, std::vector<std::string>, std::less<>> options;
    std::string file;                // the positional FILE of `show`
    std::string other;               // the second FILE of `diff`
    std::vector<std::string> words;  // the words after `fleet`
    // The last value given.
    const std::string& operator[](std::string_view name) const {
        return options.find(name)->second.back();
    }
    const std::vector<std::string>& all(std::string_view name) const {
        return options.find(name)->second;
    }
    bool has(std::string_view name) const { return options.contains(name); }
};

void fail(Io& io, std::string_view message) {
    io.err << "duoband-cli: " << message << '\n';
}

// --register's address; empty: the data folder's register.
std::string registerOption(const Args& args) {
    return args.has("--register") ? args["--register"] : std::string();
}

JobOptions jobOptions(const Args& args) {
    JobOptions o;
    o.fast = args.has("--fast");
    o.verify = args.has("--verify");
    o.backupFirst = args.has("--backup-first");
    o.keepBackups = !args.has("--no-backup");
    o.backupFolder = args.has("--backup-dir") ? std::filesystem::path(args["--backup-dir"])
                                              : backupFolder(locateDataFolder());
    if (args.has("--trace")) o.tracePath = args["--trace"];
    o.tracePerPort = args.all("--port").size() > 1;
    o.stopRequested = [] { return stopRequested().load(); };
    return o;
}

int report(const ExchangeResult& result, Io& io) {
    switch (result.outcome) {
        case ExchangeOutcome::Success:
            io.out << result.message << '\n';
            return kOk;
        case ExchangeOutcome::RadioFailed:
        case ExchangeOutcome::Cancelled:
            io.out << result.message << '\n';
            return kRadioFailed;
        default:
            fail(io, result.message);
            return kUsageError;
    }
}

// --- files ---------------------------------------------------------------

// A settings file or an image; an image is decoded onto the start-up
// configuration as a read would.
struct Loaded {
    EditorModel model;
    std::optional<RadioImage> image;  // when the file is an image
};

// A FILE of "-": standard input where a command reads a file, standard
// output where it writes one.
constexpr std::string_view kStandardStream = "-";

// The bytes of a file the command reads; "-" reads standard input, to the
// same limit as a file.
FileResult readInput(const std::string& path, std::string& bytes, Io& io) {
    if (path != kStandardStream) return readWholeFile(path, bytes);
    std::string read(kLargestReadFile + 1, '\0');
    io.in->read(read.data(), static_cast<std::streamsize>(read.size()));
    if (io.in->bad()) return {"Cannot read standard input.", {}};
    if (static_cast<std::uintmax_t>(io.in->gcount()) > kLargestReadFile)
        return {"Standard input holds more than such a file can (at most " +
                    std::to_string(kLargestReadFile) + " bytes); it is not one.",
                {}};
    read.resize(static_cast<std::size_t>(io.in->gcount()));
    bytes = std::move(read);
    return {};
}

std::optional<Loaded> load(const std::string& path, Io& io) {
    std::string bytes;
    Loaded loaded;
    FileResult r = readInput(path, bytes, io);
    if (r.ok()) r = applyConfigurationText(path, bytes, loaded.model, &loaded.image);
    if (!r.ok()) return fail(io, path + ": " + r.error), std::nullopt;
    return loaded;
}

// Saves a configuration that no full read produced byte for byte: its image
// is what a write would send.
int save(const EditorModel& model, const std::string& path, const std::string& port, Io& io,
         PendingFile* destination = nullptr) {
    const ImageEncoding encoding = encodeImage(model);
    const ImageHeader header{timeText(std::chrono::system_clock::now()), programVersion(), port};
    const ConfigurationSave s =
        saveConfiguration(model, {header, imageOf(encoding)}, path, destination);
    if (s.asImage() && !encoding.ok()) return fail(io, path + ": " + encoding.error), kUsageError;
    for (const std::string& why : s.uncarried) fail(io, path + " cannot carry it: " + why);
    if (!s.result.ok()) return fail(io, path + ": " + s.result.error), kUsageError;
    if (s.result.path != std::filesystem::path(path))
        io.err << "saved as " << s.result.path.string() << '\n';
    return kOk;
}

// The channel plan's findings as warnings; with `strict`, false when any
// is a problem, and nothing may be written.
bool warnOfPlan(const EditorModel& model, bool strict, Io& io) {
    const auto findings = checkChannelPlan(model);
    for (const PlanFinding& f : findings) {
        io.err << (f.kind == FindingKind::Problem ? "warning: " : "note: ")
               << english(describeFinding(f)) << '\n';
    }
    const std::size_t problems = problemCount(findings);
    if (!strict || problems == 0) return true;
    fail(io, "write: --strict: the channel plan has " + counted(problems, "problem") +
                 " (see \"duoband-cli check\"); nothing was written");
    return false;
}

// What a write sends, checked before any exchange.
std::optional<WriteInput> writeInput(const std::string& path, bool strict, Io& io) {
    auto loaded = load(path, io);
    if (!loaded) return std::nullopt;
    if (!warnOfPlan(loaded->model, strict, io)) return std::nullopt;
    if (loaded->image) return WriteInput{*loaded->image, Compared::EveryByte, {}};
    const ImageEncoding encoding = encodeImage(loaded->model);
    if (!encoding.ok()) return fail(io, path + ": " + encoding.error), std::nullopt;
    return WriteInput{imageOf(encoding), Compared::HeldBytes, {}};
}

// --- commands -------------------------------------------------------------

int exitStatus(const std::vector<JobReport>& reports) {
    return std::ranges::all_of(reports, &JobReport::ok) ? kOk : kRadioFailed;
}

int writeReport(PendingFile* file, const std::vector<JobReport>& reports, Io& io) {
    if (file == nullptr) return kOk;
    const auto written = file->commit(reportJson(reports));
    if (!written.ok()) fail(io, written.error);
    return written.ok() ? kOk : kUsageError;
}

// A job that starts no radio once the terminal was closed.
Job startedOnlyWhileAttended(const Job& job) {
    return [&job](std::size_t index, const std::string& port, JobOutput& output) {
        if (!hangUpSeen().load()) return job(index, port, output);
        JobReport report;
        report.port = port;
        report.result = "cancelled";
        report.message = "Not started: the terminal was closed.";
        return report;
    };
}

// One port: the job speaks for itself. Several: side by side, then a table.
// A report file is made ready before any exchange.
int runJobs(const Args& args, const Job& job, Io& io) {
    std::optional<PendingFile> reportFile;
    if (args.has("--report")) {
        reportFile.emplace(args["--report"], kLargestSavedFile);
        if (!reportFile->ok()) return fail(io, reportFile->status().error), kUsageError;
    }
    const auto& ports = args.all("--port");
    const Job attended = startedOnlyWhileAttended(job);
    std::vector<JobReport> reports;
    if (ports.size() == 1) {
        JobOutput output = consoleOutput(io);
        reports.push_back(
            caughtJob(ports.front(), [&] { return attended(0, ports.front(), output); }));
    } else {
        reports = runFleetOnScreen(ports, attended, io);
        io.out << summaryTable(reports);
    }
    const int reported = writeReport(reportFile ? &*reportFile : nullptr, reports, io);
    if (ports.size() == 1 && !reports.front().ok()) return static_cast<int>(reports.front().status);
    return reported != kOk ? reported : exitStatus(reports);
}

int portsCommand(const Args& args, Io& io) {
    if (args.has("--verbose")) return describePorts(io);
    const auto ports = listSerialPorts();
    for (const auto& p : ports) io.out << p << '\n';
    if (ports.empty()) io.err << "No port!\n";
    return kOk;
}

// Why the folder of --out-dir cannot take the radios' files; empty when it can.
std::string outFolderProblem(const std::string& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return "--out-dir " + folder + ": " + std::strerror(errno) + ".";
    if (!S_ISDIR(info.st_mode)) return "--out-dir " + folder + " is not a folder.";
    return {};
}

// A read's record: what the radio holds, as the image kept of it says.
JobRecord readRecord(const JobReport& report) {
    JobRecord job = jobRecordOf("read", report);
    job.configuration = report.file;
    const std::string kept = !report.backup.empty()                   ? report.backup
                             : report.file.ends_with(kImageExtension) ? report.file
                                                                      : std::string();
    ImageFile image;
    if (report.ok() && !kept.empty() && openImageFile(kept, image).ok())
        job.before = job.after = numbersIn(image.image);
    return job;
}

int readCommand(const Args& args, Io& io) {
    const bool toFolder = args.has("--out-dir");
    if (!toFolder && args.all("--port").size() > 1)
        return fail(io, "read: several ports need --out-dir"), kUsageError;
    if (toFolder) {
        if (const std::string problem = outFolderProblem(args["--out-dir"]); !problem.empty())
            return fail(io, "read: " + problem), kUsageError;
    }
    // A name ending in .img asks for the image, as --out-dir saves it.
    const bool asImage = toFolder || args["--out"].ends_with(kImageExtension);
    const JobOptions options = jobOptions(args);
    JobRecorder recorder(registerOption(args), io);
    recorder.open(false, "read");
    return runJobs(
        args,
        [&](std::size_t, const std::string& port, JobOutput& output) {
            const std::filesystem::path out =
                toFolder ? std::filesystem::path(args["--out-dir"]) /
                               (portName(port) + std::string(kImageExtension))
                         : std::filesystem::path(args["--out"]);
            const JobReport report =
                caughtJob(port, [&] { return readJob(port, out, asImage, options, output); });
            recorder.record(readRecord(report), output.warn);
            return report;
        },
        io);
}

// Each radio's numbers, in the order of the ports: every number is checked
// before any exchange, so a batch is never numbered only in part.
// With a log, numbering continues after the highest number it holds, and
// says so.
std::optional<std::vector<UnitNumbers>> radioNumbers(const Args& args, const StationLog* log,
                                                     Io& io) {
    const std::size_t radios = args.all("--port").size();
    std::vector<UnitNumbers> numbers(radios);
    if (!args.has("--number")) return numbers;
    UnitNumbers askedBy;  // the --number that numbers each field
    for (const std::string& option : args.all("--number")) {
        std::string problem;
        auto numbering = parseUnitNumbering(option, problem);
        if (!numbering) return fail(io, "write: " + problem), std::nullopt;
        // Two starts for one field: neither may silently win.
        if (const std::string& earlier = askedBy[numbering->field]; !earlier.empty()) {
            fail(io, "write: --number " + option + " and --number " + earlier +
                         " both number the " + std::string(unitFieldLayout(numbering->field).name) +
                         "; give one start per field");
            return std::nullopt;
        }
        askedBy[numbering->field] = option;
        if (log != nullptr) {
            const UnitNumbering continued = continuedAfter(*log, *numbering);
            if (continued.start != numbering->start)
                io.err << "--number " << option << ": " << args["--log"] << " holds numbers up to "
                       << continued.start - 1 << "; numbering continues at "
                       << unitNumber(continued, 0).value_or("") << '\n';
            numbering = continued;
        }
        const UnitFieldLayout& field = unitFieldLayout(numbering->field);
        for (std::size_t i = 0; i < radios; ++i) {
            const auto number = unitNumber(*numbering, i);
            if (!number) {
                fail(io, "write: --number " + option + ": radio " + std::to_string(i + 1) +
                             " would need more than the " + std::to_string(field.digits) +
                             " digits the " + std::string(field.name) + " holds");
                return std::nullopt;
            }
            numbers[i][numbering->field] = *number;
        }
    }
    return numbers;
}

// The radios whose line the log did not take, for the user to add by hand.
class Unlogged {
  public:
    void add(std::size_t index, const JobReport& report, const Phrase& problem) {
        std::lock_guard lock(mutex_);
        radios_.emplace(index, report);
        problem_ = problem;
    }
    // Says which, in port order, as the command's last lines; the command's
    // exit status.
    int tell(const std::filesystem::path& log, int status, Io& io) const {
        if (radios_.empty()) return status;
        fail(io, "write: " + english(problem_));
        for (const auto& [index, r] : radios_) {
            std::string numbers;
            for (UnitField f : kUnitFields)
                if (!r.numbers[f].empty())
                    numbers += " " + std::string(unitFieldLayout(f).name) + " " + r.numbers[f];
            fail(io, "write: not in " + log.string() + ", to be added by hand: " + r.port + " " +
                         r.result + numbers);
        }
        return status == kOk ? kRadioFailed : status;
    }

  private:
    std::mutex mutex_;
    std::map<std::size_t, JobReport> radios_;  // by port index
    Phrase problem_;
};

// --write-after-failed-read: the radio is written, with a warning, though
// what it held could not be kept.
void writeAfterFailedRead(JobOutput& output) {
    output.writeAfterFailedFirstRead = [&output](const ExchangeResult& read) {
        if (output.warn)
            output.warn("warning: the radio could not be read first (" + read.message +
                        "); writing anyway");
        return true;
    };
}

// The radios of a --fleet batch, taken before any exchange; null when
// the batch cannot start.
std::unique_ptr<FleetRadios> fleetRadios(const Args& args, JobRecorder& recorder, Io& io) {
    if (!recorder.open(true, "write")) return nullptr;
    auto radios =
        std::make_unique<FleetRadios>(recorder.reg(), args["--fleet"], args.has("--keep-identity"));
    try {
        if (!recorder.reg().fleet(args["--fleet"]))
            return fail(io, "write: the register holds no fleet " + args["--fleet"] +
                                " (see \"fleet list\"); nothing was written"),
                   nullptr;
    } catch (const RegisterError& e) {
        return fail(io, std::string("write: ") + e.what()), nullptr;
    }
    try {
        radios->reserveBatch(args.all("--port").size());
    } catch (const RegisterError& e) {
        return fail(io, std::string("write: ") + e.what() + "; nothing was written"), nullptr;
    }
    return radios;
}

// What --fleet and --keep-identity cannot go with.
std::string fleetProblem(const Args& args) {
    if (args.has("--keep-identity") && !args.has("--fleet")) return "--keep-identity needs --fleet";
    if (args.has("--fleet") && args.has("--number"))
        return "--fleet takes its numbers from the fleet; leave out --number";
    return {};
}

int writeCommand(const Args& args, Io& io) {
    if (const std::string problem = fleetProblem(args); !problem.empty())
        return fail(io, "write: " + problem), kUsageError;
    const auto input = writeInput(args["--in"], args.has("--strict"), io);
    if (!input) return kUsageError;
    StationLog log;
    const bool logged = args.has("--log");
    if (logged) {
        if (const Phrase problem = log.open(args["--log"]); !problem.empty())
            return fail(io, "write: " + english(problem)), kUsageError;
    }
    JobRecorder recorder(registerOption(args), io);
    std::unique_ptr<FleetRadios> fleet;
    std::optional<std::vector<UnitNumbers>> numbers;
    if (args.has("--fleet")) {
        fleet = fleetRadios(args, recorder, io);
        if (!fleet) return kUsageError;
    } else {
        numbers = radioNumbers(args, logged ? &log : nullptr, io);
        if (!numbers) return kUsageError;
        recorder.open(false, "write");
    }
    const JobOptions options = jobOptions(args);
    Unlogged unlogged;
    const int status = runJobs(
        args,
        [&](std::size_t index, const std::string& port, JobOutput& output) {
            WriteInput radio = *input;
            JobRecord job;
            if (fleet) {
                FleetRadios::Pick pick = fleet->pick(index, port, options, output);
                job.fleet = fleet->fleet();
                job.before = pick.before;
                if (!pick.radio) {
                    JobRecord refused = jobRecordOf("write", pick.refused);
                    refused.fleet = job.fleet;
                    refused.before = job.before;
                    refused.configuration = args["--in"];
                    recorder.record(refused, output.warn);
                    return pick.refused;
                }
                job.radioId = pick.radio->id;
                radio.numbers = pick.radio->values.numbers;
                radio.image = withRadioValues(input->image, pick.radio->values);
            } else {
                radio.numbers = (*numbers)[index];
                radio.image = withUnitNumbers(input->image, radio.numbers);
            }
            if (args.has("--write-after-failed-read")) writeAfterFailedRead(output);
            // Logged however the job ended, even by an exception.
            const JobReport report =
                caughtJob(port, [&] { return writeJob(port, radio, options, output); });
            JobRecord done = writeRecordOf(report, radio.image, args["--in"]);
            done.fleet = job.fleet;
            done.radioId = job.radioId;
            done.before = job.before;
            recorder.record(done, output.warn);
            if (!logged) return report;
            if (const Phrase problem = log.append(report, args["--in"]); !problem.empty()) {
                if (output.warn) output.warn("warning: " + english(problem));
                unlogged.add(index, report, problem);
            }
            return report;
        },
        io);
    return unlogged.tell(log.path(), status, io);
}

// Opens the one port of a partial transfer; the status when it cannot.
// A boot or limits transfer on the one --port, recorded in the register.
class PartialJob {
  public:
    PartialJob(std::string_view kind, const Args& args, Io& io)
        : kind_(kind), args_(args), io_(io), recorder_(registerOption(args), io) {}
    ~PartialJob() {
        if (!started_) return;
        JobRecord job = jobRecordOf(kind_, args_["--port"], result_, seconds());
        job.configuration = args_["--in"];
        recorder_.record(job);
    }
    PartialJob(const PartialJob&) = delete;
    PartialJob& operator=(const PartialJob&) = delete;

    // Opens the port; the status when it cannot.
    std::optional<int> open() {
        recorder_.open(false, kind_);
        started_ = true;
        bool traceFailed = false;
        const std::string problem = radio_.open(
            args_["--port"], args_.has("--trace") ? args_["--trace"] : "",
            [] { return stopRequested().load(); }, traceFailed);
        if (problem.empty()) return std::nullopt;
        fail(io_, problem);
        result_ = {ExchangeOutcome::RadioFailed, problem};
        return traceFailed ? kUsageError : kRadioFailed;
    }
    ProgrammingExchange& exchange() { return radio_.exchange(); }
    // Reports the exchange's result; the command's status.
    int ended(const ExchangeResult& result) {
        result_ = result;
        return report(result, io_);
    }
    // A verify that found the radio holding something else.
    void differed(const std::string& message) { result_ = {ExchangeOutcome::RadioFailed, message}; }

  private:
    double seconds() const {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
    }

    std::string kind_;
    const Args& args_;
    Io& io_;
    JobRecorder recorder_;
    RadioSession radio_;
    bool started_ = false;
    ExchangeResult result_{ExchangeOutcome::RadioFailed, {}};
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

int readPartialCommand(PartialBlock block, const Args& args, Io& io) {
    auto loaded = load(args["--in"], io);
    if (!loaded) return kUsageError;
    // The file the result goes to is made ready before the handshake.
    PendingFile destination(settingsFilePath(args["--out"]), newSettingsFileSize());
    if (!destination.ok()) return fail(io, destination.status().error), kUsageError;
    PartialJob radio(partialJobKind(block, false), args, io);
    if (auto status = radio.open()) return *status;
    const int status = radio.ended(radio.exchange().readPartial(block, loaded->model));
    return status == kOk ? save(loaded->model, args["--out"], args["--port"], io, &destination)
                         : status;
}

int writePartialCommand(PartialBlock block, const Args& args, Io& io) {
    const auto loaded = load(args["--in"], io);
    if (!loaded) return kUsageError;
    PartialJob radio(partialJobKind(block, true), args, io);
    if (auto status = radio.open()) return *status;
    const int status = radio.ended(radio.exchange().writePartial(block, loaded->model));
    if (status != kOk || !args.has("--verify")) return status;
    const Bytes sent = fromHex(loaded->model.blocks[partialBlockField(block)]).value_or(Bytes{});
    const VerifyResult v = verifyBlockWrite(radio.exchange(), block, sent);
    for (const std::string& note : v.report.notes) fail(io, "note: " + note);
    for (const std::string& line : v.lines()) io.out << line << '\n';
    if (!v.ok() && !v.lines().empty()) radio.differed(v.lines().front());
    return v.ok() ? kOk : kRadioFailed;
}

int showCommand(const Args& args, Io& io) {
    const auto loaded = load(args.file, io);
    if (!loaded) return kUsageError;
    io.out << settingsSummary(loaded->model);
    return kOk;
}

// --- channel CSV ------------------------------------------------------------

int exportCsvCommand(const Args& args, Io& io) {
    const auto loaded = load(args.file, io);
    if (!loaded) return kUsageError;
    const ChannelCsvExport csv = exportChannelCsv(loaded->model);
    for (const std::string& warning : csv.warnings) fail(io, "warning: " + warning);
    if (!args.has("--out") || args["--out"] == kStandardStream) {
        io.out << csv.text;
    } else if (const auto written = writeFileAtomically(args["--out"], csv.text); !written.ok()) {
        return fail(io, written.error), kUsageError;
    }
    return csv.warnings.empty() ? kOk : kChannelsChanged;
}

// Where rows without places go: --band and --first, or nothing.
std::optional<CsvStart> importStart(const Args& args, std::string& problem) {
    if (!args.has("--band") && !args.has("--first")) return std::nullopt;
    CsvStart start;
    const std::string band = args.has("--band") ? args["--band"] : "A";
    if (band != "A" && band != "a" && band != "B" && band != "b") problem = "--band is A or B";
    start.band = band == "A" || band == "a" ? Band::A : Band::B;
    if (args.has("--first")) {
        const auto first = scaledDecimal(args["--first"], 0, ChannelTable::kChannels);
        if (!first || *first < 1 || args["--first"].find('.') != std::string::npos)
            problem = "--first is a channel from 1 to 128";
        start.channel = static_cast<int>(first.value_or(1));
    }
    return start;
}

// The base image keeps the bytes no page shows; only its channels change.
std::optional<RadioImage> importedImage(const std::optional<RadioImage>& base,
                                        const EditorModel& model, Io& io) {
    const ImageEncoding encoding = encodeImage(model);
    if (!encoding.ok()) return fail(io, encoding.error), std::nullopt;
    RadioImage image = base.value_or(imageOf(encoding));
    const RadioImage channels = imageOf(encoding);
    for (int step = 0; step < 2 * kChannelStepsPerBand; ++step)
        image.step(step) = channels.step(step);
    return image;
}

int saveImport(const Loaded& loaded, const std::string& path, Io& io) {
    if (!path.ends_with(kImageExtension)) return save(loaded.model, path, {}, io);
    const auto image = importedImage(loaded.image, loaded.model, io);
    if (!image) return kUsageError;
    const FileResult saved = saveImageFile(stampedNow(*image, {}), path);
    if (!saved.ok()) return fail(io, path + ": " + saved.error), kUsageError;
    return kOk;
}

int importCsvCommand(const Args& args, Io& io) {
    std::string problem;
    const std::optional<CsvStart> start = importStart(args, problem);
    if (!problem.empty()) return fail(io, "import-csv: " + problem), kUsageError;
    std::string bytes;
    if (const auto read = readInput(args.file, bytes, io); !read.ok())
        return fail(io, read.error), kUsageError;
    const ChannelCsvFile csv = readChannelCsv(bytes);
    if (!csv.ok()) return fail(io, args.file + ": " + english(csv.error)), kUsageError;
    if (csv.rows.empty())
        return fail(io, args.file + ": no channels in the file; nothing imported"),
               kChannelsChanged;
    auto loaded = load(args["--into"], io);
    if (!loaded) return kUsageError;
    if (!start && csv.placement == CsvPlacement::FileOrder) {
        io.err << "No Band and Channel or Location column: the rows go to band A from channel 1 "
                  "(--band and --first choose another start).\n";
    }
    const ChannelCsvImport result = importChannelCsv(csv, loaded->model, start);
    for (const CsvNote& note : result.notes)
        fail(io, args.file + ": " + english(describeCsvNote(note)));
    for (const Phrase& remark : result.remarks)
        io.err << args.file << ": " << english(remark) << '\n';
    const int saved = saveImport(*loaded, args["--out"], io);
    if (saved != kOk) return saved;
    const auto skipped = std::ranges::count_if(result.notes, &CsvNote::skipped);
    io.out << counted(static_cast<std::uintmax_t>(result.channelsWritten), "channel")
           << " imported, " << counted(static_cast<std::uintmax_t>(skipped), "row") << " skipped, "
           << counted(result.notes.size() - static_cast<std::size_t>(skipped), "value")
           << " changed\n";
    return result.clean() ? kOk : kChannelsChanged;
}

// --- check ----------------------------------------------------------------

// 0 no problems (notes do not count), 1 some, 2 the file could not be read.
int checkCommand(const Args& args, Io& io) {
    const auto loaded = load(args.file, io);
    if (!loaded) return kUsageError;
    const auto findings = checkChannelPlan(loaded->model);
    if (args.has("--json")) {
        io.out << planCheckJson(findings);
    } else {
        for (const std::string& line : planCheckLines(findings)) io.out << line << '\n';
    }
    return problemCount(findings) == 0 ? kOk : kProblemsFound;
}

// --- diff -----------------------------------------------------------------

std::optional<ComparedSide> fileSide(const std::string& path, Io& io) {
    ComparedSide side;
    std::string bytes;
    FileResult opened = readInput(path, bytes, io);
    if (opened.ok()) opened = applyComparedSideText(path, bytes, side);
    if (!opened.ok()) return fail(io, "diff: " + opened.error), std::nullopt;
    return side;
}

// The radio on --port, read whole and kept as a backup. What the read says
// goes to stderr, so that stdout holds the comparison alone.
std::optional<ComparedSide> radioSide(const Args& args, Io& io) {
    Io readIo{io.err, io.err, io.progressBar, io.cursorMoves};
    JobOutput output = consoleOutput(readIo);
    ComparedSide side{RadioImage{}, SideKind::Image};
    JobRecorder recorder(registerOption(args), io);
    recorder.open(false, "diff");
    const std::string& port = args["--port"];
    const JobReport read =
        caughtJob(port, [&] { return readImageJob(port, side.image, jobOptions(args), output); });
    JobRecord job = jobRecordOf("diff", read);
    job.configuration = args.file;
    if (read.ok()) job.before = job.after = numbersIn(side.image);
    recorder.record(job);
    if (!read.ok()) return std::nullopt;
    return side;
}

// As diff(1): 0 the same, 1 they differ, 2 whatever kept the comparison from
// finishing (a file, the radio, a cancel).
int diffCommand(const Args& args, Io& io) {
    const auto a = fileSide(args.file, io);
    if (!a) return kUsageError;
    const auto b = args.has("--port") ? radioSide(args, io) : fileSide(args.other, io);
    if (!b) return kUsageError;
    const auto entries = compareConfigurations(a->image, b->image, looseBytesFor(a->kind, b->kind));
    const UnknownHeldBytes unknown = unknownHeldBytes(a->image, b->image);
    if (args.has("--json")) {
        io.out << compareJson(entries);
    } else {
        for (const std::string& line : compareLines(entries, unknown)) io.out << line << '\n';
    }
    return differenceCount(entries) == 0 && !unknown.any() ? kOk : kDiffers;
}

struct Command {
    std::string_view name;
    std::string_view usage;
    std::string_view summary;
    std::vector<std::string_view> required;
    std::vector<std::string_view> optional;  // options with a value
    std::vector<std::string_view> flags;     // options without one
    bool takesFile;
    int (*run)(const Args&, Io&);
    bool fileOptional = false;    // FILE may be left out (doctor without a port)
    bool takesOtherFile = false;  // a second FILE (diff)
    bool takesWords = false;      // any number of words (fleet)
};

const std::vector<std::string_view> kRadioFlags{"--fast", "--no-backup"};

const std::vector<Command>& commands() {
    static const std::vector<Command> table{
        {"ports",
         "ports [--verbose]",
         "Lists the serial ports, one per line; --verbose adds what the port doctor sees of\n"
         "each (without opening any).",
         {},
         {},
         {"--verbose"},
         false,
         portsCommand},
        {"doctor",
         "doctor [PORT]",
         "Says of each serial port (or of PORT alone, which it opens once) its stable name,\n"
         "driver and USB device, whether you may open it, and if not why and the command\n"
         "that fixes it. Exit status: 0 nothing is in the way, 1 a problem was found.",
         {},
         {},
         {},
         true,
         [](const Args& a, Io& io) { return doctor(a.file, io); },
         true},
        {"read",
         "read --port DEV... (--out FILE | --out-dir DIR) [--fast] [--backup-dir DIR]\n"
         "       [--no-backup] [--report FILE.json] [--trace FILE] [--register ADDRESS]",
         "Reads the whole radio and saves it as a settings file, or as FILE.img in its place\n"
         "when the configuration holds text a settings file cannot carry; a FILE ending in\n"
         ".img is saved as the image. With --out-dir, each radio (--port may be repeated,\n"
         "each port of its own name) is saved as DIR/<port name>.img. Nothing is written\n"
         "when the read fails. Every successful read is kept as a backup. Each radio's job is\n"
         "recorded in the register.",
         {"--port"},
         {"--out", "--out-dir", "--backup-dir", "--report", "--trace", "--register"},
         kRadioFlags,
         false,
         readCommand},
        {"write",
         "write --port DEV... --in FILE [--number FIELD=START]... [--log FILE.csv]\n"
         "       [--fleet NAME [--keep-identity]] [--register ADDRESS]\n"
         "       [--verify] [--fast] [--backup-first [--write-after-failed-read]]\n"
         "       [--backup-dir DIR] [--no-backup] [--report FILE.json] [--trace FILE]\n"
         "       [--strict]",
         "Writes a settings file or an image to the radio (--port may be repeated). An image\n"
         "is sent byte for byte, a clone of the radio it was read from. The image sent is kept\n"
         "as a backup; --backup-first reads the radio first and keeps what it held, and a\n"
         "radio that cannot be read first is not written (it fails) unless\n"
         "--write-after-failed-read is given; --verify reads it back afterwards and compares.\n"
         "--number native-id=START (up to 7 digits) or identity-code=START (up to 5) gives\n"
         "each radio its own code, in the order of the --port options: START, START+1, ...,\n"
         "each with at least START's digits; a number too wide for its field is refused\n"
         "before any exchange. Everything else is sent as given; --verify checks each radio\n"
         "against what it was sent.\n"
         "--log FILE.csv appends a line per radio to a station log (created with a header,\n"
         "locked while the command runs, written in the file's own separator and line end);\n"
         "numbering continues after the highest number the log holds, so no number is given\n"
         "twice. A file that is not a station log is refused. A line the log cannot take\n"
         "leaves the radio's result as it is; the command then exits 1 and its last lines\n"
         "name the numbers missing from the log.\n"
         "--fleet NAME takes each radio's values from the register instead of --number: in\n"
         "the order of the --port options, the fleet's next planned radio (of its roster),\n"
         "then the fleet's next numbers; they are taken before any exchange and never given\n"
         "again. The radio is sent the file plus its own native ID, identity code and boot\n"
         "lines, each where given. A register that cannot be reached, or a fleet with no\n"
         "radio left and no numbering, refuses the batch before any exchange (exit 2).\n"
         "--keep-identity reads each radio first: one whose native ID the fleet knows gets\n"
         "its own values again; another takes the next planned radio or number; a second\n"
         "radio of the batch with the same native ID is not written.\n"
         "The channel plan is checked first (see check) and its problems and notes printed\n"
         "as warnings; --strict writes nothing when there is any problem (exit 2).\n"
         "Each radio's job is recorded in the register.",
         {"--port", "--in"},
         {"--backup-dir", "--report", "--trace", "--number", "--log", "--fleet", "--register"},
         {"--fast", "--no-backup", "--verify", "--backup-first", "--write-after-failed-read",
          "--keep-identity", "--strict"},
         false,
         writeCommand},
        {"read-boot",
         "read-boot --port DEV --in FILE --out FILE [--trace FILE] [--register ADDRESS]",
         "Reads the boot message into the settings file FILE (--in) and saves the result\n"
         "(--out).",
         {"--port", "--in", "--out"},
         {"--trace", "--register"},
         {},
         false,
         [](const Args& a, Io& io) {
             return readPartialCommand(PartialBlock::BootMessage, a, io);
         }},
        {"read-limits",
         "read-limits --port DEV --in FILE --out FILE [--trace FILE] [--register ADDRESS]",
         "Reads the band limits and limit mode into the settings file FILE (--in) and saves\n"
         "the result (--out).",
         {"--port", "--in", "--out"},
         {"--trace", "--register"},
         {},
         false,
         [](const Args& a, Io& io) { return readPartialCommand(PartialBlock::Limits, a, io); }},
        {"write-boot",
         "write-boot --port DEV --in FILE [--verify] [--trace FILE] [--register ADDRESS]",
         "Writes the boot message of a settings file to the radio; --verify reads it back.",
         {"--port", "--in"},
         {"--trace", "--register"},
         {"--verify"},
         false,
         [](const Args& a, Io& io) {
             return writePartialCommand(PartialBlock::BootMessage, a, io);
         }},
        {"write-limits",
         "write-limits --port DEV --in FILE [--verify] [--trace FILE] [--register ADDRESS]",
         "Writes the band limits and limit mode of a settings file to the radio; --verify\n"
         "reads them back.",
         {"--port", "--in"},
         {"--trace", "--register"},
         {"--verify"},
         false,
         [](const Args& a, Io& io) { return writePartialCommand(PartialBlock::Limits, a, io); }},
        {"export-csv",
         "export-csv FILE [--out FILE.csv]",
         "Writes the channels of a settings file or an image as CSV (to stdout without --out):\n"
         "the generic layout of the common radio programmers, then duoband's own columns.\n"
         "Channels the layout cannot carry are named on stderr. Exit status: 0 every channel\n"
         "written whole, 1 some left out or written without a value, 2 a file error.",
         {},
         {"--out"},
         {},
         true,
         exportCsvCommand},
        {"import-csv",
         "import-csv FILE.csv --into BASE --out NEW [--band A|B] [--first N]",
         "Puts the rows of a CSV file into the channels of BASE (a settings file or an image)\n"
         "through the channel grid's own rules and saves the result as NEW (.bc, or .img).\n"
         "Rows go to their Band and Channel, else to their Location (1..128 band A, 129..256\n"
         "band B; from 0 when the smallest Location is 0); with --band/--first, or when the\n"
         "file names no places, one after the other from that channel. Channels the file\n"
         "does not name keep their contents. Skipped rows, changed values and the columns\n"
         "not kept are named on stderr. Exit status: 0 every row went in unchanged, 1 some\n"
         "were skipped or changed (NEW is still written), 2 the file is not CSV, has no\n"
         "Frequency column, or a file cannot be read or written.",
         {"--into", "--out"},
         {"--band", "--first"},
         {},
         true,
         importCsvCommand},
        {"diff",
         "diff FILE (FILE | --port DEV) [--json] [--fast] [--backup-dir DIR]\n"
         "       [--no-backup] [--trace FILE] [--register ADDRESS]",
         "Compares two configurations, each a settings file or an image, or one with\n"
         "what the radio on --port holds (a full read, kept as a backup like any read).\n"
         "A settings file is compared by what a write of it would send. One line per\n"
         "difference, named as the editor names it:\n"
         "  Band A channel 12, Receiving Frequency: 145.52500 -> 145.50000\n"
         "then the notes, \"note: \" before each (bytes no page holds, which count only\n"
         "between two images, and bytes an image does not know), then the count. Bytes a\n"
         "page holds that one side does not know (a step read in part or not at all) are\n"
         "said after the count and make the two differ; the rest of a step the radio\n"
         "answered with its shorter accepted length stays a note. --json prints the list\n"
         "as JSON instead. Exit status: 0 the same, 1 they differ, 2 the comparison could\n"
         "not finish (a file or the radio could not be read, a cancel, a usage error).",
         {},
         {"--port", "--backup-dir", "--trace", "--register"},
         {"--json", "--fast", "--no-backup"},
         true,
         diffCommand,
         false,
         true},
        {"check",
         "check FILE [--json]",
         "Checks the channel plan of a settings file or an image as a write would send it,\n"
         "one line per finding, named as the editor names it:\n"
         "  Band B channel 11: the same as channel 10\n"
         "Problems: two channels of a band alike but for their names, a name used twice in\n"
         "a band, a frequency outside the limits of \"Limit Frequency\" while the limit mode\n"
         "is ON, a limit's low edge above its high one, signalling that sends an empty DTMF\n"
         "group or an empty identity code, a transmit frequency without a receive one, a\n"
         "channel whose Power, Wide / Narrow, Compandor or Scrambler is empty while others\n"
         "are not (the radio gets none of them), and a band in Channel Mode whose \"Channel\n"
         "No.\" is an empty channel. A repeater split other than the usual ones for its band\n"
         "is a note, \"note: \" before it, which never counts. Then the count:\n"
         "\"2 problems\", \"no problems, 1 note\". --json prints the list as JSON instead.\n"
         "Exit status: 0 no problems, 1 some, 2 the file could not be read.",
         {},
         {},
         {"--json"},
         true,
         checkCommand},
        {"show",
         "show FILE",
         "Prints a settings file or an image: the programmed channels of both bands, then\n"
         "every page.",
         {},
         {},
         {},
         true,
         showCommand},
        {"fleet",
         "fleet add NAME [--number FIELD=START]... | fleet list |\n"
         "       fleet import-roster NAME FILE.csv  [--register ADDRESS]",
         "Keeps a customer's fleet in the register. add: a new fleet, numbered from START\n"
         "per field (native-id up to 7 digits, identity-code up to 5) once its roster is\n"
         "used up. list: the fleets, their radios and next numbers. import-roster: a CSV\n"
         "file (',', ';' or tab) with a header naming any of native-id, identity-code,\n"
         "boot-line-1, boot-line-2, label and notes; each row becomes a planned radio of\n"
         "the fleet. Values are checked as the editor checks them, and no native ID may be\n"
         "twice in the fleet; if any row is refused, each is named with its line and\n"
         "nothing is imported (exit 2).",
         {},
         {"--number", "--register"},
         {},
         false,
         [](const Args& a, Io& io) {
             return fleetCommand(a.words,
                                 a.has("--number") ? a.all("--number") : std::vector<std::string>{},
                                 registerOption(a), io);
         },
         false,
         false,
         true},
        {"radios",
         "radios [--fleet NAME] [--csv | --json] [--register ADDRESS]",
         "Lists the radios of the register (or of one fleet), one line each: fleet, native ID,\n"
         "identity code, boot lines, label, state (planned, reserved or programmed), when it\n"
         "was last programmed, with which configuration, and its last job's result.",
         {},
         {"--fleet", "--register"},
         {"--csv", "--json"},
         false,
         [](const Args& a, Io& io) {
             if (a.has("--csv") && a.has("--json"))
                 return fail(io, "radios: --csv or --json, not both"), kUsageError;
             const ListFormat format = a.has("--csv")    ? ListFormat::Csv
                                       : a.has("--json") ? ListFormat::Json
                                                         : ListFormat::Table;
             return radiosCommand(a.has("--fleet") ? a["--fleet"] : "", format, registerOption(a),
                                  io);
         }},
        {"history",
         "history (NATIVE-ID | --port DEV) [--fleet NAME] [--json] [--register ADDRESS]",
         "Prints every job of the radio with that native ID, newest first, with the backup\n"
         "each kept; --port reads the radio's ID first. --json prints an array of jobs.",
         {},
         {"--port", "--fleet", "--register", "--backup-dir", "--trace"},
         {"--json", "--fast", "--no-backup"},
         true,
         [](const Args& a, Io& io) {
             return historyCommand(a.file, a.has("--port") ? a["--port"] : "",
                                   a.has("--fleet") ? a["--fleet"] : "", a.has("--json"),
                                   registerOption(a), jobOptions(a), io);
         },
         true},
    };
    return table;
}

void toolHelp(std::ostream& out) {
    out << "usage: duoband-cli COMMAND [options]\n"
           "Reads, writes and inspects radios, settings files (.bc) and images (.img).\n\n"
           "Commands:\n";
    for (const auto& c : commands()) out << "  " << c.usage << '\n';
    out << "\n--trace FILE records every byte sent and received, in hex, with a time stamp\n"
           "(with several ports, one FILE.<port name> each).\n"
           "--fast takes each answer as soon as it is complete (see the README).\n"
           "Backups go to backups/ in the data folder unless --backup-dir DIR says otherwise.\n"
           "Every radio job is recorded in the register: register.sqlite in the data folder,\n"
           "or --register ADDRESS (a SQLite file, or postgresql://[user@]host[:port]/database\n"
           "with the password in ~/.pgpass). $DUOBAND_DATA_DIR names another data folder.\n"
           "Exit status: 0 everything done; 1 a radio failed, was cancelled or differed on\n"
           "verify; 2 a usage or file error found before any exchange. diff, as diff(1):\n"
           "0 the same, 1 they differ, 2 the comparison could not finish. check: 0 no\n"
           "problems, 1 some, 2 the file could not be read.\n"
           "Run \"duoband-cli COMMAND --help\" for a command's description, and\n"
           "\"duoband-cli --version\" for the version.\n";
}

void commandHelp(const Command& c, std::ostream& out) {
    out << "usage: duoband-cli " << c.usage << '\n' << c.summary << '\n';
}

int usageError(const Command& c, std::string_view problem, Io& io) {
    fail(io, std::string(c.name) + ": " + std::string(problem));
    io.err << "usage: duoband-cli " << c.usage << '\n';
    return kUsageError;
}

bool listed(const std::vector<std::string_view>& list, std::string_view option) {
    return std::ranges::find(list, option) != list.end();
}

// What a command needs besides its required options.
std::string missingChoice(const Command& c, const Args& parsed) {
    if (c.name == "read" && !parsed.has("--out") && !parsed.has("--out-dir"))
        return "missing --out (or --out-dir)";
    if (c.takesFile && !c.fileOptional && parsed.file.empty()) return "missing FILE";
    if (c.takesOtherFile) {
        const bool radio = parsed.has("--port");
        if (radio && !parsed.other.empty()) return "a second FILE or --port, not both";
        if (!radio && parsed.other.empty()) return "missing the second FILE (or --port)";
        if (radio && parsed.all("--port").size() > 1) return "one --port only";
    }
    return {};
}

// An option and its value, given as "--name VALUE" or "--name=VALUE"; a
// flag takes none. Names are matched whole, never by a prefix.
std::string takeOption(const Command& c, std::span<const std::string_view> args, std::size_t& i,
                       Args& parsed) {
    const std::string_view a = args[i];
    const std::size_t equals = a.find('=');
    const std::string name(a.substr(0, equals));
    if (listed(c.flags, name)) {
        if (equals != std::string_view::npos) return name + " takes no value";
        parsed.options[name].emplace_back();
        return {};
    }
    if (!listed(c.required, name) && !listed(c.optional, name))
        return "unknown option " + (equals == std::string_view::npos ? std::string(a) : name);
    std::string_view value;
    if (equals != std::string_view::npos) {
        value = a.substr(equals + 1);
    } else if (i + 1 < args.size()) {
        value = args[++i];
    }
    if (value.empty()) return name + " needs a value";
    parsed.options[name].emplace_back(value);
    return {};
}

// Standard input can be read once; standard output is for export-csv's CSV.
std::string standardStreamProblem(const Command& c, const Args& parsed) {
    int inputs = (parsed.file == kStandardStream) + (parsed.other == kStandardStream);
    for (const std::string_view input : {"--in", "--into"})
        if (parsed.has(input)) inputs += parsed[input] == kStandardStream;
    if (inputs > 1) return "- (standard input) can be read only once";
    for (const std::string_view output : {"--out", "--out-dir", "--report", "--trace", "--log"}) {
        if (!parsed.has(output) || parsed[output] != kStandardStream) continue;
        if (c.name != "export-csv" || output != "--out")
            return std::string(output) +
                   " -: name a file (only export-csv writes to standard output)";
    }
    return {};
}

int runCommand(const Command& c, std::span<const std::string_view> args, Io& io) {
    Args parsed;
    bool optionsEnded = false;  // after "--", every argument is a FILE
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view a = args[i];
        const bool option = !optionsEnded && a.starts_with('-') && a != kStandardStream;
        if (option && (a == "--help" || a == "-h")) return commandHelp(c, io.out), kOk;
        if (option && a == "--") {
            optionsEnded = true;
        } else if (option) {
            if (const std::string problem = takeOption(c, args, i, parsed); !problem.empty())
                return usageError(c, problem, io);
        } else if (c.takesWords) {
            parsed.words.emplace_back(a);
        } else if (c.takesFile && parsed.file.empty()) {
            parsed.file = a;
        } else if (c.takesOtherFile && parsed.other.empty()) {
            parsed.other = a;
        } else {
            return usageError(c, "unexpected argument " + std::string(a), io);
        }
    }
    for (const auto& r : c.required)
        if (!parsed.has(r)) return usageError(c, "missing " + std::string(r), io);
    if (const std::string missing = missingChoice(c, parsed); !missing.empty())
        return usageError(c, missing, io);
    if (const std::string problem = standardStreamProblem(c, parsed); !problem.empty())
        return usageError(c, problem, io);
    if (parsed.has("--port")) {
        const std::vector<std::string> clashes = portClashes(parsed.all("--port"));
        for (const std::string& clash : clashes) fail(io, std::string(c.name) + ": " + clash);
        if (!clashes.empty()) return kUsageError;
    }
    return c.run(parsed, io);
}

}  // namespace

std::atomic<bool>& stopRequested() {
    static std::atomic<bool> requested{false};
    return requested;
}

std::atomic<bool>& hangUpSeen() {
    static std::atomic<bool> seen{false};
    return seen;
}

int run(std::span<const std::string_view> args, Io& io) {
    if (args.empty()) return toolHelp(io.err), kUsageError;
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") return toolHelp(io.out), kOk;
    if (args[0] == "--version") return io.out << versionText("duoband-cli") << '\n', kOk;
    const auto c = std::ranges::find(commands(), args[0], &Command::name);
    if (c == commands().end()) {
        fail(io, "unknown command " + std::string(args[0]));
        return toolHelp(io.err), kUsageError;
    }
    return runCommand(*c, args.subspan(1), io);
}

}  // namespace duoband::cli
