// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The register through the real duoband-cli, with real simulated radios, on
// a SQLite file and on a PostgreSQL server the test starts itself.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "duoband/backups.h"
#include "duoband/image_file.h"
#include "duoband/radio_register.h"
#include "duoband/radio_sim_process.h"
#include "duoband/radio_sim_sample.h"
#include "duoband/roster.h"
#include "duoband/settings_file.h"
#include "duoband/unit_numbers.h"
#include "register_fixture.h"
#include "sim_harness.h"

extern char** environ;

namespace duoband::cli {
namespace {

namespace fs = std::filesystem;
using testing_support::fileLines;
using testing_support::PostgresServer;
using testing_support::TempFolder;

std::string contents(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

struct Ran {
    int status = -1;
    std::string out, err;
};

// duoband-cli running in the background, its output in files.
class Cli {
  public:
    Cli(const std::vector<std::string>& args, const TempFolder& folder)
        : out_(folder.file("out" + std::to_string(++started_))),
          err_(folder.file("err" + std::to_string(started_))) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out_.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, 2, err_.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        std::vector<char*> argv{const_cast<char*>(DUOBAND_CLI)};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, DUOBAND_CLI, &actions, nullptr, argv.data(), environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
    }
    pid_t pid() const { return pid_; }
    Ran finish() {
        Ran ran;
        int status = 0;
        if (pid_ > 0 && ::waitpid(pid_, &status, 0) == pid_)
            ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        ran.out = contents(out_);
        ran.err = contents(err_);
        return ran;
    }

  private:
    static inline int started_ = 0;
    std::string out_, err_;
    pid_t pid_ = -1;
};

Ran cli(const std::vector<std::string>& args, const TempFolder& folder) {
    return Cli(args, folder).finish();
}

// A simulated radio whose memory is saved after every write, and a log of
// the commands it heard.
class Radio {
  public:
    Radio(const TempFolder& folder, const std::string& name, std::vector<std::string> args = {})
        : memory_(folder.file(name + ".bin")), log_(folder.file(name + ".log")) {
        args.insert(args.end(), {"--save-memory", memory_, "--log", log_});
        EXPECT_TRUE(sim_.start(DUOBAND_RADIO_SIM, args)) << sim_.error();
    }
    const std::string& port() const { return sim_.port(); }
    const std::string& memoryFile() const { return memory_; }
    // The radio's memory as its last write left it.
    RadioImage held() const {
        std::string error;
        const auto memory = sim::loadMemory(memory_, error);
        EXPECT_TRUE(memory) << error;
        RadioImage image;
        if (!memory) return image;
        for (int s = 0; s < kTransferSteps; ++s) {
            const TransferStep t = transferPlan()[static_cast<std::size_t>(s)];
            storeAnswer(image, s, std::span(memory->data() + t.address, t.length));
        }
        return image;
    }
    // Empty when nothing was written to it.
    std::string nativeId() const {
        return fs::exists(memory_) ? unitNumberIn(held(), UnitField::NativeId) : "";
    }
    bool heardAnything() const { return !fileLines(log_).empty(); }

  private:
    std::string memory_, log_;
    sim::SimProcess sim_;
};

// The fleet write of a batch, on the ports of `radios`.
std::vector<std::string> fleetWrite(const TempFolder& folder, const std::string& address,
                                    const std::vector<const Radio*>& radios,
                                    std::vector<std::string> more = {}) {
    std::vector<std::string> args{"write",   "--in",   folder.file("plan.bc"),
                                  "--fleet", "ACME",   "--register",
                                  address,   "--fast", "--no-backup"};
    for (const Radio* r : radios) args.insert(args.end(), {"--port", r->port()});
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

class CliRegister : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder.file("plan.bc")).ok());
        if (!GetParam()) {
            address = folder.file("register.sqlite");
            return;
        }
        server = std::make_unique<PostgresServer>();
        if (!server->ready()) GTEST_SKIP() << "no PostgreSQL server programs";
        address = server->address();
    }
    Ran run(const std::vector<std::string>& args) { return cli(args, folder); }

    TempFolder folder;
    std::unique_ptr<PostgresServer> server;
    std::string address;
};

