// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>

#include <cerrno>
#include <chrono>
#include <system_error>

#include "line_settings.h"
#include "port_link.h"
#include "port_threads.h"

namespace duoband {

namespace {

constexpr auto kThreadEndLimit = std::chrono::milliseconds(10000);
// How long a closing port lets queued output leave the line (a closing
// "EXIT" takes about 2 ms at 19200 baud), and how often it looks.
constexpr auto kDrainLimit = std::chrono::milliseconds(1000);
constexpr int kDrainStepMs = 5;

// Bytes the driver still holds for the line.
int queuedOutput(int port) {
    int count = 0;
    return ::ioctl(port, TIOCOUTQ, &count) == 0 ? count : 0;
}

// Opens the device for this process alone: flock() keeps out other openers
// that play by the rules (another SerialPort too), TIOCEXCL every other non-root open().
UniqueFd openExclusive(const std::string& name) {
    UniqueFd port(::open(name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!port) throw SerialPortError(kErrorOpening, errno);
    struct stat info {};
    if (::fstat(port.get(), &info) != 0 || !S_ISCHR(info.st_mode) || !::isatty(port.get())) {
        throw SerialPortError(kNotASerialPort, ENOTTY);
    }
    if (::flock(port.get(), LOCK_EX | LOCK_NB) != 0) {
        throw SerialPortError(kErrorOpening, errno == EWOULDBLOCK ? EBUSY : errno);
    }
    ::ioctl(port.get(), TIOCEXCL);
    return port;
}

template <class... Args>
void fire(const std::function<void(SerialPort*, Args...)>& event, SerialPort* sender,
          Args... args) {
    // A copy, so a handler may replace the event it runs in.
    if (auto handler = event) handler(sender, args...);
}

struct Route {
    std::uint32_t code;
    void (*raise)(SerialPort& port, const Notification& n);
};

constexpr Route kRoutes[] = {
    {kDataReceived,
     [](SerialPort& c, const Notification& n) {
         fire<const std::uint8_t*, std::uint16_t>(c.onReceive, &c, n.chunk.data(),
                                                  static_cast<std::uint16_t>(n.chunk.size()));
     }},
    {kLineError,
     [](SerialPort& c, const Notification& n) { fire<std::uint32_t>(c.onLineError, &c, n.value); }},
    {kHangup, [](SerialPort& c, const Notification&) { fire<>(c.onHangup, &c); }},
    {kModemStateChange,
     [](SerialPort& c, const Notification& n) {
         fire<std::uint32_t>(c.onModemStateChange, &c, n.value);
     }},
    {kSendQueueEmpty, [](SerialPort& c, const Notification&) { fire<>(c.onSendQueueEmpty, &c); }},
};

}  // namespace

SerialPort::SerialPort() : shared_(std::make_shared<PortShared>()) {}

SerialPort::~SerialPort() {
    close();
}

void SerialPort::open() {
    if (isOpen()) throw SerialPortError(kAlreadyOpened);
    try {
        UniqueFd port = openExclusive(path_);
        flushLine(port.get(), TCIOFLUSH);
        shared_->sendEmpty = true;
        auto link = std::make_shared<PortLink>(std::move(port), shared_);
        link_ = std::move(link);
        applyTimeouts();
        openedParity_ = line_.parity;
        applyLineSettings();
        startThreads();
        lastOpenError_ = 0;
    } catch (const SerialPortError& error) {
        stopThreads();
        link_.reset();
        lastOpenError_ = error.systemError();
        throw;
    }
}

void SerialPort::startThreads() {
    // Thread priorities stay at the default: raising them needs privileges a
    // desktop user lacks, and both threads sleep in poll() anyway.
    try {
        receiveThread_ = std::make_unique<ReceiveThread>(link_);
    } catch (const std::system_error& error) {
        throw SerialPortError(kCannotCreateReceiveThread, error.code().value());
    }
    try {
        transmitThread_ = std::make_unique<TransmitThread>(link_);
    } catch (const std::system_error& error) {
        throw SerialPortError(kCannotCreateTransmitThread, error.code().value());
    }
}

void SerialPort::close() noexcept {
    if (!isOpen()) return;
    drainOutput(Deadline::in(kDrainLimit));
    stopThreads();
    link_.reset();  // flushes and closes the device unless a stuck thread still holds it
}

void SerialPort::closeLostLine() noexcept {
    close();
    shared_->queue.push(Notification{kHangup, {}, 0});
}

// Blocks already handed to send() get a short, bounded time to leave the
// line before the flush below drops what a stuck adapter still holds.
void SerialPort::drainOutput(const Deadline& limit) const noexcept {
    while (!limit.expired() && (!sendQueueEmpty() || queuedOutput(link_->port()) > 0)) {
        ::poll(nullptr, 0, kDrainStepMs);
    }
}

void SerialPort::stopThreads() noexcept {
    if (!link_) return;
    link_->signalClose();
    ::tcflush(link_->port(), TCIFLUSH);
    if (receiveThread_) receiveThread_->waitFor(Deadline::in(kThreadEndLimit));
    receiveThread_.reset();
    flushLine(link_->port(), TCOFLUSH);
    shared_->sendEmpty = true;
    if (transmitThread_) transmitThread_->waitFor(Deadline::in(kThreadEndLimit));
    transmitThread_.reset();
}

bool SerialPort::send(const void* data, std::uint16_t size) {
    if (!isOpen() || size == 0 || data == nullptr) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return link_->blocks.push(std::vector<std::uint8_t>(bytes, bytes + size),
                              [&] { shared_->sendEmpty = false; });
}

void SerialPort::awaitBytes(std::uint32_t count) {
    if (isOpen()) link_->timeouts.awaited = count;
}

bool SerialPort::sendQueueEmpty() const {
    return shared_->sendEmpty.load();
}

std::size_t SerialPort::receivedWaiting() const {
    return shared_->receivedWaiting.load();
}

int SerialPort::notificationFd() const {
    return shared_->queue.fd();
}

bool SerialPort::waitForNotifications(const Deadline& deadline) const {
    pollfd fd{notificationFd(), POLLIN, 0};
    return pollUntil(&fd, 1, deadline) > 0;
}

std::size_t SerialPort::processNotifications() {
    // Only what waits now, so a steady stream of chunks cannot hold the caller forever.
    const std::size_t waiting = shared_->queue.size();
    std::size_t handled = 0;
    for (; handled < waiting; ++handled) {
        auto next = shared_->queue.pop();
        if (!next) break;
        if (next->code == kDataReceived) shared_->receivedWaiting -= next->chunk.size();
        if (next->code == kLineError) shared_->overflowTold = false;
        dispatch(*next);
    }
    return handled;
}

void SerialPort::dispatch(const Notification& n) {
    for (const Route& route : kRoutes) {
        if (route.code == n.code) route.raise(*this, n);
    }
}

void SerialPort::applyLineSettings() {
    // A line the driver refuses (a baud rate termios lacks) has no message of
    // its own among the port's messages; the buffer set-up one is nearest.
    if (!applyLine(link_->port(), line_, openedParity_))
        throw SerialPortError(kCannotSetupBuffer, errno);
    link_->timeouts.ignoreNull = line_.dropNulBytes;
}

void SerialPort::applyTimeouts() {
    // The write time-outs are kept but have no effect: a timed-out write would
    // only be retried with the rest of the block, and close() can always
    // interrupt a write that waits.
    link_->timeouts.interval = timeouts_.readIntervalMs;
    link_->timeouts.totalMultiplier = timeouts_.readTotalMultiplierMs;
    link_->timeouts.totalConstant = timeouts_.readTotalConstantMs;
}

void configureForRadio(SerialPort& port) {
    port.setBaudRate(19200);
    port.setReadIntervalMs(100);
    port.setXonXoffOutput(false);
    port.setXonXoffInput(false);
}

}  // namespace duoband
