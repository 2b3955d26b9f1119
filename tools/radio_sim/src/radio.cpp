// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <iterator>

#include "duoband/hex_text.h"
#include "duoband/memory_image.h"
#include "duoband/radio_sim.h"

namespace duoband::sim {
namespace {

enum class Kind { Handshake, Read, Write, Exit };

struct CommandFormat {
    Kind kind;
    std::string_view magic;
    std::string_view logName;
    bool framed;       // followed by a 2-byte address and a 2-byte length
    bool carriesData;  // followed by `length` data bytes
};

// The first letters differ, so at most one command matches a prefix.
constexpr std::array<CommandFormat, 4> kCommands{{
    {Kind::Handshake, "PROM_LIN", "HANDSHAKE", false, false},
    {Kind::Read, "READ", "READ", true, false},
    {Kind::Write, "WRIE", "WRITE", true, true},
    {Kind::Exit, "EXIT", "EXIT", false, false},
}};
constexpr std::size_t kHeaderSize = 4;

bool startsLike(const Bytes& pending, std::string_view magic) {
    const std::size_t n = std::min(pending.size(), magic.size());
    return std::equal(pending.begin(), pending.begin() + static_cast<long>(n), magic.begin());
}

std::uint16_t word(const Bytes& bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] << 8 | bytes[at + 1]);
}

// Bytes the command at the front of `pending` needs in all; it may be more
// than `pending` holds yet.
std::size_t requiredSize(const CommandFormat& format, const Bytes& pending) {
    const std::size_t header = format.magic.size() + kHeaderSize;
    if (!format.framed) return format.magic.size();
    if (pending.size() < header || !format.carriesData) return header;
    return header + word(pending, format.magic.size() + 2);
}

// How a fault changes the answer to a frame; `store` says whether a write
// frame's data are kept.
struct AnswerFault {
    Fault fault;
    void (*apply)(Bytes& answer, bool isWrite, bool& store);
};
constexpr std::array<AnswerFault, 4> kAnswerFaults{{
    {Fault::Nak,
     [](Bytes& a, bool, bool& store) {
         a = {kNak};
         store = false;
     }},
    {Fault::DoubleAck,
     [](Bytes& a, bool isWrite, bool&) {
         if (isWrite) a.push_back(kAck);
     }},
    {Fault::Short,
     [](Bytes& a, bool, bool&) {
         if (!a.empty()) a.pop_back();
     }},
    {Fault::Extra, [](Bytes& a, bool, bool&) { a.push_back(0x00); }},
}};

}  // namespace

struct Radio::Command {
    const CommandFormat* format;
    Bytes raw;
    std::uint16_t address = 0;
    std::uint16_t length = 0;
};

Radio::Radio(Options options, Memory memory, LogSink log)
    : options_(std::move(options)), memory_(memory), log_(std::move(log)) {}

Outcome Radio::receive(std::span<const std::uint8_t> chunk) {
    Outcome out;
    if (hungUp_) return out;
    const std::size_t before = pending_.size();
    pending_.insert(pending_.end(), chunk.begin(), chunk.end());
    std::size_t consumed = 0;
    while (!hungUp_) {
        const std::size_t junkBefore = junk_.size();
        auto command = nextCommand();
        consumed += junk_.size() - junkBefore;
        if (!command) break;
        consumed += command->raw.size();
        flushJunk();
        handle(*command, consumed - before - 1, out);
    }
    flushJunk();
    return out;
}

std::optional<Radio::Command> Radio::nextCommand() {
    while (!pending_.empty()) {
        const auto format = std::find_if(kCommands.begin(), kCommands.end(), [&](const auto& s) {
            return startsLike(pending_, s.magic);
        });
        if (format == kCommands.end()) {
            junk_.push_back(pending_.front());
            pending_.erase(pending_.begin());
            continue;
        }
        const std::size_t need = requiredSize(*format, pending_);
        if (pending_.size() < need) return std::nullopt;
        Command command{&*format,
                        Bytes(pending_.begin(), pending_.begin() + static_cast<long>(need))};
        pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(need));
        if (format->framed) {
            command.address = word(command.raw, format->magic.size());
            command.length = word(command.raw, format->magic.size() + 2);
        }
        return command;
    }
    return std::nullopt;
}

