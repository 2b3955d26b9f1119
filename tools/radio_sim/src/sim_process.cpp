#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
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

}  // namespace

bool SimProcess::start(const std::string& program, const std::vector<std::string>& args) {
    stop();
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) return error_ = std::strerror(errno), false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const int rc = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (rc != 0) {
        close(out[0]);
        pid_ = -1;
        return error_ = program + ": " + std::strerror(rc), false;
    }
    port_ = firstLine(out[0]);
    close(out[0]);
    if (port_.empty()) {
        stop();
        return error_ = program + " printed no terminal path", false;
    }
    return true;
}

void SimProcess::stop() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
}

}  // namespace duoband::sim
