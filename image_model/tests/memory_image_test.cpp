// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "duoband/memory_image.h"

namespace duoband {
namespace {

TEST(TransferPlan, AddressesAndLengths) {
    const auto& plan = transferPlan();
    EXPECT_EQ(plan[0].address, 0x0400);
    EXPECT_EQ(plan[63].address, 0x0FD0);  // channels 127, 128 end at 0x0FFF
    EXPECT_EQ(plan[64].address, 0x1000);
    EXPECT_EQ(plan[127].address, 0x1BD0);
    EXPECT_EQ(plan[132].length, 0x10);
    EXPECT_EQ(plan[135].address, 0x02D0);
    EXPECT_EQ(plan[135].length, 0x21);
}

TEST(ReadStep, AcceptedLengths) {
    EXPECT_TRUE(isAcceptedReadLength(0, 96));
    EXPECT_FALSE(isAcceptedReadLength(0, 94));
    for (int step : {132, 133, 134, 135}) EXPECT_TRUE(isAcceptedReadLength(step, 96));
    EXPECT_TRUE(isAcceptedReadLength(132, 32));
    EXPECT_TRUE(isAcceptedReadLength(133, 128));
    EXPECT_TRUE(isAcceptedReadLength(134, 2));
    EXPECT_TRUE(isAcceptedReadLength(135, 66));
    EXPECT_FALSE(isAcceptedReadLength(135, 64));
}

TEST(ReadStep, ChannelStepFillsTwoRows) {
    EditorModel model;
    const std::string hello = "00DF9260FFFF0000DF9260FFFF0000C00548454C4C4FFFFF";
    loadReadStep(model, 64, hello + std::string(48, 'F'));
    EXPECT_EQ(model.channels(Band::B).cell(Column::RxFrequency, 1), "146.52000");
    EXPECT_EQ(model.channels(Band::B).cell(Column::Name, 1), "HELLO");
    EXPECT_EQ(model.channels(Band::B).cell(Column::RxFrequency, 2), "");
    EXPECT_EQ(model.channels(Band::A).cell(Column::RxFrequency, 1), "");
}

TEST(ReadStep, SettingsStepsStoreTheirFields) {
    EditorModel model;
    const std::string block = "0105" + std::string(60, 'F') + std::string(32, '0');
    loadReadStep(model, kStepBandA, block);
    EXPECT_EQ(model.blocks[Block::BandASettings], block.substr(0, 32));
    EXPECT_EQ(model.blocks[Block::BandAExtra], block.substr(32, 32));
    EXPECT_EQ(model.band(Band::A).workingMode.text(), "Channel Mode");
    EXPECT_EQ(model.band(Band::A).channel.text(), "6");
    const std::string codes = std::string(32, '1') + std::string(24, '2') + std::string(24, '3') +
                              std::string(24, '4') + std::string(24, 'F');
    loadReadStep(model, kStepCodes, codes);
    EXPECT_EQ(model.blocks[Block::RemoteKillAndMonitor], std::string(24, '4'));
}

TEST(ReadStep, ShortReplyStoresOnlyWholeFields) {
    EditorModel model;
    const HexText remoteKillAndMonitor = model.blocks[Block::RemoteKillAndMonitor];
    loadReadStep(model, kStepCodes, "03010203FFFFFFFF" + std::string(80, 'F'));
    EXPECT_EQ(model.blocks[Block::NativeAndMasterId].substr(0, 16), "03010203FFFFFFFF");
    EXPECT_EQ(model.blocks[Block::RemoteKillAndMonitor], remoteKillAndMonitor);
    EXPECT_EQ(model.remoteCodes[0], "123");
}

TEST(WriteImage, DefaultModelEncodes) {
    EditorModel model;
    const ImageEncoding enc = encodeImage(model);
    ASSERT_TRUE(enc.ok()) << enc.error;
    for (int step = 0; step < kTransferSteps; ++step) {
        EXPECT_EQ(enc.data[static_cast<std::size_t>(step)].size(),
                  2u * transferPlan()[static_cast<std::size_t>(step)].length)
            << step;
    }
    const std::string emptyRecord = std::string(32, 'F') + "00" + std::string(14, 'F');
    EXPECT_EQ(enc.data[0], emptyRecord + emptyRecord);
    EXPECT_EQ(enc.data[kStepBandA], model.blocks[Block::BandASettings] +
                                        model.blocks[Block::BandAExtra] + std::string(32, 'F'));
    EXPECT_EQ(enc.data[kStepGeneral], model.blocks[Block::General] + std::string(60, 'F'));
    EXPECT_EQ(enc.data[kStepCodes],
              model.blocks[Block::NativeAndMasterId] + model.blocks[Block::AlarmAndIdentity] +
                  model.blocks[Block::ReviveAndRemoteStun] +
                  model.blocks[Block::RemoteKillAndMonitor] + std::string(24, 'F'));
    EXPECT_EQ(enc.data[kStepRemoteState], "00");
    EXPECT_EQ(enc.data[kStepBootLimits],
              model.blocks[Block::BootMessage] + model.blocks[Block::Limits]);
}

// The bytes a read does not keep go back to the radio as 0xFF, never as read.
TEST(WriteImage, BytesNotKeptAreSentAsFF) {
    EditorModel model;
    const std::string zeros(96, '0');
    const struct {
        int step;
        std::size_t keptDigits;
    } steps[] = {{kStepBandA, 64}, {kStepBandB, 64}, {kStepGeneral, 36}};
    for (const auto& s : steps) loadReadStep(model, s.step, zeros);
    loadReadStep(model, kStepCodes, std::string(128, '0'));
    const ImageEncoding enc = encodeImage(model);
    ASSERT_TRUE(enc.ok()) << enc.error;
    for (const auto& s : steps) {
        EXPECT_EQ(enc.data[static_cast<std::size_t>(s.step)],
                  std::string(s.keptDigits, '0') + std::string(96 - s.keptDigits, 'F'))
            << s.step;
    }
    EXPECT_EQ(enc.data[kStepCodes], std::string(104, '0') + std::string(24, 'F'));
}

TEST(WriteImage, RefusesWhatItCannotEncode) {
    EditorModel model;
    model.channels(Band::B).cell(Column::RxMode, 17) = "bogus";
    EXPECT_EQ(encodeImage(model).error,
              "Band B, channel 17, column \"Receiving Mode\": the text \"bogus\" cannot be written "
              "to the radio.");
    model = EditorModel();
    model.blocks[Block::DtmfGroups3And4] = "00FF";
    EXPECT_NE(encodeImage(model).error.find("0X0250--0X025F"), std::string::npos);
    model = EditorModel();
    model.blocks[Block::Limits][3] = 'X';
    EXPECT_NE(encodeImage(model).error.find("0X02E0--0X02EF"), std::string::npos);
    model = EditorModel();
    model.remoteState.select(-1);
    EXPECT_EQ(encodeImage(model).error, "The current state has no selection.");
}

TEST(WriteImage, ReadThenWriteGivesBackTheBytes) {
    // Every record the editor can represent survives decode and encode.
    EditorModel model;
    const std::string records[] = {
        "00DF9260FFFF0000DF9260FFFF0000C00548454C4C4FFFFF",
        "02A2E0C4C0230102A2E0C487540311F007414243444546FF",
        "00E4F548029E01FFFFFFFFFFFFFFFF1000FFFFFFFFFFFFFF",
        std::string(32, 'F') + "00" + std::string(14, 'F'),
    };
    for (int step : {5, 70}) {
        for (const auto& r : records) {
            const std::string reply = r + records[0];
            loadReadStep(model, step, reply);
            EXPECT_EQ(encodeImage(model).data[static_cast<std::size_t>(step)], reply);
        }
    }
}

}  // namespace
}  // namespace duoband
