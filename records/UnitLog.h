// The unit records of one job on a bench: what every meter of the job shares
// (bench, run, the files and their SHA-256), the store the records go to,
// the local file that keeps them when a server cannot be reached, and the
// job's limit of passed meters. Shared by the production line's threads:
// every method may be called from any of them.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "core/SatTpDatabase.h"
#include "service/BatchReport.h"
#include "records/SqliteStore.h"
#include "records/UnitStore.h"

namespace velmora::records {

struct UnitJob {
    std::string target;     // an SQLite file or a postgresql:// URL
    std::string localPath;  // the bench's SQLite file, for a server out of reach
    std::string bench;
    std::string runId;      // empty: a new one
    int limit = 0;          // passed meters the job needs; 0: no limit
    std::string soft, icon, logo, tablesPath;
    // The tables' SHA-256 when they are in no file as written (the
    // window's edited tables); empty: tablesPath's.
    std::string tablesSha256;
    const SatTpDatabase* tables = nullptr;  // read by Open only
    bool verify = true;
};

// Opens a store: an SQLite file (made when create) or a PostgreSQL server.
std::unique_ptr<UnitStore> OpenUnitStore(const std::string& target, bool create,
                                         std::string* error);

// Sends the records the local file keeps for a server to the server at url;
// sent counts them. False with the reason when it stops.
bool SyncPending(const std::string& localPath, const std::string& url, int& sent,
                 std::string* error);

class UnitLog {
public:
    explicit UnitLog(UnitJob job) : job_(std::move(job)) {}

    // Opens the store and counts the run's passed meters there. A server
    // that cannot be reached is no failure: notice says the records stay in
    // the local file. False with the reason when no record could be kept.
    bool Open(std::string* error, std::string* notice);
    const std::string& RunId() const { return job_.runId; }
    long long Passed();
    bool LimitReached();

    // A place for one more meter within the limit: waits while the meters
    // running would reach it, false once it is reached or giveUp says so.
    bool Claim(const std::function<bool()>& giveUp);
    // Gives back a claimed place that no meter took.
    void Release();

    // Keeps the meter's record (and gives back its place); reason is the
    // message that named a failure. notice gets what the user must hear:
    // a record kept only locally, or not at all.
    void Keep(const BatchRecord& batch, double seconds, const std::string& reason,
              std::string* notice);

    // The record the batch gives, without its ID and time.
    UnitRecord FromBatch(const BatchRecord& batch, double seconds, const std::string& reason);

private:
    UnitJob job_;
    UnitRecord facts_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::unique_ptr<UnitStore> store_;
    std::unique_ptr<SqliteStore> local_;  // the outbox, for a server out of reach
    std::chrono::steady_clock::time_point nextTry_{};
    bool hasTables_ = false;
    long long passed_ = 0;
    int running_ = 0;
};

}  // namespace velmora::records
