// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <iomanip>
#include <sstream>
#include <thread>

#include "duoband/json_text.h"
#include "duoband/radio_jobs.h"

namespace duoband {

namespace {

// The fields some radio of the reports was numbered in.
std::vector<UnitField> numberedFields(const std::vector<JobReport>& reports) {
    std::vector<UnitField> fields;
    for (UnitField f : kUnitFields) {
        for (const JobReport& r : reports) {
            if (!r.numbers[f].empty()) {
                fields.push_back(f);
                break;
            }
        }
    }
    return fields;
}

}  // namespace

JobReport caughtJob(const std::string& port, const std::function<JobReport()>& job) {
    JobReport failed;
    failed.port = port;
    try {
        return job();
    } catch (const std::exception& e) {
        failed.message = e.what();
    } catch (...) {
        failed.message = QT_TRANSLATE_NOOP("duoband", "an unknown error");
    }
    failed.lines = {failed.message};
    return failed;
}

std::vector<JobReport> runFleet(const std::vector<std::string>& ports, const Job& job,
                                const std::function<JobOutput(std::size_t index)>& outputFor) {
    std::vector<JobReport> reports(ports.size());
    std::vector<JobOutput> outputs;
    for (std::size_t i = 0; i < ports.size(); ++i) outputs.push_back(outputFor(i));
    std::vector<std::jthread> running;
    for (std::size_t i = 0; i < ports.size(); ++i)
        running.emplace_back([&, i] {
            reports[i] = caughtJob(ports[i], [&] { return job(i, ports[i], outputs[i]); });
        });
    running.clear();  // joins every job
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
    const std::vector<UnitField> numbered = numberedFields(reports);
    std::ostringstream out;
    const auto row = [&](std::string_view port, std::string_view result, std::string_view seconds,
                         const std::vector<std::string_view>& numbers, std::string_view message,
                         std::string_view detail) {
        out << std::left << std::setw(static_cast<int>(portWidth + 2)) << port << std::setw(11)
            << result << std::setw(9) << seconds;
        for (std::size_t i = 0; i < numbered.size(); ++i) {
            const UnitFieldLayout& layout = unitFieldLayout(numbered[i]);
            out << std::setw(static_cast<int>(std::max(layout.caption.size(), layout.digits) + 2))
                << numbers[i];
        }
        if (detail.empty()) {
            out << message << '\n';
        } else {
            out << std::setw(static_cast<int>(messageWidth + 2)) << message << detail << '\n';
        }
    };
    std::vector<std::string_view> captions;
    for (UnitField f : numbered) captions.push_back(unitFieldLayout(f).caption);
    row("Port", "Result", "Seconds", captions, "Message", "Detail");
    for (const auto& r : reports) {
        std::ostringstream seconds;
        seconds << std::fixed << std::setprecision(1) << r.seconds;
        std::vector<std::string_view> numbers;
        for (UnitField f : numbered) numbers.push_back(r.numbers[f]);
        row(r.port, r.result, seconds.str(), numbers, r.message, r.detail);
    }
    return out.str();
}

std::string reportJson(const std::vector<JobReport>& reports) {
    const std::vector<UnitField> numbered = numberedFields(reports);
    std::ostringstream out;
    out << "[\n";
    for (std::size_t i = 0; i < reports.size(); ++i) {
        const JobReport& r = reports[i];
        out << "  {" << jsonPathMembers("port", r.port) << ", \"result\": " << jsonString(r.result)
            << ", \"seconds\": " << std::fixed << std::setprecision(3) << r.seconds
            << ", \"message\": " << jsonString(r.message)
            << ", \"detail\": " << jsonString(r.detail) << ", " << jsonPathMembers("file", r.file)
            << ", " << jsonPathMembers("backup", r.backup);
        for (UnitField f : numbered)
            out << ", " << jsonString(unitFieldLayout(f).name) << ": " << jsonString(r.numbers[f]);
        out << "}" << (i + 1 < reports.size() ? "," : "") << "\n";
    }
    out << "]\n";
    return out.str();
}

}  // namespace duoband
