// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "duoband/radio_register.h"

#include <unistd.h>

#include <charconv>
#include <chrono>
#include <ctime>

#include "sql_connection.h"

namespace duoband {

namespace {

// The schema, one list of statements per version; "%ID%" is the back end's
// self-numbering id column. A register is brought from its version to the
// newest by running the lists after it in order; a list never changes once
// released.
const std::vector<std::vector<std::string_view>>& migrations() {
    static const std::vector<std::vector<std::string_view>> steps{
        {
            "CREATE TABLE register_version (version INTEGER NOT NULL)",
            "INSERT INTO register_version (version) VALUES (0)",
            "CREATE TABLE fleets (id %ID%, name TEXT NOT NULL UNIQUE, created TEXT NOT NULL)",
            "CREATE TABLE fleet_numbering (fleet_id BIGINT NOT NULL REFERENCES fleets (id), "
            "field TEXT NOT NULL, start_number BIGINT NOT NULL, digits INTEGER NOT NULL, "
            "next_number BIGINT NOT NULL, PRIMARY KEY (fleet_id, field))",
            "CREATE TABLE radios (id %ID%, fleet_id BIGINT NOT NULL REFERENCES fleets (id), "
            "native_id TEXT, identity_code TEXT, boot_line_1 TEXT, boot_line_2 TEXT, label TEXT, "
            "notes TEXT, state TEXT NOT NULL, origin TEXT NOT NULL, configuration TEXT, "
            "configuration_sha256 TEXT, last_job BIGINT, UNIQUE (fleet_id, native_id))",
            "CREATE TABLE jobs (id %ID%, time TEXT NOT NULL, bench TEXT, port TEXT, "
            "kind TEXT NOT NULL, fleet TEXT, radio_id BIGINT, configuration TEXT, "
            "configuration_sha256 TEXT, native_id_before TEXT, identity_code_before TEXT, "
            "native_id_after TEXT, identity_code_after TEXT, result TEXT NOT NULL, message TEXT, "
            "detail TEXT, seconds DOUBLE PRECISION)",
        },
        {
            // The backup a job kept, when a radio was last programmed, and
            // a radio's history found without reading every job.
            "ALTER TABLE jobs ADD COLUMN backup TEXT",
            "ALTER TABLE radios ADD COLUMN last_programmed TEXT",
            "CREATE INDEX jobs_by_native_id_after ON jobs (native_id_after)",
            "CREATE INDEX jobs_by_native_id_before ON jobs (native_id_before)",
        },
    };
    return steps;
}

std::string withIdColumn(std::string_view statement, std::string_view idColumn) {
    std::string out(statement);
    for (std::size_t at; (at = out.find("%ID%")) != std::string::npos;)
        out.replace(at, 4, idColumn);
    return out;
}

// Empty text is stored as NULL: "not given".
SqlValue given(const std::string& text) {
    return text.empty() ? SqlValue{} : SqlValue{text};
}
std::string text(const SqlValue& value) {
    return value.value_or("");
}
long long integer(const SqlValue& value) {
    long long n = 0;
    if (value) std::from_chars(value->data(), value->data() + value->size(), n);
    return n;
}
std::string number(long long n) {
    return std::to_string(n);
}

constexpr std::string_view kRadioColumns =
    "f.name, r.id, r.native_id, r.identity_code, r.boot_line_1, r.boot_line_2, r.label, r.notes, "
    "r.state, r.origin, r.configuration, r.configuration_sha256, r.last_programmed, j.result";
constexpr std::string_view kRadioTables =
    " FROM radios r JOIN fleets f ON f.id = r.fleet_id LEFT JOIN jobs j ON j.id = r.last_job";

RegisteredRadio radioOf(const SqlRow& row) {
    RegisteredRadio r;
    r.fleet = text(row[0]);
    r.id = integer(row[1]);
    r.values.numbers[UnitField::NativeId] = text(row[2]);
    r.values.numbers[UnitField::IdentityCode] = text(row[3]);
    r.values.bootLines = {text(row[4]), text(row[5])};
    r.values.label = text(row[6]);
    r.values.notes = text(row[7]);
    r.state = text(row[8]);
    r.fromRoster = text(row[9]) == "roster";
    r.configuration = text(row[10]);
    r.configurationSha256 = text(row[11]);
    r.lastProgrammed = text(row[12]);
    r.result = text(row[13]);
    return r;
}

constexpr std::string_view kJobColumns =
    "time, bench, port, kind, fleet, radio_id, configuration, configuration_sha256, "
    "native_id_before, identity_code_before, native_id_after, identity_code_after, result, "
    "message, detail, seconds, backup";

std::vector<SqlValue> jobValues(const JobRecord& j) {
    return {j.time,
            given(j.bench),
            given(j.port),
            j.kind,
            given(j.fleet),
            j.radioId != 0 ? SqlValue{number(j.radioId)} : SqlValue{},
            given(j.configuration),
            given(j.configurationSha256),
            given(j.before[UnitField::NativeId]),
            given(j.before[UnitField::IdentityCode]),
            given(j.after[UnitField::NativeId]),
            given(j.after[UnitField::IdentityCode]),
            j.result,
            given(j.message),
            given(j.detail),
            std::to_string(j.seconds),
            given(j.backup)};
}

JobRecord jobOf(const SqlRow& row) {
    JobRecord j;
    j.time = text(row[0]);
    j.bench = text(row[1]);
    j.port = text(row[2]);
    j.kind = text(row[3]);
    j.fleet = text(row[4]);
    j.radioId = integer(row[5]);
    j.configuration = text(row[6]);
    j.configurationSha256 = text(row[7]);
    j.before[UnitField::NativeId] = text(row[8]);
    j.before[UnitField::IdentityCode] = text(row[9]);
    j.after[UnitField::NativeId] = text(row[10]);
    j.after[UnitField::IdentityCode] = text(row[11]);
    j.result = text(row[12]);
    j.message = text(row[13]);
    j.detail = text(row[14]);
    j.seconds = row[15] ? std::strtod(row[15]->c_str(), nullptr) : 0;
    j.backup = text(row[16]);
    return j;
}

}  // namespace

std::string utcTimeNow() {
    const auto now = std::chrono::system_clock::now();
    const auto second = std::chrono::floor<std::chrono::seconds>(now);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now - second).count();
    const std::time_t t = std::chrono::system_clock::to_time_t(second);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S", &utc);
    char withMs[40];
    std::snprintf(withMs, sizeof withMs, "%s.%03dZ", stamp, static_cast<int>(ms));
    return withMs;
}

