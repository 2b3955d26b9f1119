// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <fstream>

#include "duoband/backups.h"
#include "duoband/channel_csv.h"
#include "duoband/settings_file.h"
#include "duoband/whole_file.h"
#include "temp_folder.h"

namespace duoband {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& file) {
    std::string bytes;
    EXPECT_TRUE(readWholeFile(file, bytes).ok()) << file;
    return bytes;
}

mode_t modeOf(const fs::path& file) {
    struct stat info {};
    EXPECT_EQ(::stat(file.c_str(), &info), 0);
    return info.st_mode & 07777;
}

// The process's umask for the life of the object.
class UmaskFor {
  public:
    explicit UmaskFor(mode_t mask) : before_(::umask(mask)) {}
    ~UmaskFor() { ::umask(before_); }
    UmaskFor(const UmaskFor&) = delete;
    UmaskFor& operator=(const UmaskFor&) = delete;

  private:
    mode_t before_;
};

// No input may hold the reader or make it read without end: what is not a
// regular file, or larger than any file it reads, is refused and says why.
TEST(ReadWholeFile, RefusesWhatIsNoFileAndWhatIsTooLarge) {
    TempFolder folder("read_refusals");
    const fs::path pipe = folder.path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const fs::path huge = folder.path() / "huge.bc";
    { std::ofstream(huge) << "x"; }
    fs::resize_file(huge, 10 * kLargestReadFile);
    const struct {
        fs::path path;
        std::string says;
    } cases[] = {
        {folder.path(), "is a folder, not a file"},
        {"/dev/zero", "is a device, not a file"},
        {pipe, "is a named pipe, not a file"},
        {huge, "holds 2621440 bytes, more than such a file can (at most 262144)"},
    };
    for (const auto& c : cases) {
        std::string bytes = "kept";
        const FileResult r = readWholeFile(c.path, bytes);
        EXPECT_NE(r.error.find(c.says), std::string::npos) << r.error;
        EXPECT_EQ(bytes, "kept");
    }
    std::string bytes;
    EXPECT_TRUE(readWholeFile(huge, bytes, 10 * kLargestReadFile).ok());
}

// Saving over a symbolic link writes the file it points to, beside itself,
// and keeps that file's mode.
TEST(WriteFileAtomically, SavesThroughALinkAndKeepsTheMode) {
    TempFolder folder("through_link");
    fs::create_directories(folder.path() / "elsewhere");
    const fs::path target = folder.path() / "elsewhere" / "radio.bc";
    { std::ofstream(target) << "old"; }
    fs::permissions(target, fs::perms(0640));
    const fs::path link = folder.path() / "radio.bc";
    fs::create_symlink(fs::path("elsewhere") / "radio.bc", link);

    ASSERT_TRUE(writeFileAtomically(link, "new").ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contentOf(target), "new");
    EXPECT_EQ(modeOf(target), 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), {}), 1);
}

// New files get 0666 less the user's umask, as every program's do: a saved
// settings file, a backup and a CSV file (both front ends write it with
// writeFileAtomically's default). The password file is 0600 whatever the
// umask, and an existing file keeps its mode under any umask.
TEST(WriteFileAtomically, NewFilesTakeTheUmaskAndThePasswordStaysPrivate) {
    const struct {
        mode_t umask;
        mode_t newFile;
    } cases[] = {{077, 0600}, {022, 0644}, {027, 0640}};
    const auto ownerOnly = fs::perms::owner_read | fs::perms::owner_write;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "umask 0" << std::oct << c.umask);
        TempFolder folder("umask");
        const fs::path kept = folder.path() / "kept.bc";
        { std::ofstream(kept) << "old"; }
        fs::permissions(kept, fs::perms(0664));
        const UmaskFor scope(c.umask);
        ASSERT_TRUE(saveSettingsFile(EditorModel{}, folder.path() / "radio.bc").ok());
        const BackupResult backup =
            saveBackup(folder.path() / "backups", BackupKind::Read, "ttyUSB0", ImageFile{});
        const ChannelCsvExport csv = exportChannelCsv(EditorModel{});
        ASSERT_TRUE(writeFileAtomically(folder.path() / "plan.csv", csv.text).ok());
        ASSERT_TRUE(writeFileAtomically(folder.path() / "1.bc", "duoband\r\n", ownerOnly).ok());
        ASSERT_TRUE(writeFileAtomically(kept, "new").ok());

        ASSERT_TRUE(backup.ok()) << backup.warning;
        EXPECT_EQ(modeOf(folder.path() / "radio.bc"), c.newFile);
        EXPECT_EQ(modeOf(backup.file), c.newFile);
        EXPECT_EQ(modeOf(folder.path() / "plan.csv"), c.newFile);
        EXPECT_EQ(modeOf(folder.path() / "1.bc"), 0600u);
        EXPECT_EQ(modeOf(kept), 0664u);
    }
}

TEST(WriteFileAtomically, RefusesAReadOnlyFileAndLeavesItAsItWas) {
    TempFolder folder("read_only");
    const fs::path file = folder.path() / "radio.bc";
    { std::ofstream(file) << "old"; }
    fs::permissions(file, fs::perms(0444));
    const FileResult r = writeFileAtomically(file, "new");
    EXPECT_NE(r.error.find("is read-only and was left as it was"), std::string::npos) << r.error;
    EXPECT_EQ(contentOf(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}

// A name that must not be shared: a file or a link that has it, also one
// made after the pending file was, stays as it was and the name is refused.
TEST(WriteNewFile, NeverReplacesWhatHasTheNameAlready) {
    TempFolder folder("new_file");
    const fs::path taken = folder.path() / "taken.img";
    const fs::path raced = folder.path() / "raced.img";
    { std::ofstream(taken) << "old"; }
    fs::create_symlink("missing.img", folder.path() / "link.img");
    EXPECT_FALSE(writeNewFile(taken, "new"));
    EXPECT_FALSE(writeNewFile(folder.path() / "link.img", "new"));
    PendingFile pending(raced, 3);
    { std::ofstream(raced) << "theirs"; }
    EXPECT_FALSE(pending.commitNew("ours"));
    const auto fresh = writeNewFile(folder.path() / "fresh.img", "new");
    ASSERT_TRUE(fresh && fresh->ok());

    EXPECT_EQ(contentOf(taken), "old");
    EXPECT_EQ(contentOf(raced), "theirs");
    EXPECT_EQ(contentOf(folder.path() / "fresh.img"), "new");
    EXPECT_FALSE(fs::exists(folder.path() / "missing.img"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 4) << "no file left over";
}

// A disk that cannot take the file is found when the pending file is made,
// before any bytes exist (here a file size limit stands in for a full disk).
TEST(PendingFile, FindsAFullDiskWhenItIsMade) {
    TempFolder folder("full_disk");
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 4096;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const PendingFile file(folder.path() / "radio.bc", 64 * 1024);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(file.ok());
    EXPECT_NE(file.status().error.find("Cannot make room for"), std::string::npos)
        << file.status().error;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 0);
}

}  // namespace
}  // namespace duoband
