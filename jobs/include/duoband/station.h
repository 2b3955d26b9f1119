// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The programming station's rules, apart from any window: which ports start
// a write on their own (a USB cable plugged in and left for a second), that
// a port whose job ended starts none again until its cable was pulled and
// plugged in again, and the numbers each radio gets, one radio after
// another, never one the station log holds or the station gave already.
//
// Thread contract: plain values for the thread that owns the station (the
// window's main thread); the jobs report to that thread, which tells these
// of their start and end.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "duoband/phrase.h"
#include "duoband/unit_numbers.h"

namespace duoband {

class StationLog;

// How long a plugged cable stays before its radio is written: a cable going
// in can touch and part again, and the radio needs a moment to wake.
inline constexpr std::chrono::milliseconds kStationSettleTime{1000};

class StationPorts {
  public:
    using Clock = std::chrono::steady_clock;

    // A port listed when the station opens: it starts only when asked.
    void list(const std::string& path);
    // A cable plugged in at `now`; with auto start, a USB port becomes due
    // kStationSettleTime later.
    void plugged(const std::string& path, bool usb, Clock::time_point now);
    // The cable went; a job running on the port fails on its own.
    void pulled(const std::string& path);
    // Off: no port becomes due, not even one plugged in before.
    void setAutoStart(bool on);

    // Ports due to start on their own at `now`, in the order plugged in.
    std::vector<std::string> due(Clock::time_point now) const;
    // When the next port falls due; nullopt when none waits.
    std::optional<Clock::time_point> nextDue() const;
    // Every port listed now that runs no job, its job ended or not
    // ("Program Listed Ports").
    std::vector<std::string> idle() const;

    void started(const std::string& path);
    void ended(const std::string& path);
    bool listed(const std::string& path) const;
    bool running(const std::string& path) const;
    std::size_t runningCount() const;

  private:
    struct Port {
        std::string path;
        bool present = false;
        bool running = false;
        // Starts on its own once this time has come; none: it waits to be asked.
        std::optional<Clock::time_point> dueAt;
        bool waitsToStart() const { return present && !running && dueAt; }
    };
    Port* find(const std::string& path);
    const Port* find(const std::string& path) const;
    Port& entry(const std::string& path);

    std::vector<Port> ports_;
    bool autoStart_ = true;
};

// The numbers a station gives. Each numbered field starts from the number
// set for it, moved on past the highest the log held when opened and the
// highest this station gave since.
class StationNumbering {
  public:
    // The log whose numbers are not given again; nullptr: none.
    void setLog(const StationLog* log) { log_ = log; }

    // For each field, the number set for it (decimal digits, leading zeros
    // kept); nullopt: the field is not numbered.
    using NumbersSet = std::array<std::optional<std::string>, kUnitFields.size()>;
    struct Taken {
        UnitNumbers numbers;  // this radio's
        UnitNumbers next;     // what the next radio would get, for display
    };
    // The numbers of the next radio; nullopt, and `problem` says why, when a
    // number set is not digits or needs more digits than its field holds.
    // Nothing is given then.
    std::optional<Taken> take(const NumbersSet& set, Phrase& problem);

  private:
    std::optional<std::uint64_t> highestKnown(UnitField field) const;

    const StationLog* log_ = nullptr;
    std::array<std::optional<std::uint64_t>, kUnitFields.size()> given_;
};

}  // namespace duoband
