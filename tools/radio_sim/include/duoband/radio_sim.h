// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The simulated radio: 64 KiB of memory and the answers the programming
// exchange relies on, with faults that can be switched on by frame number.
//
// `Radio` is the pure protocol side (bytes in, answers out); the executable
// puts it behind a pseudo-terminal and `LineTimer` decides when each answer
// byte goes out.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "duoband/hex_text.h"

namespace duoband::sim {

inline constexpr std::size_t kMemorySize = 0x10000;
using Memory = std::array<std::uint8_t, kMemorySize>;
using duoband::Bytes;
using Millis = std::chrono::milliseconds;

inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;

// Faults are keyed by frame number: 0 is the first READ or write frame after
// the latest handshake.
enum class Fault {
    Silent,     // no answers (and nothing stored) from this frame on
    Short,      // the answer lacks its last byte
    Extra,      // one byte 0x00 more than the answer
    Split,      // the answer in two parts, kSplitGap apart
    Late,       // the answer lateMs later
    Nak,        // 0x15 instead of the answer; a write is not stored
    DoubleAck,  // a write is acknowledged 0x06 0x06
    Hangup,     // the radio closes its side of the line instead of answering
    Corrupt,    // a write is acknowledged but one byte is stored changed
    Stray,      // one byte 0x00 more, kStrayGap after the answer
    Flood,      // from this frame on, garbage as fast as the line takes it, until "EXIT"
};
inline constexpr Millis kSplitGap{150};
inline constexpr Millis kStrayGap{30};

// A USB-serial adapter between the radio and the host. It hands the radio's
// bytes on in packets of at most `packet` bytes: a packet leaves when it is
// full, or `latency` after its first byte (its latency timer). Without
// pacing all of an answer's bytes are in at once; the latency then stands
// for the line's time and the packets leave one `latency` apart.
// `packet` 0: no adapter, every byte goes on as soon as it is out.
struct UsbAdapter {
    std::size_t packet = 0;
    Millis latency{16};
};

struct Options {
    std::map<Fault, int> faults;  // fault -> frame number it starts at
    Millis late{0};
    Millis replyDelay{0};   // the radio's turnaround before every answer
    Millis writeMs{0};      // its time to store a written frame before the 0x06
    int corruptOffset = 0;  // the data byte a Corrupt write changes
    bool pace = false;
    UsbAdapter usb;
    // A READ for fewer than 48 bytes (the answer every step accepts) is
    // answered with 48, the memory from its address on; one for more, with
    // only its first 48.
    bool padTo48 = false;
    bool cutTo48 = false;
    Bytes handshakeReply;
    bool sample = false;
    std::string memoryFile;
    std::string saveMemoryFile;
    std::string logFile;
    std::string linkPath;
};

// Parses the command line (without the program name); an error text on
// failure. "--help" gives the usage text as the error.
std::variant<Options, std::string> parseOptions(std::span<const std::string_view> args);
std::string usage();

// Initial memory: every byte 0xFF, as in a radio never programmed.
Memory blankMemory();
// Loads raw bytes from FILE (at most 64 KiB; the rest stays 0xFF).
std::optional<Memory> loadMemory(const std::string& path, std::string& error);
// Writes the memory to FILE atomically (a reader never sees half a file).
bool saveMemory(const Memory& memory, const std::string& path);

// One answer of the radio. It belongs to the command that ended at byte
// index `afterByte` of the chunk given to Radio::receive, and is due `delay`
// after that byte arrived.
struct Answer {
    std::size_t afterByte = 0;
    Millis delay{0};
    Bytes bytes;
};

struct Outcome {
    std::vector<Answer> answers;
    bool hangup = false;         // close the line now (after nothing more is sent)
    bool memoryChanged = false;  // a write was stored
};

class Radio {
  public:
    using LogSink = std::function<void(std::string_view line)>;

    Radio(Options options, Memory memory, LogSink log = {});

    // Takes one chunk of received bytes; commands may be split across chunks.
    Outcome receive(std::span<const std::uint8_t> chunk);

    const Memory& memory() const { return memory_; }
    bool hungUp() const { return hungUp_; }
    // Sending garbage (Fault::Flood) instead of answering.
    bool flooding() const { return flooding_; }

  private:
    struct Command;
    std::optional<Command> nextCommand();
    void handle(const Command& command, std::size_t afterByte, Outcome& out);
    void answerFrame(const Command& command, std::size_t afterByte, Outcome& out);
    Bytes frameAnswer(const Command& command, bool& store) const;
    std::size_t answerLength(std::size_t asked) const;
    void storeWrite(const Command& command);
    bool faultAt(Fault fault) const;
    void flushJunk();

    Options options_;
    Memory memory_;
    LogSink log_;
    Bytes pending_;
    Bytes junk_;
    int frame_ = 0;
    bool hungUp_ = false;
    bool flooding_ = false;
};

// The radio's transmitter: when each answer byte reaches the host. Without
// pacing an answer goes out whole when it is due; with pacing bytes leave one
// by one at the line's byte rate and one answer never overlaps the previous
// one. A USB adapter then holds them back into its packets.
class LineTimer {
  public:
    using Clock = std::chrono::steady_clock;
    using Duration = std::chrono::nanoseconds;
    // 19200 baud, 10 bits per byte (start, 8 data, stop).
    static constexpr Duration kByteTime{520833};

    explicit LineTimer(bool pace, UsbAdapter usb = {}) : pace_(pace), usb_(usb) {}

    // When the bytes of a chunk have fully arrived: all at the moment of
    // reading without pacing; with pacing one byte time after another, as
    // if they had come down a 19200 baud line that starts when they are read.
    struct ChunkTiming {
        Clock::time_point start;
        Duration perByte{0};
        Clock::time_point of(std::size_t index) const {
            return start + perByte * static_cast<long>(index + 1);
        }
    };
    ChunkTiming received(Clock::time_point readAt, std::size_t size);
    void send(Clock::time_point due, const Bytes& bytes);
    // The bytes due at `now`, in order.
    Bytes takeDue(Clock::time_point now);
    std::optional<Clock::time_point> nextDue() const;

  private:
    struct Slot {
        Clock::time_point due;
        Bytes bytes;
    };
    std::vector<Clock::time_point> lineTimes(Clock::time_point due, std::size_t count);
    void holdInPackets(std::vector<Clock::time_point>& times);
    void insert(Clock::time_point due, Bytes bytes);

    bool pace_;
    UsbAdapter usb_;
    std::vector<Slot> slots_;  // ordered by due time, ties in sending order
    Clock::time_point outFree_{};
    Clock::time_point lastPacket_{};  // packets reach the host in order
    Clock::time_point inFree_{};
};

}  // namespace duoband::sim
