// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The fast link on lines that are not tidy: a USB-serial adapter that hands
// the radio's bytes on in packets, radios that answer 48 bytes where fewer
// or more were asked, and answers that come late.
#include <gtest/gtest.h>

#include <map>

#include "duoband/exchange.h"
#include "sim_harness.h"

namespace duoband {
namespace {

using namespace std::chrono_literals;
using testing_support::Link;
using testing_support::RadioLink;
using testing_support::sampleImage;

struct AdapterCase {
    int packet;
    int latencyMs;
    bool paced;
};

void PrintTo(const AdapterCase& c, std::ostream* os) {
    *os << "Packets" << c.packet << "Latency" << c.latencyMs << (c.paced ? "Paced" : "");
}

std::vector<std::string> adapterOptions(const AdapterCase& c) {
    std::vector<std::string> options{"--usb-packet", std::to_string(c.packet), "--usb-latency",
                                     std::to_string(c.latencyMs)};
    if (c.paced) options.push_back("--pace");
    return options;
}

class ThroughAUsbAdapter : public testing::TestWithParam<AdapterCase> {};

// However the adapter cuts the answers up (the 64 bytes at 0x0280 pause
// after 48 with 8- and 16-byte packets), each is taken whole: a blank radio
// is written and read back. The paced line takes seconds a transfer, so its
// case only reads the sample radio.
TEST_P(ThroughAUsbAdapter, TheFastLinkWritesAndReadsBackEveryByte) {
    const AdapterCase& c = GetParam();
    std::vector<std::string> options = adapterOptions(c);
    if (c.paced) options.push_back("--sample");
    RadioLink link;
    ASSERT_TRUE(link.start(options));
    link.exchange.setFastLink(true);
    const RadioImage sample = sampleImage();
    if (!c.paced) {
        const ExchangeResult written = link.exchange.writeImage(sample);
        EXPECT_TRUE(written.ok()) << written.detail;
    }
    EditorModel model;
    RadioImage received;
    const ExchangeResult r = link.exchange.fullRead(model, {}, &received);
    EXPECT_TRUE(r.ok()) << r.detail;
    EXPECT_TRUE(received == sample);
}

INSTANTIATE_TEST_SUITE_P(FastLink, ThroughAUsbAdapter,
                         testing::Values(AdapterCase{8, 3, false}, AdapterCase{16, 3, false},
                                         AdapterCase{32, 3, false}, AdapterCase{62, 3, false},
                                         AdapterCase{16, 16, true}),
                         [](const auto& info) {
                             std::ostringstream name;
                             PrintTo(info.param, &name);
                             return name.str();
                         });

// The short steps padded to 48 bytes, the padding held back by the adapter
// between its packets: each answer is still taken whole, or the rest of it
// would spoil the next step.
TEST(FastLink, TakesShortStepsPaddedTo48BytesWhole) {
    RadioLink link;
    ASSERT_TRUE(
        link.start({"--sample", "--pad-to-48", "--usb-packet", "16", "--usb-latency", "3"}));
    link.exchange.setFastLink(true);
    EditorModel model;
    RadioImage received;
    const ExchangeResult r = link.exchange.fullRead(model, {}, &received);
    EXPECT_TRUE(r.ok()) << r.detail;
    EXPECT_TRUE(received == sampleImage());
}

// 48 bytes of the 64 at 0x0280 are an answer, but they may be the start of
// the 64 held back by an adapter: they are taken only once no byte has come
// for the port's usual gathering time.
TEST(FastLink, Takes48BytesAt0280OnlyAfterTheGatheringTime) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--sample", "--cut-to-48"}));
    link.exchange.setFastLink(true);
    std::map<std::string, Deadline::Clock::time_point> sentAt;
    link.exchange.onTrace = [&](TraceDirection d, std::span<const std::uint8_t> bytes) {
        if (d == TraceDirection::Sent) sentAt[toHex(bytes)] = Deadline::Clock::now();
    };
    EditorModel model;
    RadioImage received;
    const ExchangeResult r = link.exchange.fullRead(model, {}, &received);
    EXPECT_TRUE(r.ok()) << r.detail;
    EXPECT_EQ(received.step(kStepCodes).known, 48);
    EXPECT_TRUE(std::equal(received.step(kStepCodes).bytes.begin(),
                           received.step(kStepCodes).bytes.begin() + 48,
                           sampleImage().step(kStepCodes).bytes.begin()));
    const auto codesAnswered = sentAt.at(readFrame(transferPlan()[kStepRemoteState])) -
                               sentAt.at(readFrame(transferPlan()[kStepCodes]));
    EXPECT_GE(codesAnswered, std::chrono::milliseconds(ProgrammingExchange::kDefaultGatherMs));
}

struct LateCase {
    int lateMs;
    Link link;
    bool inTime;
};

void PrintTo(const LateCase& c, std::ostream* os) {
    *os << "By" << c.lateMs << "Ms" << (c.link == Link::Fast ? "Fast" : "Default");
}

class AnAnswerLate : public testing::TestWithParam<LateCase> {};

// The default link sees an answer only after the port's 100 ms gathering and
// gives up at its 51st poll; the fast link counts the same answers in time.
// One that came after the time-out is named so, not "nothing came back".
TEST_P(AnAnswerLate, IsInTimeOnBothLinksOrOnNeither) {
    const LateCase& c = GetParam();
    RadioLink link;
    ASSERT_TRUE(link.start({"--sample", "--late-at", "0", "--late-ms", std::to_string(c.lateMs)}));
    link.port.setReadIntervalMs(ProgrammingExchange::kDefaultGatherMs);
    link.exchange.setFastLink(c.link == Link::Fast);
    link.exchange.stopRequested = [] { return true; };  // the first step tells
    EditorModel model;
    const ExchangeResult r = link.exchange.fullRead(model);
    if (c.inTime) {
        EXPECT_EQ(r.outcome, ExchangeOutcome::Cancelled) << r.detail;
        EXPECT_EQ(r.progress, 1);
    } else {
        EXPECT_EQ(r.outcome, ExchangeOutcome::RadioFailed);
        EXPECT_EQ(r.progress, 0);
        EXPECT_TRUE(r.detail.starts_with("Step 1 of 136: the answer came too late on /dev/"))
            << r.detail;
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothLinks, AnAnswerLate,
    testing::Values(LateCase{900, Link::Default, true}, LateCase{900, Link::Fast, true},
                    LateCase{960, Link::Default, false}, LateCase{960, Link::Fast, false},
                    LateCase{1000, Link::Default, false}, LateCase{1000, Link::Fast, false}),
    [](const auto& info) {
        std::ostringstream name;
        PrintTo(info.param, &name);
        return name.str();
    });

}  // namespace
}  // namespace duoband
