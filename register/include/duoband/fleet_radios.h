// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The radios a fleet's writes take from the register, each with its own
// values: a batch of the command line takes them all before any exchange,
// a station one by one as its radios are plugged in. With "keep identity"
// each radio is read first, and one the fleet knows by its native ID gets
// its own values again.
//
// Threads: every member may be called from any job's thread at once; the
// register calls block (a PostgreSQL server far away), so a window calls
// them off its own thread.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "duoband/radio_jobs.h"
#include "duoband/radio_register.h"

namespace duoband {

class FleetRadios {
  public:
    FleetRadios(RadioRegister& reg, std::string fleet, bool keepIdentity)
        : register_(reg), fleet_(std::move(fleet)), keepIdentity_(keepIdentity) {}

    const std::string& fleet() const { return fleet_; }
    bool keepsIdentity() const { return keepIdentity_; }

    // Without keep identity, every radio of a batch is taken in one
    // transaction, in port order. Throws RegisterError when they cannot be.
    void reserveBatch(std::size_t radios);
    // The fleet's next radio, taken alone (a station's, in plug order).
    // Throws RegisterError.
    RegisteredRadio takeNext();

    struct Pick {
        std::optional<RegisteredRadio> radio;  // none: not to be written
        UnitNumbers before;                    // what the radio held (keep identity)
        JobReport refused;                     // why not, when there is no radio
    };
    // The radio of the batch's job `index` on `port`: the one reserveBatch
    // took, or with keep identity the one identify() finds.
    Pick pick(std::size_t index, const std::string& port, const JobOptions& options,
              JobOutput& output);
    // Reads the radio on `port` first: a radio the fleet knows by its native
    // ID gets its values again, another one the fleet's next radio; a radio
    // holding the native ID of one still claimed is refused.
    Pick identify(const std::string& port, const JobOptions& options, JobOutput& output);
    // The radio on `port` is done with: its native ID may come again (a
    // station's radio plugged in once more).
    void release(const std::string& port);

  private:
    Pick identified(const std::string& port, const RadioImage& held);

    RadioRegister& register_;
    std::string fleet_;
    bool keepIdentity_;
    std::vector<RegisteredRadio> reserved_;
    std::mutex mutex_;
    std::map<std::string, std::string> claimed_;  // native ID -> the port that holds it
};

// A job refused before its radio heard a byte: "Not written: " and why.
JobReport notWritten(const std::string& port, const Phrase& why);

}  // namespace duoband
