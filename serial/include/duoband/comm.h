// TComm: the program's serial port component. It opens one tty device, runs
// a receive thread (TReadThread) and a transmit thread (TWriteThread), and
// hands everything the threads report to the owner's thread through a
// notification queue: the owner waits on NotificationFd() and calls
// ProcessNotifications(), which raises the events on the caller's thread in
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

enum class TDtrControl : std::uint8_t { DtrEnable, DtrDisable, DtrHandshake };
enum class TRtsControl : std::uint8_t {
    RtsEnable,
    RtsDisable,
    RtsHandshake,
    RtsTransmissionAvailable
};
enum class TByteSize : std::uint8_t { _5, _6, _7, _8 };
enum class TParity : std::uint8_t { None, Odd, Even, Mark, Space };
enum class TStopBits : std::uint8_t { _1, _1_5, _2 };

// The messages of ECommsError, word for word.
inline constexpr const char* kAlreadyOpened = "This serial port already opened";
inline constexpr const char* kErrorOpening = "Error opening serial port";
inline constexpr const char* kNotCommHandle = "File handle is not a comm handle ";
inline constexpr const char* kCannotSetupBuffer = "Cannot setup comm buffer";
inline constexpr const char* kCannotCreateEvent = "Unable to create event";
inline constexpr const char* kCannotCreateReadThread = "Unable to create read thread";
inline constexpr const char* kCannotCreateWriteThread = "Unable to create write thread";

class ECommsError : public std::runtime_error {
  public:
    explicit ECommsError(const char* message, int systemError = 0)
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
    kRequestHangup = 1027,
    kModemStateChange = 1028,
    kSendDataEmpty = 1029,
};

// Line-error flags of kLineError, numbered as Windows CE_* error flags.
enum LineErrorFlag : std::uint32_t {
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

class TComm;
using TReceiveDataEvent =
    std::function<void(TComm* Sender, const std::uint8_t* Buffer, std::uint16_t BufferLength)>;
using TReceiveErrorEvent = std::function<void(TComm* Sender, std::uint32_t EventMask)>;
using TModemStateChangeEvent = std::function<void(TComm* Sender, std::uint32_t ModemEvent)>;
using TNotifyEvent = std::function<void(TComm* Sender)>;
using TSendDataEmptyEvent = std::function<void(TComm* Sender)>;

// Everything that configures the line, in the component's declared order,
// with the component's own defaults.
struct TLineSettings {
    std::uint32_t BaudRate = 9600;
    bool ParityCheck = false;
    bool Outx_CtsFlow = false;
    bool Outx_DsrFlow = false;
    TDtrControl DtrControl = TDtrControl::DtrEnable;
    bool DsrSensitivity = false;
    bool TxContinueOnXoff = true;
    bool Outx_XonXoffFlow = true;
    bool Inx_XonXoffFlow = true;
    bool ReplaceWhenParityError = false;
    bool IgnoreNullChar = false;
    TRtsControl RtsControl = TRtsControl::RtsEnable;
    std::uint16_t XonLimit = 500;
    std::uint16_t XoffLimit = 500;
    TByteSize ByteSize = TByteSize::_8;
    TParity Parity = TParity::None;
    TStopBits StopBits = TStopBits::_1;
    char XonChar = 0x11;
    char XoffChar = 0x13;
    char ReplacedChar = 0x00;
    bool operator==(const TLineSettings&) const = default;
};

struct TCommTimeouts {
    std::uint32_t ReadIntervalTimeout = 100;
    std::uint32_t ReadTotalTimeoutMultiplier = 0;
    std::uint32_t ReadTotalTimeoutConstant = 0;
    std::uint32_t WriteTotalTimeoutMultiplier = 0;
    std::uint32_t WriteTotalTimeoutConstant = 0;
    bool operator==(const TCommTimeouts&) const = default;
};

struct CommShared;  // what the component shares with its threads
struct CommLink;    // one opening: device, close event, transmit queue
class TReadThread;
class TWriteThread;

class TComm {
  public:
    TComm();
    ~TComm();  // closes an open port first
    TComm(const TComm&) = delete;
    TComm& operator=(const TComm&) = delete;

