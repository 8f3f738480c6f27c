#include "records/PostgresStore.h"

#include <libpq-fe.h>

#include <cstdlib>

namespace velmora::records {

namespace {

// How long a bench waits for a server that does not answer.
constexpr const char* kConnectTimeoutSeconds = "3";
// Any number the benches agree on: only one of them upgrades at a time.
constexpr const char* kMigrationLock = "SELECT pg_advisory_xact_lock(7305120406)";

const char* const kMigrations[kPostgresSchemaVersion] = {
    // 1: the records.
    "CREATE TABLE units (id text PRIMARY KEY, run_id text NOT NULL, time text NOT NULL,"
    " bench text NOT NULL, port text NOT NULL, meter integer NOT NULL, uid text NOT NULL,"
    " steps text NOT NULL, firmware_name text NOT NULL, firmware_size bigint NOT NULL,"
    " firmware_sha256 text NOT NULL, tables_sha256 text NOT NULL, sat_count integer NOT NULL,"
    " tp_count integer NOT NULL, logo_sha256 text NOT NULL, icon_sha256 text NOT NULL,"
    " verify text NOT NULL, seconds double precision NOT NULL, ok smallint NOT NULL,"
    " result text NOT NULL, reason text NOT NULL);"
    "CREATE INDEX units_time ON units (time);"
    "CREATE INDEX units_uid ON units (uid);"
    "CREATE INDEX units_run ON units (run_id, ok);",
};

std::string Placeholder(int n) { return "$" + std::to_string(n); }

std::string ServerError(pg_conn* conn) {
    std::string text = PQerrorMessage(conn);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

}  // namespace

std::unique_ptr<PostgresStore> PostgresStore::Open(const std::string& url, std::string* error) {
    // The URL first: the timeout given after it wins over one in the URL.
    const char* keys[] = {"dbname", "connect_timeout", nullptr};
    const char* values[] = {url.c_str(), kConnectTimeoutSeconds, nullptr};
    pg_conn* conn = PQconnectdbParams(keys, values, 1);
    if (conn == nullptr || PQstatus(conn) != CONNECTION_OK) {
        if (error != nullptr)
            *error = "cannot reach the database server: " +
                     (conn == nullptr ? std::string("out of memory") : ServerError(conn));
        PQfinish(conn);
        return nullptr;
    }
    std::unique_ptr<PostgresStore> store(new PostgresStore(conn));
    PQsetNoticeProcessor(conn, [](void*, const char*) {}, nullptr);
    if (!store->Migrate(error)) return nullptr;
    return store;
}

PostgresStore::~PostgresStore() { PQfinish(conn_); }

bool PostgresStore::Run(const std::string& sql, const std::vector<std::string>& params,
                        std::vector<std::vector<std::string>>* rows, std::string* error) {
    std::vector<const char*> texts;
    for (const std::string& p : params) texts.push_back(p.c_str());
    // A migration is several statements, which only the simple protocol
    // (no parameters) takes in one go.
    PGresult* result = params.empty() ? PQexec(conn_, sql.c_str())
                                      : PQexecParams(conn_, sql.c_str(),
                                                     static_cast<int>(texts.size()), nullptr,
                                                     texts.data(), nullptr, nullptr, 0);
    ExecStatusType status = PQresultStatus(result);
    bool ok = status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
    if (ok && rows != nullptr) {
        for (int r = 0; r < PQntuples(result); ++r) {
            std::vector<std::string> row;
            for (int c = 0; c < PQnfields(result); ++c) row.emplace_back(PQgetvalue(result, r, c));
            rows->push_back(std::move(row));
        }
    }
    if (!ok && error != nullptr) *error = "database server: " + ServerError(conn_);
    PQclear(result);
    return ok;
}

bool PostgresStore::Migrate(std::string* error) {
    std::vector<std::vector<std::string>> rows;
    bool ok = Run("BEGIN", {}, nullptr, error) && Run(kMigrationLock, {}, nullptr, error) &&
              Run("CREATE TABLE IF NOT EXISTS schema_version (version integer NOT NULL)", {},
                  nullptr, error) &&
              Run("SELECT coalesce(max(version), 0) FROM schema_version", {}, &rows, error);
    int version = ok && !rows.empty() ? std::atoi(rows[0][0].c_str()) : 0;
    if (ok && version > kPostgresSchemaVersion) {
        if (error != nullptr)
            *error = "the database is of a newer version (" + std::to_string(version) +
                     ") than this program knows";
        ok = false;
    }
    for (int v = version; ok && v < kPostgresSchemaVersion; ++v) {
        ok = Run(kMigrations[v], {}, nullptr, error) &&
             Run("INSERT INTO schema_version (version) VALUES ($1)", {std::to_string(v + 1)},
                 nullptr, error);
    }
    ok = ok && Run("COMMIT", {}, nullptr, error);
    if (!ok) Run("ROLLBACK", {}, nullptr, nullptr);
    return ok;
}

bool PostgresStore::Add(const UnitRecord& record, std::string* error) {
    std::string marks;
    for (int i = 1; i <= kUnitColumnCount; ++i) marks += (i > 1 ? ", " : "") + Placeholder(i);
    const std::string insert = "INSERT INTO units (" + UnitColumnList() + ") VALUES (" + marks +
                               ") ON CONFLICT (id) DO NOTHING";
    const std::vector<std::string> values = UnitValues(record);
    if (Run(insert, values, nullptr, error)) return true;
    // A server restarted meanwhile: one new connection, one more try.
    if (PQstatus(conn_) != CONNECTION_BAD) return false;
    PQreset(conn_);
    return PQstatus(conn_) == CONNECTION_OK && Run(insert, values, nullptr, error);
}

bool PostgresStore::Find(const UnitFilter& filter, std::vector<UnitRecord>& found,
                         std::string* error) {
    std::vector<std::string> params;
    std::vector<std::vector<std::string>> rows;
    if (!Run("SELECT " + UnitColumnList() + " FROM units" + UnitWhere(filter, Placeholder, params) +
                 " ORDER BY time DESC, id DESC",
             params, &rows, error))
        return false;
    for (const auto& row : rows) found.push_back(UnitFromValues(row));
    return true;
}

bool PostgresStore::CountPassed(const std::string& runId, long long& count, std::string* error) {
    std::vector<std::vector<std::string>> rows;
    if (!Run("SELECT count(*) FROM units WHERE run_id = $1 AND ok = 1", {runId}, &rows, error))
        return false;
    count = std::atoll(rows.at(0).at(0).c_str());
    return true;
}

}  // namespace velmora::records
