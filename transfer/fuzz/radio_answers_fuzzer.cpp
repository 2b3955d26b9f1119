// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: the input plays the radio. A full read, then a full write
// of what was read, run through the exchange on a port that is never opened:
// a scripted pump hands the exchange the radio's answers as the port would
// (receiveChunk, hang-ups through the port's notifications), and a
// VirtualClock lets every wait pass without real time passing.
//
// The script, one op byte per frame sent, most ops followed by their data:
//   first byte         bit 0: the fast link
//   handshake          op % 8 bytes of reply follow
//   READ frame         op % 8: 0 the answer from the script, 1 the answer as one
//                      repeated byte, 2 48 bytes from the script, 3 silence,
//                      4 a count byte then that many bytes, 5 the answer split
//                      (a gap byte, then the answer as one repeated byte),
//                      6 hang-up, 7 a flood of 3000 bytes
//   write frame        op % 8: 0 0x06, 1 silence, 2 0x15, 3 0x06 0x06, 4 a count
//                      byte then that many bytes, 5 hang-up, 6 a flood, 7 0x06
//   (op / 8) * 40 ms   the radio's turnaround before the answer
// An input that runs out leaves every later frame unanswered.
//
// Checks: each exchange ends within its longest possible time, sends "EXIT"
// once and last, sends no frame after a failed one, never holds more than
// kReceiveBufferBytes, and the read keeps only what the codecs make of the
// answers it accepted.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "duoband/exchange.h"
#include "duoband/memory_image.h"

namespace duoband {
namespace {

using std::chrono::milliseconds;
using Clock = Deadline::Clock;

void check(bool holds) {
    if (!holds) std::abort();
}

class Script {
  public:
    Script(const std::uint8_t* data, std::size_t size) : data_(data, size) {}
    std::optional<std::uint8_t> next() {
        if (at_ >= data_.size()) return std::nullopt;
        return data_[at_++];
    }
    std::uint8_t nextOr(std::uint8_t fallback) { return next().value_or(fallback); }
    Bytes take(std::size_t count, std::uint8_t fill = 0xFF) {
        Bytes out(count, fill);
        for (auto& b : out) b = nextOr(fill);
        return out;
    }

  private:
    std::span<const std::uint8_t> data_;
    std::size_t at_ = 0;
};

// What the radio does, at a time: bytes arrive, or the line goes away.
struct LineEvent {
    Bytes bytes;
    bool hangup = false;
};

class ScriptedRadio : public MessagePump {
  public:
    ScriptedRadio(Script& script, VirtualClock& clock) : script_(script), clock_(clock) {}

    void attach(ProgrammingExchange& exchange, SerialPort& port) {
        exchange_ = &exchange;
        port_ = &port;
        exchange.onTrace = [this](TraceDirection d, std::span<const std::uint8_t> bytes) {
            if (d == TraceDirection::Sent) answer(Bytes(bytes.begin(), bytes.end()));
        };
    }

    // Every wait of one exchange, counted, so that a loop that never lets
    // time pass is caught too.
    void waitUntil(const Deadline& deadline) override {
        while (deliverNextBy(deadline)) {
        }
        pass(deadline.at());
    }
    void waitForDelivery(const Deadline& deadline) override {
        if (!deliverNextBy(deadline)) pass(deadline.at());
    }

    std::vector<Bytes> sent;  // every frame, in order

  private:
    void pass(Clock::time_point to) {
        check(++waits_ < 20000);
        clock_.advanceTo(to);
    }

    bool deliverNextBy(const Deadline& deadline) {
        if (line_.empty() || line_.begin()->first > deadline.at()) return false;
        auto first = line_.begin();
        pass(first->first);
        const LineEvent event = std::move(first->second);
        line_.erase(first);
        if (event.hangup) {
            port_->closeLostLine();
            port_->processNotifications();
        }
        for (std::size_t at = 0; at < event.bytes.size(); at += 2048) {
            const auto size = std::min<std::size_t>(2048, event.bytes.size() - at);
            exchange_->receiveChunk(port_, event.bytes.data() + at,
                                    static_cast<std::uint16_t>(size));
            check(exchange_->receiveBuffer().text().size() <= 2 * kReceiveBufferBytes);
        }
        return true;
    }

    void at(milliseconds after, LineEvent event) {
        Clock::time_point when = clock_.now() + after;
        while (line_.contains(when)) when += std::chrono::nanoseconds(1);  // keeps the order
        line_.emplace(when, std::move(event));
    }

    void answer(const Bytes& frame) {
        sent.push_back(frame);
        if (frame.size() == 4) return;  // "EXIT"
        const auto op = script_.next();
        if (!op) return;
        const milliseconds delay = (*op / 8) * milliseconds(40);
        const auto header = std::string_view(reinterpret_cast<const char*>(frame.data()), 4);
        if (header == "PROM") {
            at(delay, {script_.take(*op % 8)});
        } else if (header == "READ") {
            readAnswer(*op % 8, delay, static_cast<std::size_t>(frame[6] << 8 | frame[7]));
        } else {
            writeAnswer(*op % 8, delay);
        }
    }

