// The bench's unit database under the loads a bench puts on it: several
// threads and processes writing at once, a writer killed mid-record, a file
// of an older schema.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#include "records/SqliteStore.h"
#include "tests/support/ScratchFolder.h"

namespace velmora::records {
namespace {

UnitRecord Sample(int n) {
    UnitRecord r;
    r.id = NewUuid();
    r.runId = "run";
    r.time = UtcTime(1765238400 + n);
    r.bench = "bench";
    r.port = "/dev/ttyUSB0";
    r.uid = "3400215a3432470d2038" + std::to_string(1000 + n % 9000);
    r.steps = {{"soft", n % 5 ? "ok" : "failed", 1.5}};
    r.ok = n % 5 != 0;
    r.reason = r.ok ? "" : "No answer from the meter on /dev/ttyUSB0";
    return r;
}

// Writes count records; exits the process on a failure when child.
int WriteMany(const std::string& path, int from, int count) {
    std::string error;
    auto store = SqliteStore::Open(path, true, &error);
    if (!store) return 0;
    int written = 0;
    for (int i = from; i < from + count; ++i) written += store->Add(Sample(i), &error);
    return written;
}

TEST(SqliteStore, FourThreadsAndTwoProcessesWriteEveryRecordOnce) {
    testing::ScratchFolder folder;
    const std::string path = folder.File("units.sqlite");
    ASSERT_NE(SqliteStore::Open(path, true, nullptr), nullptr);
    std::vector<pid_t> children;
    for (int p = 0; p < 2; ++p) {
        pid_t pid = ::fork();
        if (pid == 0) _exit(WriteMany(path, 1000 * (p + 1), 50) == 50 ? 0 : 1);
        children.push_back(pid);
    }
    std::vector<std::thread> threads;
    std::vector<int> written(4);
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] { written[t] = WriteMany(path, 100 * t, 100); });
    for (auto& t : threads) t.join();
    for (pid_t pid : children) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (int n : written) EXPECT_EQ(n, 100);
    auto store = SqliteStore::Open(path, false, nullptr);
    std::vector<UnitRecord> all;
    ASSERT_TRUE(store->Find({}, all, nullptr));
    EXPECT_EQ(all.size(), 500u);
    // Newest first, and a record added twice is kept once.
    EXPECT_GE(all.front().time, all.back().time);
    EXPECT_TRUE(store->Add(all.front(), nullptr));
    std::vector<UnitRecord> again;
    store->Find({}, again, nullptr);
    EXPECT_EQ(again.size(), 500u);
}

TEST(SqliteStore, AWriterKilledMidRecordLeavesWholeRecordsAndAFileThatOpens) {
    testing::ScratchFolder folder;
    const std::string path = folder.File("units.sqlite");
    pid_t pid = ::fork();
    if (pid == 0) {
        WriteMany(path, 0, 1000000);
        _exit(0);
    }
    for (int i = 0; i < 200; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        auto store = SqliteStore::Open(path, false, nullptr);
        std::vector<UnitRecord> some;
        if (store && store->Find({}, some, nullptr) && some.size() > 20) break;
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    std::string error;
    auto store = SqliteStore::Open(path, false, &error);
    ASSERT_NE(store, nullptr) << error;
    std::vector<UnitRecord> all;
    ASSERT_TRUE(store->Find({}, all, &error)) << error;
    EXPECT_GT(all.size(), 20u);
    for (const UnitRecord& r : all) {
        EXPECT_EQ(r.steps.size(), 1u);
        EXPECT_EQ(r.reason.empty(), r.ok);
    }
    EXPECT_TRUE(store->Add(Sample(1), &error)) << error;
}

TEST(SqliteStore, AnOlderFileIsUpgradedAndKeepsItsRecords) {
    testing::ScratchFolder folder;
    const std::string path = folder.File("units.sqlite");
    ASSERT_TRUE(SqliteStore::CreateAtVersion(path, 1, nullptr));
    {
        // What version 1 holds: records, no outbox.
        auto old = SqliteStore::Open(path, false, nullptr);
        ASSERT_NE(old, nullptr);
    }
    auto store = SqliteStore::Open(path, false, nullptr);
    ASSERT_NE(store, nullptr);
    EXPECT_EQ(store->SchemaVersion(), kSqliteSchemaVersion);
    UnitRecord record = Sample(7);
    ASSERT_TRUE(store->AddPending(record, nullptr));
    UnitFilter byUid;
    byUid.uid = record.uid;
    std::vector<UnitRecord> found;
    ASSERT_TRUE(store->Find(byUid, found, nullptr));
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].reason, record.reason);
}

TEST(SqliteStore, NotADatabaseIsRefusedWithItsName) {
    testing::ScratchFolder folder;
    const std::string path = folder.File("units.sqlite");
    testing::Spit(path, std::string("time,port\n"));
    std::string error;
    EXPECT_EQ(SqliteStore::Open(path, true, &error), nullptr);
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(SqliteStore::Open(folder.File("missing.sqlite"), false, &error), nullptr);
}

}  // namespace
}  // namespace velmora::records
