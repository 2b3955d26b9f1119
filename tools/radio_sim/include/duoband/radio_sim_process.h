// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs duoband-radio-sim as a child process: for the end-to-end tests, the
// benchmark and the demo mode.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace duoband::sim {

class SimProcess {
  public:
    SimProcess() = default;
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;
    ~SimProcess() { stop(); }

    // Starts `program` with `args` and waits (at most 5 s) for the terminal
    // path it prints. False with `error()` set when it does not come up.
    // The radio is sent SIGTERM when the calling thread ends, also by a crash
    // or SIGKILL: start it from a thread that lives as long as it should.
    bool start(const std::string& program, const std::vector<std::string>& args);
    // Ends the radio (SIGTERM) and reaps it; harmless when not running.
    void stop();

    bool running() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    const std::string& port() const { return port_; }
    const std::string& error() const { return error_; }

  private:
    pid_t pid_ = -1;
    std::string port_;
    std::string error_;
};

}  // namespace duoband::sim
