// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line without a radio: help, usage errors, file errors, show.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "duoband/channel_record.h"
#include "duoband/cli.h"
#include "duoband/memory_image.h"
#include "duoband/radio_sim_sample.h"
#include "duoband/settings_file.h"
#include "duoband/whole_file.h"
#include "radio_jobs.h"
#include "run_cli.h"
#include "sim_harness.h"

namespace duoband::cli {
namespace {

using testing_support::TempFile;

TEST(CliHelp, ForTheToolAndEveryCommand) {
    const Ran tool = runCli({"--help"});
    EXPECT_EQ(tool.status, kOk);
    for (const char* command : {"ports", "read", "write", "read-boot", "read-limits", "write-boot",
                                "write-limits", "show", "export-csv", "import-csv", "diff"}) {
        const auto at = tool.out.find(std::string("\n  ") + command);
        ASSERT_NE(at, std::string::npos) << command;
        const char next = tool.out[at + 3 + std::strlen(command)];
        EXPECT_TRUE(next == ' ' || next == '\n') << command;
        const Ran one = runCli({command, "--help"});
        EXPECT_EQ(one.status, kOk) << command;
        EXPECT_TRUE(one.out.starts_with(std::string("usage: duoband-cli ") + command)) << one.out;
    }
}

TEST(CliUsage, MistakesExitWithTwoAndSayWhy) {
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> table{
        {{}, "usage: duoband-cli COMMAND"},
        {{"bogus"}, "unknown command bogus"},
        {{"read"}, "missing --port"},
        {{"read", "--port"}, "--port needs a value"},
        {{"read", "--port", "/dev/null"}, "missing --out"},
        {{"write", "--port", "p", "--in", "f", "--out", "g"}, "unknown option --out"},
        {{"read-boot", "--port", "p", "--in", "f"}, "missing --out"},
        {{"show"}, "missing FILE"},
        {{"show", "a", "b"}, "unexpected argument b"},
        {{"ports", "x"}, "unexpected argument x"},
        {{"diff", "a.bc"}, "missing the second FILE (or --port)"},
        {{"diff", "a.bc", "b.bc", "--port", "p"}, "a second FILE or --port, not both"},
        {{"diff", "a.bc", "--port", "p", "--port", "q"}, "one --port only"},
        {{"diff", "a.bc", "b.bc", "c.bc"}, "unexpected argument c.bc"},
        {{"import-csv", "f.csv", "--into", "a.bc"}, "missing --out"},
        {{"import-csv", "f.csv", "--into", "a.bc", "--out", "b.bc", "--band", "C"},
         "--band is A or B"},
        {{"import-csv", "f.csv", "--into", "a.bc", "--out", "b.bc", "--first", "129"},
         "--first is a channel from 1 to 128"},
        // --name=VALUE is --name VALUE; names are never abbreviated.
        {{"import-csv", "f.csv", "--into=a.bc", "--out=b.bc", "--band=C"}, "--band is A or B"},
        {{"import-csv", "f.csv", "--into=", "--out=b.bc"}, "--into needs a value"},
        {{"diff", "a.bc", "b.bc", "--json=yes"}, "--json takes no value"},
        {{"read", "--port", "p", "--out", "o.bc", "--no"}, "unknown option --no"},
        {{"read", "--port", "p", "--out-d=x"}, "unknown option --out-d"},
        {{"show", "-x"}, "unknown option -x"},
        {{"show", "--", "a", "-x"}, "unexpected argument -x"},
        // Standard input is read once; only export-csv writes to standard output.
        {{"diff", "-", "-"}, "- (standard input) can be read only once"},
        {{"import-csv", "-", "--into", "-", "--out", "b.bc"},
         "- (standard input) can be read only once"},
        {{"read", "--port", "p", "--out", "-"}, "--out -: name a file"},
        {{"write", "--port", "p", "--in", "a.bc", "--report=-"}, "--report -: name a file"},
    };
    for (const auto& [args, message] : table) {
        const Ran r = runCli(args);
        EXPECT_EQ(r.status, kUsageError) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty());
    }
}

// -h is --help, for the tool and each command, with the same text; an
// option and its value in one argument is read as two.
TEST(CliHelp, ShortHelpAndJoinedValuesSayTheSame) {
    EXPECT_EQ(runCli({"-h"}).out, runCli({"--help"}).out);
    for (const char* command : {"read", "write", "show", "export-csv", "import-csv", "diff"}) {
        const Ran help = runCli({command, "--help"});
        const Ran shortHelp = runCli({command, "-h"});
        EXPECT_EQ(shortHelp.status, kOk) << command;
        EXPECT_EQ(shortHelp.out, help.out) << command;
    }
    EXPECT_EQ(runCli({"show", "--help"}).out,
              "usage: duoband-cli show FILE\nPrints a settings file or an image: the programmed "
              "channels of both bands, then\nevery page.\n");
    const Ran joined = runCli({"read", "--port=/nonexistent/tty", "--out=x.bc", "--no-backup"});
    const Ran apart =
        runCli({"read", "--port", "/nonexistent/tty", "--out", "x.bc", "--no-backup"});
    EXPECT_EQ(joined.status, kRadioFailed);
    EXPECT_EQ(joined.err, apart.err);
}

TEST(CliFiles, AFileThatCannotBeReadStopsBeforeThePort) {
    const Ran show = runCli({"show", "/nonexistent/x.bc"});
    EXPECT_EQ(show.status, kUsageError);
    EXPECT_NE(show.err.find("/nonexistent/x.bc"), std::string::npos);
    // The port does not exist either: the file's error must come first.
    const Ran write = runCli({"write", "--port", "/nonexistent/tty", "--in", "/nonexistent/x.bc"});
    EXPECT_EQ(write.status, kUsageError);
    EXPECT_NE(write.err.find("/nonexistent/x.bc"), std::string::npos);
    EXPECT_EQ(write.err.find("/nonexistent/tty"), std::string::npos);
}

// No file named on the command line may abort the program or hold it: a
// device, a named pipe, a folder or an oversized file is refused at once.
TEST(CliFiles, WhatIsNoSettingsFileIsRefusedAtOnce) {
    TempFile pipe("pipe.bc"), huge("huge.bc");
    ASSERT_EQ(::mkfifo(pipe.path().c_str(), 0600), 0);
    { std::ofstream(huge.path()) << "x"; }
    std::filesystem::resize_file(huge.path(), 1 << 30);
    const std::vector<std::pair<std::string, std::string>> table{
        {"/dev/zero", "is a device, not a file"},
        {pipe.path(), "is a named pipe, not a file"},
        {::testing::TempDir(), "is a folder, not a file"},
        {huge.path(), "holds 1073741824 bytes, more than such a file can"},
    };
    for (const auto& [file, message] : table) {
        const Ran r = runCli({"show", file});
        EXPECT_EQ(r.status, kUsageError) << file;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
    }
}

// Radios side by side must not share a device, nor the name that names
// their --out-dir files, traces and backups: refused with 2, both named,
// before any exchange; so is an --out-dir folder that is not there.
TEST(CliFleet, PortsThatWouldMixTheirRadiosAreRefusedBeforeAnyExchange) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::path(::testing::TempDir()) / ("duoband_clash_" + std::to_string(::getpid()));
    fs::create_directories(folder / "a");
    fs::create_directories(folder / "b");
    fs::create_symlink("/dev/null", folder / "a" / "radio");
    fs::create_symlink("/dev/zero", folder / "b" / "radio");
    fs::create_symlink("/dev/null", folder / "null-too");
    const std::string a = folder / "a" / "radio", b = folder / "b" / "radio",
                      nullToo = folder / "null-too", in = folder / "in.bc";
    ASSERT_TRUE(saveSettingsFile(EditorModel(), in).ok());
    const std::string sameName = "share the name \"radio\"";
    const std::vector<std::pair<std::vector<std::string_view>, std::string>> table{
        {{"read", "--out-dir", folder.c_str(), "--port", a, "--port", b},
         "--port " + a + " and --port " + b + " " + sameName},
        {{"write", "--in", in, "--port", a, "--port", b}, sameName},
        {{"write", "--in", in, "--port", "/dev/null", "--port", "/dev/null"},
         "--port /dev/null and --port /dev/null are the same port"},
        {{"read", "--out-dir", folder.c_str(), "--port", "/dev/null", "--port", nullToo},
         "--port /dev/null and --port " + nullToo + " are the same port"},
        {{"read", "--out-dir", "/nonexistent/out", "--port", a, "--port", "/dev/zero"},
         "read: --out-dir /nonexistent/out: No such file or directory."},
    };
    for (const auto& [args, message] : table) {
        const Ran r = runCli(args);
        EXPECT_EQ(r.status, kUsageError) << message;
        EXPECT_NE(r.err.find(message), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "") << "no exchange, no table";
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 4) << "no file written";
    fs::remove_all(folder);
}

