// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "register_commands.h"

#include <iomanip>
#include <sstream>

#include "duoband/fleet_tasks.h"
#include "duoband/json_text.h"
#include "duoband/whole_file.h"
#include "radio_jobs.h"

namespace duoband::cli {

namespace {

void fail(Io& io, std::string_view message) {
    io.err << "duoband-cli: " << message << '\n';
}

int fleetAdd(const std::string& name, const std::vector<std::string>& options,
             JobRecorder& recorder, Io& io) {
    std::string problem;
    const auto numbering = fleetNumbering(options, problem);
    if (!numbering) return fail(io, "fleet add: " + problem), kUsageError;
    if (!recorder.open(true, "fleet add")) return kUsageError;
    recorder.reg().addFleet(name, *numbering);
    io.out << "Fleet " << name << " added.\n";
    return kOk;
}

int fleetList(JobRecorder& recorder, Io& io) {
    if (!recorder.open(true, "fleet list")) return kUsageError;
    for (const Fleet& f : recorder.reg().fleets())
        io.out << f.name << "  " << f.radios << (f.radios == 1 ? " radio" : " radios")
               << "  numbering: " << numberingText(f) << "  created " << f.created << '\n';
    return kOk;
}

int importRoster(const std::string& name, const std::string& file, JobRecorder& recorder, Io& io) {
    std::string bytes;
    if (const FileResult read = readWholeFile(file, bytes); !read.ok())
        return fail(io, "fleet import-roster: " + read.error), kUsageError;
    if (!recorder.open(true, "fleet import-roster")) return kUsageError;
    const RosterImport roster = duoband::importRoster(recorder.reg(), name, bytes);
    if (!roster.error.empty())
        return fail(io, "fleet import-roster: " + file + ": " + english(roster.error)), kUsageError;
    for (const Phrase& refusal : roster.refusals)
        fail(io, "fleet import-roster: " + file + ": " + english(refusal));
    if (!roster.imported())
        return fail(io, "fleet import-roster: nothing imported; correct the rows named above"),
               kUsageError;
    io.out << roster.planned << (roster.planned == 1 ? " radio" : " radios") << " planned in fleet "
           << name << ".\n";
    return kOk;
}

// Rows in columns as wide as their widest cell, two spaces apart.
void printTable(const std::vector<std::vector<std::string>>& rows, Io& io) {
    std::vector<std::size_t> widths(rows.front().size());
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c)
            line += row[c] + std::string(widths[c] + 2 - row[c].size(), ' ');
        io.out << line.substr(0, line.find_last_not_of(' ') + 1) << '\n';
    }
}

// The rows below the header as an array of objects, the header naming the members.
void printJson(const std::vector<std::vector<std::string>>& rows, Io& io) {
    io.out << "[\n";
    for (std::size_t i = 1; i < rows.size(); ++i) {
        io.out << "  {";
        for (std::size_t c = 0; c < rows[i].size(); ++c)
            io.out << (c == 0 ? "" : ", ") << jsonString(rows[0][c]) << ": "
                   << jsonString(rows[i][c]);
        io.out << "}" << (i + 1 < rows.size() ? "," : "") << "\n";
    }
    io.out << "]\n";
}

std::string jobJson(const JobRecord& j) {
    std::ostringstream out;
    out << "{\"time\": " << jsonString(j.time) << ", \"bench\": " << jsonString(j.bench) << ", "
        << jsonPathMembers("port", j.port) << ", \"kind\": " << jsonString(j.kind)
        << ", \"fleet\": " << jsonString(j.fleet)
        << ", \"configuration\": " << jsonString(j.configuration)
        << ", \"configuration-sha256\": " << jsonString(j.configurationSha256);
    for (UnitField f : kUnitFields) {
        const std::string name(unitFieldLayout(f).name);
        out << ", " << jsonString(name + "-before") << ": " << jsonString(j.before[f]) << ", "
            << jsonString(name + "-after") << ": " << jsonString(j.after[f]);
    }
    out << ", \"result\": " << jsonString(j.result) << ", \"message\": " << jsonString(j.message)
        << ", \"detail\": " << jsonString(j.detail) << ", \"seconds\": " << std::fixed
        << std::setprecision(3) << j.seconds << ", " << jsonPathMembers("backup", j.backup) << "}";
    return out.str();
}

std::string idChange(const JobRecord& j) {
    const std::string& before = j.before[UnitField::NativeId];
    const std::string& after = j.after[UnitField::NativeId];
    if (before.empty() || before == after) return after.empty() ? "-" : after;
    return before + "->" + (after.empty() ? "?" : after);
}

}  // namespace

