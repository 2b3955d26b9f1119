// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real duoband-cli against the real simulated radio, with the port's
// own line settings.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "duoband/backups.h"
#include "duoband/cli.h"
#include "duoband/field_codecs.h"
#include "duoband/image_file.h"
#include "duoband/radio_jobs.h"
#include "duoband/radio_sim.h"
#include "duoband/radio_sim_process.h"
#include "duoband/radio_sim_sample.h"
#include "duoband/settings_file.h"
#include "duoband/station_log.h"
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
    long maxRssKb = 0;  // the most memory the program held
};

std::string contents(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Starts duoband-cli with its output in `out` (or on the descriptor
// `outFd`, when one is given) and `err`.
pid_t startCli(const std::vector<std::string>& args, const TempFile& out, const TempFile& err,
               int outFd = -1) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, out.path().c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
    }
    posix_spawn_file_actions_addopen(&actions, 2, err.path().c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    std::vector<char*> argv{const_cast<char*>(DUOBAND_CLI)};
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, DUOBAND_CLI, &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

Ran finish(pid_t pid, const TempFile& out, const TempFile& err) {
    Ran ran;
    int status = 0;
    rusage usage{};
    if (pid > 0 && wait4(pid, &status, 0, &usage) == pid)
        ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ran.maxRssKb = usage.ru_maxrss;
    ran.out = contents(out.path());
    ran.err = contents(err.path());
    return ran;
}

// Runs duoband-cli with its output in files, and waits for it.
Ran cli(const std::vector<std::string>& args) {
    TempFile out("cli.out"), err("cli.err");
    return finish(startCli(args, out, err), out, err);
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
        const Ran read = cli({"read", "--port", sample.port(), "--out", file.path(), "--trace",
                              trace.path(), "--no-backup"});
        EXPECT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(read.out, "Read success!\n");
        EXPECT_EQ(read.err, "") << "no progress bar when stderr is not a terminal";
        const auto t = fileLines(trace.path());
        ASSERT_GE(t.size(), 2u);
        EXPECT_NE(t[0].find(" trace of " + sample.port() + " by duoband "), std::string::npos);
        EXPECT_TRUE(t[1].ends_with(" TX 50524F4D5F4C494E")) << t[1];
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
    const Ran write = cli({"write", "--port", blank.port(), "--in", file.path(), "--no-backup"});
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
        const Ran read = cli({"read", "--port", silent.port(), "--out", out.path(), "--no-backup"});
        EXPECT_EQ(read.status, 1);
        EXPECT_EQ(read.out, "Read Error!\n");
        const Ran boot =
            cli({"read-boot", "--port", silent.port(), "--in", file.path(), "--out", out.path()});
        EXPECT_EQ(boot.status, 1);
        EXPECT_EQ(boot.out, "Read Error!\n");
        EXPECT_FALSE(std::filesystem::exists(out.path())) << "nothing written after a failed read";
    }
    Radio nak({"--nak-at", "0"});
    const Ran write = cli({"write", "--port", nak.port(), "--in", file.path(), "--no-backup"});
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

    const Ran limits =
        cli({"write-limits", "--port", sample.port(), "--in", out.path(), "--verify"});
    EXPECT_EQ(limits.status, 0) << limits.err;
    EXPECT_EQ(limits.out, "Write Success!\nVerify success!\n");
    std::string error;
    const auto written = sim::loadMemory(memory.path(), error);
    ASSERT_TRUE(written) << error;
    EXPECT_EQ(toHex(std::span<const std::uint8_t>(written->data() + 0x02E0, 17)),
              model.blocks[Block::Limits]);
}

// --- images, backups, verify, many radios, stopping ------------------------

namespace fs = std::filesystem;

// A folder of its own for one test, removed afterwards.
class TempFolder {
  public:
    explicit TempFolder(const std::string& name) : path_(TempFile(name).path()) {
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    std::string operator/(const std::string& name) const { return (fs::path(path_) / name); }
    const std::string& path() const { return path_; }
    std::size_t count() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(path_), {}));
    }

  private:
    std::string path_;
};

