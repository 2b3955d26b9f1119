// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// SerialPort: the program's serial port. It opens one tty device, runs a
// receive thread (ReceiveThread) and a transmit thread (TransmitThread), and
// hands everything the threads report to the owner's thread through a
// notification queue: the owner waits on notificationFd() and calls
// processNotifications(), which raises the events on the caller's thread in
// posting order.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "duoband/deadline.h"
#include "duoband/wake_queue.h"

namespace duoband {

// How the DTR line is driven: held on, held off, or as input flow control.
enum class DtrControl : std::uint8_t { On, Off, Handshake };
// How the RTS line is driven: held on, held off, as input flow control, or
// raised only while bytes are being sent (Toggle).
enum class RtsControl : std::uint8_t { On, Off, Handshake, Toggle };
enum class DataBits : std::uint8_t { Five, Six, Seven, Eight };
enum class Parity : std::uint8_t { None, Odd, Even, Mark, Space };
enum class StopBits : std::uint8_t { One, OneAndHalf, Two };

// The messages of SerialPortError, shown to the user as they are.
inline constexpr const char* kAlreadyOpened = "This serial port already opened";
inline constexpr const char* kErrorOpening = "Error opening serial port";
inline constexpr const char* kNotASerialPort = "File handle is not a comm handle ";
inline constexpr const char* kCannotSetupBuffer = "Cannot setup comm buffer";
inline constexpr const char* kCannotCreateEvent = "Unable to create event";
inline constexpr const char* kCannotCreateReceiveThread = "Unable to create read thread";
inline constexpr const char* kCannotCreateTransmitThread = "Unable to create write thread";

class SerialPortError : public std::runtime_error {
  public:
    explicit SerialPortError(const char* message, int systemError = 0)
        : std::runtime_error(message), systemError_(systemError) {}
    // errno of the failed system call, 0 when none was involved.
    int systemError() const { return systemError_; }

  private:
    int systemError_;
};

// Notification codes posted by the threads (user message base + 1..5).
enum NotificationCode : std::uint32_t {
    kDataReceived = 1025,
    kLineError = 1026,
    kHangup = 1027,
    kModemStateChange = 1028,
    kSendQueueEmpty = 1029,
};

// Line-error flags of kLineError, numbered as Windows CE_* error flags.
enum LineErrorFlag : std::uint32_t {
    kReceiveOverflow = 0x01,  // received bytes were dropped: kMostReceivedWaiting were waiting
    kOverrunError = 0x02,
    kParityError = 0x04,
    kFrameError = 0x08,
    kBreakCondition = 0x10,
};

struct Notification {
    std::uint32_t code = 0;
    std::vector<std::uint8_t> chunk;  // kDataReceived: the bytes (owned by the queue)
    std::uint32_t value = 0;          // kLineError: flags; kModemStateChange: 8 = CD, 4 = ring
};

using NotificationQueue = WakeQueue<Notification>;

// The most received bytes that wait for the owner. A line that brings more
// while the owner is behind (a wrong device or a broken cable spewing data)
// loses what comes beyond, and the owner hears kReceiveOverflow once for it.
inline constexpr std::size_t kMostReceivedWaiting = 64 * 1024;

class SerialPort;
using ReceiveHandler =
    std::function<void(SerialPort* port, const std::uint8_t* data, std::uint16_t size)>;
using LineErrorHandler = std::function<void(SerialPort* port, std::uint32_t flags)>;
using ModemStateHandler = std::function<void(SerialPort* port, std::uint32_t state)>;
using PortHandler = std::function<void(SerialPort* port)>;

// Everything that configures the line, with the port's defaults.
struct LineSettings {
    std::uint32_t baudRate = 9600;
    bool parityCheck = false;
    bool ctsFlowControl = false;
    bool dsrFlowControl = false;
    DtrControl dtrControl = DtrControl::On;
    bool dsrSensitivity = false;
    bool keepSendingAfterXoff = true;  // after this end asked for a pause with XOFF
    bool xonXoffOutput = true;         // the other end's XOFF/XON pause and resume sending
    bool xonXoffInput = true;          // this end sends XOFF/XON as its input fills and empties
    bool replaceParityErrors = false;
    bool dropNulBytes = false;
    RtsControl rtsControl = RtsControl::On;
    std::uint16_t xonLimit = 500;
    std::uint16_t xoffLimit = 500;
    DataBits dataBits = DataBits::Eight;
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;
    char xonChar = 0x11;
    char xoffChar = 0x13;
    char parityErrorChar = 0x00;  // stands for a byte with a parity error
    bool operator==(const LineSettings&) const = default;
};

// Read and write time-outs in milliseconds. A burst is delivered once the line
// has been quiet for readIntervalMs (0: at once), or when
// readTotalMultiplierMs times the 2048 bytes of a full chunk plus
// readTotalConstantMs have passed since its first byte (both 0: no limit).
struct PortTimeouts {
    std::uint32_t readIntervalMs = 100;
    std::uint32_t readTotalMultiplierMs = 0;
    std::uint32_t readTotalConstantMs = 0;
    std::uint32_t writeTotalMultiplierMs = 0;
    std::uint32_t writeTotalConstantMs = 0;
    bool operator==(const PortTimeouts&) const = default;
};

struct PortShared;  // what the port shares with its threads
struct PortLink;    // one opening: device, close event, transmit queue
class ReceiveThread;
class TransmitThread;

class SerialPort {
  public:
    SerialPort();
    ~SerialPort();  // closes an open port first
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Raises SerialPortError; a failed opening leaves the port closed.
    void open();
    // Stops both threads (bounded wait), drops unsent output, closes. No-op when closed.
    void close() noexcept;
    // The device went away (its cable was pulled): closes the port and posts
    // a hang-up, which reaches onHangup in order like one the receive thread
    // noticed, so an exchange waiting for an answer fails at once.
    void closeLostLine() noexcept;
    // Queues a private copy; false when closed, size is 0, or the hand-over fails.
    bool send(const void* data, std::uint16_t size);
    // The reader awaits `count` bytes from now on (an answer of known
    // length): the burst that brings the last of them is handed on at once
    // instead of after the line's quiet. 0 awaits nothing. No-op when closed.
    void awaitBytes(std::uint32_t count);

