#include <gtest/gtest.h>

#include <set>

#include "tests/support/BootTestPorts.h"
#include "bootloader/Bootloader.h"
#include "sim/BootloaderEngine.h"

namespace velmora {
namespace {

using test::EnginePort;
using test::FakeClock;
using test::InitReplies;
using test::kAllCommands;
using test::TestPort;

constexpr uint32_t kFlash = 0x08000000;

class BootClient : public ::testing::Test {
protected:
    BootOptions Options() {
        BootOptions o;
        o.nowSeconds = [this] { return clock.now; };
        o.diagnostic = [this](const std::string& text) { diag += text; };
        return o;
    }
    std::unique_ptr<BootloaderConnection> Connect(BootPort& port, bool sendInit = true) {
        return BootloaderConnection::Init(port, sendInit, Options());
    }
    // A scripted bootloader that has answered Init with these commands.
    std::unique_ptr<BootloaderConnection> Scripted(TestPort& port, uint16_t pid = 0x410,
                                                   const std::vector<uint8_t>& codes = kAllCommands) {
        port.Reply({BOOT_ACK});
        port.Reply(InitReplies(pid, codes));
        auto c = Connect(port);
        EXPECT_NE(c, nullptr) << diag;
        port.written.clear();
        return c;
    }
    std::vector<uint8_t> Tail(const TestPort& port, std::size_t n) {
        return {port.written.end() - static_cast<std::ptrdiff_t>(n), port.written.end()};
    }

