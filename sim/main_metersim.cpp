// velmora-metersim: a simulated meter on a pseudo-terminal.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
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

// Everything the command line sets.
struct Settings {
    velmora::sim::MeterOptions options;
    velmora::sim::LinePacing pacing;
    std::string linkPath;
    std::string tablesPath;
    bool quiet = false;
    bool bootloader = false;
    bool bootOptionGiven = false;
    velmora::BootloaderEngineOptions boot;
    int meters = 1;
    int rebootAfterMs = 0;
};

// Reads the value after an option; i moves past it when it was taken.
class OptionValues {
public:
    OptionValues(int argc, char** argv, int& i) : argc_(argc), argv_(argv), i_(i) {}
    const char* Text() {
        if (i_ + 1 >= argc_) return nullptr;
        return argv_[++i_];
    }
    bool Count(int& target) {
        const char* value = i_ + 1 < argc_ ? argv_[i_ + 1] : nullptr;
        if (value == nullptr || !ParseCount(value, target)) return false;
        ++i_;
        return true;
    }
    bool U32(uint32_t& target) {
        const char* value = i_ + 1 < argc_ ? argv_[i_ + 1] : nullptr;
        if (value == nullptr || !ParseU32(value, target)) return false;
        ++i_;
        return true;
    }

private:
    int argc_;
    char** argv_;
    int& i_;
};

// The meter's and the line's options; nullopt for an option of neither.
std::optional<bool> MeterOption(const std::string& arg, OptionValues& values, Settings& s) {
    velmora::sim::MeterFaults& faults = s.options.faults;
    int number = 0;
    if (arg == "--tables" || arg == "--out" || arg == "--link") {
        const char* text = values.Text();
        if (text == nullptr) return false;
        (arg == "--tables" ? s.tablesPath : arg == "--out" ? s.options.outputDir : s.linkPath) = text;
        return true;
    }
    if (arg == "--meters") return values.Count(s.meters) && s.meters >= 1 && s.meters <= 64;
    if (arg == "--baud") return values.Count(s.pacing.baud);
    if (arg == "--turnaround-us") {
        if (!values.Count(number)) return false;
        s.pacing.turnaround = std::chrono::microseconds(number);
        return true;
    }
    if (arg == "--corrupt-frame") return values.Count(faults.corruptSentFrame);
    if (arg == "--refuse-frame") return values.Count(faults.refuseReceivedFrame);
    if (arg == "--ignore-frame") return values.Count(faults.ignoreReceivedFrame);
    if (arg == "--drop-byte") return values.Count(faults.dropSentByte);
    if (arg == "--no-answer") return faults.noAnswer = true;
    if (arg == "--hang-up-after") return values.Count(faults.hangUpAfterFrames);
    if (arg == "--store-flip") return values.Count(faults.storeFlipTp);
    if (arg == "--no-store") {
        s.options.storeWrites = false;
        return true;
    }
    if (arg == "--idle-reset-ms") {
        if (!values.Count(number)) return false;
        s.options.idleReset = std::chrono::milliseconds(number);
        return true;
    }
    if (arg == "--quiet") return s.quiet = true;
    return std::nullopt;
}

// The bootloader's options; nullopt for another option.
std::optional<bool> BootOption(const std::string& arg, OptionValues& values, Settings& s) {
    velmora::BootloaderEngineOptions& boot = s.boot;
    if (arg == "--bootloader") return s.bootloader = true;
    const bool givenBefore = s.bootOptionGiven;
    s.bootOptionGiven = true;
    uint32_t number = 0;
    if (arg == "--reboot-after-ms") return values.Count(s.rebootAfterMs);
    if (arg == "--product-id") {
        bool ok = values.U32(number) && number <= 0xFFFF;
        boot.productId = static_cast<uint16_t>(number);
        return ok;
    }
    if (arg == "--flash-kb") {
        bool ok = values.U32(number) && number > 0 && number <= 2048;
        boot.flashSize = number * 1024;
        return ok;
    }
    if (arg == "--page-size") return values.U32(boot.pageSize) && boot.pageSize > 0;
    if (arg == "--erase-command") {
        bool ok = values.U32(number) && (number == 0x43 || number == 0x44);
        boot.eraseCommand = static_cast<uint8_t>(number);
        return ok;
    }
    if (arg == "--busy-before-erase-ack") return values.Count(boot.busyBeforeEraseAck);
    if (arg == "--nack-write") return values.Count(boot.nackWriteNumber);
    if (arg == "--nack-read") return values.Count(boot.nackReadNumber);
    if (arg == "--nack-erase") return boot.nackErase = true;
    if (arg == "--flip-block") return values.U32(boot.weakBlockAddress);
    if (arg == "--flip-writes") return values.Count(boot.weakWrites);
    s.bootOptionGiven = givenBefore;
    return std::nullopt;
}

