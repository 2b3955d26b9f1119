#include "duoband/block_layouts.h"

#include <array>

#include "duoband/field_codecs.h"
#include "duoband/memory_map.h"
#include "duoband/option_lists.h"

namespace duoband {

namespace {

using U = OtherValues;
using B = BandPage;
using M = EditorModel;

const std::array<OptionField<BandPage>, 11> kBandOptions{{
    {0, 1, &B::c1, 3, nullptr, U::FirstEntry},
    {1, 1, &B::c2, 127, nullptr, U::FirstEntry},
    {8, 1, &B::c6, 1, nullptr, U::Unchanged},
    {12, 1, &B::c8, 17, nullptr, U::Unchanged},
    {13, 1, &B::c5, 17, nullptr, U::Unchanged},
    {14, 1, &B::c10, 1, nullptr, U::Unchanged},
    {15, 1, &B::c11, 1, nullptr, U::Unchanged},
    {16, 1, &B::c12, 1, nullptr, U::Unchanged},
    {17, 1, &B::c13, 1, nullptr, U::Unchanged},
    {18, 1, &B::c14, 2, nullptr, U::Unchanged},
    {23, 2, &B::c16, 0, &lists::frequencyStepCodes, U::Unchanged},
}};

const std::array<OptionField<EditorModel>, 14> kGeneralOptions{{
    {0, 1, &M::gn1, 1, nullptr, U::Unchanged},
    {1, 1, &M::gn2, 20, nullptr, U::Unchanged},
    {4, 1, &M::gn4, 7, nullptr, U::Unchanged},
    {5, 1, &M::gn5, 7, nullptr, U::Unchanged},
    {6, 1, &M::gn6, 7, nullptr, U::Unchanged},
    {7, 1, &M::gn7, 1, nullptr, U::Unchanged},
    {8, 1, &M::gn8, 1, nullptr, U::Unchanged},
    {9, 1, &M::gn9, 9, nullptr, U::Unchanged},
    {10, 1, &M::gn10, 9, nullptr, U::Unchanged},
    {11, 1, &M::gn11, 20, nullptr, U::Unchanged},
    {12, 2, &M::gn12, 0, &lists::toneBurstCodes, U::Unchanged},
    {14, 2, &M::gn13, 0, &lists::dtmfTimeCodes, U::Unchanged},
    {16, 1, &M::gn14, 9, nullptr, U::Unchanged},
    {17, 1, &M::gn15, 1, nullptr, U::Unchanged},
}};

constexpr std::array<int, 2> kBandAFields{1, 2};
constexpr std::array<int, 2> kBandBFields{3, 4};

bool fits(std::span<const std::uint8_t> bytes, int offset, int width) {
    return offset + width <= static_cast<int>(bytes.size());
}

std::uint32_t readBe(std::span<const std::uint8_t> bytes, int offset, int width) {
    std::uint32_t v = 0;
    for (int i = 0; i < width; ++i) v = (v << 8) | bytes[static_cast<std::size_t>(offset + i)];
    return v;
}

template <class Owner>
void decodeOption(Owner& owner, const OptionField<Owner>& f, std::span<const std::uint8_t> bytes) {
    if (!fits(bytes, f.offset, f.width)) return;
    Choice& choice = owner.*(f.control);
    const std::uint32_t value = readBe(bytes, f.offset, f.width);
    if (f.codes != nullptr) {
        if (const auto entry = entryOfCode(f.codes(), value)) choice.select(*entry);
    } else if (value <= static_cast<std::uint32_t>(f.maxValue)) {
        choice.select(static_cast<int>(value));
    } else if (f.other == OtherValues::FirstEntry) {
        choice.select(0);
    }
}

std::string frequencyAt(std::span<const std::uint8_t> bytes, int offset) {
    return frequencyText(readBe(bytes, offset, 4));
}

void decodeDigitField(std::string& text, DigitField f, std::span<const std::uint8_t> bytes,
                      int blockOffset) {
    const int at = blockOffset;
    if (!fits(bytes, at, f.width)) return;
    text = countedDigitsText(
        bytes.subspan(static_cast<std::size_t>(at), static_cast<std::size_t>(f.width)));
}

}  // namespace

std::span<const OptionField<BandPage>> bandOptionFields() {
    return kBandOptions;
}
std::span<const OptionField<EditorModel>> generalOptionFields() {
    return kGeneralOptions;
}

std::span<const int> bandBlockFields(Band band) {
    return band == Band::A ? std::span<const int>(kBandAFields)
                           : std::span<const int>(kBandBFields);
}

DigitField dtmfGroupField(int group) {
    return {6 + (group - 1) / 2, 8 * ((group - 1) % 2), 8};
}

DigitField codeField(int code) {
    if (code <= 2) return {12, 8 * (code - 1), 8};
    return {13 + (code - 3) / 2, 6 * ((code - 3) % 2), 6};
}

bool writeBlockSlice(BlockFields& k, std::span<const int> fields, int offset,
                     std::string_view hex) {
    int start = 0;  // byte offset of the current field in the block
    for (int n : fields) {
        const int bytes = blockField(n).bytes;
        const int width = static_cast<int>(hex.size()) / 2;
        if (offset >= start && offset + width <= start + bytes) {
            HexText& field = k[n];
            if (static_cast<int>(field.size()) != 2 * bytes || hex.size() % 2 != 0) return false;
            field.replace(static_cast<std::size_t>(2 * (offset - start)), hex.size(), hex);
            return true;
        }
        start += bytes;
    }
    return false;
}

int toneEntry(std::uint16_t code) {
    const std::string text = toneText(code, "0FF");
    const auto list = lists::vfoTones();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == text) return static_cast<int>(i);
    }
    return -1;
}

