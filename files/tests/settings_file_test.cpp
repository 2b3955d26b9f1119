// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "duoband/settings_file.h"
#include "duoband/settings_table.h"
#include "settings_splitter.h"

namespace duoband {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\r' || c == '\n') {
            if (!line.empty()) lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    return lines;
}

std::string whereOf(Band band, Column column) {
    return std::string(bandName(band)) + " channel 5, column \"" +
           std::string(columnTitle(column)) + "\"";
}

std::string textOf(const EditorModel& m) {
    std::string text;
    const auto r = settingsText(m, text);
    EXPECT_TRUE(r.ok()) << r.error;
    return text;
}

// A configuration with every control and block field away from its default.
EditorModel everythingChanged() {
    EditorModel m;
    for (Band b : kBands) {
        ChannelTable& t = m.channels(b);
        t.cell(Column::RxFrequency, 1) = "146.52000";
        t.cell(Column::RxTone, 1) = "D023N";
        t.cell(Column::Name, 1) = "A B C";
        t.cell(Column::TxFrequency, 128) = "446.00625";
        t.cell(Column::Name, 128) = std::string("\xE9t\xE9");
        BandSettings& p = m.band(b);
        for (Choice* c : {&p.workingMode, &p.channel, &p.rxTone, &p.endSignalling, &p.rxMode,
                          &p.txTone, &p.launchSignalling, &p.power, &p.bandwidth, &p.compandor,
                          &p.scrambler, &p.offsetDirection, &p.step}) {
            c->select(c->index == 1 ? 0 : 1);
        }
        p.rxFrequency = "145.5";
        p.offset = "0.6";
    }
    GeneralSettings& g = m.general;
    for (Choice* c : {&g.mainBand, &g.volume, &g.standbyBacklight, &g.receiveBacklight,
                      &g.transmitBacklight, &g.backlightMode, &g.beep, &g.vibrationRingTime,
                      &g.busyChannelLock, &g.timeOverTimer, &g.toneBurst, &g.dtmfTime,
                      &g.squelchLevel, &g.repeaterMode, &m.remoteState, &m.limitMode}) {
        c->select(c->index == 1 ? 0 : 1);
    }
    g.fmFrequency = "100.5";
    for (int i = 1; i <= 8; ++i) {
        m.dtmfGroups[static_cast<std::size_t>(i - 1)] = std::to_string(i) + "*#";
        m.remoteCodes[static_cast<std::size_t>(i - 1)] = "A" + std::to_string(i);
    }
    m.bootMessage[0] = "HI THERE";
    m.bootMessage[1] = " X ";
    for (int i = 1; i <= 4; ++i)
        m.limits[static_cast<std::size_t>(i - 1)] = std::to_string(130 + i);
    for (HexText& k : m.blocks.fields) k[0] = k[0] == 'A' ? 'B' : 'A';
    return m;
}

