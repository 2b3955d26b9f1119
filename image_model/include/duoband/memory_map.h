// Where the configuration lives in the radio's memory and the fixed plan of
// 136 transfers that the full read and the full write both walk.
//
//   steps   address               length  carries
//   0..63   0x0400 + 0x30*s       0x30    band A channels 2s+1, 2s+2
//   64..127 0x1000 + 0x30*(s-64)  0x30    band B channels
//   128     0x0300                0x30    band A settings (k1, k2)
//   129     0x0380                0x30    band B settings (k3, k4)
//   130     0x0200                0x30    general settings (k5)
//   131     0x0240                0x30    DTMF groups 1..6 (k6, k7, k8)
//   132     0x0270                0x10    DTMF groups 7, 8 (k9)
//   133     0x0280                0x40    ID and remote codes (k12..k15)
//   134     0x02C0                0x01    remote state (sypz9)
//   135     0x02D0                0x21    boot message, limits (k10, k11)
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace duoband {

struct TransferStep {
    std::uint16_t address;
    std::uint16_t length;
};

inline constexpr int kTransferSteps = 136;
inline constexpr int kChannelStepsPerBand = 64;
inline constexpr int kRecordBytes = 24;

inline constexpr int kStepBandA = 128;
inline constexpr int kStepBandB = 129;
inline constexpr int kStepGeneral = 130;
inline constexpr int kStepDtmf16 = 131;
inline constexpr int kStepDtmf78 = 132;
inline constexpr int kStepCodes = 133;
inline constexpr int kStepRemoteState = 134;
inline constexpr int kStepBootLimits = 135;

const std::array<TransferStep, kTransferSteps>& transferPlan();

inline constexpr std::uint16_t kBandAChannelBase = 0x0400;
inline constexpr std::uint16_t kBandBChannelBase = 0x1000;

// The two transfers outside the plan, used by the "Limit Frequency" page.
inline constexpr TransferStep kBootMessageTransfer{0x02D0, 0x10};  // k10
inline constexpr TransferStep kLimitsTransfer{0x02E0, 0x11};       // k11

// A hidden block field k1..k15: the memory it stands for and its caption.
struct BlockFieldInfo {
    int number;
    std::uint16_t address;
    int bytes;
    std::string_view caption;
};

const BlockFieldInfo& blockField(int number);  // 1..15

}  // namespace duoband
