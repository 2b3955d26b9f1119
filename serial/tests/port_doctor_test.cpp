// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/port_doctor.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>

#include "duoband/port_discovery.h"
#include "pty_pair.h"

extern char** environ;

namespace duoband {
namespace {

namespace fs = std::filesystem;

std::vector<PortProblem> problems(const PortDiagnosis& diagnosis) {
    std::vector<PortProblem> found;
    for (const auto& finding : diagnosis.findings) found.push_back(finding.problem);
    return found;
}

// A child process that holds the test's pseudo-terminal as another program
// would: `program` (sleep, under whatever name it is given) inherits the
// terminal, and the master too when it plays the other end.
enum class Ends { TerminalOnly, BothEnds };

class Holder {
  public:
    Holder(const testing::PtyPair& pty, Ends ends, const std::string& program = "sleep") {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        if (ends == Ends::TerminalOnly) posix_spawn_file_actions_addclose(&actions, pty.master());
        std::string name = fs::path(program).filename().string();
        char seconds[] = "30";
        char* argv[] = {name.data(), seconds, nullptr};
        if (::posix_spawnp(&pid_, program.c_str(), &actions, nullptr, argv, environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Holder() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    int pid() const { return pid_; }

  private:
    pid_t pid_ = -1;
};

TEST(PortDoctor, AFreePseudoTerminalOpensAndNeedsNoFix) {
    testing::PtyPair pty;
    const PortDiagnosis diagnosis = diagnosePort(pty.path(), Opening::Try);
    EXPECT_TRUE(diagnosis.ok()) << formatDiagnosis(diagnosis);
    EXPECT_TRUE(diagnosis.mayOpen);
    EXPECT_TRUE(diagnosis.triedOpening);
    EXPECT_EQ(formatDiagnosis(diagnosis),
              pty.path() +
                  "\n  by-id:    -\n  driver:   -\n  USB:      -\n  may open: yes\n"
                  "  opening:  works\n");
    EXPECT_EQ(english(explainPortProblem(pty.path())), "");
}

TEST(PortDoctor, AProcessHoldingThePortIsNamedWithTheCommandThatEndsIt) {
    testing::PtyPair pty;
    const Holder holder(pty, Ends::TerminalOnly);
    ASSERT_GT(holder.pid(), 0);
    const PortDiagnosis diagnosis = diagnosePort(pty.path(), Opening::Try);
    EXPECT_EQ(problems(diagnosis), std::vector{PortProblem::HeldByProcess});
    const std::string pid = std::to_string(holder.pid());
    EXPECT_EQ(
        english(explainPortProblem(pty.path())),
        pty.path() + " is open in another program: sleep (pid " + pid + "). Fix: kill " + pid);
    EXPECT_EQ(english(explainOpenError(EBUSY, pty.path())), english(explainPortProblem(pty.path())))
        << "a refused opening names the holder too";
}

// A simulated radio holds its terminal's master and the terminal itself (to
// keep the line up): it is the port's other end, not in the way.
TEST(PortDoctor, TheOtherEndOfAPseudoTerminalIsNoHolder) {
    testing::PtyPair pty;
    const Holder radio(pty, Ends::BothEnds);
    ASSERT_GT(radio.pid(), 0);
    const PortDiagnosis diagnosis = diagnosePort(pty.path());
    EXPECT_TRUE(diagnosis.ok()) << formatDiagnosis(diagnosis);
    EXPECT_TRUE(diagnosis.holders.empty());
}

// duoband-cli in the middle of a transfer is not to be killed: the port is
// said to be busy programming a radio.
TEST(PortDoctor, DuobandHoldingThePortIsBusyProgrammingARadio) {
    const fs::path folder =
        fs::path(::testing::TempDir()) / ("duoband_busy_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path program = folder / "duoband-cli";
    fs::copy_file("/bin/sleep", program, fs::copy_options::overwrite_existing);
    testing::PtyPair pty;
    {
        const Holder transfer(pty, Ends::TerminalOnly, program.string());
        ASSERT_GT(transfer.pid(), 0);
        const PortDiagnosis diagnosis = diagnosePort(pty.path());
        EXPECT_EQ(problems(diagnosis), std::vector{PortProblem::BusyProgramming});
        EXPECT_EQ(english(explainOpenError(EBUSY, pty.path())),
                  pty.path() + " is busy programming a radio: duoband-cli (pid " +
                      std::to_string(transfer.pid()) +
                      "). Fix: wait until that transfer ends, then try again");
    }
    fs::remove_all(folder);
}

TEST(PortDoctor, AMissingPathOrADeviceThatIsNoSerialPortIsSaidSo) {
    const PortDiagnosis missing = diagnosePort("/dev/duoband-no-such-port", Opening::Try);
    EXPECT_EQ(problems(missing), std::vector{PortProblem::NoSuchDevice});
    EXPECT_EQ(formatDiagnosis(missing),
              "/dev/duoband-no-such-port\n"
              "  problem:  /dev/duoband-no-such-port does not exist (is the cable plugged in?).\n"
              "  fix:      duoband-cli ports\n");
    // Other processes may hold /dev/null too; only the opening's finding counts here.
    const auto notSerial = problems(diagnosePort("/dev/null", Opening::Try));
    EXPECT_EQ(std::ranges::count(notSerial, PortProblem::NotASerialPort), 1);
    const PortDiagnosis unopened = diagnosePort("/dev/null");
    EXPECT_FALSE(unopened.triedOpening);
    EXPECT_EQ(std::ranges::count(problems(unopened), PortProblem::NotASerialPort), 0);
}

constexpr uid_t kNobody = 65534;

// Files with crafted owners and modes, judged by a child process that runs
// as the user "nobody", who is in no group that matters.
class AsAnotherUser : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::geteuid() != 0) GTEST_SKIP() << "needs root to craft owners and become nobody";
        const group* dialout = ::getgrnam("dialout");
        if (!dialout) GTEST_SKIP() << "no group dialout on this machine";
        dialoutGid = dialout->gr_gid;
        folder = fs::path(::testing::TempDir()) / ("duoband_doctor_" + std::to_string(::getpid()));
        fs::create_directories(folder);
        fs::permissions(folder, fs::perms(0755));
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string device(const std::string& name, gid_t gid, mode_t mode) {
        const std::string path = (folder / name).string();
        std::ofstream{path};
        EXPECT_EQ(::chown(path.c_str(), 0, gid), 0);
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }

    // What explainOpenError says to nobody, in a session with the one group
    // `sessionGroup`, after a refused opening.
    std::string explainedToNobody(const std::string& path, gid_t sessionGroup = kNobody) {
        int pipe[2];
        if (::pipe(pipe) != 0) return "no pipe";
        const pid_t child = ::fork();
        if (child == 0) {
            const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(sessionGroup) == 0 &&
                                 ::setuid(kNobody) == 0;
            const std::string said =
                dropped ? english(explainOpenError(EACCES, path)) : "still root";
            (void)!::write(pipe[1], said.data(), said.size());
            ::_exit(0);
        }
        ::close(pipe[1]);
        std::string said;
        char chunk[256];
        for (ssize_t n; (n = ::read(pipe[0], chunk, sizeof chunk)) > 0;) said.append(chunk, n);
        ::close(pipe[0]);
        ::waitpid(child, nullptr, 0);
        return said;
    }

    gid_t dialoutGid = 0;
    fs::path folder;
};

TEST_F(AsAnotherUser, PermissionNamesTheGroupToJoinOrSaysOnlyRootMayOpen) {
    const std::string dialout = device("ttyUSB0", dialoutGid, 0660);
    EXPECT_EQ(explainedToNobody(dialout),
              "Permission denied: the group \"dialout\" may open " + dialout +
                  ", and you are not in it. Fix: sudo usermod -aG dialout $USER   (then log out "
                  "and in again)");
    for (const mode_t rootOnly : {0600, 0660}) {  // the group root is no advice to give
        const std::string path = device("ttyUSB1", 0, rootOnly);
        EXPECT_EQ(explainedToNobody(path), "Permission denied: only root may open " + path +
                                               "; no group may. Fix: sudo "
                                               "setfacl -m u:$USER:rw " +
                                               path + "   (until the device comes again)");
    }
    const std::string open = device("ttyUSB2", dialoutGid, 0666);
    EXPECT_EQ(explainedToNobody(open), "Permission denied for " + open + ".")
        << "the doctor finds nothing in the way";
}

TEST_F(AsAnotherUser, AGroupTheUserJoinedAfterTheSessionBeganNeedsANewLogin) {
    const group* own = ::getgrgid(kNobody);  // nobody's group in the user database
    if (!own) GTEST_SKIP() << "the user nobody has no group of its own here";
    const std::string name = own->gr_name;
    constexpr gid_t kAnotherGroup = 1;
    EXPECT_EQ(explainedToNobody(device("ttyUSB3", kNobody, 0660), kAnotherGroup),
              "Permission denied: you joined the group \"" + name +
                  "\" after this session began. Fix: newgrp " + name +
                  "   (in this terminal; or log out and in again)");
}

TEST(PortAdvice, TheFixFitsWhatTheMachineHasAndWhoHoldsThePort) {
    PortDiagnosis diagnosis;
    diagnosis.path = "/dev/ttyUSB0";
    diagnosis.holders = {
        {101, "minicom", true}, {202, "screen", false}, {303, "duoband-cli", true, true}};
    const struct {
        PortFinding finding;
        bool rulesInstalled;
        const char* fix;
    } cases[] = {
        {{PortProblem::ModemManagerProbes, {}}, false, "sudo systemctl stop ModemManager"},
        {{PortProblem::ModemManagerProbes, {}},
         true,
         "sudo udevadm trigger --action=add /dev/ttyUSB0"},
        {{PortProblem::HeldByProcess, {}}, false, "sudo kill 101 202"},  // never a transfer
    };
    for (const auto& c : cases) {
        diagnosis.rulesInstalled = c.rulesInstalled;
        EXPECT_EQ(english(adviceFor(c.finding, diagnosis).fix), c.fix);
    }
}

}  // namespace
}  // namespace duoband
