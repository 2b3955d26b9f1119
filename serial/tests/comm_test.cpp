#include "duoband/comm.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <numeric>
#include <thread>

#include "comm_threads.h"
#include "line_settings.h"
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

class CommTest : public ::testing::Test {
  protected:
    void SetUp() override {
        configureForRadio(comm);
        comm.SetCommName(pty.path());
        comm.OnReceiveData = [this](TComm* sender, const std::uint8_t* buffer,
                                    std::uint16_t length) {
            EXPECT_EQ(sender, &comm);
            EXPECT_EQ(std::this_thread::get_id(), owner);
            chunks.emplace_back(buffer, buffer + length);
        };
        comm.OnRequestHangup = [this](TComm*) { ++hangups; };
        comm.OnSendDataEmpty = [this](TComm*) { ++empties; };
    }

    Bytes received() const {
        Bytes all;
        for (const auto& c : chunks) all.insert(all.end(), c.begin(), c.end());
        return all;
    }
    bool receive(std::size_t count) {
        return pumpUntil(
            comm, [&] { return received().size() >= count; }, Deadline::in(3s));
    }

    PtyPair pty;
    TComm comm;
    std::thread::id owner = std::this_thread::get_id();
    std::vector<Bytes> chunks;
    int hangups = 0;
    int empties = 0;
};

TEST(TCommDefaults, PublishedPropertiesStartWithTheComponentDefaults) {
    const TComm c;
    EXPECT_FALSE(c.isOpen());
    EXPECT_TRUE(c.SendEmpty());
    EXPECT_EQ(c.CommName(), "COM2");
    EXPECT_EQ(c.BaudRate(), 9600u);
    EXPECT_FALSE(c.ParityCheck());
    EXPECT_FALSE(c.Outx_CtsFlow());
    EXPECT_FALSE(c.Outx_DsrFlow());
    EXPECT_EQ(c.DtrControl(), TDtrControl::DtrEnable);
    EXPECT_FALSE(c.DsrSensitivity());
    EXPECT_TRUE(c.TxContinueOnXoff());
    EXPECT_TRUE(c.Outx_XonXoffFlow());
    EXPECT_TRUE(c.Inx_XonXoffFlow());
    EXPECT_FALSE(c.ReplaceWhenParityError());
    EXPECT_FALSE(c.IgnoreNullChar());
    EXPECT_EQ(c.RtsControl(), TRtsControl::RtsEnable);
    EXPECT_EQ(c.XonLimit(), 500);
    EXPECT_EQ(c.XoffLimit(), 500);
    EXPECT_EQ(c.ByteSize(), TByteSize::_8);
    EXPECT_EQ(c.Parity(), TParity::None);
    EXPECT_EQ(c.StopBits(), TStopBits::_1);
    EXPECT_EQ(c.XonChar(), 0x11);
    EXPECT_EQ(c.XoffChar(), 0x13);
    EXPECT_EQ(c.ReplacedChar(), 0x00);
    EXPECT_EQ(c.ReadIntervalTimeout(), 100u);
    EXPECT_EQ(c.ReadTotalTimeoutMultiplier(), 0u);
    EXPECT_EQ(c.ReadTotalTimeoutConstant(), 0u);
    EXPECT_EQ(c.WriteTotalTimeoutMultiplier(), 0u);
    EXPECT_EQ(c.WriteTotalTimeoutConstant(), 0u);
}

TEST_F(CommTest, SentBlocksArriveWholeAndInOrderThenTheQueueReportsEmpty) {
    comm.OpenPort();
    Bytes expected;
    for (std::size_t i = 0; i < 400; ++i) {
        const std::size_t size = (i % 50 == 0) ? 20000 + i : 1 + i % 13;
        const Bytes block = pattern(size, i);
        ASSERT_TRUE(comm.SendData(block.data(), static_cast<std::uint16_t>(block.size())));
        expected.insert(expected.end(), block.begin(), block.end());
    }
    EXPECT_EQ(pty.read(expected.size(), Deadline::in(5s)), expected);
    EXPECT_TRUE(pumpUntil(
        comm, [&] { return empties > 0 && comm.SendEmpty(); }, Deadline::in(2s)));
}

