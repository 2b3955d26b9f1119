// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/channel_plan_check.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>

#include "duoband/channel_editing.h"
#include "duoband/counted.h"
#include "duoband/decimal.h"
#include "duoband/field_codecs.h"
#include "duoband/memory_image.h"
#include "duoband/radio_image.h"
#include "duoband/settings_table.h"

namespace duoband {

namespace {

constexpr int kMhz = 100000;  // frequency units (10 Hz) in a megahertz

// The configuration as the radio would get it: the pages' block fields, not
// their edits, carry the limits and the DTMF groups. A configuration the
// write refuses is checked as the editor holds it.
EditorModel asSent(const EditorModel& model) {
    const ImageEncoding encoding = encodeImage(model);
    if (!encoding.ok()) return model;
    EditorModel sent;
    decodeImage(imageOf(encoding), sent);
    return sent;
}

std::optional<std::uint32_t> units(std::string_view mhz) {
    if (mhz.empty()) return std::nullopt;
    return frequencyUnits(mhz);
}

std::string mhzText(std::uint32_t value) {
    return shortestDecimal(value, 5);
}

ComparePlace cellPlace(Band band, int channel, Column column) {
    ComparePlace place;
    place.cell = ComparePlace::Cell{band, channel, column};
    return place;
}

ComparePlace settingPlace(SettingId id, Band band = Band::A) {
    ComparePlace place;
    place.setting = SettingRef{id, band};
    return place;
}

Phrase quoted(std::string_view radioText) {
    return phrase("\"%1\"", verbatimLatin1(radioText));
}

Phrase caption(SettingId id) {
    return Phrase(withoutTrailingColon(setting(id).caption));
}

class PlanCheck {
  public:
    explicit PlanCheck(const EditorModel& model) : held_(model), model_(asSent(model)) {}

    std::vector<PlanFinding> run() {
        for (Band band : kBands) checkChannels(band);
        for (Band band : kBands) checkBandSettings(band);
        checkLimitOrder();
        std::stable_partition(findings_.begin(), findings_.end(),
                              [](const PlanFinding& f) { return f.kind == FindingKind::Problem; });
        return std::move(findings_);
    }

  private:
    void add(ComparePlace where, Phrase what, FindingKind kind = FindingKind::Problem) {
        findings_.push_back({kind, std::move(where), std::move(what)});
    }

    // The columns of a channel but its number and name.
    using Settings = std::array<std::string, kColumnCount - 2>;

    void checkChannels(Band band) {
        const ChannelTable& table = model_.channels(band);
        std::map<Settings, int> settingsSeen;
        std::map<std::string, int> namesSeen;
        for (int ch = 1; ch <= ChannelTable::kChannels; ++ch) {
            const std::string& rx = table.cell(Column::RxFrequency, ch);
            const std::string& tx = table.cell(Column::TxFrequency, ch);
            if (rx.empty() && tx.empty()) continue;
            if (rx.empty()) {
                add(cellPlace(band, ch, Column::TxFrequency),
                    phrase(QT_TRANSLATE_NOOP("duoband",
                                             "transmits on %1 but has no receiving frequency"),
                           verbatimLatin1(tx)));
            }
            checkAlike(band, ch, settingsSeen);
            checkName(band, ch, namesSeen);
            checkLimits(band, ch, Column::RxFrequency, rx);
            checkLimits(band, ch, Column::TxFrequency, tx);
            for (Column c : {Column::LaunchSignalling, Column::EndSignalling})
                checkSignalling(cellPlace(band, ch, c), table.cell(c, ch));
            checkFlags(band, ch, held_.channels(band));
            checkSplit(band, ch, rx, tx);
        }
    }

    // A channel alike to an earlier one in all but its name.
    void checkAlike(Band band, int ch, std::map<Settings, int>& seen) {
        Settings settings;
        for (std::size_t i = 0; i < settings.size(); ++i)
            settings[i] = model_.channels(band).cell(columnAt(static_cast<int>(i) + 1), ch);
        const auto [first, isNew] = seen.try_emplace(settings, ch);
        if (isNew) return;
        add(cellPlace(band, ch, Column::Number),
            phrase(QT_TRANSLATE_NOOP("duoband", "the same as channel %1"),
                   verbatim(first->second)));
    }

