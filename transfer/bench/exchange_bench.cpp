// Full read and full write against duoband-radio-sim --pace (turnaround 0),
// with the port set up exactly as for a real radio. Reports the wall time of
// each next to the time the protocol itself needs, next to the line's own
// time (the handshake wait and every byte at 19200 baud), and the CPU time
// spent.
//
//   duoband_exchange_bench [--fast] [path/to/duoband-radio-sim]
#include <sys/resource.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>

#include "duoband/exchange.h"
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

void report(const char* name, const Run& run, double protocol, double line) {
    std::printf(
        "%-10s %-15s wall %6.0f ms  protocol %6.0f ms (%+6.2f%%)  line %5.0f ms (x%4.2f)  "
        "cpu %5.1f ms (%4.2f%% of a core)\n",
        name, run.result.c_str(), run.wallMs, protocol, 100.0 * (run.wallMs / protocol - 1.0), line,
        run.wallMs / line, run.cpuMs, 100.0 * run.cpuMs / run.wallMs);
}

}  // namespace

int main(int argc, char** argv) {
    const bool fast = argc > 1 && std::string(argv[1]) == "--fast";
    const int simArg = fast ? 2 : 1;
    const std::string simPath = argc > simArg ? argv[simArg] : DUOBAND_RADIO_SIM;
    sim::SimProcess radio;
    if (!radio.start(simPath, {"--sample", "--pace"})) {
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
    std::printf("%s link\n", fast ? "fast" : "default");

    EditorModel model;
    const Run read = measure([&] { return exchange.fullRead(model); });
    const Run write = measure([&] { return exchange.fullWrite(sim::sampleModel()); });
    port.close();
    radio.stop();

    report("full read", read, protocolMs(false), lineMs(false));
    report("full write", write, protocolMs(true), lineMs(true));
    std::printf("simulated radio cpu %.1f ms in all\n", cpuMs(RUSAGE_CHILDREN));
    return read.result == kReadSuccess && write.result == kWriteSuccess ? 0 : 1;
}
