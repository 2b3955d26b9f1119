// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The settings blocks as the radio holds them, read through the settings
// table: decoding a region's bytes into the choices and texts, and writing
// a setting's bytes into its slice of the block fields.
//
// Band settings block (band A 0x0300, band B 0x0380):
//   0 mode | 1 channel-1 | 2-5 rx freq | 6-7 rx tone | 8 rx mode | 9 (kept)
//   10-11 tx tone | 12 launch sig | 13 end sig | 14 power | 15 bandwidth
//   16 compandor | 17 scrambler | 18 offset dir | 19-22 offset | 23-24 step
//   25-31 (kept) | 32-47 not kept
// Boot message and limits (0x02D0):
//   0-7 line 1 | 8-15 line 2 | 16-31 four limits | 32 limit mode
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "duoband/editor_model.h"
#include "duoband/settings_table.h"

namespace duoband {

// Decodes every setting of `region` whose bytes lie wholly inside `bytes`,
// which begin at byte `firstOffset` of the region. Values a list has no
// entry for leave the choice as the table's decoding says. Block fields are
// never touched: the read stores the raw bytes itself.
// A choice that holds some bits of its bytes takes its value from them.
void decodeRegion(EditorModel& model, Region region, Band band, int firstOffset,
                  std::span<const std::uint8_t> bytes,
                  std::span<const Setting> settings = allSettings());

// The value a selection of an EntryNumber, EntryCode or Tone setting
// writes; nullopt when nothing (or an entry without a code) is selected.
std::optional<std::uint16_t> choiceValue(const Setting& setting, const Choice& choice);

// Replaces `hex` at byte `offset` of the block held in `fields` (in address
// order), keeping every field at its length. False, changing nothing, when
// the slice does not lie inside one field of its proper length.
bool writeBlockSlice(BlockFields& blocks, std::span<const Block> fields, int offset,
                     std::string_view hex);

// The `width` bytes at `offset` of the block held in `fields`, as one
// big-endian number; nullopt when they do not lie inside one field of its
// proper length or are not hex digits.
std::optional<std::uint32_t> readBlockSlice(const BlockFields& blocks,
                                            std::span<const Block> fields, int offset, int width);

// Writes a choice's `value` into its slice of the block fields (of `band`);
// a value held in some bits of its bytes keeps the other bits as they are.
// False, changing nothing, when the value does not fit or the slice does not
// lie inside one field of its proper length.
bool writeSettingValue(BlockFields& blocks, const Setting& setting, Band band, std::uint32_t value);

// Writes `hex` into the block field slice of a setting (of `band`).
bool writeSettingSlice(BlockFields& blocks, SettingRef ref, std::string_view hex);

// The band page tone search: the entry whose text equals the code's text
// ("0FF" for no tone); no match leaves the list without a selection.
int toneEntry(std::uint16_t code);

}  // namespace duoband
