// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/settings_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace duoband {
namespace {

// Every setting once per band it exists for.
std::vector<SettingRef> allRefs() {
    std::vector<SettingRef> refs;
    for (const Setting& s : allSettings()) {
        refs.push_back({s.id, Band::A});
        if (s.perBand()) refs.push_back({s.id, Band::B});
    }
    return refs;
}

std::string label(SettingRef ref) {
    return settingObjectName(ref);
}

// The settings file is read and written by walking the table: two settings
// on one position would overwrite each other, a gap would shift the fields
// after it.
TEST(SettingsTable, EveryFilePositionIsUsedExactlyOnce) {
    std::map<int, std::map<int, std::string>> lines;  // line -> field -> setting
    for (const SettingRef& ref : allRefs()) {
        const Setting& s = setting(ref.id);
        const auto [it, inserted] = lines[s.fileLine(ref.band)].emplace(s.file.field, label(ref));
        EXPECT_TRUE(inserted) << label(ref) << " and " << it->second << " both on line "
                              << s.fileLine(ref.band) << ", field " << s.file.field;
    }
    for (const auto& [line, fields] : lines) {
        int expected = 1;
        for (const auto& [field, name] : fields) {
            EXPECT_EQ(field, expected) << "line " << line << ": " << name;
            expected = field + 1;
        }
    }
    EXPECT_EQ(lines.size(), 6u);  // both band pages, general, limits, block fields, DTMF
}

// A setting's bytes must lie inside one block field of its region, or a pick
// could never be written into the fields a write sends.
TEST(SettingsTable, EveryValueLiesInsideOneBlockFieldOfItsRegion) {
    for (const SettingRef& ref : allRefs()) {
        const Setting& s = setting(ref.id);
        SCOPED_TRACE(label(ref));
        const int first = s.address(ref.band);
        const int end = first + s.bytes();
        EXPECT_GT(s.bytes(), 0);
        if (s.encoding == Encoding::HexDigits) {
            EXPECT_EQ(s.initialText.size(), 2u * static_cast<std::size_t>(s.bytes()));
            continue;
        }
        const auto blocks = regionBlocks(s.slice.region, ref.band);
        if (blocks.empty()) {
            // only the remote state, which a write sends from the choice itself
            EXPECT_EQ(s.id, SettingId::RemoteState);
            EXPECT_EQ(first, transferPlan()[kStepRemoteState].address);
            EXPECT_EQ(s.bytes(), transferPlan()[kStepRemoteState].length);
            continue;
        }
        int inside = 0;
        for (Block b : blocks) {
            const BlockExtent e = blockExtent(b);
            if (first >= e.address && end <= e.address + e.bytes) ++inside;
        }
        EXPECT_EQ(inside, 1) << "0x" << std::hex << first << "..0x" << end;
    }
}

TEST(SettingsTable, NoTwoValuesShareABit) {
    std::map<std::pair<int, int>, std::string> owner;  // address, bit -> setting
    for (const SettingRef& ref : allRefs()) {
        const Setting& s = setting(ref.id);
        if (s.encoding == Encoding::HexDigits) continue;
        EXPECT_NE(s.slice.mask(), 0u) << label(ref);
        for (int i = 0; i < s.bytes(); ++i) {
            const int address = s.address(ref.band) + i;
            for (int bit = 0; bit < 8; ++bit) {
                if ((s.slice.bitsOfByte(i) & (1 << bit)) == 0) continue;
                const auto [it, inserted] = owner.emplace(std::pair{address, bit}, label(ref));
                EXPECT_TRUE(inserted) << label(ref) << " and " << it->second << " at 0x" << std::hex
                                      << address << " bit " << bit;
            }
        }
    }
}

// Also at compile time, where a shift past the 32 bits of the mask is refused.
constexpr RegionSlice kSevenBytes{Region::General, 0, 7};
static_assert(kSevenBytes.bitsOfByte(0) == 0xFF && kSevenBytes.bitsOfByte(6) == 0xFF);

TEST(SettingsTable, AValueWiderThanFourBytesHoldsEveryBitOfThem) {
    const Setting& line = setting(SettingId::BootMessage1);
    ASSERT_GT(line.bytes(), 4);
    for (int i = 0; i < line.bytes(); ++i) EXPECT_EQ(line.slice.bitsOfByte(i), 0xFF) << i;
}

TEST(SettingsTable, ChoicesStartInsideTheirListsAndCodesCoverThem) {
    for (const Setting& s : allSettings()) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(s.choices != nullptr, s.isChoice());
        if (!s.isChoice()) continue;
        const auto entries = s.choices();
        EXPECT_GE(s.initialEntry, 0);
        EXPECT_LT(s.initialEntry, static_cast<int>(entries.size()));
        if (s.encoding == Encoding::EntryCode) {
            ASSERT_NE(s.decoding.codes, nullptr);
            EXPECT_EQ(s.decoding.codes().size(), entries.size());
        }
    }
}

// A row pointing at another row's member would make two controls edit one
// value; a name used twice would make one widget unreachable.
TEST(SettingsTable, EachSettingHasItsOwnMemberNameAndCaption) {
    EditorModel model;
    std::set<const void*> members;
    std::set<std::pair<std::string, std::string>> captions;  // page title, caption
    for (const SettingRef& ref : allRefs()) {
        const Setting& s = setting(ref.id);
        SCOPED_TRACE(label(ref));
        EXPECT_NE(s.isChoice(), s.isText());
        const void* member = s.isChoice() ? static_cast<const void*>(choiceOf(model, ref))
                                          : static_cast<const void*>(textOf(model, ref));
        EXPECT_TRUE(members.insert(member).second);
        EXPECT_EQ(settingNamed(settingObjectName(ref)), ref);
        EXPECT_FALSE(s.captionFor(ref.band).empty());
        EXPECT_TRUE(captions
                        .emplace(std::string(pageTitle(s.page, ref.band)),
                                 std::string(s.captionFor(ref.band)))
                        .second);
    }
}

TEST(SettingsTable, BandPagesDifferOnlyInTheWorkingModeCaption) {
    const auto a = settingsOnPage(SettingsPage::BandSetup, Band::A);
    const auto b = settingsOnPage(SettingsPage::BandSetup, Band::B);
    ASSERT_EQ(a.size(), 15u);
    ASSERT_EQ(b.size(), 15u);
    EXPECT_EQ(setting(a[0].id).captionFor(Band::A), "Working Mode :");
    EXPECT_EQ(setting(b[0].id).captionFor(Band::B), "Working Mode:");
    EXPECT_EQ(a[7], (SettingRef{SettingId::EndSignalling, Band::A}));
    EXPECT_EQ(b[7], (SettingRef{SettingId::EndSignalling, Band::B}));
    for (std::size_t i = 1; i < a.size(); ++i) {
        EXPECT_EQ(setting(a[i].id).captionFor(Band::A), setting(b[i].id).captionFor(Band::B));
    }
    EXPECT_EQ(describeSetting({SettingId::WorkingMode, Band::B}),
              "\"Working Mode\" on \"B/Under Band Set up\"");
}

}  // namespace
}  // namespace duoband
