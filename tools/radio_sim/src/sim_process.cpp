// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

#include "duoband/radio_sim_process.h"

extern char** environ;

namespace duoband::sim {
namespace {

constexpr std::chrono::milliseconds kStartTimeout{5000};
constexpr std::chrono::milliseconds kStopTimeout{1000};  // the radio ends in a few ms

// Reads the child's first line from `fd`, waiting at most kStartTimeout.
std::string firstLine(int fd) {
    std::string line;
    const auto end = std::chrono::steady_clock::now() + kStartTimeout;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        pollfd p{fd, POLLIN, 0};
        if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) return {};
        char c = 0;
        if (read(fd, &c, 1) != 1) return {};
        if (c == '\n') return line;
        line += c;
    }
}

// Waits for the child to end without reaping it; false when it is still
// running after `within`.
bool endsWithin(pid_t pid, std::chrono::milliseconds within) {
    const int fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (fd < 0) return false;
    pollfd p{fd, POLLIN, 0};
    const bool ended = poll(&p, 1, static_cast<int>(within.count())) == 1;
    close(fd);
    return ended;
}

// The child's side of the fork: only async-signal-safe calls, since the
// parent may run other threads. The radio gets SIGTERM when the thread that
// started it dies, however it dies; if the parent is already gone, it never
// starts. A failed exec reports its errno on `failure`.
[[noreturn]] void becomeRadio(char* const* argv, int out, int failure, pid_t parent) {
    if (prctl(PR_SET_PDEATHSIG, SIGTERM) != 0 || getppid() != parent) _exit(127);
    if (dup2(out, STDOUT_FILENO) < 0) _exit(127);
    if (out == STDOUT_FILENO) fcntl(out, F_SETFD, 0);  // dup2 onto itself keeps O_CLOEXEC
    execve(argv[0], argv, environ);
    const int error = errno;
    [[maybe_unused]] auto n = write(failure, &error, sizeof error);
    _exit(127);
}

// The errno of a failed exec, 0 once the exec has closed the pipe.
int execError(int failure) {
    int error = 0;
    ssize_t n;
    do n = read(failure, &error, sizeof error);
    while (n < 0 && errno == EINTR);
    return n == sizeof error ? error : 0;
}

// Forks the radio with its stdout on `out`: the errno of a failed fork or
// exec, 0 once it runs.
int spawnRadio(char* const* argv, int out, pid_t& pid) {
    int failure[2];
    if (pipe2(failure, O_CLOEXEC) != 0) return errno;
    const pid_t parent = getpid();
    pid = fork();
    if (pid == 0) becomeRadio(argv, out, failure[1], parent);
    const int forkError = errno;
    close(failure[1]);
    const int error = pid < 0 ? forkError : execError(failure[0]);
    close(failure[0]);
    return error;
}

}  // namespace

bool SimProcess::start(const std::string& program, const std::vector<std::string>& args) {
    stop();
    port_.clear();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return error_ = std::strerror(errno), false;
    const int error = spawnRadio(argv.data(), out[1], pid_);
    close(out[1]);
    if (error == 0) port_ = firstLine(out[0]);
    close(out[0]);
    if (error == 0 && !port_.empty()) return true;
    stop();
    error_ =
        error != 0 ? program + ": " + std::strerror(error) : program + " printed no terminal path";
    return false;
}

void SimProcess::stop() {
    if (pid_ > 0) {
        kill(pid_, SIGTERM);
        if (!endsWithin(pid_, kStopTimeout)) kill(pid_, SIGKILL);
        while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    pid_ = -1;
}

}  // namespace duoband::sim