    void checkName(Band band, int ch, std::map<std::string, int>& seen) {
        const std::string& name = model_.channels(band).cell(Column::Name, ch);
        if (name.empty()) return;
        const auto [first, isNew] = seen.try_emplace(name, ch);
        if (isNew) return;
        add(cellPlace(band, ch, Column::Name),
            phrase(QT_TRANSLATE_NOOP("duoband", "the name %1 is also channel %2's"), quoted(name),
                   verbatim(first->second)));
    }

    // The limit edits in units: VHF low, VHF high, UHF low, UHF high.
    std::array<std::optional<std::uint32_t>, kLimits> limits() const {
        std::array<std::optional<std::uint32_t>, kLimits> values;
        for (std::size_t i = 0; i < values.size(); ++i) values[i] = units(model_.limits[i]);
        return values;
    }
    bool limitsOn() const { return model_.limitMode.index == 1; }

    // With the mode ON the radio refuses what lies outside both ranges; a
    // range missing an edge limits nothing.
    void checkLimits(Band band, int ch, Column column, std::string_view frequency) {
        const auto value = units(frequency);
        if (!limitsOn() || !value) return;
        const auto l = limits();
        Phrase ranges;
        bool inside = false;
        for (std::size_t low : {0U, 2U}) {
            if (!l[low] || !l[low + 1]) continue;
            inside = inside || (*value >= *l[low] && *value <= *l[low + 1]);
            const Phrase range =
                phrase("%1~%2 MHz", verbatim(mhzText(*l[low])), verbatim(mhzText(*l[low + 1])));
            ranges = ranges.empty() ? range : phrase("%1, %2", ranges, range);
        }
        if (inside || ranges.empty()) return;
        add(cellPlace(band, ch, column),
            phrase(QT_TRANSLATE_NOOP("duoband",
                                     "%1 is outside the limits on \"Limit Frequency\" (%2)"),
                   verbatimLatin1(frequency), ranges));
    }

    void checkLimitOrder() {
        if (!limitsOn()) return;
        const auto l = limits();
        constexpr std::array<std::pair<SettingId, SettingId>, 2> kPairs{
            {{SettingId::LimitVhfLow, SettingId::LimitVhfHigh},
             {SettingId::LimitUhfLow, SettingId::LimitUhfHigh}}};
        for (std::size_t i = 0; i < kPairs.size(); ++i) {
            const auto& low = l[2 * i];
            const auto& high = l[2 * i + 1];
            if (low && high && *low > *high)
                add(settingPlace(kPairs[i].first),
                    phrase(QT_TRANSLATE_NOOP("duoband", "%1 MHz is above \"%2\", %3 MHz"),
                           verbatim(mhzText(*low)), caption(kPairs[i].second),
                           verbatim(mhzText(*high))));
        }
    }

    // "DTMF3" and "DTMF3+Identity Code" send group 3; "Identity Code" and the
    // "+Identity Code" ones send the identity code.
    void checkSignalling(const ComparePlace& where, std::string_view text) {
        const auto code = signallingCode(text);
        if (!code || *code == 0 || text.empty()) return;
        const int group = *code <= kDtmfGroups ? *code : *code - kDtmfGroups;
        if (group >= 1 && group <= kDtmfGroups &&
            model_.dtmfGroups[static_cast<std::size_t>(group - 1)].empty()) {
            add(where,
                phrase(QT_TRANSLATE_NOOP("duoband", "%1 sends DTMF group %2, which is empty"),
                       phrase("\"%1\"", Phrase(text)), verbatim(group)));
        }
        const bool sendsIdentity = *code > kDtmfGroups;
        const auto identity = static_cast<std::size_t>(RemoteCode::IdentityDisplay);
        if (sendsIdentity && model_.remoteCodes[identity].empty()) {
            add(where,
                phrase(QT_TRANSLATE_NOOP("duoband",
                                         "%1 sends the identity code, but \"%2\" "
                                         "is empty"),
                       phrase("\"%1\"", Phrase(text)), caption(SettingId::IdentityDisplayCode)));
        }
    }

