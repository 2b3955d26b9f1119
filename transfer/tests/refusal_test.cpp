// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Exchanges that must not send anything at all.
#include <gtest/gtest.h>

#include "duoband/exchange.h"
#include "sim_harness.h"

namespace duoband {
namespace {

using testing_support::RadioLink;

struct BadConfiguration {
    const char* name;
    void (*spoil)(EditorModel&);
    const char* mentions;  // a part of the message
};

void PrintTo(const BadConfiguration& c, std::ostream* os) {
    *os << c.name;
}

class WriteRefused : public testing::TestWithParam<BadConfiguration> {};

// The port stays closed: whatever the exchange tried to send shows in the trace.
TEST_P(WriteRefused, BeforeTheHandshake) {
    SerialPort port;
    HeadlessPump pump(port);
    ProgrammingExchange exchange(port, pump);
    std::vector<std::string> sent;
    exchange.onTrace = [&](TraceDirection, std::span<const std::uint8_t> b) {
        sent.push_back(toHex(b));
    };
    EditorModel model;
    model.channels(Band::A).cell(Column::RxFrequency, 1) = "145.50000";
    GetParam().spoil(model);
    int progressCalls = 0;
    const ExchangeResult r = exchange.fullWrite(model, [&](int) { ++progressCalls; });
    EXPECT_EQ(r.outcome, ExchangeOutcome::Invalid);
    EXPECT_NE(r.message.find(GetParam().mentions), std::string::npos) << r.message;
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(progressCalls, 0);
    EXPECT_FALSE(exchange.busy());
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, WriteRefused,
    testing::Values(
        BadConfiguration{
            "FrequencyNotANumber",
            [](EditorModel& m) { m.channels(Band::B).cell(Column::RxFrequency, 77) = "14x.5"; },
            "channel 77"},
        BadConfiguration{"UnknownReceivingMode",
                         [](EditorModel& m) { m.channels(Band::A).cell(Column::RxMode, 1) = "QT"; },
                         "Receiving Mode"},
        BadConfiguration{"BlockFieldTooShort",
                         [](EditorModel& m) { m.blocks[Block::General].pop_back(); },
                         "0X0200--0X0211"},
        BadConfiguration{"BlockFieldNotHex",
                         [](EditorModel& m) { m.blocks[Block::AlarmAndIdentity][4] = 'G'; },
                         "0X0290--0X029B"},
        BadConfiguration{"NoRemoteState", [](EditorModel& m) { m.remoteState.select(-1); },
                         "current state"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PartialWriteRefused, ABlockFieldThatIsNotHex) {
    SerialPort port;
    HeadlessPump pump(port);
    ProgrammingExchange exchange(port, pump);
    int sends = 0;
    exchange.onTrace = [&](TraceDirection, std::span<const std::uint8_t>) { ++sends; };
    EditorModel model;
    model.blocks[Block::Limits] = "XY" + model.blocks[Block::Limits].substr(2);
    const ExchangeResult r = exchange.writePartial(PartialBlock::Limits, model);
    EXPECT_EQ(r.outcome, ExchangeOutcome::Invalid);
    EXPECT_NE(r.message.find("0X02E0--0X02EF"), std::string::npos);
    EXPECT_EQ(sends, 0);
}

// A pump that, like a click on a still-live button, tries to start a second
// exchange while the first one waits.
class ImpatientPump : public MessagePump {
  public:
    ImpatientPump(MessagePump& inner) : inner_(inner) {}
    void waitUntil(const Deadline& d) override {
        if (exchange && !tried) {
            tried = true;
            EditorModel other;
            nested.push_back(exchange->fullRead(other));
            nested.push_back(exchange->fullWrite(other));
            nested.push_back(exchange->readPartial(PartialBlock::Limits, other));
            nested.push_back(exchange->writePartial(PartialBlock::BootMessage, other));
        }
        inner_.waitUntil(d);
    }
    ProgrammingExchange* exchange = nullptr;
    bool tried = false;
    std::vector<ExchangeResult> nested;

  private:
    MessagePump& inner_;
};

TEST(ExchangeGuard, ASecondExchangeIsRefusedWhileOneRuns) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--sample"}));
    ImpatientPump pump(link.pump);
    ProgrammingExchange exchange(link.port, pump);
    pump.exchange = &exchange;
    std::vector<std::string> sent;
    exchange.onTrace = [&](TraceDirection d, std::span<const std::uint8_t> b) {
        if (d == TraceDirection::Sent) sent.push_back(toHex(b));
    };
    EditorModel model;
    const ExchangeResult r = exchange.readPartial(PartialBlock::BootMessage, model);
    EXPECT_EQ(r.message, kPartialReadSuccess);
    EXPECT_EQ(model.bootMessage[0], "DUOBAND");
    ASSERT_EQ(pump.nested.size(), 4u);
    for (const auto& n : pump.nested) {
        EXPECT_EQ(n.outcome, ExchangeOutcome::Busy);
        EXPECT_EQ(n.message, kExchangeBusy);
    }
    EXPECT_EQ(sent, (std::vector<std::string>{std::string(kHandshakeHex), "5245414402D00010",
                                              std::string(kExitHex)}));
    EXPECT_FALSE(exchange.busy());
}

}  // namespace
}  // namespace duoband
