// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>

#include "duoband/hex_text.h"
#include "duoband/radio_sim.h"

namespace duoband::sim {
namespace {

constexpr std::array<std::pair<std::string_view, Fault>, 11> kFaultOptions{{
    {"--silent-at", Fault::Silent},
    {"--short-at", Fault::Short},
    {"--extra-at", Fault::Extra},
    {"--split-at", Fault::Split},
    {"--late-at", Fault::Late},
    {"--nak-at", Fault::Nak},
    {"--double-ack-at", Fault::DoubleAck},
    {"--hangup-at", Fault::Hangup},
    {"--corrupt-at", Fault::Corrupt},
    {"--stray-at", Fault::Stray},
    {"--flood-at", Fault::Flood},
}};

std::optional<int> number(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size() || value < 0) return std::nullopt;
    return value;
}

// Options that take a value: each stores its parsed value, or says why not.
using Setter = bool (*)(Options&, std::string_view);
bool setMillis(Millis& into, std::string_view v) {
    const auto n = number(v);
    return n && (into = Millis{*n}, true);
}

constexpr std::array<std::pair<std::string_view, Setter>, 12> kValueOptions{{
    {"--memory", [](Options& o, std::string_view v) { return o.memoryFile = v, !v.empty(); }},
    {"--save-memory",
     [](Options& o, std::string_view v) { return o.saveMemoryFile = v, !v.empty(); }},
    {"--log", [](Options& o, std::string_view v) { return o.logFile = v, !v.empty(); }},
    {"--link", [](Options& o, std::string_view v) { return o.linkPath = v, !v.empty(); }},
    {"--late-ms", [](Options& o, std::string_view v) { return setMillis(o.late, v); }},
    {"--reply-delay", [](Options& o, std::string_view v) { return setMillis(o.replyDelay, v); }},
    {"--turnaround", [](Options& o, std::string_view v) { return setMillis(o.replyDelay, v); }},
    {"--write-ms", [](Options& o, std::string_view v) { return setMillis(o.writeMs, v); }},
    {"--usb-packet",
     [](Options& o, std::string_view v) {
         const auto n = number(v);
         return n && *n > 0 && (o.usb.packet = static_cast<std::size_t>(*n), true);
     }},
    {"--usb-latency", [](Options& o, std::string_view v) { return setMillis(o.usb.latency, v); }},
    {"--corrupt-offset",
     [](Options& o, std::string_view v) {
         const auto n = number(v);
         return n && (o.corruptOffset = *n, true);
     }},
    {"--handshake-reply",
     [](Options& o, std::string_view v) {
         const auto bytes = fromHex(v);
         return bytes && !bytes->empty() && (o.handshakeReply = *bytes, true);
     }},
}};

constexpr std::array<std::pair<std::string_view, bool Options::*>, 4> kFlagOptions{{
    {"--pace", &Options::pace},
    {"--sample", &Options::sample},
    {"--pad-to-48", &Options::padTo48},
    {"--cut-to-48", &Options::cutTo48},
}};

template <typename Table>
auto lookup(const Table& table, std::string_view name) {
    return std::find_if(table.begin(), table.end(), [&](const auto& e) { return e.first == name; });
}

}  // namespace

std::string usage() {
    return "usage: duoband-radio-sim [options]\n"
           "A simulated radio on a pseudo-terminal. Prints the terminal's path as the\n"
           "first line of output and serves until it is killed.\n"
           "  --link PATH           also make a symbolic link PATH to the terminal\n"
           "  --memory FILE         load the memory from FILE (raw bytes, at most 64 KiB)\n"
           "  --sample              load the built-in sample configuration\n"
           "  --save-memory FILE    write the memory to FILE after every stored write\n"
           "  --log FILE            one line per command received, in hex\n"
           "  --pace                take in frames and send answers at the 19200 baud\n"
           "                        byte rate, as over a real line\n"
           "  --turnaround MS       wait MS milliseconds before every answer (also\n"
           "                        --reply-delay MS)\n"
           "  --write-ms MS         take MS milliseconds to store a written frame\n"
           "  --handshake-reply HEX answer the handshake with these bytes\n"
           "  --usb-packet N        hand the answers over as a USB-serial adapter does:\n"
           "                        in packets of N bytes, one that is not full leaving\n"
           "                        the latency after its first byte (without --pace,\n"
           "                        one packet every latency)\n"
           "  --usb-latency MS      the adapter's latency, 16 ms unless given\n"
           "  --pad-to-48           answer a READ for fewer than 48 bytes with 48\n"
           "                        (the memory from its address on)\n"
           "  --cut-to-48           answer a READ for more than 48 bytes with its first 48\n"
           "Faults, by frame number (0 is the first frame after the handshake):\n"
           "  --silent-at N  --short-at N  --extra-at N  --split-at N  --nak-at N\n"
           "  --double-ack-at N  --hangup-at N  --late-at N --late-ms MS\n"
           "  --stray-at N   one byte 0x00 30 ms after the answer to frame N\n"
           "  --flood-at N   from frame N on, garbage as fast as the line takes it\n"
           "                 instead of answers, until \"EXIT\"\n"
           "  --corrupt-at N [--corrupt-offset K]  acknowledge write frame N but store\n"
           "                 its data byte K (default 0) with its lowest bit flipped\n";
}

std::variant<Options, std::string> parseOptions(std::span<const std::string_view> args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view name = args[i];
        if (name == "--help") return usage();
        if (const auto flag = lookup(kFlagOptions, name); flag != kFlagOptions.end()) {
            options.*(flag->second) = true;
            continue;
        }
        const auto fault = lookup(kFaultOptions, name);
        const auto setter = lookup(kValueOptions, name);
        if (fault == kFaultOptions.end() && setter == kValueOptions.end())
            return "unknown option " + std::string(name) + "\n" + usage();
        if (i + 1 == args.size()) return "missing value after " + std::string(name);
        const std::string_view value = args[++i];
        if (fault != kFaultOptions.end()) {
            const auto n = number(value);
            if (!n) return "not a frame number: " + std::string(name) + " " + std::string(value);
            options.faults[fault->second] = *n;
        } else if (!setter->second(options, value)) {
            return "bad value: " + std::string(name) + " " + std::string(value);
        }
    }
    if (options.sample && !options.memoryFile.empty())
        return "--sample and --memory exclude each other";
    if (options.faults.contains(Fault::Late) && options.late == Millis{0})
        return "--late-at needs --late-ms";
    if (options.usb.packet == 0 &&
        std::find(args.begin(), args.end(), "--usb-latency") != args.end())
        return "--usb-latency needs --usb-packet";
    return options;
}

Memory blankMemory() {
    Memory memory;
    memory.fill(0xFF);
    return memory;
}

std::optional<Memory> loadMemory(const std::string& path, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return std::nullopt;
    }
    const Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (bytes.size() > kMemorySize) {
        error = path + " is larger than 64 KiB";
        return std::nullopt;
    }
    Memory memory = blankMemory();
    std::copy(bytes.begin(), bytes.end(), memory.begin());
    return memory;
}

bool saveMemory(const Memory& memory, const std::string& path) {
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(memory.data()), memory.size());
        if (!out.flush()) return false;
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

}  // namespace duoband::sim