// The sample radio with a comma in the name of band A's channel 1.
sim::Memory memoryWithAComma() {
    sim::Memory memory = sim::sampleMemory();
    memory[kBandAChannelBase + 17] = ',';
    return memory;
}

bool sameOverThePlan(const sim::Memory& a, const sim::Memory& b) {
    for (const TransferStep& t : transferPlan())
        if (!std::equal(a.begin() + t.address, a.begin() + t.address + t.length,
                        b.begin() + t.address))
            return false;
    return true;
}

TEST(CliImages, AReadASettingsFileCannotCarryIsKeptAsAnImageAndClonesTheRadio) {
    TempFolder folder("clone");
    ASSERT_TRUE(sim::saveMemory(memoryWithAComma(), folder / "radio.bin"));
    {
        Radio source({"--memory", folder / "radio.bin"});
        const Ran read = cli({"read", "--port", source.port(), "--out", folder / "radio.bc",
                              "--fast", "--backup-dir", folder / "backups"});
        EXPECT_EQ(read.status, 0) << read.err;
        EXPECT_EQ(read.out, "Read success!\n");
        EXPECT_NE(read.err.find("Band A channel 1, column \"Channel Name\" holds ','"),
                  std::string::npos)
            << read.err;
        EXPECT_FALSE(fs::exists(folder / "radio.bc"));
        ASSERT_TRUE(fs::exists(folder / "radio.img"));
    }
    const Ran show = cli({"show", folder / "radio.img"});
    EXPECT_EQ(show.status, 0) << show.err;
    EXPECT_NE(show.out.find(",ALL"), std::string::npos);

    Radio blank({"--save-memory", folder / "clone.bin"});
    const Ran write = cli({"write", "--port", blank.port(), "--in", folder / "radio.img", "--fast",
                           "--verify", "--backup-first", "--backup-dir", folder / "backups"});
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_EQ(write.out, "Write success!\nVerify success!\n");
    std::string error;
    const auto clone = sim::loadMemory(folder / "clone.bin", error);
    ASSERT_TRUE(clone) << error;
    EXPECT_TRUE(sameOverThePlan(*clone, memoryWithAComma())) << "byte for byte, fill included";
    const auto backups = listBackups(folder / "backups");
    ASSERT_EQ(backups.size(), 3u) << "read, before-write, written";
    EXPECT_EQ(backups[0].kind, BackupKind::Written);
    EXPECT_EQ(backups[1].kind, BackupKind::BeforeWrite);
    EXPECT_EQ(backups[2].kind, BackupKind::Read);
}

TEST(CliImages, ADamagedImageIsRefusedAndNothingIsSent) {
    TempFolder folder("damaged");
    Radio radio({});
    ImageFile image;
    std::string text = imageText(image);
    const std::vector<std::pair<std::string, std::string>> damaged{
        {text.substr(0, text.size() - 200), "cut short"},
        {"duoband image 9" + text.substr(15), "format version \"9\""},
    };
    for (const auto& [bytes, reason] : damaged) {
        ASSERT_TRUE(writeFileAtomically(folder / "bad.img", bytes).ok());
        const Ran write = cli({"write", "--port", radio.port(), "--in", folder / "bad.img",
                               "--backup-dir", folder / "backups"});
        EXPECT_EQ(write.status, 2);
        EXPECT_NE(write.err.find(reason), std::string::npos) << write.err;
    }
    EXPECT_TRUE(fileLines(radio.log.path()).empty()) << "not even the handshake";
    EXPECT_FALSE(fs::exists(folder / "backups"));
}

TEST(CliBackups, AnUnwritableBackupFolderIsAWarning) {
    TempFolder folder("unwritable");
    ASSERT_TRUE(writeFileAtomically(folder / "file", "").ok());
    Radio radio({"--sample"});
    const Ran read = cli({"read", "--port", radio.port(), "--out", folder / "radio.bc", "--fast",
                          "--backup-dir", folder / "file/backups"});
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_NE(read.err.find("warning: The backup was not kept"), std::string::npos) << read.err;
    EXPECT_TRUE(fs::exists(folder / "radio.bc"));
}