    FakeClock clock;
    std::string diag;
};

// Client against the simulated bootloader.
class BootSim : public BootClient {
protected:
    std::unique_ptr<BootloaderConnection> Start(BootloaderEngineOptions options = {}) {
        engine = std::make_unique<BootloaderEngine>(options);
        port = std::make_unique<EnginePort>(clock, *engine);
        auto c = Connect(*port, !options.synchronised || sendInit);
        EXPECT_NE(c, nullptr) << diag;
        return c;
    }
    bool sendInit = false;
    std::unique_ptr<BootloaderEngine> engine;
    std::unique_ptr<EnginePort> port;
};

// ---- synchronisation ---------------------------------------------------------

TEST_F(BootSim, InitLearnsVersionCommandsAndDevice) {
    auto c = Start();
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->BootloaderVersion(), 0x31);
    EXPECT_EQ(c->Version(), 0x31);
    EXPECT_EQ(c->ProductId(), 0x410);
    EXPECT_STREQ(c->Device().name, "Medium-density");
    EXPECT_EQ(c->Device().flashEnd, 0x08020000u);
    EXPECT_EQ(c->Commands()[CommandTable::WriteMemory], 0x31);
    EXPECT_EQ(c->Commands()[CommandTable::Erase], 0x44);
    EXPECT_EQ(c->Commands()[CommandTable::Checksum], BOOT_NOT_AVAILABLE);
    EXPECT_EQ(port->written.front(), BOOT_INIT);
    EXPECT_EQ(diag, "");
}

TEST_F(BootSim, AlreadySynchronisedBootloader) {
    BootloaderEngineOptions o;
    o.synchronised = true;
    // Without INIT the commands go straight through.
    ASSERT_NE(Start(o), nullptr);
    EXPECT_EQ(port->written[0], BOOT_GET_VERSION);
    // With INIT the first one goes unanswered and the second is refused.
    sendInit = true;
    ASSERT_NE(Start(o), nullptr);
    EXPECT_EQ(port->written[0], BOOT_INIT);
    EXPECT_EQ(port->written[1], BOOT_INIT);
    EXPECT_EQ(diag, "");
}

TEST_F(BootClient, NackToFirstInitWarnsAndContinues) {
    TestPort port(clock);
    port.Reply({BOOT_NACK});
    port.Reply(InitReplies(0x410, kAllCommands));
    EXPECT_NE(Connect(port), nullptr);
    EXPECT_EQ(diag, "Warning: the interface was not closed properly.\n");
}

TEST_F(BootClient, InitSequenceFailures) {
    struct Case {
        const char* name;
        std::function<void(TestPort&)> script;
        int failWrite;
        const char* text;
    } cases[] = {
        {"first INIT not sent", [](TestPort&) {}, 1, "Failed to send init to device\n"},
        {"second INIT not sent", [](TestPort& p) { p.TimeOut(); }, 2, "Failed to send init to device\n"},
        {"ACK to second INIT", [](TestPort& p) { p.TimeOut(); p.Reply({BOOT_ACK}); }, 0, "Failed to init device.\n"},
        {"silence after both", [](TestPort&) {}, 0, "Failed to init device.\n"},
        {"garbage to first INIT", [](TestPort& p) { p.Reply({0x00}); }, 0, "Failed to init device.\n"},
        {"port failure", [](TestPort& p) { p.Fail(); }, 0, "Failed to init device.\n"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        diag.clear();
        TestPort port(clock);
        port.failWrite = k.failWrite;
        k.script(port);
        EXPECT_EQ(Connect(port), nullptr);
        EXPECT_EQ(diag, k.text);
    }
}

// ---- GET and the command table -----------------------------------------------

TEST(CommandTableTest, SetAndNewestRules) {
    CommandTable fresh;
    for (int s = 0; s < CommandTable::SlotCount; ++s)
        EXPECT_EQ(fresh[CommandTable::Slot(s)], BOOT_NOT_AVAILABLE);

    for (auto order : {std::vector<uint8_t>{0x31, 0x32}, std::vector<uint8_t>{0x32, 0x31}}) {
        CommandTable t;
        for (uint8_t code : order) EXPECT_TRUE(t.Store(code));
        EXPECT_EQ(t[CommandTable::WriteMemory], 0x32);
    }
    CommandTable t;
    t.Store(0x43);
    t.Store(0x44);
    EXPECT_EQ(t[CommandTable::Erase], 0x44);
    t.Store(0x43);
    EXPECT_EQ(t[CommandTable::Erase], 0x44);
    t.Store(0xA1);
    EXPECT_EQ(t[CommandTable::Checksum], 0xA1);
    EXPECT_FALSE(t.Store(0x50));
    EXPECT_FALSE(t.Store(0xFF));
}

TEST_F(BootClient, UnknownGetCodesAreReportedOnOneLine) {
    TestPort port(clock);
    auto codes = kAllCommands;
    codes.insert(codes.begin() + 3, 0x50);
    Scripted(port, 0x410, codes);
    EXPECT_EQ(diag, "GET returns unknown commands (0x50)\n");

    diag.clear();
    codes.push_back(0x05);
    TestPort port2(clock);
    Scripted(port2, 0x410, codes);
    EXPECT_EQ(diag, "GET returns unknown commands (0x50, 0x 5)\n");
}

TEST_F(BootClient, GetWithoutGetIdIsRefused) {
    TestPort port(clock);
    port.Reply({BOOT_ACK});
    port.Reply(InitReplies(0x410, {0x00, 0x01, 0x11}));
    EXPECT_EQ(Connect(port), nullptr);
    EXPECT_EQ(diag, "Error: bootloader did not returned correct information from GET command\n");
}

// ---- GET ID and the device table ----------------------------------------------

TEST_F(BootClient, ProductIdSelectsDevice) {
    TestPort port(clock);
    auto c = Scripted(port, 0x0413);
    ASSERT_NE(c, nullptr);
    EXPECT_STREQ(c->Device().name, "STM32F40/1");
    EXPECT_EQ(c->Device().flashStart, kFlash);
    EXPECT_EQ(c->Device().flashEnd, 0x08100000u);

    TestPort unknown(clock);
    unknown.Reply({BOOT_ACK});
    unknown.Reply(InitReplies(0x0999, kAllCommands));
    EXPECT_EQ(Connect(unknown), nullptr);
    EXPECT_EQ(diag, "Unknown/unsupported device (Device ID: 0x999)\n");
}

TEST_F(BootClient, ProductIdOfOddLength) {
    auto withId = [&](std::vector<uint8_t> id) {
        TestPort port(clock);
        auto replies = InitReplies(0x410, kAllCommands);
        replies.resize(replies.size() - 5);  // drop the standard GET ID answer
        replies.push_back(BOOT_ACK);
        replies.push_back(static_cast<uint8_t>(id.size() - 1));
        replies.insert(replies.end(), id.begin(), id.end());
        replies.push_back(BOOT_ACK);
        port.Reply({BOOT_ACK});
        port.Reply(replies);
        diag.clear();
        return Connect(port);
    };
    EXPECT_EQ(withId({0x04}), nullptr);
    EXPECT_EQ(diag, "Only 1 bytes sent in the PID, unknown/unsupported device\n");

    auto c = withId({0x04, 0x13, 0xAB});
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->ProductId(), 0x413);
    EXPECT_EQ(diag, "This bootloader returns 3 extra bytes in PID: 13 ab\n");
}

TEST(DeviceTableTest, TwentyNineDevicesAndTerminator) {
    auto table = DeviceTable();
    ASSERT_EQ(table.size(), DEVICE_COUNT + 1u);
    EXPECT_EQ(table.back().productId, 0);
    std::set<uint16_t> ids;
    for (int i = 0; i < DEVICE_COUNT; ++i) {
        EXPECT_EQ(table[i].flashStart, kFlash);
        EXPECT_GT(table[i].flashEnd, kFlash);
        EXPECT_LE(table[i].flashEnd - kFlash, 0x100000u);
        ids.insert(table[i].productId);
        EXPECT_EQ(FindDevice(table[i].productId), &table[i]);
    }
    EXPECT_EQ(ids.size(), 29u);
    EXPECT_EQ(FindDevice(0), nullptr);
    EXPECT_STREQ(FindDevice(0x9B0)->name, "STM32W-256K");
    EXPECT_EQ(FindDevice(0x445)->flashEnd, 0x08008000u);
}

// ---- acknowledge --------------------------------------------------------------

TEST_F(BootClient, AcknowledgeFailuresOnCommand) {
    struct Case {
        std::function<void(TestPort&)> script;
        int failWrite;
        const char* text;
    } cases[] = {
        {[](TestPort& p) { p.Reply({BOOT_NACK}); }, 0, "Got NACK from device on command 0x01\n"},
        {[](TestPort& p) { p.Reply({0x42}); }, 0,
         "Got byte 0x42 instead of ACK\nUnexpected reply from device on command 0x01\n"},
        {[](TestPort&) {}, 0, "Failed to read ACK byte\nUnexpected reply from device on command 0x01\n"},
        {[](TestPort& p) { p.Fail(); }, 0, "Failed to read ACK byte\nUnexpected reply from device on command 0x01\n"},
        {[](TestPort&) {}, 1, "Failed to send command\n"},
    };
    for (const Case& k : cases) {
        diag.clear();
        TestPort port(clock);
        port.failWrite = k.failWrite;
        k.script(port);
        EXPECT_EQ(Connect(port, false), nullptr);
        EXPECT_EQ(diag, k.text);
    }
}

TEST_F(BootSim, BusyBytesBeforeAckAreSkipped) {
    BootloaderEngineOptions o;
    o.busyBeforeEraseAck = 5;
    auto c = Start(o);
    EXPECT_EQ(c->EraseAll(), BootResult::Ok);
    EXPECT_EQ(diag, "");
}

// ---- read and write ----------------------------------------------------------

TEST_F(BootSim, WriteAndReadBackBlocks) {
    auto c = Start();
    std::vector<uint8_t> data(256);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 13 + 1);
    for (uint32_t address : {kFlash, kFlash + 0x100, kFlash + 0x1FF00}) {
        ASSERT_EQ(c->WriteMemory(address, data.data(), 256), BootResult::Ok);
        std::vector<uint8_t> back(256);
        ASSERT_EQ(c->ReadMemory(address, back.data(), 256), BootResult::Ok);
        EXPECT_EQ(back, data);
    }
    uint8_t four[4];
    ASSERT_EQ(c->ReadMemory(kFlash + 4, four, 4), BootResult::Ok);
    EXPECT_EQ(four[0], data[4]);
    // READ MEMORY: command, address frame, then the count as a command frame.
    EXPECT_EQ(Tail(*port, 9), (std::vector<uint8_t>{0x11, 0xEE, 0x08, 0x00, 0x00, 0x04, 0x0C, 0x03, 0xFC}));
    EXPECT_EQ(diag, "");
}

