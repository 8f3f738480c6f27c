// Reading, writing and checking a full sattp.csv table: 300 satellites,
// 8000 TPs.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "core/SatTpFile.h"
#include "core/TableCheck.h"

namespace velmora {
namespace {

std::unique_ptr<SatTpDatabase> FullTable() {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    ApplyLnbDefaults(*db);
    for (int s = 0; s < MAX_SATELLITES; ++s) {
        SatRecord& sat = db->satellites[s];
        char name[24];
        std::snprintf(name, sizeof name, "Satellite %03d", s);
        SetSatName(sat, name, std::strlen(name));
        sat.position = static_cast<uint16_t>(s * 12);
        sat.lnbIndex = static_cast<uint8_t>(s % LNB_COUNT);
    }
    for (int t = 0; t < MAX_TPS; ++t) {
        TpRecord& tp = db->tps[t];
        tp = TpRecord{};
        tp.satIndex = static_cast<uint16_t>(t * MAX_SATELLITES / MAX_TPS);
        tp.frequency = 10700 + static_cast<uint32_t>(t % 200) * 10;
        tp.symbolRate = t % 3 == 0 ? 27500 : 22000;
        tp.flags = static_cast<uint8_t>(t % 4);
    }
    db->satCount = MAX_SATELLITES;
    db->tpCount = MAX_TPS;
    return db;
}

// A private folder: TMPDIR when set, else the memory file system, so the
// figures show the program's work rather than the disk's flush latency.
class Folder {
public:
    explicit Folder(const char* root) {
        std::string pattern = std::string(root) + "/bench-sattp-XXXXXX";
        path_.assign(pattern.begin(), pattern.end());
        path_.push_back('\0');
        if (mkdtemp(path_.data()) == nullptr) path_.assign(1, '\0');
    }
    ~Folder() {
        ::unlink(File().c_str());
        ::rmdir(path_.data());
    }
    std::string File() const { return std::string(path_.data()) + "/sattp.csv"; }

private:
    std::vector<char> path_;
};

const char* Root() {
    if (const char* t = std::getenv("TMPDIR")) return t;
    return ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
}

void BM_WriteFullTable(benchmark::State& state, const char* root) {
    auto db = FullTable();
    Folder folder(root);
    std::string path = folder.File();
    for (auto _ : state) {
        if (!WriteSatTpFile(*db, path.c_str())) state.SkipWithError("write failed");
    }
}

void BM_ReadFullTable(benchmark::State& state) {
    auto db = FullTable();
    Folder folder(Root());
    std::string path = folder.File();
    if (!WriteSatTpFile(*db, path.c_str())) state.SkipWithError("write failed");
    auto in = std::make_unique<SatTpDatabase>();
    for (auto _ : state) {
        int result = ReadSatTpFile(*in, path.c_str());
        benchmark::DoNotOptimize(result);
        // The 300th satellite ends the reading, so its own TPs stay out.
        if (result != 0 || in->satCount != MAX_SATELLITES) state.SkipWithError("read failed");
    }
}
// A sound table (no findings), and the worst case: every transponder the same
// one, so each is out of range twice and a duplicate of the first.
void BM_CheckFullTable(benchmark::State& state) {
    auto db = FullTable();
    if (state.range(0) != 0) {
        for (TpRecord& tp : db->tps) tp = TpRecord{};
    }
    std::size_t findings = 0;
    for (auto _ : state) {
        std::vector<TableFinding> found = CheckTable(*db);
        findings = found.size();
        benchmark::DoNotOptimize(found.data());
    }
    state.counters["findings"] = static_cast<double>(findings);
}

BENCHMARK(BM_CheckFullTable)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ReadFullTable)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(7);
BENCHMARK_CAPTURE(BM_WriteFullTable, temp_folder, Root())
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(7);
// The same save on the disk, where the fsync before the rename dominates.
BENCHMARK_CAPTURE(BM_WriteFullTable, var_tmp, "/var/tmp")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(3);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
