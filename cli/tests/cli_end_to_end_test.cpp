// The real duoband-cli against the real simulated radio, with the port's
// own line settings.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "duoband/radio_sim.h"
#include "duoband/radio_sim_process.h"
#include "duoband/radio_sim_sample.h"
#include "duoband/settings_file.h"
#include "sim_harness.h"

extern char** environ;

namespace duoband::cli {
namespace {

using testing_support::countPrefix;
using testing_support::fileLines;
using testing_support::TempFile;

struct Ran {
    int status = -1;
    std::string out, err;
};

std::string contents(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs duoband-cli with its output in files, and waits for it.
Ran cli(const std::vector<std::string>& args) {
    TempFile out("cli.out"), err("cli.err");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.path().c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.path().c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<char*> argv{const_cast<char*>(DUOBAND_CLI)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    Ran ran;
    if (posix_spawn(&pid, DUOBAND_CLI, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    ran.out = contents(out.path());
    ran.err = contents(err.path());
    return ran;
}

class Radio {
  public:
    explicit Radio(std::vector<std::string> args) {
        args.insert(args.end(), {"--log", log.path()});
        EXPECT_TRUE(sim.start(DUOBAND_RADIO_SIM, args)) << sim.error();
    }
    const std::string& port() const { return sim.port(); }
    TempFile log{"cli_radio.log"};
    sim::SimProcess sim;
};

TEST(CliEndToEnd, ReadToAFileShowItWriteItBack) {
    TempFile file("radio.bc"), trace("trace.txt"), memory("written.bin");
    {
        Radio sample({"--sample"});
        const Ran read =
            cli({"read", "--port", sample.port(), "--out", file.path(), "--trace", trace.path()});
        EXPECT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(read.out, "Read success!\n");
        EXPECT_EQ(read.err, "") << "no progress bar when stderr is not a terminal";
        const auto t = fileLines(trace.path());
        ASSERT_FALSE(t.empty());
        EXPECT_TRUE(t.front().ends_with(" TX 50524F4D5F4C494E")) << t.front();
        EXPECT_TRUE(t.back().ends_with(" TX 45584954")) << t.back();
        EXPECT_EQ(countPrefix(t, "20"), static_cast<long>(t.size())) << "every line time-stamped";
        EXPECT_GE(std::count_if(t.begin(), t.end(),
                                [](const auto& l) { return l.find(" RX ") != std::string::npos; }),
                  kTransferSteps);
    }
    const Ran show = cli({"show", file.path()});
    EXPECT_EQ(show.status, 0);
    EXPECT_NE(show.out.find("SIMPLEX"), std::string::npos);
    EXPECT_NE(show.out.find("  Boot Information 2:         SAMPLE\n"), std::string::npos);

    Radio blank({"--save-memory", memory.path()});
    const Ran write = cli({"write", "--port", blank.port(), "--in", file.path()});
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(write.out, "Write success!\n");
    std::string error;
    const auto written = sim::loadMemory(memory.path(), error);
    ASSERT_TRUE(written) << error;
    EXPECT_TRUE(*written == sim::sampleMemory()) << "the radio holds the sample again";
}

TEST(CliEndToEnd, FailedExchangesExitWithOne) {
    TempFile file("fail.bc"), out("fail_out.bc");
    ASSERT_TRUE(saveSettingsFile(EditorModel(), file.path()).ok());
    {
        Radio silent({"--silent-at", "0"});
        const Ran read = cli({"read", "--port", silent.port(), "--out", out.path()});
        EXPECT_EQ(read.status, 1);
        EXPECT_EQ(read.out, "Read Error!\n");
        const Ran boot =
            cli({"read-boot", "--port", silent.port(), "--in", file.path(), "--out", out.path()});
        EXPECT_EQ(boot.status, 1);
        EXPECT_EQ(boot.out, "Read Error!\n");
        EXPECT_FALSE(std::filesystem::exists(out.path())) << "nothing written after a failed read";
    }
    Radio nak({"--nak-at", "0"});
    const Ran write = cli({"write", "--port", nak.port(), "--in", file.path()});
    EXPECT_EQ(write.status, 1);
    EXPECT_EQ(write.out, "Write error!\n");
    const Ran limits = cli({"write-limits", "--port", nak.port(), "--in", file.path()});
    EXPECT_EQ(limits.status, 1);
    EXPECT_EQ(limits.out, "Write Error!\n");
    const auto log = testing_support::waitForLog(
        nak.log.path(), [](const auto& l) { return countPrefix(l, "EXIT") >= 2; });
    std::string all;
    for (const auto& l : log) all += l.substr(0, 40) + "\n";
    EXPECT_EQ(countPrefix(log, "EXIT"), 2) << all;
    EXPECT_EQ(countPrefix(log, "WRITE"), 2) << all;
}

TEST(CliEndToEnd, PartialTransfersThroughSettingsFiles) {
    TempFile file("partial.bc"), out("partial_out.bc"), memory("partial.bin");
    EditorModel model;
    model.blocks[Block::Limits] = "00CF8500010C8E00FFFFFFFFFFFFFFFF00";
    ASSERT_TRUE(saveSettingsFile(model, file.path()).ok());
    Radio sample({"--sample", "--save-memory", memory.path()});
    const Ran boot =
        cli({"read-boot", "--port", sample.port(), "--in", file.path(), "--out", out.path()});
    EXPECT_EQ(boot.status, 0) << boot.err;
    EXPECT_EQ(boot.out, "Read Success!\n");
    EditorModel back;
    ASSERT_TRUE(openSettingsFile(out.path(), back).ok());
    EXPECT_EQ(back.bootMessage[0], "DUOBAND");
    EXPECT_EQ(back.blocks[Block::Limits], model.blocks[Block::Limits])
        << "the rest of the file is kept";

    const Ran limits = cli({"write-limits", "--port", sample.port(), "--in", out.path()});
    EXPECT_EQ(limits.status, 0) << limits.err;
    EXPECT_EQ(limits.out, "Write Success!\n");
    std::string error;
    const auto written = sim::loadMemory(memory.path(), error);
    ASSERT_TRUE(written) << error;
    EXPECT_EQ(toHex(std::span<const std::uint8_t>(written->data() + 0x02E0, 17)),
              model.blocks[Block::Limits]);
}

}  // namespace
}  // namespace duoband::cli
