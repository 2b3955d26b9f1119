// The layouts of the settings blocks and their decoding into the page
// controls. The option tables serve both directions: a read decodes a value
// into a selection, a page edit encodes a selection back into the value.
//
// Band settings block (band A 0x0300 in k1/k2, band B 0x0380 in k3/k4):
//   0 mode | 1 channel-1 | 2-5 rx freq | 6-7 rx tone | 8 rx mode | 9 (kept)
//   10-11 tx tone | 12 launch sig | 13 end sig | 14 power | 15 bandwidth
//   16 compandor | 17 scrambler | 18 offset dir | 19-22 offset | 23-24 step
//   25-31 (kept) | 32-47 not kept
// General block (0x0200, k5): one control per offset, see kGeneralOptions.
// Boot message and limits (0x02D0, k10 = 16 bytes, k11 = 17 bytes):
//   0-7 line 1 | 8-15 line 2 | 16-31 four limits | 32 limit mode
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "duoband/editor_model.h"

namespace duoband {

// What a value that is not one of a list's codes does to the selection.
enum class OtherValues { Unchanged, FirstEntry };

// A one- or two-byte field shown as a drop-down list. Without `codes` the
// value is the entry number and values 0..maxValue select that entry (an
// entry that does not exist leaves no selection); with `codes` the entry
// whose code matches is selected.
template <class Owner>
struct OptionField {
    int offset;
    int width;
    Choice Owner::*control;
    int maxValue;
    std::span<const std::uint16_t> (*codes)();
    OtherValues other;
};

std::span<const OptionField<BandPage>> bandOptionFields();
std::span<const OptionField<EditorModel>> generalOptionFields();

// The value a selection writes (entry number or its code); nullopt when
// nothing is selected.
template <class Owner>
std::optional<std::uint16_t> optionValue(const OptionField<Owner>& field, const Choice& choice) {
    if (choice.index < 0) return std::nullopt;
    if (field.codes == nullptr) return static_cast<std::uint16_t>(choice.index);
    const auto codes = field.codes();
    if (choice.index >= static_cast<int>(codes.size())) return std::nullopt;
    return codes[static_cast<std::size_t>(choice.index)];
}

// Band settings offsets used by the text and tone controls.
inline constexpr int kBandRxFrequencyOffset = 2;
inline constexpr int kBandRxToneOffset = 6;
inline constexpr int kBandTxToneOffset = 10;
inline constexpr int kBandOffsetFrequencyOffset = 19;
inline constexpr int kGeneralFmOffset = 2;

// Counted digit string fields: sy1..sy8 are 8 bytes in k6..k9 (two per
// field), sypz1, sypz2 8 bytes in k12, sypz3..sypz8 6 bytes in k13..k15.
struct DigitField {
    int blockField;  // k number
    int offset;      // byte offset inside that field
    int width;       // bytes
};
DigitField dtmfGroupField(int group);  // 1..8
DigitField codeField(int code);        // sypz 1..8

// The block fields holding a band's settings block, in address order.
std::span<const int> bandBlockFields(Band band);

// Replaces `hex` at byte `offset` of the block held in `fields` (in address
// order), keeping every field at its length. False, changing nothing, when
// the slice does not lie inside fields of their proper length.
bool writeBlockSlice(BlockFields& k, std::span<const int> fields, int offset, std::string_view hex);

// Decoders: each sets the controls of the block's fields that lie wholly
// inside `bytes` and never touches a block field.
void decodeBandBlock(BandPage& page, std::span<const std::uint8_t> bytes);
void decodeGeneralBlock(EditorModel& model, std::span<const std::uint8_t> bytes);
void decodeDtmfGroups(EditorModel& model, int firstGroup, std::span<const std::uint8_t> bytes);
void decodeCodes(EditorModel& model, std::span<const std::uint8_t> bytes);  // from 0x0280
void decodeRemoteState(EditorModel& model, std::uint8_t state);
void decodeBootMessage(EditorModel& model, std::span<const std::uint8_t> bytes);  // 16 bytes
void decodeLimits(EditorModel& model, std::span<const std::uint8_t> bytes);       // 17 bytes

// The band page tone search: the entry whose text equals the code's text
// ("0FF" for no tone); no match leaves the list without a selection.
int toneEntry(std::uint16_t code);

}  // namespace duoband
