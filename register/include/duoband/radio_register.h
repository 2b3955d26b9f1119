// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The radio register: every radio a shop programs, known by its native ID,
// in the fleet it belongs to, with every job done on it. One bench keeps it
// in a SQLite file in the data folder; several share a PostgreSQL database.
// Both hold the same versioned schema and run the same statements.
//
// Numbers are handed out in a transaction and counted up in the fleet's own
// row, so two processes or two benches never give one number twice, and a
// number once given is never given again, whatever became of its job.
//
// Every member is safe to call from several threads at once (one connection,
// used by one at a time). A failure throws RegisterError.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "duoband/phrase.h"
#include "duoband/unit_numbers.h"

namespace duoband {

class SqlConnection;

// Why the register could not do what it was asked; english() is the message.
class RegisterError : public std::runtime_error {
  public:
    explicit RegisterError(Phrase why) : std::runtime_error(english(why)), why_(std::move(why)) {}
    const Phrase& why() const { return why_; }

  private:
    Phrase why_;
};

// The schema this program writes; older registers are brought up to it.
inline constexpr int kRegisterVersion = 2;

// A fleet's numbering of one field: the next number it gives.
struct FleetNumbering {
    UnitNumbering numbering;  // as `fleet add --number` gave it
    std::uint64_t next = 0;   // the next number to give
};

struct Fleet {
    std::string name;
    std::vector<FleetNumbering> numbering;
    std::string created;  // UTC, ISO 8601
    long long radios = 0;
};

// What a radio is given besides the template; empty: not given.
struct RadioValues {
    UnitNumbers numbers;
    std::array<std::string, 2> bootLines;
    std::string label;
    std::string notes;
};

// Where a radio stands: planned (from a roster, not yet taken), reserved
// (taken by a job that has not succeeded), programmed.
inline constexpr std::string_view kPlanned = "planned";
inline constexpr std::string_view kReserved = "reserved";
inline constexpr std::string_view kProgrammed = "programmed";

struct RegisteredRadio {
    long long id = 0;
    std::string fleet;
    RadioValues values;
    std::string state;
    bool fromRoster = false;  // a failed job gives it back to the roster
    std::string configuration;
    std::string configurationSha256;
    std::string lastProgrammed;  // UTC, ISO 8601; empty: never
    std::string result;          // of its last job
};

// One radio job. The kinds are read, write, verify, diff, read-boot,
// write-boot, read-limits and write-limits.
struct JobRecord {
    std::string time;  // UTC, ISO 8601
    std::string bench;
    std::string port;
    std::string kind;
    std::string fleet;
    long long radioId = 0;  // 0: no radio of the register
    std::string configuration;
    std::string configurationSha256;
    UnitNumbers before;  // as read from the radio; empty: not read
    UnitNumbers after;   // as written, or read
    std::string result;
    std::string message;
    std::string detail;
    double seconds = 0;
    std::string backup;
};

// Now, in UTC: 2026-12-08T10:31:02.123Z.
std::string utcTimeNow();
// This machine's name, which names the bench.
std::string benchName();

class RadioRegister {
  public:
    // Opens the register at `address` (a SQLite file, or a postgresql://
    // address), creating or upgrading its schema; `notes` takes what the user
    // should know (a network file system, a weak TLS setting).
    static std::unique_ptr<RadioRegister> open(const std::string& address,
                                               std::vector<Phrase>& notes);
    ~RadioRegister();
    RadioRegister(const RadioRegister&) = delete;
    RadioRegister& operator=(const RadioRegister&) = delete;

    // The address as messages show it: never a credential.
    const std::string& address() const { return address_; }

    void addFleet(const std::string& name, const std::vector<UnitNumbering>& numbering);
    std::optional<Fleet> fleet(const std::string& name);
    std::vector<Fleet> fleets();

    // The roster's radios, planned, in one transaction: all or none. Each
    // native ID already in the fleet is refused (named in the error).
    void addPlannedRadios(const std::string& fleet, const std::vector<RadioValues>& radios);
    // The native IDs the fleet holds.
    std::vector<std::string> nativeIds(const std::string& fleet);

    // Takes `count` radios for a batch in one transaction, in order: the
    // fleet's next planned radios, then new radios numbered by the fleet.
    // Refused as a whole when the fleet has neither for all of them.
    std::vector<RegisteredRadio> reserve(const std::string& fleet, std::size_t count);
    // The radio of `fleet` holding `nativeId`, reserved again for a job.
    std::optional<RegisteredRadio> takeKnown(const std::string& fleet, const std::string& nativeId);

    // Stores the job and brings its radio up to date: programmed when a
    // write succeeded; a roster radio whose write failed is planned again.
    void record(const JobRecord& job);
    // Every radio, by fleet and then in the order they were registered.
    std::vector<RegisteredRadio> radios(const std::string& fleet = {});
    // Gives the radio `radioId` its label and notes (empty: none); false when
    // the register holds no such radio.
    bool setLabelAndNotes(long long radioId, const std::string& label, const std::string& notes);
    // The jobs that read or wrote `nativeId`, newest first.
    std::vector<JobRecord> history(const std::string& nativeId, const std::string& fleet = {});

    // The schema version the register holds.
    int version();

  private:
    RadioRegister(std::unique_ptr<SqlConnection> connection, std::string address);
    void upgradeSchema();
    long long fleetId(const std::string& fleet, bool lockRow);
    RegisteredRadio numberedRadio(long long fleetId, const std::string& fleet);

    std::unique_ptr<SqlConnection> sql_;
    std::string address_;
    std::mutex mutex_;
};

// The register's address: `requested`, else register.sqlite in the data
// folder.
std::string registerAddress(const std::string& requested, const std::filesystem::path& dataFolder);
bool isPostgresAddress(std::string_view address);
// Why the register cannot be opened at `address` whatever the server says
// (not an address; a password in it); empty when it may be tried.
Phrase registerAddressProblem(const std::string& address);

}  // namespace duoband