std::string benchName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "unknown";
    return name;
}

bool isPostgresAddress(std::string_view address) {
    return address.starts_with("postgresql://") || address.starts_with("postgres://");
}

std::string registerAddress(const std::string& requested, const std::filesystem::path& dataFolder) {
    return requested.empty() ? (dataFolder / "register.sqlite").string() : requested;
}

std::unique_ptr<RadioRegister> RadioRegister::open(const std::string& address,
                                                   std::vector<Phrase>& notes) {
    std::unique_ptr<SqlConnection> sql =
        isPostgresAddress(address) ? openPostgres(address, notes) : openSqlite(address, notes);
    std::unique_ptr<RadioRegister> opened(new RadioRegister(std::move(sql), address));
    opened->upgradeSchema();
    return opened;
}

RadioRegister::RadioRegister(std::unique_ptr<SqlConnection> connection, std::string address)
    : sql_(std::move(connection)), address_(std::move(address)) {}

RadioRegister::~RadioRegister() = default;

void RadioRegister::upgradeSchema() {
    std::lock_guard lock(mutex_);
    Transaction t(*sql_);
    sql_->lockSchema();
    const int held = sql_->hasTable("register_version")
                         ? static_cast<int>(integer(
                               sql_->query("SELECT version FROM register_version").front()[0]))
                         : 0;
    if (held > kRegisterVersion)
        throw RegisterError(phrase(
            QT_TRANSLATE_NOOP("duoband",
                              "the register %1 is of version %2, made by a newer duoband; this "
                              "one knows versions up to %3. Use the newer duoband with it."),
            verbatim(address_), verbatim(held), verbatim(kRegisterVersion)));
    if (held == kRegisterVersion) return;
    for (int v = held; v < kRegisterVersion; ++v)
        for (std::string_view statement : migrations()[static_cast<std::size_t>(v)])
            sql_->query(withIdColumn(statement, sql_->idColumn()));
    sql_->query("UPDATE register_version SET version = ?", {number(kRegisterVersion)});
    t.commit();
}