    bool isOpen() const { return link_ != nullptr; }
    // True when nothing is queued for transmission (shared with the transmit thread).
    bool sendQueueEmpty() const;
    // Received bytes not yet handed to onReceive; never more than kMostReceivedWaiting.
    std::size_t receivedWaiting() const;
    // errno of the last failed open() (0 after a successful one); see explainOpenError().
    int lastOpenError() const { return lastOpenError_; }

    // Readable while notifications wait; never spins. Stays the same for the object's life.
    int notificationFd() const;
    // Blocks until a notification waits (true) or the deadline passes (false).
    bool waitForNotifications(const Deadline& deadline) const;
    // Raises the events for the notifications waiting now, in posting order, on
    // the calling thread. Returns how many were handled. Safe to call from a
    // handler (a nested wait keeps the order).
    std::size_t processNotifications();

    // Settings. Setters store; a changed line setting re-applies all line
    // settings to an open port, a changed time-out all five time-outs. The
    // path and the parity take effect at the next open().
    const LineSettings& lineSettings() const { return line_; }
    const PortTimeouts& timeouts() const { return timeouts_; }
    const std::string& path() const { return path_; }
    void setPath(std::string value) { path_ = std::move(value); }
    std::uint32_t baudRate() const { return line_.baudRate; }
    void setBaudRate(std::uint32_t v) { setLine(&LineSettings::baudRate, v); }
    bool parityCheck() const { return line_.parityCheck; }
    void setParityCheck(bool v) { setLine(&LineSettings::parityCheck, v); }
    bool ctsFlowControl() const { return line_.ctsFlowControl; }
    void setCtsFlowControl(bool v) { setLine(&LineSettings::ctsFlowControl, v); }
    bool dsrFlowControl() const { return line_.dsrFlowControl; }
    void setDsrFlowControl(bool v) { setLine(&LineSettings::dsrFlowControl, v); }
    DtrControl dtrControl() const { return line_.dtrControl; }
    void setDtrControl(DtrControl v) { setLine(&LineSettings::dtrControl, v); }
    bool dsrSensitivity() const { return line_.dsrSensitivity; }
    void setDsrSensitivity(bool v) { setLine(&LineSettings::dsrSensitivity, v); }
    bool keepSendingAfterXoff() const { return line_.keepSendingAfterXoff; }
    void setKeepSendingAfterXoff(bool v) { setLine(&LineSettings::keepSendingAfterXoff, v); }
    bool xonXoffOutput() const { return line_.xonXoffOutput; }
    void setXonXoffOutput(bool v) { setLine(&LineSettings::xonXoffOutput, v); }
    bool xonXoffInput() const { return line_.xonXoffInput; }
    void setXonXoffInput(bool v) { setLine(&LineSettings::xonXoffInput, v); }
    bool replaceParityErrors() const { return line_.replaceParityErrors; }
    void setReplaceParityErrors(bool v) { setLine(&LineSettings::replaceParityErrors, v); }
    bool dropNulBytes() const { return line_.dropNulBytes; }
    void setDropNulBytes(bool v) { setLine(&LineSettings::dropNulBytes, v); }
    RtsControl rtsControl() const { return line_.rtsControl; }
    void setRtsControl(RtsControl v) { setLine(&LineSettings::rtsControl, v); }
    std::uint16_t xonLimit() const { return line_.xonLimit; }
    void setXonLimit(std::uint16_t v) { setLine(&LineSettings::xonLimit, v); }
    std::uint16_t xoffLimit() const { return line_.xoffLimit; }
    void setXoffLimit(std::uint16_t v) { setLine(&LineSettings::xoffLimit, v); }
    DataBits dataBits() const { return line_.dataBits; }
    void setDataBits(DataBits v) { setLine(&LineSettings::dataBits, v); }
    Parity parity() const { return line_.parity; }
    void setParity(Parity v) { line_.parity = v; }
    StopBits stopBits() const { return line_.stopBits; }
    void setStopBits(StopBits v) { setLine(&LineSettings::stopBits, v); }
    char xonChar() const { return line_.xonChar; }
    void setXonChar(char v) { setLine(&LineSettings::xonChar, v); }
    char xoffChar() const { return line_.xoffChar; }
    void setXoffChar(char v) { setLine(&LineSettings::xoffChar, v); }
    char parityErrorChar() const { return line_.parityErrorChar; }
    void setParityErrorChar(char v) { setLine(&LineSettings::parityErrorChar, v); }
    std::uint32_t readIntervalMs() const { return timeouts_.readIntervalMs; }
    void setReadIntervalMs(std::uint32_t v) { setTimeout(&PortTimeouts::readIntervalMs, v); }
    std::uint32_t readTotalMultiplierMs() const { return timeouts_.readTotalMultiplierMs; }
    void setReadTotalMultiplierMs(std::uint32_t v) {
        setTimeout(&PortTimeouts::readTotalMultiplierMs, v);
    }
    std::uint32_t readTotalConstantMs() const { return timeouts_.readTotalConstantMs; }
    void setReadTotalConstantMs(std::uint32_t v) {
        setTimeout(&PortTimeouts::readTotalConstantMs, v);
    }
    std::uint32_t writeTotalMultiplierMs() const { return timeouts_.writeTotalMultiplierMs; }
    void setWriteTotalMultiplierMs(std::uint32_t v) {
        setTimeout(&PortTimeouts::writeTotalMultiplierMs, v);
    }
    std::uint32_t writeTotalConstantMs() const { return timeouts_.writeTotalConstantMs; }
    void setWriteTotalConstantMs(std::uint32_t v) {
        setTimeout(&PortTimeouts::writeTotalConstantMs, v);
    }

