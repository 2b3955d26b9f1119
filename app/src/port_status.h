// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What status panel 0 says about the serial port.
#pragma once

#include <QString>

// In the window's language.
QString portCaption();  // the port label, "COM Port:"
QString portUsedText();
QString noPortText();

// The panel text after an opening: the caption followed by the port, or by
// "The port is used!".
QString portPanelText(const QString& port, bool opened);

// True when the panel shows a port as open: the caption followed by a port
// name. Linux names do not begin with "COM", so the failure and "No port!"
// texts are what is ruled out.
bool panelShowsOpenPort(const QString& panelText);
