// The bench's unit database (SQLite, on the scratch folder's disk): what
// keeping one meter's record costs the production line (one transaction,
// synchronous=FULL: the record is on the disk when Keep returns), and a
// meter found by its unique ID among 10,000 records (target: under 10 ms,
// which the index on uid makes microseconds). The line's own time with and
// without --record is BM_EightMeters and BM_EightMetersRecorded in
// bench_production.
#include <benchmark/benchmark.h>

#include <chrono>

#include "BenchSupport.h"
#include "records/SqliteStore.h"
#include "records/UnitLog.h"

namespace {

using namespace velmora;
using namespace velmora::records;

constexpr int kRecords = 10000;

std::string Uid(int n) {
    char text[25];
    std::snprintf(text, sizeof text, "3400215a3432470d%08x", n);
    return text;
}

BatchRecord Meter(int n) {
    BatchRecord batch;
    batch.start = 1765238400 + n;
    batch.port = "/dev/ttyUSB" + std::to_string(n % 8);
    batch.uniqueId = Uid(n);
    batch.ok = n % 20 != 0;
    batch.result = batch.ok ? "PATCH UP finished " : "SAT&TP upgrade failed ! ";
    for (auto& step : batch.steps) step = {true, true, batch.ok, 4.2};
    return batch;
}

void BM_KeepOneRecord(benchmark::State& state) {
    bench::Scratch scratch;
    UnitJob job;
    job.target = scratch.File("units.sqlite");
    job.bench = "bench-1";
    UnitLog log(job);
    std::string error;
    if (!log.Open(&error, nullptr)) return state.SkipWithError(error.c_str());
    int n = 0;
    for (auto _ : state) {
        std::string notice;
        log.Keep(Meter(++n), 30.0, "No answer from the meter on /dev/ttyUSB0", &notice);
        if (!notice.empty()) return state.SkipWithError(notice.c_str());
    }
}

void BM_FindByUidAmong10000(benchmark::State& state) {
    bench::Scratch scratch;
    const std::string path = scratch.File("units.sqlite");
    std::string error;
    auto store = SqliteStore::Open(path, true, &error);
    if (!store) return state.SkipWithError(error.c_str());
    UnitJob job;
    job.target = path;
    job.bench = "bench-1";
    UnitLog facts(job);
    facts.Open(&error, nullptr);
    for (int n = 0; n < kRecords; ++n) {
        UnitRecord r = facts.FromBatch(Meter(n), 30.0, "");
        r.id = NewUuid();
        r.time = UtcTime(1765238400 + n);
        if (!store->Add(r, &error)) return state.SkipWithError(error.c_str());
    }
    // A fresh connection, as velmora-cli units opens one.
    store.reset();
    int n = 0;
    for (auto _ : state) {
        auto reader = SqliteStore::Open(path, false, &error);
        UnitFilter filter;
        filter.uid = Uid((n++ * 7919) % kRecords);
        std::vector<UnitRecord> found;
        if (!reader || !reader->Find(filter, found, &error) || found.size() != 1)
            return state.SkipWithError(("not found: " + error).c_str());
    }
}

BENCHMARK(BM_KeepOneRecord)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK(BM_FindByUidAmong10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
