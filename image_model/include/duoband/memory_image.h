// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of each transfer step, both ways: what a completed read step
// puts into the editor model, and what a write step sends from it.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "duoband/editor_model.h"
#include "duoband/memory_map.h"
#include "duoband/settings_table.h"

namespace duoband {

// The answer length that completes every read step, whatever its own length.
inline constexpr std::size_t kAnswerBytesAtEveryStep = 48;

// Whether a reply of `hexDigits` digits completes read step `step`: the
// step's own length, or 96 digits (kAnswerBytesAtEveryStep) at every step.
bool isAcceptedReadLength(int step, std::size_t hexDigits);

// Decodes a completed step into the controls and tables, then stores the
// raw digits in the step's block fields. A block field is only stored when
// the reply holds all of it; the rest keep their contents.
// The settings are those of `settings` (the program's own table unless a
// test gives another).
void loadReadStep(EditorModel& model, int step, std::string_view replyHex,
                  std::span<const Setting> settings = allSettings());

// The data of every write step, encoded and checked before anything is sent.
struct ImageEncoding {
    std::array<HexText, kTransferSteps> data;  // exactly 2*length digits each
    std::string error;                         // names the band, channel and column, or the field
    bool ok() const { return error.empty(); }
};
ImageEncoding encodeImage(const EditorModel& model);

// Bytes of step `step`, from its start, that the editor holds; a write sends
// 0xFF fill for the rest of the step.
int heldBytes(int step);

// Checks a block field: its number of digits and that all are hex digits.
// Returns an error text naming the field, or "" when it is sound.
std::string blockFieldProblem(const EditorModel& model, Block block);

}  // namespace duoband
