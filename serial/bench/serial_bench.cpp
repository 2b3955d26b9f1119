// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Measures, on a pseudo terminal: how long a 48-byte reply takes from the
// radio's side to onReceive with readIntervalMs 100 and 0, and how
// much CPU the receive and transmit threads use while the line is idle.
#include <pty.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

#include "duoband/deadline.h"
#include "duoband/serial_port.h"

using namespace duoband;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Waits on the notification descriptor (the headless loop) until `done`.
template <class Done>
void pump(SerialPort& port, Done done, const Deadline& deadline) {
    while (!done() && !deadline.expired()) {
        pollfd fd{port.notificationFd(), POLLIN, 0};
        if (pollUntil(&fd, 1, deadline) > 0) port.processNotifications();
    }
}

double medianLatencyMs(int master, const char* slave, std::uint32_t interval) {
    SerialPort port;
    configureForRadio(port);
    port.setPath(slave);
    port.setReadIntervalMs(interval);
    std::size_t got = 0;
    Clock::time_point arrived;
    port.onReceive = [&](SerialPort*, const std::uint8_t*, std::uint16_t length) {
        got += length;
        arrived = Clock::now();
    };
    port.open();
    const std::vector<std::uint8_t> reply(48, 0xA5);
    std::vector<double> samples;
    for (int run = 0; run < 9; ++run) {
        got = 0;
        const auto sent = Clock::now();
        if (::write(master, reply.data(), reply.size()) != 48) return -1;
        pump(
            port, [&] { return got >= 48; }, Deadline::in(2s));
        samples.push_back(std::chrono::duration<double, std::milli>(arrived - sent).count());
        std::this_thread::sleep_for(20ms);
    }
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

}  // namespace

int main() {
    int master = -1;
    int slave = -1;
    char name[256] = {};
    if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) return 1;
    for (const std::uint32_t interval : {100u, 0u}) {
        std::printf("48-byte reply, readIntervalMs %3u: median delivery %.2f ms\n", interval,
                    medianLatencyMs(master, name, interval));
    }
    SerialPort port;
    configureForRadio(port);
    port.setPath(name);
    port.open();
    const double before = cpuSeconds();
    pump(
        port, [] { return false; }, Deadline::in(10s));
    const double used = cpuSeconds() - before;
    std::printf("idle 10 s with the port open: %.3f ms CPU (both threads and the waiting loop)\n",
                used * 1000);
    port.close();
    ::close(master);
    ::close(slave);
    return 0;
}