    // The four flags share one byte: one left empty empties the others too,
    // so this looks at the cells as held, not as sent.
    void checkFlags(Band band, int ch, const ChannelTable& table) {
        constexpr std::array kFlags{Column::Power, Column::Bandwidth, Column::Compandor,
                                    Column::Scrambler};
        const auto empty = [&](Column c) { return table.cell(c, ch).empty(); };
        const auto firstEmpty = std::ranges::find_if(kFlags, empty);
        if (firstEmpty == kFlags.end() || std::ranges::all_of(kFlags, empty)) return;
        add(cellPlace(band, ch, *firstEmpty),
            phrase(QT_TRANSLATE_NOOP("duoband",
                                     "empty, so the radio gets none of Power, "
                                     "Wide / Narrow, Compandor and Scrambler")));
    }

    // The splits repeaters use in each accepted range (136~176, 400~490,
    // 220~250 MHz), in units.
    static bool usualSplit(int range, std::uint32_t split) {
        static const std::array<std::vector<std::uint32_t>, 3> kUsual{{
            {60 * kMhz / 100, 46 * kMhz / 10},
            {16 * kMhz / 10, 5 * kMhz, 76 * kMhz / 10, 10 * kMhz},
            {16 * kMhz / 10},
        }};
        return std::ranges::count(kUsual[static_cast<std::size_t>(range)], split) > 0;
    }

    void checkSplit(Band band, int ch, std::string_view rx, std::string_view tx) {
        const auto r = units(rx);
        const auto t = units(tx);
        if (!r || !t || *r == *t) return;
        const auto range = acceptedRange(*r);
        const std::uint32_t split = *t > *r ? *t - *r : *r - *t;
        if (range && acceptedRange(*t) == range && usualSplit(*range, split)) return;
        add(cellPlace(band, ch, Column::TxFrequency),
            phrase(QT_TRANSLATE_NOOP("duoband",
                                     "a repeater split of %1 MHz, not a usual one for its band"),
                   verbatim((*t > *r ? "+" : "-") + mhzText(split))),
            FindingKind::Note);
    }

    void checkBandSettings(Band band) {
        const BandSettings& settings = model_.band(band);
        checkSignalling(settingPlace(SettingId::LaunchSignalling, band),
                        settings.launchSignalling.text());
        checkSignalling(settingPlace(SettingId::EndSignalling, band),
                        settings.endSignalling.text());
        const bool channelMode = settings.workingMode.index == 1;
        const int channel = settings.channel.index + 1;
        if (channelMode && channel >= 1 &&
            model_.channels(band).cell(Column::RxFrequency, channel).empty()) {
            add(settingPlace(SettingId::Channel, band),
                phrase(QT_TRANSLATE_NOOP("duoband",
                                         "channel %1 is shown at power-on but has no "
                                         "receiving frequency"),
                       verbatim(channel)));
        }
    }

    const EditorModel& held_;
    EditorModel model_;  // as sent
    std::vector<PlanFinding> findings_;
};

}  // namespace

std::vector<PlanFinding> checkChannelPlan(const EditorModel& model) {
    return PlanCheck(model).run();
}

std::size_t problemCount(std::span<const PlanFinding> findings) {
    return static_cast<std::size_t>(
        std::ranges::count(findings, FindingKind::Problem, &PlanFinding::kind));
}

Phrase describeFinding(const PlanFinding& finding) {
    return phrase("%1: %2", describePlace(finding.where), finding.what);
}

std::string planCheckCount(std::span<const PlanFinding> findings) {
    const std::size_t problems = problemCount(findings);
    std::string count = problems == 0 ? "no problems" : counted(problems, "problem");
    if (problems < findings.size()) count += ", " + counted(findings.size() - problems, "note");
    return count;
}

std::vector<std::string> planCheckLines(std::span<const PlanFinding> findings) {
    std::vector<std::string> lines;
    for (const PlanFinding& f : findings)
        lines.push_back((f.kind == FindingKind::Note ? "note: " : "") +
                        english(describeFinding(f)));
    lines.push_back(planCheckCount(findings));
    return lines;
}

}  // namespace duoband