int RadioRegister::version() {
    std::lock_guard lock(mutex_);
    return static_cast<int>(
        integer(sql_->query("SELECT version FROM register_version").front()[0]));
}

long long RadioRegister::fleetId(const std::string& fleet, bool lockRow) {
    const auto rows = sql_->query(
        "SELECT id FROM fleets WHERE name = ?" + std::string(lockRow ? sql_->rowLock() : ""),
        {fleet});
    if (rows.empty())
        throw RegisterError(phrase(
            QT_TRANSLATE_NOOP("duoband", "the register holds no fleet %1 (see \"fleet list\")"),
            verbatim(fleet)));
    return integer(rows.front()[0]);
}

void RadioRegister::addFleet(const std::string& name, const std::vector<UnitNumbering>& numbering) {
    std::lock_guard lock(mutex_);
    Transaction t(*sql_);
    if (!sql_->query("SELECT id FROM fleets WHERE name = ?", {name}).empty())
        throw RegisterError(phrase(
            QT_TRANSLATE_NOOP("duoband", "the register holds a fleet %1 already"), verbatim(name)));
    const auto id = sql_->query("INSERT INTO fleets (name, created) VALUES (?, ?) RETURNING id",
                                {name, utcTimeNow()})
                        .front()[0];
    for (const UnitNumbering& n : numbering)
        sql_->query(
            "INSERT INTO fleet_numbering (fleet_id, field, start_number, digits, next_number) "
            "VALUES (?, ?, ?, ?, ?)",
            {id, std::string(unitFieldLayout(n.field).name), std::to_string(n.start),
             std::to_string(n.digits), std::to_string(n.start)});
    t.commit();
}

std::vector<Fleet> RadioRegister::fleets() {
    std::lock_guard lock(mutex_);
    std::vector<Fleet> out;
    for (const SqlRow& row : sql_->query(
             "SELECT f.id, f.name, f.created, (SELECT count(*) FROM radios r WHERE r.fleet_id = "
             "f.id) FROM fleets f ORDER BY f.name")) {
        Fleet& f = out.emplace_back();
        f.name = text(row[1]);
        f.created = text(row[2]);
        f.radios = integer(row[3]);
        for (const SqlRow& n : sql_->query("SELECT field, start_number, digits, next_number FROM "
                                           "fleet_numbering WHERE fleet_id = ? ORDER BY field DESC",
                                           {row[0]})) {
            const auto field = unitFieldNamed(text(n[0]));
            if (!field) continue;
            f.numbering.push_back({{*field, static_cast<std::uint64_t>(integer(n[1])),
                                    static_cast<std::size_t>(integer(n[2]))},
                                   static_cast<std::uint64_t>(integer(n[3]))});
        }
    }
    return out;
}

std::optional<Fleet> RadioRegister::fleet(const std::string& name) {
    for (Fleet& f : fleets())
        if (f.name == name) return std::move(f);
    return std::nullopt;
}

std::vector<std::string> RadioRegister::nativeIds(const std::string& fleet) {
    std::lock_guard lock(mutex_);
    std::vector<std::string> ids;
    for (const SqlRow& row :
         sql_->query("SELECT r.native_id FROM radios r JOIN fleets f ON f.id = r.fleet_id "
                     "WHERE f.name = ? AND r.native_id IS NOT NULL",
                     {fleet}))
        ids.push_back(text(row[0]));
    return ids;
}

