// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/serial_port.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <numeric>
#include <thread>

#include "line_settings.h"
#include "port_threads.h"
#include "pty_pair.h"

namespace duoband {
namespace {

using namespace std::chrono_literals;
using testing::PtyPair;
using testing::pumpFor;
using testing::pumpUntil;
using Bytes = std::vector<std::uint8_t>;

Bytes pattern(std::size_t count, std::size_t seed) {
    Bytes bytes(count);
    for (std::size_t i = 0; i < count; ++i) bytes[i] = static_cast<std::uint8_t>((seed + i) * 7);
    return bytes;
}

termios lineOf(int fd) {
    termios t{};
    EXPECT_EQ(::tcgetattr(fd, &t), 0);
    return t;
}

speed_t speedOf(int fd) {
    const termios t = lineOf(fd);
    return ::cfgetospeed(&t);
}

class SerialPortTest : public ::testing::Test {
  protected:
    void SetUp() override {
        configureForRadio(port);
        port.setPath(pty.path());
        port.onReceive = [this](SerialPort* from, const std::uint8_t* data, std::uint16_t size) {
            EXPECT_EQ(from, &port);
            EXPECT_EQ(std::this_thread::get_id(), owner);
            chunks.emplace_back(data, data + size);
        };
        port.onHangup = [this](SerialPort*) { ++hangups; };
        port.onSendQueueEmpty = [this](SerialPort*) { ++empties; };
    }

    Bytes received() const {
        Bytes all;
        for (const auto& c : chunks) all.insert(all.end(), c.begin(), c.end());
        return all;
    }
    bool receive(std::size_t count) {
        return pumpUntil(
            port, [&] { return received().size() >= count; }, Deadline::in(3s));
    }

