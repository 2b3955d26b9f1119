// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// duoband-cli: the programming tool without a window.
#include <signal.h>
#include <unistd.h>

#include <iostream>
#include <new>
#include <vector>

#include "duoband/cli.h"

namespace {

// SIGINT and SIGTERM stop the transfers after their current frame instead
// of killing the program mid-frame: the radio still gets its "EXIT".
void requestStop(int) {
    duoband::cli::stopRequested().store(true);
}

// A closed terminal (SIGHUP, an ssh session dropped) is not a request to
// stop: a radio finished is better than one half written. A closed pipe
// (SIGPIPE, `| head`) only ends what reaches the output.
void noteHangUp(int) {
    duoband::cli::hangUpSeen().store(true);
}

void stopOnSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    for (const int s : {SIGINT, SIGTERM}) sigaction(s, &action, nullptr);
    action.sa_handler = noteHangUp;
    sigaction(SIGHUP, &action, nullptr);
    action.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    stopOnSignals();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const bool terminal = isatty(STDERR_FILENO) == 1;
    duoband::cli::Io io{std::cout, std::cerr, terminal,
                        terminal && duoband::cli::cursorMovesWanted()};
    // No input may abort the program: running out of memory is a message.
    try {
        const int status = duoband::cli::run(args, io);
        if (!duoband::cli::hangUpSeen().load() || status != duoband::cli::kOk) return status;
        std::cerr << "duoband-cli: the terminal was closed; the radios being written were "
                     "finished, and no other was started.\n";
        return duoband::cli::kRadioFailed;
    } catch (const std::bad_alloc&) {
        std::cerr << "duoband-cli: out of memory; nothing more was done.\n";
    }
    return duoband::cli::kUsageError;
}