int fleetCommand(const std::vector<std::string>& words, const std::vector<std::string>& numbers,
                 const std::string& address, Io& io) {
    JobRecorder recorder(address, io);
    const std::string_view action = words.empty() ? "" : words[0];
    const std::size_t wanted = action == "add" ? 2 : action == "list" ? 1 : 3;
    if ((action != "add" && action != "list" && action != "import-roster") ||
        words.size() != wanted)
        return fail(io, "fleet: give add NAME, list, or import-roster NAME FILE.csv"), kUsageError;
    if (!numbers.empty() && action != "add")
        return fail(io, "fleet: --number goes with fleet add"), kUsageError;
    try {
        if (action == "add") return fleetAdd(words[1], numbers, recorder, io);
        if (action == "list") return fleetList(recorder, io);
        return importRoster(words[1], words[2], recorder, io);
    } catch (const RegisterError& e) {
        return fail(io, "fleet " + std::string(action) + ": " + e.what()), kUsageError;
    }
}

int radiosCommand(const std::string& fleet, ListFormat format, const std::string& address, Io& io) {
    JobRecorder recorder(address, io);
    if (!recorder.open(true, "radios")) return kUsageError;
    try {
        const auto radios = recorder.reg().radios(fleet);
        if (format == ListFormat::Csv) return io.out << radiosCsv(radios), kOk;
        std::vector<std::vector<std::string>> rows{{kRadioColumns.begin(), kRadioColumns.end()}};
        for (const RegisteredRadio& r : radios) rows.push_back(radioFields(r));
        if (format == ListFormat::Table) {
            printTable(rows, io);
        } else {
            printJson(rows, io);
        }
        return kOk;
    } catch (const RegisterError& e) {
        return fail(io, std::string("radios: ") + e.what()), kUsageError;
    }
}

namespace {

// The native ID of the radio on `port`, read whole (and recorded as a read);
// nullopt when it cannot be read or holds none.
std::optional<std::string> nativeIdOnPort(const std::string& port, const JobOptions& options,
                                          JobRecorder& recorder, Io& io) {
    Io readIo{io.err, io.err, io.progressBar, io.cursorMoves};
    JobOutput output = consoleOutput(readIo);
    RadioImage image;
    const JobReport read =
        caughtJob(port, [&] { return readImageJob(port, image, options, output); });
    JobRecord job = jobRecordOf("read", read);
    if (read.ok()) job.before = job.after = numbersIn(image);
    recorder.record(job);
    if (!read.ok()) return std::nullopt;
    const std::string& id = job.after[UnitField::NativeId];
    if (id.empty())
        return fail(io, "history: the radio on " + port + " holds no native ID"), std::nullopt;
    return id;
}

void printHistory(const std::vector<JobRecord>& jobs, bool json, Io& io) {
    if (json) {
        io.out << "[\n";
        for (std::size_t i = 0; i < jobs.size(); ++i)
            io.out << "  " << jobJson(jobs[i]) << (i + 1 < jobs.size() ? "," : "") << "\n";
        io.out << "]\n";
        return;
    }
    std::vector<std::vector<std::string>> rows{
        {"time", "kind", "port", "fleet", "native-id", "result", "configuration", "backup"}};
    for (const JobRecord& j : jobs)
        rows.push_back(
            {j.time, j.kind, j.port, j.fleet, idChange(j), j.result, j.configuration, j.backup});
    printTable(rows, io);
}

}  // namespace

int historyCommand(const std::string& nativeId, const std::string& port, const std::string& fleet,
                   bool json, const std::string& address, const JobOptions& options, Io& io) {
    if (nativeId.empty() == port.empty())
        return fail(io, "history: give a NATIVE-ID or --port, one of them"), kUsageError;
    if (!nativeId.empty() && !holdsUnitNumber(UnitField::NativeId, nativeId))
        return fail(io, "history: a native ID is up to 7 decimal digits, not \"" + nativeId + "\""),
               kUsageError;
    JobRecorder recorder(address, io);
    if (!recorder.open(true, "history")) return kUsageError;
    const auto id = port.empty() ? nativeId : nativeIdOnPort(port, options, recorder, io);
    if (!id) return kRadioFailed;
    try {
        const auto jobs = recorder.reg().history(*id, fleet);
        if (jobs.empty()) io.err << "No job of native ID " << *id << " in the register.\n";
        printHistory(jobs, json, io);
        return kOk;
    } catch (const RegisterError& e) {
        return fail(io, std::string("history: ") + e.what()), kUsageError;
    }
}

}  // namespace duoband::cli