TEST_F(BootSim, ProgrammingOnlyClearsBitsUntilErased) {
    auto c = Start();
    const uint8_t low[4] = {0x0F, 0x0F, 0x0F, 0x0F}, high[4] = {0xF0, 0xF0, 0xF0, 0xF0};
    c->WriteMemory(kFlash, low, 4);
    c->WriteMemory(kFlash, high, 4);
    uint8_t back[4];
    c->ReadMemory(kFlash, back, 4);
    EXPECT_EQ(back[0], 0x00);
    ASSERT_EQ(c->EraseAll(), BootResult::Ok);
    c->ReadMemory(kFlash, back, 4);
    EXPECT_EQ(back[3], 0xFF);
}

TEST_F(BootClient, LengthAndAlignmentRules) {
    TestPort port(clock);
    auto c = Scripted(port);
    uint8_t buffer[300] = {};
    EXPECT_EQ(c->WriteMemory(kFlash, buffer, 0), BootResult::Ok);
    EXPECT_EQ(c->ReadMemory(kFlash, buffer, 0), BootResult::Ok);
    EXPECT_EQ(c->WriteMemory(kFlash, buffer, 300), BootResult::Failed);
    EXPECT_EQ(diag, "");
    EXPECT_EQ(c->WriteMemory(kFlash, buffer, 6), BootResult::Failed);
    EXPECT_EQ(c->WriteMemory(kFlash + 2, buffer, 8), BootResult::Failed);
    EXPECT_EQ(diag,
              "Error: WRITE address and length must be 4 byte aligned\n"
              "Error: WRITE address and length must be 4 byte aligned\n");
    diag.clear();
    EXPECT_EQ(c->ReadMemory(kFlash, buffer, 257), BootResult::Failed);
    EXPECT_EQ(diag, "Error: READ length limit at 256 bytes\n");
    EXPECT_TRUE(port.written.empty());
}

