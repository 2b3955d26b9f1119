// Editing the settings pages: the band "Set up" pages (leftN / rightN), the
// "Comprehensive Setting" page (gnN), the "DTMF Groups" page (syN, sypzN) and
// the "Limit Frequency" page (kaijiN, xpN).
//
// Every pick and every text taken over is encoded at once into its slice of
// the block fields k1..k15; a block field never changes its length. Texts
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

namespace duoband {

enum class SettingsPage {
    Band,     // leftN (band A) / rightN (band B), N = 1..16 without 9
    General,  // gn1..gn15
    Dtmf,     // sy1..sy8
    Codes,    // sypz1..sypz9
    Boot,     // kaiji1, kaiji2
    Limits,   // xp1..xp5
};

struct SettingsControl {
    SettingsPage page = SettingsPage::General;
    int number = 0;
    Band band = Band::A;  // only for SettingsPage::Band
    bool operator==(const SettingsControl&) const = default;
};

// By the control's name: "left3", "right16", "gn12", "sy1", "sypz9",
// "kaiji2", "xp5". nullopt for any other name.
std::optional<SettingsControl> settingsControlNamed(std::string_view name);
std::string settingsControlName(SettingsControl control);

// Every list and every text control of the four pages (both bands), page by
// page in control order: for wiring, and for taking all texts over before
// Read, Write, Open, Save and New.
std::vector<SettingsControl> settingsChoiceControls();
std::vector<SettingsControl> settingsTextControls();

// The model's member behind a control: a list (Choice) or a text. nullptr
// when the control is of the other kind or does not exist.
Choice* choiceOf(EditorModel& model, SettingsControl control);
std::string* textOf(EditorModel& model, SettingsControl control);

// leftNClick, gnNClick, xp5Click (and sypz9, which has no block field):
// selects `entry` and writes its code into the control's slice. False,
// changing nothing, for a control that is not a list, an entry outside the
// list, or a block field of the wrong length.
bool pickChoice(EditorModel& model, SettingsControl control, int entry);

struct TextCommit {
    std::string text;      // what the control shows now (also stored in the model)
    std::string message;   // shown modally when not empty
    bool written = false;  // the block field was rewritten
};

inline constexpr std::string_view kBandReceiveRangeMessage =
    "Receiving Frequency in 136~176MHZ 220~250MHZ 400~490MHZ ";
inline constexpr std::string_view kFmRangeMessage = "FM Frequency 88~108MHz";
inline constexpr std::string_view kDtmfGroupKeyMessage = "DTMF:1,2,3,4,5,6,7,8,9,0,*,#,A,B,D";
// UTF-8: "enter the following characters".
inline constexpr std::string_view kCodeKeyMessage =
    "\xE8\xBE\x93\xE5\x85\xA5\xE4\xBB\xA5\xE4\xB8\x8B\xE5\xAD\x97\xE7\xAC\xA6"
    ":1,2,3,4,5,6,7,8,9,0,*,#,A,B,D";
inline constexpr std::string_view kNotANumberMessage =
    "Not a number! Enter MHz as digits with one point";
inline constexpr std::string_view kFrequencyReachMessage = "Frequency must lie in 0~42949.67294MHZ";

// Takes `text` over as the text of a text control (left3, left15, gn3, syN,
// sypz1..8, kaijiN, xp1..4): stores it in the model and encodes it into the
// control's slice. A text that cannot be stored leaves the block field as it
// was; its message comes once, not again while the text stays the same.
// Returns nullopt for a control that is not a text.
std::optional<TextCommit> commitText(EditorModel& model, SettingsControl control,
                                     std::string_view text);

struct SettingsKey {
    KeyResult key;
    std::optional<SettingsControl> focusTo;  // with KeyAction::FocusNext
};

// The key filters (syNKeyPress, sypzNKeyPress, kaijiNKeyPress, xpNKeyPress);
// Enter in left3, left15 and gn3 takes the text over. `length` is the number
// of characters the control holds before the key.
SettingsKey settingsKey(SettingsControl control, std::size_t length, char32_t key);

// Pasted text cut down to what typing could have produced: DTMF digits up to
// 7 or 5, boot message characters up to 7. Other controls take it as it is.
std::string filterPastedText(SettingsControl control, std::u32string_view pasted);

}  // namespace duoband
