// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real duoband-radio-sim on its pseudo-terminal, driven byte by byte.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "duoband/hex_text.h"
#include "duoband/radio_sim.h"
#include "duoband/radio_sim_process.h"

namespace duoband::sim {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

class Line {
  public:
    explicit Line(const std::string& port) : fd_(open(port.c_str(), O_RDWR | O_NOCTTY)) {
        termios tio{};
        tcgetattr(fd_, &tio);
        cfmakeraw(&tio);
        tcsetattr(fd_, TCSANOW, &tio);
    }
    ~Line() {
        if (fd_ >= 0) close(fd_);
    }
    bool ok() const { return fd_ >= 0; }
    void send(std::string_view hex) {
        const Bytes b = *fromHex(hex);
        ASSERT_EQ(write(fd_, b.data(), b.size()), static_cast<ssize_t>(b.size()));
    }
    // Collects bytes until `count` have come or `within` has passed; `hungUp`
    // tells whether the other side closed the line.
    Bytes receive(std::size_t count, Clock::duration within, bool* hungUp = nullptr) {
        Bytes got;
        const auto end = Clock::now() + within;
        while (got.size() < count) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now());
            pollfd p{fd_, POLLIN, 0};
            if (left.count() <= 0 || poll(&p, 1, static_cast<int>(left.count())) <= 0) break;
            std::uint8_t buf[256];
            const ssize_t n = read(fd_, buf, sizeof buf);
            if (n <= 0) {
                if (hungUp) *hungUp = true;
                break;
            }
            got.insert(got.end(), buf, buf + n);
        }
        return got;
    }

  private:
    int fd_;
};

class SimOnPty : public testing::Test {
  protected:
    void start(std::vector<std::string> args) {
        ASSERT_TRUE(sim.start(DUOBAND_RADIO_SIM, args)) << sim.error();
        line = std::make_unique<Line>(sim.port());
        ASSERT_TRUE(line->ok());
    }
    std::string temp(const std::string& name) {
        const std::string p = testing::TempDir() + "pty_test_" + std::to_string(getpid()) + name;
        made.push_back(p);
        return p;
    }
    void TearDown() override {
        line.reset();
        sim.stop();
        for (const auto& p : made) std::filesystem::remove(p);
    }
    static std::vector<std::string> lines(const std::string& path) {
        std::ifstream in(path);
        std::vector<std::string> out;
        for (std::string l; std::getline(in, l);) out.push_back(l);
        return out;
    }
    SimProcess sim;
    std::unique_ptr<Line> line;
    std::vector<std::string> made;
};

TEST_F(SimOnPty, ReadsFromLoadedMemoryAndStoresWrites) {
    const std::string memory = temp("mem.bin"), saved = temp("saved.bin"), log = temp("log.txt");
    Bytes content(0x300, 0xFF);
    content[0x2D0] = 0x05;
    content[0x2D1] = 0x48;
    std::ofstream(memory, std::ios::binary)
        .write(reinterpret_cast<const char*>(content.data()), content.size());
    start({"--memory", memory, "--save-memory", saved, "--log", log});

    line->send("50524F4D5F4C494E");
    line->send("5245414402D00003");
    EXPECT_EQ(toHex(line->receive(3, 2s)), "0548FF");
    line->send(
        "5752494502C00001"
        "02");
    EXPECT_EQ(toHex(line->receive(1, 2s)), "06");
    line->send(
        "45584954"
        "5245414402C00001");
    EXPECT_EQ(toHex(line->receive(1, 2s)), "02");
    EXPECT_TRUE(line->receive(1, 50ms).empty()) << "nothing after the answer";

    std::string error;
    const auto stored = loadMemory(saved, error);
    ASSERT_TRUE(stored) << error;
    EXPECT_EQ((*stored)[0x2C0], 0x02);
    EXPECT_EQ((*stored)[0x2D1], 0x48);
    EXPECT_EQ((*stored)[0x5000], 0xFF);
    EXPECT_EQ(lines(log),
              (std::vector<std::string>{"HANDSHAKE 50524F4D5F4C494E", "READ 5245414402D00003",
                                        "WRITE 5752494502C0000102", "EXIT 45584954",
                                        "READ 5245414402C00001"}));
}

TEST_F(SimOnPty, SplitAnswerComesInTwoPartsApart) {
    start({"--split-at", "0", "--handshake-reply", "AA"});
    line->send("50524F4D5F4C494E");
    EXPECT_EQ(toHex(line->receive(1, 2s)), "AA");
    line->send("5245414400000030");
    const auto sent = Clock::now();
    EXPECT_EQ(line->receive(24, 2s).size(), 24u);
    EXPECT_LT(Clock::now() - sent, 100ms);
    EXPECT_EQ(line->receive(24, 2s).size(), 24u);
    EXPECT_GE(Clock::now() - sent, 140ms);
}

