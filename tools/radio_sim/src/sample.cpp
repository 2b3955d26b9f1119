// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The sample radio: the texts a dealer would type, encoded by the same
// codecs the editor uses.
#include "duoband/radio_sim_sample.h"

#include <stdexcept>

#include "duoband/block_layouts.h"
#include "duoband/channel_record.h"
#include "duoband/field_codecs.h"
#include "duoband/memory_image.h"
#include "duoband/memory_map.h"

namespace duoband::sim {
namespace {

using Row = std::array<std::string_view, 12>;

// rx MHz, rx tone, rx mode, tx MHz, tx tone, launch, end, power, width,
// compandor, scrambler, name
constexpr std::array<Row, 12> kBandAChannels{{
    {"145.50000", "OFF", "QT/DQT", "145.50000", "OFF", "OFF", "OFF", "High", "Wide", "OFF", "OFF",
     "CALL"},
    {"145.60000", "88.5HZ", "QT/DQT", "145.00000", "88.5HZ", "OFF", "OFF", "High", "Wide", "OFF",
     "OFF", "RPT1"},
    {"146.52000", "OFF", "QT/DQT", "146.52000", "OFF", "OFF", "OFF", "Low", "Narrow", "OFF", "OFF",
     "SIMPLEX"},
    {"147.30000", "100.0HZ", "QT/DQT", "147.90000", "100.0HZ", "DTMF1", "OFF", "High", "Wide", "ON",
     "OFF", "CLUB"},
    {"144.80000", "OFF", "QT/DQT", "144.80000", "OFF", "OFF", "OFF", "Low", "Narrow", "OFF", "OFF",
     "APRS"},
    {"151.62500", "D023N", "QT/DQT", "151.62500", "D023N", "OFF", "OFF", "High", "Narrow", "OFF",
     "OFF", "FARM"},
    {"154.57000", "D754I", "QT/DQT+Signaling", "154.57000", "D754I", "Identity Code", "DTMF2",
     "High", "Wide", "OFF", "ON", "SITE"},
    {"162.55000", "OFF", "QT/DQT", "", "", "", "", "Low", "Wide", "OFF", "OFF", "WX"},
    {"433.50000", "67.0HZ", "QT/DQT", "433.50000", "67.0HZ", "OFF", "OFF", "High", "Wide", "OFF",
     "OFF", "UCALL"},
    {"438.92500", "123.0HZ", "QT/DQT", "431.32500", "123.0HZ", "OFF", "OFF", "High", "Wide", "OFF",
     "OFF", "URPT"},
    {"446.00625", "D155N", "QT/DQT", "446.00625", "D155N", "OFF", "OFF", "Low", "Narrow", "OFF",
     "OFF", "PMR1"},
    {"462.56250", "250.3HZ", "QT/DQT", "462.56250", "D311I", "DTMF8+Identity Code", "OFF", "High",
     "Wide", "ON", "ON", "GMRS"},
}};

constexpr std::array<Row, 12> kBandBChannels{{
    {"435.00000", "OFF", "QT/DQT", "435.00000", "OFF", "OFF", "OFF", "High", "Wide", "OFF", "OFF",
     "SAT"},
    {"439.10000", "77.0HZ", "QT/DQT", "434.10000", "77.0HZ", "OFF", "OFF", "High", "Wide", "OFF",
     "OFF", "RPT2"},
    {"446.09375", "OFF", "QT/DQT", "446.09375", "OFF", "OFF", "OFF", "Low", "Narrow", "OFF", "OFF",
     "PMR8"},
    {"409.75000", "D047N", "QT/DQT", "409.75000", "D047N", "DTMF3", "DTMF3", "High", "Narrow",
     "OFF", "OFF", "TEAM"},
    {"467.71250", "141.3HZ", "QT/DQT", "467.71250", "141.3HZ", "OFF", "OFF", "Low", "Narrow", "OFF",
     "OFF", "FRS8"},
    {"480.00000", "D432I", "QT/DQT+Signaling", "480.00000", "D432I", "DTMF4+Identity Code", "OFF",
     "High", "Wide", "OFF", "OFF", "YARD"},
    {"144.39000", "OFF", "QT/DQT", "144.39000", "OFF", "OFF", "OFF", "Low", "Wide", "OFF", "OFF",
     "APRS"},
    {"146.94000", "103.5HZ", "QT/DQT", "146.34000", "103.5HZ", "OFF", "OFF", "High", "Wide", "OFF",
     "OFF", "VRPT"},
    {"155.34000", "D251N", "QT/DQT", "155.34000", "D251N", "OFF", "OFF", "High", "Narrow", "OFF",
     "OFF", "EMS"},
    {"168.25000", "192.8HZ", "QT/DQT", "173.25000", "192.8HZ", "OFF", "OFF", "High", "Wide", "OFF",
     "OFF", "FIRE"},
    {"225.50000", "OFF", "QT/DQT", "225.50000", "OFF", "OFF", "OFF", "Low", "Wide", "OFF", "OFF",
     "220"},
    {"137.62000", "OFF", "", "", "", "", "", "Low", "Wide", "OFF", "OFF", "NOAA"},
}};

// A band page: its block slices as offset and the text each codec encodes.
struct BandSample {
    Band band;
    int mode;     // entry of the working mode list
    int channel;  // 1..128
    std::string_view rx, rxTone, txTone, offset;
    int launch, end, power, width, compandor, scrambler, direction;
    std::uint16_t step;
};
constexpr std::array<BandSample, 2> kBandPages{{
    {Band::A, 1, 3, "146.52000", "88.5HZ", "88.5HZ", "0.60000", 1, 0, 1, 1, 0, 0, 2, 0x04E2},
    {Band::B, 0, 1, "439.10000", "D023N", "D023I", "5.00000", 0, 17, 0, 0, 1, 1, 1, 0x09C4},
}};

HexText must(std::optional<HexText> hex) {
    if (!hex) throw std::logic_error("sample text has no encoding");
    return *hex;
}
HexText byte(int value) {
    return hexNumber(static_cast<std::uint64_t>(value), 2);
}
HexText tone(std::string_view text) {
    return hexNumber(*toneCode(text), 4);
}

// Byte by byte, so a slice may run on from one block field into the next.
void put(EditorModel& m, std::span<const Block> fields, int offset, const HexText& hex) {
    for (std::size_t i = 0; 2 * i < hex.size(); ++i) {
        if (!writeBlockSlice(m.blocks, fields, offset + static_cast<int>(i), hex.substr(2 * i, 2)))
            throw std::logic_error("sample slice");
    }
}

void fillChannels(EditorModel& m, Band band, const std::array<Row, 12>& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t i = 0; i < rows[r].size(); ++i)
            m.channels(band).cell(columnAt(static_cast<int>(i) + 1), static_cast<int>(r) + 1) =
                rows[r][i];
}

void fillBandPage(EditorModel& m, const BandSample& s) {
    const auto fields = regionBlocks(Region::BandSettings, s.band);
    put(m, fields, 0, byte(s.mode) + byte(s.channel - 1) + must(frequency_be32(s.rx)));
    put(m, fields, setting(SettingId::RxTone).slice.offset, tone(s.rxTone) + byte(0));
    put(m, fields, setting(SettingId::TxTone).slice.offset,
        tone(s.txTone) + byte(s.launch) + byte(s.end) + byte(s.power) + byte(s.width) +
            byte(s.compandor) + byte(s.scrambler) + byte(s.direction) +
            must(frequency_be32(s.offset)) + hexNumber(s.step, 4));
}

void fillGeneral(EditorModel& m) {
    const auto general = regionBlocks(Region::General);
    // band B main, volume 10, FM 98.0, backlights, mode "On", beep on,
    // ring 5, busy lock on, timer 180 s, 1450 Hz burst, DTMF 100 ms,
    // squelch 5, repeater on
    put(m, general, 0, "010A03D4030201010105010605AA00640501");
}

void fillDigits(EditorModel& m) {
    constexpr std::array<std::string_view, 8> groups{"123",     "4567", "*0#", "ABCD",
                                                     "1234567", "9",    "",    "D0"};
    constexpr std::array<std::string_view, 8> codes{"101",   "999",   "112",   "A1",
                                                    "11111", "22222", "33333", "4"};
    auto putDigits = [&m](SettingId id, std::string_view digits) {
        const Setting& s = setting(id);
        put(m, regionBlocks(s.slice.region), s.slice.offset,
            must(countedDigits(digits, s.slice.width)));
    };
    for (int n = 0; n < kDtmfGroups; ++n) {
        const auto i = static_cast<std::size_t>(n);
        putDigits(static_cast<SettingId>(static_cast<int>(SettingId::DtmfGroup1) + n), groups[i]);
        putDigits(static_cast<SettingId>(static_cast<int>(SettingId::NativeIdCode) + n), codes[i]);
    }
}

void fillBootAndLimits(EditorModel& m) {
    m.blocks[Block::BootMessage] = must(countedText("DUOBAND")) + must(countedText("SAMPLE"));
    m.blocks[Block::Limits] = must(frequency_be32("136")) + must(frequency_be32("174")) +
                              must(frequency_be32("400")) + must(frequency_be32("480")) + byte(1);
}

}  // namespace

EditorModel sampleModel() {
    EditorModel m;
    fillChannels(m, Band::A, kBandAChannels);
    fillChannels(m, Band::B, kBandBChannels);
    for (const auto& page : kBandPages) fillBandPage(m, page);
    fillGeneral(m);
    fillDigits(m);
    fillBootAndLimits(m);
    m.remoteState.select(0);
    return m;
}

Memory sampleMemory() {
    const ImageEncoding encoding = encodeImage(sampleModel());
    if (!encoding.ok()) throw std::logic_error("sample: " + encoding.error);
    Memory memory = blankMemory();
    for (int s = 0; s < kTransferSteps; ++s) {
        const Bytes data = *fromHex(encoding.data[static_cast<std::size_t>(s)]);
        std::copy(data.begin(), data.end(),
                  memory.begin() + transferPlan()[static_cast<std::size_t>(s)].address);
    }
    return memory;
}

}  // namespace duoband::sim