TEST(CliFleet, ThreeRadiosAndAMissingPortTheOthersSucceed) {
    TempFolder folder("fleet");
    ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder / "radio.bc").ok());
    Radio good1({}), faulty({"--nak-at", "40"}), good2({});
    const std::string missing = folder / "ttyMISSING";
    const Ran write =
        cli({"write", "--in", folder / "radio.bc", "--port", good1.port(), "--port", faulty.port(),
             "--port", good2.port(), "--port", missing, "--fast", "--verify", "--backup-dir",
             folder / "backups", "--report", folder / "report.json"});
    EXPECT_EQ(write.status, 1) << write.err;
    EXPECT_NE(write.out.find("Port"), std::string::npos) << "a summary table";
    const std::string report = contents(folder / "report.json");
    const auto entry = [&](const std::string& port) {
        const auto at = report.find("\"port\": \"" + port + "\"");
        return at == std::string::npos ? std::string()
                                       : report.substr(at, report.find('}', at) - at);
    };
    for (const Radio* r : {&good1, &good2})
        EXPECT_NE(entry(r->port()).find("\"result\": \"success\", "), std::string::npos) << report;
    EXPECT_NE(entry(faulty.port()).find("\"result\": \"failed\", "), std::string::npos) << report;
    EXPECT_NE(entry(faulty.port())
                  .find("\"message\": \"Write error!\", \"detail\": \"Step 41 of "
                        "136: the radio refused the frame (NAK, 0x15) on "),
              std::string::npos)
        << report;
    EXPECT_NE(write.out.find("Write error!  Step 41 of 136: the radio refused"), std::string::npos)
        << "a detail column:\n"
        << write.out;
    EXPECT_NE(entry(missing).find("\"result\": \"failed\", "), std::string::npos) << report;
    EXPECT_NE(entry(missing).find("cannot open"), std::string::npos) << report;
    EXPECT_EQ(listBackups(folder / "backups").size(), 3u) << "one per radio reached";

    const Ran read = cli({"read", "--out-dir", folder.path(), "--port", good1.port(), "--port",
                          good2.port(), "--fast", "--no-backup", "--trace", folder / "trace"});
    EXPECT_EQ(read.status, 0) << read.err;
    for (const Radio* r : {&good1, &good2}) {
        const std::string name = fs::path(r->port()).filename().string();
        EXPECT_TRUE(fs::exists(folder / (name + ".img")));
        EXPECT_FALSE(fileLines(folder / ("trace." + name)).empty()) << "a trace of its own";
    }
}

// Each radio its own identity code, in --port order; a batch whose last
// number would not fit, or a field given two starts, is refused before any
// radio hears a byte.
TEST(CliFleet, NumbersEachRadioInPortOrderAndRefusesABadBatchBeforeAnyExchange) {
    TempFolder folder("numbered");
    ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder / "radio.bc").ok());
    const std::string first = folder / "first.bin", second = folder / "second.bin";
    Radio one({"--save-memory", first}), two({"--save-memory", second});
    const std::vector<std::string> args{"write",    "--in",     folder / "radio.bc",
                                        "--port",   one.port(), "--port",
                                        two.port(), "--fast",   "--no-backup"};
    const std::vector<std::pair<std::vector<std::string>, std::string>> refusals{
        {{"--number", "identity-code=99999"}, "radio 2 would need more than the 5 digits"},
        {{"--number", "native-id=1", "--number", "identity-code=1", "--number", "native-id=500"},
         "--number native-id=500 and --number native-id=1 both number the native-id"},
    };
    for (const auto& [numbers, message] : refusals) {
        auto refusedArgs = args;
        refusedArgs.insert(refusedArgs.end(), numbers.begin(), numbers.end());
        const Ran refused = cli(refusedArgs);
        EXPECT_EQ(refused.status, 2);
        EXPECT_NE(refused.err.find(message), std::string::npos) << refused.err;
    }
    EXPECT_TRUE(fileLines(one.log.path()).empty()) << "not even the handshake";

    auto numbered = args;
    numbered.insert(numbered.end(), {"--number", "identity-code=09998", "--verify", "--report",
                                     folder / "report.json"});
    const Ran write = cli(numbered);
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_NE(write.out.find("Identity code"), std::string::npos) << write.out;
    const std::string report = contents(folder / "report.json");
    for (const auto& [memory, number] : {std::pair{first, "09998"}, std::pair{second, "09999"}}) {
        EXPECT_NE(report.find(std::string("\"identity-code\": \"") + number + "\""),
                  std::string::npos)
            << report;
        std::string error;
        const auto held = sim::loadMemory(memory, error);
        ASSERT_TRUE(held) << error;
        EXPECT_EQ(countedDigitsText(std::span(held->data() + 0x0296, 6)), number);
    }
}

