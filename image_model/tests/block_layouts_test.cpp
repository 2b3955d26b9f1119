#include <gtest/gtest.h>

#include "duoband/block_layouts.h"
#include "duoband/editor_model.h"

namespace duoband {
namespace {

Bytes bytesOf(std::string_view hex) {
    return fromHex(hex).value();
}

Bytes defaultBandBlock() {
    return bytesOf(defaultBlockField(1) + defaultBlockField(2));
}

TEST(BandBlock, DefaultBlockShowsTheInitialPage) {
    BandPage page = EditorModel().left;
    const BandPage before = page;
    decodeBandBlock(page, defaultBandBlock());
    EXPECT_EQ(page.c1.index, 0);
    EXPECT_EQ(page.c3, "");
    EXPECT_EQ(page.c4.text(), "0FF");
    EXPECT_EQ(page.c16.text(), "25K");
    EXPECT_EQ(page.c15, "10.00000");
    EXPECT_EQ(page.c10.text(), before.c10.text());
}

TEST(BandBlock, SelectionRules) {
    BandPage page = EditorModel().right;
    Bytes block = defaultBandBlock();
    block[0] = 0x05;  // above 3: entry 0
    block[1] = 0x80;  // above 127: channel 1
    block[8] = 0x07;  // other value: unchanged
    block[12] = 0x11;
    block[18] = 0x02;
    block[23] = 0x02;  // step 0x0271, "6.25K"
    block[24] = 0x71;
    page.c6.select(1);
    decodeBandBlock(page, block);
    EXPECT_EQ(page.c1.text(), "Frequency Mode");
    EXPECT_EQ(page.c2.text(), "1");
    EXPECT_EQ(page.c6.index, 1);
    EXPECT_EQ(page.c8.text(), "Identity Code");
    EXPECT_EQ(page.c14.text(), "-");
    EXPECT_EQ(page.c16.text(), "6.25K");
    block[0] = 0x02;  // an entry that does not exist: no selection
    decodeBandBlock(page, block);
    EXPECT_EQ(page.c1.index, -1);
}

TEST(BandBlock, ToneSearch) {
    EXPECT_EQ(toneEntry(0x0000), 0);
    EXPECT_EQ(toneEntry(0xFFFF), 0);
    EXPECT_EQ(toneEntry(0x029E), 1);
    EXPECT_EQ(toneEntry(0xC754), 205);
    EXPECT_EQ(toneEntry(0x0640), -1);  // 160.0HZ is not in the list
    BandPage page = EditorModel().left;
    Bytes block = defaultBandBlock();
    block[6] = 0x06;
    block[7] = 0x40;
    decodeBandBlock(page, block);
    EXPECT_EQ(page.c4.index, -1);
}

TEST(GeneralBlock, DecodesTheDefaultBlockAndItsRules) {
    EditorModel model;
    Bytes block = bytesOf(defaultBlockField(5));
    decodeGeneralBlock(model, block);
    EXPECT_EQ(model.gn2.text(), "15");
    EXPECT_EQ(model.gn3, "");
    EXPECT_EQ(model.gn12.text(), "1750HZ");
    EXPECT_EQ(model.gn13.text(), "50MS");
    block[0] = 0x01;
    block[2] = 0x03;
    block[3] = 0xD4;
    block[4] = 0x05;  // accepted but beyond the list: no selection
    block[10] = 0x04;
    block[1] = 0x30;  // volume out of range: unchanged
    decodeGeneralBlock(model, block);
    EXPECT_EQ(model.gn1.text(), "B/Under Band");
    EXPECT_EQ(model.gn3, "98.0");
    EXPECT_EQ(model.gn4.index, -1);
    EXPECT_EQ(model.gn10.index, -1);
    EXPECT_EQ(model.gn2.text(), "15");
}

TEST(DtmfAndCodes, Decode) {
    EditorModel model;
    decodeDtmfGroups(model, 7, bytesOf("03010203FFFFFFFF00FFFFFFFFFFFFFF"));
    EXPECT_EQ(model.sy[7], "123");
    EXPECT_EQ(model.sy[8], "");
    Bytes codes = bytesOf(std::string("0301020CFFFFFFFF") + "00FFFFFFFFFFFFFF" + "0100FFFFFFFF" +
                          std::string(72, 'F'));
    decodeCodes(model, codes);
    EXPECT_EQ(model.sypz[1], "12#");
    EXPECT_EQ(model.sypz[3], "D");
    EXPECT_EQ(model.sypz[4], "FFFFFFFFFF");
}

TEST(RemoteStateAndLimits, Decode) {
    EditorModel model;
    decodeRemoteState(model, 0x02);
    EXPECT_EQ(model.sypz9.text(), "Kill");
    decodeRemoteState(model, 0x03);
    EXPECT_EQ(model.sypz9.text(), "Kill");
    decodeLimits(model, bytesOf("00CF8500010C8E00FFFFFFFFFFFFFFFF01"));
    EXPECT_EQ(model.xp[1], "136");
    EXPECT_EQ(model.xp[2], "176");
    EXPECT_EQ(model.xp[3], "");
    EXPECT_EQ(model.xp5.text(), "ON");
    model.xp5.select(0);
    decodeLimits(model, bytesOf("00CF8500010C8E00FFFFFFFFFFFFFFFF02"));
    EXPECT_EQ(model.xp5.text(), "OFF");
    decodeBootMessage(model, bytesOf("00FFFFFFFFFFFFFF0548454C4C4FFFFF"));
    EXPECT_EQ(model.kaiji1, "");
    EXPECT_EQ(model.kaiji2, "HELLO");
}

TEST(BlockSlice, WritesOnlyItsCharactersAndKeepsWidth) {
    EditorModel model;
    ASSERT_TRUE(writeBlockSlice(model.k, bandBlockFields(Band::B), 18, "02"));
    EXPECT_EQ(model.k[4], "000002000F424009C4FFFFFFFFFFFFFF");
    EXPECT_EQ(model.k[3], defaultBlockField(3));
    ASSERT_TRUE(writeBlockSlice(model.k, bandBlockFields(Band::A), 2, "00CF8500"));
    EXPECT_EQ(model.k[1], "000000CF8500FFFF00FFFFFF00000101");
    EXPECT_FALSE(writeBlockSlice(model.k, bandBlockFields(Band::A), 15, "0000"));  // crosses fields
    model.k[2] = "00";
    EXPECT_FALSE(writeBlockSlice(model.k, bandBlockFields(Band::A), 16, "01"));
    EXPECT_EQ(model.k[2], "00");
}

}  // namespace
}  // namespace duoband
