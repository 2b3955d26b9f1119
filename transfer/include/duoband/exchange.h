// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The programming exchange with the radio: the handshake, READ and write
// frames each followed by the radio's answer, and the closing "EXIT"; the
// full read, the full write and the boot message and limit transfers.
//
// All of it runs on the thread that owns the SerialPort; answers reach the
// ReceiveBuffer only while the MessagePump waits.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "duoband/editor_model.h"
#include "duoband/hex_text.h"
#include "duoband/memory_map.h"
#include "duoband/message_pump.h"
#include "duoband/phrase.h"
#include "duoband/radio_image.h"
#include "duoband/serial_port.h"
#include "duoband/translatable.h"

namespace duoband {

// --- framing ------------------------------------------------------------
inline constexpr std::string_view kHandshakeHex = "50524F4D5F4C494E";  // "PROM_LIN"
inline constexpr std::string_view kExitHex = "45584954";               // "EXIT"
inline constexpr std::string_view kReadCommandHex = "52454144";        // "READ"
inline constexpr std::string_view kWriteCommandHex = "57524945";       // "WRIE", no T
inline constexpr std::string_view kAckHex = "06";

HexText readFrame(const TransferStep& step);
HexText writeFrame(const TransferStep& step, std::string_view dataHex);

// The longest answer of the protocol (the 64 bytes at 0x0280), and what the
// receive buffer holds at most: that and a margin for a stray byte or two.
inline constexpr std::size_t kLongestAnswerBytes = 64;
inline constexpr std::size_t kReceiveBufferBytes = 2 * kLongestAnswerBytes;

// The text received bytes are appended to, two upper-case digits per byte.
// Only the exchange procedures clear it. It keeps at most
// kReceiveBufferBytes: a line that brings more (a wrong device, a broken
// cable spewing data) marks it overflowed instead of growing it.
class ReceiveBuffer {
  public:
    void append(const std::uint8_t* bytes, std::size_t count);
    void clear() {
        text_.clear();
        overflowed_ = false;
    }
    const std::string& text() const { return text_; }
    // More came than any answer holds since the last clear().
    bool overflowed() const { return overflowed_; }

  private:
    std::string text_;
    bool overflowed_ = false;
};

// --- results --------------------------------------------------------------
inline constexpr std::string_view kReadSuccess = QT_TRANSLATE_NOOP("duoband", "Read success!");
inline constexpr std::string_view kReadError = QT_TRANSLATE_NOOP("duoband", "Read Error!");
inline constexpr std::string_view kWriteSuccess = QT_TRANSLATE_NOOP("duoband", "Write success!");
inline constexpr std::string_view kWriteError = QT_TRANSLATE_NOOP("duoband", "Write error!");
inline constexpr std::string_view kPartialReadSuccess =
    QT_TRANSLATE_NOOP("duoband", "Read Success!");
inline constexpr std::string_view kPartialReadError = QT_TRANSLATE_NOOP("duoband", "Read Error!");
inline constexpr std::string_view kPartialWriteSuccess =
    QT_TRANSLATE_NOOP("duoband", "Write Success!");
inline constexpr std::string_view kPartialWriteError = QT_TRANSLATE_NOOP("duoband", "Write Error!");
inline constexpr std::string_view kCancelled = "cancelled";
inline constexpr std::string_view kExchangeBusy = QT_TRANSLATE_NOOP(
    "duoband", "Another exchange with the radio is running; wait until it has ended.");

enum class ExchangeOutcome {
    Success,
    RadioFailed,  // the radio did not answer as expected; "EXIT" was sent
    Invalid,      // the configuration cannot be written; nothing was sent
    Busy,         // another exchange is running; nothing was sent
    Cancelled,    // stopped on request after a frame; "EXIT" was sent
};

struct ExchangeResult {
    ExchangeOutcome outcome = ExchangeOutcome::Success;
    std::string message;  // the text to show the user
    int progress = 0;     // steps completed (full read and write)
    // A failed full transfer: which step, what came back, on which port, and
    // what to check ("Step 12 of 136: nothing came back on /dev/ttyUSB0. ...").
    std::string detail = {};
    // The detail in pieces, for the window's language; empty when the
    // detail is a value shown as it is (a file name).
    Phrase why = {};
    bool ok() const { return outcome == ExchangeOutcome::Success; }
};

// The two blocks of the "Limit Frequency" page that travel on their own.
enum class PartialBlock { BootMessage, Limits };

// The transfer that carries a partial block, and the block field holding it.
TransferStep partialTransferStep(PartialBlock block);
Block partialBlockField(PartialBlock block);

enum class TraceDirection { Sent, Received };

class ProgrammingExchange {
  public:
    using Progress = std::function<void(int stepsDone)>;  // 0..136
    using Trace = std::function<void(TraceDirection, std::span<const std::uint8_t>)>;

    static constexpr int kPolls = 51;
    static constexpr std::chrono::milliseconds kPollInterval{20};
    // A frame fails when its answer is not in by the last poll.
    static constexpr std::chrono::milliseconds kAnswerTimeout = kPolls * kPollInterval;
    static constexpr std::chrono::milliseconds kHandshakeWait{500};
    static constexpr std::chrono::milliseconds kPartialWait{500};