// Four radios, each its own native ID, a log line each; the next batch
// continues after the log's numbers, and a radio that failed keeps its own.
TEST(CliStation, FourRadiosNumberedAndLoggedAndTheNextBatchContinues) {
    TempFolder folder("station");
    const EditorModel plan = sim::sampleModel();
    ASSERT_TRUE(saveSettingsFile(plan, folder / "plan.bc").ok());
    std::vector<std::unique_ptr<Radio>> radios;
    std::vector<std::string> args{"write", "--in", folder / "plan.bc"};
    for (int i = 0; i < 4; ++i) {
        radios.push_back(std::make_unique<Radio>(std::vector<std::string>{
            "--save-memory", folder / ("radio" + std::to_string(i) + ".bin")}));
        args.insert(args.end(), {"--port", radios.back()->port()});
    }
    args.insert(args.end(), {"--number", "native-id=1001", "--log", folder / "station.csv",
                             "--no-backup", "--fast"});
    const Ran first = cli(args);
    EXPECT_EQ(first.status, 0) << first.err;
    const RadioImage sent = imageOf(encodeImage(plan));
    for (int i = 0; i < 4; ++i) {
        std::string error;
        const auto memory = sim::loadMemory(folder / ("radio" + std::to_string(i) + ".bin"), error);
        ASSERT_TRUE(memory) << error;
        RadioImage held;
        for (int s = 0; s < kTransferSteps; ++s) {
            const TransferStep t = transferPlan()[static_cast<std::size_t>(s)];
            storeAnswer(held, s, std::span(memory->data() + t.address, t.length));
        }
        UnitNumbers numbers;
        numbers[UnitField::NativeId] = "100" + std::to_string(i + 1);
        EXPECT_EQ(held, withUnitNumbers(sent, numbers)) << "radio " << i;
    }
    const Ran second = cli(args);
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_NE(second.err.find("holds numbers up to 1004; numbering continues at 1005"),
              std::string::npos)
        << second.err;
    Radio faulty({"--nak-at", "40"});
    const Ran failed =
        cli({"write", "--in", folder / "plan.bc", "--port", faulty.port(), "--number",
             "native-id=1001", "--log", folder / "station.csv", "--no-backup", "--fast"});
    EXPECT_EQ(failed.status, 1);
    const auto lines = fileLines(folder / "station.csv");
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0] + "\n", kStationLogHeader) << "the header, then a line per radio";
    // Each line is written as its radio ends, so a batch's lines come in any order.
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::size_t radio = 0;
        while (radio < 4 && lines[i].find("," + radios[radio]->port() + ",") == std::string::npos)
            ++radio;
        const bool failing = i == 9;
        EXPECT_EQ(radio < 4, !failing) << lines[i];
        const std::string number = std::to_string(failing ? 1009 : 1001 + radio + (i > 4 ? 4 : 0));
        EXPECT_NE(lines[i].find("," + folder.path() + "/plan.bc," +
                                (failing ? "failed" : "success") + ","),
                  std::string::npos)
            << lines[i];
        EXPECT_NE(lines[i].find("," + number + ",,"), std::string::npos) << lines[i];
    }
}

