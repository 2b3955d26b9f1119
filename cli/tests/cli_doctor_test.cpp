// `doctor` and `ports --verbose` on real pseudo-terminals and missing paths.
#include <gtest/gtest.h>
#include <pty.h>
#include <unistd.h>

#include <sstream>

#include "duoband/cli.h"
#include "duoband/port_discovery.h"

namespace duoband::cli {
namespace {

struct Ran {
    int status;
    std::string out, err;
};

Ran runCli(std::vector<std::string_view> args) {
    std::ostringstream out, err;
    Io io{out, err};
    const int status = run(args, io);
    return {status, out.str(), err.str()};
}

class Terminal {
  public:
    Terminal() {
        char name[256] = {};
        if (::openpty(&master_, &slave_, name, nullptr, nullptr) == 0) path_ = name;
    }
    ~Terminal() {
        ::close(master_);
        ::close(slave_);
    }
    const std::string& path() const { return path_; }

  private:
    int master_ = -1, slave_ = -1;
    std::string path_;
};

TEST(CliDoctor, ANamedPortIsOpenedOnceAndExitsWithZeroWhenNothingIsInTheWay) {
    const Terminal terminal;
    ASSERT_FALSE(terminal.path().empty());
    const Ran ran = runCli({"doctor", terminal.path()});
    EXPECT_EQ(ran.status, kOk) << ran.out;
    EXPECT_TRUE(ran.out.starts_with(terminal.path() + "\n")) << ran.out;
    EXPECT_NE(ran.out.find("  may open: yes\n  opening:  works\n"), std::string::npos) << ran.out;
}

TEST(CliDoctor, AMissingPortExitsWithOneAndTheFix) {
    const Ran ran = runCli({"doctor", "/dev/duoband-no-such-port"});
    EXPECT_EQ(ran.status, 1);
    EXPECT_NE(ran.out.find("  problem:  /dev/duoband-no-such-port does not exist"),
              std::string::npos)
        << ran.out;
    EXPECT_NE(ran.out.find("  fix:      duoband-cli ports\n"), std::string::npos) << ran.out;
}

TEST(CliDoctor, PortsVerboseReportsOnEveryListedPortWithoutAValue) {
    const Ran ran = runCli({"ports", "--verbose"});
    EXPECT_EQ(ran.status, kOk);
    std::istringstream lines(ran.out);
    std::vector<std::string> reported;
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] == '/') reported.push_back(line);
    EXPECT_EQ(reported, listSerialPorts());
    EXPECT_EQ(runCli({"doctor", "a", "b"}).status, kUsageError);
}

}  // namespace
}  // namespace duoband::cli
