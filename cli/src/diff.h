// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What duoband-cli diff prints with --json.
#pragma once

#include <span>
#include <string>

#include "duoband/compare.h"

namespace duoband::cli {

// The entries as a JSON array, one object each with the members kind
// ("difference" or "note"), where, band, channel, column, page, setting,
// address, a, b, a_bytes and b_bytes (null where they do not apply). Texts
// are UTF-8 (the radio's bytes read as Latin-1); addresses and bytes are hex
// text, "??" for a byte an image does not know.
std::string compareJson(std::span<const CompareEntry> entries);

}  // namespace duoband::cli
