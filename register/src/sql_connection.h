// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A database connection as the register uses it: statements with `?` for
// each parameter, every value passed and read back as text or NULL. SQLite
// and PostgreSQL each have one; the register's statements are the same.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "duoband/phrase.h"

namespace duoband {

using SqlValue = std::optional<std::string>;
using SqlRow = std::vector<SqlValue>;

class SqlConnection {
  public:
    virtual ~SqlConnection() = default;
    // Runs one statement; its rows. Throws RegisterError.
    virtual std::vector<SqlRow> query(std::string_view sql,
                                      const std::vector<SqlValue>& params = {}) = 0;
    // Starts a transaction that writes: other writers wait until it ends.
    virtual void begin() = 0;
    // The type of an id column that numbers itself.
    virtual std::string_view idColumn() const = 0;
    // What a SELECT ends with to lock its rows until the transaction ends.
    virtual std::string_view rowLock() const = 0;
    virtual bool hasTable(std::string_view name) = 0;
    // Held until the transaction ends, so that one process creates the schema.
    virtual void lockSchema() = 0;
};

// A transaction that rolls back unless committed.
class Transaction {
  public:
    explicit Transaction(SqlConnection& sql) : sql_(sql) { sql_.begin(); }
    ~Transaction() {
        if (open_) {
            try {
                sql_.query("ROLLBACK");
            } catch (...) {  // a lost connection rolled back already
            }
        }
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit() {
        sql_.query("COMMIT");
        open_ = false;
    }

  private:
    SqlConnection& sql_;
    bool open_ = true;
};

// `path` as a SQLite register; `notes` says when it cannot share it safely.
std::unique_ptr<SqlConnection> openSqlite(const std::string& path, std::vector<Phrase>& notes);
// The PostgreSQL register at `address`; refuses an address with a password.
std::unique_ptr<SqlConnection> openPostgres(const std::string& address, std::vector<Phrase>& notes);

}  // namespace duoband
