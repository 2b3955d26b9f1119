// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Full read and full write against duoband-radio-sim --pace (turnaround 0),
// with the port set up exactly as for a real radio. Reports the wall time of
// each next to the time the protocol itself needs, next to the line's own
// time (the handshake wait and every byte at 19200 baud), and the CPU time
// spent. With --usb-packet the radio's answers come through a simulated
// USB-serial adapter, and the line's time is given with one adapter latency
// per step added.
//
// With --floor the same radio is then read and written by the floor reader:
// raw blocking reads that send each frame the moment the previous answer is
// complete, with the protocol's handshake wait and nothing else. No reader
// on this line can be faster; the engine's time is given as a ratio to it.
// --floor-only read|write --port DEV runs the floor reader alone against a
// radio already there, to time it as a whole process beside duoband-cli.
//
//   duoband_exchange_bench [--fast] [--floor] [--usb-packet N [--usb-latency MS]]
//                          [path/to/duoband-radio-sim]
//   duoband_exchange_bench --floor-only read|write --port DEV
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "duoband/exchange.h"
#include "duoband/hex_text.h"
#include "duoband/memory_map.h"
#include "duoband/radio_sim.h"
#include "duoband/radio_sim_process.h"
#include "duoband/radio_sim_sample.h"

namespace {

using namespace duoband;
using Ms = std::chrono::duration<double, std::milli>;

constexpr double kByteMs = 10.0 * 1000.0 / 19200.0;  // start, 8 data, stop bits
constexpr double kDeliveryMs = 100.0;                // the port's read interval
constexpr double kPollMs = 20.0;

// What one step needs at best: the frame and its answer on the line, the
// port's delivery delay after the last byte, rounded up to the next poll.
double stepMs(std::size_t sentBytes, std::size_t answerBytes) {
    const double seen = (sentBytes + answerBytes) * kByteMs + kDeliveryMs;
    return std::ceil(seen / kPollMs) * kPollMs;
}

double protocolMs(bool write) {
    double total = ProgrammingExchange::kHandshakeWait.count() + 8 * kByteMs;
    for (const auto& step : transferPlan())
        total += write ? stepMs(8u + step.length, 1) : stepMs(8, step.length);
    return total + 4 * kByteMs;  // "EXIT"
}

// The handshake wait and every byte of the exchange on the line, nothing else.
double lineMs(bool write) {
    double bytes = 8 + 4;  // "PROM_LIN", "EXIT"
    for (const auto& step : transferPlan()) bytes += write ? 8 + step.length + 1 : 8 + step.length;
    return ProgrammingExchange::kHandshakeWait.count() + bytes * kByteMs;
}

double cpuMs(int who) {
    rusage u{};
    getrusage(who, &u);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(u.ru_utime) + ms(u.ru_stime);
}

struct Run {
    std::string result;
    double wallMs, cpuMs;
};

template <class F>
Run measure(F&& exchange) {
    const double cpu0 = cpuMs(RUSAGE_SELF);
    const auto t0 = std::chrono::steady_clock::now();
    const ExchangeResult r = exchange();
    return {r.message, Ms(std::chrono::steady_clock::now() - t0).count(),
            cpuMs(RUSAGE_SELF) - cpu0};
}

void report(const char* name, const Run& run, double protocol, double line, double adapterMs) {
    std::printf(
        "%-10s %-15s wall %6.0f ms  protocol %6.0f ms (%+6.2f%%)  line %5.0f ms (x%4.2f)  "
        "cpu %5.1f ms (%4.2f%% of a core)\n",
        name, run.result.c_str(), run.wallMs, protocol, 100.0 * (run.wallMs / protocol - 1.0), line,
        run.wallMs / line, run.cpuMs, 100.0 * run.cpuMs / run.wallMs);
    if (adapterMs == 0) return;
    const double lineAndAdapter = line + kTransferSteps * adapterMs;
    std::printf("%-26s line + one adapter latency per step %5.0f ms (x%4.2f)\n", "", lineAndAdapter,
                run.wallMs / lineAndAdapter);
}

// The floor reader's line: the terminal in raw mode at 19200 baud, read
// with blocking waits on the descriptor itself.
class FloorLine {
  public:
    explicit FloorLine(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC)) {
        termios t{};
        if (fd_ < 0 || ::tcgetattr(fd_, &t) != 0) return;
        ::cfmakeraw(&t);
        ::cfsetspeed(&t, B19200);
        ::tcsetattr(fd_, TCSANOW, &t);
    }
    ~FloorLine() {
        if (fd_ >= 0) ::close(fd_);
    }
    FloorLine(const FloorLine&) = delete;
    FloorLine& operator=(const FloorLine&) = delete;

    bool send(std::string_view hex) {
        const Bytes bytes = fromHex(hex).value_or(Bytes{});
        return ::write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }
    // Waits for exactly `count` bytes; false when the radio falls silent for
    // the protocol's answer time-out.
    bool receive(std::size_t count) {
        std::uint8_t chunk[256];
        for (std::size_t got = 0; got < count;) {
            pollfd p{fd_, POLLIN, 0};
            const int timeout = static_cast<int>(ProgrammingExchange::kAnswerTimeout.count());
            if (::poll(&p, 1, timeout) <= 0) return false;
            const ssize_t n = ::read(fd_, chunk, std::min(sizeof chunk, count - got));
            if (n <= 0) return false;
            got += static_cast<std::size_t>(n);
        }
        return true;
    }
    void drain() { ::tcflush(fd_, TCIFLUSH); }