    // Raises ECommsError; a failed opening leaves the component closed.
    void OpenPort();
    // Stops both threads (bounded wait), drops unsent output, closes. No-op when closed.
    void ClosePort() noexcept;
    // Queues a private copy; false when closed, DataSize is 0, or the hand-over fails.
    bool SendData(const void* DataPtr, std::uint16_t DataSize);

    bool isOpen() const { return link_ != nullptr; }
    // True when nothing is queued for transmission (shared with the transmit thread).
    bool SendEmpty() const;
    // errno of the last failed OpenPort (0 after a successful one); see explainOpenError().
    int LastOpenError() const { return lastOpenError_; }

    // Readable while notifications wait; never spins. Stays the same for the component's life.
    int NotificationFd() const;
    // Blocks until a notification waits (true) or the deadline passes (false).
    bool WaitForNotifications(const Deadline& deadline) const;
    // Raises the events for the notifications waiting now, in posting order, on
    // the calling thread. Returns how many were handled. Safe to call from a
    // handler (a nested wait keeps the order).
    std::size_t ProcessNotifications();

    // Published properties. Setters store; a changed line setting re-applies all
    // line settings to an open port, a changed time-out all five time-outs.
    // CommName and Parity take effect at the next OpenPort.
    const TLineSettings& LineSettings() const { return line_; }
    const TCommTimeouts& Timeouts() const { return timeouts_; }
    const std::string& CommName() const { return commName_; }
    void SetCommName(std::string value) { commName_ = std::move(value); }
    std::uint32_t BaudRate() const { return line_.BaudRate; }
    void SetBaudRate(std::uint32_t v) { setLine(&TLineSettings::BaudRate, v); }
    bool ParityCheck() const { return line_.ParityCheck; }
    void SetParityCheck(bool v) { setLine(&TLineSettings::ParityCheck, v); }
    bool Outx_CtsFlow() const { return line_.Outx_CtsFlow; }
    void SetOutx_CtsFlow(bool v) { setLine(&TLineSettings::Outx_CtsFlow, v); }
    bool Outx_DsrFlow() const { return line_.Outx_DsrFlow; }
    void SetOutx_DsrFlow(bool v) { setLine(&TLineSettings::Outx_DsrFlow, v); }
    TDtrControl DtrControl() const { return line_.DtrControl; }
    void SetDtrControl(TDtrControl v) { setLine(&TLineSettings::DtrControl, v); }
    bool DsrSensitivity() const { return line_.DsrSensitivity; }
    void SetDsrSensitivity(bool v) { setLine(&TLineSettings::DsrSensitivity, v); }
    bool TxContinueOnXoff() const { return line_.TxContinueOnXoff; }
    void SetTxContinueOnXoff(bool v) { setLine(&TLineSettings::TxContinueOnXoff, v); }
    bool Outx_XonXoffFlow() const { return line_.Outx_XonXoffFlow; }
    void SetOutx_XonXoffFlow(bool v) { setLine(&TLineSettings::Outx_XonXoffFlow, v); }
    bool Inx_XonXoffFlow() const { return line_.Inx_XonXoffFlow; }
    void SetInx_XonXoffFlow(bool v) { setLine(&TLineSettings::Inx_XonXoffFlow, v); }
    bool ReplaceWhenParityError() const { return line_.ReplaceWhenParityError; }
    void SetReplaceWhenParityError(bool v) { setLine(&TLineSettings::ReplaceWhenParityError, v); }
    bool IgnoreNullChar() const { return line_.IgnoreNullChar; }
    void SetIgnoreNullChar(bool v) { setLine(&TLineSettings::IgnoreNullChar, v); }
    TRtsControl RtsControl() const { return line_.RtsControl; }
    void SetRtsControl(TRtsControl v) { setLine(&TLineSettings::RtsControl, v); }
    std::uint16_t XonLimit() const { return line_.XonLimit; }
    void SetXonLimit(std::uint16_t v) { setLine(&TLineSettings::XonLimit, v); }
    std::uint16_t XoffLimit() const { return line_.XoffLimit; }
    void SetXoffLimit(std::uint16_t v) { setLine(&TLineSettings::XoffLimit, v); }
    TByteSize ByteSize() const { return line_.ByteSize; }
    void SetByteSize(TByteSize v) { setLine(&TLineSettings::ByteSize, v); }
    TParity Parity() const { return line_.Parity; }
    void SetParity(TParity v) { line_.Parity = v; }
    TStopBits StopBits() const { return line_.StopBits; }
    void SetStopBits(TStopBits v) { setLine(&TLineSettings::StopBits, v); }
    char XonChar() const { return line_.XonChar; }
    void SetXonChar(char v) { setLine(&TLineSettings::XonChar, v); }
    char XoffChar() const { return line_.XoffChar; }
    void SetXoffChar(char v) { setLine(&TLineSettings::XoffChar, v); }
    char ReplacedChar() const { return line_.ReplacedChar; }
    void SetReplacedChar(char v) { setLine(&TLineSettings::ReplacedChar, v); }
    std::uint32_t ReadIntervalTimeout() const { return timeouts_.ReadIntervalTimeout; }
    void SetReadIntervalTimeout(std::uint32_t v) {
        setTimeout(&TCommTimeouts::ReadIntervalTimeout, v);
    }
    std::uint32_t ReadTotalTimeoutMultiplier() const {
        return timeouts_.ReadTotalTimeoutMultiplier;
    }
    void SetReadTotalTimeoutMultiplier(std::uint32_t v) {
        setTimeout(&TCommTimeouts::ReadTotalTimeoutMultiplier, v);
    }
    std::uint32_t ReadTotalTimeoutConstant() const { return timeouts_.ReadTotalTimeoutConstant; }
    void SetReadTotalTimeoutConstant(std::uint32_t v) {
        setTimeout(&TCommTimeouts::ReadTotalTimeoutConstant, v);
    }
    std::uint32_t WriteTotalTimeoutMultiplier() const {
        return timeouts_.WriteTotalTimeoutMultiplier;
    }
    void SetWriteTotalTimeoutMultiplier(std::uint32_t v) {
        setTimeout(&TCommTimeouts::WriteTotalTimeoutMultiplier, v);
    }
    std::uint32_t WriteTotalTimeoutConstant() const { return timeouts_.WriteTotalTimeoutConstant; }
    void SetWriteTotalTimeoutConstant(std::uint32_t v) {
        setTimeout(&TCommTimeouts::WriteTotalTimeoutConstant, v);
    }

