#include "settings_splitter.h"

#include <array>

namespace duoband {

namespace {

// What a character does to an item. One table lookup per character, with the
// tables built at compile time, keeps splitting a whole file cheap: every
// character of it passes here twice.
enum class CharRole : unsigned char { Plain, Ends, Quote, Skipped };
using RoleTable = std::array<CharRole, 256>;

constexpr RoleTable roles(char separator, char skipped) {
    RoleTable table{};
    auto set = [&](char c, CharRole role) { table[static_cast<unsigned char>(c)] = role; };
    if (skipped != '\0') set(skipped, CharRole::Skipped);
    set('"', CharRole::Quote);
    set('\'', CharRole::Quote);
    set('\r', CharRole::Ends);
    set('\n', CharRole::Ends);
    if (separator != '\0') set(separator, CharRole::Ends);
    return table;
}

constexpr RoleTable kLineRoles = roles('\0', '~');
constexpr RoleTable kFieldRoles = roles(',', '\0');

SplitResult split(std::string_view text, const RoleTable& table) {
    SplitResult result;
    result.items.reserve(16);
    auto role = [&](std::size_t i) { return table[static_cast<unsigned char>(text[i])]; };
    std::size_t i = 0;
    while (i < text.size()) {
        // A skipped character is skipped only at the start of an item.
        while (i < text.size() && (role(i) == CharRole::Ends || role(i) == CharRole::Skipped)) ++i;
        const std::size_t start = i;
        for (; i < text.size() && role(i) != CharRole::Ends; ++i) {
            if (role(i) != CharRole::Quote) continue;
            const auto close = text.find(text[i], i + 1);
            if (close == std::string_view::npos) {
                result.ok = false;
                return result;
            }
            i = close;
        }
        if (i > start) result.items.push_back(text.substr(start, i - start));
    }
    return result;
}

}  // namespace

SplitResult splitLines(std::string_view text) {
    return split(text, kLineRoles);
}

SplitResult splitFields(std::string_view line) {
    return split(line, kFieldRoles);
}

}  // namespace duoband
