// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// duoband-radio-sim: the simulated radio behind a pseudo-terminal.
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>

#include "duoband/radio_sim.h"
#include "duoband/radio_sim_sample.h"
#include "duoband/version.h"

namespace {

using namespace duoband::sim;
using Clock = LineTimer::Clock;

class Server {
  public:
    Server(Options options, int signals)
        : options_(std::move(options)), timer_(options_.pace, options_.usb), signals_(signals) {}
    ~Server();
    bool setUp(Memory memory);
    int run();

  private:
    void receive();
    void transmit();
    void hangUp();
    int timeoutFor(Clock::time_point now, timespec& ts) const;

    Options options_;
    LineTimer timer_;
    std::optional<Radio> radio_;
    std::ofstream log_;
    int master_ = -1;
    int slave_ = -1;
    int signals_;
    Bytes unsent_;
};

Server::~Server() {
    hangUp();
    if (signals_ >= 0) close(signals_);
    if (!options_.linkPath.empty()) unlink(options_.linkPath.c_str());
}

bool Server::setUp(Memory memory) {
    if (!options_.logFile.empty()) {
        log_.open(options_.logFile, std::ios::trunc);
        if (!log_) return std::cerr << "cannot write " << options_.logFile << "\n", false;
    }
    // Lines are flushed one by one: a test reads the log while the radio runs.
    radio_.emplace(options_, memory, [this](std::string_view line) {
        if (log_.is_open()) log_ << line << std::endl;
    });
    if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0)
        return std::cerr << "openpty: " << std::strerror(errno) << "\n", false;
    // The radio keeps its own handle on the terminal side so that the master
    // never reports a hang-up while no program has the port open.
    termios tio{};
    tcgetattr(slave_, &tio);
    cfmakeraw(&tio);
    tcsetattr(slave_, TCSANOW, &tio);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    const char* path = ttyname(slave_);
    if (path == nullptr) return std::cerr << "ttyname failed\n", false;
    if (!options_.linkPath.empty()) {
        unlink(options_.linkPath.c_str());
        if (symlink(path, options_.linkPath.c_str()) != 0)
            return std::cerr << "cannot link " << options_.linkPath << "\n", false;
    }
    // Announced last: whoever reads the path finds everything in place.
    std::cout << path << std::endl;
    return true;
}

void Server::hangUp() {
    for (int* fd : {&master_, &slave_}) {
        if (*fd >= 0) close(*fd);
        *fd = -1;
    }
    unsent_.clear();
}

void Server::receive() {
    std::uint8_t chunk[4096];
    const ssize_t n = read(master_, chunk, sizeof chunk);
    if (n <= 0) return;
    const auto timing = timer_.received(Clock::now(), static_cast<std::size_t>(n));
    const Outcome outcome = radio_->receive({chunk, static_cast<std::size_t>(n)});
    for (const auto& answer : outcome.answers)
        timer_.send(timing.of(answer.afterByte) + answer.delay, answer.bytes);
    if (outcome.memoryChanged && !options_.saveMemoryFile.empty() &&
        !saveMemory(radio_->memory(), options_.saveMemoryFile))
        std::cerr << "cannot write " << options_.saveMemoryFile << "\n";
    if (outcome.hangup) hangUp();
}

void Server::transmit() {
    const Bytes due = timer_.takeDue(Clock::now());
    unsent_.insert(unsent_.end(), due.begin(), due.end());
    // A flood keeps the line full with a pattern no answer has.
    constexpr std::size_t kFloodBlock = 64 * 1024;
    for (std::size_t i = unsent_.size(); radio_->flooding() && i < kFloodBlock; ++i)
        unsent_.push_back(static_cast<std::uint8_t>(0xA5 ^ i));
    if (unsent_.empty() || master_ < 0) return;
    const ssize_t n = write(master_, unsent_.data(), unsent_.size());
    if (n > 0) unsent_.erase(unsent_.begin(), unsent_.begin() + n);
}

// ppoll's time-out: until the next answer byte is due, or none.
int Server::timeoutFor(Clock::time_point now, timespec& ts) const {
    const auto due = timer_.nextDue();
    if (!due || master_ < 0) return -1;
    const auto wait = std::max(*due - now, Clock::duration{0});
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
    ts.tv_sec = ns / 1'000'000'000;
    ts.tv_nsec = ns % 1'000'000'000;
    return 0;
}

int Server::run() {
    for (;;) {
        pollfd fds[2] = {{signals_, POLLIN, 0}, {master_, POLLIN, 0}};
        if (!unsent_.empty()) fds[1].events |= POLLOUT;
        timespec ts{};
        const bool timed = timeoutFor(Clock::now(), ts) == 0;
        if (ppoll(fds, master_ >= 0 ? 2 : 1, timed ? &ts : nullptr, nullptr) < 0 && errno != EINTR)
            return 1;
        if (fds[0].revents & POLLIN) return 0;
        if (master_ >= 0 && (fds[1].revents & POLLIN)) receive();
        transmit();
    }
}

// The signals that end the radio arrive on a descriptor, so that it always
// ends through run() and its clean-up. Taken first thing, before any file
// is made, and whatever the parent ignored or blocked.
int stopSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (const int s : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&set, s);
        signal(s, SIG_DFL);
    }
    if (sigprocmask(SIG_BLOCK, &set, nullptr) != 0) return -1;
    return signalfd(-1, &set, SFD_CLOEXEC);
}

}  // namespace

int main(int argc, char** argv) {
    const int signals = stopSignals();
    if (signals < 0) return std::cerr << "signalfd: " << std::strerror(errno) << "\n", 2;
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--version")
        return std::cout << duoband::versionText("duoband-radio-sim") << "\n", 0;
    auto parsed = parseOptions(args);
    if (auto* message = std::get_if<std::string>(&parsed)) {
        const bool help = *message == usage();
        (help ? std::cout : std::cerr) << *message << (message->ends_with('\n') ? "" : "\n");
        return help ? 0 : 2;
    }
    Options options = std::get<Options>(std::move(parsed));
    std::string error;
    std::optional<Memory> memory = blankMemory();
    if (options.sample) memory = sampleMemory();
    if (!options.memoryFile.empty()) memory = loadMemory(options.memoryFile, error);
    if (!memory) return std::cerr << error << "\n", 2;
    Server server(std::move(options), signals);
    if (!server.setUp(*memory)) return 2;
    return server.run();
}
