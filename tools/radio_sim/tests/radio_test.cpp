// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "duoband/hex_text.h"
#include "duoband/radio_sim.h"

namespace duoband::sim {
namespace {

Bytes bytesOf(std::string_view hex) {
    return *fromHex(hex);
}

const std::string kHandshake = "50524F4D5F4C494E";
const std::string kExit = "45584954";

// A memory whose byte at address a is a % 251, so every slice is distinct.
Memory patterned() {
    Memory m{};
    for (std::size_t a = 0; a < m.size(); ++a) m[a] = static_cast<std::uint8_t>(a % 251);
    return m;
}

struct Harness {
    explicit Harness(Options options = {}, Memory memory = patterned())
        : radio(std::move(options), memory, [this](std::string_view l) { log.emplace_back(l); }) {}
    Outcome send(std::string_view hex) { return radio.receive(bytesOf(hex)); }
    // All answer bytes of an outcome, in order.
    static std::string answerHex(const Outcome& o) {
        Bytes all;
        for (const auto& a : o.answers) all.insert(all.end(), a.bytes.begin(), a.bytes.end());
        return toHex(all);
    }
    Radio radio;
    std::vector<std::string> log;
};

TEST(Radio, ReadFrameIsAnsweredWithExactlyLengthBytesFromAddress) {
    Harness h;
    const Outcome o = h.send("5245414404000030");
    ASSERT_EQ(o.answers.size(), 1u);
    const Memory m = patterned();
    EXPECT_EQ(o.answers[0].bytes, Bytes(m.begin() + 0x400, m.begin() + 0x430));
    EXPECT_EQ(o.answers[0].afterByte, 7u);
    EXPECT_EQ(o.answers[0].delay, Millis{0});
    EXPECT_FALSE(o.memoryChanged);
}

TEST(Radio, ReadWrapsAtTheEndOfMemory) {
    Harness h;
    const Outcome o = h.send("52454144FFFF0002");
    EXPECT_EQ(Harness::answerHex(o), toHex(Bytes{0xFFFF % 251, 0}));
}

TEST(Radio, WriteFrameIsStoredAndAcknowledged) {
    Harness h;
    const Outcome o = h.send(
        "5752494502C00002"
        "0102");
    EXPECT_EQ(Harness::answerHex(o), "06");
    EXPECT_TRUE(o.memoryChanged);
    EXPECT_EQ(h.radio.memory()[0x2C0], 0x01);
    EXPECT_EQ(h.radio.memory()[0x2C1], 0x02);
    EXPECT_EQ(h.radio.memory()[0x2C2], patterned()[0x2C2]);
}

TEST(Radio, TurnaroundDelaysEveryAnswerAndStoringAWriteItsAck) {
    Options options;
    options.replyDelay = Millis{7};
    options.writeMs = Millis{30};
    Harness h(options);
    EXPECT_EQ(h.send("5245414404000030").answers.at(0).delay, Millis{7});
    EXPECT_EQ(h.send("5752494502C000010A").answers.at(0).delay, Millis{37});
}

TEST(Radio, ACorruptWriteIsAcknowledgedButStoredWithOneByteChanged) {
    Options options;
    options.faults[Fault::Corrupt] = 1;
    options.corruptOffset = 1;
    Harness h(options);
    EXPECT_EQ(Harness::answerHex(h.send("5752494502C00002AABB")), "06");
    EXPECT_EQ(Harness::answerHex(h.send("5752494502C00002AABB")), "06");
    EXPECT_EQ(h.radio.memory()[0x2C0], 0xAA);
    EXPECT_EQ(h.radio.memory()[0x2C1], 0xBA) << "frame 1, data byte 1, lowest bit flipped";
}

TEST(Radio, HandshakeAndExitGetNoAnswerAndAreNamedInTheLog) {
    Harness h;
    EXPECT_TRUE(h.send(kHandshake + "5245414402C00001" + kExit).answers.size() == 1);
    EXPECT_EQ(h.log, (std::vector<std::string>{"HANDSHAKE " + kHandshake, "READ 5245414402C00001",
                                               "EXIT " + kExit}));
}

TEST(Radio, HandshakeReplyIsSentWhenConfigured) {
    Options o;
    o.handshakeReply = {0xAA, 0x55};
    o.replyDelay = Millis{30};
    Harness h(o);
    const Outcome out = h.send(kHandshake);
    ASSERT_EQ(out.answers.size(), 1u);
    EXPECT_EQ(out.answers[0].bytes, (Bytes{0xAA, 0x55}));
    EXPECT_EQ(out.answers[0].delay, Millis{30});
}

TEST(Radio, FramesSplitAcrossChunksAreReassembled) {
    Harness h;
    const Bytes frame = bytesOf(
        "57524945"
        "02700003"
        "0A0B0C"
        "5245414402700003");
    std::vector<Answer> answers;
    for (const auto b : frame) {
        auto o = h.radio.receive(Bytes{b});
        for (auto& a : o.answers) {
            EXPECT_EQ(a.afterByte, 0u);  // the frame ended with the byte just given
            answers.push_back(a);
        }
    }
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].bytes, Bytes{kAck});
    EXPECT_EQ(answers[1].bytes, (Bytes{0x0A, 0x0B, 0x0C}));
}

