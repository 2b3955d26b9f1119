// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_layout.h"

#include <algorithm>
#include <map>

namespace duoband {

std::vector<SettingsLine> settingsLinesOf(std::span<const Setting> settings) {
    std::map<int, std::vector<std::pair<int, SettingRef>>> byLine;
    for (const Setting& s : settings) {
        for (Band band : kBands) {
            if (band == Band::B && !s.perBand()) continue;
            byLine[s.fileLine(band)].push_back({s.file.field, SettingRef{s.id, band}});
        }
    }
    std::vector<SettingsLine> out;
    for (auto& [number, fields] : byLine) {
        std::ranges::sort(fields, {}, &std::pair<int, SettingRef>::first);
        SettingsLine line{number, {}};
        for (const auto& field : fields) line.fields.push_back(field.second);
        out.push_back(std::move(line));
    }
    return out;
}

const std::vector<SettingsLine>& settingsLines() {
    static const std::vector<SettingsLine> lines = settingsLinesOf(allSettings());
    return lines;
}

}  // namespace duoband
