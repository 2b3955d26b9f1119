// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/port_selection.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>

#include "duoband/port_discovery.h"

namespace duoband {
namespace {

using Action = PortEventOutcome::Action;

const ListedPort kProlific{"/dev/ttyUSB0", "USB-Serial Prolific", true};
const ListedPort kFtdi{"/dev/ttyUSB1", "USB-Serial FTDI", true};
const ListedPort kBuiltIn{"/dev/ttyS0", "", false};

std::vector<std::string> paths(const PortList& list) {
    std::vector<std::string> result;
    for (const auto& port : list.ports()) result.push_back(port.path);
    return result;
}

PortEvent plug(const ListedPort& port) {
    return {PortEvent::Kind::Added, port};
}
PortEvent pull(const std::string& path) {
    return {PortEvent::Kind::Removed, {path, {}, false}};
}

TEST(PortList, StaysSortedByPathAsTextWithEachPathOnce) {
    PortList list({{"/dev/ttyUSB2", "", true}, kBuiltIn, {"/dev/ttyUSB10", "", true}, kBuiltIn});
    EXPECT_EQ(paths(list),
              (std::vector<std::string>{"/dev/ttyS0", "/dev/ttyUSB10", "/dev/ttyUSB2"}));
    EXPECT_TRUE(list.add(kProlific));
    EXPECT_FALSE(list.add(kProlific));
    EXPECT_EQ(paths(list), (std::vector<std::string>{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB10",
                                                     "/dev/ttyUSB2"}));
    EXPECT_TRUE(list.remove("/dev/ttyUSB10"));
    EXPECT_FALSE(list.remove("/dev/ttyUSB10"));
    EXPECT_EQ(paths(list),
              (std::vector<std::string>{"/dev/ttyS0", "/dev/ttyUSB0", "/dev/ttyUSB2"}));
}

TEST(PortChoiceAtStart, AskedThenLastUsedThenFirstListed) {
    const PortList list({kBuiltIn, kProlific, kFtdi});
    struct Case {
        std::vector<std::string> asked;
        std::string lastUsed;
        std::string chosen;
        ChoiceReason reason;
    };
    const Case cases[] = {
        {{"/dev/ttyUSB1"}, "/dev/ttyUSB0", "/dev/ttyUSB1", ChoiceReason::Asked},
        {{"/dev/pts/9"}, "/dev/ttyUSB0", "/dev/ttyUSB0", ChoiceReason::LastUsed},
        {{}, "/dev/ttyUSB1", "/dev/ttyUSB1", ChoiceReason::LastUsed},
        {{}, "/dev/ttyUSB7", "/dev/ttyS0", ChoiceReason::FirstListed},
        {{}, "", "/dev/ttyS0", ChoiceReason::FirstListed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lastUsed);
        const auto choice = choosePortAtStart(list, c.asked, c.lastUsed);
        ASSERT_TRUE(choice);
        EXPECT_EQ(choice->port.path, c.chosen);
        EXPECT_EQ(choice->reason, c.reason);
    }
    EXPECT_FALSE(choosePortAtStart(PortList{}, {}, "/dev/ttyUSB0"));
    EXPECT_EQ(english(announceChoice({kProlific, ChoiceReason::LastUsed})),
              "Chose USB-Serial Prolific — /dev/ttyUSB0, the port used last time.");
}

struct EventCase {
    const char* name;
    std::vector<ListedPort> listed;
    PortState state;
    PortEvent event;
    Action action;
    std::vector<std::string> after;
    std::string message;
};

class CableEvents : public ::testing::TestWithParam<EventCase> {};

TEST_P(CableEvents, ChangeTheListAndTheChoiceOnlyAsTheRulesSay) {
    const EventCase& c = GetParam();
    PortList list(c.listed);
    const PortEventOutcome outcome = applyPortEvent(list, c.event, c.state);
    EXPECT_EQ(outcome.action, c.action);
    EXPECT_EQ(paths(list), c.after);
    EXPECT_EQ(english(outcome.message), c.message);
    if (c.action != Action::None) {
        EXPECT_EQ(outcome.path, c.event.port.path);
    }
}

const std::string kUsb0 = "/dev/ttyUSB0";
const std::string kUsb1 = "/dev/ttyUSB1";
const std::string kS0 = "/dev/ttyS0";

INSTANTIATE_TEST_SUITE_P(
    Rules, CableEvents,
    ::testing::Values(
        EventCase{"TheOnlyCableIsChosenWhenNothingIsOpen",
                  {kBuiltIn},
                  {kS0, false, false},
                  plug(kProlific),
                  Action::Select,
                  {kS0, kUsb0},
                  "Chose USB-Serial Prolific — /dev/ttyUSB0, the cable just plugged in."},
        EventCase{"ACableIsNotChosenWhileAPortIsOpen",
                  {kBuiltIn},
                  {kS0, true, false},
                  plug(kProlific),
                  Action::None,
                  {kS0, kUsb0},
                  "Plugged in: USB-Serial Prolific — /dev/ttyUSB0."},
        EventCase{"ACableIsNotChosenDuringAnExchange",
                  {},
                  {"", false, true},
                  plug(kProlific),
                  Action::None,
                  {kUsb0},
                  "Plugged in: USB-Serial Prolific — /dev/ttyUSB0."},
        EventCase{"ASecondCableIsNotChosen",
                  {kProlific},
                  {"", false, false},
                  plug(kFtdi),
                  Action::None,
                  {kUsb0, kUsb1},
                  "Plugged in: USB-Serial FTDI — /dev/ttyUSB1."},
        EventCase{"APortWithoutUsbIsNotChosen",
                  {},
                  {"", false, false},
                  plug(kBuiltIn),
                  Action::None,
                  {kS0},
                  "Plugged in: /dev/ttyS0."},
        EventCase{"APortListedAlreadyChangesNothing",
                  {kProlific},
                  {"", false, false},
                  plug(kProlific),
                  Action::None,
                  {kUsb0},
                  ""},
        EventCase{"PullingTheOpenPortClosesIt",
                  {kBuiltIn, kProlific},
                  {kUsb0, true, false},
                  pull(kUsb0),
                  Action::CloseLost,
                  {kS0},
                  "Pulled out: USB-Serial Prolific — /dev/ttyUSB0; the port is closed."},
        EventCase{"PullingTheOpenPortClosesItDuringAnExchange",
                  {kProlific},
                  {kUsb0, true, true},
                  pull(kUsb0),
                  Action::CloseLost,
                  {},
                  "Pulled out: USB-Serial Prolific — /dev/ttyUSB0; the port is closed."},
        EventCase{"PullingTheChosenPortThatWouldNotOpenUnselectsIt",
                  {kProlific, kFtdi},
                  {kUsb0, false, false},
                  pull(kUsb0),
                  Action::Unselect,
                  {kUsb1},
                  "Pulled out: USB-Serial Prolific — /dev/ttyUSB0."},
        EventCase{"PullingAnotherPortKeepsTheChoice",
                  {kProlific, kFtdi},
                  {kUsb0, true, false},
                  pull(kUsb1),
                  Action::None,
                  {kUsb0},
                  "Pulled out: USB-Serial FTDI — /dev/ttyUSB1."},
        EventCase{"PullingAnUnlistedTtyChangesNothing",
                  {kProlific},
                  {kUsb0, true, false},
                  pull("/dev/ttyGS0"),
                  Action::None,
                  {kUsb0},
                  ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PortNames, KnownBridgesByMakerOtherUsbByProductElseThePath) {
    struct Case {
        PortDevice device;
        std::string description;
    };
    const Case cases[] = {
        {{"", "pl2303", "067b:2303", "USB-Serial Controller", false}, "USB-Serial Prolific"},
        {{"", "ch341", "1a86:7523", "USB Serial", false}, "USB-Serial WCH CH340"},
        {{"", "cp210x", "10c4:ea60", "CP2102 USB to UART", false},
         "USB-Serial Silicon Labs CP210x"},
        {{"", "ftdi_sio", "0403:6001", "FT232R USB UART", false}, "USB-Serial FTDI"},
        {{"", "cdc_acm", "2341:0043", "Arduino Uno", false}, "Arduino Uno"},
        {{"", "serial8250", "", "", false}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(describeDevice(c.device), c.description);
    EXPECT_EQ(friendlyName(kProlific), "USB-Serial Prolific — /dev/ttyUSB0");
    EXPECT_EQ(friendlyName(kBuiltIn), "/dev/ttyS0");
}

bool readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) == 1;
}

TEST(PortMonitor, QueuedEventsWakeTheDescriptorAndComeOutInOrder) {
    QueuedPortMonitor monitor;
    EXPECT_FALSE(readable(monitor.fd()));
    monitor.post(plug(kProlific));
    monitor.post(pull(kUsb0));
    EXPECT_TRUE(readable(monitor.fd()));
    EXPECT_EQ(monitor.readEvents(), (std::vector<PortEvent>{plug(kProlific), pull(kUsb0)}));
    EXPECT_FALSE(readable(monitor.fd()));
    EXPECT_TRUE(monitor.readEvents().empty());
}

// The window reads the monitor from its event loop: a read must never block.
TEST(PortMonitor, TheUdevMonitorNeverBlocksItsReader) {
    const auto monitor = makeUdevPortMonitor();
    if (monitor->fd() < 0) GTEST_SKIP() << "udev's netlink socket is not available here";
    EXPECT_TRUE(::fcntl(monitor->fd(), F_GETFL) & O_NONBLOCK);
    for (const PortEvent& event : monitor->readEvents()) EXPECT_FALSE(event.port.path.empty());
}

TEST(PortMonitor, TheDescribedListHoldsTheSamePortsAsThePlainOne) {
    std::vector<std::string> described;
    for (const ListedPort& port : listPorts()) described.push_back(port.path);
    EXPECT_EQ(described, listSerialPorts());
}

}  // namespace
}  // namespace duoband