// Lines the log cannot take (a file size limit stands in for a full disk)
// leave each radio its own result; the command exits 1 and its last lines
// name the log, why, and the numbers to add by hand.
TEST(CliStation, LinesTheLogCannotTakeAreNamedForTheUser) {
    TempFolder folder("full_log");
    ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder / "plan.bc").ok());
    {
        // Larger than what the command prints, so only the log meets the limit.
        std::ofstream log(folder / "station.csv", std::ios::binary);
        log << kStationLogHeader;
        for (int i = 0; i < 1000; ++i) log << "t,/dev/old,p.bc,success,40.5,,,Write success!,,\r\n";
    }
    const auto size = fs::file_size(folder / "station.csv");
    Radio one({}), two({});
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit full = before;
    full.rlim_cur = size;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &full), 0);
    const Ran write = cli({"write", "--in", folder / "plan.bc", "--port", one.port(), "--port",
                           two.port(), "--number", "native-id=1001", "--log",
                           folder / "station.csv", "--no-backup", "--fast"});
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(write.status, 1) << write.err;
    EXPECT_EQ(fs::file_size(folder / "station.csv"), size);
    // The port column is as wide as the longest port: /dev/pts/9 beside
    // /dev/pts/10 is followed by more blanks.
    for (const Radio* radio : {&one, &two}) {
        const std::size_t at = write.out.find(radio->port() + " ");
        ASSERT_NE(at, std::string::npos) << write.out;
        const std::string line = write.out.substr(at, write.out.find('\n', at) - at);
        EXPECT_NE(line.find(" success "), std::string::npos) << line;
    }
    EXPECT_EQ(countPrefix(fileLines(one.log.path()), "WRITE"), kTransferSteps);
    const std::string missing =
        "duoband-cli: write: not in " + folder / "station.csv" + ", to be added by hand: ";
    const std::string last = "duoband-cli: write: cannot write the log " + folder / "station.csv" +
                             ": File too large\n" + missing + one.port() +
                             " success native-id 1001\n" + missing + two.port() +
                             " success native-id 1002\n";
    EXPECT_TRUE(write.err.ends_with(last)) << write.err;
}

// --- no silent loss at the edges ----------------------------------------

// A destination that cannot be written is found before the handshake: the
// radio hears nothing, and the user waits for nothing.
TEST(CliEdges, AnUnwritableDestinationIsFoundBeforeTheHandshake) {
    TempFolder folder("unwritable_out");
    fs::create_directories(folder / "folder.bc");
    ASSERT_TRUE(writeFileAtomically(folder / "locked.bc", "old").ok());
    fs::permissions(folder / "locked.bc", fs::perms(0444));
    Radio radio({"--sample"});
    const std::vector<std::pair<std::vector<std::string>, std::string>> table{
        {{"--out", folder / "missing/radio.bc"}, "No such file or directory"},
        {{"--out", folder / "folder.bc"}, "is a folder, not a file"},
        {{"--out", "/proc/radio.bc"}, "Cannot create a file beside \"/proc/radio.bc\""},
        {{"--out", folder / "locked.bc"}, "is read-only and was left as it was"},
        {{"--out", folder / "radio.bc", "--trace", "/dev/full"},
         "cannot write the trace file /dev/full: No space left on device"},
        {{"--out-dir", folder / "missing"}, "No such file or directory"},
    };
    for (const auto& [options, message] : table) {
        std::vector<std::string> args{"read", "--port", radio.port(), "--no-backup"};
        args.insert(args.end(), options.begin(), options.end());
        const Ran read = cli(args);
        EXPECT_EQ(read.status, 2) << message;
        EXPECT_EQ(read.out, "");
        EXPECT_NE(read.err.find(message), std::string::npos) << read.err;
    }
    EXPECT_TRUE(fileLines(radio.log.path()).empty()) << "not even the handshake";
    EXPECT_EQ(folder.count(), 2u) << "no temporary file left behind";
}

