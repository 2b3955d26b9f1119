// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/settings_table.h"
#include "duoband/translatable.h"

#include <algorithm>
#include <array>
#include <type_traits>

#include "duoband/field_codecs.h"
#include "duoband/option_lists.h"

namespace duoband {

namespace {

// The settings file's lines that hold settings.
constexpr int kBandASetupLine = 129;
constexpr int kBandBSetupLine = 258;
constexpr int kGeneralLine = 259;
constexpr int kBootLimitsLine = 260;
constexpr int kBlockFieldsLine = 261;
constexpr int kDtmfLine = 262;

// ---- model accessors, one definition for both directions -------------------

template <class T, class Path>
constexpr MemberAccess<T> access(Path) {
    return {[](EditorModel& m, Band b) -> T& { return Path{}(m, b); },
            [](const EditorModel& m, Band b) -> const T& { return Path{}(m, b); }};
}

template <class M>
struct MemberType;
template <class T, class Owner>
struct MemberType<T Owner::*> {
    using type = T;
};
template <auto Field>
using TypeOf = typename MemberType<decltype(Field)>::type;

template <auto Field>
constexpr auto inBand() {
    return access<TypeOf<Field>>([](auto& m, Band b) -> auto& { return m.band(b).*Field; });
}
template <auto Field>
constexpr auto inGeneral() {
    return access<TypeOf<Field>>([](auto& m, Band) -> auto& { return m.general.*Field; });
}
template <auto Field>
constexpr auto inModel() {
    return access<TypeOf<Field>>([](auto& m, Band) -> auto& { return m.*Field; });
}
template <auto Array, std::size_t I>
constexpr auto element() {
    return access<std::string>([](auto& m, Band) -> auto& { return (m.*Array)[I]; });
}
template <RemoteCode C>
constexpr auto code() {
    return element<&EditorModel::remoteCodes, static_cast<std::size_t>(C)>();
}
template <Limit L>
constexpr auto limit() {
    return element<&EditorModel::limits, static_cast<std::size_t>(L)>();
}
template <Block B>
constexpr auto inBlock() {
    return access<std::string>([](auto& m, Band) -> auto& { return m.blocks[B]; });
}

using Id = SettingId;
using Page = SettingsPage;
using E = Encoding;
using R = Region;

constexpr Setting kSettings[] = {
    // A band's "Set up" page, in page order; band B's line is 258.
    {.id = Id::WorkingMode,
     .name = "workingMode",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Working Mode :"),
     .captionBandB = QT_TRANSLATE_NOOP("duoband", "Working Mode:"),
     .encoding = E::EntryNumber,
     .choices = &lists::workingMode,
     .decoding = {3, nullptr, OtherValues::FirstEntry},
     .choice = inBand<&BandSettings::workingMode>(),
     .slice = {R::BandSettings, 0, 1},
     .file = {kBandASetupLine, 1},
     .initialEntry = 0},
    {.id = Id::Channel,
     .name = "channel",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Channel No.:"),
     .encoding = E::EntryNumber,
     .choices = &lists::channelNumbers,
     .decoding = {127, nullptr, OtherValues::FirstEntry},
     .choice = inBand<&BandSettings::channel>(),
     .slice = {R::BandSettings, 1, 1},
     .file = {kBandASetupLine, 2},
     .initialEntry = 0},
    {.id = Id::RxFrequency,
     .name = "rxFrequency",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Receiving Frequency: "),
     .encoding = E::ReceiveFrequency,
     .text = inBand<&BandSettings::rxFrequency>(),
     .slice = {R::BandSettings, 2, 4},
     .file = {kBandASetupLine, 3}},
    {.id = Id::RxTone,
     .name = "rxTone",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Receiving CTCSS:"),
     .encoding = E::Tone,
     .choices = &lists::vfoTones,
     .choice = inBand<&BandSettings::rxTone>(),
     .slice = {R::BandSettings, 6, 2},
     .file = {kBandASetupLine, 4},
     .initialEntry = 0},
    {.id = Id::RxMode,
     .name = "rxMode",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Receiving Mode:"),
     .encoding = E::EntryNumber,
     .choices = &lists::vfoReceivingMode,
     .decoding = {1},
     .choice = inBand<&BandSettings::rxMode>(),
     .slice = {R::BandSettings, 8, 1},
     .file = {kBandASetupLine, 6},
     .initialEntry = 0},
    {.id = Id::TxTone,
     .name = "txTone",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Transmission CTCSS:"),
     .encoding = E::Tone,
     .choices = &lists::vfoTones,
     .choice = inBand<&BandSettings::txTone>(),
     .slice = {R::BandSettings, 10, 2},
     .file = {kBandASetupLine, 7},
     .initialEntry = 0},
    {.id = Id::LaunchSignalling,
     .name = "launchSignalling",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Launch Signaling:"),
     .encoding = E::EntryNumber,
     .choices = &lists::signalling,
     .decoding = {17},
     .choice = inBand<&BandSettings::launchSignalling>(),
     .slice = {R::BandSettings, 12, 1},
     .file = {kBandASetupLine, 8},
     .initialEntry = 0},
    {.id = Id::EndSignalling,
     .name = "endSignalling",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Transmit end Signaling:"),
     .encoding = E::EntryNumber,
     .choices = &lists::signalling,
     .decoding = {17},
     .choice = inBand<&BandSettings::endSignalling>(),
     .slice = {R::BandSettings, 13, 1},
     .file = {kBandASetupLine, 5},
     .initialEntry = 0},
    {.id = Id::Power,
     .name = "power",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Power:"),
     .encoding = E::EntryNumber,
     .choices = &lists::vfoPower,
     .decoding = {1},
     .choice = inBand<&BandSettings::power>(),
     .slice = {R::BandSettings, 14, 1},
     .file = {kBandASetupLine, 9},
     .initialEntry = 1},
    {.id = Id::Bandwidth,
     .name = "bandwidth",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Wide/Narrow Band:"),
     .encoding = E::EntryNumber,
     .choices = &lists::vfoBandwidth,
     .decoding = {1},
     .choice = inBand<&BandSettings::bandwidth>(),
     .slice = {R::BandSettings, 15, 1},
     .file = {kBandASetupLine, 10},
     .initialEntry = 1},
    {.id = Id::Compandor,
     .name = "compandor",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Compandor:"),
     .encoding = E::EntryNumber,
     .choices = &lists::offOn,
     .decoding = {1},
     .choice = inBand<&BandSettings::compandor>(),
     .slice = {R::BandSettings, 16, 1},
     .file = {kBandASetupLine, 11},
     .initialEntry = 0},
    {.id = Id::Scrambler,
     .name = "scrambler",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Scrambler:"),
     .encoding = E::EntryNumber,
     .choices = &lists::offOn,
     .decoding = {1},
     .choice = inBand<&BandSettings::scrambler>(),
     .slice = {R::BandSettings, 17, 1},
     .file = {kBandASetupLine, 12},
     .initialEntry = 0},
    {.id = Id::OffsetDirection,
     .name = "offsetDirection",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Difference frequency direction:"),
     .encoding = E::EntryNumber,
     .choices = &lists::offsetDirection,
     .decoding = {2},
     .choice = inBand<&BandSettings::offsetDirection>(),
     .slice = {R::BandSettings, 18, 1},
     .file = {kBandASetupLine, 13},
     .initialEntry = 0},
    {.id = Id::Offset,
     .name = "offset",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Transmit Offset Frequency(MHZ):"),
     .encoding = E::Frequency,
     .text = inBand<&BandSettings::offset>(),
     .slice = {R::BandSettings, 19, 4},
     .file = {kBandASetupLine, 14},
     .initialText = "10"},
    {.id = Id::Step,
     .name = "step",
     .page = Page::BandSetup,
     .caption = QT_TRANSLATE_NOOP("duoband", "Frequency Step:"),
     .encoding = E::EntryCode,
     .choices = &lists::frequencyStep,
     .decoding = {0, &lists::frequencyStepCodes},
     .choice = inBand<&BandSettings::step>(),
     .slice = {R::BandSettings, 23, 2},
     .file = {kBandASetupLine, 15},
     .initialEntry = 5},
    // "Comprehensive Setting"
    {.id = Id::MainBand,
     .name = "mainBand",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Optional Main Band"),
     .encoding = E::EntryNumber,
     .choices = &lists::mainBand,
     .decoding = {1},
     .choice = inGeneral<&GeneralSettings::mainBand>(),
     .slice = {R::General, 0, 1},
     .file = {kGeneralLine, 1},
     .initialEntry = 0},
    {.id = Id::Volume,
     .name = "volume",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Volume"),
     .encoding = E::EntryNumber,
     .choices = &lists::zeroTo20,
     .decoding = {20},
     .choice = inGeneral<&GeneralSettings::volume>(),
     .slice = {R::General, 1, 1},
     .file = {kGeneralLine, 2},
     .initialEntry = 15},
    {.id = Id::FmFrequency,
     .name = "fmFrequency",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "FM Frequency"),
     .encoding = E::FmFrequency,
     .text = inGeneral<&GeneralSettings::fmFrequency>(),
     .slice = {R::General, 2, 2},
     .file = {kGeneralLine, 3}},
    {.id = Id::StandbyBacklight,
     .name = "standbyBacklight",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Standby Backlight"),
     .encoding = E::EntryNumber,
     .choices = &lists::backlight,
     .decoding = {7},
     .choice = inGeneral<&GeneralSettings::standbyBacklight>(),
     .slice = {R::General, 4, 1},
     .file = {kGeneralLine, 4},
     .initialEntry = 1},
    {.id = Id::ReceiveBacklight,
     .name = "receiveBacklight",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Receiving Backlight"),
     .encoding = E::EntryNumber,
     .choices = &lists::backlight,
     .decoding = {7},
     .choice = inGeneral<&GeneralSettings::receiveBacklight>(),
     .slice = {R::General, 5, 1},
     .file = {kGeneralLine, 5},
     .initialEntry = 2},
    {.id = Id::TransmitBacklight,
     .name = "transmitBacklight",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Transmit  Backlight"),
     .encoding = E::EntryNumber,
     .choices = &lists::backlight,
     .decoding = {7},
     .choice = inGeneral<&GeneralSettings::transmitBacklight>(),
     .slice = {R::General, 6, 1},
     .file = {kGeneralLine, 6},
     .initialEntry = 3},
    {.id = Id::BacklightMode,
     .name = "backlightMode",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Backlight Mode"),
     .encoding = E::EntryNumber,
     .choices = &lists::backlightMode,
     .decoding = {1},
     .choice = inGeneral<&GeneralSettings::backlightMode>(),
     .slice = {R::General, 7, 1},
     .file = {kGeneralLine, 7},
     .initialEntry = 0},
    {.id = Id::Beep,
     .name = "beep",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Beep"),
     .encoding = E::EntryNumber,
     .choices = &lists::offOn,
     .decoding = {1},
     .choice = inGeneral<&GeneralSettings::beep>(),
     .slice = {R::General, 8, 1},
     .file = {kGeneralLine, 8},
     .initialEntry = 1},
    {.id = Id::VibrationRingTime,
     .name = "vibrationRingTime",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Vibration Ring Time"),
     .encoding = E::EntryNumber,
     .choices = &lists::vibrationRingTime,
     .decoding = {9},
     .choice = inGeneral<&GeneralSettings::vibrationRingTime>(),
     .slice = {R::General, 9, 1},
     .file = {kGeneralLine, 9},
     .initialEntry = 2},
    {.id = Id::BusyChannelLock,
     .name = "busyChannelLock",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Busy Channel Lock"),
     .encoding = E::EntryNumber,
     .choices = &lists::offOn,
     .decoding = {9},
     .choice = inGeneral<&GeneralSettings::busyChannelLock>(),
     .slice = {R::General, 10, 1},
     .file = {kGeneralLine, 10},
     .initialEntry = 0},
    {.id = Id::TimeOverTimer,
     .name = "timeOverTimer",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Time Over Timer"),
     .encoding = E::EntryNumber,
     .choices = &lists::timeOverTimer,
     .decoding = {20},
     .choice = inGeneral<&GeneralSettings::timeOverTimer>(),
     .slice = {R::General, 11, 1},
     .file = {kGeneralLine, 11},
     .initialEntry = 4},
    {.id = Id::ToneBurst,
     .name = "toneBurst",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Single Signaling choice"),
     .encoding = E::EntryCode,
     .choices = &lists::toneBurst,
     .decoding = {0, &lists::toneBurstCodes},
     .choice = inGeneral<&GeneralSettings::toneBurst>(),
     .slice = {R::General, 12, 2},
     .file = {kGeneralLine, 12},
     .initialEntry = 2},
    {.id = Id::DtmfTime,
     .name = "dtmfTime",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "DTMF Transmitting Time"),
     .encoding = E::EntryCode,
     .choices = &lists::dtmfTime,
     .decoding = {0, &lists::dtmfTimeCodes},
     .choice = inGeneral<&GeneralSettings::dtmfTime>(),
     .slice = {R::General, 14, 2},
     .file = {kGeneralLine, 13},
     .initialEntry = 0},
    {.id = Id::SquelchLevel,
     .name = "squelchLevel",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Squelch level"),
     .encoding = E::EntryNumber,
     .choices = &lists::zeroTo9,
     .decoding = {9},
     .choice = inGeneral<&GeneralSettings::squelchLevel>(),
     .slice = {R::General, 16, 1},
     .file = {kGeneralLine, 14},
     .initialEntry = 3},
    {.id = Id::RepeaterMode,
     .name = "repeaterMode",
     .page = Page::General,
     .caption = QT_TRANSLATE_NOOP("duoband", "Repeater Mode"),
     .encoding = E::EntryNumber,
     .choices = &lists::offOn,
     .decoding = {1},
     .choice = inGeneral<&GeneralSettings::repeaterMode>(),
     .slice = {R::General, 17, 1},
     .file = {kGeneralLine, 15},
     .initialEntry = 0},
    // "DTMF Groups": the groups, the codes and the remote state
    {.id = Id::DtmfGroup1,
     .name = "dtmfGroup1",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "DTMF1:"),
     .encoding = E::DtmfDigits,
     .text = element<&EditorModel::dtmfGroups, 0>(),
     .slice = {R::DtmfGroups, 0, 8},
     .file = {kDtmfLine, 10}},
    {.id = Id::DtmfGroup2,
     .name = "dtmfGroup2",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "DTMF2:"),
     .encoding = E::DtmfDigits,
     .text = element<&EditorModel::dtmfGroups, 1>(),
     .slice = {R::DtmfGroups, 8, 8},
     .file = {kDtmfLine, 11}},
    {.id = Id::DtmfGroup3,
     .name = "dtmfGroup3",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "DTMF3:"),
     .encoding = E::DtmfDigits,
     .text = element<&EditorModel::dtmfGroups, 2>(),
     .slice = {R::DtmfGroups, 16, 8},
     .file = {kDtmfLine, 12}},
    {.id = Id::DtmfGroup4,
     .name = "dtmfGroup4",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "DTMF4:"),
     .encoding = E::DtmfDigits,
     .text = element<&EditorModel::dtmfGroups, 3>(),
     .slice = {R::DtmfGroups, 24, 8},
     .file = {kDtmfLine, 13}},
    {.id = Id::DtmfGroup5,
     .name = "dtmfGroup5",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "DTMF5:"),
     .encoding = E::DtmfDigits,
     .text = element<&EditorModel::dtmfGroups, 4>(),
     .slice = {R::DtmfGroups, 32, 8},
     .file = {kDtmfLine, 14}},
    {.id = Id::DtmfGroup6,
     .name = "dtmfGroup6",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "DTMF6:"),
     .encoding = E::DtmfDigits,
     .text = element<&EditorModel::dtmfGroups, 5>(),
     .slice = {R::DtmfGroups, 40, 8},
     .file = {kDtmfLine, 15}},
    {.id = Id::DtmfGroup7,
     .name = "dtmfGroup7",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "DTMF7:"),
     .encoding = E::DtmfDigits,
     .text = element<&EditorModel::dtmfGroups, 6>(),
     .slice = {R::DtmfGroups, 48, 8},
     .file = {kDtmfLine, 16}},
    {.id = Id::DtmfGroup8,
     .name = "dtmfGroup8",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "DTMF8:"),
     .encoding = E::DtmfDigits,
     .text = element<&EditorModel::dtmfGroups, 7>(),
     .slice = {R::DtmfGroups, 56, 8},
     .file = {kDtmfLine, 17}},
    {.id = Id::NativeIdCode,
     .name = "nativeIdCode",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "Native ID Code"),
     .encoding = E::DtmfDigits,
     .text = code<RemoteCode::NativeId>(),
     .slice = {R::Codes, 0, 8},
     .file = {kDtmfLine, 1}},
    {.id = Id::MasterIdCode,
     .name = "masterIdCode",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "Master Control ID Code"),
     .encoding = E::DtmfDigits,
     .text = code<RemoteCode::MasterId>(),
     .slice = {R::Codes, 8, 8},
     .file = {kDtmfLine, 2}},
    {.id = Id::AlarmCode,
     .name = "alarmCode",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "Alarm Code"),
     .encoding = E::DtmfDigits,
     .text = code<RemoteCode::Alarm>(),
     .slice = {R::Codes, 16, 6},
     .file = {kDtmfLine, 3}},
    {.id = Id::IdentityDisplayCode,
     .name = "identityDisplayCode",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "Identity Display Code"),
     .encoding = E::DtmfDigits,
     .text = code<RemoteCode::IdentityDisplay>(),
     .slice = {R::Codes, 22, 6},
     .file = {kDtmfLine, 4}},
    {.id = Id::ReviveCode,
     .name = "reviveCode",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "Revive Code"),
     .encoding = E::DtmfDigits,
     .text = code<RemoteCode::Revive>(),
     .slice = {R::Codes, 28, 6},
     .file = {kDtmfLine, 5}},
    {.id = Id::RemoteStunCode,
     .name = "remoteStunCode",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "Remote Stun Code"),
     .encoding = E::DtmfDigits,
     .text = code<RemoteCode::RemoteStun>(),
     .slice = {R::Codes, 34, 6},
     .file = {kDtmfLine, 6}},
    {.id = Id::RemoteKillCode,
     .name = "remoteKillCode",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "Remote Kill Code"),
     .encoding = E::DtmfDigits,
     .text = code<RemoteCode::RemoteKill>(),
     .slice = {R::Codes, 40, 6},
     .file = {kDtmfLine, 7}},
    {.id = Id::MonitorCode,
     .name = "monitorCode",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "Monitor Code"),
     .encoding = E::DtmfDigits,
     .text = code<RemoteCode::Monitor>(),
     .slice = {R::Codes, 46, 6},
     .file = {kDtmfLine, 8}},
    {.id = Id::RemoteState,
     .name = "remoteState",
     .page = Page::Dtmf,
     .caption = QT_TRANSLATE_NOOP("duoband", "Current State"),
     .encoding = E::EntryNumber,
     .choices = &lists::remoteState,
     .decoding = {2},
     .choice = inModel<&EditorModel::remoteState>(),
     .slice = {R::RemoteState, 0, 1},
     .file = {kDtmfLine, 9},
     .initialEntry = 0},
    // "Limit Frequency"
    {.id = Id::BootMessage1,
     .name = "bootMessage1",
     .page = Page::Limits,
     .caption = QT_TRANSLATE_NOOP("duoband", "Boot Information 1:"),
     .encoding = E::CountedText,
     .text = element<&EditorModel::bootMessage, 0>(),
     .slice = {R::BootAndLimits, 0, 8},
     .file = {kBootLimitsLine, 1}},
    {.id = Id::BootMessage2,
     .name = "bootMessage2",
     .page = Page::Limits,
     .caption = QT_TRANSLATE_NOOP("duoband", "Boot Information 2:"),
     .encoding = E::CountedText,
     .text = element<&EditorModel::bootMessage, 1>(),
     .slice = {R::BootAndLimits, 8, 8},
     .file = {kBootLimitsLine, 2}},
    {.id = Id::LimitVhfLow,
     .name = "limitVhfLow",
     .page = Page::Limits,
     .caption = QT_TRANSLATE_NOOP("duoband", "Limit VHF Band (Low):"),
     .encoding = E::LimitFrequency,
     .text = limit<Limit::VhfLow>(),
     .slice = {R::BootAndLimits, 16, 4},
     .file = {kBootLimitsLine, 3}},
    {.id = Id::LimitVhfHigh,
     .name = "limitVhfHigh",
     .page = Page::Limits,
     .caption = QT_TRANSLATE_NOOP("duoband", "Limit VHF Band (High):"),
     .encoding = E::LimitFrequency,
     .text = limit<Limit::VhfHigh>(),
     .slice = {R::BootAndLimits, 20, 4},
     .file = {kBootLimitsLine, 4}},
    {.id = Id::LimitUhfLow,
     .name = "limitUhfLow",
     .page = Page::Limits,
     .caption = QT_TRANSLATE_NOOP("duoband", "Limit UHF Band (Low):"),
     .encoding = E::LimitFrequency,
     .text = limit<Limit::UhfLow>(),
     .slice = {R::BootAndLimits, 24, 4},
     .file = {kBootLimitsLine, 5}},
    {.id = Id::LimitUhfHigh,
     .name = "limitUhfHigh",
     .page = Page::Limits,
     .caption = QT_TRANSLATE_NOOP("duoband", "Limit UHF Band (High):"),
     .encoding = E::LimitFrequency,
     .text = limit<Limit::UhfHigh>(),
     .slice = {R::BootAndLimits, 28, 4},
     .file = {kBootLimitsLine, 6}},
    {.id = Id::LimitMode,
     .name = "limitMode",
     .page = Page::Limits,
     .caption = QT_TRANSLATE_NOOP("duoband", "Limit Frequency Band Mode:"),
     .encoding = E::EntryNumber,
     .choices = &lists::offOn,
     .decoding = {1},
     .choice = inModel<&EditorModel::limitMode>(),
     .slice = {R::BootAndLimits, 32, 1},
     .file = {kBootLimitsLine, 7},
     .initialEntry = 1},
    // The block fields, with their start-up contents
    {.id = Id::BandASettingsBlock,
     .name = "bandASettingsBlock",
     .page = Page::BlockFields,
     .caption = "0X0300--0X030F:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::BandASettings>(),
     .block = Block::BandASettings,
     .file = {kBlockFieldsLine, 1},
     .initialText = "0000FFFFFFFFFFFF00FFFFFF00000101"},
    {.id = Id::BandAExtraBlock,
     .name = "bandAExtraBlock",
     .page = Page::BlockFields,
     .caption = "0X0310--0X031F:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::BandAExtra>(),
     .block = Block::BandAExtra,
     .file = {kBlockFieldsLine, 2},
     .initialText = "000000000F424009C4FFFFFFFFFFFFFF"},
    {.id = Id::BandBSettingsBlock,
     .name = "bandBSettingsBlock",
     .page = Page::BlockFields,
     .caption = "0X0380--0X038F:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::BandBSettings>(),
     .block = Block::BandBSettings,
     .file = {kBlockFieldsLine, 3},
     .initialText = "0000FFFFFFFFFFFF00FFFFFF00000101"},
    {.id = Id::BandBExtraBlock,
     .name = "bandBExtraBlock",
     .page = Page::BlockFields,
     .caption = "0X0390--0X039F:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::BandBExtra>(),
     .block = Block::BandBExtra,
     .file = {kBlockFieldsLine, 4},
     .initialText = "000000000F424009C4FFFFFFFFFFFFFF"},
    {.id = Id::GeneralBlock,
     .name = "generalBlock",
     .page = Page::BlockFields,
     .caption = "0X0200--0X0211:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::General>(),
     .block = Block::General,
     .file = {kBlockFieldsLine, 5},
     .initialText = "000FFFFF010203000102000406D600320300"},
    {.id = Id::DtmfGroups1And2Block,
     .name = "dtmfGroups1And2Block",
     .page = Page::BlockFields,
     .caption = "0X0240--0X024F:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::DtmfGroups1And2>(),
     .block = Block::DtmfGroups1And2,
     .file = {kBlockFieldsLine, 6},
     .initialText = "00FFFFFFFFFFFFFF00FFFFFFFFFFFFFF"},
    {.id = Id::DtmfGroups3And4Block,
     .name = "dtmfGroups3And4Block",
     .page = Page::BlockFields,
     .caption = "0X0250--0X025F:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::DtmfGroups3And4>(),
     .block = Block::DtmfGroups3And4,
     .file = {kBlockFieldsLine, 7},
     .initialText = "00FFFFFFFFFFFFFF00FFFFFFFFFFFFFF"},
    {.id = Id::DtmfGroups5And6Block,
     .name = "dtmfGroups5And6Block",
     .page = Page::BlockFields,
     .caption = "0X0260--0X026F:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::DtmfGroups5And6>(),
     .block = Block::DtmfGroups5And6,
     .file = {kBlockFieldsLine, 8},
     .initialText = "00FFFFFFFFFFFFFF00FFFFFFFFFFFFFF"},
    {.id = Id::DtmfGroups7And8Block,
     .name = "dtmfGroups7And8Block",
     .page = Page::BlockFields,
     .caption = "0X0270--0X027F:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::DtmfGroups7And8>(),
     .block = Block::DtmfGroups7And8,
     .file = {kBlockFieldsLine, 9},
     .initialText = "00FFFFFFFFFFFFFF00FFFFFFFFFFFFFF"},
    {.id = Id::BootMessageBlock,
     .name = "bootMessageBlock",
     .page = Page::BlockFields,
     .caption = "0X02D0--0X02DF:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::BootMessage>(),
     .block = Block::BootMessage,
     .file = {kBlockFieldsLine, 10},
     .initialText = "00FFFFFFFFFFFFFF00FFFFFFFFFFFFFF"},
    {.id = Id::LimitsBlock,
     .name = "limitsBlock",
     .page = Page::BlockFields,
     .caption = "0X02E0--0X02EF:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::Limits>(),
     .block = Block::Limits,
     .file = {kBlockFieldsLine, 11},
     .initialText = "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF01"},
    {.id = Id::NativeAndMasterIdBlock,
     .name = "nativeAndMasterIdBlock",
     .page = Page::BlockFields,
     .caption = "0X0280--0X028F:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::NativeAndMasterId>(),
     .block = Block::NativeAndMasterId,
     .file = {kBlockFieldsLine, 12},
     .initialText = "00FFFFFFFFFFFFFF00FFFFFFFFFFFFFF"},
    {.id = Id::AlarmAndIdentityBlock,
     .name = "alarmAndIdentityBlock",
     .page = Page::BlockFields,
     .caption = "0X0290--0X029B:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::AlarmAndIdentity>(),
     .block = Block::AlarmAndIdentity,
     .file = {kBlockFieldsLine, 13},
     .initialText = "00FFFFFFFFFF00FFFFFFFFFF"},
    {.id = Id::ReviveAndRemoteStunBlock,
     .name = "reviveAndRemoteStunBlock",
     .page = Page::BlockFields,
     .caption = "0X029C--0X02A7:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::ReviveAndRemoteStun>(),
     .block = Block::ReviveAndRemoteStun,
     .file = {kBlockFieldsLine, 14},
     .initialText = "00FFFFFFFFFF00FFFFFFFFFF"},
    {.id = Id::RemoteKillAndMonitorBlock,
     .name = "remoteKillAndMonitorBlock",
     .page = Page::BlockFields,
     .caption = "0X02A8--0X02B3:",
     .encoding = E::HexDigits,
     .text = inBlock<Block::RemoteKillAndMonitor>(),
     .block = Block::RemoteKillAndMonitor,
     .file = {kBlockFieldsLine, 15},
     .initialText = "00FFFFFFFFFF00FFFFFFFFFF"},
};

