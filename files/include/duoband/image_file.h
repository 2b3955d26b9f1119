// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The image file (.img): the radio's memory over the transfer plan as the
// radio sent it, with a short header. Text, one line each:
//
//   duoband image 1                    format name and version
//   read 2026-12-07 14:03:12.345       when it was read (local time)
//   program duoband 0.1.0              the program that wrote it
//   port /dev/ttyUSB0                  the port it was read on
//   0400 0030 0014D7A0FFFF...          136 lines, one per plan step: address,
//   ...                                length, then the step's bytes in hex;
//   02D0 0021 ...                      "??" for a byte the radio did not send
//
// Lines end with LF. Unknown bytes only ever end a step (a short accepted
// answer); a write sends them as 0xFF.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/radio_image.h"
#include "duoband/whole_file.h"

namespace duoband {

inline constexpr std::string_view kImageFormat = "duoband image";
inline constexpr int kImageVersion = 1;
inline constexpr std::string_view kImageExtension = ".img";

struct ImageHeader {
    std::string readAt;   // "2026-12-07 14:03:12.345"
    std::string program;  // "duoband 0.1.0"
    std::string port;     // the device it was read on; empty when none
};

struct ImageFile {
    ImageHeader header;
    RadioImage image;
};

// "duoband 0.1.0".
std::string programVersion();
// A local time with milliseconds, by default as the header writes it
// ("2026-12-07 14:03:12.345").
std::string timeText(std::chrono::system_clock::time_point when,
                     const char* format = "%Y-%m-%d %H:%M:%S", char beforeMilliseconds = '.');

// `image` with a header saying it was read (or made) now, by this program,
// on `port` (empty for none).
ImageFile stampedNow(const RadioImage& image, std::string port);

std::string imageText(const ImageFile& file);
// Checks the whole text; on any fault `file` is left as it was and the error
// says what is wrong and where.
FileResult applyImageText(std::string_view text, ImageFile& file);
// Whether `bytes` begin like an image file (of any version).
bool looksLikeImage(std::string_view bytes);
// Whether the file `name` holding `bytes` is to be read as an image: its
// first bytes say so, or its name ends in .img (a damaged image is then
// reported as not an image, not as a damaged settings file).
bool isImageFile(const std::filesystem::path& name, std::string_view bytes);

// Writes a temporary file beside the target and renames it over the target.
FileResult saveImageFile(const ImageFile& file, const std::filesystem::path& path);
FileResult openImageFile(const std::filesystem::path& path, ImageFile& file);

// Takes the bytes of the file `name`, a settings file or an image (told
// apart by isImageFile), onto `model`; an image is decoded onto the start-up
// configuration as a read would, and also kept in `image` when one is given.
// On any fault `model` and `image` are left as they were.
FileResult applyConfigurationText(const std::filesystem::path& name, std::string_view bytes,
                                  EditorModel& model, std::optional<RadioImage>* image = nullptr);
// The same for the file at `path`.
FileResult openConfiguration(const std::filesystem::path& path, EditorModel& model);

// The image's name for a settings file name: "radio.bc" and "radio" give
// "radio.img".
std::filesystem::path imagePathFor(const std::filesystem::path& settingsPath);

}  // namespace duoband

namespace duoband {

// Saving a configuration where a settings file was asked for: the settings
// file when it can carry everything, otherwise `image` as "X.img" in its
// place (`path` is the file actually written). With `pending` (made for
// settingsFilePath(chosen) before the configuration was read) it is saved
// through that.
struct ConfigurationSave {
    FileResult result;
    std::vector<std::string> uncarried;  // why the image was written instead
    bool asImage() const { return !uncarried.empty(); }
};
ConfigurationSave saveConfiguration(const EditorModel& model, const ImageFile& image,
                                    const std::filesystem::path& chosen,
                                    PendingFile* pending = nullptr);

// Room enough for any settings file or image, for a PendingFile made before
// the bytes exist.
inline constexpr std::size_t kLargestSavedFile = 64 * 1024;

// The room a file made before a read (a PendingFile) is given, so that a
// nearly full disk refuses only what it cannot hold: the exact size of the
// image of a read on `port`, or the size of the settings file of a new
// configuration, about the least a read makes (a fuller one takes the rest
// as it is written: some 10 KB for a programmed radio, at most some 25 KB).
std::size_t imageFileSize(const std::string& port);
std::size_t newSettingsFileSize();

}  // namespace duoband
