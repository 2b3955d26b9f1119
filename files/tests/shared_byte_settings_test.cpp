// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Two settings held in one byte, each a row of a table of their own: the
// program's table has no byte shared by two settings, so this pins what lets
// one be added as a row. The read's decoder, a page's pick, verify's naming
// and the settings file's layout all take the table they walk.
#include <gtest/gtest.h>

#include <array>

#include "duoband/block_layouts.h"
#include "duoband/settings_editing.h"
#include "duoband/verify.h"
#include "settings_layout.h"

namespace duoband {
namespace {

constexpr int kSharedOffset = 8;  // of the general block

// A row of the program's table moved into some bits of the shared byte.
Setting inSharedByte(SettingId id, std::uint32_t bits, int fileField) {
    Setting s = setting(id);
    s.slice = {Region::General, kSharedOffset, 1, bits};
    s.file = {s.file.line, fileField};
    return s;
}

// "Beep" in the top bit, "Standby Backlight" in the two bits above bit 0.
const std::array<Setting, 2> kSharedByte{inSharedByte(SettingId::Beep, 0x80, 1),
                                         inSharedByte(SettingId::StandbyBacklight, 0x06, 2)};

TEST(SharedByteSettings, EachReadsItsOwnBits) {
    struct Case {
        std::uint8_t byte;
        int beep;
        int backlight;
    };
    for (const Case c : {Case{0x00, 0, 0}, Case{0x80, 1, 0}, Case{0x06, 0, 3}, Case{0x8B, 1, 1},
                         Case{0x79, 0, 0}}) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        EditorModel model;
        decodeRegion(model, Region::General, Band::A, kSharedOffset, std::array{c.byte},
                     kSharedByte);
        EXPECT_EQ(model.general.beep.index, c.beep);
        EXPECT_EQ(model.general.standbyBacklight.index, c.backlight);
    }
}

std::string sharedByteHex(const EditorModel& model) {
    return model.blocks[Block::General].substr(2 * kSharedOffset, 2);
}

TEST(SharedByteSettings, APickRewritesOnlyItsBits) {
    EditorModel model;
    ASSERT_TRUE(writeBlockSlice(model.blocks, regionBlocks(Region::General, Band::A), kSharedOffset,
                                "5B"));  // 0101 1011
    ASSERT_TRUE(pickChoice(model, kSharedByte[0], Band::A, 1));
    EXPECT_EQ(sharedByteHex(model), "DB");
    ASSERT_TRUE(pickChoice(model, kSharedByte[1], Band::A, 2));
    EXPECT_EQ(sharedByteHex(model), "DD");
    EXPECT_EQ(model.general.standbyBacklight.index, 2);

    // An entry whose value does not fit into the bits changes nothing.
    const Setting oneBit = inSharedByte(SettingId::StandbyBacklight, 0x01, 2);
    EXPECT_FALSE(pickChoice(model, oneBit, Band::A, 2));
    EXPECT_EQ(sharedByteHex(model), "DD");
    EXPECT_EQ(model.general.standbyBacklight.index, 2);
}

TEST(SharedByteSettings, VerifyNamesTheSettingsWhoseBitsDiffer) {
    RadioImage sent;
    sent.step(kStepGeneral).bytes[kSharedOffset] = 0x84;  // ON, entry 2
    struct Case {
        std::uint8_t held;
        std::vector<std::string> differences;
    };
    const Case cases[] = {
        {0x04, {"\"Beep\" on \"Comprehensive Setting\": sent ON, the radio holds OFF"}},
        {0x82,
         {"\"Standby Backlight\" on \"Comprehensive Setting\": sent Blue, the radio holds Orange"}},
        {0x0A,
         {"\"Beep\" on \"Comprehensive Setting\": sent ON, the radio holds OFF",
          "\"Standby Backlight\" on \"Comprehensive Setting\": sent Blue, the radio holds Orange"}},
        {0x85, {"0x0208: sent 84, the radio holds 85"}},  // a bit no setting holds
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.held));
        RadioImage held = sent;
        held.step(kStepGeneral).bytes[kSharedOffset] = c.held;
        EXPECT_EQ(compareImages(sent, held, Compared::HeldBytes, kSharedByte).differences,
                  c.differences);
    }
}

TEST(SharedByteSettings, EachHasItsOwnFieldInTheSettingsFile) {
    const auto lines = settingsLinesOf(kSharedByte);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].number, setting(SettingId::Beep).file.line);
    EXPECT_EQ(lines[0].fields, (std::vector<SettingRef>{{SettingId::Beep, Band::A},
                                                        {SettingId::StandbyBacklight, Band::A}}));
}

}  // namespace
}  // namespace duoband
