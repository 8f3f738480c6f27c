// Unit records in an SQLite file: WAL mode, so the ports and processes of
// one bench write at once and readers never wait; each record is one
// transaction, so a crash or a pulled plug leaves it whole or absent. The
// file also keeps the outbox: records meant for a server that could not be
// reached, sent on by Sync.
#pragma once

#include <functional>

#include "records/UnitStore.h"

struct sqlite3;

namespace velmora::records {

// The schema's versions, oldest first; a file is brought to the newest when
// it is opened.
inline constexpr int kSqliteSchemaVersion = 2;

class SqliteStore : public UnitStore {
public:
    // create: make the file when it is missing (a query does not).
    static std::unique_ptr<SqliteStore> Open(const std::string& path, bool create,
                                             std::string* error);
    // Makes a file of an older schema version, for upgrade tests.
    static bool CreateAtVersion(const std::string& path, int version, std::string* error);
    ~SqliteStore() override;
    SqliteStore(const SqliteStore&) = delete;
    SqliteStore& operator=(const SqliteStore&) = delete;

    bool Add(const UnitRecord& record, std::string* error) override;
    bool Find(const UnitFilter& filter, std::vector<UnitRecord>& found,
              std::string* error) override;
    bool CountPassed(const std::string& runId, long long& count, std::string* error) override;

    // The record and its place in the outbox, in one transaction.
    bool AddPending(const UnitRecord& record, std::string* error);
    // Sends every record of the outbox through send (false: stop, it stays)
    // and takes each sent one out; sent counts them.
    bool SendPending(const std::function<bool(const UnitRecord&, std::string*)>& send,
                     int& sent, std::string* error);
    // The passed records of a run still in the outbox.
    bool CountPending(const std::string& runId, long long& count, std::string* error);
    int SchemaVersion();

private:
    explicit SqliteStore(sqlite3* db, std::string path) : db_(db), path_(std::move(path)) {}
    bool Write(const UnitRecord& record, bool pending, std::string* error);
    bool Migrate(int upTo, std::string* error);
    bool Count(const char* sql, const std::string& runId, long long& count, std::string* error);

    sqlite3* db_;
    std::string path_;
};

}  // namespace velmora::records
