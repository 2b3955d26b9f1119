// What each settings line of a .bc file holds, field by field, as a table
// that both the writer and the reader walk.
#pragma once

#include <string>
#include <vector>

#include "duoband/editor_model.h"

namespace duoband {

inline constexpr std::size_t kSettingsLines = 262;
inline constexpr int kBandBFirstChannelLine = 130;
inline constexpr int kBandBSetupLine = 258;
inline constexpr int kBootLimitsLine = 260;

// index: a list's selected index; text: an edit's text; block: k1..k15.
enum class FieldKind { Index, Text, Block };

struct FieldLayout {
    FieldKind kind;
    std::string name;  // the control's name, for messages ("left3", "gn12", "k5")
    Choice* (*choice)(EditorModel&, Band) = nullptr;
    std::string* (*text)(EditorModel&, Band) = nullptr;
    int blockField = 0;
};

struct LineLayout {
    int number;  // 1-based line of the file
    Band band;   // for the band "Set up" lines
    std::vector<FieldLayout> fields;
};

// Lines 129, 258, 259, 260, 261, 262 in file order.
const std::vector<LineLayout>& settingsLines();

}  // namespace duoband