// Two benches (processes) write four radios each of one fleet at once: the
// eight radios hold 2001..2008 once each, and the register lists them.
TEST_P(CliRegister, TwoBatchesAtOnceNumberEightRadiosOnce) {
    ASSERT_EQ(
        run({"fleet", "add", "ACME", "--number", "native-id=2001", "--register", address}).status,
        0);
    std::vector<std::unique_ptr<Radio>> radios;
    std::array<std::vector<const Radio*>, 2> batches;
    for (int i = 0; i < 8; ++i) {
        radios.push_back(std::make_unique<Radio>(folder, "radio" + std::to_string(i)));
        batches[static_cast<std::size_t>(i % 2)].push_back(radios.back().get());
    }
    Cli first(fleetWrite(folder, address, batches[0]), folder);
    Cli second(fleetWrite(folder, address, batches[1]), folder);
    for (Cli* batch : {&first, &second}) {
        const Ran ran = batch->finish();
        EXPECT_EQ(ran.status, 0) << ran.err;
    }
    std::set<std::string> held;
    for (const auto& r : radios) held.insert(r->nativeId());
    EXPECT_EQ(held, (std::set<std::string>{"2001", "2002", "2003", "2004", "2005", "2006", "2007",
                                           "2008"}));
    const Ran listed = run({"radios", "--fleet", "ACME", "--csv", "--register", address});
    EXPECT_EQ(listed.status, 0) << listed.err;
    std::istringstream rows(listed.out);
    std::string row;
    std::getline(rows, row);
    EXPECT_EQ(row,
              "fleet,native-id,identity-code,boot-line-1,boot-line-2,label,state,last-programmed,"
              "configuration,result");
    int programmed = 0;
    while (std::getline(rows, row)) {
        EXPECT_TRUE(row.starts_with("ACME,20")) << row;
        programmed += row.find(",programmed,") != std::string::npos &&
                      row.find(folder.file("plan.bc") + ",success") != std::string::npos;
    }
    EXPECT_EQ(programmed, 8) << listed.out;
}

