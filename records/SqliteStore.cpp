#include "records/SqliteStore.h"

#include <sqlite3.h>

#include <chrono>
#include <thread>

namespace velmora::records {

namespace {

// A writer waits this long for another to finish (WAL lets one write at a
// time), then the whole transaction is tried again, a bounded number of times.
constexpr int kBusyTimeoutMs = 5000;
constexpr int kAttempts = 5;

// Each version's statements, applied in order inside one transaction.
const char* const kMigrations[kSqliteSchemaVersion] = {
    // 1: the records.
    "CREATE TABLE units (id TEXT PRIMARY KEY, run_id TEXT NOT NULL, time TEXT NOT NULL,"
    " bench TEXT NOT NULL, port TEXT NOT NULL, meter INTEGER NOT NULL, uid TEXT NOT NULL,"
    " steps TEXT NOT NULL, firmware_name TEXT NOT NULL, firmware_size INTEGER NOT NULL,"
    " firmware_sha256 TEXT NOT NULL, tables_sha256 TEXT NOT NULL, sat_count INTEGER NOT NULL,"
    " tp_count INTEGER NOT NULL, logo_sha256 TEXT NOT NULL, icon_sha256 TEXT NOT NULL,"
    " verify TEXT NOT NULL, seconds REAL NOT NULL, ok INTEGER NOT NULL, result TEXT NOT NULL,"
    " reason TEXT NOT NULL);"
    "CREATE INDEX units_time ON units (time);",
    // 2: lookups by chip and run, and the outbox of records for a server.
    "CREATE INDEX units_uid ON units (uid);"
    "CREATE INDEX units_run ON units (run_id, ok);"
    "CREATE TABLE outbox (id TEXT PRIMARY KEY REFERENCES units (id));",
};

std::string Placeholder(int n) { return "?" + std::to_string(n); }

bool Busy(int code) {
    code &= 0xFF;
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) {
        code_ = sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    int Code() const { return code_; }
    void Bind(const std::vector<std::string>& values) {
        for (std::size_t i = 0; i < values.size(); ++i)
            sqlite3_bind_text(stmt_, static_cast<int>(i + 1), values[i].c_str(),
                              static_cast<int>(values[i].size()), SQLITE_TRANSIENT);
    }
    // SQLITE_ROW, SQLITE_DONE or an error.
    int Step() { return code_ = sqlite3_step(stmt_); }
    std::string Text(int column) {
        const unsigned char* text = sqlite3_column_text(stmt_, column);
        return text == nullptr ? std::string()
                               : std::string(reinterpret_cast<const char*>(text),
                                             sqlite3_column_bytes(stmt_, column));
    }
    long long Integer(int column) { return sqlite3_column_int64(stmt_, column); }

private:
    sqlite3_stmt* stmt_ = nullptr;
    int code_ = SQLITE_OK;
};

bool Fail(sqlite3* db, const std::string& path, std::string* error) {
    if (error != nullptr) *error = path + ": " + sqlite3_errmsg(db);
    return false;
}

// Runs body inside BEGIN IMMEDIATE ... COMMIT, again while the database is
// busy, at most kAttempts times; body returns an SQLite code.
template <class Body>
bool InTransaction(sqlite3* db, const std::string& path, std::string* error, Body body) {
    int code = SQLITE_OK;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        code = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        if (code == SQLITE_OK) {
            code = body();
            if (code == SQLITE_OK || code == SQLITE_DONE)
                code = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
            if (code == SQLITE_OK) return true;
            std::string message = sqlite3_errmsg(db);
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            if (!Busy(code)) {
                if (error != nullptr) *error = path + ": " + message;
                return false;
            }
        } else if (!Busy(code)) {
            return Fail(db, path, error);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20 * (attempt + 1)));
    }
    if (error != nullptr) *error = path + ": still busy after " + std::to_string(kAttempts) +
                                   " tries (another writer holds it)";
    return false;
}

}  // namespace

std::unique_ptr<SqliteStore> SqliteStore::Open(const std::string& path, bool create,
                                               std::string* error) {
    if (error != nullptr) error->clear();
    sqlite3* db = nullptr;
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        if (error != nullptr) *error = "cannot open " + path + ": " + sqlite3_errmsg(db);
        sqlite3_close(db);
        return nullptr;
    }
    std::unique_ptr<SqliteStore> store(new SqliteStore(db, path));
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // FULL: a committed record survives a power cut, not only a crash.
    const char* setup = "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;";
    if (sqlite3_exec(db, setup, nullptr, nullptr, nullptr) != SQLITE_OK ||
        !store->Migrate(kSqliteSchemaVersion, error)) {
        if (error != nullptr && error->empty()) Fail(db, path, error);
        return nullptr;
    }
    return store;
}

bool SqliteStore::CreateAtVersion(const std::string& path, int version, std::string* error) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    SqliteStore store(db, path);
    return store.Migrate(version, error);
}

SqliteStore::~SqliteStore() { sqlite3_close(db_); }

