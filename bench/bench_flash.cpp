// Factory image from a full database, and a 1 MB firmware file through the
// Intel HEX loader.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "service/FactoryImage.h"
#include "bootloader/IntelHex.h"

namespace {

using namespace velmora;

struct Scratch {
    Scratch() {
        char name[] = "/tmp/velmora-bench-XXXXXX";
        dir = ::mkdtemp(name);
    }
    ~Scratch() { std::filesystem::remove_all(dir); }
    std::string File(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    std::string dir;
};

std::unique_ptr<SatTpDatabase> FullDatabase() {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    ApplyLnbDefaults(*db);
    db->satCount = MAX_SATELLITES;
    for (int i = 0; i < MAX_SATELLITES; ++i) {
        std::string name = "Sat " + std::to_string(i);
        SetSatName(db->satellites[i], name.c_str(), name.size());
        db->satellites[i].position = static_cast<uint16_t>(i * 12);
    }
    db->tpCount = MAX_TPS;
    for (int i = 0; i < MAX_TPS; ++i)
        db->tps[i] = TpRecord{static_cast<uint16_t>(i % MAX_SATELLITES), 5, 0x07,
                              10700u + static_cast<uint32_t>(i % 2000), 27500};
    return db;
}

// A full logo and the largest icon set the image takes.
std::vector<uint8_t> Filled(std::size_t n, std::vector<uint8_t> head = {}) {
    head.resize(n, 0x5A);
    return head;
}

void BM_BuildFactoryImage(benchmark::State& state) {
    Scratch scratch;
    std::string logo = scratch.File("logo", Filled(FACTORY_LOGO_BYTES));
    std::string icon = scratch.File("icon", Filled(FACTORY_ICON_AREA, {151, 21, 31, 0, 0, 0}));
    auto db = FullDatabase();
    auto image = std::make_unique<uint8_t[]>(FACTORY_IMAGE_SIZE);
    for (auto _ : state) {
        if (BuildFactoryImage(*db, logo, icon, image.get()) != FactoryResult::Ok) {
            state.SkipWithError("image not built");
            break;
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BuildFactoryImage)->Unit(benchmark::kMillisecond);

// The whole command, including the durable write of the 1 MB file.
void BM_CreateFactoryImage(benchmark::State& state) {
    Scratch scratch;
    std::string logo = scratch.File("logo", Filled(FACTORY_LOGO_BYTES));
    std::string icon = scratch.File("icon", Filled(FACTORY_ICON_AREA, {151, 21, 31, 0, 0, 0}));
    std::string out = scratch.dir + "/" + FACTORY_IMAGE_FILE;
    auto db = FullDatabase();
    for (auto _ : state) {
        if (CreateFactoryImage(*db, logo, icon, nullptr, out) != FactoryResult::Ok) {
            state.SkipWithError("image not written");
            break;
        }
    }
}
BENCHMARK(BM_CreateFactoryImage)->Unit(benchmark::kMillisecond);

void BM_LoadIntelHex1M(benchmark::State& state) {
    std::string text = ":020000040800F2\n";
    char line[64];
    for (uint32_t at = 0; at < FIRMWARE_MAX_SIZE; at += 16) {
        if (at != 0 && at % 0x10000 == 0) {
            unsigned upper = 0x0800 + at / 0x10000;
            std::snprintf(line, sizeof line, ":02000004%04X%02X\n", upper,
                          (0x100 - ((6 + (upper >> 8) + (upper & 0xFF)) & 0xFF)) & 0xFF);
            text += line;
        }
        unsigned sum = 16 + ((at >> 8) & 0xFF) + (at & 0xFF);
        std::snprintf(line, sizeof line, ":10%04X00", at & 0xFFFF);
        text += line;
        for (int i = 0; i < 16; ++i) {
            unsigned b = (at + i * 7) & 0xFF;
            sum += b;
            std::snprintf(line, sizeof line, "%02X", b);
            text += line;
        }
        std::snprintf(line, sizeof line, "%02X\n", (0x100 - (sum & 0xFF)) & 0xFF);
        text += line;
    }
    text += ":00000001FF\n";
    auto image = FirmwareImage::Create();
    for (auto _ : state) {
        if (image->LoadText(text) != LoadOk || image->Size() != FIRMWARE_MAX_SIZE) {
            state.SkipWithError("sample did not load");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_LoadIntelHex1M)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
