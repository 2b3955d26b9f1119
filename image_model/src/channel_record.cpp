// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/channel_record.h"

#include <map>
#include <optional>

#include "duoband/field_codecs.h"
#include "duoband/memory_map.h"
#include "duoband/option_lists.h"
#include "duoband/settings_table.h"

namespace duoband {

namespace {

std::uint32_t be(const Bytes& b, const RecordPlace& place) {
    std::uint32_t v = 0;
    for (int i = 0; i < place.width; ++i)
        v = (v << 8) | b[static_cast<std::size_t>(place.offset + i)];
    return v;
}

std::string toneCell(std::uint16_t code, bool frequencySet) {
    if (code == 0xFFFF || code == 0x0000) return frequencySet ? "OFF" : "";
    return toneText(code, "OFF");
}

std::string receivingModeCell(std::uint8_t code, bool frequencySet) {
    if (code == 0x00) return frequencySet ? "QT/DQT" : "";
    if (code == 0x01) return "QT/DQT+Signaling";
    return "";
}

std::string signallingCell(std::uint8_t code, bool frequencySet) {
    if (code == 0x00) return frequencySet ? "OFF" : "";
    return std::string(signallingText(code));
}

// Whether the frequency a column belongs to is set: a tone, mode or
// signalling of a channel without it reads as empty.
bool frequencySet(const Bytes& b, const ChannelColumn& c) {
    return c.openOnlyWhen && be(b, channelColumn(*c.openOnlyWhen).record) != kNoFrequency;
}

std::string decodeCell(const Bytes& b, const ChannelColumn& c) {
    const RecordPlace& place = c.record;
    const std::uint32_t value = be(b, place);
    switch (place.codec) {
        case RecordCodec::None:
            return {};
        case RecordCodec::FrequencyBe32:
            return frequencyText(value);
        case RecordCodec::ToneBe16:
            return toneCell(static_cast<std::uint16_t>(value), frequencySet(b, c));
        case RecordCodec::ReceivingMode:
            return receivingModeCell(static_cast<std::uint8_t>(value), frequencySet(b, c));
        case RecordCodec::SignallingCode:
            return signallingCell(static_cast<std::uint8_t>(value), frequencySet(b, c));
        case RecordCodec::FlagBit:
            if (value == 0xFF) return {};
            return std::string((value & place.bit) ? place.set : place.clear);
        case RecordCodec::CountedText:
            return countedTextText(std::span<const std::uint8_t>(b).subspan(
                static_cast<std::size_t>(place.offset), static_cast<std::size_t>(place.width)));
    }
    return {};
}

}  // namespace

ChannelRow decodeChannelRecord(std::string_view hex48) {
    Bytes b = fromHex(hex48.substr(0, 48)).value_or(Bytes{});
    b.resize(kRecordBytes, 0xFF);
    ChannelRow row;
    for (const ChannelColumn& c : channelColumns())
        if (c.record.codec != RecordCodec::None) row[c.column] = decodeCell(b, c);
    return row;
}

namespace {

std::optional<HexText> receivingModeHex(std::string_view text) {
    if (text.empty() || text == "OFF") return "FF";
    const auto list = lists::channelReceivingMode();
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i] == text) return hexNumber(i, 2);
    }
    return std::nullopt;
}

std::optional<HexText> signallingHex(std::string_view text) {
    if (text.empty()) return "FF";
    const auto code = signallingCode(text);
    return code ? std::optional<HexText>(hexNumber(*code, 2)) : std::nullopt;
}

std::optional<HexText> toneHex(std::string_view text) {
    const auto code = toneCode(text);
    return code ? std::optional<HexText>(hexNumber(*code, 4)) : std::nullopt;
}

// The flags byte: the flag bits of the columns set, or 0xFF while any of
// them is empty.
class FlagsByte {
  public:
    // False when the text is neither of the column's two.
    bool add(const RecordPlace& place, std::string_view text) {
        if (text.empty()) {
            anyEmpty_ = true;
        } else if (text == place.set) {
            bits_ |= place.bit;
        } else if (text != place.clear) {
            return false;
        }
        return true;
    }
    std::uint8_t value() const { return anyEmpty_ ? 0xFF : bits_; }

  private:
    std::uint8_t bits_ = 0;
    bool anyEmpty_ = false;
};

std::optional<HexText> cellHex(const ChannelColumn& c, std::string_view text) {
    switch (c.record.codec) {
        case RecordCodec::FrequencyBe32:
            return frequency_be32(text);
        case RecordCodec::ToneBe16:
            return toneHex(text);
        case RecordCodec::ReceivingMode:
            return receivingModeHex(text);
        case RecordCodec::SignallingCode:
            return signallingHex(text);
        case RecordCodec::CountedText:
            return countedText(text);
        case RecordCodec::None:
        case RecordCodec::FlagBit:
            break;
    }
    return std::nullopt;
}

}  // namespace

RecordEncoding encodeChannelRecord(const ChannelRow& row) {
    RecordEncoding out;
    std::string digits(2 * kRecordBytes, 'F');
    std::map<int, FlagsByte> flags;  // by offset
    for (const ChannelColumn& c : channelColumns()) {
        const RecordPlace& place = c.record;
        if (place.codec == RecordCodec::None) continue;
        if (place.codec == RecordCodec::FlagBit) {
            if (flags[place.offset].add(place, row[c.column])) continue;
        } else if (const auto hex = cellHex(c, row[c.column])) {
            digits.replace(static_cast<std::size_t>(2 * place.offset), hex->size(), *hex);
            continue;
        }
        out.failedColumn = c.column;
        return out;
    }
    for (const auto& [offset, byte] : flags)
        digits.replace(static_cast<std::size_t>(2 * offset), 2, hexNumber(byte.value(), 2));
    out.hex = digits;
    return out;
}

}  // namespace duoband
