// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and saving whole files safely, for every file the program keeps:
// settings files, images, CSV files, backups, reports and channel sheets.
// A save never destroys the old file when it fails; a read never blocks on a
// device or pipe and never takes more than a limit.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace duoband {

// What became of a file read or saved.
struct FileResult {
    std::string error;           // empty on success; otherwise says what and where
    std::filesystem::path path;  // the file actually written (Save)
    bool ok() const { return error.empty(); }
};

// A new file may be read and written by all, less the user's umask.
inline constexpr std::filesystem::perms kNewFilePerms =
    std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
    std::filesystem::perms::group_read | std::filesystem::perms::group_write |
    std::filesystem::perms::others_read | std::filesystem::perms::others_write;

// A file saved in two halves: first a temporary file beside the target,
// created and given `room` bytes at once (so a missing or read-only folder or
// a full disk shows before the work that makes the bytes), then filled and
// renamed over the target, so a failed save never destroys the old file.
// Through a symbolic link the file it points to is saved (beside itself); a
// target that is read-only or not a regular file is refused; an existing
// file keeps its mode, a new one gets `perms` less the umask. Owner-only
// `perms` (a password) are kept whatever the umask, and also take the
// group's and others' bits from an existing file. Uncommitted, the temporary
// file goes with the object.
class PendingFile {
  public:
    PendingFile(const std::filesystem::path& path, std::size_t room,
                std::filesystem::perms perms = kNewFilePerms);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // Why the file cannot be saved; ok() when it can.
    const FileResult& status() const { return status_; }
    bool ok() const { return status_.ok(); }
    // Writes `bytes` and puts them in place; `as`, when given, is saved
    // instead of the path the file was made for.
    FileResult commit(std::string_view bytes, const std::filesystem::path& as = {});
    // As commit, but never over a file (or link) that has the name by then:
    // nullopt when it has, and nothing is written.
    std::optional<FileResult> commitNew(std::string_view bytes);

  private:
    void discard();
    // Writes `bytes` into the temporary file and closes it; false (and
    // status() says why) when that failed.
    bool fill(std::string_view bytes);

    std::filesystem::path path_;
    std::filesystem::perms perms_;
    std::string temp_;  // beside the target
    std::filesystem::path target_;
    int fd_ = -1;
    FileResult status_;
};

// A whole file saved through a PendingFile.
FileResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                               std::filesystem::perms perms = kNewFilePerms);

// A new file saved as writeFileAtomically does, for names that must not be
// shared: nullopt when a file (or a link) of that name exists already, also
// when another process made it a moment ago; the caller takes another name.
std::optional<FileResult> writeNewFile(const std::filesystem::path& path, std::string_view bytes,
                                       std::filesystem::perms perms = kNewFilePerms);

// Writes all of `bytes` to the open descriptor, going on after a signal;
// false on an error (errno says which).
bool writeAll(int fd, std::string_view bytes);
// Everything the open file holds, read from its start whatever its offset.
std::string readAll(int fd);

// Moves `from` to `to` only when no file of that name exists, even one made
// a moment ago by another process: 0, or the errno (EEXIST when taken).
int moveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

// The largest file readWholeFile takes unless told otherwise: far more than
// a settings file or an image can hold.
inline constexpr std::uintmax_t kLargestReadFile = 256 * 1024;
// What a path that is not a regular file is: "a folder", "a named pipe",
// "a socket" or "a device".
std::string_view nonFileKind(mode_t mode);

// Reads a whole regular file of at most `largest` bytes; a folder, a device,
// a pipe or a larger file is refused with a message that says so (nothing
// blocks, nothing is read beyond the limit).
FileResult readWholeFile(const std::filesystem::path& path, std::string& bytes,
                         std::uintmax_t largest = kLargestReadFile);
// Reads the whole file and hands its bytes to `apply`; the result names the path.
FileResult applyWholeFile(const std::filesystem::path& path,
                          const std::function<FileResult(std::string_view bytes)>& apply);

}  // namespace duoband
