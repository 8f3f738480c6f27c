// velmora-metersim: a simulated meter on a pseudo-terminal.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "sim/BootMeterEngine.h"
#include "sim/MeterSim.h"
#include "sim/MeterSlot.h"
#include "sim/TableDump.h"

namespace {

using velmora::sim::MeterSlot;
using velmora::sim::PtyRunner;

// One simulated meter on its own line.
struct Station {
    std::unique_ptr<MeterSlot> slot;
    std::unique_ptr<velmora::sim::MeterEngine> meter;
    std::unique_ptr<PtyRunner> runner;
    std::string link;
};

// Read by the signal handlers; filled before they are installed.
std::vector<Station>* g_stations = nullptr;
volatile std::sig_atomic_t g_stop = 0;

void OnSignal(int) {
    g_stop = 1;
    if (g_stations == nullptr) return;
    for (Station& s : *g_stations) s.runner->RequestStop();
}

void OnPowerCycle(int) {
    if (g_stations == nullptr) return;
    for (Station& s : *g_stations)
        if (s.slot) s.slot->PowerCycle();
}

void Usage(std::FILE* to) {
    std::fputs(
        "usage: velmora-metersim [options]\n"
        "Answers as the meter on a pseudo-terminal; prints the slave path first.\n"
        "  --tables FILE        table served on Read until a table write replaces it:\n"
        "                       a sattp.csv or a .bin dump\n"
        "  --out DIR            store received tables (tables.bin, sattp.csv), logo.bin, icon.bin,\n"
        "                       and the flash (flash.bin) on GO and on exit\n"
        "  --link PATH          symlink PATH to the slave device\n"
        "  --meters N           serve N meters, each on its own line and with its own state;\n"
        "                       needs --link PREFIX: the lines are PREFIX1..PREFIXN, and --out\n"
        "                       DIR stores meter K's files in DIR/K\n"
        "  --baud N             pace the line at N baud, 12 bits per character (11 in the bootloader)\n"
        "  --turnaround-us N    delay before each answer\n"
        "  --corrupt-frame K    send frame K with a wrong checksum\n"
        "  --refuse-frame K     answer received frame K with 0x55\n"
        "  --ignore-frame K     never acknowledge received frame K\n"
        "  --drop-byte K        lose the K-th byte sent (the answer is byte 1)\n"
        "  --no-answer          never answer a command\n"
        "  --hang-up-after K    close the line after K frames\n"
        "  --store-flip K       store the K-th received TP with its frequency one higher\n"
        "  --no-store           keep serving the --tables table after a table write\n"
        "  --idle-reset-ms N    abandon a transfer after N ms of silence (2000)\n"
        "  --quiet              log nothing\n"
        "Frame and byte numbers count from 1 within each command.\n"
        "\n"
        "Bootloader (the meter switched on with EXIT held; after GO it answers as the meter):\n"
        "  --bootloader         start as the STM32 bootloader (8E1)\n"
        "  --product-id ID      product ID that GET ID reports (0x410)\n"
        "  --flash-kb N         flash size in KB (128)\n"
        "  --page-size N        bytes per erase page (1024)\n"
        "  --erase-command C    erase command GET offers: 0x43 or 0x44 (0x44)\n"
        "  --busy-before-erase-ack N   BUSY bytes before the ACK of an erase\n"
        "  --nack-write K       refuse the K-th WRITE MEMORY with NACK\n"
        "  --nack-read K        refuse the K-th READ MEMORY with NACK\n"
        "  --nack-erase         refuse every erase with NACK\n"
        "  --flip-block ADDR    block address whose first writes leave one bit unprogrammed\n"
        "  --flip-writes C      how many writes to that block do so (read-back then differs)\n"
        "  --reboot-after-ms N  N ms after GO, the next meter is switched on in its bootloader\n"
        "SIGUSR1 switches every line to the next meter, in its bootloader, at once.\n"
        "IDs, sizes and addresses may be given in hex with 0x.\n",
        to);
}

bool ParseCount(const char* text, int& value) {
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < 0 || v > 100'000'000) return false;
    value = static_cast<int>(v);
    return true;
}

