// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <set>
#include <thread>

#include "duoband/backups.h"
#include "duoband/channel_editing.h"
#include "duoband/image_file.h"
#include "duoband/memory_image.h"
#include "temp_folder.h"

namespace duoband {
namespace {

namespace fs = std::filesystem;
using std::chrono::system_clock;

// Every step's bytes counting up, step 133 answered short (48 of 64 bytes).
ImageFile countingImage() {
    ImageFile file{{"2026-12-07 14:03:12.345", "duoband 0.1.0", "/dev/ttyUSB0"}, {}};
    for (int s = 0; s < kTransferSteps; ++s) {
        Bytes answer(transferPlan()[static_cast<std::size_t>(s)].length);
        for (std::size_t i = 0; i < answer.size(); ++i)
            answer[i] = static_cast<std::uint8_t>(s + i);
        if (s == kStepCodes) answer.resize(48);
        storeAnswer(file.image, s, answer);
    }
    return file;
}

TEST(ImageFile, KeepsEveryByteTheHeaderAndTheUnknownBytes) {
    const ImageFile written = countingImage();
    const std::string text = imageText(written);
    EXPECT_TRUE(
        text.starts_with("duoband image 1\nread 2026-12-07 14:03:12.345\n"
                         "program duoband 0.1.0\nport /dev/ttyUSB0\n0400 0030 000102"));
    EXPECT_NE(text.find("\n0280 0040 " + toHex(written.image.step(kStepCodes).bytes).substr(0, 96) +
                        std::string(32, '?') + "\n"),
              std::string::npos);
    ImageFile read;
    ASSERT_TRUE(applyImageText(text, read).ok());
    EXPECT_EQ(read.header.readAt, written.header.readAt);
    EXPECT_EQ(read.header.port, written.header.port);
    EXPECT_TRUE(read.image == written.image);
    EXPECT_EQ(read.image.step(kStepCodes).known, 48);
    EXPECT_EQ(read.image.step(kStepCodes).bytes[63], 0xFF) << "unknown bytes are sent as 0xFF";
}

TEST(ImageFile, ADamagedImageIsRefusedWithItsReason) {
    const std::string good = imageText(countingImage());
    auto replaced = [&](std::string_view from, std::string_view to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::vector<std::pair<std::string, std::string>> table{
        {"", "The file is empty"},
        {good.substr(0, good.size() / 2), "cut short: it holds"},
        {replaced("duoband image 1", "some other file"), "not a duoband image"},
        {replaced("duoband image 1", "duoband image 2"), "format version \"2\""},
        {replaced("0400 0030 00", "0400 0030 0G"), "Line 5 of the image: step 0"},
        {replaced("0430 0030", "0440 0030"), "step 1 must begin \"0430 0030 \""},
        {replaced("\n0280 0040 ", "\n0280 0040 ??"), "step 133"},
    };
    for (const auto& [text, reason] : table) {
        ImageFile file = countingImage();
        file.header.port = "kept";
        const FileResult r = applyImageText(text, file);
        EXPECT_NE(r.error.find(reason), std::string::npos) << reason << ": " << r.error;
        EXPECT_EQ(file.header.port, "kept") << "nothing is taken from a refused image";
    }
}

// A file is judged by its name and its first bytes: a damaged .img is
// reported as not an image, not as a settings file with a stray quote; an
// image under another name is still an image.
TEST(ImageFile, AFileIsJudgedByItsExtensionAndFirstBytes) {
    const std::string image = imageText(countingImage());
    const std::string damaged = "\"" + image.substr(1);
    struct Case {
        const char* name;
        std::string text;
        std::string reason;  // empty: opened
    };
    const Case cases[] = {
        {"radio.img", damaged, "The file is not a duoband image: "},
        {"radio.bc", damaged, "the file is not a settings file"},
        {"radio.bc", image, ""},
        {"radio", image, ""},
    };
    for (const Case& c : cases) {
        EditorModel model;
        std::optional<RadioImage> opened;
        const FileResult r = applyConfigurationText(c.name, c.text, model, &opened);
        EXPECT_NE(r.error.find(c.reason), std::string::npos) << c.name << ": " << r.error;
        EXPECT_EQ(opened.has_value(), c.reason.empty()) << c.name;
    }
}

TEST(ImageFile, TakesThePlaceOfASettingsFileThatCannotCarryTheConfiguration) {
    TempFolder folder("fallback");
    const std::vector<std::pair<std::string, std::string>> names{
        {"radio.bc", "radio.img"}, {"radio", "radio.img"}, {"a.b", "a.b.img"}};
    for (const auto& [chosen, image] : names)
        EXPECT_EQ(imagePathFor(folder.path() / chosen), folder.path() / image);

    EditorModel model;
    model.channels(Band::B).cell(Column::Name, 7) = "A,B";
    model.bootMessage[1] = "SAY \"HI\"";
    const ConfigurationSave save =
        saveConfiguration(model, countingImage(), folder.path() / "radio.bc");
    ASSERT_TRUE(save.result.ok()) << save.result.error;
    EXPECT_EQ(save.result.path, folder.path() / "radio.img");
    ASSERT_EQ(save.uncarried.size(), 2u);
    EXPECT_NE(save.uncarried[0].find("Band B channel 7"), std::string::npos) << save.uncarried[0];
    EXPECT_FALSE(fs::exists(folder.path() / "radio.bc"));

    const ConfigurationSave plain =
        saveConfiguration(EditorModel(), countingImage(), folder.path() / "plain");
    EXPECT_FALSE(plain.asImage());
    EXPECT_EQ(plain.result.path, folder.path() / "plain.bc");
}

// A radio's one-blank name would read back empty from a settings file: it is
// kept as an image, which gives it back.
TEST(ImageFile, KeepsAOneBlankNameASettingsFileWouldEmpty) {
    TempFolder folder("one-blank");
    EditorModel model;
    commitChannelFrequency(model, Band::A, {Column::RxFrequency, 3}, ChannelEntry::ReceiveFrequency,
                           "146.52");
    model.channels(Band::A).cell(Column::Name, 3) = " ";
    const ImageEncoding encoding = encodeImage(model);
    ASSERT_TRUE(encoding.ok()) << encoding.error;
    const ConfigurationSave save =
        saveConfiguration(model, stampedNow(imageOf(encoding), {}), folder.path() / "radio.bc");
    ASSERT_TRUE(save.result.ok()) << save.result.error;
    EXPECT_EQ(save.uncarried, std::vector<std::string>{
                                  "Band A channel 3, column \"Channel Name\" is a single blank"});
    EditorModel opened;
    ASSERT_TRUE(openConfiguration(save.result.path, opened).ok());
    EXPECT_EQ(save.result.path, folder.path() / "radio.img");
    EXPECT_EQ(opened.channels(Band::A).cell(Column::Name, 3), " ");
}

// Sets the process's time zone for a test and puts the old one back.
class TestTimeZone {
  public:
    TestTimeZone() {
        if (const char* zone = std::getenv("TZ")) saved_ = zone;
    }
    ~TestTimeZone() {
        if (saved_) {
            ::setenv("TZ", saved_->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }
    void set(const char* zone) {
        ::setenv("TZ", zone, 1);
        ::tzset();
    }

  private:
    std::optional<std::string> saved_;
};

constexpr auto kDecember7 = system_clock::time_point(std::chrono::seconds(1796652192)) +
                            std::chrono::milliseconds(345);  // 2026-12-07 14:03:12.345 UTC

TEST(Backups, NamesSayWhenInUtcWhatAndWhereAndOlderLocalNamesAreRead) {
    TestTimeZone zone;
    zone.set("UTC-3");  // three hours ahead of UTC
    const std::string name = backupName(kDecember7, BackupKind::BeforeWrite, "/dev/ttyUSB0");
    EXPECT_EQ(name, "20261207-140312-345Z-before-write-ttyUSB0.img");
    const struct {
        const char* name;
        system_clock::time_point time;
        const char* when;  // local
    } names[]{
        {"20261207-140312-345Z-before-write-ttyUSB0.img", kDecember7, "2026-12-07 17:03:12.345"},
        {"20261207-170312-345-before-write-ttyUSB0.img", kDecember7, "2026-12-07 17:03:12.345"},
    };
    for (const auto& n : names) {
        const auto parsed = parseBackupName(n.name);
        ASSERT_TRUE(parsed) << n.name;
        EXPECT_EQ(parsed->kind, BackupKind::BeforeWrite);
        EXPECT_EQ(parsed->port, "ttyUSB0");
        EXPECT_TRUE(parsed->time == n.time) << n.name;
        EXPECT_EQ(parsed->when, n.when);
    }
    for (const char* other :
         {"radio.img", "20261207-140312-345-read-.img", "20261207-140312-345Z-copied-tty.img",
          "20261207-1403-read-tty.img", "20261207-140312-345Z-read-tty.bc",
          "2026120X-140312-345-read-tty.img", "20261207-140312-345X-read-tty.img",
          "20261207-140312-345Z.img", "20260231-140312-345Z-read-tty.img",
          "20261207-250312-345Z-read-tty.img"})
        EXPECT_FALSE(parseBackupName(other)) << other;
}

// The backups kept before a time-zone change carry the old zone's local time
// in their names and now read as hours later: the one written now is the
// oldest of all by its name, and is kept all the same.
TEST(Backups, PruningAcrossATimeZoneChangeKeepsTheBackupJustWritten) {
    TempFolder folder("zone_change");
    TestTimeZone zone;
    zone.set("UTC-10");
    const auto now = system_clock::now();
    for (int i = 1; i <= static_cast<int>(kBackupsKept); ++i) {
        const std::string older =
            timeText(now - std::chrono::seconds(i), "%Y%m%d-%H%M%S", '-') + "-read-p.img";
        ASSERT_TRUE(writeFileAtomically(folder.path() / older, "").ok());
    }
    zone.set("UTC+10");
    const BackupResult kept = saveBackup(folder.path(), BackupKind::Read, "p", {}, now);
    ASSERT_TRUE(kept.ok()) << kept.warning;
    EXPECT_TRUE(fs::exists(kept.file));
    const std::vector<Backup> backups = listBackups(folder.path());
    EXPECT_EQ(backups.size(), kBackupsKept);
    EXPECT_EQ(backups.back().file, kept.file) << "the oldest by its name";
}

TEST(Backups, TheNewestTwoHundredAreKeptAndNothingElseIsTouched) {
    TempFolder folder("prune");
    const fs::path mine = folder.path() / "my-notes.img";
    ImageFile image = countingImage();
    ASSERT_TRUE(saveImageFile(image, mine).ok());
    const auto start = system_clock::now();
    for (int i = 0; i < 201; ++i) {
        const BackupResult kept = saveBackup(folder.path(), BackupKind::Read, "/dev/pts/3", image,
                                             start + std::chrono::seconds(i));
        ASSERT_TRUE(kept.ok()) << kept.warning;
    }
    const std::vector<Backup> backups = listBackups(folder.path());
    ASSERT_EQ(backups.size(), kBackupsKept);
    EXPECT_EQ(backups.front().file.filename(),
              backupName(start + std::chrono::seconds(200), BackupKind::Read, "3"));
    EXPECT_EQ(backups.back().file.filename(),
              backupName(start + std::chrono::seconds(1), BackupKind::Read, "3"))
        << "the oldest went";
    EXPECT_TRUE(fs::exists(mine));
    ImageFile back;
    ASSERT_TRUE(openImageFile(backups.front().file, back).ok());
    EXPECT_TRUE(back.image == image.image);
}

TEST(Backups, AreToldApartByTheirFirstChannelNames) {
    EditorModel model;
    model.channels(Band::A).cell(Column::Name, 5) = "CALL";
    model.channels(Band::B).cell(Column::Name, 1) = "RPT";
    model.channels(Band::B).cell(Column::Name, 2) = "SIMPLEX";
    const RadioImage image = imageOf(encodeImage(model));
    EXPECT_EQ(channelNames(image), (std::vector<std::string>{"CALL", "RPT", "SIMPLEX"}));
    EXPECT_EQ(channelNames(image, 1), std::vector<std::string>{"CALL"});
}

// Programs that keep backups at the same moment each get a name of its own.
TEST(Backups, ManyInOneMillisecondAllStay) {
    TempFolder folder("same_ms");
    const auto when = system_clock::now();
    std::vector<BackupResult> kept(8);
    {
        std::vector<std::jthread> savers;
        for (BackupResult& k : kept)
            savers.emplace_back(
                [&] { k = saveBackup(folder.path(), BackupKind::Written, "p", {}, when); });
    }
    std::set<fs::path> files;
    for (const BackupResult& k : kept) files.insert(k.file);
    EXPECT_EQ(files.size(), kept.size());
    EXPECT_EQ(listBackups(folder.path()).size(), kept.size());
}

// The image a write sent is kept before sending; a write that does not reach
// its last frame relabels it, keeping its time and port.
TEST(Backups, AnIncompleteWriteKeepsItsImageAsPartlyWritten) {
    EXPECT_EQ(sentImageKind(kTransferSteps), BackupKind::Written);
    EXPECT_EQ(sentImageKind(kTransferSteps - 1), BackupKind::PartlyWritten);
    EXPECT_EQ(sentImageKind(0), BackupKind::PartlyWritten);
    TempFolder folder("relabel");
    const auto when = system_clock::now();
    const BackupResult sent =
        saveBackup(folder.path(), BackupKind::Written, "/dev/ttyUSB0", countingImage(), when);
    ASSERT_TRUE(sent.ok()) << sent.warning;
    const BackupResult partly = relabelBackup(sent.file, sentImageKind(40));
    ASSERT_TRUE(partly.ok()) << partly.warning;
    EXPECT_EQ(partly.file.filename(), backupName(when, BackupKind::PartlyWritten, "ttyUSB0"));
    const std::vector<Backup> backups = listBackups(folder.path());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].kind, BackupKind::PartlyWritten);
    EXPECT_EQ(backups[0].when, parseBackupName(sent.file)->when);
    EXPECT_EQ(backups[0].port, "ttyUSB0");
    // A name already taken is left alone, and so is the file to relabel.
    ASSERT_TRUE(saveBackup(folder.path(), BackupKind::Written, "ttyUSB0", {}, when).ok());
    const BackupResult taken = relabelBackup(sent.file, BackupKind::PartlyWritten);
    EXPECT_FALSE(taken.ok());
    EXPECT_TRUE(fs::exists(sent.file));
    EXPECT_EQ(listBackups(folder.path()).size(), 2u);
}

TEST(Backups, AFolderThatCannotBeWrittenIsAWarning) {
    TempFolder folder("unwritable");
    // A plain file where the folder should be: no one can write into it.
    ASSERT_TRUE(saveImageFile(countingImage(), folder.path() / "file").ok());
    const BackupResult r =
        saveBackup(folder.path() / "file" / "backups", BackupKind::Read, "p", countingImage());
    EXPECT_FALSE(r.ok());
    EXPECT_NE(english(r.warning).find("The backup was not kept"), std::string::npos) << r.warning;
}

// The backup folder is told by its place, not by how a path spells it.
TEST(Backups, AFileInsideTheFolderIsKnownHoweverItIsNamed) {
    TempFolder folder("inside");
    const fs::path backups = folder.path() / "backups";
    fs::create_directories(backups / "older");
    fs::create_symlink(backups, folder.path() / "linked");
    const struct {
        fs::path file;
        bool inside;
    } cases[] = {
        {backups / "a.img", true},
        {backups / "older" / "a.img", true},
        {folder.path() / "linked" / "a.img", true},
        {folder.path() / "x" / ".." / "backups" / "a.img", true},
        {backups / ".." / "a.img", false},
        {folder.path() / "backups2" / "a.img", false},
        {backups, false},
        {folder.path() / "backups" / "", false},
        {"a.img", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isInsideFolder(backups, c.file), c.inside) << c.file;
    EXPECT_FALSE(isInsideFolder({}, backups / "a.img"));
}

TEST(DataFolder, AFolderAskedForWinsAndHoldsImageAndBackups) {
    EXPECT_EQ(locateDataFolder("/srv/duoband"), fs::path("/srv/duoband"));
    EXPECT_EQ(backupFolder("/srv/duoband"), fs::path("/srv/duoband/backups"));
    EXPECT_EQ(imageFolder("/srv/duoband"), fs::path("/srv/duoband/image"));
    // The tests run from the build tree: the program's own folder.
    EXPECT_EQ(locateDataFolder(), fs::read_symlink("/proc/self/exe").parent_path());
}

// The window and duoband-cli read XDG_DATA_HOME and XDG_CONFIG_HOME alike:
// a relative path is no folder of the user's and is ignored.
TEST(DataFolder, XdgFoldersTakeOnlyAbsolutePaths) {
    const struct {
        XdgFolder kind;
        const char* variable;
        const char* value;  // nullptr: unset
        fs::path expected;
    } cases[] = {
        {XdgFolder::Data, "XDG_DATA_HOME", "/srv/data", "/srv/data"},
        {XdgFolder::Data, "XDG_DATA_HOME", "data", "/home/u/.local/share"},
        {XdgFolder::Data, "XDG_DATA_HOME", "", "/home/u/.local/share"},
        {XdgFolder::Data, "XDG_DATA_HOME", nullptr, "/home/u/.local/share"},
        {XdgFolder::Config, "XDG_CONFIG_HOME", "/srv/config", "/srv/config"},
        {XdgFolder::Config, "XDG_CONFIG_HOME", "./config", "/home/u/.config"},
        {XdgFolder::Config, "XDG_CONFIG_HOME", nullptr, "/home/u/.config"},
    };
    const std::string home = std::getenv("HOME") != nullptr ? std::getenv("HOME") : "";
    ::setenv("HOME", "/home/u", 1);
    for (const auto& c : cases) {
        const std::optional<std::string> kept =
            std::getenv(c.variable) ? std::optional(std::getenv(c.variable)) : std::nullopt;
        c.value != nullptr ? ::setenv(c.variable, c.value, 1) : ::unsetenv(c.variable);
        EXPECT_EQ(xdgUserFolder(c.kind), c.expected)
            << c.variable << "=" << (c.value ? c.value : "(unset)");
        kept ? ::setenv(c.variable, kept->c_str(), 1) : ::unsetenv(c.variable);
    }
    ::setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace duoband