TEST_F(BootClient, CommandsTheBootloaderDoesNotOffer) {
    TestPort port(clock);
    auto c = Scripted(port, 0x410, {0x00, 0x01, 0x02});
    uint8_t buffer[4] = {};
    EXPECT_EQ(c->ReadMemory(kFlash, buffer, 4), BootResult::NoCommand);
    EXPECT_EQ(c->WriteMemory(kFlash, buffer, 4), BootResult::NoCommand);
    EXPECT_EQ(c->EraseAll(), BootResult::NoCommand);
    EXPECT_EQ(c->Go(kFlash), BootResult::NoCommand);
    EXPECT_EQ(diag,
              "Error: READ command not implemented in bootloader.\n"
              "Error: WRITE command not implemented in bootloader.\n"
              "Error: ERASE command not implemented in bootloader.\n"
              "Error: GO command not implemented in bootloader.\n");
    EXPECT_TRUE(port.written.empty());
}

TEST_F(BootSim, RefusedWriteFailsAndTheNextOneWorks) {
    BootloaderEngineOptions o;
    o.nackWriteNumber = 2;
    auto c = Start(o);
    const uint8_t data[4] = {1, 2, 3, 4};
    EXPECT_EQ(c->WriteMemory(kFlash, data, 4), BootResult::Ok);
    EXPECT_EQ(c->WriteMemory(kFlash + 4, data, 4), BootResult::Failed);
    EXPECT_EQ(c->WriteMemory(kFlash + 8, data, 4), BootResult::Ok);
    EXPECT_EQ(engine->Flash()[4], 0xFF);
    EXPECT_EQ(engine->Flash()[8], 1);
}