constexpr std::size_t kSettingCount = std::size(kSettings);

constexpr bool rowsInIdOrder() {
    for (std::size_t i = 0; i < kSettingCount; ++i) {
        if (static_cast<std::size_t>(kSettings[i].id) != i) return false;
    }
    return true;
}
static_assert(rowsInIdOrder(), "the rows follow the SettingId order");

// Texts and block fields are whole bytes; only a choice may hold some bits.
constexpr bool onlyChoicesNameBits() {
    for (const Setting& s : kSettings) {
        if (s.slice.bits != 0 && s.choice.get == nullptr) return false;
    }
    return true;
}
static_assert(onlyChoicesNameBits(), "only choices hold part of a byte");

static_assert(std::size(kChannelColumns) == kColumnCount);

constexpr bool columnsInGridOrder() {
    for (std::size_t i = 0; i < std::size(kChannelColumns); ++i) {
        if (columnIndex(kChannelColumns[i].column) != static_cast<int>(i)) return false;
    }
    return true;
}
static_assert(columnsInGridOrder(), "the rows follow the Column order");

constexpr bool everyColumnHasAWidth() {
    return std::ranges::all_of(kChannelColumns,
                               [](const ChannelColumn& c) { return c.gridWidth > 0; });
}
static_assert(everyColumnHasAWidth(), "a grid column of width 0 cannot be seen");

