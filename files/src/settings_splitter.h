// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file's splitting rule, used for lines and for fields:
// at the start of an item every separator, skipped character, CR and LF is
// skipped; the item runs to the next separator, CR, LF or the end; a single
// or double quote opens a stretch, running to the same quote again, in which
// separators and line ends do not end the item (the quotes stay in the item).
// Empty items are dropped.
#pragma once

#include <string_view>
#include <vector>

namespace duoband {

struct SplitResult {
    std::vector<std::string_view> items;
    bool ok = true;  // false: a quote is never closed
};

// The file into its lines; a '~' at the start of a line is skipped.
SplitResult splitLines(std::string_view text);
// One line into its comma-separated fields.
SplitResult splitFields(std::string_view line);

}  // namespace duoband