TEST_F(BootSim, WeakBlockReadsBackWrongUntilRewritten) {
    BootloaderEngineOptions o;
    o.weakBlockAddress = kFlash + 0x200;
    o.weakWrites = 2;
    auto c = Start(o);
    std::vector<uint8_t> data(256, 0x5A), back(256);
    for (int attempt = 1; attempt <= 3; ++attempt) {
        ASSERT_EQ(c->WriteMemory(kFlash + 0x200, data.data(), 256), BootResult::Ok);
        ASSERT_EQ(c->ReadMemory(kFlash + 0x200, back.data(), 256), BootResult::Ok);
        EXPECT_EQ(back == data, attempt == 3) << "attempt " << attempt;
    }
}

// ---- erase --------------------------------------------------------------------

TEST_F(BootSim, ExtendedMassErase) {
    auto c = Start();
    engine->Flash()[0x1234] = 0;
    ASSERT_EQ(c->EraseAll(), BootResult::Ok);
    EXPECT_EQ(Tail(*port, 5), (std::vector<uint8_t>{0x44, 0xBB, 0xFF, 0xFF, 0x00}));
    EXPECT_EQ(engine->Stats().massErases, 1);
    EXPECT_EQ(engine->Flash()[0x1234], 0xFF);
}

TEST_F(BootSim, StandardErase) {
    BootloaderEngineOptions o;
    o.eraseCommand = 0x43;
    auto c = Start(o);
    ASSERT_EQ(c->Commands()[CommandTable::Erase], 0x43);
    ASSERT_EQ(c->EraseAll(), BootResult::Ok);
    EXPECT_EQ(Tail(*port, 4), (std::vector<uint8_t>{0x43, 0xBC, 0xFF, 0x00}));
    EXPECT_EQ(engine->Stats().massErases, 1);
}

TEST_F(BootSim, PageListEraseForProduct416) {
    BootloaderEngineOptions o;
    o.productId = 0x416;
    o.pageSize = 256;
    auto c = Start(o);
    engine->Flash()[247 * 256] = 0;
    engine->Flash()[248 * 256] = 0;
    ASSERT_EQ(c->EraseAll(), BootResult::Ok);
    auto list = Tail(*port, 499);
    EXPECT_EQ(list[0], 0x00);
    EXPECT_EQ(list[1], 0xF7);
    EXPECT_EQ(list[2 + 2 * 247], 0x00);
    EXPECT_EQ(list[3 + 2 * 247], 0xF7);
    uint8_t x = 0;
    for (uint8_t b : list) x ^= b;
    EXPECT_EQ(x, 0);
    EXPECT_EQ(port->written[port->written.size() - 501], 0x44);
    EXPECT_EQ(engine->Stats().massErases, 0);
    ASSERT_EQ(engine->Stats().lastErasedPages.size(), 248u);
    EXPECT_EQ(engine->Stats().lastErasedPages.back(), 247);
    EXPECT_EQ(engine->Flash()[247 * 256], 0xFF);
    EXPECT_EQ(engine->Flash()[248 * 256], 0x00);
}

