// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/fleet_radios.h"

#include "duoband/job_recorder.h"

namespace duoband {

JobReport notWritten(const std::string& port, const Phrase& why) {
    JobReport refused;
    refused.port = port;
    refused.messageWords = phrase(QT_TRANSLATE_NOOP("duoband", "Not written: %1"), why);
    refused.message = english(refused.messageWords);
    refused.lines = {refused.message};
    return refused;
}

void FleetRadios::reserveBatch(std::size_t radios) {
    if (!keepIdentity_) reserved_ = register_.reserve(fleet_, radios);
}

RegisteredRadio FleetRadios::takeNext() {
    return register_.reserve(fleet_, 1).front();
}

FleetRadios::Pick FleetRadios::identified(const std::string& port, const RadioImage& held) {
    const std::string id = unitNumberIn(held, UnitField::NativeId);
    Pick pick;
    pick.before = numbersIn(held);
    {
        std::lock_guard lock(mutex_);
        if (!id.empty()) {
            const auto [claim, fresh] = claimed_.emplace(id, port);
            if (!fresh && claim->second != port) {
                pick.refused = notWritten(
                    port, phrase(QT_TRANSLATE_NOOP("duoband",
                                                   "the radio on %1 holds native ID %2, as the "
                                                   "radio on %3 does; give one of them another "
                                                   "ID by hand."),
                                 verbatim(port), verbatim(id), verbatim(claim->second)));
                return pick;
            }
        }
    }
    try {
        if (!id.empty()) pick.radio = register_.takeKnown(fleet_, id);
        if (!pick.radio) pick.radio = takeNext();
    } catch (const RegisterError& e) {
        pick.refused = notWritten(port, e.why());
    }
    return pick;
}

FleetRadios::Pick FleetRadios::pick(std::size_t index, const std::string& port,
                                    const JobOptions& options, JobOutput& output) {
    if (!keepIdentity_) return {reserved_.at(index), {}, {}};
    return identify(port, options, output);
}

FleetRadios::Pick FleetRadios::identify(const std::string& port, const JobOptions& options,
                                        JobOutput& output) {
    RadioImage held;
    const JobReport read = readImageJob(port, held, options, output);
    if (read.ok()) return identified(port, held);
    Pick failed;
    const Phrase readWords =
        read.messageWords.empty() ? Phrase(std::string_view(read.message)) : read.messageWords;
    failed.refused = read;
    failed.refused.messageWords =
        phrase(QT_TRANSLATE_NOOP("duoband", "Not written: the radio could not be read first (%1)"),
               readWords);
    failed.refused.message = english(failed.refused.messageWords);
    failed.refused.lines = {failed.refused.message};
    return failed;
}

void FleetRadios::release(const std::string& port) {
    std::lock_guard lock(mutex_);
    std::erase_if(claimed_, [&](const auto& claim) { return claim.second == port; });
}

}  // namespace duoband
