// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/image_file.h"

#include <ctime>
#include <iomanip>
#include <sstream>
#include <vector>

#include "duoband/counted.h"
#include "duoband/settings_file.h"

namespace duoband {

namespace {

constexpr std::string_view kUnknownByte = "??";
constexpr std::array<std::string_view, 3> kHeaderKeys{"read", "program", "port"};

std::string* headerValue(ImageHeader& header, std::string_view key) {
    if (key == "read") return &header.readAt;
    if (key == "program") return &header.program;
    if (key == "port") return &header.port;
    return nullptr;
}

std::string stepLine(const TransferStep& planned, const StepBytes& kept) {
    std::string line = hexNumber(planned.address, 4) + " " + hexNumber(planned.length, 4) + " ";
    const auto known = static_cast<std::size_t>(kept.known);
    line += toHex(std::span(kept.bytes).first(known));
    for (std::size_t i = known; i < kept.bytes.size(); ++i) line += kUnknownByte;
    return line;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        // Every CR before the LF goes: a header value read back is the one written.
        while (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::string lineError(std::size_t index, const std::string& what) {
    return "Line " + std::to_string(index + 1) + " of the image: " + what;
}

std::string checkFormatLine(std::string_view line) {
    const std::string expected = std::string(kImageFormat) + " " + std::to_string(kImageVersion);
    if (!line.starts_with(std::string(kImageFormat) + " "))
        return "The file is not a duoband image: its first line is not \"" + expected + "\".";
    if (line != expected) {
        return "The image is of format version \"" +
               std::string(line.substr(kImageFormat.size() + 1)) + "\"; this program reads \"" +
               expected + "\" only.";
    }
    return {};
}

std::string applyHeaderLine(std::size_t index, std::string_view line, ImageHeader& header) {
    const std::string_view key = kHeaderKeys[index - 1];
    if (!line.starts_with(std::string(key) + " ") && line != key)
        return lineError(index, "\"" + std::string(key) + "\" is missing.");
    *headerValue(header, key) = std::string(line.substr(std::min(line.size(), key.size() + 1)));
    return {};
}

// The bytes of one step line; unknown bytes may only end the step.
std::string applyStepLine(std::size_t index, int step, std::string_view line, StepBytes& kept) {
    const TransferStep planned = transferPlan()[static_cast<std::size_t>(step)];
    const std::string prefix =
        hexNumber(planned.address, 4) + " " + hexNumber(planned.length, 4) + " ";
    if (!line.starts_with(prefix))
        return lineError(index, "step " + std::to_string(step) + " must begin \"" + prefix + "\".");
    std::string_view digits = line.substr(prefix.size());
    if (digits.size() != 2u * planned.length)
        return lineError(index, "step " + std::to_string(step) + " must hold " +
                                    counted(planned.length, "byte") + ".");
    std::size_t known = 0;
    while (known < planned.length && digits.substr(2 * known, 2) != kUnknownByte) ++known;
    const auto bytes = fromHex(digits.substr(0, 2 * known));
    bool unknownTail = true;
    for (std::size_t i = known; i < planned.length; ++i)
        unknownTail = unknownTail && digits.substr(2 * i, 2) == kUnknownByte;
    if (!bytes || !unknownTail)
        return lineError(index, "step " + std::to_string(step) +
                                    " holds a character that is not a hex digit, or a known "
                                    "byte after an unknown one.");
    kept.bytes = *bytes;
    kept.bytes.resize(planned.length, 0xFF);
    kept.known = static_cast<int>(known);
    return {};
}

std::string applyLines(const std::vector<std::string_view>& lines, ImageFile& file) {
    const std::size_t firstStep = 1 + kHeaderKeys.size();
    if (lines.empty()) return "The file is empty; it is not a duoband image.";
    if (auto error = checkFormatLine(lines[0]); !error.empty()) return error;
    if (lines.size() < firstStep + kTransferSteps) {
        const std::size_t steps = lines.size() > firstStep ? lines.size() - firstStep : 0;
        return "The image is cut short: it holds " + std::to_string(steps) + " of the " +
               std::to_string(kTransferSteps) + " steps.";
    }
    for (std::size_t i = 1; i < firstStep; ++i)
        if (auto error = applyHeaderLine(i, lines[i], file.header); !error.empty()) return error;
    for (int s = 0; s < kTransferSteps; ++s) {
        const std::size_t i = firstStep + static_cast<std::size_t>(s);
        if (auto error = applyStepLine(i, s, lines[i], file.image.step(s)); !error.empty())
            return error;
    }
    for (std::size_t i = firstStep + kTransferSteps; i < lines.size(); ++i)
        if (!lines[i].empty()) return lineError(i, "the image has more lines than its steps.");
    return {};
}

}  // namespace

std::string programVersion() {
    return "duoband " DUOBAND_VERSION;
}

std::string timeText(std::chrono::system_clock::time_point when, const char* format,
                     char beforeMilliseconds) {
    const std::time_t t = std::chrono::system_clock::to_time_t(when);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(when.time_since_epoch()).count() %
        1000;
    std::tm local{};
    localtime_r(&t, &local);
    std::ostringstream out;
    out << std::put_time(&local, format) << beforeMilliseconds << std::setw(3) << std::setfill('0')
        << ms;
    return out.str();
}

ImageFile stampedNow(const RadioImage& image, std::string port) {
    return {{timeText(std::chrono::system_clock::now()), programVersion(), std::move(port)}, image};
}

std::string imageText(const ImageFile& file) {
    std::string text = std::string(kImageFormat) + " " + std::to_string(kImageVersion) + "\n";
    text += "read " + file.header.readAt + "\n";
    text += "program " + file.header.program + "\n";
    text += "port " + file.header.port + "\n";
    for (int s = 0; s < kTransferSteps; ++s)
        text += stepLine(transferPlan()[static_cast<std::size_t>(s)], file.image.step(s)) + "\n";
    return text;
}

FileResult applyImageText(std::string_view text, ImageFile& file) {
    ImageFile loaded;
    FileResult result;
    result.error = applyLines(splitLines(text), loaded);
    if (result.ok()) file = std::move(loaded);
    return result;
}

bool looksLikeImage(std::string_view bytes) {
    return bytes.starts_with(std::string(kImageFormat) + " ");
}

FileResult saveImageFile(const ImageFile& file, const std::filesystem::path& path) {
    return writeFileAtomically(path, imageText(file));
}

FileResult openImageFile(const std::filesystem::path& path, ImageFile& file) {
    return applyWholeFile(path,
                          [&](std::string_view bytes) { return applyImageText(bytes, file); });
}

bool isImageFile(const std::filesystem::path& name, std::string_view bytes) {
    return looksLikeImage(bytes) || name.extension() == kImageExtension;
}

FileResult applyConfigurationText(const std::filesystem::path& name, std::string_view bytes,
                                  EditorModel& model, std::optional<RadioImage>* image) {
    if (!isImageFile(name, bytes)) return applySettingsText(bytes, model);
    ImageFile file;
    FileResult result = applyImageText(bytes, file);
    if (!result.ok()) return result;
    EditorModel opened;
    decodeImage(file.image, opened);
    model = std::move(opened);
    if (image != nullptr) *image = std::move(file.image);
    return result;
}

FileResult openConfiguration(const std::filesystem::path& path, EditorModel& model) {
    return applyWholeFile(
        path, [&](std::string_view bytes) { return applyConfigurationText(path, bytes, model); });
}

std::filesystem::path imagePathFor(const std::filesystem::path& settingsPath) {
    std::filesystem::path image = settingsPath;
    if (image.extension() == ".bc") image.replace_extension();
    image += kImageExtension;
    return image;
}

}  // namespace duoband

namespace duoband {

ConfigurationSave saveConfiguration(const EditorModel& model, const ImageFile& image,
                                    const std::filesystem::path& chosen, PendingFile* pending) {
    ConfigurationSave save;
    save.uncarried = textsSettingsFileCannotCarry(model);
    std::string text = imageText(image);
    const std::filesystem::path path =
        save.asImage() ? imagePathFor(chosen) : settingsFilePath(chosen);
    if (!save.asImage()) save.result = settingsText(model, text);
    if (save.result.ok())
        save.result =
            pending != nullptr ? pending->commit(text, path) : writeFileAtomically(path, text);
    save.result.path = path;
    return save;
}

std::size_t imageFileSize(const std::string& port) {
    return imageText(stampedNow(RadioImage(), port)).size();
}

std::size_t newSettingsFileSize() {
    std::string text;
    settingsText(EditorModel(), text);
    return text.size();
}

}  // namespace duoband