TEST(SettingsFile, StartUpConfigurationLayout) {
    const std::string text = textOf(EditorModel());
    ASSERT_GE(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(text.find('\n'), text.size() - 1);
    const auto lines = linesOf(text);
    ASSERT_EQ(lines.size(), 262u);
    EXPECT_EQ(
        lines[0], "1," + [] {
            std::string s;
            for (int i = 0; i < 13; ++i) s += " ,";
            return s;
        }());
    EXPECT_EQ(lines[129], lines[0]);
    EXPECT_EQ(lines[128], "0,0, ,0,0,0,0,0,1,1,0,0,0,10 ,5,");
    EXPECT_EQ(lines[259], " , , , , , ,1,");
    EXPECT_EQ(lines[258], "0,15, ,1,2,3,0,1,2,0,4,2,0,3,0,");
    EXPECT_EQ(lines[261], " , , , , , , , ,0, , , , , , , , ,");
    EXPECT_EQ(lines[260].substr(0, 33), "0000FFFFFFFFFFFF00FFFFFF00000101,");
}

TEST(SettingsFile, ChangedConfigurationRoundTrips) {
    const EditorModel saved = everythingChanged();
    const std::string text = textOf(saved);
    EditorModel opened;
    const auto r = applySettingsText(text, opened);
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(opened, saved);
    EXPECT_EQ(textOf(opened), text);
}

TEST(SettingsFile, ReadsForeignLineEndsAndEmptyLines) {
    const EditorModel saved = everythingChanged();
    std::string crlf;
    for (char c : textOf(saved)) {
        if (c == '\r') {
            crlf += "\r\n\r\n";
        } else if (c != '\n') {
            crlf += c;
        }
    }
    EditorModel opened;
    ASSERT_TRUE(applySettingsText(crlf, opened).ok());
    EXPECT_EQ(opened, saved);
}

TEST(SettingsFile, IndexOutsideTheListSelectsNothing) {
    auto lines = linesOf(textOf(EditorModel()));
    lines[258] = "7,15, ,1,2,3,0,1,2,0,4,2,0,3,0,";
    std::string text;
    for (const auto& l : lines) text += l + "\r";
    EditorModel m;
    ASSERT_TRUE(applySettingsText(text, m).ok());
    EXPECT_EQ(m.general.mainBand.index, -1);
}

struct Malformed {
    const char* what;
    int line;  // 1-based line to change, 0: cut the file
    std::string replacement;
    std::string expected;  // part of the error
};

TEST(SettingsFile, MalformedFilesAreRefusedAndChangeNothing) {
    const std::vector<Malformed> cases = {
        {"short file", 0, "", "lines instead of 262"},
        {"few channel fields", 5, "5, , ,", "Line 5, field 4"},
        {"few setting fields", 259, "0,15,", "Line 259, field 3"},
        {"index not a number", 129, "0,x, ,0,0,0,0,0,1,1,0,0,0,10 ,5,", "Line 129, field 2"},
        {"block field too short", 261, "", "Line 261, field 1"},
        {"bad index names the setting", 259, "0,15, ,1,2,3,0,1,2,0,4,x,0,3,0,",
         "Line 259, field 12: the list index \"x\" of \"Single Signaling choice\" on "
         "\"Comprehensive Setting\" is not a whole number."},
        {"block field not hex", 261, "",
         "the block field \"0X0380--0X038F\" must be 32 hex digits"},
        {"quote never closed", 7, "7,\"abc, , ,", "never closed"},
    };
    const EditorModel original = everythingChanged();
    const auto good = linesOf(textOf(original));
    for (const auto& c : cases) {
        auto lines = good;
        if (c.line == 0) {
            lines.resize(200);
        } else if (std::string(c.what) == "block field not hex") {
            lines[260].replace(66, 1, "G");
        } else if (std::string(c.what) == "block field too short") {
            lines[260].replace(0, 32, "A");
        } else {
            lines[static_cast<std::size_t>(c.line - 1)] = c.replacement;
        }
        std::string text;
        for (const auto& l : lines) text += l + "\r";
        EditorModel m = original;
        const auto r = applySettingsText(text, m);
        EXPECT_FALSE(r.ok()) << c.what;
        EXPECT_NE(r.error.find(c.expected), std::string::npos) << c.what << ": " << r.error;
        EXPECT_EQ(m, original) << c.what;
    }
}

TEST(SettingsFile, SaveRefusesCharactersTheFormatCannotCarry) {
    EditorModel m;
    m.channels(Band::B).cell(Column::Name, 9) = "A,B";
    std::string text;
    auto r = settingsText(m, text);
    EXPECT_NE(r.error.find("Band B channel 9, column \"Channel Name\""), std::string::npos)
        << r.error;
    m = EditorModel();
    m.bootMessage[1] = "say \"hi\"";
    r = settingsText(m, text);
    EXPECT_NE(r.error.find("\"Boot Information 2\" on \"Limit Frequency\""), std::string::npos)
        << r.error;
    m = EditorModel();
    m.bootMessage[0] = "~ok";
    EXPECT_FALSE(settingsText(m, text).ok());
}

// Blanks at either end of every cell and text come back as they were; only a
// cell that is one blank cannot be carried, as an empty cell is written so.
TEST(SettingsFile, BlanksAtTheEndsOfEveryCellAndTextComeBack) {
    struct Slot {
        std::string where;
        std::function<std::string&(EditorModel&)> text;
        bool cell;
    };
    std::vector<Slot> slots;
    for (Band band : kBands) {
        for (const ChannelColumn& c : channelColumns()) {
            slots.push_back({whereOf(band, c.column),
                             [band, c](EditorModel& m) -> std::string& {
                                 return m.channels(band).cell(c.column, 5);
                             },
                             true});
        }
    }
    for (const Setting& s : allSettings()) {
        if (!s.isText() || s.encoding == Encoding::HexDigits) continue;
        for (Band band : kBands) {
            if (band == Band::B && !s.perBand()) continue;
            const SettingRef ref{s.id, band};
            slots.push_back({describeSetting(ref),
                             [ref](EditorModel& m) -> std::string& { return *textOf(m, ref); },
                             false});
        }
    }
    for (const Slot& slot : slots) {
        for (const std::string_view text : {" ", "  ", " 1", "1 ", " 1 "}) {
            EditorModel saved;
            slot.text(saved) = text;
            const auto problems = textsSettingsFileCannotCarry(saved);
            if (slot.cell && text == " ") {
                ASSERT_EQ(problems.size(), 1u) << slot.where;
                EXPECT_EQ(problems[0], slot.where + " is a single blank");
                continue;
            }
            ASSERT_TRUE(problems.empty()) << problems[0];
            EditorModel opened;
            ASSERT_TRUE(applySettingsText(textOf(saved), opened).ok()) << slot.where;
            EXPECT_EQ(slot.text(opened), text) << slot.where;
        }
    }
}

class SettingsFileOnDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("duoband-files-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(SettingsFileOnDisk, SaveAppendsTheExtensionOnlyWhenMissing) {
    const EditorModel m = everythingChanged();
    auto r = saveSettingsFile(m, dir_ / "abc");
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.path, dir_ / "abc.bc");
    r = saveSettingsFile(m, dir_ / "abc.bc");
    EXPECT_EQ(r.path, dir_ / "abc.bc");
    EXPECT_FALSE(fs::exists(dir_ / "abc.bc.bc"));
    EditorModel opened;
    ASSERT_TRUE(openSettingsFile(dir_ / "abc.bc", opened).ok());
    EXPECT_EQ(opened, m);
    for (const auto& entry : fs::directory_iterator(dir_))
        EXPECT_EQ(entry.path().extension(), ".bc");
}