// --backup-first writes no radio whose first read failed, unless
// --write-after-failed-read says to: nothing could restore it.
TEST(CliEdges, ARadioThatCannotBeReadFirstIsNotWrittenUnlessAsked) {
    TempFolder folder("read_first");
    ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder / "plan.bc").ok());
    for (const bool anyway : {false, true}) {
        Radio radio({"--nak-at", "20"});
        std::vector<std::string> args{"write",      "--in",           folder / "plan.bc", "--port",
                                      radio.port(), "--backup-first", "--no-backup",      "--fast"};
        if (anyway) args.push_back("--write-after-failed-read");
        const Ran write = cli(args);
        EXPECT_EQ(write.status, 1) << write.err;
        const auto log = testing_support::waitForExit(radio.log.path());
        EXPECT_EQ(countPrefix(log, "WRITE") > 0, anyway);
        if (anyway) {
            EXPECT_NE(write.err.find("warning: the radio could not be read first (Read Error!); "
                                     "writing anyway"),
                      std::string::npos)
                << write.err;
        } else {
            EXPECT_EQ(write.out,
                      "Reading the radio first failed: Read Error!; nothing was written\n");
        }
    }
}

// A nearly full disk takes a read whose file fits (a file size limit stands
// in for it here); a name ending in .img asks for the image.
TEST(CliEdges, AReadNeedsOnlyTheRoomOfItsFileAndANameEndingInImgIsTheImage) {
    TempFolder folder("room");
    Radio radio({"--sample"});
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 16 * 1024;  // more than either file, less than 64 KiB
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const Ran image = cli(
        {"read", "--port", radio.port(), "--out", folder / "radio.img", "--fast", "--no-backup"});
    const Ran settings = cli(
        {"read", "--port", radio.port(), "--out", folder / "radio.bc", "--fast", "--no-backup"});
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(image.status, 0) << image.err;
    EXPECT_EQ(settings.status, 0) << settings.err;
    EXPECT_TRUE(looksLikeImage(contents(folder / "radio.img")));
    EditorModel read;
    EXPECT_TRUE(openSettingsFile(folder / "radio.bc", read).ok());
    EXPECT_EQ(folder.count(), 2u) << "no radio.img.bc";
}

// The image a read must fall back to (a comma in a name) cannot be written:
// the read is kept in the backup folder, or in $TMPDIR without backups, and
// the user is told where.
TEST(CliEdges, AReadThatCannotBeSavedIsKeptAndSaidWhere) {
    TempFolder folder("unsaved");
    ASSERT_TRUE(sim::saveMemory(memoryWithAComma(), folder / "radio.bin"));
    ASSERT_TRUE(writeFileAtomically(folder / "radio.img", "old").ok());
    fs::permissions(folder / "radio.img", fs::perms(0444));
    fs::create_directories(folder / "tmp");
    const std::string tmp = folder / "tmp";
    ::setenv("TMPDIR", tmp.c_str(), 1);
    Radio radio({"--memory", folder / "radio.bin"});
    for (const std::string& backups : {std::string("--no-backup"), std::string("--backup-dir")}) {
        std::vector<std::string> args{
            "read", "--port", radio.port(), "--out", folder / "radio.bc", "--fast", backups};
        if (backups == "--backup-dir") args.push_back(folder / "backups");
        const Ran read = cli(args);
        EXPECT_EQ(read.status, 2) << backups;
        EXPECT_EQ(read.out, "Read success!\n");
        const auto at = read.err.find("The configuration read is kept in ");
        ASSERT_NE(at, std::string::npos) << read.err;
        const std::string kept = read.err.substr(at + 34, read.err.find('\n', at) - at - 34);
        EXPECT_TRUE(kept.starts_with(backups == "--no-backup" ? tmp : folder / "backups")) << kept;
        ImageFile image;
        EXPECT_TRUE(openImageFile(kept, image).ok()) << kept;
    }
    ::unsetenv("TMPDIR");
}

// A flooded line (a wrong device, a broken cable) ends the read within the
// usual time-out, "EXIT" once, in bounded memory, with and without a trace,
// and the trace stops at its limit.
// AddressSanitizer's shadow memory and quarantine add to any program's size.
#ifdef __SANITIZE_ADDRESS__
constexpr long kBoundedReadKb = 300 * 1024;
#else
constexpr long kBoundedReadKb = 100 * 1024;
#endif

