// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/exchange.h"

#include <algorithm>

#include "duoband/block_layouts.h"
#include "duoband/counted.h"
#include "duoband/memory_image.h"

namespace duoband {

// Marks the exchange as running for the lifetime of one procedure, so a
// second one started from inside a wait is refused instead of nested.
class ProgrammingExchange::Running {
  public:
    explicit Running(ProgrammingExchange& e) : e_(e) {
        e_.busy_ = true;
        e_.lineLost_ = false;
    }
    ~Running() { e_.busy_ = false; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

  private:
    ProgrammingExchange& e_;
};

namespace {

ExchangeResult busyResult() {
    return {ExchangeOutcome::Busy, std::string(kExchangeBusy), 0};
}

ExchangeResult result(bool ok, std::string_view success, std::string_view failure, int progress) {
    return {ok ? ExchangeOutcome::Success : ExchangeOutcome::RadioFailed,
            std::string(ok ? success : failure), progress};
}

// The outcome of a full transfer that ended after `done` steps.
ExchangeResult fullResult(int done, bool cancelled, std::string_view success,
                          std::string_view failure) {
    if (cancelled && done < kTransferSteps)
        return {ExchangeOutcome::Cancelled, std::string(kCancelled), done};
    return result(done == kTransferSteps, success, failure, done);
}

using std::chrono::milliseconds;

// How long the fast link waits for the line to stay quiet before it takes a
// read answer of `bytes` bytes at `step`; nothing when that length does not
// complete the step. The longest length the step accepts cannot grow into
// another one and is taken at once. The plan's length at a step shorter
// than 48 bytes may be the start of an answer padded to 48; 48 bytes at
// 0x0280 the start of its 64, held back by an adapter.
std::size_t plannedLength(int step) {
    return transferPlan()[static_cast<std::size_t>(step)].length;
}

// The longest answer a READ at `step` may bring: complete as soon as it is in.
std::size_t longestReadAnswer(int step) {
    return std::max(plannedLength(step), kAnswerBytesAtEveryStep);
}

std::optional<milliseconds> readAnswerQuiet(int step, std::size_t bytes) {
    if (!isAcceptedReadLength(step, 2 * bytes)) return std::nullopt;
    if (bytes == longestReadAnswer(step)) return milliseconds(0);
    if (bytes == plannedLength(step)) return ProgrammingExchange::kShortStepQuiet;
    return milliseconds(ProgrammingExchange::kDefaultGatherMs);
}

// What each partial block is: where it lives and which field holds it.
struct PartialTransfer {
    TransferStep transfer;
    Block field;
};

const PartialTransfer& partialTransfer(PartialBlock block) {
    static const std::array<PartialTransfer, 2> kPartials{{
        {kBootMessageTransfer, Block::BootMessage},
        {kLimitsTransfer, Block::Limits},
    }};
    return kPartials[block == PartialBlock::BootMessage ? 0 : 1];
}

// Shows a received block on the page: both lie in the boot message and
// limits region.
void decodePartial(EditorModel& model, const PartialTransfer& partial, const Bytes& bytes) {
    const int offset = partial.transfer.address - regionAddress(Region::BootAndLimits);
    decodeRegion(model, Region::BootAndLimits, Band::A, offset, bytes);
}

}  // namespace

ProgrammingExchange::ProgrammingExchange(SerialPort& port, MessagePump& pump)
    : port_(port),
      pump_(pump),
      previousReceive_(std::move(port.onReceive)),
      previousHangup_(std::move(port.onHangup)) {
    port_.onReceive = [this](SerialPort* from, const std::uint8_t* data, std::uint16_t size) {
        receiveChunk(from, data, size);
    };
    port_.onHangup = [this](SerialPort*) { lineLost_ = true; };
}

ProgrammingExchange::~ProgrammingExchange() {
    port_.onReceive = std::move(previousReceive_);
    port_.onHangup = std::move(previousHangup_);
}

void ProgrammingExchange::receiveChunk(SerialPort*, const std::uint8_t* data, std::uint16_t size) {
    receiveBuffer_.append(data, size);
    lastDelivery_ = Deadline::now();
    if (lastDelivery_ > answerDueBy_) lateBytes_ += size;
    if (onTrace) onTrace(TraceDirection::Received, {data, size});
}

void ProgrammingExchange::send(std::string_view hex) {
    // Every frame is composed from checked hex digits, so this always converts.
    const Bytes bytes = fromHex(hex).value_or(Bytes{});
    if (onTrace) onTrace(TraceDirection::Sent, bytes);
    port_.send(bytes.data(), static_cast<std::uint16_t>(bytes.size()));
}

void ProgrammingExchange::wait(std::chrono::milliseconds span) {
    pump_.waitUntil(Deadline::in(span));
}

void ProgrammingExchange::openExchange() {
    receiveBuffer_.clear();
    send(kHandshakeHex);
    wait(kHandshakeWait);
    // Whatever the radio says to the handshake is not looked at.
    receiveBuffer_.clear();
}

bool ProgrammingExchange::pollForAnswer(int step, const AnswerCheck& answered) {
    lastDelivery_ = Deadline::now();
    answerDueBy_ = TimePoint::max();
    lateBytes_ = 0;
    return fastLink_ ? takeAnswerWhenComplete(step, answered) : pollAtTheProtocolsPace(answered);
}

bool ProgrammingExchange::pollAtTheProtocolsPace(const AnswerCheck& answered) {
    for (int poll = 0; poll < kPolls; ++poll) {
        wait(kPollInterval);
        if (answered()) return true;
        // An answer that cannot come any more is not waited out.
        if (answerLost()) return false;
    }
    answerDueBy_ = Deadline::now();
    return false;
}

bool ProgrammingExchange::takeAnswerWhenComplete(int step, const AnswerCheck& answered) {
    const Deadline giveUp = Deadline::in(kAnswerTimeout);
    // The default link sees an answer only after the port's gathering time.
    answerDueBy_ = giveUp.at() - milliseconds(kDefaultGatherMs);
    // Nothing follows the last answer to show up a stray byte after it: it
    // gets the port's usual gathering time to arrive.
    const milliseconds lastAnswerQuiet(step + 1 == kTransferSteps ? kDefaultGatherMs : 0);
    for (;;) {
        Deadline wakeUp = giveUp;
        if (const auto quiet = answered(); quiet && lateBytes_ == 0) {
            const Deadline takeAt(lastDelivery_ + std::max(*quiet, lastAnswerQuiet));
            if (takeAt.expired()) return true;
            wakeUp = Deadline::earliest(takeAt, giveUp);
        }
        if (answerLost() || giveUp.expired()) return false;
        pump_.waitForDelivery(wakeUp);
    }
}

void ProgrammingExchange::awaitLateAnswer() {
    if (answerLost()) return;
    wait(milliseconds(port_.readIntervalMs()) + kPollInterval);
}

void ProgrammingExchange::setFastLink(bool on) {
    if (on == fastLink_) return;
    if (on) gatherMs_ = port_.readIntervalMs();
    port_.setReadIntervalMs(on ? kFastGatherMs : gatherMs_);
    fastLink_ = on;
}

// The fast link has the port hand on an answer the moment its last byte is
// in, instead of after the gathering quiet.
void ProgrammingExchange::expectAnswer(std::size_t bytes) {
    if (fastLink_) port_.awaitBytes(static_cast<std::uint32_t>(bytes));
}

Phrase ProgrammingExchange::failureDetail(int step, std::size_t expectedBytes) const {
    const std::string& got = receiveBuffer_.text();
    const auto bytes = static_cast<long long>(got.size() / 2);
    Phrase what;
    Phrase advice = QT_TRANSLATE_NOOP(
        "duoband", "Is the radio switched on, in range of the cable and set to this port?");
    if (lineLost_) {
        what = QT_TRANSLATE_NOOP("duoband", "the line went away");
    } else if (receiveBuffer_.overflowed()) {
        what = QT_TRANSLATE_NOOP("duoband", "the radio sent more data than any answer holds");
        advice = QT_TRANSLATE_NOOP(
            "duoband",
            "Is this the radio's programming cable, with no other device sending on it?");
    } else if (!port_.isOpen()) {
        what = QT_TRANSLATE_NOOP("duoband", "the port is not open");
    } else if (lateBytes_ > 0) {
        what = expectedBytes == 0
                   ? QT_TRANSLATE_NOOP("duoband", "the acknowledgement came too late")
                   : QT_TRANSLATE_NOOP("duoband", "the answer came too late");
        advice = QT_TRANSLATE_NOOP(
            "duoband", "Try again; if it keeps coming late, check the cable and its adapter.");
    } else if (bytes == 0) {
        what = QT_TRANSLATE_NOOP("duoband", "nothing came back");
    } else if (got == "15") {
        // A NAK: the one-byte answer at 0x02C0 may be 0x15, but then that
        // step did not fail.
        what = QT_TRANSLATE_NOOP("duoband", "the radio refused the frame (NAK, 0x15)");
    } else if (expectedBytes == 0) {
        what = phrase(bytes == 1 ? QT_TRANSLATE_NOOP("duoband",
                                                     "%1 byte came back instead of the "
                                                     "acknowledgement")
                                 : QT_TRANSLATE_NOOP("duoband",
                                                     "%1 bytes came back instead of the "
                                                     "acknowledgement"),
                      verbatim(bytes));
    } else {
        what = phrase(bytes == 1 ? QT_TRANSLATE_NOOP("duoband", "%1 byte of %2 came back")
                                 : QT_TRANSLATE_NOOP("duoband", "%1 bytes of %2 came back"),
                      verbatim(bytes), verbatim(static_cast<long long>(expectedBytes)));
    }
    return phrase(QT_TRANSLATE_NOOP("duoband", "Step %1 of %2: %3 on %4. %5"), verbatim(step + 1),
                  verbatim(kTransferSteps), what, verbatim(port_.path()), advice);
}

bool ProgrammingExchange::stopAsked() const {
    return stopRequested && stopRequested();
}

ExchangeResult ProgrammingExchange::fullRead(EditorModel& model, const Progress& progress,
                                             RadioImage* received) {
    if (busy_) return busyResult();
    Running running(*this);
    if (progress) progress(0);
    openExchange();
    int done = 0;
    bool cancelled = false;
    bool failed = false;
    for (; done < kTransferSteps && !cancelled; ++done) {
        const int step = done;
        receiveBuffer_.clear();
        expectAnswer(longestReadAnswer(step));
        send(readFrame(transferPlan()[static_cast<std::size_t>(step)]));
        failed = !pollForAnswer(
            step, [&] { return readAnswerQuiet(step, receiveBuffer_.text().size() / 2); });
        if (failed) break;
        if (progress) progress(step + 1);
        loadReadStep(model, step, receiveBuffer_.text());
        if (received) storeAnswer(*received, step, *fromHex(receiveBuffer_.text()));
        cancelled = stopAsked();
    }
    send(kExitHex);
    ExchangeResult r = fullResult(done, cancelled, kReadSuccess, kReadError);
    if (failed) {
        awaitLateAnswer();
        r.why = failureDetail(done, transferPlan()[static_cast<std::size_t>(done)].length);
        r.detail = english(r.why);
    }
    return r;
}

ExchangeResult ProgrammingExchange::fullWrite(const EditorModel& model, const Progress& progress) {
    if (busy_) return busyResult();
    const ImageEncoding encoding = encodeImage(model);
    if (!encoding.ok()) return {ExchangeOutcome::Invalid, encoding.error, 0};
    return writeImage(imageOf(encoding), progress);
}

ExchangeResult ProgrammingExchange::writeImage(const RadioImage& image, const Progress& progress) {
    if (busy_) return busyResult();
    Running running(*this);
    if (progress) progress(0);
    openExchange();
    int done = 0;
    bool cancelled = false;
    bool failed = false;
    const auto acknowledged = [this]() -> std::optional<milliseconds> {
        if (receiveBuffer_.text() == kAckHex) return milliseconds(0);
        return std::nullopt;
    };
    // Asked before every frame: a stop that came during the handshake sends
    // none, and the radio keeps what it held.
    for (; done < kTransferSteps; ++done) {
        cancelled = stopAsked();
        if (cancelled) break;
        expectAnswer(1);
        send(writeFrame(transferPlan()[static_cast<std::size_t>(done)],
                        toHex(image.step(done).bytes)));
        failed = !pollForAnswer(done, acknowledged);
        if (failed) break;
        if (progress) progress(done + 1);
        receiveBuffer_.clear();
    }
    send(kExitHex);
    ExchangeResult r = fullResult(done, cancelled, kWriteSuccess, kWriteError);
    if (failed) {
        awaitLateAnswer();
        r.why = failureDetail(done, 0);
        r.detail = english(r.why);
    }
    return r;
}

TransferStep partialTransferStep(PartialBlock block) {
    return partialTransfer(block).transfer;
}

Block partialBlockField(PartialBlock block) {
    return partialTransfer(block).field;
}

ExchangeResult ProgrammingExchange::readBlock(PartialBlock block, Bytes& received) {
    if (busy_) return busyResult();
    Running running(*this);
    const PartialTransfer& partial = partialTransfer(block);
    openExchange();
    receiveBuffer_.clear();
    send(readFrame(partial.transfer));
    wait(kPartialWait);
    const std::string answer = receiveBuffer_.text();
    send(kExitHex);
    const bool ok = answer.size() == 2u * partial.transfer.length;
    if (ok) received = *fromHex(answer);
    return result(ok, kPartialReadSuccess, kPartialReadError, 0);
}

ExchangeResult ProgrammingExchange::readPartial(PartialBlock block, EditorModel& model) {
    const PartialTransfer& partial = partialTransfer(block);
    Bytes answer;
    ExchangeResult r = readBlock(block, answer);
    // A failed read changes nothing: the page keeps showing what a write
    // would send (the failure message says the read failed).
    if (r.ok()) {
        decodePartial(model, partial, answer);
        model.blocks[partial.field] = toHex(answer);
    }
    return r;
}

ExchangeResult ProgrammingExchange::writePartial(PartialBlock block, const EditorModel& model) {
    if (busy_) return busyResult();
    Running running(*this);
    const PartialTransfer& partial = partialTransfer(block);
    if (std::string problem = blockFieldProblem(model, partial.field); !problem.empty())
        return {ExchangeOutcome::Invalid, std::move(problem), 0};
    openExchange();
    send(writeFrame(partial.transfer, model.blocks[partial.field]));
    wait(kPartialWait);
    const bool ok = receiveBuffer_.text() == kAckHex;
    send(kExitHex);
    return result(ok, kPartialWriteSuccess, kPartialWriteError, 0);
}

}  // namespace duoband
