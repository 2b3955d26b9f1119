// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the default login background of duoband: a dusk-blue gradient with
// the rings of a radio wave spreading from the lower left. Run by the build.
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>

#include "jpeg_picture.h"

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 300;

std::uint8_t clampByte(double v) {
    return static_cast<std::uint8_t>(std::fmin(255.0, std::fmax(0.0, v)));
}

void paintPixel(duoband::RgbPicture& p, int x, int y) {
    const double t = double(y) / kHeight;
    // Dusk gradient: deep blue at the top, teal towards the bottom.
    double r = 18 + 20 * t, g = 40 + 90 * t, b = 96 + 60 * t;
    // Soft rings around the antenna in the lower left corner.
    const double d = std::hypot(x - 60.0, y - (kHeight - 40.0));
    const double ring = std::pow(std::fmax(0.0, std::cos(d / 9.0)), 24.0) * std::exp(-d / 260.0);
    r += 150 * ring;
    g += 170 * ring;
    b += 120 * ring;
    const auto at = (std::size_t(y) * kWidth + std::size_t(x)) * 3;
    p.rgb[at] = clampByte(r);
    p.rgb[at + 1] = clampByte(g);
    p.rgb[at + 2] = clampByte(b);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_background OUTPUT.jpg\n";
        return 2;
    }
    duoband::RgbPicture picture{kWidth, kHeight, std::vector<std::uint8_t>(kWidth * kHeight * 3)};
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) paintPixel(picture, x, y);
    }
    std::string error;
    const auto jpeg = duoband::encodeJpeg(picture, 85, error);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    if (!jpeg ||
        !out.write(reinterpret_cast<const char*>(jpeg->data()), std::streamsize(jpeg->size()))) {
        std::cerr << "make_background: cannot write " << argv[1] << ": " << error << "\n";
        return 1;
    }
    return 0;
}