TEST_F(SettingsFileOnDisk, FailedSaveKeepsTheOldFile) {
    const fs::path target = dir_ / "keep.bc";
    ASSERT_TRUE(saveSettingsFile(EditorModel(), target).ok());
    const auto before = fs::file_size(target);
    EditorModel bad;
    bad.channels(Band::A).cell(Column::Name, 1) = "a'b";
    EXPECT_FALSE(saveSettingsFile(bad, target).ok());
    EXPECT_EQ(fs::file_size(target), before);
    const fs::path asDirectory = dir_ / "dir.bc";
    fs::create_directories(asDirectory / "inside");
    EXPECT_FALSE(saveSettingsFile(EditorModel(), asDirectory).ok());
    EXPECT_TRUE(fs::exists(asDirectory / "inside"));
}

TEST_F(SettingsFileOnDisk, OpenReportsMissingFiles) {
    EditorModel m;
    const auto r = openSettingsFile(dir_ / "missing.bc", m);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.error.find("missing.bc"), std::string::npos);
    EXPECT_EQ(m, EditorModel());
}

TEST(Splitter, QuotesAndSkips) {
    const auto s = splitFields(",,a,'b,c',\"d\"e,");
    ASSERT_TRUE(s.ok);
    ASSERT_EQ(s.items.size(), 3u);
    EXPECT_EQ(s.items[1], "'b,c'");
    EXPECT_EQ(s.items[2], "\"d\"e");
    const auto lines = splitLines("~~x\r\r\ny\n");
    ASSERT_EQ(lines.items.size(), 2u);
    EXPECT_EQ(lines.items[0], "x");
    // '~' is skipped only where a line starts; an unclosed quote fails the split.
    EXPECT_EQ(splitLines("~a~b\n").items.at(0), "a~b");
    EXPECT_FALSE(splitFields("a,'b").ok);
}

}  // namespace
}  // namespace duoband
