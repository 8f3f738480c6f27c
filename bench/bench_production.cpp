// The production line: eight simulated meters, paced like the real line
// (115200 baud, 100 us turnaround), each taking a 64 KB firmware and full
// tables (300 satellites, 8000 transponders) at the same time, against one
// meter alone. Targets: eight at once within 1.15 times the time of one,
// and the tool under half a core on average meanwhile. The meters run in a
// velmora-metersim process of their own, so the process CPU time measured
// here is the tool's alone; cpu_per_port divides it by the ports. With
// --record into the bench's SQLite file the eight take within 1 % of the time
// they take without (vs_unrecorded).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <thread>

#include "BenchSupport.h"
#include "cli/ProductionLine.h"
#include "records/UnitLog.h"
#include "sim/FirmwareSample.h"
#include "sim/SampleTables.h"

extern char** environ;

namespace {

using namespace velmora;
using namespace velmora::bench;
using Clock = std::chrono::steady_clock;

constexpr int kMeters = 8;

double ProcessCpuSeconds() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Eight paced meters in their bootloader, in a process of their own.
class MeterProcess {
public:
    explicit MeterProcess(const Scratch& scratch) : prefix_(scratch.File("m")) {
        std::vector<std::string> args = {VELMORA_METERSIM_BINARY,
                                         "--meters", std::to_string(kMeters),
                                         "--link", prefix_,
                                         "--baud", std::to_string(kBaud),
                                         "--turnaround-us", "100",
                                         "--bootloader", "--product-id", "0x418",
                                         "--flash-kb", "256", "--page-size", "2048",
                                         "--quiet"};
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        // Its slave paths on standard output would only clutter the figures.
        posix_spawn_file_actions_t actions;
        ::posix_spawn_file_actions_init(&actions);
        ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        if (::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid_ = -1;
        ::posix_spawn_file_actions_destroy(&actions);
        for (int i = 0; i < 200 && pid_ > 0 && !std::filesystem::exists(Port(kMeters)); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ~MeterProcess() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    bool Running() const { return pid_ > 0 && std::filesystem::exists(Port(kMeters)); }
    std::string Port(int k) const { return prefix_ + std::to_string(k); }
    // Every meter back into its bootloader for the next run.
    void PowerCycle() {
        ::kill(pid_, SIGUSR1);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }

private:
    std::string prefix_;
    pid_t pid_ = -1;
};

void Measure(benchmark::State& state, int ports, bool record = false) {
    Scratch scratch;
    MeterProcess meters(scratch);
    if (!meters.Running()) return state.SkipWithError("velmora-metersim did not start");
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    sim::FillSampleTables(*db);
    cli::LineJob job;
    job.soft = scratch.File("rav32izazud_64k.hex");
    sim::WriteIntelHexFile(job.soft, sim::SampleFirmware(0x10000, 42));
    job.tables = db.get();
    job.timing.afterSoft = job.timing.afterUpload = std::chrono::milliseconds(0);
    std::vector<std::string> names;
    for (int k = 1; k <= ports; ++k) names.push_back(meters.Port(k));
    records::UnitJob unitJob;
    unitJob.target = scratch.File("units.sqlite");
    unitJob.bench = "bench-1";
    unitJob.soft = job.soft;
    unitJob.tables = db.get();
    records::UnitLog units(unitJob);
    std::string error;
    if (record && !units.Open(&error, nullptr)) return state.SkipWithError(error.c_str());
    if (record) job.units = &units;

    for (auto _ : state) {
        meters.PowerCycle();
        std::ostringstream out, err;
        cli::CliStreams io{out, err};
        double cpu = ProcessCpuSeconds();
        auto start = Clock::now();
        int status = cli::RunProductionLine(names, job, io, false);
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        cpu = ProcessCpuSeconds() - cpu;
        state.SetIterationTime(seconds);
        if (status != cli::kExitOk) return state.SkipWithError(out.str().c_str());
        state.counters["cores"] = cpu / seconds;
        state.counters["cpu_s_per_port"] = cpu / ports;
        static double alone = 0;
        static double unrecorded = 0;
        if (ports == 1) alone = seconds;
        if (ports > 1 && alone > 0) state.counters["vs_one_alone"] = seconds / alone;
        if (ports > 1 && !record) unrecorded = seconds;
        if (record && unrecorded > 0) state.counters["vs_unrecorded"] = seconds / unrecorded;
    }
}

void BM_OneMeter(benchmark::State& state) { Measure(state, 1); }
void BM_EightMeters(benchmark::State& state) { Measure(state, kMeters); }
void BM_EightMetersRecorded(benchmark::State& state) { Measure(state, kMeters, true); }

BENCHMARK(BM_OneMeter)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();
BENCHMARK(BM_EightMeters)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();
BENCHMARK(BM_EightMetersRecorded)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
