// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Comparing what a write sent with what the radio holds afterwards, named
// in the editor's terms: a channel's column, a setting's caption, or an
// address with its bytes where no field lies.
#pragma once

#include <string>
#include <vector>

#include "duoband/radio_image.h"
#include "duoband/settings_table.h"
#include "duoband/translatable.h"

namespace duoband {

inline constexpr std::string_view kVerifySuccess = QT_TRANSLATE_NOOP("duoband", "Verify success!");
inline constexpr std::string_view kVerifyFailed = QT_TRANSLATE_NOOP("duoband", "Verify failed: ");
inline constexpr std::size_t kDifferencesShown = 10;

// What counts: the bytes the configuration holds (the 0xFF fill a write
// adds is only noted), or every byte (a clone written from an image).
enum class Compared { HeldBytes, EveryByte };

struct VerifyReport {
    // "Band A channel 12, Receiving Frequency: sent 145.52500, the radio holds 145.50000"
    std::vector<std::string> differences;
    // "0x0215: sent FF, the radio holds 00"; bytes left unchecked
    std::vector<std::string> notes;
    bool ok() const { return differences.empty(); }
};

// Settings are named as `settings` places them (the program's own table
// unless a test gives another); where settings share a byte, each whose
// bits differ.
VerifyReport compareImages(const RadioImage& sent, const RadioImage& held, Compared compared,
                           std::span<const Setting> settings = allSettings());

// The block of the boot message or of the limits alone (`address` and
// `length` of its transfer).
VerifyReport compareBlock(const TransferStep& transfer, const Bytes& sent, const Bytes& held);

// What to tell the user: "Verify success!", or "Verify failed: ..." for
// each of the first kDifferencesShown differences and a count of all.
std::vector<std::string> verifyLines(const VerifyReport& report);

}  // namespace duoband
