// One memory channel: 24 bytes in the radio, one row of twelve texts in a
// channel table.
//
//   offset width field                      column
//   0      4     receiving frequency         1 "Receiving Frequency"
//   4      2     receiving CTCSS/DCS         2 "Receiving CTCSS"
//   6      1     receiving mode              3 "Receiving Mode"
//   7      4     transmission frequency      4 "Transmission Frequency"
//   11     2     transmission CTCSS/DCS      5 "Transmission CTCSS"
//   13     1     launch signalling           6 "Launch Signaling"
//   14     1     transmit end signalling     7 "Transmit end Signaling"
//   15     1     flags: 0x80 power High, 0x40 Wide, 0x20 compandor ON,
//                0x10 scrambler ON; 0xFF none set   8..11
//   16     8     counted text, the name       12 "Channel Name"
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "duoband/hex_text.h"

namespace duoband {

// Columns 1..12 of a table row (index 0 is column 1).
using ChannelRow = std::array<std::string, 12>;

inline constexpr std::array<std::string_view, 13> kChannelColumnTitles{"Channel",
                                                                       "Receiving Frequency",
                                                                       "Receiving CTCSS",
                                                                       "Receiving Mode",
                                                                       "Transmission Frequency",
                                                                       "Transmission CTCSS",
                                                                       "Launch Signaling",
                                                                       "Transmit end Signaling",
                                                                       "Power",
                                                                       "Wide / Narrow",
                                                                       "Compandor",
                                                                       "Scrambler",
                                                                       "Channel Name"};

// Decodes 48 hex digits; every column is written. Digits that are not hex
// decode as bytes 0xFF.
ChannelRow decodeChannelRecord(std::string_view hex48);

struct RecordEncoding {
    HexText hex;           // 48 digits when ok
    int failedColumn = 0;  // the first column (1..12) whose text has no encoding
    bool ok() const { return failedColumn == 0; }
};

RecordEncoding encodeChannelRecord(const ChannelRow& row);

}  // namespace duoband