    PtyPair pty;
    SerialPort port;
    std::thread::id owner = std::this_thread::get_id();
    std::vector<Bytes> chunks;
    int hangups = 0;
    int empties = 0;
};

TEST(SerialPortDefaults, SettingsStartWithTheirDefaults) {
    const SerialPort c;
    EXPECT_FALSE(c.isOpen());
    EXPECT_TRUE(c.sendQueueEmpty());
    EXPECT_EQ(c.path(), "COM2");
    EXPECT_EQ(c.baudRate(), 9600u);
    EXPECT_FALSE(c.parityCheck());
    EXPECT_FALSE(c.ctsFlowControl());
    EXPECT_FALSE(c.dsrFlowControl());
    EXPECT_EQ(c.dtrControl(), DtrControl::On);
    EXPECT_FALSE(c.dsrSensitivity());
    EXPECT_TRUE(c.keepSendingAfterXoff());
    EXPECT_TRUE(c.xonXoffOutput());
    EXPECT_TRUE(c.xonXoffInput());
    EXPECT_FALSE(c.replaceParityErrors());
    EXPECT_FALSE(c.dropNulBytes());
    EXPECT_EQ(c.rtsControl(), RtsControl::On);
    EXPECT_EQ(c.xonLimit(), 500);
    EXPECT_EQ(c.xoffLimit(), 500);
    EXPECT_EQ(c.dataBits(), DataBits::Eight);
    EXPECT_EQ(c.parity(), Parity::None);
    EXPECT_EQ(c.stopBits(), StopBits::One);
    EXPECT_EQ(c.xonChar(), 0x11);
    EXPECT_EQ(c.xoffChar(), 0x13);
    EXPECT_EQ(c.parityErrorChar(), 0x00);
    EXPECT_EQ(c.readIntervalMs(), 100u);
    EXPECT_EQ(c.readTotalMultiplierMs(), 0u);
    EXPECT_EQ(c.readTotalConstantMs(), 0u);
    EXPECT_EQ(c.writeTotalMultiplierMs(), 0u);
    EXPECT_EQ(c.writeTotalConstantMs(), 0u);
}

TEST_F(SerialPortTest, SentBlocksArriveWholeAndInOrderThenTheQueueReportsEmpty) {
    port.open();
    Bytes expected;
    for (std::size_t i = 0; i < 400; ++i) {
        const std::size_t size = (i % 50 == 0) ? 20000 + i : 1 + i % 13;
        const Bytes block = pattern(size, i);
        ASSERT_TRUE(port.send(block.data(), static_cast<std::uint16_t>(block.size())));
        expected.insert(expected.end(), block.begin(), block.end());
    }
    EXPECT_EQ(pty.read(expected.size(), Deadline::in(5s)), expected);
    EXPECT_TRUE(pumpUntil(
        port, [&] { return empties > 0 && port.sendQueueEmpty(); }, Deadline::in(2s)));
}

TEST_F(SerialPortTest, ReceivedBytesReachOnReceiveOnTheOwnersThreadInOrder) {
    port.setReadIntervalMs(20);
    port.open();
    const Bytes sent = pattern(1500, 3);
    for (std::size_t at = 0; at < sent.size(); at += 100) {
        pty.write(Bytes(sent.begin() + at, sent.begin() + at + 100));
    }
    ASSERT_TRUE(receive(sent.size()));
    EXPECT_EQ(received(), sent);
}

struct SplitCase {
    std::uint32_t interval;
    std::chrono::milliseconds pause;
    std::size_t chunks;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << "interval " << c.interval << " ms, pause " << c.pause.count() << " ms, " << c.chunks
        << " chunk(s)";
}

class BurstSplit : public SerialPortTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(BurstSplit, APauseLongerThanTheIntervalSplitsAReply) {
    port.setReadIntervalMs(GetParam().interval);
    port.open();
    pty.write(pattern(24, 0));
    std::this_thread::sleep_for(GetParam().pause);
    pty.write(pattern(24, 24));
    ASSERT_TRUE(receive(48));
    pumpFor(port, std::chrono::milliseconds(GetParam().interval) + 50ms);
    EXPECT_EQ(chunks.size(), GetParam().chunks);
    EXPECT_EQ(received(), pattern(48, 0));
}

INSTANTIATE_TEST_SUITE_P(Pauses, BurstSplit,
                         ::testing::Values(SplitCase{100, 300ms, 2}, SplitCase{300, 20ms, 1},
                                           SplitCase{0, 300ms, 2}),
                         [](const auto& info) {
                             return "interval" + std::to_string(info.param.interval) + "ms_pause" +
                                    std::to_string(info.param.pause.count()) + "ms";
                         });

// An awaited answer is handed on the moment its last byte is in, even when
// the line's quiet is long; bytes after it wait for the quiet again.
TEST_F(SerialPortTest, AnAwaitedAnswerIsHandedOnWithoutWaitingForTheQuiet) {
    port.setReadIntervalMs(60000);
    port.open();
    port.awaitBytes(48);
    pty.write(pattern(24, 0));
    std::this_thread::sleep_for(20ms);
    pty.write(pattern(24, 24));
    ASSERT_TRUE(receive(48));
    EXPECT_EQ(received(), pattern(48, 0));
    pty.write(pattern(1, 48));
    pumpFor(port, 300ms);
    EXPECT_EQ(received().size(), 48u);
}

TEST_F(SerialPortTest, AChunkHoldsAtMost2048Bytes) {
    port.open();
    const Bytes sent = pattern(5000, 1);
    pty.write(sent);
    ASSERT_TRUE(receive(sent.size()));
    EXPECT_EQ(received(), sent);
    EXPECT_GE(chunks.size(), 3u);
    for (const auto& chunk : chunks) EXPECT_LE(chunk.size(), 2048u);
}

// An owner that falls behind a flooding line: what waits for it stays
// bounded, it hears of the loss once, and the line works on afterwards.
TEST_F(SerialPortTest, AFloodWhileTheOwnerIsBehindKeepsTheQueueBounded) {
    std::vector<std::uint32_t> lineErrors;
    port.onLineError = [&](SerialPort*, std::uint32_t flags) { lineErrors.push_back(flags); };
    port.open();
    pty.write(pattern(16 * kMostReceivedWaiting, 3));  // the owner does not pump meanwhile
    EXPECT_LE(port.receivedWaiting(), kMostReceivedWaiting);
    EXPECT_GT(port.receivedWaiting(), kMostReceivedWaiting / 2);
    ASSERT_TRUE(pumpUntil(
        port, [&] { return !lineErrors.empty(); }, Deadline::in(3s)));
    EXPECT_EQ(lineErrors.front(), kReceiveOverflow);
    pty.write("after");
    ASSERT_TRUE(pumpUntil(
        port,
        [&] {
            const Bytes all = received();
            return all.size() >= 5 &&
                   Bytes(all.end() - 5, all.end()) == Bytes{'a', 'f', 't', 'e', 'r'};
        },
        Deadline::in(3s)));
    EXPECT_LE(received().size(), 16 * kMostReceivedWaiting);
}

TEST_F(SerialPortTest, DropNulBytesRemovesThemFromTheInput) {
    port.setDropNulBytes(true);
    port.open();
    pty.write(Bytes{'a', 0, 'b', 0, 0, 'c'});
    ASSERT_TRUE(receive(3));
    pumpFor(port, 150ms);
    EXPECT_EQ(received(), (Bytes{'a', 'b', 'c'}));
}

TEST_F(SerialPortTest, SendRefusesAnEmptyBlockAndAClosedPort) {
    const std::uint8_t byte = 0x55;
    EXPECT_FALSE(port.send(&byte, 1));
    port.open();
    EXPECT_FALSE(port.send(&byte, 0));
    port.close();
    EXPECT_FALSE(port.send(&byte, 1));
    EXPECT_TRUE(pty.read(1, Deadline::in(100ms)).empty());
}

TEST_F(SerialPortTest, ASecondOpenRaisesAndLeavesTheFirstOpeningWorking) {
    port.open();
    try {
        port.open();
        FAIL() << "no error";
    } catch (const SerialPortError& e) {
        EXPECT_STREQ(e.what(), "This serial port already opened");
    }
    ASSERT_TRUE(port.isOpen());
    ASSERT_TRUE(port.send("PROM_LIN", 8));
    EXPECT_EQ(pty.read(8, Deadline::in(2s)), (Bytes{'P', 'R', 'O', 'M', '_', 'L', 'I', 'N'}));
    pty.write("ok");
    EXPECT_TRUE(receive(2));
}

TEST_F(SerialPortTest, CloseOnAClosedPortDoesNothingAndAClosedPortReopens) {
    port.close();
    EXPECT_FALSE(port.isOpen());
    port.open();
    port.close();
    port.close();
    EXPECT_FALSE(port.isOpen());
    port.open();
    pty.write("again");
    EXPECT_TRUE(receive(5));
}

// A closing command sent just before the port closes still reaches the other
// end, many times over: the close neither races the transmit thread nor
// drops what the other end has not read yet.
TEST_F(SerialPortTest, BytesSentJustBeforeClosingStillLeave) {
    const std::string exit = "EXIT";
    for (int i = 0; i < 300; ++i) {
        port.open();
        ASSERT_TRUE(port.send(exit.data(), static_cast<std::uint16_t>(exit.size())));
        port.close();
        EXPECT_EQ(pty.read(exit.size(), Deadline::in(1s)), Bytes(exit.begin(), exit.end())) << i;
    }
}

// The next opening of the line (the next radio job on the port, the editor
// taking its port back) keeps what the last one sent and the other end has
// not read yet: a radio that is slow to read still gets its EXIT.
TEST_F(SerialPortTest, ReopeningKeepsWhatTheOtherEndHasNotReadYet) {
    const std::string sent = "EXITPROM_LIN";
    for (int i = 0; i < 300; ++i) {
        port.open();
        ASSERT_TRUE(port.send(sent.data(), 4));
        port.close();
        port.open();
        ASSERT_TRUE(port.send(sent.data() + 4, 8));
        port.close();
        EXPECT_EQ(pty.read(sent.size(), Deadline::in(1s)), Bytes(sent.begin(), sent.end())) << i;
    }
}

TEST_F(SerialPortTest, DestroyingAnOpenPortClosesIt) {
    {
        SerialPort first;
        first.setPath(pty.path());
        first.open();
    }
    EXPECT_NO_THROW(port.open());
}

struct OpenFailure {
    const char* what;
    std::function<std::string(const PtyPair&)> device;
    const char* message;
    int error;
};

void PrintTo(const OpenFailure& c, std::ostream* os) {
    *os << c.what << ", errno " << c.error;
}

class OpenFailures : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(OpenFailures, GiveTheirMessageKeepTheErrnoAndLeaveThePortClosed) {
    PtyPair pty;
    SerialPort holder;  // the device "in use" case opens it here first
    holder.setPath(pty.path());
    holder.open();
    SerialPort port;
    port.setPath(GetParam().device(pty));
    try {
        port.open();
        FAIL() << "opened " << port.path();
    } catch (const SerialPortError& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
        EXPECT_EQ(e.systemError(), GetParam().error);
    }
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.lastOpenError(), GetParam().error);
    EXPECT_FALSE(port.send("x", 1));
}

std::string regularFile(const PtyPair&) {
    static const std::string path = [] {
        std::string name = ::testing::TempDir() + "duoband_not_a_tty_" + std::to_string(::getpid());
        std::FILE* f = std::fopen(name.c_str(), "w");
        std::fclose(f);
        return name;
    }();
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    Devices, OpenFailures,
    ::testing::Values(
        OpenFailure{"missing", [](const PtyPair&) { return std::string("/dev/duoband-none"); },
                    "Error opening serial port", ENOENT},
        OpenFailure{"regular file", regularFile, "File handle is not a comm handle ", ENOTTY},
        OpenFailure{"in use", [](const PtyPair& p) { return p.path(); },
                    "Error opening serial port", EBUSY}),
    [](const auto& info) {
        std::string name = info.param.what;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(SerialPortTest, AnUnpluggedLinePostsHangupOnceAndClosesPromptly) {
    port.open();
    pty.write("last");
    ASSERT_TRUE(receive(4));
    pty.closeMaster();
    ASSERT_TRUE(pumpUntil(
        port, [&] { return hangups > 0; }, Deadline::in(2s)));
    pumpFor(port, 200ms);
    EXPECT_EQ(hangups, 1);
    const auto start = std::chrono::steady_clock::now();
    port.close();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_FALSE(port.isOpen());
}

// The port list saw the cable go before the line did: the owner hears the
// hang-up like any other, after what was received before it.
TEST_F(SerialPortTest, ALostLineClosesThePortAndPostsOneHangupAfterTheData) {
    std::size_t receivedBeforeHangup = 0;
    port.onHangup = [&](SerialPort*) {
        ++hangups;
        receivedBeforeHangup = received().size();
    };
    port.open();
    ASSERT_TRUE(pumpUntil(
        port, [&] { return empties > 0; }, Deadline::in(2s)));  // the transmit thread is up
    pty.write("last");
    ASSERT_TRUE(port.waitForNotifications(Deadline::in(2s)));  // the data wait, unhandled
    port.closeLostLine();
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(hangups, 0);  // raised only on the owner's next turn
    ASSERT_TRUE(pumpUntil(
        port, [&] { return hangups > 0; }, Deadline::in(2s)));
    port.processNotifications();  // the threads are gone: nothing else can come
    EXPECT_EQ(hangups, 1);
    EXPECT_EQ(receivedBeforeHangup, 4u);
}

TEST_F(SerialPortTest, BaudRateAppliesAtOnceParityAndPathAtTheNextOpening) {
    port.open();
    EXPECT_EQ(speedOf(pty.slave()), B19200);
    port.setBaudRate(38400);
    EXPECT_EQ(speedOf(pty.slave()), B38400);

    // (A pseudo terminal clears PARENB; PARODD shows the parity that was set.)
    PtyPair other;
    port.setParity(Parity::Odd);
    port.setPath(other.path());
    port.setBaudRate(57600);  // re-applies the line, but with the parity of this opening
    EXPECT_EQ(speedOf(pty.slave()), B57600);
    EXPECT_EQ(lineOf(pty.slave()).c_cflag & PARODD, 0u);
    pty.write("still");
    EXPECT_TRUE(receive(5));

    port.close();
    port.open();
    EXPECT_EQ(lineOf(other.slave()).c_cflag & (PARODD | CMSPAR), tcflag_t{PARODD});
    EXPECT_EQ(speedOf(other.slave()), B57600);
}

TEST_F(SerialPortTest, AnUnsupportedBaudRateIsReportedNotIgnored) {
    port.setBaudRate(12345);
    EXPECT_THROW(port.open(), SerialPortError);
    EXPECT_FALSE(port.isOpen());
    port.setBaudRate(19200);
    port.open();
    EXPECT_THROW(port.setBaudRate(12345), SerialPortError);
    EXPECT_EQ(speedOf(pty.slave()), B19200);
}

TEST_F(SerialPortTest, OpeningMakesTheLineRaw) {
    pty.write("x");  // pending input must be flushed by the opening
    port.open();
    const termios t = lineOf(pty.slave());
    EXPECT_EQ(t.c_lflag & (ECHO | ICANON | ISIG | IEXTEN), 0u);
    EXPECT_EQ(t.c_oflag & OPOST, 0u);
    EXPECT_EQ(t.c_iflag & (ICRNL | INLCR | IGNCR | IXON | IXOFF | ISTRIP), 0u);
    EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD | HUPCL), tcflag_t{CLOCAL | CREAD});
    EXPECT_EQ(t.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), tcflag_t{CS8});
    pty.write("\r\n");
    ASSERT_TRUE(receive(2));
    EXPECT_EQ(received(), (Bytes{'\r', '\n'}));
}

