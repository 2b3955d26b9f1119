// The machine's serial ports, and words for a failed opening.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace duoband {

// Device paths ("/dev/ttyUSB0") of the serial ports the kernel lists under
// `sysfsRoot`: every entry that has a `device` link, except legacy 8250
// ports ("ttyS*") whose UART type reads 0 (unknown: the kernel keeps a
// placeholder for each possible legacy port). Sorted as text, so
// /dev/ttyUSB10 comes before /dev/ttyUSB2. Empty when the root is missing.
std::vector<std::string> listSerialPorts(const std::filesystem::path& sysfsRoot = "/sys/class/tty",
                                         const std::filesystem::path& devRoot = "/dev");

// One sentence that tells a user why `device` could not be opened, from the
// errno that SerialPort::lastOpenError() kept: permission (naming the group that
// owns the device, typically "dialout"), in use, missing, not a serial port.
std::string explainOpenError(int error, const std::string& device);

}  // namespace duoband
