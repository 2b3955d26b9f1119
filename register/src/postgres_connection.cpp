// SPDX-FileCopyrightText: 2026 The duoband developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The register on a PostgreSQL server, shared by several benches. The
// password comes from PGPASSWORD or ~/.pgpass, never from the address, so
// that no log, message or report can show it.
#include <libpq-fe.h>

#include <algorithm>
#include <memory>

#include "duoband/radio_register.h"
#include "sql_connection.h"

namespace duoband {

namespace {

// The value `keyword` takes in the parsed address; empty when not given.
std::string optionOf(const PQconninfoOption* options, std::string_view keyword) {
    for (const PQconninfoOption* o = options; o->keyword != nullptr; ++o)
        if (keyword == o->keyword && o->val != nullptr) return o->val;
    return {};
}

// A host reached without leaving the machine: a socket folder, localhost or
// a loopback address.
bool isLocalHost(std::string_view host) {
    return host.empty() || host.starts_with('/') || host == "localhost" ||
           host.starts_with("127.") || host == "::1" || host == "[::1]";
}

// `?` placeholders as PostgreSQL's $1, $2, ...; the register's statements
// hold no `?` inside a string.
std::string numberedPlaceholders(std::string_view sql) {
    std::string out;
    int next = 1;
    for (const char c : sql) {
        if (c == '?') {
            out += '$' + std::to_string(next++);
        } else {
            out += c;
        }
    }
    return out;
}

// Why `address` cannot be a PostgreSQL address to connect with; empty when
// it can.
Phrase postgresAddressProblem(const std::string& address) {
    char* error = nullptr;
    std::unique_ptr<PQconninfoOption, void (*)(PQconninfoOption*)> options(
        PQconninfoParse(address.c_str(), &error), PQconninfoFree);
    if (!options) {
        // The parser's message may quote the address: it is not shown.
        PQfreemem(error);
        return QT_TRANSLATE_NOOP("duoband", "the register address is not a PostgreSQL address");
    }
    if (!optionOf(options.get(), "password").empty())
        return QT_TRANSLATE_NOOP(
            "duoband",
            "the register address holds a password; it is not used. Put the password in "
            "~/.pgpass (mode 0600) or PGPASSWORD, and give the address without it.");
    return {};
}

class PostgresConnection : public SqlConnection {
  public:
    PostgresConnection(const std::string& address, std::vector<Phrase>& notes) : address_(address) {
        if (const Phrase problem = postgresAddressProblem(address); !problem.empty())
            throw RegisterError(problem);
        std::unique_ptr<PQconninfoOption, void (*)(PQconninfoOption*)> options(
            PQconninfoParse(address.c_str(), nullptr), PQconninfoFree);
        const std::string host = optionOf(options.get(), "host");
        const std::string ssl = optionOf(options.get(), "sslmode");
        if (!isLocalHost(host) && ssl != "verify-full")
            notes.push_back(phrase(
                QT_TRANSLATE_NOOP("duoband",
                                  "the register on %1 is reached without sslmode=verify-full: the "
                                  "server's identity is not checked. Add ?sslmode=verify-full to "
                                  "the address."),
                verbatim(host)));
        // A server that does not answer holds a bench up at most this long,
        // unless the address sets connect_timeout itself (it comes later).
        const char* keywords[] = {"connect_timeout", "dbname", nullptr};
        const char* values[] = {"10", address.c_str(), nullptr};
        connection_ = PQconnectdbParams(keywords, values, 1);
        if (PQstatus(connection_) != CONNECTION_OK) {
            const std::string why = lastError();
            PQfinish(connection_);
            connection_ = nullptr;
            fail(why);
        }
        PQsetNoticeProcessor(
            connection_, [](void*, const char*) {}, nullptr);
    }
    ~PostgresConnection() override {
        if (connection_ != nullptr) PQfinish(connection_);
    }

    std::vector<SqlRow> query(std::string_view sql, const std::vector<SqlValue>& params) override {
        // A server that went away and came back is reached again.
        if (PQstatus(connection_) != CONNECTION_OK) PQreset(connection_);
        std::vector<const char*> values;
        for (const SqlValue& p : params) values.push_back(p ? p->c_str() : nullptr);
        std::unique_ptr<PGresult, void (*)(PGresult*)> result(
            PQexecParams(connection_, numberedPlaceholders(sql).c_str(),
                         static_cast<int>(values.size()), nullptr, values.data(), nullptr, nullptr,
                         0),
            PQclear);
        const ExecStatusType status = PQresultStatus(result.get());
        if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK) fail(lastError());
        std::vector<SqlRow> rows;
        for (int r = 0; r < PQntuples(result.get()); ++r) {
            SqlRow& row = rows.emplace_back();
            for (int c = 0; c < PQnfields(result.get()); ++c) {
                if (PQgetisnull(result.get(), r, c)) {
                    row.emplace_back();
                } else {
                    row.emplace_back(
                        std::string(PQgetvalue(result.get(), r, c),
                                    static_cast<std::size_t>(PQgetlength(result.get(), r, c))));
                }
            }
        }
        return rows;
    }

    void begin() override { query("BEGIN", {}); }
    std::string_view idColumn() const override {
        return "BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY";
    }
    std::string_view rowLock() const override { return " FOR UPDATE"; }
    bool hasTable(std::string_view name) override {
        return query("SELECT to_regclass(?)", {std::string(name)}).front().front().has_value();
    }
    // One lock number for duoband's schema, held to the end of the transaction.
    void lockSchema() override { query("SELECT pg_advisory_xact_lock(47110815)", {}); }

  private:
    std::string lastError() const {
        std::string why = PQerrorMessage(connection_);
        while (!why.empty() && (why.back() == '\n' || why.back() == ' ')) why.pop_back();
        return why;
    }

    [[noreturn]] void fail(const std::string& why) const {
        throw RegisterError(phrase(QT_TRANSLATE_NOOP("duoband", "the register %1: %2"),
                                   verbatim(address_), verbatim(why)));
    }

    PGconn* connection_ = nullptr;
    std::string address_;
};

}  // namespace

Phrase registerAddressProblem(const std::string& address) {
    return isPostgresAddress(address) ? postgresAddressProblem(address) : Phrase{};
}

std::unique_ptr<SqlConnection> openPostgres(const std::string& address,
                                            std::vector<Phrase>& notes) {
    return std::make_unique<PostgresConnection>(address, notes);
}

}  // namespace duoband
