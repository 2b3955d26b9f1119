// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a configuration before it goes to a radio: what a technician
// would catch by reading the channel plan (two channels alike, a name used
// twice, a frequency the radio's limits refuse, signalling that sends an
// empty DTMF group...). Each finding names its place as a comparison does,
// so the window shows it and the command line prints it the same way.
//
// Problems are what should stop a write unless the user says otherwise;
// notes are worth a look but never count.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "duoband/compare.h"
#include "duoband/editor_model.h"
#include "duoband/phrase.h"

namespace duoband {

enum class FindingKind { Problem, Note };

struct PlanFinding {
    FindingKind kind = FindingKind::Problem;
    ComparePlace where;  // a channel, one of its cells, or a setting
    Phrase what;         // "the same as channel 10"
    bool operator==(const PlanFinding&) const = default;
};

// Every finding of the configuration as a write would send it (the limits
// and DTMF groups as their block fields hold them): the problems first, then
// the notes, each in the order band A's channels, band B's, the settings.
std::vector<PlanFinding> checkChannelPlan(const EditorModel& model);

std::size_t problemCount(std::span<const PlanFinding> findings);

// "Band B channel 11: the same as channel 10".
Phrase describeFinding(const PlanFinding& finding);

// One line per finding, the notes marked "note: ", then the count:
// "2 problems" ("no problems", "1 problem, 1 note").
std::vector<std::string> planCheckLines(std::span<const PlanFinding> findings);
std::string planCheckCount(std::span<const PlanFinding> findings);

}  // namespace duoband
