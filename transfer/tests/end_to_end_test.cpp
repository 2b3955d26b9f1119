// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The exchange against the simulated radio: SerialPort, a pseudo-terminal and
// the real duoband-radio-sim.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>

#include "duoband/exchange.h"
#include "duoband/memory_image.h"
#include "duoband/radio_sim_sample.h"
#include "duoband/settings_table.h"
#include "sim_harness.h"

namespace duoband {
namespace {

using namespace std::chrono_literals;
using testing_support::countPrefix;
using testing_support::RadioLink;
using testing_support::TempFile;
using testing_support::waitForExit;

// Every progress value reported, in order.
struct ProgressLog {
    std::vector<int> values;
    ProgrammingExchange::Progress callback() {
        return [this](int v) { values.push_back(v); };
    }
    std::vector<int> expectedUpTo(int last) const {
        std::vector<int> v;
        for (int i = 0; i <= last; ++i) v.push_back(i);
        return v;
    }
};

void expectSampleChannelsAndBandPages(const EditorModel& m) {
    const EditorModel sample = sim::sampleModel();
    testing_support::expectSameTable(m.channels(Band::A), sample.channels(Band::A), "band A");
    testing_support::expectSameTable(m.channels(Band::B), sample.channels(Band::B), "band B");
    for (Block b :
         {Block::BandASettings, Block::BandAExtra, Block::BandBSettings, Block::BandBExtra}) {
        EXPECT_EQ(m.blocks[b], sample.blocks[b]) << blockFieldSetting(b).caption;
    }
    EXPECT_EQ(m.band(Band::A).workingMode.text(), "Channel Mode");
    EXPECT_EQ(m.band(Band::A).channel.text(), "3");
    EXPECT_EQ(m.band(Band::A).rxFrequency, "146.52000");
    EXPECT_EQ(m.band(Band::A).rxTone.text(), "88.5HZ");
    EXPECT_EQ(m.band(Band::B).rxFrequency, "439.10000");
    EXPECT_EQ(m.band(Band::B).txTone.text(), "D023I");
    EXPECT_EQ(m.band(Band::B).offset, "5.00000");
}

TEST(FullRead, TheSampleRadioFillsTablesAndPages) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--sample"}));
    EditorModel model;
    ProgressLog progress;
    const ExchangeResult r = link.exchange.fullRead(model, progress.callback());
    EXPECT_EQ(r.message, kReadSuccess);
    EXPECT_EQ(r.outcome, ExchangeOutcome::Success);
    EXPECT_EQ(r.progress, kTransferSteps);
    EXPECT_EQ(progress.values, progress.expectedUpTo(kTransferSteps));

    expectSampleChannelsAndBandPages(model);
    EXPECT_EQ(model.channels(Band::A).cell(Column::Name, 7), "SITE");
    EXPECT_EQ(model.channels(Band::B).cell(Column::RxTone, 4), "D047N");
    EXPECT_EQ(model.channels(Band::A).cell(Column::RxFrequency, 13), "") << "channel 13 is empty";
    EXPECT_EQ(model.blocks, sim::sampleModel().blocks);
    EXPECT_EQ(model.general.mainBand.text(), "B/Under Band");
    EXPECT_EQ(model.general.fmFrequency, "98.0");
    EXPECT_EQ(model.general.toneBurst.text(), "1450HZ");
    EXPECT_EQ(model.dtmfGroups[4], "1234567");
    EXPECT_EQ(model.remoteCodes[3], "A1");
    EXPECT_EQ(model.remoteState.text(), "Normal");
    EXPECT_EQ(model.bootMessage[0], "DUOBAND");
    EXPECT_EQ(model.limits[0], "136");
    EXPECT_EQ(model.limitMode.text(), "ON");