// Each column is printed once, the sheet's places 0..12 each taken.
constexpr bool sheetPlacesTakenOnce() {
    std::array<bool, kColumnCount> taken{};
    for (const ChannelColumn& c : kChannelColumns) {
        const auto at = static_cast<std::size_t>(c.sheet.position);
        if (at >= taken.size() || taken[at] || c.sheet.percent <= 0) return false;
        taken[at] = true;
    }
    return true;
}
static_assert(sheetPlacesTakenOnce());

// The sheet's columns share the whole width of the page.
constexpr int sheetPercentTotal() {
    int total = 0;
    for (const ChannelColumn& c : kChannelColumns) total += c.sheet.percent;
    return total;
}
static_assert(sheetPercentTotal() == 100, "the sheet's column widths add up to 100 %");

// A column of the record lies within its 24 bytes.
constexpr bool recordPlacesFit() {
    return std::ranges::all_of(kChannelColumns, [](const ChannelColumn& c) {
        return c.record.offset >= 0 && c.record.offset + c.record.width <= kRecordBytes;
    });
}
static_assert(recordPlacesFit());

constexpr std::string_view kBandPrefixes[] = {"bandA.", "bandB."};

}  // namespace

std::string_view withoutTrailingColon(std::string_view caption) {
    while (!caption.empty() && (caption.back() == ':' || caption.back() == ' '))
        caption.remove_suffix(1);
    return caption;
}