int SqliteStore::SchemaVersion() {
    Statement query(db_, "PRAGMA user_version");
    return query.Step() == SQLITE_ROW ? static_cast<int>(query.Integer(0)) : -1;
}

bool SqliteStore::Migrate(int upTo, std::string* error) {
    // The version is read again inside the transaction: another process may
    // have upgraded the file meanwhile.
    int newer = 0;
    bool done = InTransaction(db_, path_, error, [&] {
        int version = SchemaVersion();
        if (version < 0) return SQLITE_ERROR;
        if (version > kSqliteSchemaVersion) {
            newer = version;
            return SQLITE_ERROR;
        }
        for (int v = version; v < upTo; ++v) {
            int code = sqlite3_exec(db_, kMigrations[v], nullptr, nullptr, nullptr);
            if (code != SQLITE_OK) return code;
        }
        if (upTo <= version) return SQLITE_OK;
        return sqlite3_exec(db_, ("PRAGMA user_version=" + std::to_string(upTo)).c_str(), nullptr,
                            nullptr, nullptr);
    });
    if (newer > 0 && error != nullptr)
        *error = path_ + " is of a newer version (" + std::to_string(newer) +
                 ") than this program knows";
    return done;
}

bool SqliteStore::Write(const UnitRecord& record, bool pending, std::string* error) {
    std::string marks;
    for (int i = 1; i <= kUnitColumnCount; ++i) marks += (i > 1 ? ", " : "") + Placeholder(i);
    const std::string insert = "INSERT INTO units (" + UnitColumnList() + ") VALUES (" + marks +
                               ") ON CONFLICT (id) DO NOTHING";
    const std::vector<std::string> values = UnitValues(record);
    return InTransaction(db_, path_, error, [&] {
        Statement add(db_, insert);
        if (add.Code() != SQLITE_OK) return add.Code();
        add.Bind(values);
        if (add.Step() != SQLITE_DONE) return add.Code();
        if (!pending) return SQLITE_OK;
        Statement queue(db_, "INSERT OR IGNORE INTO outbox (id) VALUES (?1)");
        queue.Bind({record.id});
        return queue.Step();
    });
}

bool SqliteStore::Add(const UnitRecord& record, std::string* error) {
    return Write(record, false, error);
}

bool SqliteStore::AddPending(const UnitRecord& record, std::string* error) {
    return Write(record, true, error);
}

bool SqliteStore::Find(const UnitFilter& filter, std::vector<UnitRecord>& found,
                       std::string* error) {
    std::vector<std::string> params;
    std::string sql = "SELECT " + UnitColumnList() + " FROM units" +
                      UnitWhere(filter, Placeholder, params) + " ORDER BY time DESC, rowid DESC";
    Statement query(db_, sql);
    if (query.Code() != SQLITE_OK) return Fail(db_, path_, error);
    query.Bind(params);
    while (query.Step() == SQLITE_ROW) {
        std::vector<std::string> values;
        for (int i = 0; i < kUnitColumnCount; ++i) values.push_back(query.Text(i));
        found.push_back(UnitFromValues(values));
    }
    return query.Code() == SQLITE_DONE || Fail(db_, path_, error);
}

bool SqliteStore::CountPassed(const std::string& runId, long long& count, std::string* error) {
    return Count("SELECT count(*) FROM units WHERE run_id = ?1 AND ok = 1", runId, count, error);
}

bool SqliteStore::CountPending(const std::string& runId, long long& count, std::string* error) {
    return Count("SELECT count(*) FROM units WHERE run_id = ?1 AND ok = 1"
                 " AND id IN (SELECT id FROM outbox)",
                 runId, count, error);
}

bool SqliteStore::Count(const char* sql, const std::string& runId, long long& count,
                        std::string* error) {
    Statement query(db_, sql);
    query.Bind({runId});
    if (query.Step() != SQLITE_ROW) return Fail(db_, path_, error);
    count = query.Integer(0);
    return true;
}

bool SqliteStore::SendPending(const std::function<bool(const UnitRecord&, std::string*)>& send,
                              int& sent, std::string* error) {
    sent = 0;
    std::vector<UnitRecord> pending;
    {
        Statement query(db_, "SELECT " + UnitColumnList() +
                                 " FROM units WHERE id IN (SELECT id FROM outbox) ORDER BY time");
        while (query.Step() == SQLITE_ROW) {
            std::vector<std::string> values;
            for (int i = 0; i < kUnitColumnCount; ++i) values.push_back(query.Text(i));
            pending.push_back(UnitFromValues(values));
        }
        if (query.Code() != SQLITE_DONE) return Fail(db_, path_, error);
    }
    for (const UnitRecord& record : pending) {
        // Sent first, taken out after: a crash between the two sends it
        // again, and the server keeps the first of an ID.
        if (!send(record, error)) return false;
        bool taken = InTransaction(db_, path_, error, [&] {
            Statement take(db_, "DELETE FROM outbox WHERE id = ?1");
            take.Bind({record.id});
            return take.Step();
        });
        if (!taken) return false;
        ++sent;
    }
    return true;
}

}  // namespace velmora::records
