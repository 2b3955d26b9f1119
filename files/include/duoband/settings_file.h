// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The .bc settings file: a snapshot of the editor's controls, 262 lines of
// comma-terminated fields.
//
//   lines    content                               fields
//   1..128   band A channel rows 1..128            14 (the 13 columns, one empty)
//   129      band A "Set up" page                  15
//   130..257 band B channel rows 1..128            14
//   258      band B "Set up" page                  15
//   259      general settings                      15
//   260      boot message, limits, limit mode      7
//   261      the fifteen block fields              15
//   262      remote codes, remote state, DTMF groups  17
//
// Which setting stands in which field is listed in the settings table.
//
// Lines are separated by a single CR; the file ends with CR LF. The file is
// read and written byte for byte (one byte per character).
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/editor_model.h"
#include "duoband/whole_file.h"

namespace duoband {

// Every cell and text the file cannot carry, each named with what it holds
// ("Band A channel 3, column \"Name\" holds ','"): a separator, quote or line
// break, a cell that is a single blank (an empty cell is written so), a '~'
// beginning a line. Empty when all fit.
std::vector<std::string> textsSettingsFileCannotCarry(const EditorModel& model);

// The whole file text; an error (nothing produced) when a cell or text is one
// the format cannot carry.
FileResult settingsText(const EditorModel& model, std::string& text);

// Checks the whole text first; on any fault the model is left exactly as it
// was and the error names the line and field.
FileResult applySettingsText(std::string_view text, EditorModel& model);

// The file a save to `chosen` writes: ".bc" appended unless the name
// already ends in it.
std::filesystem::path settingsFilePath(const std::filesystem::path& chosen);

// Save: to settingsFilePath(chosen); writes a temporary
// file beside the target and renames it over the target, so a failed save
// never destroys the old file.
FileResult saveSettingsFile(const EditorModel& model, const std::filesystem::path& chosen);

// Open: reads the file as chosen (nothing appended) and applies it.
FileResult openSettingsFile(const std::filesystem::path& path, EditorModel& model);

}  // namespace duoband
