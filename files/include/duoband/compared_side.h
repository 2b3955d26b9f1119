// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A side of a comparison (duoband-cli diff, the window's compare panel) as
// compareConfigurations takes it: a settings file or the window's
// configuration by what a write of it would send, an image as the radio
// sent it.
#pragma once

#include <filesystem>
#include <string_view>

#include "duoband/compare.h"
#include "duoband/editor_model.h"
#include "duoband/whole_file.h"

namespace duoband {

struct ComparedSide {
    RadioImage image;
    SideKind kind = SideKind::Configuration;
};

// The image a write of `model` sends; an error naming the cell or field a
// write would refuse.
FileResult configurationSide(const EditorModel& model, ComparedSide& side);

// The bytes of the file `name`, a settings file or an image (told apart as
// isImageFile does); on any fault `side` is left as it was and the error
// names the file and what is wrong.
FileResult applyComparedSideText(const std::filesystem::path& name, std::string_view bytes,
                                 ComparedSide& side);
// The same for the file at `path`.
FileResult openComparedSide(const std::filesystem::path& path, ComparedSide& side);

}  // namespace duoband
