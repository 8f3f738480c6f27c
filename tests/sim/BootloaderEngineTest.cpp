#include <gtest/gtest.h>

#include "sim/BootloaderEngine.h"

namespace velmora {
namespace {

constexpr uint8_t ACK = 0x79, NACK = 0x1F;

using Bytes = std::vector<uint8_t>;

class Engine : public ::testing::Test {
protected:
    Bytes Send(Bytes bytes) { return engine.Receive(bytes); }
    void Sync() { ASSERT_EQ(Send({0x7F}), Bytes{ACK}); }
    BootloaderEngine engine;
};

TEST_F(Engine, NoiseBeforeInitIsIgnored) {
    EXPECT_TRUE(Send({0x00, 0xFF, 0x55}).empty());
    Sync();
    EXPECT_EQ(Send({0x01, 0xFE}), (Bytes{ACK, 0x31, 0x00, 0x00, ACK}));
    EXPECT_EQ(Send({0x02, 0xFD}), (Bytes{ACK, 0x01, 0x04, 0x10, ACK}));
}

TEST_F(Engine, GetListsTheConfiguredEraseCommand) {
    Sync();
    Bytes get = Send({0x00, 0xFF});
    ASSERT_EQ(get.size(), 15u);
    EXPECT_EQ(get[1], 11);
    EXPECT_EQ(get[9], 0x44);
    // The other erase command is refused, and the engine takes the next command.
    EXPECT_EQ(Send({0x43, 0xBC}), Bytes{NACK});
    EXPECT_EQ(Send({0x01, 0xFE}).front(), ACK);
}

TEST_F(Engine, CorruptFramesAreRefused) {
    Sync();
    EXPECT_EQ(Send({0x11, 0x11}), Bytes{NACK});                                // bad complement
    EXPECT_EQ(Send({0x11, 0xEE, 0x08, 0, 0, 0, 0x09}), (Bytes{ACK, NACK}));     // address checksum
    EXPECT_EQ(Send({0x11, 0xEE, 0x20, 0, 0, 0, 0x20}), (Bytes{ACK, NACK}));     // outside the flash
    EXPECT_EQ(Send({0x31, 0xCE, 0x08, 0, 0, 0, 0x08, 0x00, 0xAA, 0x00}), (Bytes{ACK, ACK, NACK}));  // data checksum
    EXPECT_EQ(engine.Flash()[0], 0xFF);
    // A read that would run past the end of the flash.
    EXPECT_EQ(Send({0x11, 0xEE, 0x08, 0x01, 0xFF, 0xFF, 0x09, 0x01, 0xFE}), (Bytes{ACK, ACK, NACK}));
    EXPECT_EQ(Send({0x44, 0xBB, 0xFF, 0xFE, 0x01}), (Bytes{ACK, NACK}));  // bank erase
    EXPECT_EQ(Send({0x44, 0xBB, 0x00, 0x00, 0x00, 0x80, 0x80}), (Bytes{ACK, NACK}));  // page 128 of 128
}

TEST(EngineErase, StandardPageListErasesOnlyThosePages) {
    BootloaderEngineOptions o;
    o.eraseCommand = 0x43;
    BootloaderEngine engine(o);
    engine.Receive(Bytes{0x7F});
    for (uint32_t page : {0u, 2u, 3u}) engine.Flash()[page * o.pageSize] = 0;
    EXPECT_EQ(engine.Receive(Bytes{0x43, 0xBC, 0x01, 0x02, 0x03, 0x01 ^ 0x02 ^ 0x03}), (Bytes{ACK, ACK}));
    EXPECT_EQ(engine.Flash()[0], 0);
    EXPECT_EQ(engine.Flash()[2 * o.pageSize], 0xFF);
    EXPECT_EQ(engine.Flash()[3 * o.pageSize], 0xFF);
    EXPECT_EQ(engine.Stats().pageErases, 1);
}

TEST(EngineGo, SilentAfterGo) {
    BootloaderEngine engine;
    engine.Receive(Bytes{0x7F});
    EXPECT_EQ(engine.Receive(Bytes{0x21, 0xDE, 0x08, 0, 0x01, 0, 0x09}), (Bytes{ACK, ACK}));
    EXPECT_TRUE(engine.GoReceived());
    EXPECT_EQ(engine.GoAddress(), 0x08000100u);
    EXPECT_TRUE(engine.Receive(Bytes{0x7F, 0x01, 0xFE}).empty());
}

}  // namespace
}  // namespace velmora