    const auto log = waitForExit(link.log.path());
    ASSERT_EQ(log.size(), 2u + kTransferSteps);
    EXPECT_EQ(log.front(), "HANDSHAKE 50524F4D5F4C494E");
    for (int s = 0; s < kTransferSteps; ++s)
        EXPECT_EQ(log[static_cast<std::size_t>(s) + 1],
                  "READ " + readFrame(transferPlan()[static_cast<std::size_t>(s)]));
    EXPECT_EQ(log.back(), "EXIT 45584954");
    EXPECT_EQ(link.exitsSent(), 1);
}

// The sample radio with values that the page tables do not hold: remote
// state 0x03, a boot message whose first line counts 0 characters, two
// limits not set and limit mode 0x02.
std::string oddValuesMemoryFile(const TempFile& file) {
    sim::Memory memory = sim::sampleMemory();
    memory[0x02C0] = 0x03;
    const Bytes bootAndLimits = *fromHex(
        "00FFFFFFFFFFFFFF0548454C4C4FFFFF"
        "00CF8500010C8E00FFFFFFFFFFFFFFFF02");
    std::copy(bootAndLimits.begin(), bootAndLimits.end(), memory.begin() + 0x02D0);
    sim::saveMemory(memory, file.path());
    return file.path();
}

TEST(FullRead, SplitAnswersAndValuesOutsideTheTablesAreAccepted) {
    TempFile memory("odd.bin");
    RadioLink link;
    ASSERT_TRUE(link.start({"--memory", oddValuesMemoryFile(memory), "--split-at", "5"}));
    EditorModel model;
    model.remoteState.select(2);
    model.limitMode.select(0);
    EXPECT_EQ(link.exchange.fullRead(model).message, kReadSuccess);
    expectSampleChannelsAndBandPages(model);
    EXPECT_EQ(model.remoteState.text(), "Kill") << "0x03 keeps the previous entry";
    EXPECT_EQ(model.bootMessage[0], "");
    EXPECT_EQ(model.bootMessage[1], "HELLO");
    EXPECT_EQ(model.blocks[Block::BootMessage], "00FFFFFFFFFFFFFF0548454C4C4FFFFF");
    EXPECT_EQ(model.limits, (decltype(model.limits){"136", "176", "", ""}));
    EXPECT_EQ(model.limitMode.text(), "OFF") << "mode 0x02 keeps the previous entry";
    EXPECT_EQ(model.blocks[Block::Limits], "00CF8500010C8E00FFFFFFFFFFFFFFFF02");
}

struct WrongLength {
    const char* fault;
    const char* name;
};

void PrintTo(const WrongLength& c, std::ostream* os) {
    *os << c.name;
}

class AnswerOfTheWrongLength : public testing::TestWithParam<WrongLength> {};

// A READ is answered with exactly `length` bytes; one byte less or more is no answer.
TEST_P(AnswerOfTheWrongLength, IsAReadError) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--sample", GetParam().fault, "0"}));
    EditorModel model;
    const ExchangeResult r = link.exchange.fullRead(model);
    EXPECT_EQ(r.message, kReadError);
    EXPECT_EQ(r.progress, 0);
    EXPECT_EQ(model, EditorModel());
    const auto log = waitForExit(link.log.path());
    EXPECT_EQ(countPrefix(log, "READ"), 1);
    EXPECT_EQ(countPrefix(log, "EXIT"), 1);
}

