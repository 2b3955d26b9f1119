// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/compared_side.h"

#include "duoband/image_file.h"
#include "duoband/settings_file.h"

namespace duoband {

FileResult configurationSide(const EditorModel& model, ComparedSide& side) {
    const ImageEncoding encoding = encodeImage(model);
    if (!encoding.ok()) return {encoding.error, {}};
    side = {imageOf(encoding), SideKind::Configuration};
    return {};
}

FileResult applyComparedSideText(const std::filesystem::path& name, std::string_view bytes,
                                 ComparedSide& side) {
    EditorModel model;  // as in a freshly started editor
    std::optional<RadioImage> image;
    FileResult result = applyConfigurationText(name, bytes, model, &image);
    if (result.ok() && image) side = {*image, SideKind::Image};
    if (result.ok() && !image) result = configurationSide(model, side);
    if (!result.ok()) result.error = name.string() + ": " + result.error;
    return result;
}

FileResult openComparedSide(const std::filesystem::path& path, ComparedSide& side) {
    std::string bytes;
    const FileResult read = readWholeFile(path, bytes);
    if (!read.ok()) return read;  // names the file already
    return applyComparedSideText(path, bytes, side);
}

}  // namespace duoband
