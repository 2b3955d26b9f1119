#include <gtest/gtest.h>

#include "duoband/channel_record.h"
#include "duoband/field_codecs.h"
#include "duoband/option_lists.h"

namespace duoband {
namespace {

constexpr const char* kHello = "00DF9260FFFF0000DF9260FFFF0000C00548454C4C4FFFFF";

TEST(ChannelRecord, AllFFDecodesToEmptyRow) {
    const ChannelRow row = decodeChannelRecord(std::string(48, 'F'));
    for (const auto& cell : row) EXPECT_EQ(cell, "");
}

TEST(ChannelRecord, HelloRecordDecodesAndEncodesBack) {
    const ChannelRow row = decodeChannelRecord(kHello);
    const ChannelRow expected{"146.52000", "OFF",  "QT/DQT", "146.52000", "OFF", "OFF",
                              "OFF",       "High", "Wide",   "OFF",       "OFF", "HELLO"};
    EXPECT_EQ(row, expected);
    EXPECT_EQ(encodeChannelRecord(row).hex, kHello);
}

TEST(ChannelRecord, EmptyRowEncodesToTheEmptyRecord) {
    EXPECT_EQ(encodeChannelRecord(ChannelRow{}).hex,
              std::string(32, 'F') + "00" + std::string(14, 'F'));
}

TEST(ChannelRecord, FlagsZeroRoundTrips) {
    const ChannelRow row = decodeChannelRecord("00DF9260FFFF00FFFFFFFFFFFFFFFF0000FFFFFFFFFFFFFF");
    EXPECT_EQ(row[7], "Low");
    EXPECT_EQ(row[8], "Narrow");
    EXPECT_EQ(row[9], "OFF");
    EXPECT_EQ(row[10], "OFF");
    EXPECT_EQ(encodeChannelRecord(row).hex.substr(30, 2), "00");
}

TEST(ChannelRecord, DecodingRules) {
    // receive tone 0x0000 with a frequency shows OFF and is written as FFFF
    ChannelRow row = decodeChannelRecord("00DF92600000FFFFFFFFFFFFFFFFFFFF00FFFFFFFFFFFFFF");
    EXPECT_EQ(row[1], "OFF");
    EXPECT_EQ(encodeChannelRecord(row).hex.substr(8, 4), "FFFF");
    // receiving mode 0x01 shows even without a receive frequency
    row = decodeChannelRecord("FFFFFFFFFFFF01FFFFFFFFFFFFFFFFFF00FFFFFFFFFFFFFF");
    EXPECT_EQ(row[2], "QT/DQT+Signaling");
    // signalling 0x11, DCS tones
    row = decodeChannelRecord("FFFFFFFFC023FF00DF92608754111100FFFFFFFFFFFFFFFF");
    EXPECT_EQ(row[1], "D023I");
    EXPECT_EQ(row[4], "D754N");
    EXPECT_EQ(row[5], "Identity Code");
    EXPECT_EQ(row[6], "Identity Code");
}

TEST(ChannelRecord, EmptyFlagColumnLosesTheOtherFlags) {
    ChannelRow row{};
    row[0] = "146.52000";
    row[8] = "Wide";
    row[9] = "ON";
    row[10] = "ON";
    EXPECT_EQ(encodeChannelRecord(row).hex.substr(30, 2), "FF");
}

TEST(ChannelRecord, TextWithoutEncodingNamesItsColumn) {
    const struct {
        int column;
        const char* text;
    } cases[] = {{1, "abc"},   {2, "77HZX"},  {3, "QT"},       {4, "1.2.3"},
                 {6, "DTMF9"}, {8, "Medium"}, {12, "EIGHTCHR"}};
    for (const auto& c : cases) {
        ChannelRow row{};
        row[7] = "High";
        row[8] = "Wide";
        row[9] = "OFF";
        row[10] = "OFF";
        row[static_cast<std::size_t>(c.column - 1)] = c.text;
        const RecordEncoding enc = encodeChannelRecord(row);
        EXPECT_EQ(enc.failedColumn, c.column) << c.text;
        EXPECT_TRUE(enc.hex.empty());
    }
}

TEST(ChannelRecord, DefaultsWrittenByTheEditorEncode) {
    ChannelRow row{"145.50000", "0FF", "OFF", "", "", "", "", "High", "Wide", "OFF", "OFF", ""};
    EXPECT_EQ(encodeChannelRecord(row).hex, "00DE03F0FFFFFFFFFFFFFFFFFFFFFFC000FFFFFFFFFFFFFF");
}

}  // namespace
}  // namespace duoband

namespace duoband {
namespace {

// Rows the editor can produce, picked from every list: encoding then decoding
// gives the row back, and decoding the bytes then encoding gives the bytes.
TEST(ChannelRecord, EditorRowsSurviveBothDirections) {
    const auto tones = lists::channelTones();
    const auto signalling = lists::signalling();
    unsigned seed = 12345;
    auto next = [&seed](std::size_t n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<std::size_t>((seed >> 16) % n);
    };
    for (int i = 0; i < 256; ++i) {
        ChannelRow row{};
        row[0] = frequencyText(static_cast<std::uint32_t>(13600000 + 250 * next(16000)));
        row[1] = std::string(tones[next(tones.size())]);
        row[2] = std::string(lists::channelReceivingMode()[next(2)]);
        row[3] = frequencyText(static_cast<std::uint32_t>(40000000 + 625 * next(14000)));
        row[4] = std::string(tones[next(tones.size())]);
        row[5] = std::string(signalling[next(signalling.size())]);
        row[6] = std::string(signalling[next(signalling.size())]);
        row[7] = std::string(lists::channelPower()[next(2)]);
        row[8] = std::string(lists::channelBandwidth()[next(2)]);
        row[9] = std::string(lists::offOn()[next(2)]);
        row[10] = std::string(lists::offOn()[next(2)]);
        row[11] = std::string("CH") + std::to_string(i);
        const RecordEncoding enc = encodeChannelRecord(row);
        ASSERT_TRUE(enc.ok()) << enc.failedColumn;
        EXPECT_EQ(decodeChannelRecord(enc.hex), row);
        EXPECT_EQ(encodeChannelRecord(decodeChannelRecord(enc.hex)).hex, enc.hex);
    }
}

}  // namespace
}  // namespace duoband
