// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "duoband/channel_record.h"
#include "duoband/field_codecs.h"
#include "duoband/option_lists.h"

namespace duoband {
namespace {

constexpr const char* kHello = "00DF9260FFFF0000DF9260FFFF0000C00548454C4C4FFFFF";

TEST(ChannelRecord, AllFFDecodesToEmptyRow) {
    const ChannelRow row = decodeChannelRecord(std::string(48, 'F'));
    for (const auto& cell : row.texts) EXPECT_EQ(cell, "");
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
    EXPECT_EQ(row[Column::Power], "Low");
    EXPECT_EQ(row[Column::Bandwidth], "Narrow");
    EXPECT_EQ(row[Column::Compandor], "OFF");
    EXPECT_EQ(row[Column::Scrambler], "OFF");
    EXPECT_EQ(encodeChannelRecord(row).hex.substr(30, 2), "00");
}

TEST(ChannelRecord, DecodingRules) {
    // receive tone 0x0000 with a frequency shows OFF and is written as FFFF
    ChannelRow row = decodeChannelRecord("00DF92600000FFFFFFFFFFFFFFFFFFFF00FFFFFFFFFFFFFF");
    EXPECT_EQ(row[Column::RxTone], "OFF");
    EXPECT_EQ(encodeChannelRecord(row).hex.substr(8, 4), "FFFF");
    // receiving mode 0x01 shows even without a receive frequency
    row = decodeChannelRecord("FFFFFFFFFFFF01FFFFFFFFFFFFFFFFFF00FFFFFFFFFFFFFF");
    EXPECT_EQ(row[Column::RxMode], "QT/DQT+Signaling");
    // signalling 0x11, DCS tones
    row = decodeChannelRecord("FFFFFFFFC023FF00DF92608754111100FFFFFFFFFFFFFFFF");
    EXPECT_EQ(row[Column::RxTone], "D023I");
    EXPECT_EQ(row[Column::TxTone], "D754N");
    EXPECT_EQ(row[Column::LaunchSignalling], "Identity Code");
    EXPECT_EQ(row[Column::EndSignalling], "Identity Code");
}

TEST(ChannelRecord, EmptyFlagColumnLosesTheOtherFlags) {
    ChannelRow row{};
    row[Column::RxFrequency] = "146.52000";
    row[Column::Bandwidth] = "Wide";
    row[Column::Compandor] = "ON";
    row[Column::Scrambler] = "ON";
    EXPECT_EQ(encodeChannelRecord(row).hex.substr(30, 2), "FF");
}

TEST(ChannelRecord, TextWithoutEncodingNamesItsColumn) {
    const struct {
        Column column;
        const char* text;
    } cases[] = {{Column::RxFrequency, "abc"},
                 {Column::RxTone, "77HZX"},
                 {Column::RxMode, "QT"},
                 {Column::TxFrequency, "1.2.3"},
                 {Column::LaunchSignalling, "DTMF9"},
                 {Column::Power, "Medium"},
                 {Column::Name, "EIGHTCHR"}};
    for (const auto& c : cases) {
        ChannelRow row{};
        row[Column::Power] = "High";
        row[Column::Bandwidth] = "Wide";
        row[Column::Compandor] = "OFF";
        row[Column::Scrambler] = "OFF";
        row[c.column] = c.text;
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
        row[Column::RxFrequency] =
            frequencyText(static_cast<std::uint32_t>(13600000 + 250 * next(16000)));
        row[Column::RxTone] = std::string(tones[next(tones.size())]);
        row[Column::RxMode] = std::string(lists::channelReceivingMode()[next(2)]);
        row[Column::TxFrequency] =
            frequencyText(static_cast<std::uint32_t>(40000000 + 625 * next(14000)));
        row[Column::TxTone] = std::string(tones[next(tones.size())]);
        row[Column::LaunchSignalling] = std::string(signalling[next(signalling.size())]);
        row[Column::EndSignalling] = std::string(signalling[next(signalling.size())]);
        row[Column::Power] = std::string(lists::channelPower()[next(2)]);
        row[Column::Bandwidth] = std::string(lists::channelBandwidth()[next(2)]);
        row[Column::Compandor] = std::string(lists::offOn()[next(2)]);
        row[Column::Scrambler] = std::string(lists::offOn()[next(2)]);
        row[Column::Name] = std::string("CH") + std::to_string(i);
        const RecordEncoding enc = encodeChannelRecord(row);
        ASSERT_TRUE(enc.ok()) << columnIndex(enc.failedColumn.value_or(Column::Number));
        EXPECT_EQ(decodeChannelRecord(enc.hex), row);
        EXPECT_EQ(encodeChannelRecord(decodeChannelRecord(enc.hex)).hex, enc.hex);
    }
}

// A failing comparison says which column of which channel, and which
// setting, differs.
TEST(ModelPrinting, NamesTheCellsAndSettingsThatDepartFromANewConfiguration) {
    EditorModel model;
    EXPECT_EQ(testing::PrintToString(model), "a new configuration");
    model.channels(Band::B).cell(Column::Power, 12) = "Low";
    model.general.volume.select(3);
    EXPECT_EQ(testing::PrintToString(model),
              "\n  Band B channel 12, Power \"Low\""
              "\n  \"Volume\" on \"Comprehensive Setting\": \"3\"");
    ChannelRow row;
    row[Column::Name] = "HOME";
    const std::string printed = testing::PrintToString(row);
    EXPECT_TRUE(printed.starts_with("{Receiving Frequency \"\", ")) << printed;
    EXPECT_TRUE(printed.ends_with(", Channel Name \"HOME\"}")) << printed;
}

}  // namespace
}  // namespace duoband
