// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Which tty devices the port list shows, whether they come from sysfs or
// from libudev.
#pragma once

#include <string_view>

namespace duoband {

// A tty is a serial port when it has a device behind it (not a virtual
// console or a pseudo-terminal), except a legacy 8250 port ("ttyS*") whose
// UART type reads 0: the kernel keeps such a placeholder for every legacy
// port that might exist.
inline bool isListedPort(std::string_view name, bool hasDevice, std::string_view uartType) {
    const bool placeholder = name.starts_with("ttyS") && uartType == "0";
    return hasDevice && !placeholder;
}

}  // namespace duoband