INSTANTIATE_TEST_SUITE_P(Faults, AnswerOfTheWrongLength,
                         testing::Values(WrongLength{"--short-at", "Short"},
                                         WrongLength{"--extra-at", "Extra"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FullRead, SilentRadioLeavesTheModelUnchanged) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--sample", "--silent-at", "0"}));
    EditorModel model;
    ProgressLog progress;
    const ExchangeResult r = link.exchange.fullRead(model, progress.callback());
    EXPECT_EQ(r.message, kReadError);
    EXPECT_EQ(r.outcome, ExchangeOutcome::RadioFailed);
    EXPECT_EQ(progress.values, std::vector<int>{0});
    EXPECT_EQ(model, EditorModel());
    const auto log = waitForExit(link.log.path());
    EXPECT_EQ(countPrefix(log, "READ"), 1);
    EXPECT_EQ(countPrefix(log, "EXIT"), 1);
    EXPECT_EQ(link.exitsSent(), 1);
}

TEST(FullRead, SilentAtTheGeneralSettingsKeepsEverythingAfter) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--sample", "--silent-at", "130"}));
    EditorModel model;
    const EditorModel before = model;
    const ExchangeResult r = link.exchange.fullRead(model);
    EXPECT_EQ(r.message, kReadError);
    EXPECT_EQ(r.progress, 130);
    EXPECT_TRUE(r.detail.starts_with("Step 131 of 136: nothing came back on /dev/pts/"))
        << r.detail;
    expectSampleChannelsAndBandPages(model);
    // every block field after the band settings
    for (int n = static_cast<int>(Block::General); n < kBlockCount; ++n) {
        const Block b = static_cast<Block>(n);
        EXPECT_EQ(model.blocks[b], before.blocks[b]) << blockFieldSetting(b).caption;
    }
    EXPECT_EQ(model.general.mainBand, before.general.mainBand);
    EXPECT_EQ(model.dtmfGroups, before.dtmfGroups);
    EXPECT_EQ(model.remoteCodes, before.remoteCodes);
    EXPECT_EQ(model.remoteState, before.remoteState);
    EXPECT_EQ(model.bootMessage[0], before.bootMessage[0]);
    EXPECT_EQ(model.limits, before.limits);
    const auto log = waitForExit(link.log.path());
    EXPECT_EQ(countPrefix(log, "READ"), 131);
    EXPECT_EQ(countPrefix(log, "EXIT"), 1);
}

TEST(FullRead, AHangUpEndsTheReadWithoutWaitingItOut) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--sample", "--hangup-at", "3"}));
    EditorModel model;
    const auto started = std::chrono::steady_clock::now();
    const ExchangeResult r = link.exchange.fullRead(model);
    EXPECT_EQ(r.message, kReadError);
    EXPECT_EQ(r.progress, 3);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1000ms);
    EXPECT_EQ(model.channels(Band::A).cell(Column::Name, 6), "FARM")
        << "steps before the hang-up stay loaded";
    EXPECT_EQ(model.channels(Band::A).cell(Column::Name, 7), "");
    // The radio has left the line, so only the sending side can show it.
    EXPECT_EQ(link.exitsSent(), 1);
    EXPECT_EQ(link.sent.back(), kExitHex);
}

// A NAK is not taken for a one-byte answer that came short.
TEST(FullRead, ANakIsSaidAsTheRadioRefusingTheFrame) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--sample", "--nak-at", "5"}));
    EditorModel model;
    const ExchangeResult r = link.exchange.fullRead(model);
    EXPECT_EQ(r.progress, 5);
    EXPECT_TRUE(r.detail.starts_with("Step 6 of 136: the radio refused the frame (NAK, 0x15) on "))
        << r.detail;
}

// The memory the radio starts with in the write tests: every byte 0x00, so
// that every byte the write leaves alone, or fills with 0xFF, shows.
std::string zeroMemoryFile(const TempFile& file) {
    std::ofstream(file.path(), std::ios::binary) << std::string(sim::kMemorySize, '\0');
    return file.path();
}

