// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry: any bytes given to the image file reader. A refused input
// leaves the file as it was; an accepted one is written back as the same
// file (the format loses nothing).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "duoband/image_file.h"

namespace {
bool same(const duoband::ImageFile& a, const duoband::ImageFile& b) {
    return a.image == b.image && a.header.readAt == b.header.readAt &&
           a.header.program == b.header.program && a.header.port == b.header.port;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const duoband::ImageFile untouched;
    duoband::ImageFile file;
    const auto read =
        duoband::applyImageText(std::string_view(reinterpret_cast<const char*>(data), size), file);
    if (!read.ok()) {
        if (!same(file, untouched)) std::abort();
        return 0;
    }
    duoband::ImageFile again;
    if (!duoband::applyImageText(duoband::imageText(file), again).ok() || !same(again, file))
        std::abort();
    return 0;
}
