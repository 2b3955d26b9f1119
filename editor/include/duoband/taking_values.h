// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Taking the other side's values of a comparison into the open
// configuration, through the rules of typing and picking them: a cell as a
// paste of its text, a setting as its pick or its typed text. A value the
// rules refuse, or would change (a frequency off the channel-step grid), is
// not taken and says why.
#pragma once

#include <span>
#include <vector>

#include "duoband/compare.h"
#include "duoband/editor_model.h"
#include "duoband/phrase.h"

namespace duoband {

struct RefusedValue {
    CompareEntry entry;
    Phrase why;
};

struct TakeReport {
    int taken = 0;  // values the configuration holds now, also those it already held
    std::vector<RefusedValue> refused;
};

// Takes the `b` value of each difference into `model`, in the order given
// (the comparison's: a channel's frequency before the columns that belong to
// it); notes are passed over. A frequency taken into a channel that has one
// keeps the channel's other settings: only an empty cell gets what a new
// frequency writes, so taking one value never changes another. A refused
// value leaves the configuration exactly as it was before it.
TakeReport takeOtherValues(EditorModel& model, std::span<const CompareEntry> entries);

// One line per refused value ("Band A channel 12, Receiving Frequency:
// "300.00000" - why"), the first `shown` of them, then how many more.
Phrase describeRefusedValues(const std::vector<RefusedValue>& refused, std::size_t shown = 20);

}  // namespace duoband