TEST(CliPort, APortThatCannotBeOpenedFailsItsRadio) {
    TempFile out("never.bc");
    const Ran r =
        runCli({"read", "--port", "/nonexistent/tty", "--out", out.path(), "--no-backup"});
    EXPECT_EQ(r.status, kRadioFailed);
    EXPECT_NE(r.err.find("cannot open /nonexistent/tty"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());
    EXPECT_FALSE(std::filesystem::exists(out.path()));
    EXPECT_FALSE(std::filesystem::exists(out.path() + ".bc"));
}

// The sample radio as a read leaves it in a fresh editor.
EditorModel sampleAsRead() {
    const sim::Memory memory = sim::sampleMemory();
    EditorModel model;
    for (int s = 0; s < kTransferSteps; ++s) {
        const auto& step = transferPlan()[static_cast<std::size_t>(s)];
        loadReadStep(
            model, s,
            toHex(std::span<const std::uint8_t>(memory.data() + step.address, step.length)));
    }
    return model;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

TEST(CliShow, ChannelsInAlignedColumnsThenThePages) {
    EditorModel model = sampleAsRead();
    model.channels(Band::B).cell(Column::Name, 3) = "\xC4XE";  // a Latin-1 byte in a name
    TempFile file("show.bc");
    ASSERT_TRUE(saveSettingsFile(model, file.path()).ok());
    const Ran r = runCli({"show", file.path()});
    ASSERT_EQ(r.status, kOk) << r.err;
    const auto lines = linesOf(r.out);

    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "A/Upper Band channels");
    const std::string& titles = lines[1];
    EXPECT_TRUE(titles.starts_with("Channel  Receiving Frequency  Receiving CTCSS")) << titles;
    const std::string& first = lines[2];
    EXPECT_TRUE(first.starts_with("1        145.50000")) << first;
    // Every column starts under its title.
    EXPECT_EQ(first.find("OFF"), titles.find("Receiving CTCSS"));
    EXPECT_EQ(first.find("High"), titles.find("Power"));
    EXPECT_EQ(first.find("CALL"), titles.find("Channel Name"));
    EXPECT_EQ(lines[13].substr(0, 2), "12");
    EXPECT_EQ(lines[14], "") << "only the twelve programmed rows";

    EXPECT_NE(r.out.find("\nB/Under Band channels\n"), std::string::npos);
    EXPECT_NE(r.out.find("\xC3\x84XE"), std::string::npos) << "shown as UTF-8";
    for (const char* expected :
         {"  Working Mode :                   Channel Mode\n",
          "  Receiving Frequency:             146.52000\n",
          "  Optional Main Band       B/Under Band\n", "  DTMF3:                  *0#\n",
          "  Current State           Normal\n", "  Boot Information 1:         DUOBAND\n",
          "  Limit Frequency Band Mode:  ON\n"})
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected;
}

HexText recordOf(const ChannelTable& table, int row) {
    ChannelRow cells;
    std::copy(table.cells.at(row).begin() + 1, table.cells.at(row).end(), cells.texts.begin());
    return encodeChannelRecord(cells).hex;
}

// The sample radio exported and imported into the start-up configuration
// gives back its channels; a file that is not CSV is refused with 2, a row
// that cannot go in gives 1 with the result still written.
TEST(CliCsv, ChannelsGoOutAndComeBackWithTheirExitStatuses) {
    const EditorModel sample = sampleAsRead();
    TempFile sampleFile("sample.bc"), startFile("start.bc"), csv("sample.csv"), back("back.bc");
    ASSERT_TRUE(saveSettingsFile(sample, sampleFile.path()).ok());
    ASSERT_TRUE(saveSettingsFile(EditorModel(), startFile.path()).ok());
    const Ran out = runCli({"export-csv", sampleFile.path(), "--out", csv.path()});
    ASSERT_EQ(out.status, kOk) << out.err;
    const Ran in =
        runCli({"import-csv", csv.path(), "--into", startFile.path(), "--out", back.path()});
    ASSERT_EQ(in.status, kOk) << in.err;
    EXPECT_EQ(in.out, "24 channels imported, 0 rows skipped, 0 values changed\n");
    EXPECT_EQ(in.err, "") << "duoband's own file imports silently";
    EditorModel imported;
    ASSERT_TRUE(openSettingsFile(back.path(), imported).ok());
    for (Band band : kBands)
        for (int row = 1; row <= ChannelTable::kChannels; ++row)
            EXPECT_EQ(recordOf(imported.channels(band), row), recordOf(sample.channels(band), row));

    std::filesystem::remove(back.path());
    std::ofstream(csv.path(), std::ios::binary) << "Name,Location\r\nx,1\r\n";
    const Ran notCsv =
        runCli({"import-csv", csv.path(), "--into", startFile.path(), "--out", back.path()});
    EXPECT_EQ(notCsv.status, kUsageError);
    EXPECT_NE(notCsv.err.find("no Frequency column"), std::string::npos) << notCsv.err;
    EXPECT_FALSE(std::filesystem::exists(back.path()));

    std::ofstream(csv.path(), std::ios::binary) << "Frequency,Name\r\n146.52,OK\r\n520,High\r\n";
    const Ran skipped = runCli({"import-csv", csv.path(), "--into", startFile.path(), "--out",
                                back.path(), "--band", "B", "--first", "7"});
    EXPECT_EQ(skipped.status, kChannelsChanged);
    EXPECT_EQ(skipped.out, "1 channel imported, 1 row skipped, 0 values changed\n");
    EXPECT_NE(skipped.err.find("line 3 (Band B channel 8): skipped - 520.000000 MHz is outside "
                               "the radio's bands"),
              std::string::npos)
        << skipped.err;
    ASSERT_TRUE(openSettingsFile(back.path(), imported).ok());
    EXPECT_EQ(imported.channels(Band::B).cell(Column::Name, 7), "OK");

    // A value from the file is echoed on one line, escaped and cut short.
    std::ofstream(csv.path(), std::ios::binary)
        << "Frequency,Name\r\n146.52,\"" << std::string(200000, '\n') << "X\"\r\n";
    const Ran echoed =
        runCli({"import-csv", csv.path(), "--into", startFile.path(), "--out", back.path()});
    EXPECT_EQ(echoed.status, kChannelsChanged);
    EXPECT_EQ(std::ranges::count(echoed.err, '\n'), 2) << echoed.err.substr(0, 500);
    std::string sixtyLineEnds;
    for (int i = 0; i < 60; ++i) sixtyLineEnds += "\\n";
    EXPECT_NE(echoed.err.find("Name \"" + sixtyLineEnds + "…\""), std::string::npos)
        << echoed.err.substr(0, 500);

    std::filesystem::remove(back.path());
    std::ofstream(csv.path(), std::ios::binary) << "Frequency,Name\r\n";
    const Ran headerOnly =
        runCli({"import-csv", csv.path(), "--into", startFile.path(), "--out", back.path()});
    EXPECT_EQ(headerOnly.status, kChannelsChanged);
    EXPECT_EQ(headerOnly.err,
              "duoband-cli: " + csv.path() + ": no channels in the file; nothing imported\n");
    EXPECT_FALSE(std::filesystem::exists(back.path()));
}

// "-" reads standard input where a command reads a file, and export-csv
// --out - writes standard output, each as with a named file; "--" lets a
// FILE begin with "-".
TEST(CliFiles, AFileOfADashIsAStandardStream) {
    TempFile plan("plan.bc"), csv("plan.csv"), base("base.bc"), imported("imported.bc");
    ASSERT_TRUE(saveSettingsFile(sampleAsRead(), plan.path()).ok());
    ASSERT_TRUE(saveSettingsFile(EditorModel(), base.path()).ok());
    std::string planText;
    ASSERT_TRUE(readWholeFile(plan.path(), planText).ok());

    const Ran shown = runCli({"show", plan.path()});
    const Ran shownFromInput = runCli({"show", "-"}, planText);
    EXPECT_EQ(shownFromInput.status, kOk) << shownFromInput.err;
    EXPECT_EQ(shownFromInput.out, shown.out);
    EXPECT_EQ(runCli({"show", "--", plan.path()}).out, shown.out);

    const Ran diffed = runCli({"diff", "-", plan.path()}, planText);
    EXPECT_EQ(diffed.status, kOk) << diffed.err;
    EXPECT_EQ(runCli({"diff", plan.path(), "-"}, "not a settings file").status, kUsageError);

    const Ran exported = runCli({"export-csv", plan.path(), "--out=-"});
    EXPECT_EQ(exported.status, kOk) << exported.err;
    EXPECT_EQ(exported.out, runCli({"export-csv", plan.path()}).out);
    EXPECT_FALSE(std::filesystem::exists("-"));
    const Ran in =
        runCli({"import-csv", "-", "--into", base.path(), "--out", imported.path()}, exported.out);
    EXPECT_EQ(in.status, kOk) << in.err;
    EXPECT_EQ(in.out, "24 channels imported, 0 rows skipped, 0 values changed\n");
}

TEST(CliShow, AnEmptyConfiguration) {
    const std::string summary = settingsSummary(EditorModel());
    EXPECT_TRUE(summary.starts_with("A/Upper Band channels\n  (no programmed channels)\n"));
    EXPECT_NE(summary.find("  Frequency Step:                  25K\n"), std::string::npos);
}

// A hand-edited file: controls that disagree with their block fields, and
// cells outside their lists.
TEST(CliShow, ShowsWhatAWriteSendsAndMarksWhatDisagrees) {
    EditorModel model;
    model.bandSettings[1].step.select(model.bandSettings[1].step.index + 1);
    model.dtmfGroups[2] = "123";
    model.channels(Band::A).cell(Column::RxFrequency, 3) = "145.50000";
    model.channels(Band::B).cell(Column::TxTone, 9) = "67HZ";
    std::string summary = settingsSummary(model);
    for (const std::string expected :
         {"  Frequency Step:                  25K   [differs: the page shows \"50K\"]\n",
          "  DTMF3:                     [differs: the page shows \"123\"]\n",
          "  Band B channel 9, Transmission CTCSS: \"67HZ\" is not one of the list's entries\n"})
        EXPECT_NE(summary.find(expected), std::string::npos) << summary;
    EXPECT_EQ(summary.find("A write would be refused"), std::string::npos);
    EXPECT_EQ(summary.find("Band A channel 3, Receiving"), std::string::npos);

    model.channels(Band::A).cell(Column::Power, 3) = "high";
    summary = settingsSummary(model);
    EXPECT_NE(
        summary.find("  Band A channel 3, Power: \"high\" is not one of the list's entries\n"),
        std::string::npos);
    EXPECT_NE(summary.find("A write would be refused: Band A, channel 3, column \"Power\""),
              std::string::npos);
}

}  // namespace
}  // namespace duoband::cli
