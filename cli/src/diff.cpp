// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "diff.h"

#include <algorithm>

#include "duoband/json_text.h"
#include "duoband/utf8.h"

namespace duoband::cli {

namespace {

// A JSON string of `text`, whose bytes are Latin-1 characters (the radio's
// own texts, and the captions and titles, which are ASCII).
std::string jsonText(std::string_view text) {
    return jsonString(utf8::fromLatin1(text));
}

std::string jsonTextOrNull(const std::optional<std::string>& text) {
    return text ? jsonText(*text) : "null";
}

// Each side's bytes in hex; the text itself where an image does not know some.
std::string bytesText(const CompareEntry& entry, const Bytes& bytes, const std::string& shown) {
    if (!isUnknown(entry)) return toHex(bytes);
    std::string hex = shown;
    std::erase(hex, ' ');
    return hex;
}

std::string entryJson(const CompareEntry& e) {
    const ComparePlace& where = e.where;
    std::optional<std::string> band, channel, column, page, setting;
    if (where.cell) {
        band = std::string(where.cell->band == Band::A ? "A" : "B");
        channel = std::to_string(where.cell->channel);
        if (where.cell->column != Column::Number)
            column = std::string(columnTitle(where.cell->column));
        page = std::string(channelPageTitle(where.cell->band));
    } else if (where.setting) {
        const Setting& s = duoband::setting(where.setting->id);
        if (s.perBand()) band = std::string(where.setting->band == Band::A ? "A" : "B");
        page = std::string(pageTitle(s.page, where.setting->band));
        setting = std::string(withoutTrailingColon(s.captionFor(where.setting->band)));
    }
    const std::string address = "0x" + hexNumber(static_cast<std::uint64_t>(entryAddress(e)), 4);
    return std::string("{\"kind\": ") +
           (e.kind == EntryKind::Difference ? "\"difference\"" : "\"note\"") +
           ", \"where\": " + jsonText(english(describePlace(where))) +
           ", \"band\": " + jsonTextOrNull(band) + ", \"channel\": " + channel.value_or("null") +
           ", \"column\": " + jsonTextOrNull(column) + ", \"page\": " + jsonTextOrNull(page) +
           ", \"setting\": " + jsonTextOrNull(setting) + ", \"address\": " + jsonText(address) +
           ", \"a\": " + jsonText(e.a) + ", \"b\": " + jsonText(e.b) +
           ", \"a_bytes\": " + jsonText(bytesText(e, e.aBytes, e.a)) +
           ", \"b_bytes\": " + jsonText(bytesText(e, e.bBytes, e.b)) + "}";
}

}  // namespace

std::string compareJson(std::span<const CompareEntry> entries) {
    std::string json = "[";
    for (std::size_t i = 0; i < entries.size(); ++i)
        json += (i == 0 ? "\n  " : ",\n  ") + entryJson(entries[i]);
    return json + (entries.empty() ? "]\n" : "\n]\n");
}

}  // namespace duoband::cli
