// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Verify after write: a second exchange reads back what was written and
// compares it with what was sent (see duoband/verify.h for how differences
// are named). Runs on the thread that owns the exchange's port. And what a
// write job (an optional read of what the radio holds, the write, an
// optional verify) says when the user stops it.
#pragma once

#include <string>
#include <vector>

#include "duoband/exchange.h"
#include "duoband/verify.h"

namespace duoband {

struct VerifyResult {
    ExchangeResult readBack;  // the read of the second exchange
    VerifyReport report;      // empty when the read-back failed
    bool ok() const { return readBack.ok() && report.ok(); }
    // "Verify success!", or "Verify failed: ..." lines (the read-back's
    // failure among them); notes are in report.notes.
    std::vector<std::string> lines() const;
};

// After a full write of `sent`: reads the plan back and compares.
VerifyResult verifyWrite(ProgrammingExchange& exchange, const RadioImage& sent, Compared compared,
                         const ProgrammingExchange::Progress& progress = {});
// After a write of the boot message or the limits: reads that block back.
VerifyResult verifyBlockWrite(ProgrammingExchange& exchange, PartialBlock block, const Bytes& sent);

// A stopped write job says what the radio holds now.
inline constexpr std::string_view kWriteStoppedUnchanged =
    QT_TRANSLATE_NOOP("duoband", "Write cancelled: the radio is unchanged.");
inline constexpr std::string_view kWriteStoppedPartly = QT_TRANSLATE_NOOP(
    "duoband",
    "Write cancelled: the radio now holds part of the new configuration. What it held before "
    "is in the \"before-write\" backup:");
inline constexpr std::string_view kWriteStoppedPartlyUnkept = QT_TRANSLATE_NOOP(
    "duoband",
    "Write cancelled: the radio now holds part of the new configuration. What it held before "
    "was not kept.");
inline constexpr std::string_view kWriteStoppedUnverified = QT_TRANSLATE_NOOP(
    "duoband", "Write cancelled: the radio holds the new configuration; it was not verified.");

// What a radio holds after a write that failed, and so which backup
// restores it.
inline constexpr std::string_view kWriteFailedUnchanged =
    QT_TRANSLATE_NOOP("duoband", "The radio is unchanged.");
inline constexpr std::string_view kWriteFailedPartly =
    QT_TRANSLATE_NOOP("duoband",
                      "The radio now holds part of the new configuration. What it held before "
                      "is in the \"before-write\" backup:");
inline constexpr std::string_view kWriteFailedPartlyUnkept =
    QT_TRANSLATE_NOOP("duoband",
                      "The radio now holds part of the new configuration. What it held before "
                      "was not kept.");
inline constexpr std::string_view kWriteFailedWhole =
    QT_TRANSLATE_NOOP("duoband", "The radio holds the new configuration.");

// What the radio holds after a write that failed once it had acknowledged
// `framesAcknowledged` frames, then on a line of its own the before-write
// backup that restores it when one is needed and was kept.
std::string heldAfterFailedWrite(int framesAcknowledged, const std::string& beforeWriteBackup);

// The result of a write job stopped after the radio acknowledged
// `framesAcknowledged` write frames: 0 before the write (also while reading
// the radio first), kTransferSteps during the verify. `beforeWriteBackup`
// holds what the radio had (empty: none was kept); it is the detail.
ExchangeResult stoppedWrite(int framesAcknowledged, const std::string& beforeWriteBackup);

}  // namespace duoband
