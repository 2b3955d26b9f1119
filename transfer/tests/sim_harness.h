// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated radio on its pseudo-terminal, reached through SerialPort, for
// the end-to-end tests of the exchange and of the command-line tool.
#pragma once

#include <sys/inotify.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "duoband/deadline.h"
#include "duoband/exchange.h"
#include "duoband/radio_sim.h"
#include "duoband/radio_sim_process.h"
#include "duoband/radio_sim_sample.h"
#include "duoband/serial_port.h"
#include "duoband/settings_table.h"

namespace duoband::testing_support {

// A file in the test's temporary folder, removed when the object goes.
class TempFile {
  public:
    explicit TempFile(const std::string& name)
        : path_(::testing::TempDir() + "duoband_" + std::to_string(::getpid()) + "_" + name) {
        std::filesystem::remove(path_);
    }
    ~TempFile() { std::filesystem::remove(path_); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

inline std::vector<std::string> fileLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> out;
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

// Blocks (inotify, no polling loop) until the radio's log satisfies `done`
// or `within` has passed; returns the log as it then stands.
inline std::vector<std::string> waitForLog(
    const std::string& path, const std::function<bool(const std::vector<std::string>&)>& done,
    std::chrono::milliseconds within = std::chrono::milliseconds(3000)) {
    const int fd = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    inotify_add_watch(fd, path.c_str(), IN_MODIFY | IN_CLOSE_WRITE);
    const Deadline deadline = Deadline::in(within);
    std::vector<std::string> lines = fileLines(path);
    while (!done(lines) && !deadline.expired()) {
        pollfd p{fd, POLLIN, 0};
        if (pollUntil(&p, 1, deadline) > 0) {
            char events[4096];
            [[maybe_unused]] auto n = read(fd, events, sizeof events);
        }
        lines = fileLines(path);
    }
    close(fd);
    return lines;
}

inline std::vector<std::string> waitForExit(const std::string& log) {
    return waitForLog(log, [](const auto& lines) {
        return std::find(lines.begin(), lines.end(), "EXIT 45584954") != lines.end();
    });
}

inline long countPrefix(const std::vector<std::string>& lines, std::string_view prefix) {
    return std::count_if(lines.begin(), lines.end(),
                         [&](const std::string& l) { return l.starts_with(prefix); });
}

enum class Link { Default, Fast };  // the protocol's own pace, or the fast link

// The sample radio's memory as a read keeps it.
inline RadioImage sampleImage() {
    const sim::Memory memory = sim::sampleMemory();
    RadioImage image;
    for (int s = 0; s < kTransferSteps; ++s) {
        const TransferStep t = transferPlan()[static_cast<std::size_t>(s)];
        storeAnswer(image, s, std::span<const std::uint8_t>(memory.data() + t.address, t.length));
    }
    return image;
}

// Reports each differing cell rather than two walls of bytes.
inline void expectSameTable(const ChannelTable& got, const ChannelTable& want,
                            std::string_view name) {
    for (int row = 0; row < ChannelTable::kRows; ++row)
        for (const ChannelColumn& c : channelColumns())
            EXPECT_EQ(got.cell(c.column, row), want.cell(c.column, row))
                << name << " row " << row << " column \"" << c.title << "\"";
}

// The radio, its log, and an opened SerialPort with an exchange on it. The
// tests shorten the port's read interval so that a full transfer takes a
// few seconds instead of twenty; the protocol itself is unchanged.
class RadioLink {
  public:
    static constexpr std::uint32_t kTestReadInterval = 10;

    bool start(std::vector<std::string> args) {
        args.insert(args.end(), {"--log", log.path()});
        if (!sim.start(DUOBAND_RADIO_SIM, args)) return ADD_FAILURE() << sim.error(), false;
        configureForRadio(port);
        port.setReadIntervalMs(kTestReadInterval);
        port.setPath(sim.port());
        port.open();
        exchange.onTrace = [this](TraceDirection d, std::span<const std::uint8_t> bytes) {
            if (d == TraceDirection::Sent) sent.push_back(toHex(bytes));
        };
        return true;
    }
    long exitsSent() const { return std::count(sent.begin(), sent.end(), std::string(kExitHex)); }

    TempFile log{"radio.log"};
    sim::SimProcess sim;
    SerialPort port;
    HeadlessPump pump{port};
    ProgrammingExchange exchange{port, pump};
    std::vector<std::string> sent;  // every frame as sent, in hex
};

}  // namespace duoband::testing_support