TEST_F(SimOnPty, HangupClosesTheLine) {
    start({"--hangup-at", "1"});
    line->send("5245414400000001");
    EXPECT_EQ(toHex(line->receive(1, 2s)), "FF");
    line->send("5245414400000001");
    bool hungUp = false;
    EXPECT_TRUE(line->receive(1, 2s, &hungUp).empty());
    EXPECT_TRUE(hungUp);
}

TEST_F(SimOnPty, LinkPointsToTheTerminalAndGoesWithTheRadio) {
    const std::string link = temp("link");
    start({"--link", link});
    EXPECT_EQ(std::filesystem::read_symlink(link), sim.port());
    sim.stop();
    EXPECT_FALSE(std::filesystem::is_symlink(link));
}

TEST(SimProcessStart, ReportsABadCommandLine) {
    SimProcess sim;
    EXPECT_FALSE(sim.start(DUOBAND_RADIO_SIM, {"--bogus"}));
    EXPECT_FALSE(sim.running());
    EXPECT_FALSE(sim.error().empty());
}

TEST(SimProcessStart, ReportsAProgramThatCannotBeRun) {
    SimProcess sim;
    EXPECT_FALSE(sim.start("/nonexistent/duoband-radio-sim", {}));
    EXPECT_FALSE(sim.running());
    EXPECT_NE(sim.error().find("No such file"), std::string::npos) << sim.error();
}

TEST(SimProcessStop, EndsARadioThatDoesNotAnswerSigterm) {
    SimProcess sim;
    ASSERT_TRUE(sim.start(DUOBAND_RADIO_SIM, {})) << sim.error();
    const pid_t pid = sim.pid();
    kill(pid, SIGSTOP);  // a stopped process leaves SIGTERM pending
    const auto started = Clock::now();
    sim.stop();
    EXPECT_LT(Clock::now() - started, 3s);
    EXPECT_FALSE(sim.running());
    EXPECT_NE(kill(pid, 0), 0) << "reaped";
}

// A program that dies without stopping its radio (SIGKILL, a crash) must not
// leave the radio running. The test process takes the orphaned radio as its
// own child (subreaper), so it can see how the radio ended.
class OrphanedRadio : public testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0); }
    void TearDown() override {
        if (radio > 0 && kill(radio, SIGKILL) == 0) waitpid(radio, nullptr, 0);
        prctl(PR_SET_CHILD_SUBREAPER, 0);
        std::filesystem::remove(link);
    }

    // Forks a parent that starts the radio and reports its pid, then waits to be killed.
    pid_t startParent() {
        int report[2];
        if (pipe2(report, O_CLOEXEC) != 0) return -1;
        const pid_t parent = fork();
        if (parent == 0) {
            SimProcess sim;
            const pid_t pid = sim.start(DUOBAND_RADIO_SIM, {"--link", link}) ? sim.pid() : -1;
            if (write(report[1], &pid, sizeof pid) != sizeof pid) _exit(1);
            for (;;) pause();
        }
        close(report[1]);
        pollfd p{report[0], POLLIN, 0};
        if (parent > 0 && poll(&p, 1, 5000) == 1 &&
            read(report[0], &radio, sizeof radio) != sizeof radio)
            radio = -1;
        close(report[0]);
        return parent;
    }

    // How the radio ended, or nullopt when it is still running after `within`.
    std::optional<int> radioStatus(std::chrono::milliseconds within) {
        const int fd = static_cast<int>(syscall(SYS_pidfd_open, radio, 0));
        pollfd p{fd, POLLIN, 0};
        const bool ended = fd >= 0 && poll(&p, 1, static_cast<int>(within.count())) == 1;
        if (fd >= 0) close(fd);
        int status = 0;
        if (!ended || waitpid(radio, &status, 0) != radio) return std::nullopt;
        radio = -1;
        return status;
    }

    std::string link = testing::TempDir() + "orphan_link_" + std::to_string(getpid());
    pid_t radio = -1;
};

TEST_F(OrphanedRadio, EndsCleanlyWhenItsParentIsKilled) {
    const pid_t parent = startParent();
    ASSERT_GT(parent, 0);
    ASSERT_GT(radio, 0) << "the radio did not start";
    ASSERT_TRUE(std::filesystem::is_symlink(link));
    kill(parent, SIGKILL);
    waitpid(parent, nullptr, 0);
    const auto status = radioStatus(3000ms);
    ASSERT_TRUE(status) << "the radio outlived its parent";
    EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << "status " << *status;
    EXPECT_FALSE(std::filesystem::is_symlink(link)) << "a clean exit removes the link";
}

}  // namespace
}  // namespace duoband::sim
