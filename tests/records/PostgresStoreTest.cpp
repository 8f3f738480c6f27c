// The database many benches share, against a server of the test program's
// own: two benches writing at once, the server stopped in the middle of a
// run, a schema made in an empty database.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libpq-fe.h>

#include <array>
#include <set>
#include <thread>

#include "records/PostgresStore.h"
#include "records/UnitLog.h"
#include "tests/support/PostgresCluster.h"
#include "tests/support/ScratchFolder.h"

namespace velmora::records {
namespace {

using ::testing::HasSubstr;

std::string Uid(int n) { return "3400215a3432470d2038" + std::to_string(1000 + n); }

UnitRecord Sample(const std::string& bench, int n) {
    UnitRecord r;
    r.id = NewUuid();
    r.runId = "run-" + bench;
    r.time = UtcTime(1765238400 + n);
    r.bench = bench;
    r.port = "/dev/ttyUSB" + std::to_string(n % 4);
    r.uid = Uid(n);
    r.steps = {{"soft", "ok", 9.5}};
    r.ok = n % 10 != 0;
    r.reason = r.ok ? "" : "No answer from the meter on " + r.port;
    return r;
}

// The first column of the first row of sql, or the server's error.
std::string Ask(const std::string& url, const std::string& sql) {
    PGconn* conn = PQconnectdb(url.c_str());
    PGresult* result = PQexec(conn, sql.c_str());
    std::string answer = PQresultStatus(result) == PGRES_TUPLES_OK && PQntuples(result) > 0
                             ? PQgetvalue(result, 0, 0)
                             : PQresultStatus(result) == PGRES_COMMAND_OK ? ""
                                                                          : PQerrorMessage(conn);
    PQclear(result);
    PQfinish(conn);
    return answer;
}

// Both benches start on an empty database, so both try to make the schema.
TEST(PostgresStore, TwoBenchesWriteAtOnceIntoAFreshDatabase) {
    VELMORA_POSTGRES_CLUSTER(server);
    std::string error;
    const std::string url = server->NewDatabase(&error);
    ASSERT_FALSE(url.empty()) << error;
    std::array<int, 2> written{};
    std::array<std::string, 2> errors;
    std::vector<std::thread> benches;
    for (int b = 0; b < 2; ++b) {
        benches.emplace_back([&, b] {
            auto store = PostgresStore::Open(url, &errors[b]);
            if (!store) return;
            for (int i = 0; i < 100; ++i)
                written[b] += store->Add(Sample("bench-" + std::to_string(b), i), &errors[b]);
        });
    }
    for (auto& t : benches) t.join();
    EXPECT_EQ(written, (std::array<int, 2>{100, 100})) << errors[0] << errors[1];
    auto store = PostgresStore::Open(url, &error);
    ASSERT_NE(store, nullptr) << error;
    std::vector<UnitRecord> all;
    ASSERT_TRUE(store->Find({}, all, &error)) << error;
    ASSERT_EQ(all.size(), 200u);
    EXPECT_GE(all.front().time, all.back().time);
    UnitFilter one;
    one.uid = Uid(10);
    one.bench = "bench-1";
    std::vector<UnitRecord> found;
    ASSERT_TRUE(store->Find(one, found, &error)) << error;
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].reason, "No answer from the meter on /dev/ttyUSB2");
    EXPECT_EQ(found[0].steps.size(), 1u);
    long long passed = 0;
    ASSERT_TRUE(store->CountPassed("run-bench-0", passed, &error));
    EXPECT_EQ(passed, 90);
}

// The records made while the server is away wait in the bench's file and
// reach the server once, however often the sync runs.
TEST(PostgresStore, RecordsOfAStoppedServerWaitLocallyAndAreSyncedOnce) {
    VELMORA_POSTGRES_CLUSTER(server);
    std::string error;
    const std::string url = server->NewDatabase(&error);
    ASSERT_FALSE(url.empty()) << error;
    testing::ScratchFolder folder;
    const std::string local = folder.File("units.sqlite");
    UnitJob job;
    job.target = url;
    job.localPath = local;
    job.bench = "bench-1";
    UnitLog log(job);
    std::string notice;
    ASSERT_TRUE(log.Open(&error, &notice)) << error;
    EXPECT_EQ(notice, "");
    auto keep = [&](int meter) {
        BatchRecord batch;
        batch.start = 1765238400 + meter;
        batch.port = "/dev/ttyUSB0";
        batch.meter = meter;
        batch.uniqueId = Uid(meter);
        batch.ok = meter != 5;
        batch.result = batch.ok ? "PATCH UP finished " : "SAT&TP upgrade failed ! ";
        std::string said;
        log.Keep(batch, 2.0, batch.ok ? "" : "No answer from the meter on /dev/ttyUSB0", &said);
        return said;
    };
    for (int meter = 1; meter <= 3; ++meter) EXPECT_EQ(keep(meter), "");
    ASSERT_TRUE(server->Stop(&error)) << error;
    EXPECT_THAT(keep(4), HasSubstr(local));
    keep(5);
    keep(6);
    int sent = 0;
    EXPECT_FALSE(SyncPending(local, url, sent, &error));
    ASSERT_TRUE(server->Start(&error)) << error;
    ASSERT_TRUE(SyncPending(local, url, sent, &error)) << error;
    EXPECT_EQ(sent, 3);
    ASSERT_TRUE(SyncPending(local, url, sent, &error)) << error;
    EXPECT_EQ(sent, 0);
    auto store = PostgresStore::Open(url, &error);
    ASSERT_NE(store, nullptr) << error;
    std::vector<UnitRecord> all;
    ASSERT_TRUE(store->Find({}, all, &error)) << error;
    std::multiset<std::string> uids;
    for (const UnitRecord& r : all) uids.insert(r.uid);
    EXPECT_EQ(uids, (std::multiset<std::string>{Uid(1), Uid(2), Uid(3), Uid(4), Uid(5), Uid(6)}));
    UnitFilter failed;
    failed.ok = false;
    std::vector<UnitRecord> failures;
    ASSERT_TRUE(store->Find(failed, failures, &error));
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].reason, "No answer from the meter on /dev/ttyUSB0");
    EXPECT_EQ(failures[0].result, "SAT&TP upgrade failed !");
    // A record sent again (a sync cut off after its send) is kept once.
    EXPECT_TRUE(store->Add(all.front(), &error)) << error;
    EXPECT_EQ(Ask(url, "SELECT count(*) FROM units"), "6");
}

TEST(PostgresStore, MakesItsSchemaInAnEmptyDatabaseAndRefusesANewerOne) {
    VELMORA_POSTGRES_CLUSTER(server);
    std::string error;
    const std::string url = server->NewDatabase(&error);
    ASSERT_FALSE(url.empty()) << error;
    for (int open = 0; open < 2; ++open) {
        auto store = PostgresStore::Open(url, &error);
        ASSERT_NE(store, nullptr) << error;
        EXPECT_TRUE(store->Add(Sample("bench", open), &error)) << error;
    }
    EXPECT_EQ(Ask(url, "SELECT count(*) || ' ' || max(version) FROM schema_version"),
              "1 " + std::to_string(kPostgresSchemaVersion));
    EXPECT_EQ(Ask(url, "SELECT count(*) FROM units WHERE uid = '" + Uid(1) + "'"), "1");
    EXPECT_EQ(Ask(url, "INSERT INTO schema_version VALUES (99)"), "");
    EXPECT_EQ(PostgresStore::Open(url, &error), nullptr);
    EXPECT_THAT(error, HasSubstr("newer version (99)"));
}

}  // namespace
}  // namespace velmora::records