    void readAnswer(int op, milliseconds delay, std::size_t length) {
        switch (op) {
            case 0:
                return at(delay, {script_.take(length)});
            case 1:
                return at(delay, {Bytes(length, script_.nextOr(0xFF))});
            case 2:
                return at(delay, {script_.take(48)});
            case 3:
                return;
            case 4:
                return at(delay, {script_.take(script_.nextOr(0))});
            case 5: {
                const milliseconds gap = script_.nextOr(0) * milliseconds(5);
                const Bytes whole(length, script_.nextOr(0xFF));
                const auto half = static_cast<std::ptrdiff_t>(length / 2);
                at(delay, {Bytes(whole.begin(), whole.begin() + half)});
                return at(delay + gap, {Bytes(whole.begin() + half, whole.end())});
            }
            case 6:
                return at(delay, {{}, true});
            default:
                return at(delay, {Bytes(3000, script_.nextOr(0x55))});
        }
    }

    void writeAnswer(int op, milliseconds delay) {
        switch (op) {
            case 0:
            case 7:
                return at(delay, {{0x06}});
            case 1:
                return;
            case 2:
                return at(delay, {{0x15}});
            case 3:
                return at(delay, {{0x06, 0x06}});
            case 4:
                return at(delay, {script_.take(script_.nextOr(0))});
            case 5:
                return at(delay, {{}, true});
            default:
                return at(delay, {Bytes(3000, script_.nextOr(0x55))});
        }
    }

    Script& script_;
    VirtualClock& clock_;
    ProgrammingExchange* exchange_ = nullptr;
    SerialPort* port_ = nullptr;
    std::map<Clock::time_point, LineEvent> line_;
    int waits_ = 0;
};

// The longest an exchange may take: the handshake wait, then every step's
// whole polling window and the last answer's extra gathering time.
constexpr auto kLongestExchange =
    ProgrammingExchange::kHandshakeWait +
    kTransferSteps * ProgrammingExchange::kPolls * ProgrammingExchange::kPollInterval +
    milliseconds(ProgrammingExchange::kDefaultGatherMs) +
    kTransferSteps * ProgrammingExchange::kPollInterval;

// One exchange: ends in time, "EXIT" once and last, no frame after a failed one.
template <class Run>
ExchangeResult checkedExchange(ScriptedRadio& radio, VirtualClock& clock, Run&& run) {
    radio.sent.clear();
    const Clock::time_point start = clock.now();
    const ExchangeResult r = run();
    check(clock.now() - start <= kLongestExchange);
    const Bytes exit{'E', 'X', 'I', 'T'};
    check(std::count(radio.sent.begin(), radio.sent.end(), exit) == 1);
    check(radio.sent.back() == exit);
    check(r.progress >= 0 && r.progress <= kTransferSteps);
    check(r.ok() == (r.progress == kTransferSteps));
    // The handshake, one frame per completed step and the failed one, "EXIT".
    const auto frames = static_cast<int>(radio.sent.size()) - 2;
    check(frames == std::min(r.progress + 1, kTransferSteps));
    return r;
}

// The read decoded exactly the steps it accepted, and nothing else.
void checkRead(const EditorModel& model, const RadioImage& received, int progress) {
    EditorModel decoded;
    const RadioImage untouched;
    for (int s = 0; s < kTransferSteps; ++s) {
        const StepBytes& kept = received.step(s);
        if (s >= progress) {
            check(kept == untouched.step(s));
            continue;
        }
        check(isAcceptedReadLength(s, 2 * static_cast<std::size_t>(kept.known)) ||
              kept.known == static_cast<int>(kept.bytes.size()));
        loadReadStep(decoded, s,
                     toHex(std::span(kept.bytes).first(static_cast<std::size_t>(kept.known))));
    }
    check(model == decoded);
}

}  // namespace
}  // namespace duoband

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace duoband;
    Script script(data, size);
    VirtualClock clock;
    ScriptedRadio radio(script, clock);
    SerialPort port;  // never opened: the scripted radio stands in for the line
    ProgrammingExchange exchange(port, radio);
    radio.attach(exchange, port);
    exchange.setFastLink((script.nextOr(0) & 1) != 0);

    EditorModel model;
    RadioImage received;
    const ExchangeResult read =
        checkedExchange(radio, clock, [&] { return exchange.fullRead(model, {}, &received); });
    checkRead(model, received, read.progress);
    checkedExchange(radio, clock, [&] { return exchange.writeImage(received); });
    return 0;
}
