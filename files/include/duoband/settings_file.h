// The .bc settings file: a snapshot of the editor's controls, 262 lines of
// comma-terminated fields.
//
//   lines    content                               fields
//   1..128   band A channel rows 1..128            14 (the 13 columns, one empty)
//   129      band A "Set up" page                  15
//   130..257 band B channel rows 1..128            14
//   258      band B "Set up" page                  15
//   259      general settings                      15
//   260      boot message, limits, limit mode      7
//   261      the fifteen block fields              15
//   262      remote codes, remote state, DTMF groups  17
//
// Which setting stands in which field is listed in the settings table.
//
// Lines are separated by a single CR; the file ends with CR LF. The file is
// read and written byte for byte (one byte per character).
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/editor_model.h"

namespace duoband {

struct SettingsFileResult {
    std::string error;           // empty on success; otherwise says what and where
    std::filesystem::path path;  // the file actually written (Save)
    bool ok() const { return error.empty(); }
};

// Every cell and text the file cannot carry, each named with what it holds
// ("Band A channel 3, column \"Name\" holds ','"): a separator, quote or line
// break, a cell that is a single blank (an empty cell is written so), a '~'
// beginning a line. Empty when all fit.
std::vector<std::string> textsSettingsFileCannotCarry(const EditorModel& model);

// The whole file text; an error (nothing produced) when a cell or text is one
// the format cannot carry.
SettingsFileResult settingsText(const EditorModel& model, std::string& text);

// Checks the whole text first; on any fault the model is left exactly as it
// was and the error names the line and field.
SettingsFileResult applySettingsText(std::string_view text, EditorModel& model);

// The file a save to `chosen` writes: ".bc" appended unless the name
// already ends in it.
std::filesystem::path settingsFilePath(const std::filesystem::path& chosen);

// Save: to settingsFilePath(chosen); writes a temporary
// file beside the target and renames it over the target, so a failed save
// never destroys the old file.
SettingsFileResult saveSettingsFile(const EditorModel& model, const std::filesystem::path& chosen);

// Open: reads the file as chosen (nothing appended) and applies it.
SettingsFileResult openSettingsFile(const std::filesystem::path& path, EditorModel& model);

// Whole-file helpers shared by the other small files of the program.

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
    const SettingsFileResult& status() const { return status_; }
    bool ok() const { return status_.ok(); }
    // Writes `bytes` and puts them in place; `as`, when given, is saved
    // instead of the path the file was made for.
    SettingsFileResult commit(std::string_view bytes, const std::filesystem::path& as = {});
    // As commit, but never over a file (or link) that has the name by then:
    // nullopt when it has, and nothing is written.
    std::optional<SettingsFileResult> commitNew(std::string_view bytes);

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
    SettingsFileResult status_;
};

// A whole file saved through a PendingFile.
SettingsFileResult writeFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                                       std::filesystem::perms perms = kNewFilePerms);

// A new file saved as writeFileAtomically does, for names that must not be
// shared: nullopt when a file (or a link) of that name exists already, also
// when another process made it a moment ago; the caller takes another name.
std::optional<SettingsFileResult> writeNewFile(const std::filesystem::path& path,
                                               std::string_view bytes,
                                               std::filesystem::perms perms = kNewFilePerms);

// The largest file readWholeFile takes unless told otherwise: far more than
// a settings file or an image can hold.
inline constexpr std::uintmax_t kLargestReadFile = 256 * 1024;
// Reads a whole regular file of at most `largest` bytes; a folder, a device,
// a pipe or a larger file is refused with a message that says so (nothing
// blocks, nothing is read beyond the limit).
SettingsFileResult readWholeFile(const std::filesystem::path& path, std::string& bytes,
                                 std::uintmax_t largest = kLargestReadFile);
// Reads the whole file and hands its bytes to `apply`; the result names the path.
SettingsFileResult applyWholeFile(
    const std::filesystem::path& path,
    const std::function<SettingsFileResult(std::string_view bytes)>& apply);

}  // namespace duoband