// Fills settings from the command line; an exit status when the program
// should end now (help, or a bad command line).
std::optional<int> ParseSettings(int argc, char** argv, Settings& settings) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            Usage(stdout);
            return 0;
        }
        OptionValues values(argc, argv, i);
        std::optional<bool> ok = MeterOption(arg, values, settings);
        if (!ok) ok = BootOption(arg, values, settings);
        if (!ok.value_or(false)) {
            std::fprintf(stderr, "velmora-metersim: bad option %s\n", arg.c_str());
            Usage(stderr);
            return 2;
        }
    }
    const char* problem = nullptr;
    if (settings.bootOptionGiven && !settings.bootloader) {
        problem = "the bootloader options need --bootloader";
    } else if (settings.meters > 1 && settings.linkPath.empty()) {
        problem = "--meters needs --link PREFIX";
    } else if (settings.boot.pageSize > settings.boot.flashSize) {
        problem = "a page cannot be larger than the flash";
    }
    if (problem == nullptr) return std::nullopt;
    std::fprintf(stderr, "velmora-metersim: %s\n", problem);
    return 2;
}

// Makes every meter with its line; false after an error line.
bool MakeStations(const Settings& settings, std::vector<Station>& stations) {
    using namespace velmora::sim;
    const int meters = settings.meters;
    stations.resize(static_cast<std::size_t>(meters));
    for (int k = 0; k < meters; ++k) {
        Station& station = stations[static_cast<std::size_t>(k)];
        MeterOptions own = settings.options;
        station.link = settings.linkPath;
        if (meters > 1) {
            station.link += std::to_string(k + 1);
            if (!own.outputDir.empty()) {
                own.outputDir += "/" + std::to_string(k + 1);
                std::error_code error;
                std::filesystem::create_directories(own.outputDir, error);
            }
        }
        if (!settings.quiet) {
            std::string prefix = meters > 1 ? station.link + ": " : "";
            own.log = [prefix](const std::string& line) {
                std::printf("%s%s\n", prefix.c_str(), line.c_str());
                std::fflush(stdout);
            };
        }
        SimEngine* engine = nullptr;
        if (settings.bootloader) {
            // The stations' chips differ too, not only the meters of one station.
            velmora::BootloaderEngineOptions boot = settings.boot;
            boot.uniqueId[9] ^= static_cast<uint8_t>(k);
            station.slot = std::make_unique<MeterSlot>(
                boot, std::move(own), std::chrono::milliseconds(settings.rebootAfterMs));
            engine = station.slot.get();
        } else {
            station.meter = std::make_unique<MeterEngine>(std::move(own));
            engine = station.meter.get();
        }
        station.runner = std::make_unique<PtyRunner>(*engine, settings.pacing);
        std::string error;
        if (!station.runner->Open(&error)) {
            std::fprintf(stderr, "velmora-metersim: %s\n", error.c_str());
            return false;
        }
    }
    return true;
}

// Prints each line's device and links it under its name; false after an
// error line.
bool LinkStations(std::vector<Station>& stations) {
    for (Station& station : stations) {
        std::printf("%s\n", station.runner->SlavePath().c_str());
        if (station.link.empty()) continue;
        ::unlink(station.link.c_str());
        if (::symlink(station.runner->SlavePath().c_str(), station.link.c_str()) != 0) {
            std::fprintf(stderr, "velmora-metersim: cannot link %s: %s\n", station.link.c_str(),
                         std::strerror(errno));
            return false;
        }
    }
    std::fflush(stdout);
    return true;
}

// Serves every line until a signal, or until every line hung up.
void Serve(std::vector<Station>& stations) {
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
}

}  // namespace

int main(int argc, char** argv) {
    Settings settings;
    if (std::optional<int> status = ParseSettings(argc, argv, settings)) return *status;
    const std::string& outputDir = settings.options.outputDir;
    if (!outputDir.empty()) {
        std::error_code error;
        std::filesystem::create_directories(outputDir, error);
        if (error) {
            std::fprintf(stderr, "velmora-metersim: cannot create %s: %s\n", outputDir.c_str(),
                         error.message().c_str());
            return 1;
        }
    }
    if (!settings.tablesPath.empty() &&
        !velmora::sim::LoadTableFile(settings.tablesPath, settings.options.tables)) {
        std::fprintf(stderr, "velmora-metersim: cannot read %s\n", settings.tablesPath.c_str());
        return 1;
    }
    std::vector<Station> stations;
    if (!MakeStations(settings, stations) || !LinkStations(stations)) return 1;
    Serve(stations);
    int status = 0;
    for (Station& station : stations) {
        if (station.slot && !station.slot->StoreFlash()) status = 1;
        if (!station.link.empty()) ::unlink(station.link.c_str());
        if (station.runner->HungUp() && !settings.quiet) {
            std::printf("%sline closed\n", stations.size() > 1 ? (station.link + ": ").c_str() : "");
        }
    }
    return status;
}