void RadioRegister::addPlannedRadios(const std::string& fleet,
                                     const std::vector<RadioValues>& radios) {
    std::lock_guard lock(mutex_);
    Transaction t(*sql_);
    const std::string id = number(fleetId(fleet, true));
    for (const RadioValues& r : radios) {
        const std::string& nativeId = r.numbers[UnitField::NativeId];
        if (!nativeId.empty() &&
            !sql_->query("SELECT 1 FROM radios WHERE fleet_id = ? AND native_id = ?",
                         {id, nativeId})
                 .empty())
            throw RegisterError(
                phrase(QT_TRANSLATE_NOOP("duoband",
                                         "the fleet %1 holds a radio with native ID %2 already"),
                       verbatim(fleet), verbatim(nativeId)));
        sql_->query(
            "INSERT INTO radios (fleet_id, native_id, identity_code, boot_line_1, boot_line_2, "
            "label, notes, state, origin) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 'roster')",
            {id, given(nativeId), given(r.numbers[UnitField::IdentityCode]), given(r.bootLines[0]),
             given(r.bootLines[1]), given(r.label), given(r.notes), std::string(kPlanned)});
    }
    t.commit();
}

RegisteredRadio RadioRegister::numberedRadio(long long fleetId, const std::string& fleet) {
    const std::string id = number(fleetId);
    const auto numbering = sql_->query(
        "SELECT field, start_number, digits, next_number FROM fleet_numbering WHERE fleet_id = ?",
        {id});
    if (numbering.empty())
        throw RegisterError(phrase(
            QT_TRANSLATE_NOOP("duoband",
                              "the fleet %1 has no planned radio left and no numbering; import "
                              "a roster or add a fleet with --number"),
            verbatim(fleet)));
    RegisteredRadio radio;
    radio.fleet = fleet;
    radio.state = kReserved;
    for (const SqlRow& row : numbering) {
        const auto field = unitFieldNamed(text(row[0]));
        if (!field) continue;
        const UnitNumbering n{*field, static_cast<std::uint64_t>(integer(row[1])),
                              static_cast<std::size_t>(integer(row[2]))};
        for (auto next = static_cast<std::uint64_t>(integer(row[3]));; ++next) {
            const auto digits = unitNumber(n, next - n.start);
            if (!digits)
                throw RegisterError(
                    phrase(QT_TRANSLATE_NOOP(
                               "duoband", "the fleet %1 has given every %2 its %3 digits can hold"),
                           verbatim(fleet), verbatim(unitFieldLayout(*field).name),
                           verbatim(static_cast<long long>(unitFieldLayout(*field).digits))));
            // A roster may hold a number the counter has not reached yet.
            if (*field == UnitField::NativeId &&
                !sql_->query("SELECT 1 FROM radios WHERE fleet_id = ? AND native_id = ?",
                             {id, *digits})
                     .empty())
                continue;
            radio.values.numbers[*field] = *digits;
            sql_->query(
                "UPDATE fleet_numbering SET next_number = ? WHERE fleet_id = ? AND "
                "field = ?",
                {std::to_string(next + 1), id, text(row[0])});
            break;
        }
    }
    radio.id = integer(
        sql_->query("INSERT INTO radios (fleet_id, native_id, identity_code, state, origin) "
                    "VALUES (?, ?, ?, ?, 'numbering') RETURNING id",
                    {id, given(radio.values.numbers[UnitField::NativeId]),
                     given(radio.values.numbers[UnitField::IdentityCode]), radio.state})
            .front()[0]);
    return radio;
}

std::vector<RegisteredRadio> RadioRegister::reserve(const std::string& fleet, std::size_t count) {
    std::lock_guard lock(mutex_);
    Transaction t(*sql_);
    const long long id = fleetId(fleet, true);
    std::vector<RegisteredRadio> taken;
    for (const SqlRow& row : sql_->query(
             std::string("SELECT ") + std::string(kRadioColumns) + std::string(kRadioTables) +
                 " WHERE r.fleet_id = ? AND r.state = ? ORDER BY r.id LIMIT " +
                 std::to_string(count),
             {number(id), std::string(kPlanned)})) {
        RegisteredRadio& r = taken.emplace_back(radioOf(row));
        r.state = kReserved;
        sql_->query("UPDATE radios SET state = ? WHERE id = ?", {r.state, number(r.id)});
    }
    while (taken.size() < count) taken.push_back(numberedRadio(id, fleet));
    t.commit();
    return taken;
}

