// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in sample configuration of the simulated radio.
#pragma once

#include "duoband/editor_model.h"
#include "duoband/radio_sim.h"

namespace duoband::sim {

// The sample as the editor would show it: a dozen named channels per band on
// VHF and UHF with CTCSS and DCS tones, both band pages, general settings,
// DTMF groups, codes, a boot message and limits.
EditorModel sampleModel();
// The same configuration as the radio's memory (every other byte 0xFF).
Memory sampleMemory();

}  // namespace duoband::sim
