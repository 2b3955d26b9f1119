// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The entries of every drop-down list of the editor, entry 0 first.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "duoband/editor_model.h"

namespace duoband::lists {

// The tone list: entry 0 no tone, 1..39 CTCSS, 40..122 DCS "N", 123..205 DCS
// "I". The channel tables spell no tone "OFF" (letter O), the band pages "0FF"
// (digit zero).
inline constexpr int kToneCount = 206;
OptionList channelTones();
OptionList vfoTones();
// The ToneCode of each tone list entry (entry 0: 0xFFFF).
std::span<const std::uint16_t> toneCodes();

OptionList signalling();  // 18 entries, the entry number is the code

// Channel table choice editors
OptionList channelReceivingMode();  // "QT/DQT", "QT/DQT+Signaling"
OptionList channelPower();          // "Low", "High"
OptionList channelBandwidth();      // "Narrow", "Wide"
OptionList offOn();                 // "OFF", "ON"

// Band "Set up" pages
OptionList workingMode();
OptionList channelNumbers();  // "1".."128"
OptionList vfoReceivingMode();
OptionList vfoPower();
OptionList vfoBandwidth();
OptionList offsetDirection();
OptionList frequencyStep();
std::span<const std::uint16_t> frequencyStepCodes();

// "Comprehensive Setting"
OptionList mainBand();
OptionList zeroTo20();  // volume "0".."20"
OptionList backlight();
OptionList backlightMode();
OptionList vibrationRingTime();
OptionList timeOverTimer();
OptionList toneBurst();
std::span<const std::uint16_t> toneBurstCodes();
OptionList dtmfTime();
std::span<const std::uint16_t> dtmfTimeCodes();
OptionList zeroTo9();  // squelch level "0".."9"

// "DTMF Groups" and "Limit Frequency"
OptionList remoteState();  // "Normal", "Stun", "Kill"

}  // namespace duoband::lists