TEST_F(CommTest, ReceivedBytesReachOnReceiveDataOnTheOwnersThreadInOrder) {
    comm.SetReadIntervalTimeout(20);
    comm.OpenPort();
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

class BurstSplit : public CommTest, public ::testing::WithParamInterface<SplitCase> {};

TEST_P(BurstSplit, APauseLongerThanTheIntervalSplitsAReply) {
    comm.SetReadIntervalTimeout(GetParam().interval);
    comm.OpenPort();
    pty.write(pattern(24, 0));
    std::this_thread::sleep_for(GetParam().pause);
    pty.write(pattern(24, 24));
    ASSERT_TRUE(receive(48));
    pumpFor(comm, std::chrono::milliseconds(GetParam().interval) + 50ms);
    EXPECT_EQ(chunks.size(), GetParam().chunks);
    EXPECT_EQ(received(), pattern(48, 0));
}

INSTANTIATE_TEST_SUITE_P(Pauses, BurstSplit,
                         ::testing::Values(SplitCase{100, 300ms, 2}, SplitCase{300, 20ms, 1},
                                           SplitCase{0, 100ms, 2}));

TEST_F(CommTest, AChunkHoldsAtMost2048Bytes) {
    comm.OpenPort();
    const Bytes sent = pattern(5000, 1);
    pty.write(sent);
    ASSERT_TRUE(receive(sent.size()));
    EXPECT_EQ(received(), sent);
    EXPECT_GE(chunks.size(), 3u);
    for (const auto& chunk : chunks) EXPECT_LE(chunk.size(), 2048u);
}

TEST_F(CommTest, IgnoreNullCharDropsNulBytes) {
    comm.SetIgnoreNullChar(true);
    comm.OpenPort();
    pty.write(Bytes{'a', 0, 'b', 0, 0, 'c'});
    ASSERT_TRUE(receive(3));
    pumpFor(comm, 150ms);
    EXPECT_EQ(received(), (Bytes{'a', 'b', 'c'}));
}

TEST_F(CommTest, SendDataRefusesAnEmptyBlockAndAClosedPort) {
    const std::uint8_t byte = 0x55;
    EXPECT_FALSE(comm.SendData(&byte, 1));
    comm.OpenPort();
    EXPECT_FALSE(comm.SendData(&byte, 0));
    comm.ClosePort();
    EXPECT_FALSE(comm.SendData(&byte, 1));
    EXPECT_TRUE(pty.read(1, Deadline::in(100ms)).empty());
}

TEST_F(CommTest, ASecondOpenPortRaisesAndLeavesTheFirstOpeningWorking) {
    comm.OpenPort();
    try {
        comm.OpenPort();
        FAIL() << "no error";
    } catch (const ECommsError& e) {
        EXPECT_STREQ(e.what(), "This serial port already opened");
    }
    ASSERT_TRUE(comm.isOpen());
    ASSERT_TRUE(comm.SendData("PROM_LIN", 8));
    EXPECT_EQ(pty.read(8, Deadline::in(2s)), (Bytes{'P', 'R', 'O', 'M', '_', 'L', 'I', 'N'}));
    pty.write("ok");
    EXPECT_TRUE(receive(2));
}

TEST_F(CommTest, ClosePortOnAClosedPortDoesNothingAndAClosedPortReopens) {
    comm.ClosePort();
    EXPECT_FALSE(comm.isOpen());
    comm.OpenPort();
    comm.ClosePort();
    comm.ClosePort();
    EXPECT_FALSE(comm.isOpen());
    comm.OpenPort();
    pty.write("again");
    EXPECT_TRUE(receive(5));
}

// A closing command sent just before the port closes still reaches the other
// end, many times over: the close neither races the transmit thread nor
// drops what the other end has not read yet.
TEST_F(CommTest, BytesSentJustBeforeClosingStillLeave) {
    const std::string exit = "EXIT";
    for (int i = 0; i < 20; ++i) {
        comm.OpenPort();
        ASSERT_TRUE(comm.SendData(exit.data(), static_cast<std::uint16_t>(exit.size())));
        comm.ClosePort();
        EXPECT_EQ(pty.read(exit.size(), Deadline::in(1s)), Bytes(exit.begin(), exit.end())) << i;
    }
}

TEST_F(CommTest, DestroyingAnOpenComponentClosesItsPort) {
    {
        TComm first;
        first.SetCommName(pty.path());
        first.OpenPort();
    }
    EXPECT_NO_THROW(comm.OpenPort());
}

struct OpenFailure {
    const char* what;
    std::function<std::string(const PtyPair&)> device;
    const char* message;
    int error;
};

class OpenFailures : public ::testing::TestWithParam<OpenFailure> {};

TEST_P(OpenFailures, GiveTheirMessageKeepTheErrnoAndLeaveThePortClosed) {
    PtyPair pty;
    TComm holder;  // the device "in use" case opens it here first
    holder.SetCommName(pty.path());
    holder.OpenPort();
    TComm comm;
    comm.SetCommName(GetParam().device(pty));
    try {
        comm.OpenPort();
        FAIL() << "opened " << comm.CommName();
    } catch (const ECommsError& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
        EXPECT_EQ(e.systemError(), GetParam().error);
    }
    EXPECT_FALSE(comm.isOpen());
    EXPECT_EQ(comm.LastOpenError(), GetParam().error);
    EXPECT_FALSE(comm.SendData("x", 1));
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

TEST_F(CommTest, AnUnpluggedLinePostsHangupOnceAndClosesPromptly) {
    comm.OpenPort();
    pty.write("last");
    ASSERT_TRUE(receive(4));
    pty.closeMaster();
    ASSERT_TRUE(pumpUntil(
        comm, [&] { return hangups > 0; }, Deadline::in(2s)));
    pumpFor(comm, 200ms);
    EXPECT_EQ(hangups, 1);
    const auto start = std::chrono::steady_clock::now();
    comm.ClosePort();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
    EXPECT_FALSE(comm.isOpen());
}

TEST_F(CommTest, BaudRateAppliesAtOnceParityAndCommNameAtTheNextOpening) {
    comm.OpenPort();
    EXPECT_EQ(speedOf(pty.slave()), B19200);
    comm.SetBaudRate(38400);
    EXPECT_EQ(speedOf(pty.slave()), B38400);

    // (A pseudo terminal clears PARENB; PARODD shows the parity that was set.)
    PtyPair other;
    comm.SetParity(TParity::Odd);
    comm.SetCommName(other.path());
    comm.SetBaudRate(57600);  // re-applies the line, but with the parity of this opening
    EXPECT_EQ(speedOf(pty.slave()), B57600);
    EXPECT_EQ(lineOf(pty.slave()).c_cflag & PARODD, 0u);
    pty.write("still");
    EXPECT_TRUE(receive(5));

    comm.ClosePort();
    comm.OpenPort();
    EXPECT_EQ(lineOf(other.slave()).c_cflag & (PARODD | CMSPAR), tcflag_t{PARODD});
    EXPECT_EQ(speedOf(other.slave()), B57600);
}

TEST_F(CommTest, AnUnsupportedBaudRateIsReportedNotIgnored) {
    comm.SetBaudRate(12345);
    EXPECT_THROW(comm.OpenPort(), ECommsError);
    EXPECT_FALSE(comm.isOpen());
    comm.SetBaudRate(19200);
    comm.OpenPort();
    EXPECT_THROW(comm.SetBaudRate(12345), ECommsError);
    EXPECT_EQ(speedOf(pty.slave()), B19200);
}

TEST_F(CommTest, OpeningMakesTheLineRaw) {
    pty.write("x");  // pending input must be flushed by the opening
    comm.OpenPort();
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
    std::function<void(TComm&)> set;
    tcflag_t TCflags::*field;
    tcflag_t mask;
    tcflag_t expected;
};

class LineSettings : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineSettings, BecomeTermiosFlagsThatReachTheDevice) {
    const LineCase& c = GetParam();
    PtyPair pty;
    TComm comm;
    comm.SetCommName(pty.path());
    c.set(comm);
    const auto built = lineTermios(termios{}, comm.LineSettings(), comm.Parity());
    ASSERT_TRUE(built.has_value());
    const TCflags words{built->c_cflag, built->c_iflag};
    EXPECT_EQ(words.*c.field & c.mask, c.expected);

    // A pseudo terminal forces CS8 and clears PARENB; every other flag must arrive.
    comm.OpenPort();
    const termios t = lineOf(pty.slave());
    const TCflags device{t.c_cflag, t.c_iflag};
    const tcflag_t kept = c.field == &TCflags::c ? ~tcflag_t{CSIZE | PARENB} : ~tcflag_t{0};
    EXPECT_EQ(device.*c.field & c.mask & kept, c.expected & kept);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineSettings,
    ::testing::Values(
        LineCase{"default", [](TComm&) {}, &TCflags::c, CSIZE | PARENB | CSTOPB | CRTSCTS, CS8},
        LineCase{"bits5", [](TComm& c) { c.SetByteSize(TByteSize::_5); }, &TCflags::c, CSIZE, CS5},
        LineCase{"bits7", [](TComm& c) { c.SetByteSize(TByteSize::_7); }, &TCflags::c, CSIZE, CS7},
        LineCase{"even", [](TComm& c) { c.SetParity(TParity::Even); }, &TCflags::c,
                 PARENB | PARODD | CMSPAR, PARENB},
        LineCase{"odd", [](TComm& c) { c.SetParity(TParity::Odd); }, &TCflags::c,
                 PARENB | PARODD | CMSPAR, PARENB | PARODD},
        LineCase{"mark", [](TComm& c) { c.SetParity(TParity::Mark); }, &TCflags::c,
                 PARENB | PARODD | CMSPAR, PARENB | PARODD | CMSPAR},
        LineCase{"space", [](TComm& c) { c.SetParity(TParity::Space); }, &TCflags::c,
                 PARENB | PARODD | CMSPAR, PARENB | CMSPAR},
        LineCase{"stop1_5", [](TComm& c) { c.SetStopBits(TStopBits::_1_5); }, &TCflags::c, CSTOPB,
                 CSTOPB},
        LineCase{"stop2", [](TComm& c) { c.SetStopBits(TStopBits::_2); }, &TCflags::c, CSTOPB,
                 CSTOPB},
        LineCase{"cts", [](TComm& c) { c.SetOutx_CtsFlow(true); }, &TCflags::c, CRTSCTS, CRTSCTS},
        LineCase{"rtsHandshake", [](TComm& c) { c.SetRtsControl(TRtsControl::RtsHandshake); },
                 &TCflags::c, CRTSCTS, CRTSCTS},
        LineCase{"xonxoffDefault", [](TComm&) {}, &TCflags::i, IXON | IXOFF, IXON | IXOFF},
        LineCase{"xonOnly", [](TComm& c) { c.SetInx_XonXoffFlow(false); }, &TCflags::i,
                 IXON | IXOFF, IXON},
        LineCase{"xoffOnly", [](TComm& c) { c.SetOutx_XonXoffFlow(false); }, &TCflags::i,
                 IXON | IXOFF, IXOFF},
        LineCase{"parityCheck", [](TComm& c) { c.SetParityCheck(true); }, &TCflags::i, INPCK,
                 INPCK}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(CommTest, XonAndXoffCharactersReachTheDevice) {
    comm.SetXonChar('Q');
    comm.SetXoffChar('S');
    comm.OpenPort();
    EXPECT_EQ(lineOf(pty.slave()).c_cc[VSTART], 'Q');
    comm.SetXoffChar('T');  // a line setting: re-applied while open
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
