#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "core/SatTpFile.h"
#include "sim/MeterEngine.h"
#include "sim/MeterSim.h"
#include "sim/TableDump.h"

namespace velmora::sim {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Frame(Bytes payload) {
    unsigned sum = 0;
    for (uint8_t b : payload) sum += b;
    payload.push_back(static_cast<uint8_t>(sum));
    return payload;
}

// Feeds bytes one by one, as the line delivers them, and collects the answers.
struct Driver {
    explicit Driver(MeterOptions options = {}) : engine(std::move(options)) {}
    Bytes Send(const Bytes& bytes, SimClock::duration after = {}) {
        now += after;
        Bytes answer;
        for (uint8_t b : bytes) {
            SimOutput out;
            engine.OnByte(b, now, out);
            answer.insert(answer.end(), out.Bytes().begin(), out.Bytes().end());
            hungUp = hungUp || out.WantsHangUp();
        }
        return answer;
    }
    MeterEngine engine;
    SimClock::time_point now = SimClock::now();
    bool hungUp = false;
};

Bytes SmallDump(int sats, int tps) {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    ApplyLnbDefaults(*db);
    for (int i = 0; i < sats; ++i) {
        SetSatName(db->satellites[i], "Sat", 3);
        db->satellites[i].position = static_cast<uint16_t>(100 + i);
    }
    db->satCount = sats;
    for (int i = 0; i < tps; ++i) db->tps[i] = TpRecord{0, 0, 1, static_cast<uint32_t>(11000 + i), 27500};
    db->tpCount = tps;
    return EncodeTableDump(*db);
}

// Sends a whole dump as the PC's Write-tables frames; returns the last answer.
Bytes WriteDump(Driver& d, const Bytes& dump) {
    Bytes answer = d.Send({0x5A, 0xA5});
    std::size_t at = 0;
    auto send = [&](std::size_t n) {
        answer = d.Send(Frame(Bytes(dump.begin() + at, dump.begin() + at + n)));
        at += n;
    };
    for (int i = 0; i < 16; ++i) send(12);
    std::size_t sats = GetU16(&dump[at]);
    send(4);
    for (std::size_t i = 0; i < sats; ++i) send(20);
    std::size_t tps = GetU16(&dump[at]);
    send(4);
    for (std::size_t i = 0; i < tps; ++i) send(12);
    return answer;
}

// ---- commands ----

TEST(MeterEngineCommands, EachCommandGetsItsAnswer) {
    Driver d;
    EXPECT_EQ(d.Send({0xA5, 0x5B}), Bytes{0xA5});
    Driver w;
    EXPECT_EQ(w.Send({0x5A, 0xA5}), Bytes{0xCC});
    Driver l;
    EXPECT_EQ(l.Send({0xC5, 0x3A}), Bytes{0xCC});
    Driver i;
    EXPECT_EQ(i.Send({0x5C, 0xA3}), Bytes{0xCC});
    Driver x;
    EXPECT_EQ(x.Send({0x93, 0x6C}), Bytes{0xCC});
    EXPECT_EQ(x.engine.Record().iconDeletes, 1);
    // The complement 0x5A is not the Read-tables command.
    Driver wrong;
    EXPECT_TRUE(wrong.Send({0xA5, 0x5A, 0x00, 0x5A}).empty());
    EXPECT_TRUE(wrong.engine.Record().commands.empty());
}

TEST(MeterEngineCommands, NoAnswerFaultLogsButStaysSilent) {
    MeterOptions options;
    options.faults.noAnswer = true;
    Driver d(options);
    EXPECT_TRUE(d.Send({0x93, 0x6C}).empty());
    EXPECT_EQ(d.engine.Record().commands, std::vector<std::string>{"Delete icons"});
}

// ---- serving tables ----

TEST(MeterEngineRead, ServesFramesInTransferOrderOneAckAtATime) {
    MeterOptions options;
    options.tables = SmallDump(1, 2);
    Driver d(options);
    d.Send({0xA5, 0x5B});
    Bytes received = d.Send({0xCC});
    std::size_t frames = 1;
    while (true) {
        Bytes next = d.Send({0xAA});
        if (next.empty()) break;
        received.insert(received.end(), next.begin(), next.end());
        ++frames;
    }
    EXPECT_EQ(frames, 16u + 1 + 1 + 1 + 2);
    EXPECT_EQ(received.size(), 16u * 13 + 5 + 21 + 5 + 2 * 13);
    EXPECT_EQ(Bytes(received.begin(), received.begin() + 13),
              Frame(Bytes(options.tables.begin(), options.tables.begin() + 12)));
    EXPECT_EQ(d.engine.Record().tablesServed, 1);
}

TEST(MeterEngineRead, RefusalOrANewCommandEndsTheServing) {
    MeterOptions options;
    options.tables = SmallDump(1, 2);
    Driver d(options);
    d.Send({0xA5, 0x5B, 0xCC});
    EXPECT_TRUE(d.Send({0x55}).empty());
    // A PC that gave up and started over: the bytes are a command again.
    d.Send({0xA5, 0x5B, 0xCC});
    EXPECT_EQ(d.Send({0x93, 0x6C}), Bytes{0xCC});
    EXPECT_EQ(d.engine.Record().tablesServed, 0);
}

TEST(MeterEngineRead, CorruptAndDropFaultsHitTheNamedFrameAndByte) {
    MeterOptions options;
    options.tables = SmallDump(1, 2);
    options.faults.corruptSentFrame = 2;
    options.faults.dropSentByte = 3;  // answer, then frame 1's first two bytes
    Driver d(options);
    d.Send({0xA5, 0x5B});
    Bytes first = d.Send({0xCC});
    Bytes expected = Frame(Bytes(options.tables.begin(), options.tables.begin() + 12));
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(first, expected);
    Bytes second = d.Send({0xAA});
    Bytes good = Frame(Bytes(options.tables.begin() + 12, options.tables.begin() + 24));
    EXPECT_EQ(second.back(), static_cast<uint8_t>(good.back() + 1));
}

TEST(MeterEngineRead, SilenceAbandonsTheTransfer) {
    MeterOptions options;
    options.tables = SmallDump(1, 0);
    options.idleReset = std::chrono::milliseconds(50);
    Driver d(options);
    d.Send({0xA5, 0x5B, 0xCC});
    // 0xAA after the silence is no acknowledgement, only a stray byte.
    EXPECT_TRUE(d.Send({0xAA}, std::chrono::milliseconds(60)).empty());
}

// ---- receiving ----

TEST(MeterEngineWrite, StoresTheTablesAndWritesThemOut) {
    std::string dir = (std::filesystem::temp_directory_path() / "velmora-sim-out").string();
    std::filesystem::create_directories(dir);
    MeterOptions options;
    options.outputDir = dir;
    Driver d(options);
    Bytes dump = SmallDump(2, 3);
    EXPECT_EQ(WriteDump(d, dump), Bytes{0xAA});
    EXPECT_EQ(d.engine.Record().tables, dump);
    Bytes stored;
    ASSERT_TRUE(ReadBinaryFile(dir + "/tables.bin", stored));
    EXPECT_EQ(stored, dump);
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    EXPECT_EQ(ReadSatTpFile(*db, (dir + "/sattp.csv").c_str()), 0);
    EXPECT_EQ(db->tpCount, 3);
    std::filesystem::remove_all(dir);
}

// Reads the served table back as the PC would, acknowledging every frame.
Bytes ReadDump(Driver& d) {
    d.Send({0xA5, 0x5B});
    Bytes served;
    for (Bytes frame = d.Send({0xCC}); !frame.empty(); frame = d.Send({0xAA}))
        served.insert(served.end(), frame.begin(), frame.end() - 1);
    return served;
}

TEST(MeterEngineWrite, ReadServesWhatWasStoredUnlessStoringIsOff) {
    const Bytes original = SmallDump(1, 2);
    const Bytes written = SmallDump(2, 3);
    Bytes flipped = written;
    flipped[16 * 12 + 4 + 2 * 20 + 4 + 12 + 4] += 1;  // the second TP's frequency
    struct Case {
        bool store = true;
        int flip = 0;  // the transponder whose stored frequency goes wrong; 0: none
        Bytes served;
    };
    for (const Case& c : {Case{.served = written}, Case{.store = false, .served = original},
                          Case{.flip = 2, .served = flipped}, Case{.flip = 4, .served = written}}) {
        MeterOptions options;
        options.tables = original;
        options.storeWrites = c.store;
        options.faults.storeFlipTp = c.flip;
        Driver d(options);
        // Every frame is acknowledged even when the storage goes wrong.
        EXPECT_EQ(WriteDump(d, written), Bytes{0xAA});
        EXPECT_EQ(ReadDump(d), c.served) << c.store << ' ' << c.flip;
        EXPECT_EQ(d.engine.Record().tables, c.flip == 2 ? flipped : written);
    }
}

TEST(MeterEngineWrite, BadChecksumAndOverLimitCountsAreRefused) {
    Driver d;
    d.Send({0x5A, 0xA5});
    Bytes lnb = Frame(Bytes(12, 1));
    lnb.back() ^= 1;
    EXPECT_EQ(d.Send(lnb), Bytes{0x55});

    Driver c;
    c.Send({0x5A, 0xA5});
    for (int i = 0; i < 16; ++i) c.Send(Frame(Bytes(12, 0)));
    EXPECT_EQ(c.Send(Frame({0x2D, 0x01, 0, 0})), Bytes{0x55});  // 301 satellites
}

TEST(MeterEngineWrite, ReceiveFaultsRefuseIgnoreAndHangUp) {
    MeterOptions options;
    options.faults.refuseReceivedFrame = 2;
    Driver r(options);
    r.Send({0xC5, 0x3A});
    EXPECT_EQ(r.Send(Frame(Bytes(48, 3))), Bytes{0xAA});
    EXPECT_EQ(r.Send(Frame(Bytes(48, 3))), Bytes{0x55});

    options.faults = {};
    options.faults.ignoreReceivedFrame = 1;
    Driver i(options);
    i.Send({0xC5, 0x3A});
    EXPECT_TRUE(i.Send(Frame(Bytes(48, 3))).empty());

    options.faults = {};
    options.faults.hangUpAfterFrames = 2;
    Driver h(options);
    h.Send({0xC5, 0x3A});
    h.Send(Frame(Bytes(48, 3)));
    EXPECT_FALSE(h.hungUp);
    h.Send(Frame(Bytes(48, 3)));
    EXPECT_TRUE(h.hungUp);
}

TEST(MeterEngineWrite, IconFramesMayBeEmpty) {
    Driver d;
    d.Send({0x5C, 0xA3});
    EXPECT_EQ(d.Send(Frame({0, 1, 2, 9, 9, 9})), Bytes{0xAA});
    for (int k = 0; k < 8; ++k) EXPECT_EQ(d.Send(Frame({})), Bytes{0xAA}) << k;
    EXPECT_EQ(d.Send(Frame({1, 2, 3, 4})), Bytes{0xAA});
    EXPECT_EQ(d.engine.Record().icon, (Bytes{0, 1, 2, 9, 9, 9, 1, 2, 3, 4}));
}

// ---- table dumps ----

TEST(TableDump, RoundTripsAndRefusesIncompleteDumps) {
    Bytes dump = SmallDump(3, 4);
    EXPECT_EQ(dump.size(), 200u + 3 * 20 + 4 * 12);
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    ASSERT_TRUE(DecodeTableDump(dump, *db));
    EXPECT_EQ(EncodeTableDump(*db), dump);
    EXPECT_STREQ(db->satellites[3].name, "-----");
    dump.pop_back();
    EXPECT_FALSE(DecodeTableDump(dump, *db));
    EXPECT_FALSE(DecodeTableDump(Bytes(100), *db));
}

// ---- pseudo-terminal runner ----

TEST(PtyRunner, AnswersOverThePtyAndHangsUp) {
    MeterOptions options;
    options.faults.hangUpAfterFrames = 1;
    MeterSim sim(options);
    std::string error;
    ASSERT_TRUE(sim.Start(&error)) << error;
    int fd = ::open(sim.SlavePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(fd, 0);
    const uint8_t command[] = {0xC5, 0x3A};
    ASSERT_EQ(::write(fd, command, 2), 2);
    pollfd p{fd, POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 10000), 1);
    uint8_t answer = 0;
    ASSERT_EQ(::read(fd, &answer, 1), 1);
    EXPECT_EQ(answer, 0xCC);
    Bytes frame = Frame(Bytes(48, 7));
    ASSERT_EQ(::write(fd, frame.data(), frame.size()), static_cast<ssize_t>(frame.size()));
    // The acknowledgement, then the line goes dead.
    ASSERT_EQ(::poll(&p, 1, 10000), 1);
    ASSERT_EQ(::read(fd, &answer, 1), 1);
    EXPECT_EQ(answer, 0xAA);
    ASSERT_EQ(::poll(&p, 1, 10000), 1);
    EXPECT_LE(::read(fd, &answer, 1), 0);
    ::close(fd);
    sim.Stop();
    EXPECT_TRUE(sim.Runner().HungUp());
}

}  // namespace
}  // namespace velmora::sim