std::optional<RegisteredRadio> RadioRegister::takeKnown(const std::string& fleet,
                                                        const std::string& nativeId) {
    std::lock_guard lock(mutex_);
    Transaction t(*sql_);
    const long long id = fleetId(fleet, true);
    const auto rows =
        sql_->query(std::string("SELECT ") + std::string(kRadioColumns) +
                        std::string(kRadioTables) + " WHERE r.fleet_id = ? AND r.native_id = ?",
                    {number(id), nativeId});
    if (rows.empty()) return std::nullopt;
    RegisteredRadio radio = radioOf(rows.front());
    if (radio.state == kPlanned) {
        radio.state = kReserved;
        sql_->query("UPDATE radios SET state = ? WHERE id = ?", {radio.state, number(radio.id)});
    }
    t.commit();
    return radio;
}

void RadioRegister::record(const JobRecord& job) {
    std::lock_guard lock(mutex_);
    Transaction t(*sql_);
    const std::string jobId =
        text(sql_->query("INSERT INTO jobs (" + std::string(kJobColumns) +
                             ") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) "
                             "RETURNING id",
                         jobValues(job))
                 .front()[0]);
    if (job.radioId != 0) {
        const std::string radio = number(job.radioId);
        if (job.kind == "write" && job.result == "success") {
            sql_->query(
                "UPDATE radios SET state = ?, configuration = ?, configuration_sha256 = ?, "
                "last_programmed = ?, last_job = ? WHERE id = ?",
                {std::string(kProgrammed), given(job.configuration), given(job.configurationSha256),
                 job.time, jobId, radio});
        } else if (job.kind == "write") {
            sql_->query(
                "UPDATE radios SET state = ?, last_job = ? WHERE id = ? AND state = ? AND "
                "origin = 'roster'",
                {std::string(kPlanned), jobId, radio, std::string(kReserved)});
            sql_->query("UPDATE radios SET last_job = ? WHERE id = ?", {jobId, radio});
        } else {
            sql_->query("UPDATE radios SET last_job = ? WHERE id = ?", {jobId, radio});
        }
    }
    t.commit();
}

std::vector<RegisteredRadio> RadioRegister::radios(const std::string& fleet) {
    std::lock_guard lock(mutex_);
    std::string sql = "SELECT " + std::string(kRadioColumns) + std::string(kRadioTables);
    std::vector<SqlValue> params;
    if (!fleet.empty()) {
        sql += " WHERE f.name = ?";
        params.emplace_back(fleet);
    }
    std::vector<RegisteredRadio> out;
    for (const SqlRow& row : sql_->query(sql + " ORDER BY f.name, r.id", params))
        out.push_back(radioOf(row));
    return out;
}

bool RadioRegister::setLabelAndNotes(long long radioId, const std::string& label,
                                     const std::string& notes) {
    std::lock_guard lock(mutex_);
    const std::string radio = number(radioId);
    if (sql_->query("SELECT id FROM radios WHERE id = ?", {radio}).empty()) return false;
    sql_->query("UPDATE radios SET label = ?, notes = ? WHERE id = ?",
                {given(label), given(notes), radio});
    return true;
}

std::vector<JobRecord> RadioRegister::history(const std::string& nativeId,
                                              const std::string& fleet) {
    std::lock_guard lock(mutex_);
    std::string sql = "SELECT " + std::string(kJobColumns) +
                      " FROM jobs WHERE (native_id_after = ? OR native_id_before = ?)";
    std::vector<SqlValue> params{nativeId, nativeId};
    if (!fleet.empty()) {
        sql += " AND fleet = ?";
        params.emplace_back(fleet);
    }
    std::vector<JobRecord> out;
    for (const SqlRow& row : sql_->query(sql + " ORDER BY time DESC, id DESC", params))
        out.push_back(jobOf(row));
    return out;
}

}  // namespace duoband
