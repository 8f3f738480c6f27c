// The meter started into its bootloader: bootloader bytes until GO, then the
// meter protocol; the flash stored as flash.bin; the bootloader's faults.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "sim/BootMeterEngine.h"
#include "sim/TableDump.h"

namespace velmora::sim {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr uint8_t ACK = 0x79, NACK = 0x1F;

Bytes Send(SimEngine& engine, const Bytes& bytes) {
    Bytes answer;
    for (uint8_t b : bytes) {
        SimOutput out;
        engine.OnByte(b, SimClock::now(), out);
        answer.insert(answer.end(), out.Bytes().begin(), out.Bytes().end());
    }
    return answer;
}

// Address frame of 0x08000000 + offset, with its XOR.
Bytes Address(uint32_t offset) {
    uint32_t a = 0x08000000 + offset;
    Bytes f = {uint8_t(a >> 24), uint8_t(a >> 16), uint8_t(a >> 8), uint8_t(a)};
    f.push_back(f[0] ^ f[1] ^ f[2] ^ f[3]);
    return f;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

// Writes four bytes at offset 0; the answers of command, address and data.
Bytes WriteWord(SimEngine& engine, Bytes word) {
    uint8_t x = 0x03 ^ word[0] ^ word[1] ^ word[2] ^ word[3];
    return Send(engine, Concat({{0x31, 0xCE}, Address(0), {0x03}, word, {x}}));
}

class ScratchDir {
public:
    ScratchDir() {
        char name[] = "/tmp/velmora-bootsim-XXXXXX";
        path = ::mkdtemp(name);
    }
    ~ScratchDir() { std::filesystem::remove_all(path); }
    std::string path;
};

TEST(BootMeterEngine, BootloaderUntilGoThenTheMeter) {
    BootMeterEngine engine({}, {});
    EXPECT_EQ(engine.BitsPerByte(), 11);
    EXPECT_EQ(Send(engine, {0xC5, 0x3A}), Bytes{});  // no meter before the firmware runs
    EXPECT_EQ(Send(engine, {0x7F}), Bytes{ACK});
    EXPECT_EQ(Send(engine, Concat({{0x21, 0xDE}, Address(0)})), (Bytes{ACK, ACK}));
    EXPECT_TRUE(engine.RunningFirmware());
    EXPECT_EQ(engine.BitsPerByte(), 12);
    EXPECT_EQ(Send(engine, {0x7F}), Bytes{});            // the bootloader is gone
    EXPECT_EQ(Send(engine, {0x93, 0x6C}), Bytes{0xCC});  // Delete icons is answered
    EXPECT_EQ(engine.Meter().Record().iconDeletes, 1);

    LineCounts boot = engine.BootCounts();
    EXPECT_EQ(boot.pcBytes, 2 + 1 + 7);
    EXPECT_EQ(boot.deviceBytes, 3);
    EXPECT_EQ(boot.answers, 3);
    LineCounts meter = engine.MeterCounts();
    EXPECT_EQ(meter.pcBytes, 1 + 2);
    EXPECT_EQ(meter.deviceBytes, 1);
}

TEST(BootMeterEngine, FlashIsStoredOnGoAndOnlyWhenItChanged) {
    ScratchDir dir;
    MeterOptions meter;
    meter.outputDir = dir.path;
    BootloaderEngineOptions boot;
    boot.flashSize = 4096;
    BootMeterEngine engine(boot, meter);
    std::string file = dir.path + "/" + FLASH_FILE;

    EXPECT_TRUE(engine.StoreFlash());
    EXPECT_FALSE(std::filesystem::exists(file));  // nothing changed yet
    Send(engine, {0x7F});
    EXPECT_EQ(WriteWord(engine, {1, 2, 3, 4}), (Bytes{ACK, ACK, ACK}));
    EXPECT_TRUE(engine.StoreFlash());
    Bytes stored;
    ASSERT_TRUE(ReadBinaryFile(file, stored));
    EXPECT_EQ(stored, engine.Flash());
    EXPECT_EQ(Bytes(stored.begin(), stored.begin() + 5), (Bytes{1, 2, 3, 4, 0xFF}));

    std::filesystem::remove(file);
    EXPECT_TRUE(engine.StoreFlash());
    EXPECT_FALSE(std::filesystem::exists(file));
    Send(engine, {0x44, 0xBB, 0xFF, 0xFF, 0x00});  // mass erase
    Send(engine, Concat({{0x21, 0xDE}, Address(0)}));
    ASSERT_TRUE(ReadBinaryFile(file, stored));
    EXPECT_EQ(stored, Bytes(4096, 0xFF));
}

TEST(BootMeterEngine, RefusedEraseAndReadLeaveTheFlash) {
    BootloaderEngineOptions boot;
    boot.nackErase = true;
    boot.nackReadNumber = 2;
    BootMeterEngine engine(boot, {});
    Send(engine, {0x7F});
    WriteWord(engine, {9, 8, 7, 6});
    EXPECT_EQ(Send(engine, {0x44, 0xBB, 0xFF, 0xFF, 0x00}), (Bytes{ACK, NACK}));
    EXPECT_EQ(engine.Flash()[0], 9);

    Bytes read = Concat({{0x11, 0xEE}, Address(0), {0x03, 0xFC}});
    EXPECT_EQ(Send(engine, read), (Bytes{ACK, ACK, ACK, 9, 8, 7, 6}));
    EXPECT_EQ(Send(engine, read), (Bytes{ACK, ACK, NACK}));
    EXPECT_EQ(Send(engine, read).size(), 7u);  // only the second read is refused
    EXPECT_EQ(engine.BootStats().readRequests, 3);
    EXPECT_EQ(engine.BootStats().reads, 2);
}

}  // namespace
}  // namespace velmora::sim
