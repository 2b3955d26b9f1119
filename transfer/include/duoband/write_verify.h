// Verify after write: a second exchange reads back what was written and
// compares it with what was sent (see duoband/verify.h for how differences
// are named). Runs on the thread that owns the exchange's port.
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

}  // namespace duoband