INSTANTIATE_TEST_SUITE_P(Backends, CliRegister, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Postgres" : "Sqlite"; });

// A roster of four rows: three radios get their own IDs and boot lines. Then
// re-programmed with --keep-identity, on other ports, with one new radio:
// each known radio gets its own values again, the new one the fourth row.
TEST(CliRoster, RosterThenKeepIdentityOnOtherPorts) {
    TempFolder folder;
    ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder.file("plan.bc")).ok());
    const std::string address = folder.file("register.sqlite");
    const auto run = [&](const std::vector<std::string>& args) { return cli(args, folder); };
    ASSERT_EQ(run({"fleet", "add", "ACME", "--register", address}).status, 0);
    {
        std::ofstream roster(folder.file("bad.csv"));
        roster << "native-id;boot-line-2\n1;UNIT 1\n2;UNIT,2\n";
    }
    const Ran bad =
        run({"fleet", "import-roster", "ACME", folder.file("bad.csv"), "--register", address});
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.err.find("bad.csv: line 3: \"UNIT,2\" is not a boot message line"),
              std::string::npos)
        << bad.err;
    EXPECT_EQ(run({"radios", "--csv", "--register", address}).out.find("ACME"), std::string::npos)
        << "nothing imported";
    {
        std::ofstream roster(folder.file("roster.csv"));
        roster << "\xEF\xBB\xBFnative-id;boot-line-1;boot-line-2;label\r\n"
                  "0101;ACME;UNIT 1;Ann\r\n0102;ACME;UNIT 2;Bob\r\n"
                  "0103;ACME;UNIT 3;Cid\r\n0104;ACME;UNIT 4;Dee\r\n";
    }
    const Ran imported =
        run({"fleet", "import-roster", "ACME", folder.file("roster.csv"), "--register", address});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, "4 radios planned in fleet ACME.\n");

    std::vector<std::unique_ptr<Radio>> first;
    for (int i = 0; i < 3; ++i)
        first.push_back(std::make_unique<Radio>(folder, "first" + std::to_string(i)));
    const Ran written =
        run(fleetWrite(folder, address, {first[0].get(), first[1].get(), first[2].get()}));
    ASSERT_EQ(written.status, 0) << written.err;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(first[static_cast<std::size_t>(i)]->nativeId(), "010" + std::to_string(i + 1));
        EXPECT_EQ(bootLineIn(first[static_cast<std::size_t>(i)]->held(), 1),
                  "UNIT " + std::to_string(i + 1));
    }

    // The same three radios on new ports, in another order, and a new one
    // that holds an ID the fleet does not know.
    std::vector<std::unique_ptr<Radio>> again;
    for (int i : {2, 0, 1})
        again.push_back(std::make_unique<Radio>(
            folder, "again" + std::to_string(i),
            std::vector<std::string>{"--memory",
                                     first[static_cast<std::size_t>(i)]->memoryFile()}));
    again.push_back(std::make_unique<Radio>(folder, "new", std::vector<std::string>{"--sample"}));
    std::vector<const Radio*> ports;
    for (const auto& r : again) ports.push_back(r.get());
    const Ran kept = run(fleetWrite(folder, address, ports, {"--keep-identity"}));
    ASSERT_EQ(kept.status, 0) << kept.err;
    EXPECT_EQ(again[0]->nativeId(), "0103");
    EXPECT_EQ(bootLineIn(again[0]->held(), 1), "UNIT 3");
    EXPECT_EQ(again[1]->nativeId(), "0101");
    EXPECT_EQ(again[2]->nativeId(), "0102");
    EXPECT_EQ(again[3]->nativeId(), "0104");
    EXPECT_EQ(bootLineIn(again[3]->held(), 1), "UNIT 4");

    const Ran history = run({"history", "0101", "--register", address});
    EXPECT_EQ(history.status, 0) << history.err;
    const auto jobs = std::count(history.out.begin(), history.out.end(), '\n') - 1;
    EXPECT_EQ(jobs, 2) << history.out;
    EXPECT_NE(history.out.find(again[1]->port()), std::string::npos) << "newest first";
    EXPECT_LT(history.out.find(again[1]->port()), history.out.find(first[0]->port()));
    const Ran json = run({"history", "--port", again[2]->port(), "--json", "--fast", "--no-backup",
                          "--register", address});
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_TRUE(json.out.starts_with("[\n  {\"time\": ")) << json.out;
    EXPECT_NE(json.out.find("\"kind\": \"read\""), std::string::npos) << "the read is recorded";
    EXPECT_NE(json.out.find("\"native-id-before\": \"0102\", \"native-id-after\": \"0102\""),
              std::string::npos);
}

// Two radios of one batch holding the same ID: the second is not written.
TEST(CliRoster, ADuplicateIdInOneBatchIsRefused) {
    TempFolder folder;
    ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder.file("plan.bc")).ok());
    const std::string address = folder.file("register.sqlite");
    ASSERT_EQ(
        cli({"fleet", "add", "ACME", "--number", "native-id=5001", "--register", address}, folder)
            .status,
        0);
    Radio one(folder, "one", {"--sample"}), two(folder, "two", {"--sample"});
    const Ran ran = cli(fleetWrite(folder, address, {&one, &two}, {"--keep-identity"}), folder);
    EXPECT_EQ(ran.status, 1) << ran.err;
    EXPECT_NE(ran.out.find("holds native ID"), std::string::npos) << ran.out;
    EXPECT_NE(ran.out.find(one.port()), std::string::npos);
    EXPECT_NE(ran.out.find(two.port()), std::string::npos);
    EXPECT_NE(one.nativeId() == "5001", two.nativeId() == "5001") << "one of them written";
}

// A batch killed mid-write: the numbers it took are not given again.
TEST(CliRegisterFaults, NumbersOfAKilledBatchAreNotGivenAgain) {
    TempFolder folder;
    ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder.file("plan.bc")).ok());
    const std::string address = folder.file("register.sqlite");
    ASSERT_EQ(
        cli({"fleet", "add", "ACME", "--number", "native-id=7001", "--register", address}, folder)
            .status,
        0);
    Radio slow1(folder, "slow1", {"--write-ms", "20"}),
        slow2(folder, "slow2", {"--write-ms", "20"});
    Cli killed(fleetWrite(folder, address, {&slow1, &slow2}), folder);
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    ::kill(killed.pid(), SIGKILL);
    killed.finish();
    Radio next(folder, "next");
    const Ran ran = cli(fleetWrite(folder, address, {&next}), folder);
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_EQ(next.nativeId(), "7003");
}