int Setting::fileLine(Band band) const {
    return perBand() && band == Band::B ? kBandBSetupLine : file.line;
}

std::uint16_t Setting::address(Band band) const {
    if (encoding == Encoding::HexDigits) return blockExtent(block).address;
    return static_cast<std::uint16_t>(regionAddress(slice.region, band) + slice.offset);
}

int Setting::bytes() const {
    return encoding == Encoding::HexDigits ? blockExtent(block).bytes : slice.width;
}

std::span<const Setting> allSettings() {
    return kSettings;
}

const Setting& setting(SettingId id) {
    return kSettings[static_cast<std::size_t>(id)];
}

std::vector<SettingRef> settingsOnPage(SettingsPage page, Band band) {
    std::vector<SettingRef> refs;
    for (const Setting& s : kSettings) {
        if (s.page == page) refs.push_back({s.id, s.perBand() ? band : Band::A});
    }
    return refs;
}

std::string_view pageTitle(SettingsPage page, Band band) {
    switch (page) {
        case SettingsPage::BandSetup:
            return band == Band::A ? QT_TRANSLATE_NOOP("duoband", "A/Upper Band Set up")
                                   : QT_TRANSLATE_NOOP("duoband", "B/Under Band Set up");
        case SettingsPage::General:
            return QT_TRANSLATE_NOOP("duoband", "Comprehensive Setting");
        case SettingsPage::Dtmf:
            return QT_TRANSLATE_NOOP("duoband", "DTMF Groups");
        case SettingsPage::Limits:
            return QT_TRANSLATE_NOOP("duoband", "Limit Frequency");
        case SettingsPage::BlockFields:
            return QT_TRANSLATE_NOOP("duoband", "Block fields");
    }
    return {};
}

