// Unit records on a PostgreSQL server that many benches share. The program
// creates and upgrades the schema itself (a version table, the migrations in
// order, one bench at a time under an advisory lock); a record is one INSERT
// that keeps the first record of an ID, so a record sent twice counts once.
#pragma once

#include "records/UnitStore.h"

struct pg_conn;

namespace velmora::records {

inline constexpr int kPostgresSchemaVersion = 1;

class PostgresStore : public UnitStore {
public:
    // url: postgresql://user@host/db or postgresql:///db?host=/socket/folder.
    // A server that does not answer in a few seconds gives up.
    static std::unique_ptr<PostgresStore> Open(const std::string& url, std::string* error);
    ~PostgresStore() override;
    PostgresStore(const PostgresStore&) = delete;
    PostgresStore& operator=(const PostgresStore&) = delete;

    bool Add(const UnitRecord& record, std::string* error) override;
    bool Find(const UnitFilter& filter, std::vector<UnitRecord>& found,
              std::string* error) override;
    bool CountPassed(const std::string& runId, long long& count, std::string* error) override;

private:
    explicit PostgresStore(pg_conn* conn) : conn_(conn) {}
    bool Migrate(std::string* error);
    // Runs sql with params; rows (when given) gets each row's texts.
    bool Run(const std::string& sql, const std::vector<std::string>& params,
             std::vector<std::vector<std::string>>* rows, std::string* error);

    pg_conn* conn_;
};

}  // namespace velmora::records
