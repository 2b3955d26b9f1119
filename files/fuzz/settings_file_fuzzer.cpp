// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: any bytes given to the settings file reader. A refused
// input leaves the model exactly as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "duoband/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const duoband::EditorModel untouched;  // most inputs are refused: built once
    duoband::EditorModel model;
    const auto read = duoband::applySettingsText(
        std::string_view(reinterpret_cast<const char*>(data), size), model);
    if (!read.ok() && !(model == untouched)) std::abort();
    return 0;
}
