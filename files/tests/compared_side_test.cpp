// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "duoband/compared_side.h"
#include "duoband/image_file.h"
#include "duoband/settings_file.h"

namespace duoband {
namespace {

std::string tempPath(const std::string& name) {
    return ::testing::TempDir() + "duoband_side_" + std::to_string(::getpid()) + "_" + name;
}

// What a programmed radio sends that no configuration holds as it is: a
// channel without a tone as 0x0000, bytes past the general block that are
// not 0xFF, and a short answer to the step of the codes.
RadioImage radioAsRead() {
    EditorModel model;
    model.channels(Band::B).cell(Column::RxFrequency, 5) = "435.00000";
    model.channels(Band::B).cell(Column::TxFrequency, 5) = "435.00000";
    model.channels(Band::B).cell(Column::Name, 5) = "BASE";
    RadioImage image = imageOf(encodeImage(model));
    // Band B channel 5 opens the third step of band B; its receive tone is at 4.
    Bytes& channels5And6 = image.step(kChannelStepsPerBand + 2).bytes;
    channels5And6[4] = channels5And6[5] = 0x00;
    image.step(kStepGeneral).bytes[0x20] = 0x5A;
    const Bytes codes = image.step(kStepCodes).bytes;
    storeAnswer(image, kStepCodes, std::span(codes).first(48));
    return image;
}

TEST(ComparedSide, ASettingsFileAndTheImageOfItsRadioDifferInNoHeldByte) {
    const std::string imagePath = tempPath("radio.img"), settingsPath = tempPath("radio.bc");
    const RadioImage read = radioAsRead();
    ASSERT_TRUE(saveImageFile(stampedNow(read, {}), imagePath).ok());
    EditorModel model;
    decodeImage(read, model);
    ASSERT_TRUE(saveSettingsFile(model, settingsPath).ok());

    ComparedSide image, settings;
    ASSERT_TRUE(openComparedSide(imagePath, image).ok());
    ASSERT_TRUE(openComparedSide(settingsPath, settings).ok());
    EXPECT_EQ(image.kind, SideKind::Image);
    EXPECT_EQ(settings.kind, SideKind::Configuration);
    const auto entries = compareConfigurations(settings.image, image.image,
                                               looseBytesFor(settings.kind, image.kind));
    EXPECT_EQ(compareLines(entries),
              (std::vector<std::string>{
                  "note: Band B channel 5, 0x1064: FF -> 00, 0x1065: FF -> 00",
                  "note: 0x0220: FF -> 5A",
                  "note: 0x02B0: FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF -> ?? ?? ?? ?? "
                  "?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ?? ??",
                  "0 differences, 3 notes",
              }));
    std::filesystem::remove(imagePath);
    std::filesystem::remove(settingsPath);
}

TEST(ComparedSide, AFileThatCannotBeComparedIsNamedAndLeavesTheSideAsItWas) {
    const std::string garbage = tempPath("garbage.bc");
    std::ofstream(garbage) << "not a settings file\r\n";
    for (const std::string& path : {garbage, tempPath("missing.img")}) {
        ComparedSide side{RadioImage{}, SideKind::Image};
        side.image.step(0).bytes[0] = 0x12;
        const ComparedSide before = side;
        const FileResult opened = openComparedSide(path, side);
        EXPECT_FALSE(opened.ok());
        EXPECT_NE(opened.error.find(path), std::string::npos) << opened.error;
        EXPECT_EQ(side.image, before.image);
        EXPECT_EQ(side.kind, before.kind);
    }
    std::filesystem::remove(garbage);
}

}  // namespace
}  // namespace duoband
