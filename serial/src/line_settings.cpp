// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "line_settings.h"

#include <sys/ioctl.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <utility>

namespace duoband {

namespace {

constexpr std::pair<std::uint32_t, speed_t> kSpeeds[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
};

// Indexed by the ordinal of DataBits.
constexpr tcflag_t kDataBits[] = {CS5, CS6, CS7, CS8};

// Indexed by the ordinal of Parity: none, odd, even, mark, space.
constexpr tcflag_t kParityBits[] = {0, PARENB | PARODD, PARENB, PARENB | CMSPAR | PARODD,
                                    PARENB | CMSPAR};

tcflag_t flagIf(bool on, tcflag_t flag) {
    return on ? flag : 0;
}

void setModemLine(int port, int line, bool on) {
    // A pseudo terminal has no modem lines; the request simply fails there.
    ::ioctl(port, on ? TIOCMBIS : TIOCMBIC, &line);
}

}  // namespace

std::optional<speed_t> termiosSpeed(std::uint32_t baudRate) {
    const auto found = std::find_if(std::begin(kSpeeds), std::end(kSpeeds),
                                    [&](const auto& entry) { return entry.first == baudRate; });
    if (found == std::end(kSpeeds)) return std::nullopt;
    return found->second;
}

// DSR flow and sensitivity, keepSendingAfterXoff, the XON/XOFF limits and the
// parity replacement character have no termios form; they are kept, not applied.
std::optional<termios> lineTermios(termios t, const LineSettings& s, Parity parity) {
    const auto speed = termiosSpeed(s.baudRate);
    if (!speed) return std::nullopt;
    ::cfmakeraw(&t);  // no echo, no canonical input, no signals, no output processing, no CR/LF
    t.c_iflag &= ~(INPCK | IXON | IXOFF | IXANY);
    t.c_iflag |= flagIf(s.parityCheck, INPCK) | flagIf(s.xonXoffOutput, IXON) |
                 flagIf(s.xonXoffInput, IXOFF);
    t.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | HUPCL);
    t.c_cflag |= CLOCAL | CREAD | kDataBits[static_cast<int>(s.dataBits)] |
                 kParityBits[static_cast<int>(parity)];
    // termios knows no 1.5 stop bits; two is the nearest that still frames the byte.
    t.c_cflag |= flagIf(s.stopBits != StopBits::One, CSTOPB);
    t.c_cflag |= flagIf(s.ctsFlowControl || s.rtsControl == RtsControl::Handshake, CRTSCTS);
    t.c_cc[VSTART] = static_cast<cc_t>(s.xonChar);
    t.c_cc[VSTOP] = static_cast<cc_t>(s.xoffChar);
    t.c_cc[VMIN] = 1;
    t.c_cc[VTIME] = 0;
    ::cfsetispeed(&t, *speed);
    ::cfsetospeed(&t, *speed);
    return t;
}

bool applyLine(int port, const LineSettings& settings, Parity parity) {
    termios current{};
    if (::tcgetattr(port, &current) != 0) return false;
    const auto wanted = lineTermios(current, settings, parity);
    if (!wanted) {
        errno = EINVAL;
        return false;
    }
    if (::tcsetattr(port, TCSANOW, &*wanted) != 0) return false;
    // Handshake and toggle modes have no termios form for DTR; they keep the line on.
    setModemLine(port, TIOCM_DTR, settings.dtrControl != DtrControl::Off);
    // With RtsControl::Handshake the driver drives RTS itself (CRTSCTS above).
    if (settings.rtsControl != RtsControl::Handshake) {
        setModemLine(port, TIOCM_RTS, settings.rtsControl != RtsControl::Off);
    }
    return true;
}

}  // namespace duoband
