// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's serial ports, and words for a failed opening.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "duoband/phrase.h"

namespace duoband {

// Device paths ("/dev/ttyUSB0") of the machine's serial ports, as libudev
// enumerates the tty subsystem: every tty with a device behind it, except
// legacy 8250 ports ("ttyS*") whose UART type reads 0 (unknown: the kernel
// keeps a placeholder for each possible legacy port). Sorted as text, so
// /dev/ttyUSB10 comes before /dev/ttyUSB2.
std::vector<std::string> listSerialPorts();

// The same list read from a sysfs tty class folder (`sysfsRoot`, an entry
// with a `device` link is a port) with device paths under `devRoot`. Empty
// when the root is missing.
std::vector<std::string> listSerialPorts(const std::filesystem::path& sysfsRoot,
                                         const std::filesystem::path& devRoot);

// One sentence that tells a user why `device` could not be opened, from the
// errno that SerialPort::lastOpenError() kept: permission (the port doctor's
// explanation and fix), in use, missing, not a serial port.
Phrase explainOpenError(int error, const std::string& device);

}  // namespace duoband
