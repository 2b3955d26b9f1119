// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <cerrno>
#include <cstring>

#include "duoband/counted.h"
#include "duoband/image_file.h"
#include "duoband/port_discovery.h"
#include "duoband/radio_jobs.h"

namespace duoband {

std::string portName(const std::string& port) {
    const std::string last = std::filesystem::path(port).filename().string();
    return last.empty() ? port : last;
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
                               std::function<bool()> stop, bool& traceFailed) {
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
    exchange_->stopRequested = std::move(stop);
    if (trace_.isOpen())
        exchange_->onTrace = [this](TraceDirection d, auto bytes) { trace_.record(d, bytes); };
    return {};
}

}  // namespace duoband
