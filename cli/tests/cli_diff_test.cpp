// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// duoband-cli diff: two files, and a file against the simulated radio.
#include <gtest/gtest.h>

#include <filesystem>

#include "duoband/compared_side.h"
#include "duoband/image_file.h"
#include "duoband/memory_image.h"
#include "duoband/radio_sim_process.h"
#include "duoband/settings_editing.h"
#include "duoband/settings_file.h"
#include "run_cli.h"
#include "sim_harness.h"

namespace duoband::cli {
namespace {

using testing_support::TempFile;

// Band A channel 12 on 145.525 MHz, squelch level 3.
EditorModel baseConfiguration() {
    EditorModel model;
    model.channels(Band::A).cell(Column::RxFrequency, 12) = "145.52500";
    model.channels(Band::A).cell(Column::TxFrequency, 12) = "145.52500";
    EXPECT_TRUE(pickChoice(model, {SettingId::SquelchLevel, Band::A}, 3));
    return model;
}

// Two differences: channel 12's receive frequency, the squelch level.
EditorModel changedConfiguration() {
    EditorModel model = baseConfiguration();
    model.channels(Band::A).cell(Column::RxFrequency, 12) = "145.50000";
    EXPECT_TRUE(pickChoice(model, {SettingId::SquelchLevel, Band::A}, 5));
    return model;
}

const std::string kTwoDifferences =
    "Band A channel 12, Receiving Frequency: 145.52500 -> 145.50000\n"
    "\"Squelch level\" on \"Comprehensive Setting\": 3 -> 5\n"
    "2 differences\n";

void saveImage(const EditorModel& model, const std::string& path) {
    ComparedSide side;
    ASSERT_TRUE(configurationSide(model, side).ok());
    ASSERT_TRUE(saveImageFile(stampedNow(side.image, {}), path).ok());
}

TEST(CliDiff, TwoFilesOfAnyKindExitAsDiffDoes) {
    TempFile base("diff_base.bc"), changed("diff_changed.bc"), image("diff_changed.img");
    ASSERT_TRUE(saveSettingsFile(baseConfiguration(), base.path()).ok());
    ASSERT_TRUE(saveSettingsFile(changedConfiguration(), changed.path()).ok());
    saveImage(changedConfiguration(), image.path());

    struct Case {
        std::vector<std::string_view> args;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {{"diff", base.path(), base.path()}, kOk, "0 differences\n"},
        {{"diff", base.path(), changed.path()}, kDiffers, kTwoDifferences},
        {{"diff", base.path(), image.path()}, kDiffers, kTwoDifferences},
        {{"diff", changed.path(), image.path()}, kOk, "0 differences\n"},
        {{"diff", base.path(), "/nonexistent/x.bc"}, kUsageError, ""},
    };
    for (const Case& c : cases) {
        const Ran ran = runCli(c.args);
        EXPECT_EQ(ran.status, c.status) << c.args[1] << " " << ran.err;
        EXPECT_EQ(ran.out, c.out) << c.args[1];
    }
}

// An image that does not know a step a page holds is not shown equal to a
// full one; the rest of a step answered with the shorter accepted length
// leaves them equal.
TEST(CliDiff, BytesHeldButUnknownMakeTheTwoDiffer) {
    TempFile full("unknown_full.img"), partial("unknown_partial.img"), cut("unknown_cut.img");
    ComparedSide side;
    ASSERT_TRUE(configurationSide(baseConfiguration(), side).ok());
    ASSERT_TRUE(saveImageFile(stampedNow(side.image, {}), full.path()).ok());
    RadioImage partialImage = side.image, cutImage = side.image;
    storeAnswer(partialImage, 0, {});
    storeAnswer(partialImage, 1, {});
    int longStep = 0;  // a step whose held bytes go past the shorter answer
    while (heldBytes(longStep) <= static_cast<int>(kAnswerBytesAtEveryStep)) ++longStep;
    storeAnswer(cutImage, longStep,
                std::span(side.image.step(longStep).bytes).first(kAnswerBytesAtEveryStep));
    ASSERT_TRUE(saveImageFile(stampedNow(partialImage, {}), partial.path()).ok());
    ASSERT_TRUE(saveImageFile(stampedNow(cutImage, {}), cut.path()).ok());

    const Ran unknown = runCli({"diff", full.path(), partial.path()});
    EXPECT_EQ(unknown.status, kDiffers);
    const std::string said = "0 differences, 2 notes; 2 steps (" +
                             std::to_string(heldBytes(0) + heldBytes(1)) +
                             " bytes) unknown on one side, so the two are not shown equal\n";
    EXPECT_TRUE(unknown.out.ends_with(said)) << unknown.out;
    const Ran answeredShort = runCli({"diff", full.path(), cut.path()});
    EXPECT_EQ(answeredShort.status, kOk) << answeredShort.out;
    EXPECT_TRUE(answeredShort.out.ends_with("0 differences, 1 note\n")) << answeredShort.out;
}

TEST(CliDiff, JsonListsEachEntryWithItsPlaceAndBytes) {
    TempFile base("json_base.bc"), changed("json_changed.bc");
    ASSERT_TRUE(saveSettingsFile(baseConfiguration(), base.path()).ok());
    ASSERT_TRUE(saveSettingsFile(changedConfiguration(), changed.path()).ok());
    const Ran ran = runCli({"diff", base.path(), changed.path(), "--json"});
    EXPECT_EQ(ran.status, kDiffers);
    EXPECT_EQ(
        ran.out,
        "[\n"
        "  {\"kind\": \"difference\", \"where\": \"Band A channel 12, Receiving Frequency\", "
        "\"band\": \"A\", \"channel\": 12, \"column\": \"Receiving Frequency\", \"page\": "
        "\"A/Upper Band Channel\", \"setting\": null, \"address\": \"0x0508\", \"a\": "
        "\"145.52500\", \"b\": \"145.50000\", \"a_bytes\": \"00DE0DB4\", \"b_bytes\": "
        "\"00DE03F0\"},\n"
        "  {\"kind\": \"difference\", \"where\": \"\\\"Squelch level\\\" on \\\"Comprehensive "
        "Setting\\\"\", \"band\": null, \"channel\": null, \"column\": null, \"page\": "
        "\"Comprehensive Setting\", \"setting\": \"Squelch level\", \"address\": \"0x0210\", "
        "\"a\": \"3\", \"b\": \"5\", \"a_bytes\": \"03\", \"b_bytes\": \"05\"}\n"
        "]\n");
}

// A file and the radio differing in a channel's receive frequency and a page
// setting; the answers come in USB packets.
TEST(CliDiff, AgainstTheRadioUntilAWriteMakesThemTheSame) {
    TempFile radioFile("diff_radio.bc"), backups("diff_backups");
    std::filesystem::create_directories(backups.path());
    sim::SimProcess radio;
    ASSERT_TRUE(radio.start(DUOBAND_RADIO_SIM, {"--usb-packet", "7", "--usb-latency", "1"}))
        << radio.error();
    ASSERT_TRUE(saveSettingsFile(changedConfiguration(), radioFile.path()).ok());
    ASSERT_EQ(
        runCli({"write", "--port", radio.port(), "--in", radioFile.path(), "--no-backup", "--fast"})
            .status,
        kOk);

    TempFile file("diff_file.bc");
    ASSERT_TRUE(saveSettingsFile(baseConfiguration(), file.path()).ok());
    const Ran differ = runCli(
        {"diff", file.path(), "--port", radio.port(), "--backup-dir", backups.path(), "--fast"});
    EXPECT_EQ(differ.status, kDiffers) << differ.err;
    EXPECT_EQ(differ.out, kTwoDifferences);
    EXPECT_EQ(differ.err, "Read success!\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(backups.path()), {}), 1)
        << "the read is kept as a backup";

    ASSERT_EQ(
        runCli({"write", "--port", radio.port(), "--in", file.path(), "--no-backup", "--fast"})
            .status,
        kOk);
    const Ran same = runCli({"diff", file.path(), "--port", radio.port(), "--no-backup", "--fast"});
    EXPECT_EQ(same.status, kOk) << same.err;
    EXPECT_EQ(same.out, "0 differences\n");

    // A stopped read keeps the comparison from finishing.
    stopRequested().store(true);
    const Ran stopped =
        runCli({"diff", file.path(), "--port", radio.port(), "--no-backup", "--fast"});
    stopRequested().store(false);
    EXPECT_EQ(stopped.status, kUsageError);
    EXPECT_EQ(stopped.out, "");
    std::filesystem::remove_all(backups.path());
}

// A radio that answers every long step with the shorter accepted length is
// still the same as what was written to it; the answers come in USB packets.
TEST(CliDiff, ARadioAnsweringTheShorterLengthComparesEqual) {
    sim::SimProcess radio;
    ASSERT_TRUE(radio.start(DUOBAND_RADIO_SIM, {"--cut-to-48", "--usb-packet", "7"}))
        << radio.error();
    TempFile file("diff_cut.bc");
    ASSERT_TRUE(saveSettingsFile(baseConfiguration(), file.path()).ok());
    ASSERT_EQ(
        runCli({"write", "--port", radio.port(), "--in", file.path(), "--no-backup", "--fast"})
            .status,
        kOk);
    const Ran same = runCli({"diff", file.path(), "--port", radio.port(), "--no-backup", "--fast"});
    EXPECT_EQ(same.status, kOk) << same.out << same.err;
    EXPECT_TRUE(same.out.starts_with("note: ")) << same.out;
    EXPECT_EQ(same.out.find("unknown on one side"), std::string::npos) << same.out;
}

}  // namespace
}  // namespace duoband::cli
