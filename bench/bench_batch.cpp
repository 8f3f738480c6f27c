// A full patch-up batch against the simulated meter started into its
// bootloader, paced like the real line (115200 baud; 8E1 until GO, 8O2 after;
// 100 us turnaround before every answer), with the waits between the steps
// set to 0: a 256 KB firmware, an icon set, a logo and full tables (300
// satellites, 8000 transponders). Printed next to the sum of the wire times
// of its steps; target at most 1.10 times that.
#include <benchmark/benchmark.h>

#include <chrono>

#include "BenchSupport.h"
#include "service/BatchUpgrade.h"
#include "serial/SerialPort.h"
#include "meter/LogoIconUpload.h"
#include "sim/BootMeterSim.h"
#include "sim/FirmwareSample.h"
#include "sim/SampleTables.h"
#include "sim/TableDump.h"

namespace {

using namespace velmora;
using namespace velmora::bench;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::microseconds kTurnaround{100};
constexpr double kTurnaroundSeconds = 100e-6;

std::vector<uint8_t> Pattern(std::size_t size, std::vector<uint8_t> head = {}) {
    std::size_t at = head.size();
    head.resize(size);
    for (; at < size; ++at) head[at] = static_cast<uint8_t>(at * 7 + 3);
    return head;
}

void BM_FullBatch(benchmark::State& state) {
    Scratch scratch;
    std::string soft = scratch.File("rav32izazud_256k.hex");
    sim::WriteIntelHexFile(soft, sim::SampleFirmware(k256K, 42));
    std::string logo = scratch.File("stm32logo_bench.bin");
    sim::WriteBinaryFile(logo, Pattern(LOGO_FILE_BYTES));
    // 128 icons of 128 bytes (L 128, A 4, B 8) and the trailer.
    std::string icon = scratch.File("stm32icon_bench.bin");
    sim::WriteBinaryFile(
        icon, Pattern(ICON_HEADER_BYTES + 128 * 128 + TRAILER_BYTES, {128, 4, 8, 0, 0, 0}));

    const int ticked = 1;
    const BatchChoice choice{ticked, ticked, ticked, ticked, soft, icon, logo};
    BatchTiming noWaits;
    noWaits.afterSoft = noWaits.afterUpload = std::chrono::milliseconds(0);
    for (auto _ : state) {
        sim::BootMeterSim meter(Device256K(), {}, sim::LinePacing{kBaud, kTurnaround});
        if (!meter.Start()) return state.SkipWithError("no pseudo-terminal");
        QuietHost host;
        sim::FillSampleTables(host.Database());
        SerialPort port;
        MeterLink link(port, host);
        link.SetPortName(meter.SlavePath());
        LinkBatchSteps steps(link, choice);
        auto start = Clock::now();
        std::string report = RunBatch(host, steps, noWaits);
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        meter.Stop();
        if (!BatchSucceeded(report)) return state.SkipWithError(report.c_str());

        double boot =
            WireSeconds(meter.Engine().BootCounts(), kBootCharsPerSecond, kTurnaroundSeconds);
        double meterSide =
            WireSeconds(meter.Engine().MeterCounts(), kMeterCharsPerSecond, kTurnaroundSeconds);
        state.counters["soft_wire_s"] = boot;
        state.counters["uploads_wire_s"] = meterSide;
        state.counters["wire_s"] = boot + meterSide;
        state.counters["ratio"] = seconds / (boot + meterSide);
    }
}

BENCHMARK(BM_FullBatch)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