void decodeBandBlock(BandPage& page, std::span<const std::uint8_t> bytes) {
    for (const auto& f : kBandOptions) decodeOption(page, f, bytes);
    if (fits(bytes, kBandRxFrequencyOffset, 4))
        page.c3 = frequencyAt(bytes, kBandRxFrequencyOffset);
    for (auto [offset, control] : {std::pair{kBandRxToneOffset, &BandPage::c4},
                                   std::pair{kBandTxToneOffset, &BandPage::c7}}) {
        if (fits(bytes, offset, 2)) {
            (page.*control).select(toneEntry(static_cast<std::uint16_t>(readBe(bytes, offset, 2))));
        }
    }
    if (fits(bytes, kBandOffsetFrequencyOffset, 4)) {
        page.c15 = frequencyAt(bytes, kBandOffsetFrequencyOffset);
    }
}

void decodeGeneralBlock(EditorModel& model, std::span<const std::uint8_t> bytes) {
    for (const auto& f : kGeneralOptions) decodeOption(model, f, bytes);
    if (fits(bytes, kGeneralFmOffset, 2)) {
        model.gn3 = fmFrequencyText(static_cast<std::uint16_t>(readBe(bytes, kGeneralFmOffset, 2)));
    }
}

void decodeDtmfGroups(EditorModel& model, int firstGroup, std::span<const std::uint8_t> bytes) {
    for (int g = firstGroup; g <= 8; ++g) {
        decodeDigitField(model.sy[static_cast<std::size_t>(g)], dtmfGroupField(g), bytes,
                         8 * (g - firstGroup));
    }
}

void decodeCodes(EditorModel& model, std::span<const std::uint8_t> bytes) {
    int offset = 0;
    for (int c = 1; c <= 8; ++c) {
        const DigitField f = codeField(c);
        decodeDigitField(model.sypz[static_cast<std::size_t>(c)], f, bytes, offset);
        offset += f.width;
    }
}

void decodeRemoteState(EditorModel& model, std::uint8_t state) {
    if (state <= 2) model.sypz9.select(state);
}

void decodeBootMessage(EditorModel& model, std::span<const std::uint8_t> bytes) {
    for (int line = 1; line <= 2; ++line) {
        const int offset = 8 * (line - 1);
        if (fits(bytes, offset, 8)) {
            model.kaiji(line) = countedTextText(bytes.subspan(static_cast<std::size_t>(offset), 8));
        }
    }
}

void decodeLimits(EditorModel& model, std::span<const std::uint8_t> bytes) {
    for (int i = 1; i <= 4; ++i) {
        const int offset = 4 * (i - 1);
        if (fits(bytes, offset, 4))
            model.xp[static_cast<std::size_t>(i)] = limitText(readBe(bytes, offset, 4));
    }
    if (fits(bytes, 16, 1) && bytes[16] <= 1) model.xp5.select(bytes[16]);
}

}  // namespace duoband
