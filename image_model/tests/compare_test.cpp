// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "duoband/compare.h"
#include "duoband/memory_image.h"
#include "duoband/radio_image.h"

namespace duoband {
namespace {

// A radio with band A channel 12 and band B channel 3 programmed.
RadioImage programmedRadio() {
    EditorModel model;
    for (const auto& [band, channel, frequency] :
         {std::tuple{Band::A, 12, "145.52500"}, std::tuple{Band::A, 20, "146.00000"},
          std::tuple{Band::B, 3, "435.00000"}}) {
        model.channels(band).cell(Column::RxFrequency, channel) = frequency;
        model.channels(band).cell(Column::TxFrequency, channel) = frequency;
    }
    const ImageEncoding encoding = encodeImage(model);
    EXPECT_TRUE(encoding.ok()) << encoding.error;
    return imageOf(encoding);
}

void setBytes(RadioImage& image, int address, const Bytes& bytes) {
    for (int s = 0; s < kTransferSteps; ++s) {
        const TransferStep t = transferPlan()[static_cast<std::size_t>(s)];
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const int at = address + static_cast<int>(i) - t.address;
            if (at >= 0 && at < t.length)
                image.step(s).bytes[static_cast<std::size_t>(at)] = bytes[i];
        }
    }
}

int settingAddress(SettingId id, Band band = Band::A) {
    return setting(id).address(band);
}
int recordAddress(Band band, int channel) {
    return (band == Band::A ? kBandAChannelBase : kBandBChannelBase) + (channel - 1) * kRecordBytes;
}

// One change of each kind made to the other side, in no particular order.
RadioImage changedRadio() {
    RadioImage image = programmedRadio();
    setBytes(image, 0x0215, {0x00});  // past the general block: fill
    setBytes(image, settingAddress(SettingId::LimitVhfLow), {0x00, 0xD6, 0xD8, 0x00});
    setBytes(image, settingAddress(SettingId::BootMessage1), {0x02, 'H', 'I'});
    setBytes(image, settingAddress(SettingId::RemoteState), {0x01});
    setBytes(image, settingAddress(SettingId::DtmfGroup3), {0x03, 0x01, 0x02, 0x03});
    setBytes(image, settingAddress(SettingId::SquelchLevel), {0x05});
    setBytes(image, settingAddress(SettingId::Step, Band::B), {0x03});  // no step's code
    setBytes(image, settingAddress(SettingId::Step, Band::A), {0x01, 0xF4});
    setBytes(image, recordAddress(Band::B, 3) + 16, {0x02, 'O', 'K'});  // the name
    setBytes(image, recordAddress(Band::A, 12), {0x00, 0xDE, 0x03, 0xF0});
    setBytes(image, recordAddress(Band::A, 20) + 4, {0x00, 0x00});  // no tone, as 0x0000
    const Bytes codes = image.step(kStepCodes).bytes;
    storeAnswer(image, kStepCodes, std::span(codes).first(60));
    return image;
}

TEST(Compare, NamesEachKindInTheEditorsTermsInTabOrder) {
    // Between two images every byte counts; bytes one does not know are noted.
    EXPECT_EQ(
        compareLines(compareConfigurations(programmedRadio(), changedRadio(), LooseBytes::Count)),
        (std::vector<std::string>{
            "Band A channel 12, Receiving Frequency: 145.52500 -> 145.50000",
            "Band A channel 20, 0x05CC: FF -> 00, 0x05CD: FF -> 00",
            "Band B channel 3, Channel Name: (empty) -> OK",
            "\"Frequency Step\" on \"A/Upper Band Set up\": 25K -> 5K",
            "\"Frequency Step\" on \"B/Under Band Set up\", 0x0397: 09 -> 03",
            "\"Squelch level\" on \"Comprehensive Setting\": 3 -> 5",
            "\"DTMF3\" on \"DTMF Groups\": (empty) -> 123",
            "\"Current State\" on \"DTMF Groups\": Normal -> Stun",
            "\"Boot Information 1\" on \"Limit Frequency\": (empty) -> HI",
            "\"Limit VHF Band (Low)\" on \"Limit Frequency\": (empty) -> 140.8",
            "0x0215: FF -> 00",
            "note: 0x02BC: FF FF FF FF -> ?? ?? ?? ??",
            "11 differences, 1 note",
        }));
    // Against a configuration, what no page shows is only noted: a record's
    // bytes, a value outside its list, a byte past the blocks.
    EXPECT_EQ(
        compareLines(compareConfigurations(programmedRadio(), changedRadio(), LooseBytes::Note)),
        (std::vector<std::string>{
            "Band A channel 12, Receiving Frequency: 145.52500 -> 145.50000",
            "Band B channel 3, Channel Name: (empty) -> OK",
            "\"Frequency Step\" on \"A/Upper Band Set up\": 25K -> 5K",
            "\"Squelch level\" on \"Comprehensive Setting\": 3 -> 5",
            "\"DTMF3\" on \"DTMF Groups\": (empty) -> 123",
            "\"Current State\" on \"DTMF Groups\": Normal -> Stun",
            "\"Boot Information 1\" on \"Limit Frequency\": (empty) -> HI",
            "\"Limit VHF Band (Low)\" on \"Limit Frequency\": (empty) -> 140.8",
            "note: Band A channel 20, 0x05CC: FF -> 00, 0x05CD: FF -> 00",
            "note: \"Frequency Step\" on \"B/Under Band Set up\", 0x0397: 09 -> 03",
            "note: 0x0215: FF -> 00",
            "note: 0x02BC: FF FF FF FF -> ?? ?? ?? ??",
            "8 differences, 4 notes",
        }));
}

TEST(Compare, EntriesCarryTheBytesWhereTheyLie) {
    const auto entries =
        compareConfigurations(programmedRadio(), changedRadio(), LooseBytes::Count);
    ASSERT_FALSE(entries.empty());
    const CompareEntry& first = entries.front();
    EXPECT_EQ(first.where.cell, (ComparePlace::Cell{Band::A, 12, Column::RxFrequency}));
    EXPECT_EQ(first.aBytes, (Bytes{0x00, 0xDE, 0x0D, 0xB4}));
    EXPECT_EQ(first.bBytes, (Bytes{0x00, 0xDE, 0x03, 0xF0}));
    EXPECT_EQ(differenceCount(entries), 11u);
}

TEST(Compare, EqualImagesHaveNoEntries) {
    EXPECT_TRUE(
        compareConfigurations(programmedRadio(), programmedRadio(), LooseBytes::Count).empty());
    EXPECT_EQ(compareLines({}), std::vector<std::string>{"0 differences"});
}

// `image` with the step at `s` answered with its first `known` bytes.
RadioImage answeredShort(RadioImage image, int s, int known) {
    const Bytes bytes = image.step(s).bytes;
    storeAnswer(image, s, std::span(bytes).first(static_cast<std::size_t>(known)));
    return image;
}

// A step the radio answered with the shorter accepted length still compares
// equal; any other byte a page holds and one side does not know keeps the
// two from being shown equal.
TEST(Compare, BytesHeldButUnknownOnOneSideAreCounted) {
    constexpr int kShort = static_cast<int>(kAnswerBytesAtEveryStep);
    int longStep = 0;  // a step whose held bytes go past the shorter answer
    while (heldBytes(longStep) <= kShort) ++longStep;
    const RadioImage full = programmedRadio();
    RadioImage nothingKnown = full;
    int heldSteps = 0, held = 0;
    for (int s = 0; s < kTransferSteps; ++s) {
        nothingKnown = answeredShort(nothingKnown, s, 0);
        heldSteps += heldBytes(s) > 0;
        held += heldBytes(s);
    }
    struct Case {
        const char* what;
        RadioImage a, b;
        UnknownHeldBytes unknown;
    };
    const Case cases[] = {
        {"all known", full, full, {}},
        {"the shorter accepted answer", full, answeredShort(full, longStep, kShort), {}},
        {"a step in part", full, answeredShort(full, longStep, 10), {1, heldBytes(longStep) - 10}},
        {"a step on each side",
         answeredShort(full, 0, 0),
         answeredShort(full, longStep, 0),
         {2, heldBytes(0) + heldBytes(longStep)}},
        {"nothing known", nothingKnown, full, {heldSteps, held}},
    };
    for (const Case& c : cases) {
        const UnknownHeldBytes unknown = unknownHeldBytes(c.a, c.b);
        EXPECT_EQ(unknown.steps, c.unknown.steps) << c.what;
        EXPECT_EQ(unknown.bytes, c.unknown.bytes) << c.what;
    }
    EXPECT_EQ(compareLines({}, {12, 576}),
              std::vector<std::string>{"0 differences; 12 steps (576 bytes) unknown on one side, "
                                       "so the two are not shown equal"});
}

}  // namespace
}  // namespace duoband
