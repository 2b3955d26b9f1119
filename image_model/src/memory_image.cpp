#include "duoband/memory_image.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "duoband/block_layouts.h"
#include "duoband/channel_record.h"

namespace duoband {

namespace {

struct StepFields {
    int step;
    std::vector<int> fields;  // block fields in address order
    int fillBytes;            // 0xFF bytes sent after them
};

// The settings steps: which block fields they carry, in order.
const std::array<StepFields, 7> kSettingsSteps{{
    {kStepBandA, {1, 2}, 16},
    {kStepBandB, {3, 4}, 16},
    {kStepGeneral, {5}, 30},
    {kStepDtmf16, {6, 7, 8}, 0},
    {kStepDtmf78, {9}, 0},
    {kStepCodes, {12, 13, 14, 15}, 12},
    {kStepBootLimits, {10, 11}, 0},
}};

const StepFields* settingsStep(int step) {
    for (const auto& s : kSettingsSteps) {
        if (s.step == step) return &s;
    }
    return nullptr;
}

Band channelBand(int step) {
    return step < kChannelStepsPerBand ? Band::A : Band::B;
}
int firstChannel(int step) {
    return 2 * (step % kChannelStepsPerBand) + 1;
}

ChannelRow rowOf(const ChannelTable& table, int row) {
    ChannelRow cells;
    for (int col = 1; col <= 12; ++col)
        cells[static_cast<std::size_t>(col - 1)] = table.cell(col, row);
    return cells;
}

void loadChannels(EditorModel& model, int step, std::string_view hex) {
    ChannelTable& table = model.table(channelBand(step));
    for (int i = 0; i < 2; ++i) {
        const ChannelRow row =
            decodeChannelRecord(hex.substr(static_cast<std::size_t>(48 * i), 48));
        for (int col = 1; col <= 12; ++col) {
            table.cell(col, firstChannel(step) + i) = row[static_cast<std::size_t>(col - 1)];
        }
    }
}

// The bytes of the block fields that the reply holds whole.
int wholeFieldBytes(const StepFields& s, std::size_t replyBytes) {
    int bytes = 0;
    for (int n : s.fields) {
        if (static_cast<std::size_t>(bytes + blockField(n).bytes) > replyBytes) break;
        bytes += blockField(n).bytes;
    }
    return bytes;
}

void decodeSettings(EditorModel& model, int step, std::span<const std::uint8_t> bytes) {
    switch (step) {
        case kStepBandA:
            decodeBandBlock(model.left, bytes);
            break;
        case kStepBandB:
            decodeBandBlock(model.right, bytes);
            break;
        case kStepGeneral:
            decodeGeneralBlock(model, bytes);
            break;
        case kStepDtmf16:
            decodeDtmfGroups(model, 1, bytes);
            break;
        case kStepDtmf78:
            decodeDtmfGroups(model, 7, bytes);
            break;
        case kStepCodes:
            decodeCodes(model, bytes);
            break;
        case kStepBootLimits:
            decodeBootMessage(model, bytes.subspan(0, std::min<std::size_t>(16, bytes.size())));
            if (bytes.size() > 16) decodeLimits(model, bytes.subspan(16));
            break;
        default:
            break;
    }
}

void storeFields(EditorModel& model, const StepFields& s, std::string_view hex, int bytes) {
    int at = 0;
    for (int n : s.fields) {
        const int width = blockField(n).bytes;
        if (at + width > bytes) break;
        model.k[n] = HexText(
            hex.substr(static_cast<std::size_t>(2 * at), static_cast<std::size_t>(2 * width)));
        at += width;
    }
}

}  // namespace

bool isAcceptedReadLength(int step, std::size_t hexDigits) {
    return hexDigits == 96 ||
           hexDigits == 2u * transferPlan().at(static_cast<std::size_t>(step)).length;
}

void loadReadStep(EditorModel& model, int step, std::string_view replyHex) {
    const Bytes bytes = fromHex(replyHex).value_or(Bytes{});
    if (step < 2 * kChannelStepsPerBand) {
        if (replyHex.size() >= 96) loadChannels(model, step, replyHex);
        return;
    }
    if (step == kStepRemoteState) {
        if (!bytes.empty()) decodeRemoteState(model, bytes[0]);
        return;
    }
    const StepFields* s = settingsStep(step);
    if (s == nullptr) return;
    const int held = wholeFieldBytes(*s, bytes.size());
    decodeSettings(model, step,
                   std::span<const std::uint8_t>(bytes).subspan(0, static_cast<std::size_t>(held)));
    storeFields(model, *s, replyHex, held);
}

std::string blockFieldProblem(const EditorModel& model, int n) {
    const HexText& text = model.k[n];
    const int digits = 2 * blockField(n).bytes;
    const std::string name =
        "k" + std::to_string(n) + " (" + std::string(blockField(n).caption) + ")";
    if (static_cast<int>(text.size()) != digits) {
        return "Block field " + name + " holds " + std::to_string(text.size()) +
               " characters instead of " + std::to_string(digits) + ".";
    }
    if (!isHexText(text))
        return "Block field " + name + " holds a character that is not a hex digit.";
    return {};
}

namespace {

std::string channelData(const EditorModel& model, int step, std::string& error) {
    const Band band = channelBand(step);
    std::string data;
    for (int i = 0; i < 2; ++i) {
        const int channel = firstChannel(step) + i;
        const RecordEncoding enc = encodeChannelRecord(rowOf(model.table(band), channel));
        if (!enc.ok()) {
            error = std::string(band == Band::A ? "Band A" : "Band B") + ", channel " +
                    std::to_string(channel) + ", column \"" +
                    std::string(kChannelColumnTitles[static_cast<std::size_t>(enc.failedColumn)]) +
                    "\": the text \"" + model.table(band).cell(enc.failedColumn, channel) +
                    "\" cannot be written to the radio.";
            return {};
        }
        data += enc.hex;
    }
    return data;
}

std::string settingsData(const EditorModel& model, const StepFields& s, std::string& error) {
    std::string data;
    for (int n : s.fields) {
        error = blockFieldProblem(model, n);
        if (!error.empty()) return {};
        data += model.k[n];
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
            if (model.sypz9.index < 0) {
                out.error = "The current state (sypz9) has no selection.";
            } else {
                data = hexNumber(static_cast<std::uint64_t>(model.sypz9.index), 2);
            }
        } else {
            data = settingsData(model, *settingsStep(step), out.error);
        }
    }
    return out;
}

}  // namespace duoband
