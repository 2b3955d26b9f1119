#include "settings_splitter.h"

namespace duoband {

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

}  // namespace

SplitResult splitItems(std::string_view text, char separator, char extraSkip) {
    SplitResult result;
    auto isSeparator = [&](char c) { return separator != '\0' && c == separator; };
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (isSeparator(text[i]) || isLineEnd(text[i]) ||
                                   (extraSkip != '\0' && text[i] == extraSkip))) {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && !isSeparator(text[i]) && !isLineEnd(text[i])) {
            if (text[i] == '"' || text[i] == '\'') {
                const auto close = text.find(text[i], i + 1);
                if (close == std::string_view::npos) {
                    result.ok = false;
                    return result;
                }
                i = close;
            }
            ++i;
        }
        if (i > start) result.items.push_back(text.substr(start, i - start));
    }
    return result;
}

}  // namespace duoband