TEST_F(BootClient, EraseFailures) {
    struct Case {
        uint16_t pid;
        uint8_t erase;
        std::function<void(TestPort&)> script;
        int failWrite;  // counted from the first write after Init
        const char* text;
        int reads;      // reads during the erase, -1: not counted
    } cases[] = {
        {0x410, 0x44, [](TestPort& p) { p.Reply({BOOT_NACK}); }, 0,
         "Got NACK from device on command 0x44\nCan't initiate chip erase!\n", 1},
        {0x410, 0x44, [](TestPort& p) { p.Reply({BOOT_ACK}); }, 2, "Mass erase error.\n", -1},
        {0x410, 0x44, [](TestPort& p) { p.Reply({BOOT_ACK}); }, 0,
         "Failed to read ACK byte\nMass erase failed. Try specifying the number of pages to be erased.\n", 13},
        {0x416, 0x44, [](TestPort& p) { p.Reply({BOOT_ACK}); }, 2, "Page-by-page erase error.\n", -1},
        {0x416, 0x44, [](TestPort& p) { p.Reply({BOOT_ACK}); }, 0,
         "Failed to read ACK byte\nPage-by-page erase failed. Check the maximum pages your device supports.\n", 3},
        {0x410, 0x43, [](TestPort& p) { p.Reply({BOOT_ACK}); }, 0,
         "Failed to read ACK byte\nUnexpected reply from device on command 0xff\n", 13},
        {0x410, 0x43, [](TestPort& p) { p.Reply({BOOT_ACK, BOOT_NACK}); }, 0,
         "Got NACK from device on command 0xff\n", 2},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.text);
        diag.clear();
        TestPort port(clock);
        auto codes = kAllCommands;
        codes[6] = k.erase;
        auto c = Scripted(port, k.pid, codes);
        k.script(port);
        port.failWrite = k.failWrite ? port.writes + k.failWrite : 0;
        int before = port.reads;
        EXPECT_EQ(c->EraseAll(), BootResult::Failed);
        EXPECT_EQ(diag, k.text);
        if (k.reads >= 0) {
            EXPECT_EQ(port.reads - before, k.reads);
        }
    }
}

// ---- deadlines ------------------------------------------------------------------

TEST_F(BootClient, WriteAcknowledgeWaitsOneRead) {
    TestPort port(clock);
    auto c = Scripted(port);
    port.Reply({BOOT_ACK, BOOT_ACK});  // command and address; the data goes unanswered
    const uint8_t data[4] = {1, 2, 3, 4};
    int before = port.reads;
    EXPECT_EQ(c->WriteMemory(kFlash, data, 4), BootResult::Failed);
    EXPECT_EQ(port.reads - before, 3);
    EXPECT_EQ(diag, "Failed to read ACK byte\n");
    EXPECT_EQ(Tail(port, 6), (std::vector<uint8_t>{0x03, 1, 2, 3, 4, 0x03 ^ 1 ^ 2 ^ 3 ^ 4}));
}

TEST_F(BootClient, InjectedDeadlinesAndStop) {
    TestPort port(clock);
    port.Reply({BOOT_ACK});
    port.Reply(InitReplies(0x410, kAllCommands));
    BootOptions o = Options();
    o.massEraseTimeout = 9;
    auto c = BootloaderConnection::Init(port, true, o);
    ASSERT_NE(c, nullptr);
    port.Reply({BOOT_ACK});
    int before = port.reads;
    EXPECT_EQ(c->EraseAll(), BootResult::Failed);
    EXPECT_EQ(port.reads - before - 1, 3);

    // Stop surfaces as a port failure: no further waiting, whatever the deadline.
    diag.clear();
    port.Reply({BOOT_ACK});
    port.Fail();
    before = port.reads;
    EXPECT_EQ(c->EraseAll(), BootResult::Failed);
    EXPECT_EQ(port.reads - before, 2);
    EXPECT_EQ(diag, "Failed to read ACK byte\nMass erase failed. Try specifying the number of pages to be erased.\n");
}

// ---- go -------------------------------------------------------------------------

TEST_F(BootSim, GoStartsFirmwareAndSilencesBootloader) {
    auto c = Start();
    uint32_t started = 0;
    engine->SetGoHandler([&](uint32_t address) { started = address; });
    ASSERT_EQ(c->Go(kFlash), BootResult::Ok);
    EXPECT_TRUE(engine->GoReceived());
    EXPECT_EQ(started, kFlash);
    EXPECT_EQ(Tail(*port, 7), (std::vector<uint8_t>{0x21, 0xDE, 0x08, 0x00, 0x00, 0x00, 0x08}));
    uint8_t buffer[4];
    EXPECT_EQ(c->ReadMemory(kFlash, buffer, 4), BootResult::Failed);
}

}  // namespace
}  // namespace velmora
