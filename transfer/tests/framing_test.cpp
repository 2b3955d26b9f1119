// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "duoband/exchange.h"

namespace duoband {
namespace {

TEST(Framing, ReadFramesOfThePlan) {
    const std::vector<std::pair<int, std::string>> table{
        {0, "5245414404000030"},   {63, "524541440FD00030"},  {64, "5245414410000030"},
        {127, "524541441BD00030"}, {128, "5245414403000030"}, {131, "5245414402400030"},
        {132, "5245414402700010"}, {133, "5245414402800040"}, {134, "5245414402C00001"},
        {135, "5245414402D00021"}};
    for (const auto& [step, frame] : table)
        EXPECT_EQ(readFrame(transferPlan()[static_cast<std::size_t>(step)]), frame) << step;
    EXPECT_EQ(readFrame(kBootMessageTransfer), "5245414402D00010");
    EXPECT_EQ(readFrame(kLimitsTransfer), "5245414402E00011");
}

TEST(Framing, WriteFramesCarryTheirData) {
    EXPECT_EQ(writeFrame(transferPlan()[134], "02"), "5752494502C0000102");
    EXPECT_EQ(writeFrame(kBootMessageTransfer, std::string(32, 'F')),
              "5752494502D00010" + std::string(32, 'F'));
}

TEST(Framing, ReceiveBufferAppendsUpperCaseDigitPairs) {
    ReceiveBuffer buffer;
    const std::uint8_t first[] = {0x06, 0xAB};
    const std::uint8_t second[] = {0x0F};
    buffer.append(first, 2);
    buffer.append(second, 1);
    EXPECT_EQ(buffer.text(), "06AB0F");
    buffer.clear();
    EXPECT_EQ(buffer.text(), "");
}

}  // namespace
}  // namespace duoband
