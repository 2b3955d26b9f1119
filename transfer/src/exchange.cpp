#include "duoband/exchange.h"

#include <algorithm>

#include "duoband/block_layouts.h"
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

// What each partial block is: where it lives, which field holds it, how a
// received copy is shown and what a failed read empties.
struct PartialTransfer {
    TransferStep transfer;
    Block field;
    void (*clearEdits)(EditorModel&);
};

const PartialTransfer& partialTransfer(PartialBlock block) {
    static const std::array<PartialTransfer, 2> kPartials{{
        {kBootMessageTransfer, Block::BootMessage,
         [](EditorModel& m) { std::ranges::for_each(m.bootMessage, &std::string::clear); }},
        {kLimitsTransfer, Block::Limits,
         [](EditorModel& m) { std::ranges::for_each(m.limits, &std::string::clear); }},
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

bool ProgrammingExchange::pollForAnswer(const std::function<bool()>& complete) {
    for (int poll = 0; poll < kPolls; ++poll) {
        wait(kPollInterval);
        if (complete()) return true;
        // A line that has gone away brings no answer: no need to wait it out.
        if (lineLost_) return false;
    }
    return false;
}

ExchangeResult ProgrammingExchange::fullRead(EditorModel& model, const Progress& progress) {
    if (busy_) return busyResult();
    Running running(*this);
    if (progress) progress(0);
    openExchange();
    int done = 0;
    for (; done < kTransferSteps; ++done) {
        const int step = done;
        receiveBuffer_.clear();
        send(readFrame(transferPlan()[static_cast<std::size_t>(step)]));
        if (!pollForAnswer(
                [&] { return isAcceptedReadLength(step, receiveBuffer_.text().size()); }))
            break;
        if (progress) progress(step + 1);
        loadReadStep(model, step, receiveBuffer_.text());
    }
    send(kExitHex);
    return result(done == kTransferSteps, kReadSuccess, kReadError, done);
}

ExchangeResult ProgrammingExchange::fullWrite(const EditorModel& model, const Progress& progress) {
    if (busy_) return busyResult();
    Running running(*this);
    const ImageEncoding encoding = encodeImage(model);
    if (!encoding.ok()) return {ExchangeOutcome::Invalid, encoding.error, 0};
    if (progress) progress(0);
    openExchange();
    int done = 0;
    for (; done < kTransferSteps; ++done) {
        const auto s = static_cast<std::size_t>(done);
        send(writeFrame(transferPlan()[s], encoding.data[s]));
        if (!pollForAnswer([&] { return receiveBuffer_.text() == kAckHex; })) break;
        if (progress) progress(done + 1);
        receiveBuffer_.clear();
    }
    send(kExitHex);
    return result(done == kTransferSteps, kWriteSuccess, kWriteError, done);
}

ExchangeResult ProgrammingExchange::readPartial(PartialBlock block, EditorModel& model) {
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
    if (ok) {
        decodePartial(model, partial, *fromHex(answer));
        model.blocks[partial.field] = answer;
    } else {
        partial.clearEdits(model);
    }
    return result(ok, kPartialReadSuccess, kPartialReadError, 0);
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
