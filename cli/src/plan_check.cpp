// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan_check.h"

#include <optional>

#include "duoband/json_text.h"
#include "duoband/settings_table.h"

namespace duoband::cli {

namespace {

std::string jsonTextOrNull(const std::optional<std::string>& text) {
    return text ? jsonString(*text) : "null";
}

std::string findingJson(const PlanFinding& f) {
    std::optional<std::string> band, channel, column, setting;
    if (const auto& cell = f.where.cell) {
        band = cell->band == Band::A ? "A" : "B";
        channel = std::to_string(cell->channel);
        if (cell->column != Column::Number) column = std::string(columnTitle(cell->column));
    } else if (const auto& ref = f.where.setting) {
        const Setting& s = duoband::setting(ref->id);
        if (s.perBand()) band = ref->band == Band::A ? "A" : "B";
        setting = std::string(withoutTrailingColon(s.captionFor(ref->band)));
    }
    return std::string("{\"kind\": ") +
           (f.kind == FindingKind::Problem ? "\"problem\"" : "\"note\"") +
           ", \"where\": " + jsonString(english(describePlace(f.where))) +
           ", \"band\": " + jsonTextOrNull(band) + ", \"channel\": " + channel.value_or("null") +
           ", \"column\": " + jsonTextOrNull(column) + ", \"setting\": " + jsonTextOrNull(setting) +
           ", \"message\": " + jsonString(english(f.what)) +
           ", \"line\": " + jsonString(english(describeFinding(f))) + "}";
}

}  // namespace

std::string planCheckJson(std::span<const PlanFinding> findings) {
    std::string json = "[";
    for (std::size_t i = 0; i < findings.size(); ++i)
        json += (i == 0 ? "\n  " : ",\n  ") + findingJson(findings[i]);
    return json + (findings.empty() ? "]\n" : "\n]\n");
}

}  // namespace duoband::cli