TEST(FullWrite, StoresEveryRangeAndReadsBackTheSame) {
    TempFile memory("zero.bin"), saved("saved.bin");
    RadioLink link;
    // The answer to the handshake must be dropped, or the first acknowledgement reads "0606".
    ASSERT_TRUE(link.start({"--memory", zeroMemoryFile(memory), "--save-memory", saved.path(),
                            "--handshake-reply", "06"}));
    EditorModel model = sim::sampleModel();
    model.remoteState.select(2);  // "Kill"
    ProgressLog progress;
    const ExchangeResult r = link.exchange.fullWrite(model, progress.callback());
    EXPECT_EQ(r.message, kWriteSuccess);
    EXPECT_EQ(progress.values, progress.expectedUpTo(kTransferSteps));

    const auto log = waitForExit(link.log.path());
    const ImageEncoding expected = encodeImage(model);
    ASSERT_EQ(log.size(), 2u + kTransferSteps);
    for (std::size_t s = 0; s < kTransferSteps; ++s)
        EXPECT_EQ(log[s + 1], "WRITE " + writeFrame(transferPlan()[s], expected.data[s])) << s;
    EXPECT_EQ(log.back(), "EXIT 45584954");

    std::string error;
    const auto m = sim::loadMemory(saved.path(), error);
    ASSERT_TRUE(m) << error;
    const auto at = [&](std::size_t address, std::size_t length) {
        return toHex(std::span<const std::uint8_t>(m->data() + address, length));
    };
    for (std::size_t s = 0; s < kTransferSteps; ++s) {
        const auto& step = transferPlan()[s];
        EXPECT_EQ(at(step.address, step.length), expected.data[s]) << "step " << s;
    }
    EXPECT_EQ(at(0x02C0, 1), "02");
    for (const auto& [address, length] : std::vector<std::pair<std::size_t, std::size_t>>{
             {0x0212, 30}, {0x02B4, 12}, {0x0320, 16}, {0x03A0, 16}})
        EXPECT_EQ(at(address, length), std::string(2 * length, 'F')) << "not kept: " << address;
    for (const auto& [address, length] :
         std::vector<std::pair<std::size_t, std::size_t>>{{0x0000, 0x200},
                                                          {0x0230, 16},
                                                          {0x02C1, 15},
                                                          {0x02F1, 15},
                                                          {0x0330, 0x50},
                                                          {0x03B0, 0x50},
                                                          {0x1C00, 0xE400}})
        EXPECT_EQ(at(address, length), std::string(2 * length, '0')) << "untouched: " << address;

    EditorModel back;
    EXPECT_EQ(link.exchange.fullRead(back).message, kReadSuccess);
    testing_support::expectSameTable(back.channels(Band::A), model.channels(Band::A), "band A");
    testing_support::expectSameTable(back.channels(Band::B), model.channels(Band::B), "band B");
    EXPECT_EQ(back.blocks, model.blocks);
    EXPECT_EQ(back.remoteState.text(), "Kill");
}

TEST(FullWrite, ANakStopsTheWriteAtItsStep) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--nak-at", "40"}));
    ProgressLog progress;
    const ExchangeResult r = link.exchange.fullWrite(sim::sampleModel(), progress.callback());
    EXPECT_EQ(r.message, kWriteError);
    EXPECT_EQ(r.outcome, ExchangeOutcome::RadioFailed);
    EXPECT_EQ(r.progress, 40);
    EXPECT_TRUE(r.detail.starts_with("Step 41 of 136: the radio refused the frame (NAK, 0x15)"))
        << r.detail;
    EXPECT_EQ(progress.values.back(), 40);
    const auto log = waitForExit(link.log.path());
    EXPECT_EQ(countPrefix(log, "WRITE"), 41) << "no frame after step 40";
    EXPECT_EQ(countPrefix(log, "EXIT"), 1);
    EXPECT_EQ(log.back(), "EXIT 45584954");
}

TEST(FullWrite, ADoubleAcknowledgementIsNoAcknowledgement) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--double-ack-at", "2"}));
    const ExchangeResult r = link.exchange.fullWrite(sim::sampleModel());
    EXPECT_EQ(r.message, kWriteError);
    EXPECT_EQ(r.progress, 2);
    const auto log = waitForExit(link.log.path());
    EXPECT_EQ(countPrefix(log, "WRITE"), 3);
    EXPECT_EQ(countPrefix(log, "EXIT"), 1);
}

