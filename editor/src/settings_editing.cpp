#include "duoband/settings_editing.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>
#include <utility>

#include "duoband/block_layouts.h"
#include "duoband/field_codecs.h"
#include "text_rules.h"

namespace duoband {

namespace {

using B = BandPage;
using M = EditorModel;
using P = SettingsPage;

// ---- names -----------------------------------------------------------------

struct ControlName {
    std::string_view prefix;
    SettingsPage page;
    Band band;
};

// "sypz" before "sy", which is its prefix.
constexpr std::array<ControlName, 7> kNames{{
    {"left", P::Band, Band::A},
    {"right", P::Band, Band::B},
    {"gn", P::General, Band::A},
    {"sypz", P::Codes, Band::A},
    {"sy", P::Dtmf, Band::A},
    {"kaiji", P::Boot, Band::A},
    {"xp", P::Limits, Band::A},
}};

// ---- where a slice goes ----------------------------------------------------

// One-field spans k1..k15, for slices that lie in a single block field.
constexpr std::array<std::array<int, 1>, 15> kSingleFields{
    {{1}, {2}, {3}, {4}, {5}, {6}, {7}, {8}, {9}, {10}, {11}, {12}, {13}, {14}, {15}}};
constexpr std::array<int, 2> kBootLimitFields{10, 11};  // the block at 0x02D0

std::span<const int> singleField(int n) {
    return kSingleFields[static_cast<std::size_t>(n - 1)];
}

struct Slice {
    std::span<const int> fields;
    int offset;
    HexText hex;
};

bool write(EditorModel& model, const Slice& s) {
    return writeBlockSlice(model.k, s.fields, s.offset, s.hex);
}

// ---- lists -------------------------------------------------------------------

template <class Owner>
struct ChoiceMember {
    int number;
    Choice Owner::*member;
};

constexpr std::array<ChoiceMember<BandPage>, 13> kBandChoices{{
    {1, &B::c1},
    {2, &B::c2},
    {4, &B::c4},
    {5, &B::c5},
    {6, &B::c6},
    {7, &B::c7},
    {8, &B::c8},
    {10, &B::c10},
    {11, &B::c11},
    {12, &B::c12},
    {13, &B::c13},
    {14, &B::c14},
    {16, &B::c16},
}};

constexpr std::array<ChoiceMember<EditorModel>, 16> kModelChoices{{
    {1, &M::gn1},
    {2, &M::gn2},
    {4, &M::gn4},
    {5, &M::gn5},
    {6, &M::gn6},
    {7, &M::gn7},
    {8, &M::gn8},
    {9, &M::gn9},
    {10, &M::gn10},
    {11, &M::gn11},
    {12, &M::gn12},
    {13, &M::gn13},
    {14, &M::gn14},
    {15, &M::gn15},
    {9, &M::sypz9},  // on the codes page
    {5, &M::xp5},    // on the limits page
}};

// Which kModelChoices entries belong to which page.
struct ModelChoiceRange {
    SettingsPage page;
    std::size_t first, last;
};
constexpr std::array<ModelChoiceRange, 3> kModelChoicePages{{
    {P::General, 0, 13},
    {P::Codes, 14, 14},
    {P::Limits, 15, 15},
}};

struct ToneField {
    Choice BandPage::*member;
    int offset;
};
constexpr std::array<ToneField, 2> kToneFields{{
    {&B::c4, kBandRxToneOffset},
    {&B::c7, kBandTxToneOffset},
}};

constexpr int kLimitModeOffset = 32;

template <class Owner, std::size_t N>
Choice Owner::*memberOf(const std::array<ChoiceMember<Owner>, N>& table, std::size_t first,
                        std::size_t last, int number) {
    for (std::size_t i = first; i <= last; ++i) {
        if (table[i].number == number) return table[i].member;
    }
    return nullptr;
}

Choice BandPage::*bandChoice(int number) {
    return memberOf(kBandChoices, 0, kBandChoices.size() - 1, number);
}

Choice EditorModel::*modelChoice(SettingsControl c) {
    for (const auto& range : kModelChoicePages) {
        if (range.page == c.page) return memberOf(kModelChoices, range.first, range.last, c.number);
    }
    return nullptr;
}

// The code an option table gives a selection, in the table's slice.
template <class Owner>
std::optional<Slice> optionSlice(std::span<const OptionField<Owner>> table, Choice Owner::*member,
                                 const Choice& choice, std::span<const int> fields) {
    for (const auto& f : table) {
        if (f.control != member) continue;
        const auto value = optionValue(f, choice);
        if (!value) return std::nullopt;
        return Slice{fields, f.offset, hexNumber(*value, 2 * f.width)};
    }
    return std::nullopt;
}

std::optional<Slice> bandPickSlice(SettingsControl c, const Choice& choice) {
    const auto member = bandChoice(c.number);
    const auto fields = bandBlockFields(c.band);
    for (const auto& tone : kToneFields) {
        if (tone.member != member) continue;
        const auto code = toneCode(choice.text());
        if (!code) return std::nullopt;
        return Slice{fields, tone.offset, hexNumber(*code, 4)};
    }
    return optionSlice(bandOptionFields(), member, choice, fields);
}

std::optional<Slice> generalPickSlice(SettingsControl c, const Choice& choice) {
    return optionSlice(generalOptionFields(), modelChoice(c), choice, singleField(5));
}

std::optional<Slice> limitModeSlice(SettingsControl, const Choice& choice) {
    return Slice{kBootLimitFields, kLimitModeOffset,
                 hexNumber(static_cast<std::uint64_t>(choice.index), 2)};
}

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

enum class TextKind { Number, Digits, Line };

struct TextEncoding {
    TextKind kind;
    const NumberRule* number;  // TextKind::Number
    int width;                 // bytes of the slice
    std::span<const int> fields;
    int offset;
    rules::Charset holds;  // what the text may hold; paste is cut to it
    rules::KeyRule key;
};

constexpr rules::Charset kAnyText{&rules::latin1Character, rules::kNoLimit};
constexpr rules::Charset kLineText{&rules::fileTextCharacter, kCountedTextMax};
constexpr rules::KeyRule kFreeKeys{kAnyText, {}, KeyAction::Commit};

rules::Charset dtmfChars(int width) {
    return {&rules::dtmfCharacter, static_cast<std::size_t>(width - 1)};
}

TextEncoding digitEncoding(DigitField f, std::string_view refusal) {
    return {TextKind::Digits,
            nullptr,
            f.width,
            singleField(f.blockField),
            f.offset,
            dtmfChars(f.width),
            {dtmfChars(f.width), refusal, KeyAction::Commit}};
}

struct BandTextField {
    int number;
    std::string BandPage::*member;
    const NumberRule* rule;
    int offset;
};
constexpr std::array<BandTextField, 2> kBandTexts{{
    {3, &B::c3, &kReceiveRule, kBandRxFrequencyOffset},
    {15, &B::c15, &kFrequencyRule, kBandOffsetFrequencyOffset},
}};

const BandTextField* bandTextField(int number) {
    const auto* f = std::ranges::find(kBandTexts, number, &BandTextField::number);
    return f != kBandTexts.end() ? f : nullptr;
}

std::optional<TextEncoding> bandText(SettingsControl c) {
    const BandTextField* f = bandTextField(c.number);
    if (f == nullptr) return std::nullopt;
    return TextEncoding{TextKind::Number, f->rule,  4,        bandBlockFields(c.band),
                        f->offset,        kAnyText, kFreeKeys};
}

std::optional<TextEncoding> generalText(SettingsControl c) {
    if (c.number != 3) return std::nullopt;
    return TextEncoding{TextKind::Number, &kFmRule, 2,        singleField(5),
                        kGeneralFmOffset, kAnyText, kFreeKeys};
}

// The page table bounds the control numbers before these are asked.
std::optional<TextEncoding> dtmfText(SettingsControl c) {
    return digitEncoding(dtmfGroupField(c.number), kDtmfGroupKeyMessage);
}

std::optional<TextEncoding> codeText(SettingsControl c) {
    if (c.number == 9) return std::nullopt;  // sypz9 is a list
    return digitEncoding(codeField(c.number), kCodeKeyMessage);
}

std::optional<TextEncoding> bootText(SettingsControl c) {
    return TextEncoding{TextKind::Line,
                        nullptr,
                        8,
                        kBootLimitFields,
                        8 * (c.number - 1),
                        kLineText,
                        {kLineText, {}, KeyAction::Commit}};
}

constexpr int kLimitCount = 4;
constexpr int kFirstLimitOffset = 16;

std::optional<TextEncoding> limitText(SettingsControl c) {
    if (c.number > kLimitCount) return std::nullopt;  // xp5 is a list
    // Enter moves on to the next limit; in the last it only takes the text over.
    const KeyAction enter = c.number < kLimitCount ? KeyAction::FocusNext : KeyAction::Commit;
    return TextEncoding{TextKind::Number,
                        &kFrequencyRule,
                        4,
                        kBootLimitFields,
                        kFirstLimitOffset + 4 * (c.number - 1),
                        kAnyText,
                        {{&rules::frequencyCharacter, rules::kNoLimit}, {}, enter}};
}

// ---- the pages ---------------------------------------------------------------

struct PageRules {
    SettingsPage page;
    int first, last;  // control numbers
    std::optional<Slice> (*pickSlice)(SettingsControl, const Choice&);
    std::optional<TextEncoding> (*text)(SettingsControl);
    std::string* (*textMember)(EditorModel&, SettingsControl);
};

std::string* bandTextMember(EditorModel& m, SettingsControl c) {
    return &(m.band(c.band).*(bandTextField(c.number)->member));
}
std::string* fmMember(EditorModel& m, SettingsControl) {
    return &m.gn3;
}
std::string* dtmfMember(EditorModel& m, SettingsControl c) {
    return &m.sy[static_cast<std::size_t>(c.number)];
}
std::string* codeMember(EditorModel& m, SettingsControl c) {
    return &m.sypz[static_cast<std::size_t>(c.number)];
}
std::string* bootMember(EditorModel& m, SettingsControl c) {
    return &m.kaiji(c.number);
}
std::string* limitMember(EditorModel& m, SettingsControl c) {
    return &m.xp[static_cast<std::size_t>(c.number)];
}

std::optional<Slice> noSlice(SettingsControl, const Choice&) {
    return std::nullopt;
}

constexpr std::array<PageRules, 6> kPages{{
    {P::Band, 1, 16, &bandPickSlice, &bandText, &bandTextMember},
    {P::General, 1, 15, &generalPickSlice, &generalText, &fmMember},
    {P::Dtmf, 1, 8, &noSlice, &dtmfText, &dtmfMember},
    {P::Codes, 1, 9, &noSlice, &codeText, &codeMember},
    {P::Boot, 1, 2, &noSlice, &bootText, &bootMember},
    {P::Limits, 1, 5, &limitModeSlice, &limitText, &limitMember},
}};

const PageRules* pageOf(SettingsControl c) {
    const auto* rules = std::ranges::find(kPages, c.page, &PageRules::page);
    if (rules == kPages.end() || c.number < rules->first || c.number > rules->last) return nullptr;
    return rules;
}

std::optional<TextEncoding> textEncoding(SettingsControl c) {
    const PageRules* rules = pageOf(c);
    return rules != nullptr ? rules->text(c) : std::nullopt;
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

Encoded encode(const TextEncoding& how, const std::string& text) {
    switch (how.kind) {
        case TextKind::Number:
            return encodeNumber(*how.number, text);
        case TextKind::Digits:
            return stored(countedDigits(text, how.width));
        case TextKind::Line:
            return stored(countedText(text));
    }
    return {};
}

bool isChoice(SettingsControl c) {
    if (pageOf(c) == nullptr) return false;
    return c.page == P::Band ? bandChoice(c.number) != nullptr : modelChoice(c) != nullptr;
}

int parseNumber(std::string_view digits) {
    int n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (ec != std::errc{} || end != digits.data() + digits.size() || digits.front() == '+')
        return 0;
    return n;
}

}  // namespace

std::optional<SettingsControl> settingsControlNamed(std::string_view name) {
    for (const auto& n : kNames) {
        if (!name.starts_with(n.prefix) || name.size() == n.prefix.size()) continue;
        const SettingsControl c{n.page, parseNumber(name.substr(n.prefix.size())), n.band};
        if (isChoice(c) || textEncoding(c)) return c;
        return std::nullopt;
    }
    return std::nullopt;
}

std::string settingsControlName(SettingsControl control) {
    for (const auto& n : kNames) {
        if (n.page == control.page && n.band == control.band) {
            return std::string(n.prefix) + std::to_string(control.number);
        }
    }
    return {};
}

namespace {

std::vector<SettingsControl> controlsWhere(bool (*is)(SettingsControl)) {
    std::vector<SettingsControl> found;
    for (const PageRules& page : kPages) {
        const std::vector<Band> bands =
            page.page == P::Band ? std::vector<Band>{Band::A, Band::B} : std::vector{Band::A};
        for (Band band : bands) {
            for (int n = page.first; n <= page.last; ++n) {
                const SettingsControl c{page.page, n, band};
                if (is(c)) found.push_back(c);
            }
        }
    }
    return found;
}

bool isText(SettingsControl c) {
    return textEncoding(c).has_value();
}

}  // namespace

std::vector<SettingsControl> settingsChoiceControls() {
    return controlsWhere(&isChoice);
}

std::vector<SettingsControl> settingsTextControls() {
    return controlsWhere(&isText);
}

Choice* choiceOf(EditorModel& model, SettingsControl control) {
    if (!isChoice(control)) return nullptr;
    if (control.page == P::Band) return &(model.band(control.band).*bandChoice(control.number));
    return &(model.*modelChoice(control));
}

std::string* textOf(EditorModel& model, SettingsControl control) {
    if (!textEncoding(control)) return nullptr;
    return pageOf(control)->textMember(model, control);
}

bool pickChoice(EditorModel& model, SettingsControl control, int entry) {
    Choice* current = choiceOf(model, control);
    if (current == nullptr) return false;
    Choice picked = *current;
    picked.select(entry);
    if (picked.index < 0) return false;
    const auto slice = pageOf(control)->pickSlice(control, picked);
    if (slice && !write(model, *slice)) return false;
    *current = picked;
    return true;
}

std::optional<TextCommit> commitText(EditorModel& model, SettingsControl control,
                                     std::string_view text) {
    const auto how = textEncoding(control);
    if (!how) return std::nullopt;
    std::string& stored = *pageOf(control)->textMember(model, control);
    TextCommit result{rules::filterText(text, how->holds), {}, false};
    const Encoded e = encode(*how, result.text);
    if (e.emptyText) result.text.clear();
    if (e.hex) result.written = write(model, {how->fields, how->offset, *e.hex});
    // A text that cannot be stored was reported when it was first taken over.
    const bool reported = !e.hex && stored == result.text;
    if (!reported) result.message = std::string(e.message);
    stored = result.text;
    return result;
}

SettingsKey settingsKey(SettingsControl control, std::size_t length, char32_t key) {
    const auto how = textEncoding(control);
    if (!how) return {};
    SettingsKey result{rules::judgeKey(how->key, length, key), std::nullopt};
    if (result.key.action == KeyAction::FocusNext) {
        result.focusTo = SettingsControl{control.page, control.number + 1, control.band};
    }
    return result;
}

std::string filterPastedText(SettingsControl control, std::u32string_view pasted) {
    const auto how = textEncoding(control);
    return rules::filterText(pasted, how ? how->holds : kAnyText);
}

}  // namespace duoband