// A register that cannot be opened: a job without --fleet goes on with one
// warning, its record spooled and stored once the register answers; a job
// with --fleet does not start.
TEST(CliRegisterFaults, MissingOrLockedRegisterSpoolsTheRecord) {
    TempFolder folder;
    ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder.file("plan.bc")).ok());
    const std::string address = folder.file("later/register.sqlite");
    Radio radio(folder, "radio", {"--sample"});
    const std::vector<std::string> read{
        "read",   "--port",     radio.port(), "--out", folder.file("read.img"),
        "--fast", "--register", address};
    const Ran missing = cli(read, folder);
    EXPECT_EQ(missing.status, 0) << missing.err;
    EXPECT_NE(missing.err.find("warning: the register cannot take the job's record"),
              std::string::npos)
        << missing.err;
    const Ran refused = cli(fleetWrite(folder, address, {&radio}), folder);
    EXPECT_EQ(refused.status, 2);
    const auto heard = fileLines(folder.file("radio.log")).size();

    fs::create_directory(folder.file("later"));
    {
        // Locked by another program for longer than the busy time-out.
        std::vector<Phrase> notes;
        RadioRegister::open(address, notes);  // the register exists
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(address.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        const Ran locked = cli(read, folder);
        EXPECT_EQ(locked.status, 0) << locked.err;
        EXPECT_NE(locked.err.find("database is locked"), std::string::npos) << locked.err;
        sqlite3_close(db);
    }
    EXPECT_GT(fileLines(folder.file("radio.log")).size(), heard) << "the read went on";
    ImageFile kept;
    ASSERT_TRUE(openImageFile(folder.file("read.img"), kept).ok());
    const std::string id = unitNumberIn(kept.image, UnitField::NativeId);
    const Ran listed = cli({"history", "--register", address, id}, folder);
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_NE(listed.err.find("2 job records kept in "), std::string::npos) << listed.err;
    EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 3) << listed.out;
}

// The server stops while a batch writes: the radios finish, their records
// are spooled, no new numbered radio starts, and after a restart the
// records are stored.
TEST(CliRegisterFaults, PostgresStoppedMidBatch) {
    TempFolder folder;
    PostgresServer server;
    if (!server.ready()) GTEST_SKIP() << "no PostgreSQL server programs";
    ASSERT_TRUE(saveSettingsFile(sim::sampleModel(), folder.file("plan.bc")).ok());
    const std::string address = server.address();
    ASSERT_EQ(
        cli({"fleet", "add", "ACME", "--number", "native-id=0001", "--register", address}, folder)
            .status,
        0);
    Radio one(folder, "one", {"--write-ms", "15"}), two(folder, "two", {"--write-ms", "15"});
    Cli batch(fleetWrite(folder, address, {&one, &two}), folder);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    server.stop();
    const Ran written = batch.finish();
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_NE(written.err.find("warning: the register cannot take the job's record"),
              std::string::npos)
        << written.err;
    EXPECT_EQ(std::set<std::string>({one.nativeId(), two.nativeId()}),
              std::set<std::string>({"0001", "0002"}));

    Radio third(folder, "third");
    EXPECT_EQ(cli(fleetWrite(folder, address, {&third}), folder).status, 2);
    EXPECT_FALSE(third.heardAnything());

    ASSERT_TRUE(server.start());
    const Ran listed = cli({"radios", "--fleet", "ACME", "--csv", "--register", address}, folder);
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_NE(listed.err.find("2 job records kept in "), std::string::npos) << listed.err;
    EXPECT_EQ(std::count(listed.out.begin(), listed.out.end(), '\n'), 3);
    EXPECT_EQ(listed.out.find(",reserved,"), std::string::npos) << listed.out;
}

}  // namespace
}  // namespace duoband::cli
