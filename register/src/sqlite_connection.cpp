// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The register in a SQLite file. Processes on one machine share it through
// WAL and a busy time-out; on a network file system, where WAL's shared
// memory does not work, it falls back to a rollback journal.
#include <sqlite3.h>
#include <sys/vfs.h>

#include <algorithm>
#include <array>
#include <filesystem>

#include "duoband/radio_register.h"
#include "sql_connection.h"

namespace duoband {

namespace {

// How long a process waits for another one's transaction.
constexpr int kBusyMilliseconds = 5000;

// NFS, SMB/CIFS (both), Coda, AFS, 9p, Ceph, Lustre and FUSE (sshfs and the like).
constexpr std::array<long, 10> kNetworkFileSystems{0x6969,
                                                   0x517B,
                                                   static_cast<long>(0xFF534D42),
                                                   static_cast<long>(0xFE534D42),
                                                   0x73757245,
                                                   0x5346414F,
                                                   0x01021997,
                                                   0x00C36400,
                                                   0x0BD00BD0,
                                                   0x65735546};

bool onNetworkFileSystem(const std::filesystem::path& file) {
    struct statfs info {};
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : ".";
    if (::statfs(folder.c_str(), &info) != 0) return false;
    return std::ranges::find(kNetworkFileSystems, static_cast<long>(info.f_type)) !=
           kNetworkFileSystems.end();
}

class SqliteConnection : public SqlConnection {
  public:
    SqliteConnection(const std::string& path, std::vector<Phrase>& notes) : path_(path) {
        try {
            setUp(notes);
        } catch (...) {
            sqlite3_close_v2(db_);
            throw;
        }
    }
    ~SqliteConnection() override { sqlite3_close_v2(db_); }

    void setUp(std::vector<Phrase>& notes) {
        const std::string& path = path_;
        const int opened = sqlite3_open_v2(path.c_str(), &db_,
                                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE |
                                               SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE,
                                           nullptr);
        if (opened != SQLITE_OK)
            fail(db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(opened));
        sqlite3_busy_timeout(db_, kBusyMilliseconds);
        if (onNetworkFileSystem(path)) {
            query("PRAGMA journal_mode=DELETE");
            notes.push_back(phrase(
                QT_TRANSLATE_NOOP("duoband",
                                  "the register %1 is on a network file system, where SQLite "
                                  "cannot share it safely in WAL mode; it uses a rollback journal. "
                                  "For several benches, use a PostgreSQL register (--register "
                                  "postgresql://...)."),
                verbatim(path)));
        } else {
            query("PRAGMA journal_mode=WAL");
        }
        query("PRAGMA synchronous=NORMAL");
    }

    std::vector<SqlRow> query(std::string_view sql, const std::vector<SqlValue>& params) override {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &statement,
                               nullptr) != SQLITE_OK)
            fail(sqlite3_errmsg(db_));
        std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> owned(statement, sqlite3_finalize);
        for (std::size_t i = 0; i < params.size(); ++i) {
            const int at = static_cast<int>(i + 1);
            if (params[i]) {
                sqlite3_bind_text(statement, at, params[i]->data(),
                                  static_cast<int>(params[i]->size()), SQLITE_TRANSIENT);
            } else {
                sqlite3_bind_null(statement, at);
            }
        }
        std::vector<SqlRow> rows;
        for (int step; (step = sqlite3_step(statement)) != SQLITE_DONE;) {
            if (step != SQLITE_ROW) fail(sqlite3_errmsg(db_));
            SqlRow& row = rows.emplace_back();
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const auto* text = sqlite3_column_text(statement, c);
                if (text == nullptr) {
                    row.emplace_back();
                } else {
                    row.emplace_back(
                        std::string(reinterpret_cast<const char*>(text),
                                    static_cast<std::size_t>(sqlite3_column_bytes(statement, c))));
                }
            }
        }
        return rows;
    }

    // IMMEDIATE takes the write lock at once, so two transactions that both
    // read a counter and then raise it never interleave.
    void begin() override { query("BEGIN IMMEDIATE"); }
    std::string_view idColumn() const override { return "INTEGER PRIMARY KEY"; }
    std::string_view rowLock() const override { return ""; }
    bool hasTable(std::string_view name) override {
        return !query("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?",
                      {std::string(name)})
                    .empty();
    }
    void lockSchema() override {}  // BEGIN IMMEDIATE holds the whole file

  private:
    std::vector<SqlRow> query(std::string_view sql) { return query(sql, {}); }

    [[noreturn]] void fail(const char* why) const {
        throw RegisterError(phrase(QT_TRANSLATE_NOOP("duoband", "the register %1: %2"),
                                   verbatim(path_), verbatim(why)));
    }

    sqlite3* db_ = nullptr;
    std::string path_;
};

}  // namespace

std::unique_ptr<SqlConnection> openSqlite(const std::string& path, std::vector<Phrase>& notes) {
    return std::make_unique<SqliteConnection>(path, notes);
}

}  // namespace duoband