TEST(CliEdges, AFloodEndsTheReadInTimeAndInBoundedMemory) {
    TempFolder folder("flood");
    for (const bool traced : {false, true}) {
        Radio flood({"--flood-at", "0"});
        std::vector<std::string> args{
            "read", "--port", flood.port(), "--out", folder / "radio.bc", "--no-backup"};
        if (traced) args.insert(args.end(), {"--trace", folder / "trace"});
        const auto started = std::chrono::steady_clock::now();
        const Ran read = cli(args);
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(1500));
        EXPECT_EQ(read.status, 1);
        EXPECT_EQ(read.out, "Read Error!\n");
        EXPECT_NE(read.err.find("the radio sent more data than any answer holds"),
                  std::string::npos)
            << read.err;
        EXPECT_LT(read.maxRssKb, kBoundedReadKb);
        EXPECT_EQ(countPrefix(testing_support::waitForExit(flood.log.path()), "EXIT"), 1);
        EXPECT_FALSE(fs::exists(folder / "radio.bc"));
        if (traced) {
            EXPECT_LE(fs::file_size(folder / "trace"), kTraceLimit);
        }
    }
}

TEST(CliStop, SigintEndsAfterTheCurrentFrameWithOneExit) {
    TempFolder folder("sigint");
    TempFile out("sigint.out"), err("sigint.err");
    Radio radio({"--sample", "--pace"});
    const pid_t pid = startCli(
        {"read", "--port", radio.port(), "--out", folder / "radio.bc", "--no-backup"}, out, err);
    ASSERT_GT(pid, 0);
    testing_support::waitForLog(radio.log.path(),
                                [](const auto& l) { return countPrefix(l, "READ") >= 2; });
    ::kill(pid, SIGINT);
    const Ran stopped = finish(pid, out, err);
    EXPECT_EQ(stopped.status, 1);
    EXPECT_EQ(stopped.out, "cancelled\n");
    const auto log = testing_support::waitForExit(radio.log.path());
    EXPECT_EQ(countPrefix(log, "EXIT"), 1);
    EXPECT_LT(countPrefix(log, "READ"), kTransferSteps);
    EXPECT_FALSE(fs::exists(folder / "radio.bc"));
}

// A batch stops as one: every radio after its current frame, each with one
// EXIT, each with its line in the log as cancelled.
TEST(CliStop, SigintStopsEveryRadioOfAWriteWithOneExitEach) {
    TempFolder folder("sigint_fleet");
    ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder / "plan.bc").ok());
    TempFile out("sigint_fleet.out"), err("sigint_fleet.err");
    std::vector<std::unique_ptr<Radio>> radios;
    std::vector<std::string> args{"write",          "--in",  folder / "plan.bc",     "--number",
                                  "native-id=1001", "--log", folder / "station.csv", "--no-backup",
                                  "--fast"};
    for (int i = 0; i < 3; ++i) {
        radios.push_back(std::make_unique<Radio>(std::vector<std::string>{"--pace"}));
        args.insert(args.end(), {"--port", radios.back()->port()});
    }
    const pid_t pid = startCli(args, out, err);
    ASSERT_GT(pid, 0);
    for (const auto& radio : radios)
        testing_support::waitForLog(radio->log.path(),
                                    [](const auto& l) { return countPrefix(l, "WRITE") >= 2; });
    ::kill(pid, SIGINT);
    const Ran stopped = finish(pid, out, err);
    EXPECT_EQ(stopped.status, 1) << stopped.err;
    for (const auto& radio : radios) {
        const auto log = testing_support::waitForExit(radio->log.path());
        EXPECT_EQ(countPrefix(log, "EXIT"), 1) << radio->port();
        EXPECT_LT(countPrefix(log, "WRITE"), kTransferSteps) << radio->port();
    }
    const auto lines = fileLines(folder / "station.csv");
    ASSERT_EQ(lines.size(), 4u);
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_NE(lines[i].find(",cancelled,"), std::string::npos) << lines[i];
}