bool ParseU32(const char* text, uint32_t& value) {
    char* end = nullptr;
    unsigned long long v = std::strtoull(text, &end, 0);
    if (end == text || *end != '\0' || text[0] == '-' || v > 0xFFFFFFFFull) return false;
    value = static_cast<uint32_t>(v);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace velmora::sim;
    MeterOptions options;
    LinePacing pacing;
    std::string linkPath;
    std::string tablesPath;
    bool quiet = false;
    bool bootloader = false;
    bool bootOptionGiven = false;
    velmora::BootloaderEngineOptions boot;
    int meters = 1;
    int rebootAfterMs = 0;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        auto count = [&](int& target) {
            if (value == nullptr || !ParseCount(value, target)) return false;
            ++i;
            return true;
        };
        auto u32 = [&](uint32_t& target) {
            if (value == nullptr || !ParseU32(value, target)) return false;
            ++i;
            bootOptionGiven = true;
            return true;
        };
        auto bootCount = [&](int& target) {
            bootOptionGiven = true;
            return count(target);
        };
        int us = 0;
        int ms = 0;
        uint32_t number = 0;
        bool ok = true;
        if (arg == "--help" || arg == "-h") {
            Usage(stdout);
            return 0;
        } else if (arg == "--tables" && value) {
            tablesPath = value;
            ++i;
        } else if (arg == "--out" && value) {
            options.outputDir = value;
            ++i;
        } else if (arg == "--link" && value) {
            linkPath = value;
            ++i;
        } else if (arg == "--meters") {
            ok = count(meters) && meters >= 1 && meters <= 64;
        } else if (arg == "--reboot-after-ms") {
            ok = bootCount(rebootAfterMs);
        } else if (arg == "--baud") {
            ok = count(pacing.baud);
        } else if (arg == "--turnaround-us") {
            ok = count(us);
            pacing.turnaround = std::chrono::microseconds(us);
        } else if (arg == "--corrupt-frame") {
            ok = count(options.faults.corruptSentFrame);
        } else if (arg == "--refuse-frame") {
            ok = count(options.faults.refuseReceivedFrame);
        } else if (arg == "--ignore-frame") {
            ok = count(options.faults.ignoreReceivedFrame);
        } else if (arg == "--drop-byte") {
            ok = count(options.faults.dropSentByte);
        } else if (arg == "--no-answer") {
            options.faults.noAnswer = true;
        } else if (arg == "--hang-up-after") {
            ok = count(options.faults.hangUpAfterFrames);
        } else if (arg == "--store-flip") {
            ok = count(options.faults.storeFlipTp);
        } else if (arg == "--no-store") {
            options.storeWrites = false;
        } else if (arg == "--idle-reset-ms") {
            ok = count(ms);
            options.idleReset = std::chrono::milliseconds(ms);
        } else if (arg == "--quiet") {
            quiet = true;
        } else if (arg == "--bootloader") {
            bootloader = true;
        } else if (arg == "--product-id") {
            ok = u32(number) && number <= 0xFFFF;
            boot.productId = static_cast<uint16_t>(number);
        } else if (arg == "--flash-kb") {
            ok = u32(number) && number > 0 && number <= 2048;
            boot.flashSize = number * 1024;
        } else if (arg == "--page-size") {
            ok = u32(boot.pageSize) && boot.pageSize > 0;
        } else if (arg == "--erase-command") {
            ok = u32(number) && (number == 0x43 || number == 0x44);
            boot.eraseCommand = static_cast<uint8_t>(number);
        } else if (arg == "--busy-before-erase-ack") {
            ok = bootCount(boot.busyBeforeEraseAck);
        } else if (arg == "--nack-write") {
            ok = bootCount(boot.nackWriteNumber);
        } else if (arg == "--nack-read") {
            ok = bootCount(boot.nackReadNumber);
        } else if (arg == "--nack-erase") {
            boot.nackErase = bootOptionGiven = true;
        } else if (arg == "--flip-block") {
            ok = u32(boot.weakBlockAddress);
        } else if (arg == "--flip-writes") {
            ok = bootCount(boot.weakWrites);
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "velmora-metersim: bad option %s\n", arg.c_str());
            Usage(stderr);
            return 2;
        }
    }
    if (bootOptionGiven && !bootloader) {
        std::fprintf(stderr, "velmora-metersim: the bootloader options need --bootloader\n");
        return 2;
    }
    if (meters > 1 && linkPath.empty()) {
        std::fprintf(stderr, "velmora-metersim: --meters needs --link PREFIX\n");
        return 2;
    }
    if (boot.pageSize > boot.flashSize) {
        std::fprintf(stderr, "velmora-metersim: a page cannot be larger than the flash\n");
        return 2;
    }
    if (!options.outputDir.empty()) {
        std::error_code error;
        std::filesystem::create_directories(options.outputDir, error);
        if (error) {
            std::fprintf(stderr, "velmora-metersim: cannot create %s: %s\n", options.outputDir.c_str(),
                         error.message().c_str());
            return 1;
        }
    }
    if (!tablesPath.empty() && !LoadTableFile(tablesPath, options.tables)) {
        std::fprintf(stderr, "velmora-metersim: cannot read %s\n", tablesPath.c_str());
        return 1;
    }
    std::vector<Station> stations(static_cast<std::size_t>(meters));
    for (int k = 0; k < meters; ++k) {
        Station& station = stations[static_cast<std::size_t>(k)];
        MeterOptions own = options;
        if (meters > 1) {
            station.link = linkPath + std::to_string(k + 1);
            if (!own.outputDir.empty()) {
                own.outputDir += "/" + std::to_string(k + 1);
                std::error_code error;
                std::filesystem::create_directories(own.outputDir, error);
            }
        } else {
            station.link = linkPath;
        }
        if (!quiet) {
            std::string prefix = meters > 1 ? station.link + ": " : "";
            own.log = [prefix](const std::string& line) {
                std::printf("%s%s\n", prefix.c_str(), line.c_str());
                std::fflush(stdout);
            };
        }
        SimEngine* engine = nullptr;
        if (bootloader) {
            station.slot = std::make_unique<MeterSlot>(boot, std::move(own),
                                                       std::chrono::milliseconds(rebootAfterMs));
            engine = station.slot.get();
        } else {
            station.meter = std::make_unique<MeterEngine>(std::move(own));
            engine = station.meter.get();
        }
        station.runner = std::make_unique<PtyRunner>(*engine, pacing);
        std::string error;
        if (!station.runner->Open(&error)) {
            std::fprintf(stderr, "velmora-metersim: %s\n", error.c_str());
            return 1;
        }
    }
    for (Station& station : stations) {
        std::printf("%s\n", station.runner->SlavePath().c_str());
        if (station.link.empty()) continue;
        ::unlink(station.link.c_str());
        if (::symlink(station.runner->SlavePath().c_str(), station.link.c_str()) != 0) {
            std::fprintf(stderr, "velmora-metersim: cannot link %s: %s\n", station.link.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    std::fflush(stdout);
    g_stations = &stations;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGUSR1, OnPowerCycle);
    if (stations.size() == 1) {
        stations[0].runner->Run();
    } else {
        for (Station& station : stations) station.runner->Start();
        // The lines run on their own threads; this one only waits for the
        // end, which a signal or every line hanging up brings.
        for (;;) {
            bool allHungUp = true;
            for (Station& station : stations) allHungUp = allHungUp && station.runner->HungUp();
            if (g_stop != 0 || allHungUp) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        for (Station& station : stations) station.runner->Stop();
    }
    std::signal(SIGUSR1, SIG_IGN);
    g_stations = nullptr;
    int status = 0;
    for (Station& station : stations) {
        if (station.slot && !station.slot->StoreFlash()) status = 1;
        if (!station.link.empty()) ::unlink(station.link.c_str());
        if (station.runner->HungUp() && !quiet) {
            std::printf("%sline closed\n", stations.size() > 1 ? (station.link + ": ").c_str() : "");
        }
    }
    return status;
}