TEST(Radio, AnswersNameTheByteThatEndedTheirFrame) {
    Harness h;
    h.send("524541");  // half a frame
    const Outcome o = h.send(
        "4400100001"
        "5245414400200001");
    ASSERT_EQ(o.answers.size(), 2u);
    EXPECT_EQ(o.answers[0].afterByte, 4u);
    EXPECT_EQ(o.answers[1].afterByte, 12u);
}

TEST(Radio, JunkBeforeACommandIsLoggedAndSkipped) {
    Harness h;
    const Outcome o = h.send(
        "00524552"
        "5245414400100001");
    EXPECT_EQ(Harness::answerHex(o), toHex(Bytes{0x10}));
    EXPECT_EQ(h.log, (std::vector<std::string>{"JUNK 00524552", "READ 5245414400100001"}));
}

// One read or write frame of the sequence, with the answer expected when
// the fault sits on frame 1.
struct FaultCase {
    const char* name;
    Fault fault;
    std::string frame;
    std::vector<std::string> answers;  // one entry per answer part
    Millis firstDelay{0};
    bool stored = true;  // for write frames
};

void PrintTo(const FaultCase& c, std::ostream* os) {
    *os << c.name;
}

class RadioFault : public testing::TestWithParam<FaultCase> {};

TEST_P(RadioFault, AppliesOnlyToItsFrame) {
    const FaultCase& c = GetParam();
    Options options;
    options.faults[c.fault] = 1;
    options.late = Millis{600};
    Harness h(options);
    h.send(kHandshake);
    EXPECT_EQ(Harness::answerHex(h.send(c.frame)), Harness::answerHex(Harness().send(c.frame)));
    const Outcome o = h.send(c.frame);
    ASSERT_EQ(o.answers.size(), c.answers.size());
    for (std::size_t i = 0; i < o.answers.size(); ++i)
        EXPECT_EQ(toHex(o.answers[i].bytes), c.answers[i]);
    if (!o.answers.empty()) {
        EXPECT_EQ(o.answers[0].delay, c.firstDelay);
    }
    EXPECT_EQ(o.memoryChanged, c.frame.starts_with("5752") && c.stored);
    EXPECT_EQ(Harness::answerHex(h.send(c.frame)), Harness::answerHex(Harness().send(c.frame)));
}

const std::string kRead4 = "5245414400100004";  // answer 10 11 12 13
const std::string kWrite =
    "5752494500100001"
    "AA";

