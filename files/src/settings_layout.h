// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The lines of a .bc file, as the settings table places the settings on
// them: the writer and the reader both walk these lines.
#pragma once

#include <span>
#include <vector>

#include "duoband/settings_table.h"

namespace duoband {

inline constexpr std::size_t kSettingsLines = 262;
inline constexpr int kBandAFirstChannelLine = 1;
inline constexpr int kBandBFirstChannelLine = 130;

struct SettingsLine {
    int number;                      // 1-based line of the file
    std::vector<SettingRef> fields;  // in field order
};

// The lines that hold settings (129 and 258..262), in file order.
const std::vector<SettingsLine>& settingsLines();
// The lines `settings` places, in file order: each setting in its own field,
// also where settings share a byte in the radio.
std::vector<SettingsLine> settingsLinesOf(std::span<const Setting> settings);

}  // namespace duoband