std::string_view channelPageTitle(Band band) {
    return band == Band::A ? QT_TRANSLATE_NOOP("duoband", "A/Upper Band Channel")
                           : QT_TRANSLATE_NOOP("duoband", "B/Under Band Channel");
}

std::string describeSetting(SettingRef ref) {
    return describeSetting(setting(ref.id), ref.band);
}

std::string describeSetting(const Setting& s, Band band) {
    // A block field is on no page: its memory range says which it is.
    if (s.encoding == Encoding::HexDigits)
        return "\"" + std::string(withoutTrailingColon(s.caption)) + "\"";
    return "\"" + std::string(withoutTrailingColon(s.captionFor(band))) + "\" on \"" +
           std::string(pageTitle(s.page, band)) + "\"";
}

std::string settingObjectName(SettingRef ref) {
    const Setting& s = setting(ref.id);
    if (!s.perBand()) return std::string(s.name);
    return std::string(kBandPrefixes[bandIndex(ref.band)]) + std::string(s.name);
}

std::optional<SettingRef> settingNamed(std::string_view objectName) {
    for (const Setting& s : kSettings) {
        for (Band band : kBands) {
            const SettingRef ref{s.id, s.perBand() ? band : Band::A};
            if (settingObjectName(ref) == objectName) return ref;
        }
    }
    return std::nullopt;
}

