// A 256 KB firmware upgrade against the simulated bootloader paced like the
// real line (115200 baud, 8E1: 10,473 characters a second, no turnaround),
// printed next to the wire time of all its bytes in both directions, and
// the same image written by stm32flash against the same simulator. Targets:
// at most 1.10 times the wire time, and not slower than stm32flash. The
// unpaced runs show what one round trip through the pseudo-terminal, the
// simulator and the client costs by itself.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <map>

#include "BenchSupport.h"
#include "bootloader/SoftwareUpgrade.h"
#include "serial/SerialPort.h"
#include "sim/BootMeterSim.h"
#include "sim/FirmwareSample.h"

namespace {

using namespace velmora;
using namespace velmora::bench;
using Clock = std::chrono::steady_clock;

// Round trips of the upgrade: per block a WRITE and a READ MEMORY of three
// acknowledged steps each.
constexpr double kExchanges = 6.0 * k256K / 256;

struct Firmware {
    Firmware() : image(sim::SampleFirmware(k256K, 42)), hex(scratch.File("rav32izazud_256k.hex")) {
        sim::WriteIntelHexFile(hex, image);
    }
    Scratch scratch;
    std::vector<uint8_t> image;
    std::string hex;
};

const Firmware& TheFirmware() {
    static const Firmware firmware;
    return firmware;
}

// Writes the image onto the meter on path; false when that failed.
bool WithUpgrade(const std::string& path) {
    QuietHost host;
    SerialPort port;
    MeterLink link(port, host);
    link.SetPortName(path);
    return UpgradeSoftware(link, TheFirmware().hex) == OpResult::Completed;
}

bool WithStm32flash(const std::string& path) {
    // A pseudo-terminal drops the parity bit, which stm32flash checks unless
    // told 8n1; the simulator still paces 11 bits a character.
    std::string command =
        "stm32flash -b 115200 -m 8n1 -w " + TheFirmware().hex + " -v " + path + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

// Seconds of the paced runs by writer, for the comparison.
std::map<bool (*)(const std::string&), double> g_seconds;

void Measure(benchmark::State& state, bool (*write)(const std::string&), int baud) {
    if (write == WithStm32flash && std::system("command -v stm32flash >/dev/null 2>&1") != 0)
        return state.SkipWithError("stm32flash is not installed");
    for (auto _ : state) {
        sim::BootMeterSim meter(Device256K(), {},
                                sim::LinePacing{baud, std::chrono::microseconds(0)});
        if (!meter.Start()) return state.SkipWithError("no pseudo-terminal");
        auto start = Clock::now();
        bool written = write(meter.SlavePath());
        double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        meter.Stop();
        std::vector<uint8_t> flash = meter.Engine().Flash();
        if (!written ||
            !std::equal(TheFirmware().image.begin(), TheFirmware().image.end(), flash.begin()))
            return state.SkipWithError("the image was not written");
        if (baud == 0) {
            state.counters["us_per_exchange"] = seconds / kExchanges * 1e6;
            continue;
        }
        double wire = WireSeconds(meter.Engine().BootCounts(), kBootCharsPerSecond, 0);
        state.counters["wire_s"] = wire;
        state.counters["ratio"] = seconds / wire;
        g_seconds[write] = seconds;
        if (g_seconds.count(WithUpgrade) != 0 && g_seconds.count(WithStm32flash) != 0)
            state.counters["velmora_vs_stm32flash"] =
                g_seconds[WithUpgrade] / g_seconds[WithStm32flash];
    }
}

void BM_UpgradeUnpaced(benchmark::State& state) {
    Measure(state, WithUpgrade, 0);
}
void BM_Stm32flashUnpaced(benchmark::State& state) {
    Measure(state, WithStm32flash, 0);
}
void BM_Upgrade256K(benchmark::State& state) {
    Measure(state, WithUpgrade, kBaud);
}
void BM_Stm32flash256K(benchmark::State& state) {
    Measure(state, WithStm32flash, kBaud);
}

BENCHMARK(BM_UpgradeUnpaced)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_Stm32flashUnpaced)->Unit(benchmark::kMillisecond)->Iterations(3)->UseManualTime();
BENCHMARK(BM_Upgrade256K)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();
BENCHMARK(BM_Stm32flash256K)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

}  // namespace

BENCHMARK_MAIN();
