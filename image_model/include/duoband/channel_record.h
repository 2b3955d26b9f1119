// One memory channel: 24 bytes in the radio, one row of twelve texts in a
// channel table.
//
//   offset width field                      column
//   0      4     receiving frequency         RxFrequency
//   4      2     receiving CTCSS/DCS         RxTone
//   6      1     receiving mode              RxMode
//   7      4     transmission frequency      TxFrequency
//   11     2     transmission CTCSS/DCS      TxTone
//   13     1     launch signalling           LaunchSignalling
//   14     1     transmit end signalling     EndSignalling
//   15     1     flags: 0x80 power High, 0x40 Wide, 0x20 compandor ON,
//                0x10 scrambler ON; 0xFF none set   Power..Scrambler
//   16     8     counted text, the name       Name
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