  private:
    int fd_;
};

// The whole read or write at the floor: handshake, its wait, every step the
// moment the one before is answered, "EXIT".
ExchangeResult floorTransfer(const std::string& path, bool write) {
    FloorLine line(path);
    line.send(kHandshakeHex);
    std::this_thread::sleep_for(ProgrammingExchange::kHandshakeWait);
    line.drain();
    const RadioImage image = imageOf(encodeImage(sim::sampleModel()));
    bool ok = true;
    for (int s = 0; ok && s < kTransferSteps; ++s) {
        const TransferStep& step = transferPlan()[static_cast<std::size_t>(s)];
        ok = write ? line.send(writeFrame(step, toHex(image.step(s).bytes))) && line.receive(1)
                   : line.send(readFrame(step)) && line.receive(step.length);
    }
    line.send(kExitHex);
    if (write)
        return {ok ? ExchangeOutcome::Success : ExchangeOutcome::RadioFailed,
                std::string(ok ? kWriteSuccess : kWriteError)};
    return {ok ? ExchangeOutcome::Success : ExchangeOutcome::RadioFailed,
            std::string(ok ? kReadSuccess : kReadError)};
}

void reportRatio(const char* name, const Run& engine, const Run& floor) {
    std::printf("%-10s floor %6.0f ms  engine/floor x%5.3f (%+.1f ms per step)\n", name,
                floor.wallMs, engine.wallMs / floor.wallMs,
                (engine.wallMs - floor.wallMs) / kTransferSteps);
}

struct BenchOptions {
    bool fast = false;
    bool floor = false;
    std::string floorOnly;  // "read" or "write": the floor reader alone on `port`
    std::string port;
    std::string usbPacket;  // empty: no adapter
    std::string usbLatency = "16";
    std::string simPath = DUOBAND_RADIO_SIM;
};

BenchOptions parse(int argc, char** argv) {
    BenchOptions o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fast") {
            o.fast = true;
        } else if (arg == "--floor") {
            o.floor = true;
        } else if ((arg == "--floor-only" || arg == "--port") && i + 1 < argc) {
            (arg == "--port" ? o.port : o.floorOnly) = argv[++i];
        } else if ((arg == "--usb-packet" || arg == "--usb-latency") && i + 1 < argc) {
            (arg == "--usb-packet" ? o.usbPacket : o.usbLatency) = argv[++i];
        } else {
            o.simPath = arg;
        }
    }
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    const BenchOptions options = parse(argc, argv);
    if (!options.floorOnly.empty()) {
        const bool write = options.floorOnly == "write";
        return floorTransfer(options.port, write).ok() ? 0 : 1;
    }
    const bool fast = options.fast;
    std::vector<std::string> simArgs{"--sample", "--pace"};
    if (!options.usbPacket.empty())
        simArgs.insert(simArgs.end(),
                       {"--usb-packet", options.usbPacket, "--usb-latency", options.usbLatency});
    sim::SimProcess radio;
    if (!radio.start(options.simPath, simArgs)) {
        std::fprintf(stderr, "%s\n", radio.error().c_str());
        return 2;
    }
    SerialPort port;
    configureForRadio(port);
    port.setPath(radio.port());
    port.open();
    HeadlessPump pump(port);
    ProgrammingExchange exchange(port, pump);
    exchange.setFastLink(fast);
    std::printf("%s link", fast ? "fast" : "default");
    if (!options.usbPacket.empty())
        std::printf(", USB adapter: %s-byte packets, %s ms latency", options.usbPacket.c_str(),
                    options.usbLatency.c_str());
    std::printf("\n");
    const double adapterMs = options.usbPacket.empty() ? 0 : std::stod(options.usbLatency);

    EditorModel model;
    const Run read = measure([&] { return exchange.fullRead(model); });
    const Run write = measure([&] { return exchange.fullWrite(sim::sampleModel()); });
    port.close();

    report("full read", read, protocolMs(false), lineMs(false), adapterMs);
    report("full write", write, protocolMs(true), lineMs(true), adapterMs);
    bool floorOk = true;
    if (options.floor) {
        const Run floorRead = measure([&] { return floorTransfer(radio.port(), false); });
        const Run floorWrite = measure([&] { return floorTransfer(radio.port(), true); });
        reportRatio("full read", read, floorRead);
        reportRatio("full write", write, floorWrite);
        floorOk = floorRead.result == kReadSuccess && floorWrite.result == kWriteSuccess;
    }
    radio.stop();
    std::printf("simulated radio cpu %.1f ms in all\n", cpuMs(RUSAGE_CHILDREN));
    return read.result == kReadSuccess && write.result == kWriteSuccess && floorOk ? 0 : 1;
}
