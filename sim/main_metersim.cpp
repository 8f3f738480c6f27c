// velmora-metersim: a simulated meter on a pseudo-terminal.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <memory>

#include "sim/BootMeterEngine.h"
#include "sim/MeterSim.h"
#include "sim/TableDump.h"

namespace {

velmora::sim::PtyRunner* g_runner = nullptr;

void OnSignal(int) {
    if (g_runner != nullptr) g_runner->RequestStop();
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
    if (!quiet) {
        options.log = [](const std::string& line) {
            std::printf("%s\n", line.c_str());
            std::fflush(stdout);
        };
    }
    std::unique_ptr<BootMeterEngine> upgradable;
    std::unique_ptr<MeterEngine> meter;
    SimEngine* engine = nullptr;
    if (bootloader) {
        upgradable = std::make_unique<BootMeterEngine>(boot, std::move(options));
        engine = upgradable.get();
    } else {
        meter = std::make_unique<MeterEngine>(std::move(options));
        engine = meter.get();
    }
    PtyRunner runner(*engine, pacing);
    std::string error;
    if (!runner.Open(&error)) {
        std::fprintf(stderr, "velmora-metersim: %s\n", error.c_str());
        return 1;
    }
    std::printf("%s\n", runner.SlavePath().c_str());
    std::fflush(stdout);
    if (!linkPath.empty()) {
        ::unlink(linkPath.c_str());
        if (::symlink(runner.SlavePath().c_str(), linkPath.c_str()) != 0) {
            std::fprintf(stderr, "velmora-metersim: cannot link %s: %s\n", linkPath.c_str(),
                         std::strerror(errno));
            return 1;
        }
    }
    g_runner = &runner;
    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    runner.Run();
    g_runner = nullptr;
    int status = 0;
    if (upgradable && !upgradable->StoreFlash()) status = 1;
    if (!linkPath.empty()) ::unlink(linkPath.c_str());
    if (runner.HungUp() && !quiet) std::printf("line closed\n");
    return status;
}