TEST(PartialTransfers, BootMessageAndLimitsBothWays) {
    TempFile saved("saved.bin");
    RadioLink link;
    ASSERT_TRUE(
        link.start({"--sample", "--save-memory", saved.path(), "--handshake-reply", "0606"}));
    EditorModel model;
    EXPECT_EQ(link.exchange.readPartial(PartialBlock::BootMessage, model).message,
              kPartialReadSuccess);
    EXPECT_EQ(model.bootMessage[0], "DUOBAND");
    EXPECT_EQ(model.bootMessage[1], "SAMPLE");
    EXPECT_EQ(model.blocks[Block::BootMessage], sim::sampleModel().blocks[Block::BootMessage]);
    EXPECT_EQ(link.exchange.readPartial(PartialBlock::Limits, model).message, kPartialReadSuccess);
    EXPECT_EQ(model.limits[1], "174");
    EXPECT_EQ(model.limitMode.text(), "ON");
    EXPECT_EQ(model.blocks[Block::Limits], sim::sampleModel().blocks[Block::Limits]);

    model.blocks[Block::BootMessage] = "0548454C4C4FFFFF00FFFFFFFFFFFFFF";
    model.blocks[Block::Limits] = "00CF8500010C8E00FFFFFFFFFFFFFFFF00";
    EXPECT_EQ(link.exchange.writePartial(PartialBlock::BootMessage, model).message,
              kPartialWriteSuccess);
    EXPECT_EQ(link.exchange.writePartial(PartialBlock::Limits, model).message,
              kPartialWriteSuccess);
    const auto log = testing_support::waitForLog(
        link.log.path(), [](const auto& l) { return countPrefix(l, "EXIT") == 4; });
    EXPECT_EQ(countPrefix(log, "HANDSHAKE"), 4);
    EXPECT_EQ(countPrefix(log, "EXIT"), 4);
    std::string error;
    const auto m = sim::loadMemory(saved.path(), error);
    ASSERT_TRUE(m) << error;
    EXPECT_EQ(toHex(std::span<const std::uint8_t>(m->data() + 0x02D0, 33)),
              model.blocks[Block::BootMessage] + model.blocks[Block::Limits]);
}

class ALateAnswer : public testing::TestWithParam<PartialBlock> {};

// A failed read leaves everything as it was: the page keeps showing what a
// write would send.
TEST_P(ALateAnswer, IsAReadErrorThatChangesNothing) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--sample", "--late-at", "0", "--late-ms", "600"}));
    EditorModel model;
    model.bootMessage[0] = model.bootMessage[1] = "OLD";
    for (std::string& limit : model.limits) limit = "OLD";
    model.limitMode.select(0);
    const EditorModel before = model;
    const ExchangeResult r = link.exchange.readPartial(GetParam(), model);
    EXPECT_EQ(r.message, kPartialReadError);
    EXPECT_EQ(r.outcome, ExchangeOutcome::RadioFailed);
    EXPECT_EQ(model, before);
    const auto log = waitForExit(link.log.path());
    EXPECT_EQ(countPrefix(log, "EXIT"), 1);
}

INSTANTIATE_TEST_SUITE_P(PartialTransfers, ALateAnswer,
                         testing::Values(PartialBlock::BootMessage, PartialBlock::Limits),
                         [](const auto& info) {
                             return info.param == PartialBlock::BootMessage ? "BootMessage"
                                                                            : "Limits";
                         });

TEST(PartialTransfers, ANakIsAWriteError) {
    RadioLink link;
    ASSERT_TRUE(link.start({"--nak-at", "0"}));
    const ExchangeResult r = link.exchange.writePartial(PartialBlock::Limits, EditorModel());
    EXPECT_EQ(r.message, kPartialWriteError);
    const auto log = waitForExit(link.log.path());
    EXPECT_EQ(countPrefix(log, "EXIT"), 1);
}

}  // namespace
}  // namespace duoband
