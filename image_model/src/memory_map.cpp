// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/memory_map.h"

namespace duoband {

namespace {

constexpr std::array<TransferStep, kTransferSteps> makePlan() {
    std::array<TransferStep, kTransferSteps> plan{};
    for (int s = 0; s < kChannelStepsPerBand; ++s) {
        plan[s] = {static_cast<std::uint16_t>(kBandAChannelBase + 0x30 * s), 0x30};
        plan[s + kChannelStepsPerBand] = {static_cast<std::uint16_t>(kBandBChannelBase + 0x30 * s),
                                          0x30};
    }
    plan[kStepBandA] = {0x0300, 0x30};
    plan[kStepBandB] = {0x0380, 0x30};
    plan[kStepGeneral] = {0x0200, 0x30};
    plan[kStepDtmf16] = {0x0240, 0x30};
    plan[kStepDtmf78] = {0x0270, 0x10};
    plan[kStepCodes] = {0x0280, 0x40};
    plan[kStepRemoteState] = {0x02C0, 0x01};
    plan[kStepBootLimits] = {0x02D0, 0x21};
    return plan;
}

constexpr auto kPlan = makePlan();

// In the order of the Block enumeration.
constexpr std::array<BlockExtent, kBlockCount> kBlockExtents{{
    {0x0300, 16},
    {0x0310, 16},
    {0x0380, 16},
    {0x0390, 16},
    {0x0200, 18},
    {0x0240, 16},
    {0x0250, 16},
    {0x0260, 16},
    {0x0270, 16},
    {0x02D0, 16},
    {0x02E0, 17},
    {0x0280, 16},
    {0x0290, 12},
    {0x029C, 12},
    {0x02A8, 12},
}};

using enum Block;
constexpr std::array<Block, 2> kBandABlocks{BandASettings, BandAExtra};
constexpr std::array<Block, 2> kBandBBlocks{BandBSettings, BandBExtra};
constexpr std::array<Block, 1> kGeneralBlocks{General};
constexpr std::array<Block, 4> kDtmfBlocks{DtmfGroups1And2, DtmfGroups3And4, DtmfGroups5And6,
                                           DtmfGroups7And8};
constexpr std::array<Block, 4> kCodeBlocks{NativeAndMasterId, AlarmAndIdentity, ReviveAndRemoteStun,
                                           RemoteKillAndMonitor};
constexpr std::array<Block, 2> kBootLimitBlocks{BootMessage, Limits};

}  // namespace

const std::array<TransferStep, kTransferSteps>& transferPlan() {
    return kPlan;
}

BlockExtent blockExtent(Block block) {
    return kBlockExtents.at(static_cast<std::size_t>(block));
}

std::span<const Block> regionBlocks(Region region, Band band) {
    switch (region) {
        case Region::BandSettings:
            return band == Band::A ? std::span<const Block>(kBandABlocks) : kBandBBlocks;
        case Region::General:
            return kGeneralBlocks;
        case Region::DtmfGroups:
            return kDtmfBlocks;
        case Region::Codes:
            return kCodeBlocks;
        case Region::BootAndLimits:
            return kBootLimitBlocks;
        case Region::RemoteState:
            break;
    }
    return {};
}

std::uint16_t regionAddress(Region region, Band band) {
    if (region == Region::RemoteState) return kPlan[kStepRemoteState].address;
    return blockExtent(regionBlocks(region, band).front()).address;
}

}  // namespace duoband
