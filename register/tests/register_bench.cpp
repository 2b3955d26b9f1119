// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The register's figures for the README: recording 10 000 jobs one by one
// (each in its own transaction, as the jobs of a batch end), and listing
// 10 000 radios. Usage: duoband_register_bench [ADDRESS]; without one, a
// SQLite file in a temporary folder.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "duoband/radio_register.h"

using namespace duoband;

namespace {

constexpr int kCount = 10000;

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path folder;
    std::string address;
    if (argc > 1) {
        address = argv[1];
    } else {
        std::string pattern = (std::filesystem::temp_directory_path() / "duoband_bench_XXXXXX");
        folder = ::mkdtemp(pattern.data());
        address = (folder / "register.sqlite").string();
    }
    try {
        std::vector<Phrase> notes;
        auto reg = RadioRegister::open(address, notes);
        const std::string fleet = "BENCH-" + std::to_string(::getpid());
        std::string problem;
        reg->addFleet(fleet, {*parseUnitNumbering("native-id=1000000", problem)});
        auto start = std::chrono::steady_clock::now();
        const auto radios = reg->reserve(fleet, kCount);
        std::printf("reserve %d radios in one transaction: %.0f ms\n", kCount, msSince(start));
        start = std::chrono::steady_clock::now();
        for (const RegisteredRadio& r : radios) {
            JobRecord job;
            job.time = utcTimeNow();
            job.bench = "bench";
            job.port = "/dev/ttyUSB0";
            job.kind = "write";
            job.fleet = fleet;
            job.radioId = r.id;
            job.after = r.values.numbers;
            job.configuration = "fleet.bc";
            job.configurationSha256 = std::string(64, 'a');
            job.result = "success";
            job.message = "Write success!";
            job.seconds = 41.5;
            reg->record(job);
        }
        const double recorded = msSince(start);
        std::printf("record %d jobs: %.0f ms, %.3f ms per job\n", kCount, recorded,
                    recorded / kCount);
        start = std::chrono::steady_clock::now();
        const auto listed = reg->radios(fleet);
        std::printf("list %zu radios: %.0f ms\n", listed.size(), msSince(start));
    } catch (const RegisterError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    if (!folder.empty()) std::filesystem::remove_all(folder);
    return 0;
}
