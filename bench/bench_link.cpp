// Transfer times against the simulated meter paced like the real line:
// 115200 baud with 12 bits per character (8O2, 9,600 characters a second)
// in both directions and a 100 us turnaround before every answer. Each time
// is printed beside the wire time, the least the exchange can take; the
// target is at most 1.10 times that. Run it on an otherwise idle machine.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/QuietHost.h"
#include "serial/SerialPort.h"
#include "meter/LogoIconUpload.h"
#include "meter/TableTransfer.h"
#include "sim/MeterSim.h"
#include "sim/TableDump.h"

namespace {

using namespace velmora;

constexpr double kCharsPerSecond = 115200.0 / 12;
constexpr double kTurnaroundSeconds = 100e-6;

using BenchHost = testing::QuietHost;

void FillFullTable(SatTpDatabase& db) {
    ClearDatabase(db);
    ApplyLnbDefaults(db);
    for (int i = 0; i < MAX_SATELLITES; ++i) {
        std::string name = "Satellite " + std::to_string(i);
        SetSatName(db.satellites[i], name.c_str(), name.size());
        db.satellites[i].position = static_cast<uint16_t>(i * 12);
    }
    db.satCount = MAX_SATELLITES;
    for (int i = 0; i < MAX_TPS; ++i)
        db.tps[i] = TpRecord{static_cast<uint16_t>(i % MAX_SATELLITES), 0, 0,
                             static_cast<uint32_t>(10700 + i % 2000), 27500};
    db.tpCount = MAX_TPS;
}

// Wire time of an exchange: every character both ways at the line's rate
// plus one turnaround per answer of the meter (its command answer and one
// per frame it acknowledges or sends).
double WireSeconds(long pcChars, long meterChars, long answers) {
    return (pcChars + meterChars) / kCharsPerSecond + answers * kTurnaroundSeconds;
}

// Frames of a full table: 16 LNBs, 2 counts, 300 satellites, 8000 TPs.
constexpr long kTableFrames = 16 + 2 + MAX_SATELLITES + MAX_TPS;
constexpr long kTableFrameChars = 16 * 13 + 2 * 5 + MAX_SATELLITES * 21L + MAX_TPS * 13L;

struct PacedMeter {
    explicit PacedMeter(sim::MeterOptions options = {},
                        sim::LinePacing pacing = {115200, std::chrono::microseconds(100)})
        : meter(std::move(options), pacing),
          link(port, host) {
        meter.Start();
        link.SetPortName(meter.SlavePath());
    }
    ~PacedMeter() { meter.Stop(); }

    sim::MeterSim meter;
    BenchHost host;
    SerialPort port;
    MeterLink link;
};

// Runs the transfer once per iteration and reports the wire time and the
// ratio of the measured time to it.
template <class Transfer>
void Measure(benchmark::State& state, double wireSeconds, Transfer transfer) {
    bool completed = true;
    double seconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        completed = transfer() == OpResult::Completed && completed;
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["wire_s"] = wireSeconds;
    state.counters["ratio"] = seconds / static_cast<double>(state.iterations()) / wireSeconds;
    if (!completed) state.SkipWithError("the transfer did not complete");
}

void BM_WriteFullTable(benchmark::State& state) {
    PacedMeter m;
    FillFullTable(m.host.Database());
    // PC: command + frames; meter: answer + one acknowledgement per frame.
    Measure(state, WireSeconds(2 + kTableFrameChars, 1 + kTableFrames, 1 + kTableFrames),
            [&] { return WriteTablesToMeter(m.link); });
}

void BM_ReadFullTable(benchmark::State& state) {
    auto db = std::make_unique<SatTpDatabase>();
    FillFullTable(*db);
    sim::MeterOptions options;
    options.tables = sim::EncodeTableDump(*db);
    PacedMeter m(options);
    // PC: command, go and one acknowledgement per frame; meter: answer + frames.
    Measure(state, WireSeconds(3 + kTableFrames, 1 + kTableFrameChars, 1 + kTableFrames),
            [&] { return ReadTablesFromMeter(m.link); });
}

// A write checked by reading the table back: both transfers on one opening
// of the port, so the figure is measured against both wire times together.
void BM_WriteFullTableVerified(benchmark::State& state) {
    PacedMeter m;
    FillFullTable(m.host.Database());
    const double write = WireSeconds(2 + kTableFrameChars, 1 + kTableFrames, 1 + kTableFrames);
    const double read = WireSeconds(3 + kTableFrames, 1 + kTableFrameChars, 1 + kTableFrames);
    TableWriteOptions verify;
    verify.verify = true;
    Measure(state, write + read, [&] { return WriteTablesToMeter(m.link, verify); });
}

void BM_WriteLogo(benchmark::State& state) {
    PacedMeter m;
    char dir[] = "/tmp/velmora-bench-XXXXXX";
    if (::mkdtemp(dir) == nullptr) return state.SkipWithError("no temp folder");
    std::string path = std::string(dir) + "/stm32logo.bin";
    std::vector<uint8_t> logo(LOGO_FILE_BYTES);
    for (std::size_t i = 0; i < logo.size(); ++i) logo[i] = static_cast<uint8_t>(i);
    sim::WriteBinaryFile(path, logo);
    constexpr long frames = LOGO_FRAME_COUNT + 1;
    Measure(state, WireSeconds(2 + LOGO_FRAME_COUNT * 49L + 5, 1 + frames, 1 + frames),
            [&] { return WriteLogoToMeter(m.link, path); });
    std::filesystem::remove_all(dir);
}

// The same write on an unpaced line: what one frame's round trip through the
// pseudo-terminal, the simulator and the receive thread costs by itself.
void BM_WriteFullTableUnpaced(benchmark::State& state) {
    PacedMeter m({}, sim::LinePacing{});
    FillFullTable(m.host.Database());
    for (auto _ : state) {
        if (WriteTablesToMeter(m.link) != OpResult::Completed) state.SkipWithError("failed");
    }
    state.counters["us_per_frame"] = benchmark::Counter(
        1 + kTableFrames, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A paced transfer runs once per repetition; the median of three is the
// figure that counts, the maximum shows how far one run strayed.
void Paced(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3)->UseRealTime();
    b->ReportAggregatesOnly(true);
    b->ComputeStatistics("max", [](const std::vector<double>& v) {
        return *std::max_element(v.begin(), v.end());
    });
}

BENCHMARK(BM_WriteFullTableUnpaced)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteFullTable)->Apply(Paced);
BENCHMARK(BM_ReadFullTable)->Apply(Paced);
BENCHMARK(BM_WriteFullTableVerified)->Apply(Paced);
BENCHMARK(BM_WriteLogo)->Apply(Paced);

}  // namespace

BENCHMARK_MAIN();