    // The five events, raised only from ProcessNotifications(). An empty one is skipped.
    TReceiveDataEvent OnReceiveData;
    TReceiveErrorEvent OnReceiveError;
    TModemStateChangeEvent OnModemStateChange;
    TNotifyEvent OnRequestHangup;
    TSendDataEmptyEvent OnSendDataEmpty;

  private:
    template <class T>
    void setLine(T TLineSettings::*member, T value) {
        if (line_.*member == value) return;
        line_.*member = value;
        if (isOpen()) applyLineSettings();
    }
    template <class T>
    void setTimeout(T TCommTimeouts::*member, T value) {
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

    std::string commName_ = "COM2";
    TLineSettings line_;
    TParity openedParity_ = TParity::None;  // Parity as of the last OpenPort
    TCommTimeouts timeouts_;
    int lastOpenError_ = 0;
    std::shared_ptr<CommShared> shared_;
    std::shared_ptr<CommLink> link_;
    std::unique_ptr<TReadThread> readThread_;
    std::unique_ptr<TWriteThread> writeThread_;
};

// The line the radio speaks, as the main window sets up `Comm1`: 19200 baud,
// 8N1, DTR and RTS on, no hardware and no XON/XOFF flow control, 100 ms
// read interval. The port name is left alone.
void configureForRadio(TComm& comm);

}  // namespace duoband
