// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The radio's memory over the transfer plan, byte for byte: what a full read
// received, or what a full write sends. Unlike the editor model it keeps the
// bytes no page shows (the rest of the settings blocks), so writing it back
// makes a clone of the radio it came from.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "duoband/editor_model.h"
#include "duoband/hex_text.h"
#include "duoband/memory_image.h"
#include "duoband/memory_map.h"

namespace duoband {

struct StepBytes {
    Bytes bytes;    // exactly the step's length; unknown bytes are 0xFF
    int known = 0;  // bytes the radio sent, from the start of the step
    bool operator==(const StepBytes&) const = default;
};

struct RadioImage {
    std::array<StepBytes, kTransferSteps> steps;

    // Every byte 0xFF and known, as in a radio never programmed.
    RadioImage();
    const StepBytes& step(int s) const { return steps.at(static_cast<std::size_t>(s)); }
    StepBytes& step(int s) { return steps.at(static_cast<std::size_t>(s)); }
    bool operator==(const RadioImage&) const = default;
};

// Keeps an accepted answer to read step `step`: the plan's length of it. An
// answer shorter than the step (step 133 may answer 48 of its 64 bytes)
// leaves the rest unknown.
void storeAnswer(RadioImage& image, int step, std::span<const std::uint8_t> answer);

// The bytes a write of the configuration sends, all known.
RadioImage imageOf(const ImageEncoding& encoding);

// Decodes every step onto `model` as a read would (the known bytes of each).
void decodeImage(const RadioImage& image, EditorModel& model,
                 std::span<const Setting> settings = allSettings());

}  // namespace duoband
