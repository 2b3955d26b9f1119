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

FileResult openComparedSide(const std::filesystem::path& path, ComparedSide& side) {
    std::string bytes;
    FileResult result = readWholeFile(path, bytes);
    if (!result.ok()) return result;  // names the file already
    if (looksLikeImage(bytes)) {
        ImageFile file;
        result = applyImageText(bytes, file);
        if (result.ok()) side = {file.image, SideKind::Image};
    } else {
        EditorModel model;  // as in a freshly started editor
        result = applySettingsText(bytes, model);
        if (result.ok()) result = configurationSide(model, side);
    }
    if (!result.ok()) result.error = path.string() + ": " + result.error;
    return result;
}

}  // namespace duoband