// A closed terminal (SIGHUP) or a closed pipe on stdout (`| true`) stops no
// radio: each is written whole, with its EXIT and its log line.
TEST(CliStop, AClosedTerminalOrPipeLetsEveryRadioFinish) {
    for (const bool hangUp : {true, false}) {
        SCOPED_TRACE(hangUp ? "SIGHUP" : "a closed pipe");
        TempFolder folder("hang_up");
        ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder / "plan.bc").ok());
        TempFile out("hang_up.out"), err("hang_up.err");
        std::vector<std::unique_ptr<Radio>> radios;
        std::vector<std::string> args{
            "write",          "--in",  folder / "plan.bc",     "--number",
            "native-id=1001", "--log", folder / "station.csv", "--no-backup",
            "--fast"};
        for (int i = 0; i < 3; ++i) {
            radios.push_back(std::make_unique<Radio>(std::vector<std::string>{"--write-ms", "20"}));
            args.insert(args.end(), {"--port", radios.back()->port()});
        }
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        ::close(pipeEnds[0]);
        const pid_t pid = startCli(args, out, err, hangUp ? -1 : pipeEnds[1]);
        ::close(pipeEnds[1]);
        ASSERT_GT(pid, 0);
        if (hangUp) {
            for (const auto& radio : radios)
                testing_support::waitForLog(
                    radio->log.path(), [](const auto& l) { return countPrefix(l, "WRITE") >= 2; });
            ::kill(pid, SIGHUP);
        }
        const Ran ran = finish(pid, out, err);
        EXPECT_EQ(ran.status, hangUp ? 1 : 0) << ran.err;
        for (const auto& radio : radios) {
            const auto log = testing_support::waitForExit(radio->log.path());
            EXPECT_EQ(countPrefix(log, "WRITE"), kTransferSteps) << radio->port();
            EXPECT_EQ(countPrefix(log, "EXIT"), 1) << radio->port();
        }
        const auto lines = fileLines(folder / "station.csv");
        ASSERT_EQ(lines.size(), 4u);
        for (std::size_t i = 1; i < lines.size(); ++i)
            EXPECT_NE(lines[i].find(",success,"), std::string::npos) << lines[i];
    }
}

// On a terminal that takes no cursor moves (TERM=dumb, NO_COLOR) a batch
// sends no escapes; each radio's result goes to stdout either way, as one
// radio's does.
TEST(CliFleet, ADumbTerminalGetsNoCursorMovesAndResultsGoToStdout) {
    const char* term = std::getenv("TERM");
    const std::string kept = term != nullptr ? term : "";
    const std::tuple<const char*, const char*, bool> table[] = {
        {"xterm", nullptr, true}, {"dumb", nullptr, false}, {"xterm", "1", false}};
    for (const auto& [name, noColor, wanted] : table) {
        ::setenv("TERM", name, 1);
        if (noColor != nullptr) ::setenv("NO_COLOR", noColor, 1);
        EXPECT_EQ(cursorMovesWanted(), wanted) << name;
        ::unsetenv("NO_COLOR");
    }
    ::setenv("TERM", kept.c_str(), 1);
    TempFolder folder("dumb");
    ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder / "plan.bc").ok());
    Radio one({}), two({});
    for (const bool moves : {false, true}) {
        std::ostringstream out, err;
        Io io{out, err, true, moves};
        const std::vector<std::string> args{"write",    "--in",     folder / "plan.bc",
                                            "--port",   one.port(), "--port",
                                            two.port(), "--fast",   "--no-backup"};
        EXPECT_EQ(run(std::vector<std::string_view>(args.begin(), args.end()), io), 0) << err.str();
        EXPECT_EQ(err.str().find('\x1b') != std::string::npos, moves) << err.str();
        for (const Radio* radio : {&one, &two})
            EXPECT_NE(out.str().find(radio->port() + ": Write success!\n"), std::string::npos)
                << out.str();
    }
}

}  // namespace
}  // namespace duoband::cli
