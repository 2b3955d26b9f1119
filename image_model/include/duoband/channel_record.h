// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// One memory channel: 24 bytes in the radio, one row of twelve texts in a
// channel table. Where each column lies in the record and how it is encoded
// is its row of the channel column table (`channelColumns()`).
#pragma once

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "duoband/editor_model.h"
#include "duoband/hex_text.h"

namespace duoband {

// The texts of one channel row, RxFrequency to Name, addressed by column.
struct ChannelRow {
    std::array<std::string, kColumnCount - 1> texts;  // RxFrequency first

    std::string& operator[](Column c) { return texts.at(slot(c)); }
    const std::string& operator[](Column c) const { return texts.at(slot(c)); }
    bool operator==(const ChannelRow&) const = default;

  private:
    static std::size_t slot(Column c) { return static_cast<std::size_t>(columnIndex(c) - 1); }
};

// For test failures: every column by its title.
void PrintTo(const ChannelRow& row, std::ostream* out);

// Decodes 48 hex digits; every column is written. Digits that are not hex
// decode as bytes 0xFF.
ChannelRow decodeChannelRecord(std::string_view hex48);

struct RecordEncoding {
    HexText hex;                         // 48 digits when ok
    std::optional<Column> failedColumn;  // the first column whose text has no encoding
    bool ok() const { return !failedColumn; }
};

RecordEncoding encodeChannelRecord(const ChannelRow& row);

}  // namespace duoband
