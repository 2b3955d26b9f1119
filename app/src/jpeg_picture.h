// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// JPEG pictures through libjpeg, called directly: the login window's
// background is decoded here (not through Qt's image plugins), and the build
// encodes the default background with the same code. Qt-free.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace duoband {

// Pixels as 8-bit R, G, B triplets, row after row.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Decodes a whole JPEG file held in memory; grey pictures come out as RGB.
// On failure: nullopt, and `error` holds libjpeg's own words.
std::optional<RgbPicture> decodeJpeg(std::span<const std::uint8_t> data, std::string& error);

// Encodes `picture` as a baseline JPEG of the given quality (1..100).
std::optional<std::vector<std::uint8_t>> encodeJpeg(const RgbPicture& picture, int quality,
                                                    std::string& error);

}  // namespace duoband
