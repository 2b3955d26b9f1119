// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "duoband/radio_image.h"
#include "duoband/verify.h"

namespace duoband {
namespace {

RadioImage imageOfModel(const EditorModel& model) {
    const ImageEncoding encoding = encodeImage(model);
    EXPECT_TRUE(encoding.ok()) << encoding.error;
    return imageOf(encoding);
}

EditorModel withChannel12(const char* rxFrequency) {
    EditorModel model;
    ChannelTable& table = model.channels(Band::A);
    table.cell(Column::RxFrequency, 12) = rxFrequency;
    table.cell(Column::TxFrequency, 12) = "145.52500";
    return model;
}

TEST(Verify, NamesADifferenceInTheEditorsTerms) {
    const RadioImage sent = imageOfModel(withChannel12("145.52500"));
    RadioImage held = imageOfModel(withChannel12("145.50000"));
    held.step(kStepGeneral).bytes[1] = 14;  // the volume
    const VerifyReport r = compareImages(sent, held, Compared::HeldBytes);
    ASSERT_EQ(r.differences.size(), 2u);
    EXPECT_EQ(r.differences[0],
              "Band A channel 12, Receiving Frequency: sent 145.52500, the radio holds 145.50000");
    EXPECT_NE(r.differences[1].find("\"Volume"), std::string::npos) << r.differences[1];
    EXPECT_NE(r.differences[1].find(": sent 15, the radio holds 14"), std::string::npos)
        << r.differences[1];
    EXPECT_EQ(verifyLines(r).front(), "Verify failed: " + r.differences[0]);
    EXPECT_EQ(verifyLines(compareImages(sent, sent, Compared::HeldBytes)),
              std::vector<std::string>{"Verify success!"});
}

TEST(Verify, FillBytesAreNotesUnlessEveryByteCounts) {
    const RadioImage sent = imageOfModel(EditorModel());
    RadioImage held = sent;
    held.step(kStepGeneral).bytes[0x15] = 0x00;
    const VerifyReport kept = compareImages(sent, held, Compared::HeldBytes);
    EXPECT_TRUE(kept.ok());
    EXPECT_EQ(kept.notes, std::vector<std::string>{"0x0215: sent FF, the radio holds 00"});
    const VerifyReport every = compareImages(sent, held, Compared::EveryByte);
    EXPECT_EQ(every.differences, std::vector<std::string>{"0x0215: sent FF, the radio holds 00"});
}

TEST(Verify, BytesTheImageDoesNotKnowAreUnchecked) {
    RadioImage sent = imageOfModel(EditorModel());
    storeAnswer(sent, kStepCodes, Bytes(48, 0x00));
    RadioImage held = sent;
    storeAnswer(held, kStepCodes, Bytes(64, 0x00));
    held.step(kStepCodes).bytes[60] = 0x12;
    const VerifyReport r = compareImages(sent, held, Compared::EveryByte);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.notes,
              std::vector<std::string>{"16 bytes unchecked: the image does not know them"});
    RadioImage oneShort = sent;
    storeAnswer(oneShort, kStepCodes, Bytes(63, 0x00));
    storeAnswer(sent, kStepCodes, Bytes(64, 0x00));
    EXPECT_EQ(compareImages(sent, oneShort, Compared::EveryByte).notes,
              std::vector<std::string>{"1 byte unchecked: the image does not know them"});
}

TEST(Verify, ATextByteOutsidePrintableAsciiIsShownInHex) {
    EditorModel model;
    model.channels(Band::A).cell(Column::Name, 12) = "NEW";
    const RadioImage sent = imageOfModel(model);
    RadioImage held = sent;
    const int lastLetter = kBandAChannelBase + 11 * kRecordBytes + 16 + 3;  // after the count
    for (int s = 0; s < kTransferSteps; ++s) {
        const TransferStep t = transferPlan()[static_cast<std::size_t>(s)];
        if (lastLetter >= t.address && lastLetter < t.address + t.length)
            held.step(s).bytes[static_cast<std::size_t>(lastLetter - t.address)] = 0xFF;
    }
    EXPECT_EQ(compareImages(sent, held, Compared::HeldBytes).differences,
              std::vector<std::string>{
                  "Band A channel 12, Channel Name: sent NEW, the radio holds NE\\xFF"});
}

TEST(Verify, ShowsTheFirstTenDifferencesAndTheirCount) {
    EditorModel sentModel, heldModel;
    for (int channel = 1; channel <= 12; ++channel) {
        sentModel.channels(Band::B).cell(Column::Name, channel) = "NEW";
        heldModel.channels(Band::B).cell(Column::Name, channel) = "OLD";
    }
    const VerifyReport r =
        compareImages(imageOfModel(sentModel), imageOfModel(heldModel), Compared::HeldBytes);
    const auto lines = verifyLines(r);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[9],
              "Verify failed: Band B channel 10, Channel Name: sent NEW, the radio holds OLD");
    EXPECT_EQ(lines[10], "12 differences in all");
}

TEST(Verify, ABlockAloneIsComparedWithinItself) {
    const Bytes sent{0x00, 0xCF, 0x85, 0x00, 0x01, 0x0C, 0x8E, 0x00, 0xFF,
                     0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01};
    Bytes held = sent;
    EXPECT_TRUE(compareBlock(kLimitsTransfer, sent, held).ok());
    held[16] = 0x00;
    const VerifyReport r = compareBlock(kLimitsTransfer, sent, held);
    ASSERT_EQ(r.differences.size(), 1u);
    EXPECT_NE(r.differences[0].find("sent ON, the radio holds OFF"), std::string::npos)
        << r.differences[0];
}

}  // namespace
}  // namespace duoband
