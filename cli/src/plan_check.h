// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What duoband-cli check prints with --json.
#pragma once

#include <span>
#include <string>

#include "duoband/channel_plan_check.h"

namespace duoband::cli {

// The findings as a JSON array, one object each with the members kind
// ("problem" or "note"), where, band, channel, column, setting (null where
// they do not apply), message and line (the line check prints).
// Texts are UTF-8 (the radio's bytes read as Latin-1).
std::string planCheckJson(std::span<const PlanFinding> findings);

}  // namespace duoband::cli
