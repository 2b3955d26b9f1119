// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// duoband-cli's commands on the register (fleet, radios, history) and the
// radios a `write --fleet` batch takes from it.
#pragma once

#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "duoband/cli.h"
#include "duoband/radio_jobs.h"
#include "duoband/radio_register.h"
#include "job_recorder.h"

namespace duoband::cli {

// fleet add NAME | fleet list | fleet import-roster NAME FILE.csv
int fleetCommand(const std::vector<std::string>& words, const std::vector<std::string>& numbers,
                 const std::string& address, Io& io);

enum class ListFormat { Table, Csv, Json };
int radiosCommand(const std::string& fleet, ListFormat format, const std::string& address, Io& io);

// The jobs of the radio holding `nativeId`, or of the radio on `port` (read
// first, and recorded as a read).
int historyCommand(const std::string& nativeId, const std::string& port, const std::string& fleet,
                   bool json, const std::string& address, const JobOptions& options, Io& io);

// The radios of one `write --fleet` batch, each with its own values.
class FleetRadios {
  public:
    FleetRadios(RadioRegister& reg, std::string fleet, bool keepIdentity)
        : register_(reg), fleet_(std::move(fleet)), keepIdentity_(keepIdentity) {}

    // Without --keep-identity, every radio of the batch is taken before any
    // exchange, in port order; false (and why, on `io`) when they cannot be.
    bool reserveBatch(std::size_t radios, Io& io);

    struct Pick {
        std::optional<RegisteredRadio> radio;  // none: not to be written
        UnitNumbers before;                    // what the radio held (--keep-identity)
        JobReport refused;                     // why not, when there is no radio
    };
    // The radio on `port`. With --keep-identity it is read first: a radio
    // the fleet knows by its native ID gets its values again, another one
    // the next planned radio or number; a second radio of the batch with
    // the same native ID is refused.
    Pick pick(std::size_t index, const std::string& port, const JobOptions& options,
              JobOutput& output);
    const std::string& fleet() const { return fleet_; }

  private:
    Pick refusal(const std::string& port, const std::string& why) const;
    Pick identified(const std::string& port, const RadioImage& held);

    RadioRegister& register_;
    std::string fleet_;
    bool keepIdentity_;
    std::vector<RegisteredRadio> reserved_;
    std::mutex mutex_;
    std::map<std::string, std::string> claimed_;  // native ID -> the port that holds it
};

}  // namespace duoband::cli
