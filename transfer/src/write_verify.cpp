// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/write_verify.h"

namespace duoband {

std::vector<std::string> VerifyResult::lines() const {
    if (!readBack.ok())
        return {std::string(kVerifyFailed) + "the radio was not read back (" + readBack.message +
                ")"};
    return verifyLines(report);
}

VerifyResult verifyWrite(ProgrammingExchange& exchange, const RadioImage& sent, Compared compared,
                         const ProgrammingExchange::Progress& progress) {
    EditorModel readBack;
    RadioImage held;
    VerifyResult result;
    result.readBack = exchange.fullRead(readBack, progress, &held);
    if (result.readBack.ok()) result.report = compareImages(sent, held, compared);
    return result;
}

VerifyResult verifyBlockWrite(ProgrammingExchange& exchange, PartialBlock block,
                              const Bytes& sent) {
    Bytes held;
    VerifyResult result;
    result.readBack = exchange.readBlock(block, held);
    if (result.readBack.ok()) result.report = compareBlock(partialTransferStep(block), sent, held);
    return result;
}

ExchangeResult stoppedWrite(int framesAcknowledged, const std::string& beforeWriteBackup) {
    ExchangeResult r{ExchangeOutcome::Cancelled, {}, framesAcknowledged};
    if (framesAcknowledged == 0) {
        r.message = kWriteStoppedUnchanged;
    } else if (framesAcknowledged >= kTransferSteps) {
        r.message = kWriteStoppedUnverified;
    } else {
        r.message = beforeWriteBackup.empty() ? kWriteStoppedPartlyUnkept : kWriteStoppedPartly;
        r.detail = beforeWriteBackup;
    }
    return r;
}

std::string heldAfterFailedWrite(int framesAcknowledged, const std::string& beforeWriteBackup) {
    if (framesAcknowledged == 0) return std::string(kWriteFailedUnchanged);
    if (framesAcknowledged >= kTransferSteps) return std::string(kWriteFailedWhole);
    if (beforeWriteBackup.empty()) return std::string(kWriteFailedPartlyUnkept);
    return std::string(kWriteFailedPartly) + "\n" + beforeWriteBackup;
}

}  // namespace duoband
