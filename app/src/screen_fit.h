// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a top-level window, its frame included, within the available area of
// its screen when it opens: a default or remembered size larger than the
// screen (a small laptop screen, a scale factor of 2) is shrunk and the
// window moved onto the screen, so that no column or close button is out of
// reach. The user may still move and size the window as they like.
#pragma once

class QWidget;

void keepWithinScreen(QWidget* window);

// `content` in a scroll area without a frame or a focus of its own, which
// shows scroll bars only when the window is smaller than the content's
// smallest size (the settings pages on a small screen).
QWidget* scrolledWhenCramped(QWidget* content);