INSTANTIATE_TEST_SUITE_P(
    Faults, RadioFault,
    testing::Values(FaultCase{"ShortRead", Fault::Short, kRead4, {"101112"}},
                    FaultCase{"ShortWrite", Fault::Short, kWrite, {}},
                    FaultCase{"ExtraRead", Fault::Extra, kRead4, {"1011121300"}},
                    FaultCase{"ExtraWrite", Fault::Extra, kWrite, {"0600"}},
                    FaultCase{"SplitRead", Fault::Split, kRead4, {"1011", "1213"}},
                    FaultCase{"LateRead", Fault::Late, kRead4, {"10111213"}, Millis{600}},
                    FaultCase{"NakWrite", Fault::Nak, kWrite, {"15"}, Millis{0}, false},
                    FaultCase{"NakRead", Fault::Nak, kRead4, {"15"}},
                    FaultCase{"DoubleAckWrite", Fault::DoubleAck, kWrite, {"0606"}},
                    FaultCase{"DoubleAckLeavesReads", Fault::DoubleAck, kRead4, {"10111213"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A radio that pads short answers to 48 bytes or cuts long ones to 48:
// the memory from the frame's address on, however long the answer.
TEST(Radio, AnswersPaddedOrCutTo48BytesComeFromTheFramesAddress) {
    struct Case {
        bool pad, cut;
        std::string frame;
        std::size_t address, answerBytes;
    };
    const std::vector<Case> cases{
        {true, false, "5245414402700010", 0x270, 48}, {true, false, "5245414402C00001", 0x2C0, 48},
        {true, false, "5245414402800040", 0x280, 64}, {false, true, "5245414402800040", 0x280, 48},
        {false, true, "5245414402700010", 0x270, 16}, {true, true, "5245414404000030", 0x400, 48},
    };
    const Memory m = patterned();
    for (const Case& c : cases) {
        Options options;
        options.padTo48 = c.pad;
        options.cutTo48 = c.cut;
        Harness h(options);
        const auto from = m.begin() + static_cast<long>(c.address);
        EXPECT_EQ(Harness::answerHex(h.send(c.frame)),
                  toHex(Bytes(from, from + static_cast<long>(c.answerBytes))))
            << c.frame << (c.pad ? " padded" : "") << (c.cut ? " cut" : "");
    }
}

TEST(Radio, SplitAnswerHasItsSecondPartLater) {
    Options options;
    options.faults[Fault::Split] = 0;
    options.replyDelay = Millis{5};
    Harness h(options);
    const Outcome o = h.send(kRead4);
    ASSERT_EQ(o.answers.size(), 2u);
    EXPECT_EQ(o.answers[1].delay - o.answers[0].delay, kSplitGap);
}

TEST(Radio, SilentFromItsFrameOnUntilTheNextHandshake) {
    Options options;
    options.faults[Fault::Silent] = 2;
    Harness h(options);
    for (const bool answered : {true, true, false, false}) {
        const Outcome o = h.send(kWrite);
        EXPECT_EQ(o.answers.empty(), !answered);
        EXPECT_EQ(o.memoryChanged, answered);
    }
    h.send(kHandshake);
    EXPECT_EQ(Harness::answerHex(h.send(kRead4)), "AA111213") << "the first two writes were stored";
}

TEST(Radio, HangupClosesTheLineAndIgnoresEverythingAfter) {
    Options options;
    options.faults[Fault::Hangup] = 1;
    Harness h(options);
    EXPECT_FALSE(h.send(kRead4).hangup);
    const Outcome o = h.send(kWrite + kRead4);
    EXPECT_TRUE(o.hangup);
    EXPECT_TRUE(o.answers.empty());
    EXPECT_FALSE(o.memoryChanged);
    EXPECT_TRUE(h.radio.hungUp());
    EXPECT_TRUE(h.send(kRead4).answers.empty());
}

}  // namespace
}  // namespace duoband::sim
