// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Verify after write and stopping on request, end to end against the
// simulated radio.
#include <signal.h>

#include <gtest/gtest.h>

#include "duoband/radio_sim_sample.h"
#include "duoband/write_verify.h"
#include "sim_harness.h"

namespace duoband {
namespace {

using testing_support::countPrefix;
using testing_support::RadioLink;
using testing_support::waitForExit;

RadioImage sampleImage() {
    const ImageEncoding encoding = encodeImage(sim::sampleModel());
    EXPECT_TRUE(encoding.ok()) << encoding.error;
    return imageOf(encoding);
}

// The fast link: these tests are about what is compared, not the pace.
bool startFast(RadioLink& link, std::vector<std::string> args) {
    if (!link.start(std::move(args))) return false;
    link.exchange.setFastLink(true);
    return true;
}

VerifyResult writeAndVerify(RadioLink& link) {
    const RadioImage sent = sampleImage();
    EXPECT_TRUE(link.exchange.writeImage(sent).ok());
    return verifyWrite(link.exchange, sent, Compared::HeldBytes);
}

TEST(VerifyAfterWrite, ACleanRadioVerifies) {
    RadioLink link;
    ASSERT_TRUE(startFast(link, {}));
    const VerifyResult v = writeAndVerify(link);
    EXPECT_TRUE(v.ok());
    EXPECT_EQ(v.lines(), std::vector<std::string>{"Verify success!"});
    EXPECT_TRUE(v.report.notes.empty());
}

TEST(VerifyAfterWrite, AByteStoredWrongIsNamedInTheEditorsTerms) {
    RadioLink link;
    ASSERT_TRUE(startFast(link, {"--corrupt-at", "5"}));
    const VerifyResult v = writeAndVerify(link);
    EXPECT_FALSE(v.ok());
    ASSERT_EQ(v.report.differences.size(), 1u);
    EXPECT_EQ(v.lines().front(),
              "Verify failed: Band A channel 11, Receiving Frequency: sent 446.00625, the radio "
              "holds 613.77841");
}

TEST(VerifyAfterWrite, AFillByteStoredWrongIsANote) {
    RadioLink link;
    ASSERT_TRUE(startFast(link, {"--corrupt-at", "130", "--corrupt-offset", "20"}));
    const VerifyResult v = writeAndVerify(link);
    EXPECT_TRUE(v.ok());
    EXPECT_EQ(v.report.notes, std::vector<std::string>{"0x0214: sent FF, the radio holds FE"});
}

TEST(VerifyAfterWrite, ARadioSilentDuringTheReadBackFailsTheVerify) {
    RadioLink link;
    ASSERT_TRUE(startFast(link, {}));
    ASSERT_TRUE(link.exchange.writeImage(sampleImage()).ok());
    ::kill(link.sim.pid(), SIGSTOP);  // the radio still holds the line, and says nothing
    const VerifyResult v = verifyWrite(link.exchange, sampleImage(), Compared::HeldBytes);
    ::kill(link.sim.pid(), SIGCONT);
    EXPECT_FALSE(v.ok());
    EXPECT_EQ(v.lines(),
              std::vector<std::string>{"Verify failed: the radio was not read back (Read Error!)"});
}

TEST(VerifyAfterWrite, TheBootMessageAloneVerifiesAndNamesItsLine) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--corrupt-at", "0", "--corrupt-offset", "9"}));
    EditorModel model = sim::sampleModel();
    ASSERT_TRUE(link.exchange.writePartial(PartialBlock::BootMessage, model).ok());
    const Bytes sent = *fromHex(model.blocks[Block::BootMessage]);
    const VerifyResult v = verifyBlockWrite(link.exchange, PartialBlock::BootMessage, sent);
    EXPECT_FALSE(v.ok());
    ASSERT_EQ(v.report.differences.size(), 1u);
    EXPECT_NE(v.report.differences[0].find("Boot"), std::string::npos) << v.report.differences[0];
}

// A stop is asked after every frame of a read and before every frame of a
// write, so a stop that comes before the first write frame sends none.
TEST(StopRequest, EndsAFullTransferAtAFrameWithOneExit) {
    struct Case {
        const char* name;
        bool write;
        int stopAtAsk;  // the stop request that says yes, from 1
        int framesSent;
    };
    for (const Case& c :
         {Case{"read, third ask", false, 3, 3}, Case{"write, first ask", true, 1, 0},
          Case{"write, fourth ask", true, 4, 3}}) {
        SCOPED_TRACE(c.name);
        RadioLink link;
        ASSERT_TRUE(link.start({"--sample"}));
        int asks = 0;
        link.exchange.stopRequested = [&] { return ++asks == c.stopAtAsk; };
        EditorModel model;
        const ExchangeResult r =
            c.write ? link.exchange.writeImage(sampleImage()) : link.exchange.fullRead(model);
        EXPECT_EQ(r.outcome, ExchangeOutcome::Cancelled);
        EXPECT_EQ(r.message, "cancelled");
        EXPECT_EQ(r.progress, c.framesSent);
        const auto log = waitForExit(link.log.path());
        EXPECT_EQ(countPrefix(log, c.write ? "WRITE" : "READ"), c.framesSent);
        EXPECT_EQ(countPrefix(log, "EXIT"), 1);
    }
}

}  // namespace
}  // namespace duoband
