// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/option_lists.h"

#include "duoband/translatable.h"

#include <array>
#include <string>
#include <vector>

namespace duoband::lists {

namespace {

struct CtcssTone {
    std::string_view text;
    std::uint16_t code;
};

constexpr std::array<CtcssTone, 39> kCtcss{{
    {"67.0HZ", 0x029E},  {"69.3HZ", 0x02B5},  {"71.9HZ", 0x02CF},  {"74.4HZ", 0x02E8},
    {"77.0HZ", 0x0302},  {"79.7HZ", 0x031D},  {"82.5HZ", 0x0339},  {"85.4HZ", 0x0356},
    {"88.5HZ", 0x0375},  {"91.5HZ", 0x0393},  {"94.8HZ", 0x03B4},  {"97.4HZ", 0x03CE},
    {"100.0HZ", 0x03E8}, {"103.5HZ", 0x040B}, {"107.2HZ", 0x0430}, {"110.9HZ", 0x0455},
    {"114.8HZ", 0x047C}, {"118.8HZ", 0x04A4}, {"123.0HZ", 0x04CE}, {"127.3HZ", 0x04F9},
    {"131.8HZ", 0x0526}, {"136.5HZ", 0x0555}, {"141.3HZ", 0x0585}, {"146.2HZ", 0x05B6},
    {"151.4HZ", 0x05EA}, {"156.7HZ", 0x061F}, {"162.2HZ", 0x0656}, {"167.9HZ", 0x068F},
    {"173.8HZ", 0x06CA}, {"179.9HZ", 0x0707}, {"186.2HZ", 0x0746}, {"192.8HZ", 0x0788},
    {"203.5HZ", 0x07F3}, {"210.7HZ", 0x083B}, {"218.1HZ", 0x0885}, {"225.7HZ", 0x08D1},
    {"233.6HZ", 0x0920}, {"241.8HZ", 0x0972}, {"250.3HZ", 0x09C7},
}};

// The 83 DCS codes as their three octal digits.
constexpr std::array<std::uint16_t, 83> kDcs{
    0x023, 0x025, 0x026, 0x031, 0x032, 0x043, 0x047, 0x051, 0x054, 0x065, 0x071, 0x072,
    0x073, 0x074, 0x114, 0x115, 0x116, 0x125, 0x131, 0x132, 0x134, 0x143, 0x152, 0x155,
    0x156, 0x162, 0x165, 0x172, 0x174, 0x205, 0x223, 0x226, 0x243, 0x244, 0x245, 0x251,
    0x261, 0x263, 0x265, 0x271, 0x306, 0x311, 0x315, 0x331, 0x343, 0x346, 0x351, 0x364,
    0x365, 0x371, 0x411, 0x412, 0x413, 0x423, 0x431, 0x432, 0x445, 0x464, 0x465, 0x466,
    0x503, 0x506, 0x516, 0x532, 0x546, 0x565, 0x606, 0x612, 0x624, 0x627, 0x631, 0x632,
    0x654, 0x662, 0x664, 0x703, 0x712, 0x723, 0x731, 0x732, 0x734, 0x743, 0x754,
};

struct ToneTable {
    std::vector<std::string> texts;
    std::vector<std::string_view> views;
    std::vector<std::uint16_t> codes;

    explicit ToneTable(std::string_view noTone) {
        texts.emplace_back(noTone);
        codes.push_back(0xFFFF);
        for (const auto& t : kCtcss) {
            texts.emplace_back(t.text);
            codes.push_back(t.code);
        }
        for (const auto& [suffix, high] : {std::pair{'N', 0x8000}, std::pair{'I', 0xC000}}) {
            for (std::uint16_t dcs : kDcs) {
                char digits[4];
                for (int i = 0; i < 3; ++i)
                    digits[i] = "0123456789ABCDEF"[(dcs >> (8 - 4 * i)) & 0xF];
                digits[3] = '\0';
                texts.push_back(std::string("D") + digits + suffix);
                codes.push_back(static_cast<std::uint16_t>(high | dcs));
            }
        }
        views.assign(texts.begin(), texts.end());
    }
};

const ToneTable& channelToneTable() {
    static const ToneTable table(QT_TRANSLATE_NOOP("duoband", "OFF"));
    return table;
}

const ToneTable& vfoToneTable() {
    static const ToneTable table("0FF");
    return table;
}

// A list of numbers as text; owns its texts so the views stay valid.
struct NumberList {
    std::vector<std::string> texts;
    std::vector<std::string_view> views;

