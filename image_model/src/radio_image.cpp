// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/radio_image.h"

#include <algorithm>

namespace duoband {

RadioImage::RadioImage() {
    for (int s = 0; s < kTransferSteps; ++s) {
        const int length = transferPlan()[static_cast<std::size_t>(s)].length;
        step(s) = {Bytes(static_cast<std::size_t>(length), 0xFF), length};
    }
}

void storeAnswer(RadioImage& image, int step, std::span<const std::uint8_t> answer) {
    StepBytes& kept = image.step(step);
    const std::size_t known = std::min(answer.size(), kept.bytes.size());
    std::fill(kept.bytes.begin(), kept.bytes.end(), 0xFF);
    std::copy_n(answer.begin(), known, kept.bytes.begin());
    kept.known = static_cast<int>(known);
}

RadioImage imageOf(const ImageEncoding& encoding) {
    RadioImage image;
    for (int s = 0; s < kTransferSteps; ++s) {
        const Bytes bytes = fromHex(encoding.data[static_cast<std::size_t>(s)]).value_or(Bytes{});
        storeAnswer(image, s, bytes);
    }
    return image;
}

void decodeImage(const RadioImage& image, EditorModel& model, std::span<const Setting> settings) {
    for (int s = 0; s < kTransferSteps; ++s) {
        const StepBytes& kept = image.step(s);
        loadReadStep(model, s,
                     toHex(std::span(kept.bytes).first(static_cast<std::size_t>(kept.known))),
                     settings);
    }
}

}  // namespace duoband
