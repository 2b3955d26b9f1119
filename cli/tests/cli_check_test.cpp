// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// duoband-cli check, and the same checks before write.
#include <gtest/gtest.h>

#include "duoband/radio_sim_process.h"
#include "duoband/settings_file.h"
#include "run_cli.h"
#include "sim_harness.h"

namespace duoband::cli {
namespace {

using testing_support::TempFile;

void setChannel(EditorModel& model, Band band, int ch, const std::string& rx, const std::string& tx,
                const std::string& name) {
    ChannelTable& t = model.channels(band);
    t.cell(Column::RxFrequency, ch) = rx;
    t.cell(Column::TxFrequency, ch) = tx;
    for (Column c : {Column::RxTone, Column::TxTone}) t.cell(c, ch) = "OFF";
    for (Column c : {Column::LaunchSignalling, Column::EndSignalling}) t.cell(c, ch) = "OFF";
    t.cell(Column::RxMode, ch) = "QT/DQT";
    t.cell(Column::Power, ch) = "High";
    t.cell(Column::Bandwidth, ch) = "Wide";
    t.cell(Column::Compandor, ch) = "OFF";
    t.cell(Column::Scrambler, ch) = "OFF";
    t.cell(Column::Name, ch) = name;
}

// Band B channels 10 and 11 alike but for their names; channel 12 a repeater
// with an unusual split (a note).
EditorModel twoAlike() {
    EditorModel model;
    setChannel(model, Band::B, 10, "145.50000", "145.50000", "TEN");
    setChannel(model, Band::B, 11, "145.50000", "145.50000", "ELEVEN");
    setChannel(model, Band::B, 12, "438.00000", "435.00000", "RPT");
    return model;
}

EditorModel clean() {
    EditorModel model = twoAlike();
    model.channels(Band::B).cell(Column::RxFrequency, 11) = "145.51250";
    model.channels(Band::B).cell(Column::TxFrequency, 11) = "145.51250";
    return model;
}

const std::string kNote =
    "note: Band B channel 12, Transmission Frequency: a repeater split of -3 MHz, not a usual "
    "one for its band";

TEST(CliCheck, OneLinePerFindingThenTheCountAndItsStatus) {
    TempFile alike("check_alike.bc"), fine("check_clean.bc");
    ASSERT_TRUE(saveSettingsFile(twoAlike(), alike.path()).ok());
    ASSERT_TRUE(saveSettingsFile(clean(), fine.path()).ok());

    const Ran problems = runCli({"check", alike.path()});
    EXPECT_EQ(problems.status, kProblemsFound) << problems.err;
    EXPECT_EQ(problems.out,
              "Band B channel 11: the same as channel 10\n" + kNote + "\n1 problem, 1 note\n");

    const Ran notes = runCli({"check", fine.path()});
    EXPECT_EQ(notes.status, kOk) << "a note is no problem";
    EXPECT_EQ(notes.out, kNote + "\nno problems, 1 note\n");

    const Ran unreadable = runCli({"check", "/nonexistent/x.bc"});
    EXPECT_EQ(unreadable.status, kUsageError);
    EXPECT_EQ(unreadable.out, "");
}

TEST(CliCheck, JsonNamesEachFindingsPlace) {
    TempFile alike("check_json.bc");
    ASSERT_TRUE(saveSettingsFile(twoAlike(), alike.path()).ok());
    const Ran ran = runCli({"check", alike.path(), "--json"});
    EXPECT_EQ(ran.status, kProblemsFound);
    EXPECT_EQ(ran.out,
              "[\n"
              "  {\"kind\": \"problem\", \"where\": \"Band B channel 11\", \"band\": \"B\", "
              "\"channel\": 11, \"column\": null, \"setting\": null, \"message\": \"the same as "
              "channel 10\", \"line\": \"Band B channel 11: the same as channel 10\"},\n"
              "  {\"kind\": \"note\", \"where\": \"Band B channel 12, Transmission Frequency\", "
              "\"band\": \"B\", \"channel\": 12, \"column\": \"Transmission Frequency\", "
              "\"setting\": null, \"message\": \"a repeater split of -3 MHz, not a usual one for "
              "its band\", \"line\": \"Band B channel 12, Transmission Frequency: a repeater "
              "split of -3 MHz, not a usual one for its band\"}\n"
              "]\n");
}

// --strict refuses before the radio hears a byte; without it the problems
// are warnings and the radio is written.
TEST(CliCheck, WriteWarnsAndStrictRefusesBeforeAnyExchange) {
    TempFile alike("check_write.bc"), log("check_write.log");
    ASSERT_TRUE(saveSettingsFile(twoAlike(), alike.path()).ok());
    sim::SimProcess radio;
    ASSERT_TRUE(radio.start(DUOBAND_RADIO_SIM,
                            {"--log", log.path(), "--usb-packet", "7", "--usb-latency", "1"}))
        << radio.error();

    const Ran strict =
        runCli({"write", "--port", radio.port(), "--in", alike.path(), "--no-backup", "--strict"});
    EXPECT_EQ(strict.status, kUsageError);
    EXPECT_EQ(strict.err, "warning: Band B channel 11: the same as channel 10\n" + kNote +
                              "\nduoband-cli: write: --strict: the channel plan has 1 problem "
                              "(see \"duoband-cli check\"); nothing was written\n");
    EXPECT_EQ(testing_support::fileLines(log.path()), std::vector<std::string>{})
        << "no frame reached the radio";

    const Ran warned =
        runCli({"write", "--port", radio.port(), "--in", alike.path(), "--no-backup", "--fast"});
    EXPECT_EQ(warned.status, kOk) << warned.err;
    EXPECT_TRUE(warned.err.starts_with("warning: Band B channel 11: the same as channel 10\n"))
        << warned.err;
    EXPECT_FALSE(testing_support::waitForExit(log.path()).empty());
}

}  // namespace
}  // namespace duoband::cli
