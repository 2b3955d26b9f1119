// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/block_layouts.h"

#include "duoband/field_codecs.h"
#include "duoband/hex_text.h"
#include "duoband/option_lists.h"

namespace duoband {

namespace {

std::uint32_t readBe(std::span<const std::uint8_t> bytes) {
    std::uint32_t v = 0;
    for (std::uint8_t b : bytes) v = (v << 8) | b;
    return v;
}

void decodeChoice(const Setting& s, Choice& choice, std::uint32_t value) {
    const ChoiceDecoding& d = s.decoding;
    if (s.encoding == Encoding::Tone) {
        choice.select(toneEntry(static_cast<std::uint16_t>(value)));
    } else if (d.codes != nullptr) {
        if (const auto entry = entryOfCode(d.codes(), value)) choice.select(*entry);
    } else if (value <= static_cast<std::uint32_t>(d.maxValue)) {
        choice.select(static_cast<int>(value));
    } else if (d.other == OtherValues::FirstEntry) {
        choice.select(0);
    }
}

std::string decodedText(Encoding encoding, std::span<const std::uint8_t> bytes) {
    switch (encoding) {
        case Encoding::ReceiveFrequency:
        case Encoding::Frequency:
            return frequencyText(readBe(bytes));
        case Encoding::FmFrequency:
            return fmFrequencyText(static_cast<std::uint16_t>(readBe(bytes)));
        case Encoding::LimitFrequency:
            return limitText(readBe(bytes));
        case Encoding::DtmfDigits:
            return countedDigitsText(bytes);
        case Encoding::CountedText:
            return countedTextText(bytes);
        default:
            return {};
    }
}

}  // namespace

void decodeRegion(EditorModel& model, Region region, Band band, int firstOffset,
                  std::span<const std::uint8_t> bytes, std::span<const Setting> settings) {
    const int end = firstOffset + static_cast<int>(bytes.size());
    for (const Setting& s : settings) {
        if (s.encoding == Encoding::HexDigits || s.slice.region != region) continue;
        if (s.slice.offset < firstOffset || s.slice.offset + s.slice.width > end) continue;
        const auto value = bytes.subspan(static_cast<std::size_t>(s.slice.offset - firstOffset),
                                         static_cast<std::size_t>(s.slice.width));
        if (s.isChoice()) {
            decodeChoice(s, s.choice.get(model, band), s.slice.valueIn(readBe(value)));
        } else {
            s.text.get(model, band) = decodedText(s.encoding, value);
        }
    }
}

std::optional<std::uint16_t> choiceValue(const Setting& s, const Choice& choice) {
    if (choice.index < 0) return std::nullopt;
    if (s.encoding == Encoding::Tone) return toneCode(choice.text());
    if (s.decoding.codes == nullptr) return static_cast<std::uint16_t>(choice.index);
    const auto codes = s.decoding.codes();
    if (choice.index >= static_cast<int>(codes.size())) return std::nullopt;
    return codes[static_cast<std::size_t>(choice.index)];
}

bool writeBlockSlice(BlockFields& blocks, std::span<const Block> fields, int offset,
                     std::string_view hex) {
    int start = 0;  // byte offset of the current field in the block
    for (Block block : fields) {
        const int bytes = blockExtent(block).bytes;
        const int width = static_cast<int>(hex.size()) / 2;
        if (offset >= start && offset + width <= start + bytes) {
            HexText& field = blocks[block];
            if (static_cast<int>(field.size()) != 2 * bytes || hex.size() % 2 != 0) return false;
            field.replace(static_cast<std::size_t>(2 * (offset - start)), hex.size(), hex);
            return true;
        }
        start += bytes;
    }
    return false;
}

std::optional<std::uint32_t> readBlockSlice(const BlockFields& blocks,
                                            std::span<const Block> fields, int offset, int width) {
    int start = 0;  // byte offset of the current field in the block
    for (Block block : fields) {
        const int bytes = blockExtent(block).bytes;
        if (offset >= start && offset + width <= start + bytes) {
            const HexText& field = blocks[block];
            if (static_cast<int>(field.size()) != 2 * bytes) return std::nullopt;
            const auto held = fromHex(
                std::string_view(field).substr(static_cast<std::size_t>(2 * (offset - start)),
                                               static_cast<std::size_t>(2 * width)));
            if (!held) return std::nullopt;
            return readBe(*held);
        }
        start += bytes;
    }
    return std::nullopt;
}

bool writeSettingValue(BlockFields& blocks, const Setting& s, Band band, std::uint32_t value) {
    const RegionSlice& slice = s.slice;
    const auto fields = regionBlocks(slice.region, band);
    std::uint32_t held = 0;  // a value of whole bytes replaces them all
    if (slice.bits != 0) {
        const auto read = readBlockSlice(blocks, fields, slice.offset, slice.width);
        if (!read) return false;
        held = *read;
    }
    const auto merged = slice.withValue(held, value);
    if (!merged) return false;
    return writeBlockSlice(blocks, fields, slice.offset, hexNumber(*merged, 2 * slice.width));
}

bool writeSettingSlice(BlockFields& blocks, SettingRef ref, std::string_view hex) {
    const Setting& s = setting(ref.id);
    return writeBlockSlice(blocks, regionBlocks(s.slice.region, ref.band), s.slice.offset, hex);
}

int toneEntry(std::uint16_t code) {
    const std::string text = toneText(code, "0FF");
    const auto list = lists::vfoTones();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == text) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace duoband
