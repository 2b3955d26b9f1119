#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "duoband/settings_file.h"
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
        ChannelTable& t = m.table(b);
        t.cell(1, 1) = "146.52000";
        t.cell(2, 1) = "D023N";
        t.cell(12, 1) = "A B C";
        t.cell(4, 128) = "446.00625";
        t.cell(12, 128) = std::string("\xE9t\xE9");
        BandPage& p = m.band(b);
        for (Choice* c : {&p.c1, &p.c2, &p.c4, &p.c5, &p.c6, &p.c7, &p.c8, &p.c10, &p.c11, &p.c12,
                          &p.c13, &p.c14, &p.c16}) {
            c->select(c->index == 1 ? 0 : 1);
        }
        p.c3 = "145.5";
        p.c15 = "0.6";
    }
    for (Choice* c : {&m.gn1, &m.gn2, &m.gn4, &m.gn5, &m.gn6, &m.gn7, &m.gn8, &m.gn9, &m.gn10,
                      &m.gn11, &m.gn12, &m.gn13, &m.gn14, &m.gn15, &m.sypz9, &m.xp5}) {
        c->select(c->index == 1 ? 0 : 1);
    }
    m.gn3 = "100.5";
    for (int i = 1; i <= 8; ++i) {
        m.sy[static_cast<std::size_t>(i)] = std::to_string(i) + "*#";
        m.sypz[static_cast<std::size_t>(i)] = "A" + std::to_string(i);
    }
    m.kaiji1 = "HI THERE";
    m.kaiji2 = " X ";
    for (int i = 1; i <= 4; ++i) m.xp[static_cast<std::size_t>(i)] = std::to_string(130 + i);
    for (int n = 1; n <= 15; ++n) {
        std::string& k = m.k[n];
        k[0] = k[0] == 'A' ? 'B' : 'A';
    }
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
    EXPECT_EQ(m.gn1.index, -1);
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
        {"block field not hex", 261, "", "k3"},
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
    m.StringGrid2.cell(12, 9) = "A,B";
    std::string text;
    auto r = settingsText(m, text);
    EXPECT_NE(r.error.find("Band B channel 9, column \"Channel Name\""), std::string::npos)
        << r.error;
    m = EditorModel();
    m.kaiji2 = "say \"hi\"";
    r = settingsText(m, text);
    EXPECT_NE(r.error.find("kaiji2"), std::string::npos);
    m = EditorModel();
    m.kaiji1 = "~ok";
    EXPECT_FALSE(settingsText(m, text).ok());
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
    bad.StringGrid1.cell(12, 1) = "a'b";
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
    const auto s = splitItems(",,a,'b,c',\"d\"e,", ',', '\0');
    ASSERT_TRUE(s.ok);
    ASSERT_EQ(s.items.size(), 3u);
    EXPECT_EQ(s.items[1], "'b,c'");
    EXPECT_EQ(s.items[2], "\"d\"e");
    const auto lines = splitItems("~~x\r\r\ny\n", '\0', '~');
    ASSERT_EQ(lines.items.size(), 2u);
    EXPECT_EQ(lines.items[0], "x");
}

// The fuzzer's seed corpus, replayed: no input may crash the reader, and a
// refused input leaves the model untouched.
TEST(SettingsFile, SeedCorpusReplays) {
    int seen = 0;
    for (const auto& entry : fs::directory_iterator(DUOBAND_FUZZ_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        EditorModel m;
        if (!applySettingsText(bytes, m).ok()) {
            EXPECT_EQ(m, EditorModel()) << entry.path();
        }
        ++seen;
    }
    EXPECT_GT(seen, 3);
}

}  // namespace
}  // namespace duoband
