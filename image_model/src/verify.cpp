// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/verify.h"

#include <algorithm>

#include "duoband/compare.h"
#include "duoband/counted.h"
#include "duoband/settings_table.h"

namespace duoband {

namespace {

std::string byteDifference(const ByteChange& d) {
    return "0x" + hexNumber(static_cast<std::uint64_t>(d.address), 4) + ": sent " +
           hexNumber(d.a, 2) + ", the radio holds " + hexNumber(d.b, 2);
}

std::string shown(std::string_view value) {
    return value.empty() ? "nothing" : printableText(value);
}

// An entry in verify's words: its value on both sides, or each byte that
// differs where the editor shows the same.
std::vector<std::string> verifyWords(const CompareEntry& entry, std::span<const Setting> settings) {
    if (!showsTheSame(entry))
        return {english(describePlace(entry.where)) + ": sent " + shown(entry.a) +
                ", the radio holds " + shown(entry.b)};
    const std::string owner =
        entry.where.address ? std::string() : english(describePlace(entry.where)) + ", ";
    std::vector<std::string> lines;
    for (const ByteChange& change : changedBytes(entry, settings))
        lines.push_back(owner + byteDifference(change));
    return lines;
}

}  // namespace

VerifyReport compareImages(const RadioImage& sent, const RadioImage& held, Compared compared,
                           std::span<const Setting> settings) {
    const LooseBytes loose =
        compared == Compared::EveryByte ? LooseBytes::Count : LooseBytes::NoteFill;
    VerifyReport report;
    std::size_t unchecked = 0;
    for (const CompareEntry& entry : compareConfigurations(sent, held, loose, settings)) {
        if (isUnknown(entry)) {
            unchecked += entry.aBytes.size();
            continue;
        }
        auto& lines = entry.kind == EntryKind::Difference ? report.differences : report.notes;
        for (std::string& line : verifyWords(entry, settings)) lines.push_back(std::move(line));
    }
    if (unchecked > 0)
        report.notes.push_back(counted(unchecked, "byte") +
                               " unchecked: the image does not know them");
    return report;
}

VerifyReport compareBlock(const TransferStep& transfer, const Bytes& sent, const Bytes& held) {
    // Both blocks lie in the last step of the plan: compare two images that
    // differ from each other only there.
    RadioImage sentImage, heldImage;
    const int offset = transfer.address - transferPlan()[kStepBootLimits].address;
    const auto place = [&](RadioImage& image, const Bytes& bytes) {
        std::copy_n(bytes.begin(), std::min<std::size_t>(bytes.size(), transfer.length),
                    image.step(kStepBootLimits).bytes.begin() + offset);
    };
    place(sentImage, sent);
    place(heldImage, held);
    return compareImages(sentImage, heldImage, Compared::HeldBytes);
}

std::vector<std::string> verifyLines(const VerifyReport& report) {
    if (report.ok()) return {std::string(kVerifySuccess)};
    std::vector<std::string> lines;
    const std::size_t shownCount = std::min(report.differences.size(), kDifferencesShown);
    for (std::size_t i = 0; i < shownCount; ++i)
        lines.push_back(std::string(kVerifyFailed) + report.differences[i]);
    if (report.differences.size() > shownCount)
        lines.push_back(std::to_string(report.differences.size()) + " differences in all");
    return lines;
}

}  // namespace duoband