    // The five events, raised only from processNotifications(). An empty one is skipped.
    ReceiveHandler onReceive;
    LineErrorHandler onLineError;
    ModemStateHandler onModemStateChange;
    PortHandler onHangup;
    PortHandler onSendQueueEmpty;

  private:
    template <class T>
    void setLine(T LineSettings::*member, T value) {
        if (line_.*member == value) return;
        line_.*member = value;
        if (isOpen()) applyLineSettings();
    }
    template <class T>
    void setTimeout(T PortTimeouts::*member, T value) {
        if (timeouts_.*member == value) return;
        timeouts_.*member = value;
        if (isOpen()) applyTimeouts();
    }
    void applyLineSettings();
    void applyTimeouts();
    void startThreads();
    void stopThreads() noexcept;
    void drainOutput(const Deadline& limit) const noexcept;
    void dispatch(const Notification& n);

    std::string path_ = "COM2";
    LineSettings line_;
    Parity openedParity_ = Parity::None;  // parity as of the last open()
    PortTimeouts timeouts_;
    int lastOpenError_ = 0;
    std::shared_ptr<PortShared> shared_;
    std::shared_ptr<PortLink> link_;
    std::unique_ptr<ReceiveThread> receiveThread_;
    std::unique_ptr<TransmitThread> transmitThread_;
};

// The line the radio speaks, as the main window sets up its port: 19200 baud,
// 8N1, DTR and RTS on, no hardware and no XON/XOFF flow control, 100 ms
// read interval. The port name is left alone.
void configureForRadio(SerialPort& port);

}  // namespace duoband
