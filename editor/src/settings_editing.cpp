// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/settings_editing.h"

#include <algorithm>
#include <array>
#include <span>
#include <utility>

#include "duoband/block_layouts.h"
#include "duoband/field_codecs.h"
#include "text_rules.h"

namespace duoband {

namespace {

// ---- texts -------------------------------------------------------------------

// How a typed number is stored: scaled to whole units and written as hex; a
// value outside `ranges` (when there are any) is refused with `rangeMessage`
// and stored as "no value".
struct NumberRule {
    int scale;
    std::uint64_t max;  // the largest storable value; all ones means "none"
    int hexDigits;
    std::span<const rules::Range> ranges;
    std::string_view rangeMessage;
};

constexpr std::array<rules::Range, 1> kFmRange{{{880, 1080}}};

constexpr NumberRule kReceiveRule{5, kNoFrequency - 1, 8, rules::kAcceptedRanges,
                                  kBandReceiveRangeMessage};
constexpr NumberRule kFrequencyRule{5, kNoFrequency - 1, 8, {}, {}};
constexpr NumberRule kFmRule{1, 0xFFFE, 4, kFmRange, kFmRangeMessage};

// What a text setting may hold and how its keys are judged.
struct TextRules {
    rules::Charset holds;  // what the text may hold; paste is cut to it
    rules::KeyRule key;
};

constexpr rules::Charset kAnyText{&rules::latin1Character, rules::kNoLimit};
constexpr rules::Charset kLineText{&rules::fileTextCharacter, kCountedTextMax};
constexpr rules::KeyRule kFreeKeys{kAnyText, {}, KeyAction::Commit};
// Any text, with a comma taken as the decimal point.
constexpr rules::Charset kFrequencyText{&rules::latin1Character, rules::kNoLimit,
                                        &rules::decimalPointSpelling};

rules::Charset dtmfChars(int width) {
    return {&rules::dtmfCharacter, static_cast<std::size_t>(width - 1), &rules::dtmfSpelling};
}

// The setting after `id` in the table, where Enter in a limit moves on to.
std::optional<SettingId> nextSetting(SettingId id) {
    const auto next = static_cast<std::size_t>(id) + 1;
    if (next >= allSettings().size()) return std::nullopt;
    return allSettings()[next].id;
}

bool nextIsLimit(SettingId id) {
    const auto next = nextSetting(id);
    return next && setting(*next).encoding == Encoding::LimitFrequency;
}

TextRules textRules(const Setting& s) {
    switch (s.encoding) {
        case Encoding::DtmfDigits: {
            const std::string_view refusal =
                s.slice.region == Region::Codes ? kCodeKeyMessage : kDtmfGroupKeyMessage;
            return {dtmfChars(s.slice.width),
                    {dtmfChars(s.slice.width), refusal, KeyAction::Commit}};
        }
        case Encoding::CountedText:
            return {kLineText, {kLineText, {}, KeyAction::Commit}};
        case Encoding::LimitFrequency: {
            // Enter moves on to the next limit; in the last it only takes the text over.
            const KeyAction enter = nextIsLimit(s.id) ? KeyAction::FocusNext : KeyAction::Commit;
            return {kAnyText,
                    {{&rules::frequencyCharacter, rules::kNoLimit, &rules::decimalPointSpelling},
                     {},
                     enter}};
        }
        case Encoding::ReceiveFrequency:
        case Encoding::Frequency:
        case Encoding::FmFrequency:
            return {kFrequencyText, {kFrequencyText, {}, KeyAction::Commit}};
        default:
            return {kAnyText, kFreeKeys};
    }
}

const NumberRule* numberRule(Encoding encoding) {
    switch (encoding) {
        case Encoding::ReceiveFrequency:
            return &kReceiveRule;
        case Encoding::Frequency:
        case Encoding::LimitFrequency:
            return &kFrequencyRule;
        case Encoding::FmFrequency:
            return &kFmRule;
        default:
            return nullptr;
    }
}

// The settings a page edits as text; the block fields are not among them.
bool isEditedText(SettingRef ref) {
    const Setting& s = setting(ref.id);
    return s.isText() && s.encoding != Encoding::HexDigits;
}

// ---- encoding a text ---------------------------------------------------------

struct Encoded {
    std::optional<HexText> hex;  // nullopt: the field stays as it was
    std::string_view message;
    bool emptyText = false;  // the text was refused and the control empties
};

bool inRanges(std::span<const rules::Range> ranges, std::uint64_t v) {
    return std::ranges::any_of(ranges, [&](const auto& r) { return v >= r.low && v <= r.high; });
}

HexText noValue(int digits) {
    return HexText(static_cast<std::size_t>(digits), 'F');
}

Encoded stored(std::optional<HexText> hex) {
    return {std::move(hex), {}, false};
}

Encoded encodeNumber(const NumberRule& rule, std::string_view text) {
    const rules::Number n = rules::readNumber(text, rule.scale, rule.max);
    const bool ranged = !rule.ranges.empty();
    const Encoded refused{noValue(rule.hexDigits), rule.rangeMessage, true};
    switch (n.status) {
        case rules::NumberStatus::Empty:
            return stored(noValue(rule.hexDigits));
        case rules::NumberStatus::NotANumber:
            return {std::nullopt, kNotANumberMessage, false};
        case rules::NumberStatus::OutOfReach:
            return ranged ? refused : Encoded{std::nullopt, kFrequencyReachMessage, false};
        case rules::NumberStatus::Value:
            break;
    }
    if (ranged && !inRanges(rule.ranges, n.value)) return refused;
    return stored(hexNumber(n.value, rule.hexDigits));
}

Encoded encode(const Setting& s, const std::string& text) {
    if (const NumberRule* rule = numberRule(s.encoding)) return encodeNumber(*rule, text);
    if (s.encoding == Encoding::DtmfDigits) return stored(countedDigits(text, s.slice.width));
    return stored(countedText(text));
}

}  // namespace

bool pickChoice(EditorModel& model, SettingRef ref, int entry) {
    return pickChoice(model, setting(ref.id), ref.band, entry);
}

bool pickChoice(EditorModel& model, const Setting& s, Band band, int entry) {
    if (!s.isChoice()) return false;
    Choice& current = s.choice.get(model, band);
    Choice picked = current;
    picked.select(entry);
    if (picked.index < 0) return false;
    if (!regionBlocks(s.slice.region, band).empty()) {
        const auto value = choiceValue(s, picked);
        if (!value || !writeSettingValue(model.blocks, s, band, *value)) return false;
    }
    current = picked;
    return true;
}

std::optional<TextCommit> commitText(EditorModel& model, SettingRef ref, std::string_view text) {
    if (!isEditedText(ref)) return std::nullopt;
    const Setting& s = setting(ref.id);
    std::string& stored = *textOf(model, ref);
    TextCommit result{rules::filterText(text, textRules(s).holds), {}, false};
    const Encoded e = encode(s, result.text);
    if (e.emptyText) result.text.clear();
    if (e.hex) result.written = writeSettingSlice(model.blocks, ref, *e.hex);
    // A text that cannot be stored was reported when it was first taken over.
    const bool reported = !e.hex && stored == result.text;
    if (!reported) result.message = std::string(e.message);
    stored = result.text;
    return result;
}

bool takenOverAtEveryChange(SettingRef ref) {
    const Encoding e = setting(ref.id).encoding;
    return e == Encoding::DtmfDigits || e == Encoding::CountedText;
}

SettingsKey settingsKey(SettingRef ref, std::size_t length, char32_t key) {
    if (!isEditedText(ref)) return {};
    SettingsKey result{rules::judgeKey(textRules(setting(ref.id)).key, length, key), std::nullopt};
    if (result.key.action == KeyAction::FocusNext) {
        result.focusTo = SettingRef{*nextSetting(ref.id), ref.band};
    }
    return result;
}

std::string filterPastedText(SettingRef ref, std::u32string_view pasted) {
    const rules::Charset holds = isEditedText(ref) ? textRules(setting(ref.id)).holds : kAnyText;
    return rules::filterText(pasted, holds);
}

}  // namespace duoband
