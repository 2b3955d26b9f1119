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

void stopOnSignals() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    for (const int s : {SIGINT, SIGTERM}) sigaction(s, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    stopOnSignals();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    duoband::cli::Io io{std::cout, std::cerr, isatty(STDERR_FILENO) == 1};
    // No input may abort the program: running out of memory is a message.
    try {
        return duoband::cli::run(args, io);
    } catch (const std::bad_alloc&) {
        std::cerr << "duoband-cli: out of memory; nothing more was done.\n";
    }
    return duoband::cli::kUsageError;
}