Choice* choiceOf(EditorModel& model, SettingRef ref) {
    const Setting& s = setting(ref.id);
    return s.isChoice() ? &s.choice.get(model, ref.band) : nullptr;
}

const Choice* choiceOf(const EditorModel& model, SettingRef ref) {
    const Setting& s = setting(ref.id);
    return s.isChoice() ? &s.choice.read(model, ref.band) : nullptr;
}

std::string* textOf(EditorModel& model, SettingRef ref) {
    const Setting& s = setting(ref.id);
    return s.isText() ? &s.text.get(model, ref.band) : nullptr;
}

const std::string* textOf(const EditorModel& model, SettingRef ref) {
    const Setting& s = setting(ref.id);
    return s.isText() ? &s.text.read(model, ref.band) : nullptr;
}

const Setting& blockFieldSetting(Block block) {
    return *std::ranges::find_if(kSettings, [block](const Setting& s) {
        return s.encoding == Encoding::HexDigits && s.block == block;
    });
}

std::span<const ChannelColumn> channelColumns() {
    return kChannelColumns;
}

const ChannelColumn& channelColumn(Column column) {
    return kChannelColumns[static_cast<std::size_t>(columnIndex(column))];
}

std::string_view columnTitle(Column column) {
    return channelColumn(column).title;
}

Phrase channelPlace(Band band, int channel) {
    return phrase(band == Band::A ? QT_TRANSLATE_NOOP("duoband", "Band A channel %1")
                                  : QT_TRANSLATE_NOOP("duoband", "Band B channel %1"),
                  verbatim(channel));
}

}  // namespace duoband
