// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Where the configuration lives in the radio's memory and the fixed plan of
// 136 transfers that the full read and the full write both walk.
//
//   steps   address               length  carries
//   0..63   0x0400 + 0x30*s       0x30    band A channels 2s+1, 2s+2
//   64..127 0x1000 + 0x30*(s-64)  0x30    band B channels
//   128     0x0300                0x30    band A settings
//   129     0x0380                0x30    band B settings
//   130     0x0200                0x30    general settings
//   131     0x0240                0x30    DTMF groups 1..6
//   132     0x0270                0x10    DTMF groups 7, 8
//   133     0x0280                0x40    identity and remote-control codes
//   134     0x02C0                0x01    remote state
//   135     0x02D0                0x21    boot message, limits, limit mode
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace duoband {

enum class Band { A, B };
inline constexpr std::array<Band, 2> kBands{Band::A, Band::B};
constexpr std::size_t bandIndex(Band band) {
    return band == Band::A ? 0 : 1;
}
// How messages and reports name a band: "Band A".
constexpr std::string_view bandName(Band band) {
    return band == Band::A ? "Band A" : "Band B";
}

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

// The fifteen hidden block fields: each holds, as hex text of a fixed
// length, one slice of a settings block as the radio stores it. The pages
// encode every edit into them; a write sends them.
enum class Block {
    BandASettings,         // 0x0300..0x030F
    BandAExtra,            // 0x0310..0x031F
    BandBSettings,         // 0x0380..0x038F
    BandBExtra,            // 0x0390..0x039F
    General,               // 0x0200..0x0211
    DtmfGroups1And2,       // 0x0240..0x024F
    DtmfGroups3And4,       // 0x0250..0x025F
    DtmfGroups5And6,       // 0x0260..0x026F
    DtmfGroups7And8,       // 0x0270..0x027F
    BootMessage,           // 0x02D0..0x02DF
    Limits,                // 0x02E0..0x02F0, the limit mode included
    NativeAndMasterId,     // 0x0280..0x028F
    AlarmAndIdentity,      // 0x0290..0x029B
    ReviveAndRemoteStun,   // 0x029C..0x02A7
    RemoteKillAndMonitor,  // 0x02A8..0x02B3
};
inline constexpr int kBlockCount = 15;

// The memory a block field stands for.
struct BlockExtent {
    std::uint16_t address;
    int bytes;
};
BlockExtent blockExtent(Block block);

// The settings regions of the memory, each held in consecutive block fields
// (the remote state in none: it is only a choice).
enum class Region { BandSettings, General, DtmfGroups, Codes, RemoteState, BootAndLimits };

// A region's block fields in address order; `band` only for BandSettings.
std::span<const Block> regionBlocks(Region region, Band band = Band::A);
std::uint16_t regionAddress(Region region, Band band = Band::A);

// The two transfers outside the plan, used by the "Limit Frequency" page.
inline constexpr TransferStep kBootMessageTransfer{0x02D0, 0x10};  // Block::BootMessage
inline constexpr TransferStep kLimitsTransfer{0x02E0, 0x11};       // Block::Limits

}  // namespace duoband
