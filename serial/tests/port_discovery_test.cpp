// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/port_discovery.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>

namespace duoband {
namespace {

namespace fs = std::filesystem;

// A sysfs tty class folder in miniature: each entry may have a `device`
// link (a real port) and a `type` attribute (the UART type of ttyS ports).
class FakeSysfs : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::path(::testing::TempDir()) / ("duoband_sysfs_" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "devices" / "port");
        fs::create_directories(root / "class");
    }
    void TearDown() override { fs::remove_all(root); }

    void tty(const std::string& name, bool device, const char* type = nullptr) {
        const fs::path entry = root / "class" / name;
        fs::create_directories(entry);
        if (device) fs::create_directory_symlink(root / "devices" / "port", entry / "device");
        if (type) std::ofstream(entry / "type") << type << "\n";
    }

    fs::path root;
};

TEST_F(FakeSysfs, ListsRealPortsSortedAsTextWithoutPlaceholders) {
    tty("tty0", false);
    tty("console", false);
    tty("ttyUSB2", true);
    tty("ttyUSB10", true);
    tty("ttyS1", true, "0");  // legacy placeholder: UART type unknown
    tty("ttyS3", true, "0");
    tty("ttyS0", true, "4");  // a 16550A that is really there
    tty("ttyACM0", true);
    tty("ttyUSB0", true);
    const std::vector<std::string> expected = {"/dev/ttyACM0", "/dev/ttyS0", "/dev/ttyUSB0",
                                               "/dev/ttyUSB10", "/dev/ttyUSB2"};
    EXPECT_EQ(listSerialPorts(root / "class", "/dev"), expected);
}

TEST_F(FakeSysfs, TheDeviceFolderIsAParameterAndAMissingRootListsNothing) {
    tty("ttyUSB0", true);
    EXPECT_EQ(listSerialPorts(root / "class", "/devices"),
              std::vector<std::string>{"/devices/ttyUSB0"});
    EXPECT_TRUE(listSerialPorts(root / "nothing", "/dev").empty());
}

TEST(ExplainOpenError, NamesTheReasonInWords) {
    const struct {
        int error;
        const char* says;
    } cases[] = {
        {EBUSY, "/dev/ttyUSB7 is in use by another program."},
        {ENOENT, "/dev/ttyUSB7 does not exist"},
        {ENODEV, "/dev/ttyUSB7 does not exist"},
        {ENOTTY, "/dev/ttyUSB7 is not a serial port."},
        {EIO, "/dev/ttyUSB7: Input/output error"},
    };
    for (const auto& c : cases) {
        const std::string said = english(explainOpenError(c.error, "/dev/ttyUSB7"));
        EXPECT_NE(said.find(c.says), std::string::npos) << said;
    }
}

// libudev and sysfs see the same machine; the one list must not lose or
// gain a port by the way it was read.
TEST(ListSerialPorts, LibudevListsWhatSysfsLists) {
    EXPECT_EQ(listSerialPorts(), listSerialPorts("/sys/class/tty", "/dev"));
}

}  // namespace
}  // namespace duoband