void Radio::flushJunk() {
    if (junk_.empty()) return;
    if (log_) log_("JUNK " + toHex(junk_));
    junk_.clear();
}

void Radio::handle(const Command& command, std::size_t afterByte, Outcome& out) {
    if (log_) log_(std::string(command.format->logName) + " " + toHex(command.raw));
    switch (command.format->kind) {
        case Kind::Handshake:
            frame_ = 0;
            if (!options_.handshakeReply.empty())
                out.answers.push_back({afterByte, options_.replyDelay, options_.handshakeReply});
            break;
        case Kind::Read:
        case Kind::Write:
            answerFrame(command, afterByte, out);
            ++frame_;
            break;
        case Kind::Exit:
            flooding_ = false;
            break;
    }
}

bool Radio::faultAt(Fault fault) const {
    const auto it = options_.faults.find(fault);
    if (it == options_.faults.end()) return false;
    return fault == Fault::Silent ? frame_ >= it->second : frame_ == it->second;
}

Bytes Radio::frameAnswer(const Command& command, bool& store) const {
    const bool isWrite = command.format->kind == Kind::Write;
    Bytes answer;
    if (isWrite) {
        answer = {kAck};
    } else {
        for (std::size_t i = 0; i < answerLength(command.length); ++i)
            answer.push_back(memory_[(command.address + i) % kMemorySize]);
    }
    store = isWrite;
    for (const auto& f : kAnswerFaults)
        if (faultAt(f.fault)) f.apply(answer, isWrite, store);
    return answer;
}

std::size_t Radio::answerLength(std::size_t asked) const {
    if (options_.padTo48 && asked < kAnswerBytesAtEveryStep) return kAnswerBytesAtEveryStep;
    if (options_.cutTo48 && asked > kAnswerBytesAtEveryStep) return kAnswerBytesAtEveryStep;
    return asked;
}

void Radio::storeWrite(const Command& command) {
    const auto data = command.raw.begin() + static_cast<long>(command.raw.size() - command.length);
    for (std::size_t i = 0; i < command.length; ++i)
        memory_[(command.address + i) % kMemorySize] = data[static_cast<long>(i)];
    // The flipped bits show up whatever the byte was.
    if (faultAt(Fault::Corrupt) && options_.corruptOffset < command.length)
        memory_[(command.address + options_.corruptOffset) % kMemorySize] ^= 0x01;
}

void Radio::answerFrame(const Command& command, std::size_t afterByte, Outcome& out) {
    if (faultAt(Fault::Hangup)) {
        hungUp_ = out.hangup = true;
        return;
    }
    if (faultAt(Fault::Flood)) flooding_ = true;
    if (faultAt(Fault::Silent) || flooding_) return;
    bool store = false;
    Bytes answer = frameAnswer(command, store);
    if (store) {
        storeWrite(command);
        out.memoryChanged = true;
    }
    const bool isWrite = command.format->kind == Kind::Write;
    const Millis delay = options_.replyDelay + (isWrite ? options_.writeMs : Millis{0}) +
                         (faultAt(Fault::Late) ? options_.late : Millis{0});
    if (faultAt(Fault::Split) && answer.size() >= 2) {
        const auto half = answer.begin() + static_cast<long>(answer.size() / 2);
        out.answers.push_back({afterByte, delay, Bytes(answer.begin(), half)});
        out.answers.push_back({afterByte, delay + kSplitGap, Bytes(half, answer.end())});
    } else if (!answer.empty()) {
        out.answers.push_back({afterByte, delay, std::move(answer)});
    }
    if (faultAt(Fault::Stray)) out.answers.push_back({afterByte, delay + kStrayGap, {0x00}});
}

}  // namespace duoband::sim
