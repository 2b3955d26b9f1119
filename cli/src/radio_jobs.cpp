// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "radio_jobs.h"

#include <sys/stat.h>

#include <cstdlib>
#include <memory>
#include <mutex>

namespace duoband::cli {

namespace {

std::string bar(int done) {
    constexpr int kWidth = 40;
    const int filled = done * kWidth / kTransferSteps;
    return "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(kWidth - filled), ' ') + "] " +
           std::to_string(done) + "/" + std::to_string(kTransferSteps);
}

// The shared screen of a fleet. On a terminal that takes cursor moves each
// port owns one line that its progress redraws, and what the jobs say waits
// until they are done; otherwise every line goes out at once, led by its
// port. Results go to stdout and warnings to stderr either way.
class FleetScreen {
  public:
    FleetScreen(const std::vector<std::string>& ports, Io& io) : ports_(ports), io_(io) {
        if (!io_.cursorMoves) return;
        for (const auto& port : ports_) io_.err << lineStart(port) << bar(0) << '\n';
        io_.err << std::flush;
    }

    JobOutput outputFor(std::size_t index) {
        JobOutput output;
        output.say = [this, index](const std::string& l) { line(index, l, io_.out); };
        output.warn = [this, index](const std::string& l) { line(index, l, io_.err); };
        output.progress = [this, index](int done) { progress(index, done); };
        return output;
    }

    void finish() {
        std::lock_guard lock(mutex_);
        for (const auto& [to, text] : held_) *to << text;
        io_.out << std::flush;
        io_.err << std::flush;
    }

  private:
    std::string lineStart(const std::string& port) const {
        std::size_t width = 0;
        for (const auto& p : ports_) width = std::max(width, p.size());
        return port + std::string(width + 2 - port.size(), ' ');
    }

    void line(std::size_t index, const std::string& text, std::ostream& to) {
        std::lock_guard lock(mutex_);
        std::string led = ports_[index] + ": " + text + '\n';
        if (io_.cursorMoves) {
            held_.emplace_back(&to, std::move(led));
        } else {
            to << led;
        }
    }

    void progress(std::size_t index, int done) {
        if (!io_.cursorMoves) return;
        std::lock_guard lock(mutex_);
        const std::size_t up = ports_.size() - index;
        io_.err << "\x1b[" << up << "A\r" << lineStart(ports_[index]) << bar(done) << "\x1b[K\x1b["
                << up << "B\r" << std::flush;
    }

    const std::vector<std::string>& ports_;
    Io& io_;
    std::mutex mutex_;
    std::vector<std::pair<std::ostream*, std::string>> held_;
};

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

void fail(Io& io, std::string_view message) {
    io.err << "duoband-cli: " << message << '\n';
}

}  // namespace

bool cursorMovesWanted() {
    const char* term = std::getenv("TERM");
    const char* noColor = std::getenv("NO_COLOR");
    return (term == nullptr || std::string_view(term) != "dumb") &&
           (noColor == nullptr || *noColor == '\0');
}

JobOutput consoleOutput(Io& io) {
    auto barOpen = std::make_shared<bool>(false);
    auto endBar = [&io, barOpen] {
        if (*barOpen) io.err << '\n';
        *barOpen = false;
    };
    JobOutput output;
    output.say = [&io, endBar](const std::string& l) { endBar(), io.out << l << '\n'; };
    output.warn = [&io, endBar](const std::string& l) { endBar(), fail(io, l); };
    if (io.progressBar) {
        output.progress = [&io, barOpen](int done) {
            io.err << '\r' << bar(done) << std::flush;
            *barOpen = true;
        };
    }
    return output;
}

std::vector<JobReport> runFleetOnScreen(const std::vector<std::string>& ports, const Job& job,
                                        Io& io) {
    FleetScreen screen(ports, io);
    std::vector<JobReport> reports =
        runFleet(ports, job, [&](std::size_t index) { return screen.outputFor(index); });
    screen.finish();
    return reports;
}

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

}  // namespace duoband::cli