    NumberList(std::string_view first, int from, int to, int step = 1) {
        if (!first.empty()) texts.emplace_back(first);
        for (int v = from; v <= to; v += step) texts.push_back(std::to_string(v));
        views.assign(texts.begin(), texts.end());
    }
};

constexpr std::array<std::string_view, 18> kSignalling{
    QT_TRANSLATE_NOOP("duoband", "OFF"),
    "DTMF1",
    "DTMF2",
    "DTMF3",
    "DTMF4",
    "DTMF5",
    "DTMF6",
    "DTMF7",
    "DTMF8",
    QT_TRANSLATE_NOOP("duoband", "DTMF1+Identity Code"),
    QT_TRANSLATE_NOOP("duoband", "DTMF2+Identity Code"),
    QT_TRANSLATE_NOOP("duoband", "DTMF3+Identity Code"),
    QT_TRANSLATE_NOOP("duoband", "DTMF4+Identity Code"),
    QT_TRANSLATE_NOOP("duoband", "DTMF5+Identity Code"),
    QT_TRANSLATE_NOOP("duoband", "DTMF6+Identity Code"),
    QT_TRANSLATE_NOOP("duoband", "DTMF7+Identity Code"),
    QT_TRANSLATE_NOOP("duoband", "DTMF8+Identity Code"),
    QT_TRANSLATE_NOOP("duoband", "Identity Code"),
};

constexpr std::array<std::string_view, 2> kChannelReceivingMode{
    QT_TRANSLATE_NOOP("duoband", "QT/DQT"), QT_TRANSLATE_NOOP("duoband", "QT/DQT+Signaling")};
constexpr std::array<std::string_view, 2> kLowHigh{QT_TRANSLATE_NOOP("duoband", "Low"),
                                                   QT_TRANSLATE_NOOP("duoband", "High")};
constexpr std::array<std::string_view, 2> kNarrowWide{QT_TRANSLATE_NOOP("duoband", "Narrow"),
                                                      QT_TRANSLATE_NOOP("duoband", "Wide")};
constexpr std::array<std::string_view, 2> kOffOn{QT_TRANSLATE_NOOP("duoband", "OFF"),
                                                 QT_TRANSLATE_NOOP("duoband", "ON")};
constexpr std::array<std::string_view, 2> kWorkingMode{
    QT_TRANSLATE_NOOP("duoband", "Frequency Mode"), QT_TRANSLATE_NOOP("duoband", "Channel Mode")};
constexpr std::array<std::string_view, 2> kVfoReceivingMode{
    QT_TRANSLATE_NOOP("duoband", "QT/DQT"), QT_TRANSLATE_NOOP("duoband", "QT/DQT+ Signaling")};
constexpr std::array<std::string_view, 2> kVfoBandwidth{QT_TRANSLATE_NOOP("duoband", "Narrow Band"),
                                                        QT_TRANSLATE_NOOP("duoband", "Wide Band")};
constexpr std::array<std::string_view, 3> kDirection{QT_TRANSLATE_NOOP("duoband", "OFF"), "+", "-"};
constexpr std::array<std::string_view, 7> kStep{"2.5K",  "5K",  "6.25K", "10K",
                                                "12.5K", "25K", "50K"};
constexpr std::array<std::uint16_t, 7> kStepCodes{0x00FA, 0x01F4, 0x0271, 0x03E8,
                                                  0x04E2, 0x09C4, 0x1388};
constexpr std::array<std::string_view, 2> kMainBand{QT_TRANSLATE_NOOP("duoband", "A/upper Band "),
                                                    QT_TRANSLATE_NOOP("duoband", "B/Under Band")};
constexpr std::array<std::string_view, 4> kBacklight{
    QT_TRANSLATE_NOOP("duoband", "OFF"), QT_TRANSLATE_NOOP("duoband", "Orange"),
    QT_TRANSLATE_NOOP("duoband", "Blue"), QT_TRANSLATE_NOOP("duoband", "Purple")};
constexpr std::array<std::string_view, 2> kBacklightMode{QT_TRANSLATE_NOOP("duoband", "Automatic"),
                                                         QT_TRANSLATE_NOOP("duoband", "On")};
constexpr std::array<std::string_view, 10> kVibration{
    QT_TRANSLATE_NOOP("duoband", "OFF"), "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr std::array<std::string_view, 4> kToneBurst{"1000HZ", "1450HZ", "1750HZ", "2100HZ"};
constexpr std::array<std::uint16_t, 4> kToneBurstCodes{0x03E8, 0x05AA, 0x06D6, 0x0834};
constexpr std::array<std::string_view, 4> kDtmfTime{"50MS", "100MS", "150MS", "200MS"};
constexpr std::array<std::uint16_t, 4> kDtmfTimeCodes{0x0032, 0x0064, 0x0096, 0x00C8};
constexpr std::array<std::string_view, 3> kRemoteState{QT_TRANSLATE_NOOP("duoband", "Normal"),
                                                       QT_TRANSLATE_NOOP("duoband", "Stun"),
                                                       QT_TRANSLATE_NOOP("duoband", "Kill")};

}  // namespace

OptionList channelTones() {
    return channelToneTable().views;
}
OptionList vfoTones() {
    return vfoToneTable().views;
}
std::span<const std::uint16_t> toneCodes() {
    return channelToneTable().codes;
}
OptionList signalling() {
    return kSignalling;
}
OptionList channelReceivingMode() {
    return kChannelReceivingMode;
}
OptionList channelPower() {
    return kLowHigh;
}
OptionList channelBandwidth() {
    return kNarrowWide;
}
OptionList offOn() {
    return kOffOn;
}
OptionList workingMode() {
    return kWorkingMode;
}

OptionList channelNumbers() {
    static const NumberList list("", 1, 128);
    return list.views;
}

OptionList vfoReceivingMode() {
    return kVfoReceivingMode;
}
OptionList vfoPower() {
    return kLowHigh;
}
OptionList vfoBandwidth() {
    return kVfoBandwidth;
}
OptionList offsetDirection() {
    return kDirection;
}
OptionList frequencyStep() {
    return kStep;
}
std::span<const std::uint16_t> frequencyStepCodes() {
    return kStepCodes;
}
OptionList mainBand() {
    return kMainBand;
}

OptionList zeroTo20() {
    static const NumberList list("", 0, 20);
    return list.views;
}

OptionList backlight() {
    return kBacklight;
}
OptionList backlightMode() {
    return kBacklightMode;
}
OptionList vibrationRingTime() {
    return kVibration;
}

OptionList timeOverTimer() {
    static const NumberList list(QT_TRANSLATE_NOOP("duoband", "OFF"), 30, 600, 30);
    return list.views;
}

OptionList toneBurst() {
    return kToneBurst;
}
std::span<const std::uint16_t> toneBurstCodes() {
    return kToneBurstCodes;
}
OptionList dtmfTime() {
    return kDtmfTime;
}
std::span<const std::uint16_t> dtmfTimeCodes() {
    return kDtmfTimeCodes;
}

OptionList zeroTo9() {
    static const NumberList list("", 0, 9);
    return list.views;
}

OptionList remoteState() {
    return kRemoteState;
}

}  // namespace duoband::lists
