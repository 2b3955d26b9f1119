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

constexpr std::array<BlockFieldInfo, 15> kBlockFields{{
    {1, 0x0300, 16, "0X0300--0X030F:"},
    {2, 0x0310, 16, "0X0310--0X031F:"},
    {3, 0x0380, 16, "0X0380--0X038F:"},
    {4, 0x0390, 16, "0X0390--0X039F:"},
    {5, 0x0200, 18, "0X0200--0X0211:"},
    {6, 0x0240, 16, "0X0240--0X024F:"},
    {7, 0x0250, 16, "0X0250--0X025F:"},
    {8, 0x0260, 16, "0X0260--0X026F:"},
    {9, 0x0270, 16, "0X0270--0X027F:"},
    {10, 0x02D0, 16, "0X02D0--0X02DF:"},
    {11, 0x02E0, 17, "0X02E0--0X02EF:"},  // also holds the mode byte at 0x02F0
    {12, 0x0280, 16, "0X0280--0X028F:"},
    {13, 0x0290, 12, "0X0290--0X029B:"},
    {14, 0x029C, 12, "0X029C--0X02A7:"},
    {15, 0x02A8, 12, "0X02A8--0X02B3:"},
}};

}  // namespace

const std::array<TransferStep, kTransferSteps>& transferPlan() {
    return kPlan;
}
const BlockFieldInfo& blockField(int number) {
    return kBlockFields.at(number - 1);
}

}  // namespace duoband
