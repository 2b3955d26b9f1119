#include "duoband/channel_record.h"

#include <optional>

#include "duoband/field_codecs.h"
#include "duoband/memory_map.h"
#include "duoband/option_lists.h"

namespace duoband {

namespace {

struct Flag {
    Column column;
    std::uint8_t bit;
    std::string_view clear, set;
};

constexpr std::array<Flag, 4> kFlags{{
    {Column::Power, 0x80, "Low", "High"},
    {Column::Bandwidth, 0x40, "Narrow", "Wide"},
    {Column::Compandor, 0x20, "OFF", "ON"},
    {Column::Scrambler, 0x10, "OFF", "ON"},
}};

std::uint32_t be(const Bytes& b, std::size_t at, int width) {
    std::uint32_t v = 0;
    for (int i = 0; i < width; ++i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
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

}  // namespace

ChannelRow decodeChannelRecord(std::string_view hex48) {
    Bytes b = fromHex(hex48.substr(0, 48)).value_or(Bytes{});
    b.resize(kRecordBytes, 0xFF);
    ChannelRow row;
    const std::uint32_t rx = be(b, 0, 4);
    const std::uint32_t tx = be(b, 7, 4);
    row[Column::RxFrequency] = frequencyText(rx);
    row[Column::RxTone] = toneCell(static_cast<std::uint16_t>(be(b, 4, 2)), rx != kNoFrequency);
    row[Column::RxMode] = receivingModeCell(b[6], rx != kNoFrequency);
    row[Column::TxFrequency] = frequencyText(tx);
    row[Column::TxTone] = toneCell(static_cast<std::uint16_t>(be(b, 11, 2)), tx != kNoFrequency);
    row[Column::LaunchSignalling] = signallingCell(b[13], tx != kNoFrequency);
    row[Column::EndSignalling] = signallingCell(b[14], tx != kNoFrequency);
    for (const Flag& f : kFlags) {
        row[f.column] = b[15] == 0xFF ? "" : std::string((b[15] & f.bit) ? f.set : f.clear);
    }
    row[Column::Name] = countedTextText(std::span<const std::uint8_t>(b).subspan(16, 8));
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

// The flags byte, or the flag column whose text is not one of its two.
std::optional<HexText> flagsHex(const ChannelRow& row, std::optional<Column>& failedColumn) {
    std::uint8_t flags = 0;
    bool anyEmpty = false;
    for (const Flag& f : kFlags) {
        const std::string& text = row[f.column];
        if (text.empty()) {
            anyEmpty = true;
        } else if (text == f.set) {
            flags |= f.bit;
        } else if (text != f.clear) {
            failedColumn = f.column;
            return std::nullopt;
        }
    }
    return hexNumber(anyEmpty ? 0xFF : flags, 2);
}

}  // namespace

RecordEncoding encodeChannelRecord(const ChannelRow& row) {
    RecordEncoding out;
    auto add = [&](Column column, const std::optional<HexText>& part) {
        if (out.failedColumn) return;
        if (part) {
            out.hex += *part;
        } else {
            out.failedColumn = column;
        }
    };
    add(Column::RxFrequency, frequency_be32(row[Column::RxFrequency]));
    add(Column::RxTone, toneHex(row[Column::RxTone]));
    add(Column::RxMode, receivingModeHex(row[Column::RxMode]));
    add(Column::TxFrequency, frequency_be32(row[Column::TxFrequency]));
    add(Column::TxTone, toneHex(row[Column::TxTone]));
    add(Column::LaunchSignalling, signallingHex(row[Column::LaunchSignalling]));
    add(Column::EndSignalling, signallingHex(row[Column::EndSignalling]));
    if (!out.failedColumn) {
        const auto flags = flagsHex(row, out.failedColumn);
        if (flags) out.hex += *flags;
    }
    add(Column::Name, countedText(row[Column::Name]));
    if (!out.ok()) out.hex.clear();
    return out;
}

}  // namespace duoband
