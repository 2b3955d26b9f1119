// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/memory_image.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "duoband/block_layouts.h"
#include "duoband/channel_record.h"
#include "duoband/settings_table.h"

namespace duoband {

namespace {

// A settings step: the region it reads and, after the region's block
// fields, how many 0xFF bytes a write sends.
struct SettingsStep {
    int step;
    Region region;
    Band band;
    int fillBytes;
};

const std::array<SettingsStep, 7> kSettingsSteps{{
    {kStepBandA, Region::BandSettings, Band::A, 16},
    {kStepBandB, Region::BandSettings, Band::B, 16},
    {kStepGeneral, Region::General, Band::A, 30},
    {kStepDtmf16, Region::DtmfGroups, Band::A, 0},
    {kStepDtmf78, Region::DtmfGroups, Band::A, 0},
    {kStepCodes, Region::Codes, Band::A, 12},
    {kStepBootLimits, Region::BootAndLimits, Band::A, 0},
}};

const SettingsStep* settingsStep(int step) {
    for (const auto& s : kSettingsSteps) {
        if (s.step == step) return &s;
    }
    return nullptr;
}

// The step's block fields in address order: those of its region from the
// step's memory (the DTMF region is read in two steps).
std::span<const Block> stepBlocks(const SettingsStep& s) {
    const auto all = regionBlocks(s.region, s.band);
    const TransferStep t = transferPlan()[static_cast<std::size_t>(s.step)];
    std::size_t first = 0;
    while (first < all.size() && blockExtent(all[first]).address < t.address) ++first;
    std::size_t last = first;
    while (last < all.size() && blockExtent(all[last]).address < t.address + t.length) ++last;
    return all.subspan(first, last - first);
}

Band channelBand(int step) {
    return step < kChannelStepsPerBand ? Band::A : Band::B;
}
int firstChannel(int step) {
    return 2 * (step % kChannelStepsPerBand) + 1;
}

ChannelRow rowOf(const ChannelTable& table, int row) {
    ChannelRow cells;
    for (const ChannelColumn& c : channelColumns())
        if (c.column != Column::Number) cells[c.column] = table.cell(c.column, row);
    return cells;
}

void loadChannels(EditorModel& model, int step, std::string_view hex) {
    ChannelTable& table = model.channels(channelBand(step));
    for (int i = 0; i < 2; ++i) {
        const ChannelRow row =
            decodeChannelRecord(hex.substr(static_cast<std::size_t>(48 * i), 48));
        for (const ChannelColumn& c : channelColumns())
            if (c.column != Column::Number)
                table.cell(c.column, firstChannel(step) + i) = row[c.column];
    }
}

// The bytes of the block fields that the reply holds whole.
int wholeFieldBytes(std::span<const Block> blocks, std::size_t replyBytes) {
    int bytes = 0;
    for (Block block : blocks) {
        if (static_cast<std::size_t>(bytes + blockExtent(block).bytes) > replyBytes) break;
        bytes += blockExtent(block).bytes;
    }
    return bytes;
}

void storeFields(EditorModel& model, std::span<const Block> blocks, std::string_view hex,
                 int bytes) {
    int at = 0;
    for (Block block : blocks) {
        const int width = blockExtent(block).bytes;
        if (at + width > bytes) break;
        model.blocks[block] = HexText(
            hex.substr(static_cast<std::size_t>(2 * at), static_cast<std::size_t>(2 * width)));
        at += width;
    }
}

}  // namespace

bool isAcceptedReadLength(int step, std::size_t hexDigits) {
    return hexDigits == 2 * kAnswerBytesAtEveryStep ||
           hexDigits == 2u * transferPlan().at(static_cast<std::size_t>(step)).length;
}

void loadReadStep(EditorModel& model, int step, std::string_view replyHex,
                  std::span<const Setting> settings) {
    const Bytes bytes = fromHex(replyHex).value_or(Bytes{});
    if (step < 2 * kChannelStepsPerBand) {
        if (replyHex.size() >= 96) loadChannels(model, step, replyHex);
        return;
    }
    if (step == kStepRemoteState) {
        if (!bytes.empty()) decodeRegion(model, Region::RemoteState, Band::A, 0, bytes, settings);
        return;
    }
    const SettingsStep* s = settingsStep(step);
    if (s == nullptr) return;
    const auto blocks = stepBlocks(*s);
    const int held = wholeFieldBytes(blocks, bytes.size());
    const int firstOffset =
        transferPlan()[static_cast<std::size_t>(step)].address - regionAddress(s->region, s->band);
    decodeRegion(model, s->region, s->band, firstOffset,
                 std::span<const std::uint8_t>(bytes).subspan(0, static_cast<std::size_t>(held)),
                 settings);
    storeFields(model, blocks, replyHex, held);
}

int heldBytes(int step) {
    const int length = transferPlan().at(static_cast<std::size_t>(step)).length;
    const SettingsStep* s = settingsStep(step);
    return s == nullptr ? length : length - s->fillBytes;
}

std::string blockFieldProblem(const EditorModel& model, Block block) {
    const HexText& text = model.blocks[block];
    const int digits = 2 * blockExtent(block).bytes;
    const std::string name = std::string(blockFieldSetting(block).caption);
    if (static_cast<int>(text.size()) != digits) {
        return "The block field " + name + " holds " + std::to_string(text.size()) +
               " characters instead of " + std::to_string(digits) + ".";
    }
    if (!isHexText(text))
        return "The block field " + name + " holds a character that is not a hex digit.";
    return {};
}

namespace {

std::string channelData(const EditorModel& model, int step, std::string& error) {
    const Band band = channelBand(step);
    std::string data;
    for (int i = 0; i < 2; ++i) {
        const int channel = firstChannel(step) + i;
        const RecordEncoding enc = encodeChannelRecord(rowOf(model.channels(band), channel));
        if (!enc.ok()) {
            error = std::string(bandName(band)) + ", channel " + std::to_string(channel) +
                    ", column \"" + std::string(columnTitle(*enc.failedColumn)) +
                    "\": the text \"" + model.channels(band).cell(*enc.failedColumn, channel) +
                    "\" cannot be written to the radio.";
            return {};
        }
        data += enc.hex;
    }
    return data;
}

std::string settingsData(const EditorModel& model, const SettingsStep& s, std::string& error) {
    std::string data;
    for (Block block : stepBlocks(s)) {
        error = blockFieldProblem(model, block);
        if (!error.empty()) return {};
        data += model.blocks[block];
    }
    for (char& c : data) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return data + std::string(static_cast<std::size_t>(2 * s.fillBytes), 'F');
}

}  // namespace

ImageEncoding encodeImage(const EditorModel& model) {
    ImageEncoding out;
    for (int step = 0; step < kTransferSteps && out.ok(); ++step) {
        HexText& data = out.data[static_cast<std::size_t>(step)];
        if (step < 2 * kChannelStepsPerBand) {
            data = channelData(model, step, out.error);
        } else if (step == kStepRemoteState) {
            if (model.remoteState.index < 0) {
                out.error = "The current state has no selection.";
            } else {
                data = hexNumber(static_cast<std::uint64_t>(model.remoteState.index), 2);
            }
        } else {
            data = settingsData(model, *settingsStep(step), out.error);
        }
    }
    return out;
}

}  // namespace duoband
