#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <thread>

#include "tests/support/LinkTestSupport.h"
#include "serial/LinkTexts.h"
#include "meter/TableTransfer.h"

namespace velmora {
namespace {

using testing::FillFullTable;
using testing::FillSmallTable;
using testing::SimLink;
using Bytes = std::vector<uint8_t>;
using std::chrono::microseconds;

// Short polls for the tests that run into a 1000-poll limit.
constexpr microseconds kQuickPoll{300};

const sim::LinePacing kLineSpeed{115200, std::chrono::microseconds(100)};

sim::MeterOptions Serving(const Bytes& tables, sim::MeterFaults faults = {}) {
    sim::MeterOptions options;
    options.tables = tables;
    options.faults = faults;
    return options;
}

Bytes SmallDump() {
    auto db = std::make_unique<SatTpDatabase>();
    FillSmallTable(*db);
    return sim::EncodeTableDump(*db);
}

// Marks every slot so a test can see which ones a read replaced.
void FillMarkers(SatTpDatabase& db) {
    std::memset(&db, 0x5C, sizeof db);
    db.satCount = 7;
    db.tpCount = 9;
}

bool SameBytes(const SatTpDatabase& a, const SatTpDatabase& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Offsets into a dump of the small table.
constexpr std::size_t kSatCountAt = 192;
constexpr std::size_t kTpCountAt = 196 + 2 * 20;
constexpr std::size_t kFirstTpAt = kTpCountAt + 4;

// ---- read: success ----

TEST(ReadTables, SmallTableReplacesTheTablesAndKeepsLaterTransponderSlots) {
    SimLink s(Serving(SmallDump()));
    FillMarkers(*s.host.db);
    const TpRecord oldSlot5 = s.host.db->tps[5];

    EXPECT_EQ(ReadTablesFromMeter(s.link), OpResult::Completed);

    auto expected = std::make_unique<SatTpDatabase>();
    FillSmallTable(*expected);
    SatTpDatabase& db = *s.host.db;
    ASSERT_EQ(db.satCount, 2);
    ASSERT_EQ(db.tpCount, 5);
    for (int i = 0; i < LNB_COUNT; ++i) {
        EXPECT_EQ(db.lnbs[i].loFrequency, expected->lnbs[i].loFrequency);
        EXPECT_EQ(db.lnbs[i].reserved, 7);
        EXPECT_EQ(db.lnbs[i].diseqcInput, expected->lnbs[i].diseqcInput);
    }
    EXPECT_STREQ(db.satellites[1].name, "Hispasat 30W");
    EXPECT_EQ(db.satellites[1].position, 3300);
    for (int i = 2; i < MAX_SATELLITES; ++i) ASSERT_STREQ(db.satellites[i].name, UNUSED_SAT_NAME) << i;
    EXPECT_EQ(db.tps[4].frequency, expected->tps[4].frequency);
    EXPECT_EQ(std::memcmp(&db.tps[5], &oldSlot5, sizeof oldSlot5), 0);

    EXPECT_EQ(s.host.LastStatus(), TEXT_READ_COMPLETED);
    EXPECT_EQ(s.host.statuses.front(), TEXT_WAIT_FOR_CONNECT);
    using Phase = std::pair<std::string, int>;
    EXPECT_EQ(s.host.phases, (std::vector<Phase>{{TEXT_READ_LNB, 16}, {TEXT_READ_SATELLITES, 2},
                                                 {TEXT_READ_TRANSPONDERS, 5}}));
    EXPECT_EQ(s.host.progress, 5);
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_EQ(s.host.flags.batchFlags.load(), 0);
    s.ExpectIdle();
    EXPECT_EQ(s.meter.Engine().Record().commands, std::vector<std::string>{"Read tables"});
}

TEST(ReadTables, CountFramesIgnoreTheirUpperBytesAndAcceptTheLimits) {
    Bytes dump = SmallDump();
    dump[kSatCountAt + 2] = 0xFF;
    dump[kSatCountAt + 3] = 0xFF;
    dump[kTpCountAt + 3] = 0x80;
    // A transponder may name any satellite slot, also one beyond satCount.
    PutU16(&dump[kFirstTpAt], MAX_SATELLITES - 1);
    SimLink s(Serving(dump));
    EXPECT_EQ(ReadTablesFromMeter(s.link), OpResult::Completed);
    EXPECT_EQ(s.host.db->satCount, 2);
    EXPECT_EQ(s.host.db->tpCount, 5);
    EXPECT_EQ(s.host.db->tps[0].satIndex, MAX_SATELLITES - 1);
}

// ---- read: failures leave the tables alone ----

struct ReadFailure {
    const char* name;
    std::function<void(Bytes&)> damage;
};

class ReadTablesRefused : public ::testing::TestWithParam<ReadFailure> {};

TEST_P(ReadTablesRefused, FailsWithTablesUnchanged) {
    Bytes dump = SmallDump();
    GetParam().damage(dump);
    SimLink s(Serving(dump), kQuickPoll);
    FillMarkers(*s.host.db);
    auto before = std::make_unique<SatTpDatabase>(*s.host.db);

    EXPECT_EQ(ReadTablesFromMeter(s.link), OpResult::Failed);
    EXPECT_EQ(s.host.LastStatus(), TEXT_READ_FAILED);
    EXPECT_TRUE(SameBytes(*s.host.db, *before));
    EXPECT_TRUE(s.host.messages.empty());
    s.ExpectIdle();
}

INSTANTIATE_TEST_SUITE_P(
    Damage, ReadTablesRefused,
    ::testing::Values(
        ReadFailure{"SatCount301",
                    [](Bytes& d) {
                        PutU16(&d[kSatCountAt], MAX_SATELLITES + 1);
                        d.resize(196 + 301 * 20 + 4, 0);
                    }},
        ReadFailure{"TpCount8001", [](Bytes& d) { PutU16(&d[kTpCountAt], MAX_TPS + 1); }},
        ReadFailure{"TpSatIndex300", [](Bytes& d) { PutU16(&d[kFirstTpAt + 24], MAX_SATELLITES); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadTables, CorruptFrameIsRefusedOnceAndFails) {
    sim::MeterFaults faults;
    faults.corruptSentFrame = 18;  // the first satellite
    SimLink s(Serving(SmallDump(), faults));
    EXPECT_EQ(ReadTablesFromMeter(s.link), OpResult::Failed);
    EXPECT_EQ(s.host.LastStatus(), TEXT_READ_FAILED);
    EXPECT_EQ(s.host.db->satCount, 0);
    // The meter got its 0x55 and gave up; no retry was asked for.
    auto record = s.meter.Engine().Record();
    EXPECT_EQ(record.framesSent, 18);
    EXPECT_EQ(record.tablesServed, 0);
    s.ExpectIdle();
}

TEST(ReadTables, LostByteLeavesAFrameIncompleteAndFailsWithoutMessage) {
    sim::MeterFaults faults;
    faults.dropSentByte = 40;
    SimLink s(Serving(SmallDump(), faults), kQuickPoll);
    EXPECT_EQ(ReadTablesFromMeter(s.link), OpResult::Failed);
    EXPECT_EQ(s.host.LastStatus(), TEXT_READ_FAILED);
    EXPECT_TRUE(s.host.messages.empty());
    s.ExpectIdle();
}

TEST(ReadTables, SilentMeterIsWaitedForUntilStop) {
    sim::MeterFaults faults;
    faults.noAnswer = true;
    SimLink s(Serving(SmallDump(), faults), microseconds(20));
    // Well beyond the time a write's answer may take.
    s.host.stopAfterPumps = 2000;
    EXPECT_EQ(ReadTablesFromMeter(s.link), OpResult::Stopped);
    EXPECT_EQ(s.host.pumps, 2000);
    EXPECT_EQ(s.host.LastStatus(), "");
    EXPECT_TRUE(s.host.messages.empty());
    s.ExpectIdle();
}

TEST(ReadTables, StopDuringTheFramesFails) {
    // At line speed every frame is waited for, so Stop is seen at a poll.
    SimLink s(Serving(SmallDump()), std::chrono::microseconds(3000), kLineSpeed);
    FillMarkers(*s.host.db);
    s.host.onPump = [&] {
        if (s.host.phases.size() >= 2) s.host.flags.runFlag = 0;
    };
    EXPECT_EQ(ReadTablesFromMeter(s.link), OpResult::Failed);
    EXPECT_EQ(s.host.LastStatus(), TEXT_READ_FAILED);
    EXPECT_EQ(s.host.db->satCount, 7);
    s.ExpectIdle();
}

TEST(ReadTables, PortThatCannotBeOpenedShowsConnectFail) {
    SimLink s;
    s.link.SetPortName(s.dir.File("no-such-tty"));
    s.host.flags.batchFlags = 0x01;
    EXPECT_EQ(ReadTablesFromMeter(s.link), OpResult::NotStarted);
    EXPECT_EQ(s.host.messages, std::vector<std::string>{std::string(TEXT_CONNECT_FAIL) + "\n" +
                                                        s.link.PortName() +
                                                        " is gone: is the cable plugged in?"});
    EXPECT_TRUE(s.host.statuses.empty());
    EXPECT_EQ(s.host.flags.batchFlags.load(), 0x01);
    s.ExpectIdle();
}

// ---- received payload ----

TEST(LoadTablesFromPayload, ParsesTheTransferLayout) {
    Bytes dump = SmallDump();
    ASSERT_EQ(dump.size(), 300u);
    auto db = std::make_unique<SatTpDatabase>();
    FillMarkers(*db);
    EXPECT_TRUE(LoadTablesFromPayload(*db, dump));
    EXPECT_EQ(db->satCount, 2);
    EXPECT_EQ(db->tpCount, 5);
    EXPECT_STREQ(db->satellites[2].name, UNUSED_SAT_NAME);
    EXPECT_EQ(db->tps[5].frequency, 0x5C5C5C5Cu);
}

TEST(LoadTablesFromPayload, TruncatedOrOverfullPayloadChangesNothing) {
    auto overfull = SmallDump();
    PutU16(&overfull[kSatCountAt], 301);
    std::vector<Bytes> cases = {overfull, {}};
    for (std::size_t cut : {std::size_t{100}, std::size_t{299}}) {
        cases.push_back(SmallDump());
        cases.back().resize(cut);
    }
    for (const Bytes& payload : cases) {
        auto db = std::make_unique<SatTpDatabase>();
        FillMarkers(*db);
        auto before = std::make_unique<SatTpDatabase>(*db);
        EXPECT_FALSE(LoadTablesFromPayload(*db, payload)) << payload.size();
        EXPECT_TRUE(SameBytes(*db, *before)) << payload.size();
    }
}

// Two reads at once in one process and one folder each get their own meter's
// table: a read keeps nothing under a shared name.
TEST(ReadTables, TwoMetersReadAtOnceKeepTheirOwnTables) {
    Bytes big = SmallDump();
    auto other = std::make_unique<SatTpDatabase>();
    ASSERT_TRUE(sim::DecodeTableDump(big, *other));
    other->satCount = 1;
    other->tpCount = 1;
    SimLink a(Serving(big), std::chrono::microseconds(3000), kLineSpeed);
    SimLink b(Serving(sim::EncodeTableDump(*other)), std::chrono::microseconds(3000), kLineSpeed);
    OpResult second = OpResult::NotStarted;
    std::thread thread([&] { second = ReadTablesFromMeter(b.link); });
    EXPECT_EQ(ReadTablesFromMeter(a.link), OpResult::Completed);
    thread.join();
    EXPECT_EQ(second, OpResult::Completed);
    EXPECT_EQ(a.host.db->satCount, 2);
    EXPECT_EQ(a.host.db->tpCount, 5);
    EXPECT_EQ(b.host.db->satCount, 1);
    EXPECT_EQ(b.host.db->tpCount, 1);
}

// ---- write ----

TEST(WriteTables, SmallTableArrivesInTransferOrder) {
    SimLink s;
    FillSmallTable(*s.host.db);
    EXPECT_EQ(WriteTablesToMeter(s.link), OpResult::Completed);
    EXPECT_EQ(s.meter.Engine().Record().tables, SmallDump());
    EXPECT_EQ(s.host.LastStatus(), TEXT_WRITE_COMPLETED);
    using Phase = std::pair<std::string, int>;
    EXPECT_EQ(s.host.phases, (std::vector<Phase>{{TEXT_WRITE_LNB, 16}, {TEXT_WRITE_SATELLITES, 2},
                                                 {TEXT_WRITE_TRANSPONDERS, 5}}));
    EXPECT_EQ(s.host.flags.batchFlags.load(), BATCH_TABLES_DONE);
    s.ExpectIdle();
}

TEST(WriteTables, FullTableRoundTripsThroughTheMeter) {
    SimLink writer;
    FillFullTable(*writer.host.db);
    ASSERT_EQ(WriteTablesToMeter(writer.link), OpResult::Completed);
    Bytes stored = writer.meter.Engine().Record().tables;
    ASSERT_EQ(stored.size(), 200u + 20 * 300 + 12 * 8000);

    SimLink reader(Serving(stored));
    ASSERT_EQ(ReadTablesFromMeter(reader.link), OpResult::Completed);
    EXPECT_EQ(sim::EncodeTableDump(*reader.host.db), stored);
    EXPECT_EQ(reader.host.db->tps[7999].symbolRate, 1000u + 7999);
}

TEST(WriteTables, NoSatellitesDoesNothingAtAll) {
    SimLink s;
    FillSmallTable(*s.host.db);
    s.host.db->satCount = 0;
    EXPECT_EQ(WriteTablesToMeter(s.link), OpResult::NotStarted);
    EXPECT_TRUE(s.host.statuses.empty());
    EXPECT_TRUE(s.meter.Engine().Record().commands.empty());
}

struct WriteFailure {
    const char* name;
    sim::MeterFaults faults;
    std::vector<std::string> messages;
    std::string status = TEXT_WRITE_FAILED;
};

class WriteTablesFails : public ::testing::TestWithParam<WriteFailure> {};

TEST_P(WriteTablesFails, ShowsWriteFailedAndKeepsTheBatchFlag) {
    SimLink s(Serving({}, GetParam().faults), kQuickPoll);
    FillSmallTable(*s.host.db);
    s.host.flags.batchFlags = BATCH_LOGO_DONE;
    EXPECT_EQ(WriteTablesToMeter(s.link), OpResult::Failed);
    EXPECT_EQ(s.host.LastStatus(), GetParam().status);
    std::vector<std::string> messages = GetParam().messages;
    for (std::string& m : messages) m = FillText(m, {s.link.PortName()});
    EXPECT_EQ(s.host.messages, messages);
    EXPECT_EQ(s.host.flags.batchFlags.load(), BATCH_LOGO_DONE);
    EXPECT_TRUE(s.meter.Engine().Record().tables.empty());
    s.ExpectIdle();
}

sim::MeterFaults Fault(int sim::MeterFaults::*field, int value) {
    sim::MeterFaults f;
    f.*field = value;
    return f;
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WriteTablesFails,
    ::testing::Values(
        // "%1" stands for the port.
        WriteFailure{"NoAnswer", [] { sim::MeterFaults f; f.noAnswer = true; return f; }(),
                     {TEXT_NO_ANSWER_UNCHANGED}},
        // Once a frame went out, the meter's table may be partial: the user is told.
        WriteFailure{"RefusedFrame", Fault(&sim::MeterFaults::refuseReceivedFrame, 17),
                     {TEXT_WRITE_BROKEN_OFF}},
        WriteFailure{"UnacknowledgedFrame", Fault(&sim::MeterFaults::ignoreReceivedFrame, 3),
                     {TEXT_ASK_TIMEOUT, TEXT_WRITE_BROKEN_OFF}},
        // A line that goes away ends the wait at once, and the status says why.
        WriteFailure{"HangUp", Fault(&sim::MeterFaults::hangUpAfterFrames, 10),
                     {TEXT_WRITE_BROKEN_OFF},
                     std::string(TEXT_WRITE_FAILED) + "(the adapter was unplugged)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadTables, UnpluggedAdapterEndsTheReadAtOnceWithItsReason) {
    // The simulator closes the pseudo-terminal's master side after five
    // frames, as an adapter pulled out of its socket does to the tty.
    SimLink s(Serving(SmallDump(), Fault(&sim::MeterFaults::hangUpAfterFrames, 5)), kQuickPoll);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(ReadTablesFromMeter(s.link), OpResult::Failed);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(250));
    EXPECT_EQ(s.host.LastStatus(), std::string(TEXT_READ_FAILED) + "(the adapter was unplugged)");
    EXPECT_TRUE(s.host.messages.empty());  // no " ask timeout !  " on top
    s.ExpectIdle();
}

TEST(WriteTables, StopWhileWaitingForTheAnswerEmptiesTheStatus) {
    sim::MeterFaults faults;
    faults.noAnswer = true;
    SimLink s(Serving({}, faults));
    FillSmallTable(*s.host.db);
    s.host.stopAfterPumps = 4;
    EXPECT_EQ(WriteTablesToMeter(s.link), OpResult::Stopped);
    EXPECT_EQ(s.host.LastStatus(), "");
    EXPECT_TRUE(s.host.messages.empty());
    s.ExpectIdle();
}

TEST(WriteTables, StopDuringTheFramesFails) {
    SimLink s({}, std::chrono::microseconds(3000), kLineSpeed);
    FillSmallTable(*s.host.db);
    s.host.onPump = [&] {
        if (s.host.progress >= 8) s.host.flags.runFlag = 0;
    };
    EXPECT_EQ(WriteTablesToMeter(s.link), OpResult::Failed);
    EXPECT_EQ(s.host.LastStatus(), TEXT_WRITE_FAILED);
    EXPECT_EQ(s.host.messages, std::vector<std::string>{TEXT_WRITE_STOPPED});
    EXPECT_EQ(s.host.flags.batchFlags.load(), 0);
    s.ExpectIdle();
}

TEST(WriteTables, SecondOperationStartedFromAWaitDoesNothing) {
    SimLink s;
    FillSmallTable(*s.host.db);
    std::vector<OpResult> nested;
    s.host.onPump = [&] {
        if (nested.empty()) {
            nested.push_back(WriteTablesToMeter(s.link));
            nested.push_back(ReadTablesFromMeter(s.link));
        }
    };
    EXPECT_EQ(WriteTablesToMeter(s.link), OpResult::Completed);
    EXPECT_EQ(nested, (std::vector<OpResult>{OpResult::NotStarted, OpResult::NotStarted}));
    EXPECT_EQ(s.meter.Engine().Record().commands, std::vector<std::string>{"Write tables"});
    s.ExpectIdle();
}

TEST(WriteTables, TablesShrunkByANestedEditEndTheWriteAtTheCount) {
    SimLink s;
    FillSmallTable(*s.host.db);
    s.host.onPump = [&] {
        if (s.host.phases.size() == 3) s.host.db->tpCount = 2;
    };
    EXPECT_EQ(WriteTablesToMeter(s.link), OpResult::Failed);
    EXPECT_EQ(s.host.progress, 2);
    s.ExpectIdle();
}

}  // namespace
}  // namespace velmora
