// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// duoband-cli: read, write and inspect radios and settings files without a
// window.
#pragma once

#include <atomic>
#include <cstdint>
#include <iostream>
#include <span>
#include <string>
#include <string_view>

#include "duoband/editor_model.h"

namespace duoband::cli {

// Exit statuses.
inline constexpr int kOk = 0;
inline constexpr int kRadioFailed = 1;  // a radio failed, was cancelled or differed on verify
inline constexpr int kUsageError = 2;   // a usage or file error found before any exchange
// diff: the two differ (a radio that could not be read is a usage error: 2).
inline constexpr int kDiffers = 1;
// export-csv and import-csv: the file was written, but channels were left out or changed.
inline constexpr int kChannelsChanged = 1;
// check: the channel plan has problems.
inline constexpr int kProblemsFound = 1;

struct Io {
    std::ostream& out;
    std::ostream& err;
    bool progressBar = false;      // draw a progress bar on `err` (a terminal)
    bool cursorMoves = false;      // `err` takes escapes that move the cursor (cursorMovesWanted)
    std::istream* in = &std::cin;  // what a FILE given as "-" reads
};

// Whether a terminal may be sent escapes that move the cursor: not when
// TERM is "dumb" or NO_COLOR is set (and not empty).
bool cursorMovesWanted();

// Set (from a signal handler) to stop every running transfer after its
// current frame; each sends "EXIT" once and ends "cancelled".
std::atomic<bool>& stopRequested();
// Set (from a signal handler) when the terminal was closed (SIGHUP): the
// radios being written finish, no other starts, and the command exits 1.
std::atomic<bool>& hangUpSeen();

// Runs one command line (without the program name); returns the exit status.
int run(std::span<const std::string_view> args, Io& io);

// The readable summary of `show`: the programmed channel rows of both
// tables in aligned columns under their titles, then every page's settings
// by their captions.
std::string settingsSummary(const EditorModel& model);

}  // namespace duoband::cli
