// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "duoband/memory_image.h"
#include "duoband/memory_map.h"
#include "duoband/radio_sim_sample.h"

namespace duoband::sim {
namespace {

HexText slice(const Memory& m, std::size_t address, std::size_t length) {
    return toHex(std::span<const std::uint8_t>(m.data() + address, length));
}

TEST(SampleRadio, MemoryHoldsTheSampleAtItsAddresses) {
    const Memory m = sampleMemory();
    // band A channel 1: 145.50000 both ways, no tones, High Wide, "CALL"
    EXPECT_EQ(slice(m, 0x0400, 24),
              "00DE03F0FFFF0000DE03F0FFFF0000C004"
              "43414C4CFFFFFF");
    EXPECT_EQ(slice(m, 0x1000, 4), "0297C1E0");  // band B channel 1: 435 MHz
    EXPECT_EQ(slice(m, 0x0400 + 24 * 12, 24), "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF00FFFFFFFFFFFFFF")
        << "channel 13 is empty";
    EXPECT_EQ(slice(m, 0x02D0, 8),
              "07"
              "44554F42414E44");  // "DUOBAND"
    EXPECT_EQ(slice(m, 0x02F0, 1), "01");
    EXPECT_EQ(slice(m, 0x02C0, 1), "00");
    EXPECT_EQ(slice(m, 0x0212, 30), std::string(60, 'F')) << "bytes not kept stay 0xFF";
    EXPECT_EQ(slice(m, 0x0230, 16), std::string(32, 'F')) << "never written";
}

TEST(SampleRadio, ReadingTheMemoryBackGivesTheSample) {
    const Memory m = sampleMemory();
    const EditorModel sample = sampleModel();
    EditorModel read;
    for (int s = 0; s < kTransferSteps; ++s) {
        const auto& step = transferPlan()[static_cast<std::size_t>(s)];
        loadReadStep(read, s, slice(m, step.address, step.length));
    }
    EXPECT_EQ(read.channels(Band::A), sample.channels(Band::A));
    EXPECT_EQ(read.channels(Band::B), sample.channels(Band::B));
    EXPECT_EQ(read.blocks, sample.blocks);
    EXPECT_EQ(read.band(Band::A).rxFrequency, "146.52000");
    EXPECT_EQ(read.band(Band::B).offset, "5.00000");
    EXPECT_EQ(read.dtmfGroups[2], "*0#");
    EXPECT_EQ(read.remoteCodes[0], "101");
    EXPECT_EQ(read.bootMessage[1], "SAMPLE");
    EXPECT_EQ(read.limits[3], "480");
}

}  // namespace
}  // namespace duoband::sim
