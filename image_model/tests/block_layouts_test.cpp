// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "duoband/block_layouts.h"
#include "duoband/editor_model.h"

namespace duoband {
namespace {

Bytes bytesOf(std::string_view hex) {
    return fromHex(hex).value();
}

Bytes defaultBandBlock() {
    return bytesOf(defaultBlockField(Block::BandASettings) + defaultBlockField(Block::BandAExtra));
}

TEST(BandBlock, DefaultBlockShowsTheInitialPage) {
    EditorModel model;
    const BandSettings before = model.band(Band::A);
    decodeRegion(model, Region::BandSettings, Band::A, 0, defaultBandBlock());
    const BandSettings& page = model.band(Band::A);
    EXPECT_EQ(page.workingMode.index, 0);
    EXPECT_EQ(page.rxFrequency, "");
    EXPECT_EQ(page.rxTone.text(), "0FF");
    EXPECT_EQ(page.step.text(), "25K");
    EXPECT_EQ(page.offset, "10.00000");
    EXPECT_EQ(page.power.text(), before.power.text());
}

TEST(BandBlock, SelectionRules) {
    EditorModel model;
    BandSettings& page = model.band(Band::B);
    Bytes block = defaultBandBlock();
    block[0] = 0x05;  // above 3: entry 0
    block[1] = 0x80;  // above 127: channel 1
    block[8] = 0x07;  // other value: unchanged
    block[12] = 0x11;
    block[18] = 0x02;
    block[23] = 0x02;  // step 0x0271, "6.25K"
    block[24] = 0x71;
    page.rxMode.select(1);
    decodeRegion(model, Region::BandSettings, Band::B, 0, block);
    EXPECT_EQ(page.workingMode.text(), "Frequency Mode");
    EXPECT_EQ(page.channel.text(), "1");
    EXPECT_EQ(page.rxMode.index, 1);
    EXPECT_EQ(page.launchSignalling.text(), "Identity Code");
    EXPECT_EQ(page.offsetDirection.text(), "-");
    EXPECT_EQ(page.step.text(), "6.25K");
    block[0] = 0x02;  // an entry that does not exist: no selection
    decodeRegion(model, Region::BandSettings, Band::B, 0, block);
    EXPECT_EQ(page.workingMode.index, -1);
}

TEST(BandBlock, ToneSearch) {
    EXPECT_EQ(toneEntry(0x0000), 0);
    EXPECT_EQ(toneEntry(0xFFFF), 0);
    EXPECT_EQ(toneEntry(0x029E), 1);
    EXPECT_EQ(toneEntry(0xC754), 205);
    EXPECT_EQ(toneEntry(0x0640), -1);  // 160.0HZ is not in the list
    EditorModel model;
    Bytes block = defaultBandBlock();
    block[6] = 0x06;
    block[7] = 0x40;
    decodeRegion(model, Region::BandSettings, Band::A, 0, block);
    EXPECT_EQ(model.band(Band::A).rxTone.index, -1);
}

TEST(GeneralBlock, DecodesTheDefaultBlockAndItsRules) {
    EditorModel model;
    Bytes block = bytesOf(defaultBlockField(Block::General));
    decodeRegion(model, Region::General, Band::A, 0, block);
    EXPECT_EQ(model.general.volume.text(), "15");
    EXPECT_EQ(model.general.fmFrequency, "");
    EXPECT_EQ(model.general.toneBurst.text(), "1750HZ");
    EXPECT_EQ(model.general.dtmfTime.text(), "50MS");
    block[0] = 0x01;
    block[2] = 0x03;
    block[3] = 0xD4;
    block[4] = 0x05;  // accepted but beyond the list: no selection
    block[10] = 0x04;
    block[1] = 0x30;  // volume out of range: unchanged
    decodeRegion(model, Region::General, Band::A, 0, block);
    EXPECT_EQ(model.general.mainBand.text(), "B/Under Band");
    EXPECT_EQ(model.general.fmFrequency, "98.0");
    EXPECT_EQ(model.general.standbyBacklight.index, -1);
    EXPECT_EQ(model.general.busyChannelLock.index, -1);
    EXPECT_EQ(model.general.volume.text(), "15");
}

TEST(DtmfAndCodes, Decode) {
    EditorModel model;
    // groups 7 and 8 arrive on their own, at offset 0x30 of the groups
    decodeRegion(model, Region::DtmfGroups, Band::A, 0x30,
                 bytesOf("03010203FFFFFFFF00FFFFFFFFFFFFFF"));
    EXPECT_EQ(model.dtmfGroups[6], "123");
    EXPECT_EQ(model.dtmfGroups[7], "");
    Bytes codes = bytesOf(std::string("0301020CFFFFFFFF") + "00FFFFFFFFFFFFFF" + "0100FFFFFFFF" +
                          std::string(72, 'F'));
    decodeRegion(model, Region::Codes, Band::A, 0, codes);
    EXPECT_EQ(model.remoteCodes[0], "12#");
    EXPECT_EQ(model.remoteCodes[2], "D");
    EXPECT_EQ(model.remoteCodes[3], "FFFFFFFFFF");
}

TEST(RemoteStateAndLimits, Decode) {
    EditorModel model;
    const Bytes kill{0x02};
    decodeRegion(model, Region::RemoteState, Band::A, 0, kill);
    EXPECT_EQ(model.remoteState.text(), "Kill");
    const Bytes beyond{0x03};
    decodeRegion(model, Region::RemoteState, Band::A, 0, beyond);
    EXPECT_EQ(model.remoteState.text(), "Kill");
    // the limits and the limit mode follow the boot message, at offset 16
    decodeRegion(model, Region::BootAndLimits, Band::A, 16,
                 bytesOf("00CF8500010C8E00FFFFFFFFFFFFFFFF01"));
    EXPECT_EQ(model.limits[0], "136");
    EXPECT_EQ(model.limits[1], "176");
    EXPECT_EQ(model.limits[2], "");
    EXPECT_EQ(model.limitMode.text(), "ON");
    model.limitMode.select(0);
    decodeRegion(model, Region::BootAndLimits, Band::A, 16,
                 bytesOf("00CF8500010C8E00FFFFFFFFFFFFFFFF02"));
    EXPECT_EQ(model.limitMode.text(), "OFF");
    decodeRegion(model, Region::BootAndLimits, Band::A, 0,
                 bytesOf("00FFFFFFFFFFFFFF0548454C4C4FFFFF"));
    EXPECT_EQ(model.bootMessage[0], "");
    EXPECT_EQ(model.bootMessage[1], "HELLO");
}

TEST(BlockSlice, WritesOnlyItsCharactersAndKeepsWidth) {
    EditorModel model;
    const auto bandA = regionBlocks(Region::BandSettings, Band::A);
    const auto bandB = regionBlocks(Region::BandSettings, Band::B);
    ASSERT_TRUE(writeBlockSlice(model.blocks, bandB, 18, "02"));
    EXPECT_EQ(model.blocks[Block::BandBExtra], "000002000F424009C4FFFFFFFFFFFFFF");
    EXPECT_EQ(model.blocks[Block::BandBSettings], defaultBlockField(Block::BandBSettings));
    ASSERT_TRUE(writeBlockSlice(model.blocks, bandA, 2, "00CF8500"));
    EXPECT_EQ(model.blocks[Block::BandASettings], "000000CF8500FFFF00FFFFFF00000101");
    EXPECT_FALSE(writeBlockSlice(model.blocks, bandA, 15, "0000"));  // crosses fields
    model.blocks[Block::BandAExtra] = "00";
    EXPECT_FALSE(writeBlockSlice(model.blocks, bandA, 16, "01"));
    EXPECT_EQ(model.blocks[Block::BandAExtra], "00");
}

}  // namespace
}  // namespace duoband
