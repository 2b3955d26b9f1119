// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every fault of the simulated radio at the first, a middle and the last
// frame, at the protocol's own pace and with the fast link: the transfer
// fails at that frame, says so, sends "EXIT" once and keeps no wrong byte.
#include <gtest/gtest.h>

#include "duoband/exchange.h"
#include "duoband/radio_sim_sample.h"
#include "duoband/write_verify.h"
#include "sim_harness.h"

namespace duoband {
namespace {

using testing_support::Link;
using testing_support::RadioLink;
using testing_support::sampleImage;

struct FaultCase {
    const char* name;
    std::vector<std::string> option;  // the simulator's option, without the frame
    bool write;
};

struct MatrixCase {
    FaultCase fault;
    int frame;
    Link link;
};

void PrintTo(const MatrixCase& c, std::ostream* os) {
    *os << c.fault.name << "At" << c.frame << (c.link == Link::Fast ? "Fast" : "Default");
}

// The steps before the fault hold the radio's bytes, the rest nothing read.
void expectNothingWrongKept(const RadioImage& received, int frame) {
    const RadioImage sample = sampleImage();
    const RadioImage untouched;
    for (int s = 0; s < kTransferSteps; ++s)
        EXPECT_EQ(received.step(s), (s < frame ? sample : untouched).step(s)) << "step " << s;
}

class AFault : public testing::TestWithParam<MatrixCase> {};

TEST_P(AFault, FailsItsFrameInBothLinkModes) {
    const MatrixCase& c = GetParam();
    std::vector<std::string> args{"--sample"};
    args.insert(args.end(), c.fault.option.begin(), c.fault.option.end() - 1);
    args.insert(args.end(), {c.fault.option.back(), std::to_string(c.frame)});
    RadioLink link;
    ASSERT_TRUE(link.start(args));
    link.exchange.setFastLink(c.link == Link::Fast);
    ExchangeResult r;
    if (c.fault.write) {
        r = link.exchange.writeImage(sampleImage());
        EXPECT_EQ(r.message, kWriteError);
    } else {
        EditorModel model;
        RadioImage received;
        r = link.exchange.fullRead(model, {}, &received);
        EXPECT_EQ(r.message, kReadError);
        expectNothingWrongKept(received, c.frame);
    }
    EXPECT_EQ(r.outcome, ExchangeOutcome::RadioFailed);
    EXPECT_EQ(r.progress, c.frame);
    EXPECT_EQ(link.exitsSent(), 1);
}

std::vector<MatrixCase> matrix() {
    const std::vector<FaultCase> faults{
        {"Silent", {"--silent-at"}, false},
        {"Short", {"--short-at"}, false},
        {"Extra", {"--extra-at"}, false},
        {"Late", {"--late-ms", "3000", "--late-at"}, false},  // well past 51 polls, however loaded
        {"Hangup", {"--hangup-at"}, false},
        {"Nak", {"--nak-at"}, true},
        {"DoubleAck", {"--double-ack-at"}, true},
    };
    std::vector<MatrixCase> cases;
    for (const FaultCase& f : faults)
        for (int frame : {0, 67, kTransferSteps - 1})
            for (Link link : {Link::Default, Link::Fast}) cases.push_back({f, frame, link});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(BothLinks, AFault, testing::ValuesIn(matrix()), [](const auto& info) {
    std::ostringstream name;
    PrintTo(info.param, &name);
    return name.str();
});

struct CorruptCase {
    int frame;
    Link link;
};

void PrintTo(const CorruptCase& c, std::ostream* os) {
    *os << "CorruptAt" << c.frame << (c.link == Link::Fast ? "Fast" : "Default");
}

class ACorruptWrite : public testing::TestWithParam<CorruptCase> {};

// The radio acknowledges every frame, so only reading it back shows the fault.
TEST_P(ACorruptWrite, IsFoundByVerifyInBothLinkModes) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--corrupt-at", std::to_string(GetParam().frame)}));
    link.exchange.setFastLink(GetParam().link == Link::Fast);
    const RadioImage sent = sampleImage();
    EXPECT_TRUE(link.exchange.writeImage(sent).ok());
    const VerifyResult v = verifyWrite(link.exchange, sent, Compared::EveryByte);
    EXPECT_TRUE(v.readBack.ok());
    EXPECT_EQ(v.report.differences.size(), 1u);
    EXPECT_FALSE(v.ok());
}

INSTANTIATE_TEST_SUITE_P(BothLinks, ACorruptWrite,
                         testing::Values(CorruptCase{0, Link::Default}, CorruptCase{0, Link::Fast},
                                         CorruptCase{67, Link::Default},
                                         CorruptCase{67, Link::Fast},
                                         CorruptCase{135, Link::Default},
                                         CorruptCase{135, Link::Fast}),
                         [](const auto& info) {
                             std::ostringstream name;
                             PrintTo(info.param, &name);
                             return name.str();
                         });

// A split answer is still the whole answer: both links take it, byte-exact.
TEST(FastLink, TakesASplitAnswerWholeAndSendsTheSameBytes) {
    std::vector<std::vector<std::string>> sent;
    for (Link mode : {Link::Default, Link::Fast}) {
        RadioLink link;
        ASSERT_TRUE(link.start({"--sample", "--split-at", "135"}));
        link.exchange.setFastLink(mode == Link::Fast);
        EditorModel model;
        RadioImage received;
        EXPECT_TRUE(link.exchange.fullRead(model, {}, &received).ok());
        EXPECT_TRUE(received == sampleImage());
        sent.push_back(link.sent);
    }
    EXPECT_EQ(sent[0], sent[1]) << "the fast link sends what the paced one does";
}

// Nothing follows the last answer to show up a byte that comes after it: the
// fast link still waits the port's usual 100 ms gathering for it.
TEST(FastLink, AStrayByteAfterTheLastAnswerStillFailsIt) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--sample", "--stray-at", "135"}));
    link.exchange.setFastLink(true);
    EditorModel model;
    const ExchangeResult r = link.exchange.fullRead(model);
    EXPECT_EQ(r.message, kReadError);
    EXPECT_EQ(r.progress, 135);
}

// A line that floods the port (a wrong device, a broken cable): the step
// fails as soon as more came than any answer holds, "EXIT" goes once, and
// neither the port's queue nor the receive buffer grows past its bound.
TEST(AFlood, EndsTheTransferAtOnceWithBoundedBuffers) {
    for (const bool write : {false, true}) {
        RadioLink link;
        ASSERT_TRUE(link.start({"--sample", "--flood-at", write ? "3" : "0"}));
        link.exchange.setFastLink(write);
        std::size_t mostWaiting = 0;
        std::size_t mostBuffered = 0;
        const auto traceSent = link.exchange.onTrace;
        link.exchange.onTrace = [&](TraceDirection d, std::span<const std::uint8_t> bytes) {
            mostWaiting = std::max(mostWaiting, link.port.receivedWaiting());
            mostBuffered = std::max(mostBuffered, link.exchange.receiveBuffer().text().size() / 2);
            traceSent(d, bytes);
        };
        const auto started = std::chrono::steady_clock::now();
        EditorModel model;
        const ExchangeResult r =
            write ? link.exchange.writeImage(sampleImage()) : link.exchange.fullRead(model);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1500));
        EXPECT_EQ(r.outcome, ExchangeOutcome::RadioFailed);
        EXPECT_EQ(r.progress, write ? 3 : 0);
        EXPECT_NE(r.detail.find("the radio sent more data than any answer holds"),
                  std::string::npos)
            << r.detail;
        EXPECT_EQ(link.exitsSent(), 1);
        EXPECT_GT(mostBuffered, 0u);
        EXPECT_LE(mostBuffered, kReceiveBufferBytes);
        EXPECT_LE(mostWaiting, kMostReceivedWaiting);
    }
}

}  // namespace
}  // namespace duoband