    // Takes over the port's onReceive and onHangup for its
    // lifetime (the previous handlers come back when it is destroyed).
    ProgrammingExchange(SerialPort& port, MessagePump& pump);
    ~ProgrammingExchange();
    ProgrammingExchange(const ProgrammingExchange&) = delete;
    ProgrammingExchange& operator=(const ProgrammingExchange&) = delete;

    // Walks the 136 steps of the transfer plan; each completed step is
    // decoded into `model` at once (and kept byte for byte in `received`
    // when given), a failed step ends the read. In both full transfers a
    // hang-up of the line fails the step at once instead of waiting out its
    // 51 polls.
    ExchangeResult fullRead(EditorModel& model, const Progress& progress = {},
                            RadioImage* received = nullptr);
    // Encodes and checks the whole configuration first; only then the
    // handshake and the 136 write frames, each acknowledged by 0x06.
    ExchangeResult fullWrite(const EditorModel& model, const Progress& progress = {});
    // The same frames with the image's bytes exactly (unknown bytes as 0xFF).
    ExchangeResult writeImage(const RadioImage& image, const Progress& progress = {});
    // The boot message or the limits (with the limit mode) alone, with the fixed
    // 500 ms wait for the answer. The caller checks that the port is open.
    ExchangeResult readPartial(PartialBlock block, EditorModel& model);
    // The same read, keeping the answer's bytes only (a verify's read-back).
    ExchangeResult readBlock(PartialBlock block, Bytes& received);
    ExchangeResult writePartial(PartialBlock block, const EditorModel& model);

    // The fast link: the port hands bytes on after kFastGatherMs of quiet
    // (instead of its 100 ms gathering), and an answer is taken as soon as
    // it is complete instead of at the next 20 ms poll. An answer of the
    // longest length its step accepts is complete at once. A shorter accepted
    // length may be the start of a longer answer that a USB adapter holds
    // back (in packets, or for its latency of up to 16 ms), so it is taken
    // only once the line has stayed quiet: kShortStepQuiet for the plan's
    // length at a step shorter than 48 bytes, the usual 100 ms gathering for
    // 48 bytes of the 64 at 0x0280. The port hands the longest length on the
    // moment it is in. The last answer, which no frame follows,
    // always gets the 100 ms. An answer has as long to come as on the
    // default link, which sees it only after the port's 100 ms gathering:
    // one that ends later than 100 ms before the last poll is late on both
    // links, and both give up at the last poll. Frames, waits and messages
    // stay those of the protocol. Changes the port's read interval while on.
    // Off by default.
    static constexpr std::uint32_t kFastGatherMs = 1;  // about two byte times at 19200 baud
    static constexpr std::uint32_t kDefaultGatherMs = 100;
    static constexpr std::chrono::milliseconds kShortStepQuiet{20};
    void setFastLink(bool on);
    bool fastLink() const { return fastLink_; }

    bool busy() const { return busy_; }
    const ReceiveBuffer& receiveBuffer() const { return receiveBuffer_; }

    // Every byte sent and received, as it goes out or comes in.
    Trace onTrace;
    // Asked after every frame of a full read and before every frame of a
    // full write; true stops it there ("EXIT" is still sent once) with the
    // outcome Cancelled.
    std::function<bool()> stopRequested;

    // onReceive: appends the chunk to the receive buffer.
    void receiveChunk(SerialPort* port, const std::uint8_t* data, std::uint16_t size);

  private:
    class Running;
    // Whether the receive buffer holds an answer to the frame just sent and,
    // if so, how long the fast link lets the line stay quiet before taking it.
    using AnswerCheck = std::function<std::optional<std::chrono::milliseconds>()>;
    using TimePoint = Deadline::Clock::time_point;

    void send(std::string_view hex);
    void wait(std::chrono::milliseconds span);
    void openExchange();
    void expectAnswer(std::size_t bytes);
    bool pollForAnswer(int step, const AnswerCheck& answered);
    bool pollAtTheProtocolsPace(const AnswerCheck& answered);
    bool takeAnswerWhenComplete(int step, const AnswerCheck& answered);
    // After a step failed by time-out: gives an answer that was on its way
    // the port's gathering time to show up, so the failure can say it came
    // too late.
    void awaitLateAnswer();
    bool stopAsked() const;
    // The answer awaited cannot come any more: the line went away, or more
    // came than any answer holds.
    bool answerLost() const { return lineLost_ || receiveBuffer_.overflowed(); }
    // What the failed step `step` got, in words; `expectedBytes` of an
    // answer (0: the acknowledgement of a write).
    Phrase failureDetail(int step, std::size_t expectedBytes) const;

    SerialPort& port_;
    MessagePump& pump_;
    ReceiveBuffer receiveBuffer_;
    ReceiveHandler previousReceive_;
    PortHandler previousHangup_;
    bool busy_ = false;
    bool lineLost_ = false;
    TimePoint lastDelivery_{};                  // when bytes last reached the buffer
    TimePoint answerDueBy_ = TimePoint::max();  // bytes after this are too late
    std::size_t lateBytes_ = 0;                 // of the current answer
    bool fastLink_ = false;
    std::uint32_t gatherMs_ = kDefaultGatherMs;  // the port's own, while the fast link is on
};

}  // namespace duoband
