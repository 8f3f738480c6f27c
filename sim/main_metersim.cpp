// velmora-metersim: a simulated meter on a pseudo-terminal.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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
        "  --tables FILE        table served on Read: a sattp.csv or a .bin dump\n"
        "  --out DIR            store received tables (tables.bin, sattp.csv), logo.bin, icon.bin\n"
        "  --link PATH          symlink PATH to the slave device\n"
        "  --baud N             pace the line at N baud, 12 bits per character\n"
        "  --turnaround-us N    delay before each answer\n"
        "  --corrupt-frame K    send frame K with a wrong checksum\n"
        "  --refuse-frame K     answer received frame K with 0x55\n"
        "  --ignore-frame K     never acknowledge received frame K\n"
        "  --drop-byte K        lose the K-th byte sent (the answer is byte 1)\n"
        "  --no-answer          never answer a command\n"
        "  --hang-up-after K    close the line after K frames\n"
        "  --idle-reset-ms N    abandon a transfer after N ms of silence (2000)\n"
        "  --quiet              log nothing\n"
        "Frame and byte numbers count from 1 within each command.\n",
        to);
}

bool ParseCount(const char* text, int& value) {
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < 0 || v > 100'000'000) return false;
    value = static_cast<int>(v);
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
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        auto count = [&](int& target) {
            if (value == nullptr || !ParseCount(value, target)) return false;
            ++i;
            return true;
        };
        int us = 0;
        int ms = 0;
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
        } else if (arg == "--idle-reset-ms") {
            ok = count(ms);
            options.idleReset = std::chrono::milliseconds(ms);
        } else if (arg == "--quiet") {
            quiet = true;
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr, "velmora-metersim: bad option %s\n", arg.c_str());
            Usage(stderr);
            return 2;
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
    MeterEngine engine(std::move(options));
    PtyRunner runner(engine, pacing);
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
    if (!linkPath.empty()) ::unlink(linkPath.c_str());
    if (runner.HungUp() && !quiet) std::printf("line closed\n");
    return 0;
}
