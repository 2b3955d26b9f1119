// duoband-cli: the programming tool without a window.
#include <unistd.h>

#include <iostream>
#include <vector>

#include "duoband/cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    duoband::cli::Io io{std::cout, std::cerr, isatty(STDERR_FILENO) == 1};
    return duoband::cli::run(args, io);
}
