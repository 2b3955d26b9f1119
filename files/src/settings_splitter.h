// The settings file's splitting rule, used for lines and for fields:
// at the start of an item every separator, extra skip character, CR and LF
// is skipped; the item runs to the next separator, CR, LF or the end; a
// single or double quote opens a stretch, running to the same quote again,
// in which separators and line ends do not end the item (the quotes stay in
// the item). Empty items are dropped.
#pragma once

#include <string_view>
#include <vector>

namespace duoband {

struct SplitResult {
    std::vector<std::string_view> items;
    bool ok = true;  // false: a quote is never closed
};

// `separator` and `extraSkip` of '\0' mean none.
SplitResult splitItems(std::string_view text, char separator, char extraSkip);

}  // namespace duoband