// termios flag words by name, for the table below.
struct TCflags {
    tcflag_t c;
    tcflag_t i;
};

struct LineCase {
    const char* what;
    std::function<void(SerialPort&)> set;
    tcflag_t TCflags::*field;
    tcflag_t mask;
    tcflag_t expected;
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.what;
}

class LineSettingsTable : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineSettingsTable, BecomeTermiosFlagsThatReachTheDevice) {
    const LineCase& c = GetParam();
    PtyPair pty;
    SerialPort port;
    port.setPath(pty.path());
    c.set(port);
    const auto built = lineTermios(termios{}, port.lineSettings(), port.parity());
    ASSERT_TRUE(built.has_value());
    const TCflags words{built->c_cflag, built->c_iflag};
    EXPECT_EQ(words.*c.field & c.mask, c.expected);

    // A pseudo terminal forces CS8 and clears PARENB; every other flag must arrive.
    port.open();
    const termios t = lineOf(pty.slave());
    const TCflags device{t.c_cflag, t.c_iflag};
    const tcflag_t kept = c.field == &TCflags::c ? ~tcflag_t{CSIZE | PARENB} : ~tcflag_t{0};
    EXPECT_EQ(device.*c.field & c.mask & kept, c.expected & kept);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineSettingsTable,
    ::testing::Values(
        LineCase{"default", [](SerialPort&) {}, &TCflags::c, CSIZE | PARENB | CSTOPB | CRTSCTS,
                 CS8},
        LineCase{"bits5", [](SerialPort& c) { c.setDataBits(DataBits::Five); }, &TCflags::c, CSIZE,
                 CS5},
        LineCase{"bits7", [](SerialPort& c) { c.setDataBits(DataBits::Seven); }, &TCflags::c, CSIZE,
                 CS7},
        LineCase{"even", [](SerialPort& c) { c.setParity(Parity::Even); }, &TCflags::c,
                 PARENB | PARODD | CMSPAR, PARENB},
        LineCase{"odd", [](SerialPort& c) { c.setParity(Parity::Odd); }, &TCflags::c,
                 PARENB | PARODD | CMSPAR, PARENB | PARODD},
        LineCase{"mark", [](SerialPort& c) { c.setParity(Parity::Mark); }, &TCflags::c,
                 PARENB | PARODD | CMSPAR, PARENB | PARODD | CMSPAR},
        LineCase{"space", [](SerialPort& c) { c.setParity(Parity::Space); }, &TCflags::c,
                 PARENB | PARODD | CMSPAR, PARENB | CMSPAR},
        LineCase{"stop1_5", [](SerialPort& c) { c.setStopBits(StopBits::OneAndHalf); }, &TCflags::c,
                 CSTOPB, CSTOPB},
        LineCase{"stop2", [](SerialPort& c) { c.setStopBits(StopBits::Two); }, &TCflags::c, CSTOPB,
                 CSTOPB},
        LineCase{"cts", [](SerialPort& c) { c.setCtsFlowControl(true); }, &TCflags::c, CRTSCTS,
                 CRTSCTS},
        LineCase{"rtsHandshake", [](SerialPort& c) { c.setRtsControl(RtsControl::Handshake); },
                 &TCflags::c, CRTSCTS, CRTSCTS},
        LineCase{"xonxoffDefault", [](SerialPort&) {}, &TCflags::i, IXON | IXOFF, IXON | IXOFF},
        LineCase{"xonOnly", [](SerialPort& c) { c.setXonXoffInput(false); }, &TCflags::i,
                 IXON | IXOFF, IXON},
        LineCase{"xoffOnly", [](SerialPort& c) { c.setXonXoffOutput(false); }, &TCflags::i,
                 IXON | IXOFF, IXOFF},
        LineCase{"parityCheck", [](SerialPort& c) { c.setParityCheck(true); }, &TCflags::i, INPCK,
                 INPCK}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(SerialPortTest, XonAndXoffCharactersReachTheDevice) {
    port.setXonChar('Q');
    port.setXoffChar('S');
    port.open();
    EXPECT_EQ(lineOf(pty.slave()).c_cc[VSTART], 'Q');
    port.setXoffChar('T');  // a line setting: re-applied while open
    EXPECT_EQ(lineOf(pty.slave()).c_cc[VSTOP], 'T');
}

TEST(LineErrorFlags, EachGrownCounterSetsItsFlag) {
    serial_icounter_struct before{};
    before.frame = 3;
    before.overrun = 1;
    const struct {
        int serial_icounter_struct::*counter;
        std::uint32_t flag;
    } cases[] = {
        {&serial_icounter_struct::overrun, kOverrunError},
        {&serial_icounter_struct::buf_overrun, kOverrunError},
        {&serial_icounter_struct::parity, kParityError},
        {&serial_icounter_struct::frame, kFrameError},
        {&serial_icounter_struct::brk, kBreakCondition},
    };
    EXPECT_EQ(lineErrorFlags(before, before), 0u);
    for (const auto& c : cases) {
        serial_icounter_struct after = before;
        after.*c.counter += 2;
        after.rx += 100;  // received bytes are no error
        EXPECT_EQ(lineErrorFlags(before, after), c.flag);
    }
}

}  // namespace
}  // namespace duoband
