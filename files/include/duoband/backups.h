// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The data folder the window and duoband-cli share, and the backups kept in
// it: every successful full read, every image a write sends (kept before
// sending, relabelled when the write does not complete) and, on request,
// what the radio held before a write, as image files named
//
//   YYYYMMDD-HHMMSS-mmmZ-<kind>-<port>.img    e.g. 20261207-140312-345Z-read-ttyUSB0.img
//
// (UTC, the port as its last path component). Names without the Z, in local
// time, come from older versions and are read too. The newest kBackupsKept
// are kept, by the time in their names, and never the one just written;
// pruning touches only files named this way. A backup that cannot be
// written is a warning: it never stops a transfer.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/image_file.h"
#include "duoband/phrase.h"

namespace duoband {

// The user's folders by the XDG rule: $XDG_DATA_HOME or $XDG_CONFIG_HOME
// when it is an absolute path (a relative one is ignored), otherwise
// ~/.local/share or ~/.config.
enum class XdgFolder { Data, Config };
std::filesystem::path xdgUserFolder(XdgFolder kind);

// The data folder: `requested` when given; $DUOBAND_DATA_DIR when it is an
// absolute path (tests and scripts keep their files apart); the program's
// own folder when it runs from the build tree (an "image" folder or the
// build's CMakeCache.txt beside it); otherwise $XDG_DATA_HOME/duoband,
// ~/.local/share/duoband.
std::filesystem::path locateDataFolder(const std::filesystem::path& requested = {});
// The folders in it.
std::filesystem::path imageFolder(const std::filesystem::path& dataFolder);
std::filesystem::path backupFolder(const std::filesystem::path& dataFolder);

inline constexpr std::size_t kBackupsKept = 200;

enum class BackupKind { Read, Written, BeforeWrite, PartlyWritten };
// "read", "written", "before-write", "partly-written"
std::string_view backupKindName(BackupKind kind);

// The kind of the backup of an image a write sent: "written" when the radio
// acknowledged all of its frames, "partly-written" when the write stopped or
// failed before that.
BackupKind sentImageKind(int framesAcknowledged);

struct Backup {
    std::filesystem::path file;
    std::chrono::system_clock::time_point time;  // when it was kept
    std::string when;  // that time in local time, as an image header writes it
    BackupKind kind = BackupKind::Read;
    std::string port;  // as in the name
};

// The file name of a backup; the port is cut to its last path component.
std::string backupName(std::chrono::system_clock::time_point when, BackupKind kind,
                       std::string_view port);
// A file name read back; nullopt when it is not a backup's name. A name in
// local time is read in the time zone that holds now.
std::optional<Backup> parseBackupName(const std::filesystem::path& file);

struct BackupResult {
    std::filesystem::path file;  // written (empty on failure)
    Phrase warning;              // why it could not be written; empty on success
    bool ok() const { return warning.empty(); }
};

// Writes `image` into `folder` (created when missing), then prunes the
// oldest beyond kBackupsKept.
BackupResult saveBackup(
    const std::filesystem::path& folder, BackupKind kind, std::string_view port,
    const ImageFile& image,
    std::chrono::system_clock::time_point when = std::chrono::system_clock::now());
// Writes `image` into the existing `folder` under a backup name no other
// file has, also when another program saves one in the same millisecond
// (the later takes the next millisecond's name); prunes nothing.
BackupResult writeBackupFile(
    const std::filesystem::path& folder, BackupKind kind, std::string_view port,
    const ImageFile& image,
    std::chrono::system_clock::time_point when = std::chrono::system_clock::now());

// Gives the backup `file` the kind `kind`, keeping its time and port; the
// result names the file it is now. A name already taken is not replaced.
BackupResult relabelBackup(const std::filesystem::path& file, BackupKind kind);

// The first `most` channel names an image holds (band A, then band B), for
// telling backups apart in a list.
std::vector<std::string> channelNames(const RadioImage& image, std::size_t most = 3);

// The backups in `folder`, newest first; other files are ignored.
std::vector<Backup> listBackups(const std::filesystem::path& folder);
// Removes the oldest backups beyond `keep`, but never `spared` (the one just
// written, whatever the time in its name); nothing else.
void pruneBackups(const std::filesystem::path& folder, std::size_t keep = kBackupsKept,
                  const std::filesystem::path& spared = {});

// Whether `file` lies in `folder` or below it, once "..", "." and symbolic
// links are resolved as far as the path exists; false for an empty folder.
// The window opens what lies in the backup folder untitled and writes
// nothing there but the backups.
bool isInsideFolder(const std::filesystem::path& folder, const std::filesystem::path& file);

}  // namespace duoband
