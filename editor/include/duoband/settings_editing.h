// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Editing the settings pages: the band "Set up" pages, "Comprehensive
// Setting", "DTMF Groups" and "Limit Frequency", setting by setting as the
// settings table lists them.
//
// Every pick and every text taken over is encoded at once into its slice of
// the block fields; a block field never changes its length. Texts
// are taken over on focus loss, on Enter, and before Read, Write, Open, Save
// and New; the DTMF codes and the boot message lines may also be taken over
// at every change. Messages come back as data, never shown here.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/editor_keys.h"
#include "duoband/editor_model.h"
#include "duoband/settings_table.h"
#include "duoband/translatable.h"

namespace duoband {

// Takes a pick on a list: selects `entry` and writes its code into the
// setting's slice of the block fields (the remote state has none). False,
// changing nothing, for a setting that is not a list, an entry outside the
// list, or a block field of the wrong length.
bool pickChoice(EditorModel& model, SettingRef ref, int entry);
// The same for a row of another table than the program's own (`band` for
// band settings).
bool pickChoice(EditorModel& model, const Setting& setting, Band band, int entry);

struct TextCommit {
    std::string text;      // what the control shows now (also stored in the model)
    std::string message;   // shown modally when not empty
    bool written = false;  // the block field was rewritten
};

inline constexpr std::string_view kBandReceiveRangeMessage =
    QT_TRANSLATE_NOOP("duoband", "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ ");
inline constexpr std::string_view kFmRangeMessage =
    QT_TRANSLATE_NOOP("duoband", "FM Frequency 88~108MHz");
inline constexpr std::string_view kDtmfGroupKeyMessage =
    QT_TRANSLATE_NOOP("duoband", "DTMF:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D");
inline constexpr std::string_view kCodeKeyMessage =
    QT_TRANSLATE_NOOP("duoband", "Enter only these characters:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D");
inline constexpr std::string_view kNotANumberMessage =
    QT_TRANSLATE_NOOP("duoband", "Not a number! Enter MHz as digits with one point");
inline constexpr std::string_view kFrequencyReachMessage =
    QT_TRANSLATE_NOOP("duoband", "Frequency must lie in 0~42949.67294MHZ");

// Takes `text` over as the text of a text setting (frequencies, DTMF groups
// and codes, boot message lines, limits): stores it in the model and
// encodes it into the setting's slice. A text that cannot be stored leaves
// the block field as it was; its message comes once, not again while the
// text stays the same. Returns nullopt for a setting that is not a text.
std::optional<TextCommit> commitText(EditorModel& model, SettingRef ref, std::string_view text);

// Texts that cannot fail (DTMF groups and codes, boot message lines) are
// taken over at every change, as the radio's own keypad encoder does.
bool takenOverAtEveryChange(SettingRef ref);

struct SettingsKey {
    KeyResult key;
    std::optional<SettingRef> focusTo;  // with KeyAction::FocusNext
};

// The key filters of the text settings; Enter in a frequency takes the
// text over, in a limit moves on to the next. `length` is the number of
// characters the edit holds before the key.
SettingsKey settingsKey(SettingRef ref, std::size_t length, char32_t key);

// Pasted text cut down to what typing could have produced: DTMF digits up to
// 7 or 5, boot message characters up to 7. Other settings take it as it is.
std::string filterPastedText(SettingRef ref, std::u32string_view pasted);

}  // namespace duoband
