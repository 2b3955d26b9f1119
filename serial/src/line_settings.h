// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Translation of the port's line settings into termios.
#pragma once

#include <termios.h>

#include <optional>

#include "duoband/serial_port.h"

namespace duoband {

// The termios speed constant for a baud rate; nullopt for rates termios lacks.
std::optional<speed_t> termiosSpeed(std::uint32_t baudRate);

// `current` turned into a raw line with these settings and this parity; nullopt
// when the baud rate has no termios equivalent.
std::optional<termios> lineTermios(termios current, const LineSettings& settings, Parity parity);

// Sets the line on an open tty, then DTR and RTS; false with errno on failure.
bool applyLine(int port, const LineSettings& settings, Parity parity);

}  // namespace duoband
