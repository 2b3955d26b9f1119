#include "duoband/comm.h"

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

#include "comm_link.h"
#include "comm_threads.h"
#include "line_settings.h"

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

// Unix 98 pseudo-terminal slaves (majors 136 to 143). Their close never
// waits for output, and flushing one drops what the other end has not read.
bool isPseudoTerminal(int port) {
    struct stat info {};
    if (::fstat(port, &info) != 0) return false;
    const unsigned int major = ::major(info.st_rdev);
    return major >= 136 && major <= 143;
}

// Opens the device for this process alone: flock() keeps out other openers
// that play by the rules (another TComm too), TIOCEXCL every other non-root open().
UniqueFd openExclusive(const std::string& name) {
    UniqueFd port(::open(name.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!port) throw ECommsError(kErrorOpening, errno);
    struct stat info {};
    if (::fstat(port.get(), &info) != 0 || !S_ISCHR(info.st_mode) || !::isatty(port.get())) {
        throw ECommsError(kNotCommHandle, ENOTTY);
    }
    if (::flock(port.get(), LOCK_EX | LOCK_NB) != 0) {
        throw ECommsError(kErrorOpening, errno == EWOULDBLOCK ? EBUSY : errno);
    }
    ::ioctl(port.get(), TIOCEXCL);
    return port;
}

template <class... Args>
void fire(const std::function<void(TComm*, Args...)>& event, TComm* sender, Args... args) {
    // A copy, so a handler may replace the event it runs in.
    if (auto handler = event) handler(sender, args...);
}

struct Route {
    std::uint32_t code;
    void (*raise)(TComm& comm, const Notification& n);
};

constexpr Route kRoutes[] = {
    {kDataReceived,
     [](TComm& c, const Notification& n) {
         fire<const std::uint8_t*, std::uint16_t>(c.OnReceiveData, &c, n.chunk.data(),
                                                  static_cast<std::uint16_t>(n.chunk.size()));
     }},
    {kLineError,
     [](TComm& c, const Notification& n) { fire<std::uint32_t>(c.OnReceiveError, &c, n.value); }},
    {kRequestHangup, [](TComm& c, const Notification&) { fire<>(c.OnRequestHangup, &c); }},
    {kModemStateChange,
     [](TComm& c, const Notification& n) {
         fire<std::uint32_t>(c.OnModemStateChange, &c, n.value);
     }},
    {kSendDataEmpty, [](TComm& c, const Notification&) { fire<>(c.OnSendDataEmpty, &c); }},
};

}  // namespace

TComm::TComm() : shared_(std::make_shared<CommShared>()) {}

TComm::~TComm() {
    ClosePort();
}

void TComm::OpenPort() {
    if (isOpen()) throw ECommsError(kAlreadyOpened);
    try {
        UniqueFd port = openExclusive(commName_);
        ::tcflush(port.get(), TCIOFLUSH);
        shared_->sendEmpty = true;
        auto link = std::make_shared<CommLink>(std::move(port), shared_);
        link_ = std::move(link);
        applyTimeouts();
        openedParity_ = line_.Parity;
        applyLineSettings();
        startThreads();
        lastOpenError_ = 0;
    } catch (const ECommsError& error) {
        stopThreads();
        link_.reset();
        lastOpenError_ = error.systemError();
        throw;
    }
}

void TComm::startThreads() {
    // Thread priorities stay at the default: raising them needs privileges a
    // desktop user lacks, and both threads sleep in poll() anyway.
    try {
        readThread_ = std::make_unique<TReadThread>(link_);
    } catch (const std::system_error& error) {
        throw ECommsError(kCannotCreateReadThread, error.code().value());
    }
    try {
        writeThread_ = std::make_unique<TWriteThread>(link_);
    } catch (const std::system_error& error) {
        throw ECommsError(kCannotCreateWriteThread, error.code().value());
    }
}

void TComm::ClosePort() noexcept {
    if (!isOpen()) return;
    drainOutput(Deadline::in(kDrainLimit));
    stopThreads();
    link_.reset();  // flushes and closes the device unless a stuck thread still holds it
}

// Blocks already handed to SendData get a short, bounded time to leave the
// line before the flush below drops what a stuck adapter still holds.
void TComm::drainOutput(const Deadline& limit) const noexcept {
    while (!limit.expired() && (!SendEmpty() || queuedOutput(link_->port()) > 0)) {
        ::poll(nullptr, 0, kDrainStepMs);
    }
}

void TComm::stopThreads() noexcept {
    if (!link_) return;
    link_->signalClose();
    ::tcflush(link_->port(), TCIFLUSH);
    if (readThread_) readThread_->WaitFor(Deadline::in(kThreadEndLimit));
    readThread_.reset();
    if (!isPseudoTerminal(link_->port())) ::tcflush(link_->port(), TCOFLUSH);
    shared_->sendEmpty = true;
    if (writeThread_) writeThread_->WaitFor(Deadline::in(kThreadEndLimit));
    writeThread_.reset();
}

bool TComm::SendData(const void* DataPtr, std::uint16_t DataSize) {
    if (!isOpen() || DataSize == 0 || DataPtr == nullptr) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(DataPtr);
    return link_->blocks.push(std::vector<std::uint8_t>(bytes, bytes + DataSize),
                              [&] { shared_->sendEmpty = false; });
}

bool TComm::SendEmpty() const {
    return shared_->sendEmpty.load();
}

int TComm::NotificationFd() const {
    return shared_->queue.fd();
}

bool TComm::WaitForNotifications(const Deadline& deadline) const {
    pollfd fd{NotificationFd(), POLLIN, 0};
    return pollUntil(&fd, 1, deadline) > 0;
}

std::size_t TComm::ProcessNotifications() {
    // Only what waits now, so a steady stream of chunks cannot hold the caller forever.
    const std::size_t waiting = shared_->queue.size();
    std::size_t handled = 0;
    for (; handled < waiting; ++handled) {
        auto next = shared_->queue.pop();
        if (!next) break;
        dispatch(*next);
    }
    return handled;
}

void TComm::dispatch(const Notification& n) {
    for (const Route& route : kRoutes) {
        if (route.code == n.code) route.raise(*this, n);
    }
}

void TComm::applyLineSettings() {
    // A line the driver refuses (a baud rate termios lacks) has no message of
    // its own among the component's texts; the buffer set-up one is nearest.
    if (!applyLine(link_->port(), line_, openedParity_))
        throw ECommsError(kCannotSetupBuffer, errno);
    link_->timeouts.ignoreNull = line_.IgnoreNullChar;
}

void TComm::applyTimeouts() {
    // The write time-outs are kept but have no effect: a timed-out write would
    // only be retried with the rest of the block, and ClosePort can always
    // interrupt a write that waits.
    link_->timeouts.interval = timeouts_.ReadIntervalTimeout;
    link_->timeouts.totalMultiplier = timeouts_.ReadTotalTimeoutMultiplier;
    link_->timeouts.totalConstant = timeouts_.ReadTotalTimeoutConstant;
}

void configureForRadio(TComm& comm) {
    comm.SetBaudRate(19200);
    comm.SetReadIntervalTimeout(100);
    comm.SetOutx_XonXoffFlow(false);
    comm.SetInx_XonXoffFlow(false);
}

}  // namespace duoband
