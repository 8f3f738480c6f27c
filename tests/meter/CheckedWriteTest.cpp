#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/LinkTestSupport.h"
#include "core/SatTpFile.h"
#include "core/TableCompare.h"
#include "serial/LinkTexts.h"
#include "meter/TableTransfer.h"
#include "meter/TableVerify.h"

namespace velmora {
namespace {

using testing::FillSmallTable;
using testing::SimLink;
using Bytes = std::vector<uint8_t>;
using Commands = std::vector<std::string>;

std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The meter's table before the write: one satellite with two transponders.
std::unique_ptr<SatTpDatabase> MeterTable() {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    ApplyLnbDefaults(*db);
    SetSatName(db->satellites[0], "Eutelsat 7", 10);
    db->satellites[0].position = 70;
    db->satCount = 1;
    db->tps[0] = TpRecord{0, 0, 0, 11471, 30000};
    db->tps[1] = TpRecord{0, 0, 1, 10721, 22000};
    db->tpCount = 2;
    FillUnusedSatSlots(*db);
    return db;
}

sim::MeterOptions Serving(const SatTpDatabase& db, sim::MeterFaults faults = {}) {
    sim::MeterOptions options;
    options.tables = sim::EncodeTableDump(db);
    options.faults = faults;
    return options;
}

TEST(CheckedWrite, BackupThenWriteThenCleanVerify) {
    auto before = MeterTable();
    SimLink s(Serving(*before));
    FillSmallTable(*s.host.db);
    const std::string backup = s.dir.File("backups/meter-20260101-120000.csv");

    EXPECT_EQ(WriteTablesToMeter(s.link, {true, backup}), OpResult::Completed);
    EXPECT_EQ(s.host.LastStatus(), TEXT_WRITE_COMPLETED);
    EXPECT_TRUE(s.host.messages.empty());
    EXPECT_EQ(s.host.flags.batchFlags.load(), BATCH_TABLES_DONE);
    // One opening of the port: backup read, write, read back.
    EXPECT_EQ(s.meter.Engine().Record().commands,
              (Commands{"Read tables", "Write tables", "Read tables"}));
    EXPECT_EQ(s.meter.Engine().Record().tables, sim::EncodeTableDump(*s.host.db));
    ASSERT_TRUE(WriteSatTpFile(*before, s.dir.File("expected.csv").c_str()));
    EXPECT_EQ(FileBytes(backup), FileBytes(s.dir.File("expected.csv")));
    s.ExpectIdle();
}

struct Failure {
    const char* name = "";
    sim::MeterFaults faults{};
    bool verify = false;
    const char* backupFile = "";  // beside the test's files; "" for none
    const char* status = "";
    std::string message{};
    Commands commands{};
    bool written = false;  // whether the meter's table changed
};

sim::MeterFaults Flip(int k) {
    sim::MeterFaults f;
    f.storeFlipTp = k;
    return f;
}

sim::MeterFaults CorruptSent(int k) {
    sim::MeterFaults f;
    f.corruptSentFrame = k;
    return f;
}

class CheckedWriteFails : public ::testing::TestWithParam<Failure> {};

TEST_P(CheckedWriteFails, ShowsWhatWentWrongAndNeverClaimsSuccess) {
    const Failure& p = GetParam();
    auto before = MeterTable();
    SimLink s(Serving(*before, p.faults), std::chrono::microseconds(300));
    FillSmallTable(*s.host.db);
    ASSERT_TRUE(sim::WriteBinaryFile(s.dir.File("plain-file"), {1}));
    std::string backup = *p.backupFile ? s.dir.File(p.backupFile) : "";

    EXPECT_EQ(WriteTablesToMeter(s.link, {p.verify, backup}), OpResult::Failed);
    EXPECT_EQ(s.host.LastStatus(), p.status);
    const std::string message = FillText(p.message, {backup, "Not a directory"});
    EXPECT_EQ(s.host.messages, Commands{message});
    EXPECT_EQ(s.host.flags.batchFlags.load(), 0);
    EXPECT_EQ(s.meter.Engine().Record().commands, p.commands);
    EXPECT_EQ(s.meter.Engine().Record().tables.empty(), !p.written);
    if (!backup.empty()) {
        EXPECT_FALSE(std::filesystem::exists(backup));
    }
    s.ExpectIdle();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CheckedWriteFails,
    ::testing::Values(
        // The third transponder (satellite 0, 11074 H 22002) is stored one MHz off.
        Failure{
            .name = "StoredWrongly",
            .faults = Flip(3),
            .verify = true,
            .status = TEXT_VERIFY_FAILED,
            .message = "Verify failed: 1 TP differs, first TP 3 (11074 H 22002 -> 11075 H 22002)",
            .commands = {"Write tables", "Read tables"},
            .written = true},
        Failure{.name = "ReadBackFails",
                .faults = CorruptSent(20),
                .verify = true,
                .status = TEXT_VERIFY_FAILED,
                .message = TEXT_VERIFY_READ_FAILED,
                .commands = {"Write tables", "Read tables"},
                .written = true},
        Failure{.name = "BackupReadFails",
                .faults = CorruptSent(5),
                .verify = true,
                .backupFile = "backups/meter.csv",
                .status = TEXT_BACKUP_FAILED,
                .message = TEXT_BACKUP_READ_FAILED,
                .commands = {"Read tables"}},
        Failure{.name = "BackupSaveFails",
                .backupFile = "plain-file/meter.csv",
                .status = TEXT_BACKUP_FAILED,
                .message = TEXT_BACKUP_SAVE_FAILED,
                .commands = {"Read tables"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A checked write that ends early, by Stop or by a meter that goes away: the
// user learns who ended it and what the meter's table now is.
struct EarlyEnd {
    const char* name = "";
    sim::MeterFaults faults{};
    // Stop is pressed once this many progress phases began (backup read 1-3,
    // write 4-6, read-back 7-9; the first of each has 16 frames still to
    // come, so a late poll cannot miss it); 0 never.
    std::size_t stopInPhase = 0;
    const char* status = "";
    Commands messages{};  // "%2" stands for the backup's name
    bool backupSaved = true;
};

class CheckedWriteEndsEarly : public ::testing::TestWithParam<EarlyEnd> {};

TEST_P(CheckedWriteEndsEarly, SaysWhoEndedItAndWhatTheMeterHolds) {
    const EarlyEnd& p = GetParam();
    auto before = MeterTable();
    // At line speed every frame is waited for, so the poll that sees Stop comes.
    SimLink s(Serving(*before, p.faults), std::chrono::microseconds(300),
              sim::LinePacing{115200, std::chrono::microseconds(100)});
    FillSmallTable(*s.host.db);
    s.host.onPump = [&] {
        if (p.stopInPhase > 0 && s.host.phases.size() >= p.stopInPhase) s.host.flags.runFlag = 0;
    };
    const std::string backup = s.dir.File("backups/meter.csv");

    EXPECT_EQ(WriteTablesToMeter(s.link, {true, backup}), OpResult::Failed);
    EXPECT_EQ(s.host.LastStatus(), p.status);
    Commands messages = p.messages;
    for (std::string& m : messages) m = FillText(m, {"%1", backup});
    EXPECT_EQ(s.host.messages, messages);
    EXPECT_EQ(std::filesystem::exists(backup), p.backupSaved);
    s.ExpectIdle();
}

sim::MeterFaults HangUp(int k) {
    sim::MeterFaults f;
    f.hangUpAfterFrames = k;
    return f;
}

std::string BackupNamed(const char* message) {
    return FillText(TEXT_BACKUP_BEFORE_WRITE, {message, "%2"});
}

INSTANTIATE_TEST_SUITE_P(
    Ends, CheckedWriteEndsEarly,
    ::testing::Values(
        EarlyEnd{.name = "StopInBackupRead",
                 .stopInPhase = 1,
                 .status = TEXT_BACKUP_FAILED,
                 .messages = {TEXT_BACKUP_READ_STOPPED},
                 .backupSaved = false},
        EarlyEnd{.name = "StopInWrite",
                 .stopInPhase = 4,
                 .status = TEXT_WRITE_FAILED,
                 .messages = {BackupNamed(TEXT_WRITE_STOPPED)}},
        // The meter counts the frames of each command: the backup read has
        // 21, the write 25, so the line closes in the write's transponders.
        EarlyEnd{.name = "MeterGoneInWrite",
                 .faults = HangUp(23),
                 .status = "Write Failed ! (the adapter was unplugged)",
                 .messages = {BackupNamed(TEXT_WRITE_BROKEN_OFF)}},
        EarlyEnd{.name = "StopInReadBack",
                 .stopInPhase = 7,
                 .status = TEXT_VERIFY_FAILED,
                 .messages = {TEXT_VERIFY_READ_STOPPED}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VerifyMessage, NamesTheCountsAndTheFirstDifferenceInTableOrder) {
    auto sent = std::make_unique<SatTpDatabase>();
    FillSmallTable(*sent);
    auto read = std::make_unique<SatTpDatabase>(*sent);
    EXPECT_EQ(VerifyMessage(*sent, *read), "");
    read->tps[4].symbolRate = 1;
    read->tps[1].frequency = 1;
    read->satellites[1].lnbIndex = 0;
    read->tpCount = 4;  // the fifth is then not compared
    EXPECT_EQ(VerifyMessage(*sent, *read),
              "Verify failed: TP count 5 -> 4, 1 satellite differs, 1 TP differs, first SAT 2 "
              "(30.0W Hispasat 30W LNB 6 -> 30.0W Hispasat 30W LNB 1)");
    // Slots beyond the counts carry nothing.
    read = std::make_unique<SatTpDatabase>(*sent);
    read->satellites[MAX_SATELLITES - 1].position = 9;
    read->tps[MAX_TPS - 1].frequency = 9;
    EXPECT_EQ(VerifyMessage(*sent, *read), "");
}

TEST(BackupPath, BesideTheTableAndNeverOverwritten) {
    testing::ScratchFolder dir;
    EXPECT_EQ(BackupFolderFor("/data/sattp.csv"), "/data/backups");
    EXPECT_EQ(BackupFolderFor("sattp.csv"), "backups");
    std::tm noon{};
    noon.tm_year = 126;
    noon.tm_mon = 11;
    noon.tm_mday = 8;
    noon.tm_hour = 12;
    noon.tm_min = 5;
    noon.tm_sec = 9;
    noon.tm_isdst = -1;
    const std::time_t when = std::mktime(&noon);
    const std::string first = NewBackupPath(dir.Path(), when);
    EXPECT_EQ(first, dir.File("meter-20261208-120509.csv"));
    ASSERT_TRUE(sim::WriteBinaryFile(first, {1}));
    EXPECT_EQ(NewBackupPath(dir.Path(), when), dir.File("meter-20261208-120509-2.csv"));
}

TEST(BackupList, NewestFirstAndOnlyTheNamesBackupsGet) {
    testing::ScratchFolder dir;
    for (const char* name :
         {"meter-20261208-120509.csv", "meter-20261209-080000.csv", "meter-20261208-120509-2.csv",
          "meter-20261208-120509-10.csv", "notes.txt", "meter-2026.csv", "meter-20261208-1205xx.csv",
          "meter-20261208-120509.csv.tmp", "sattp.csv"})
        ASSERT_TRUE(sim::WriteBinaryFile(dir.File(name), {1}));
    std::filesystem::create_directory(dir.File("meter-20261210-000000.csv"));
    std::vector<std::string> names;
    for (const BackupFile& b : ListBackups(dir.Path()))
        names.push_back(std::filesystem::path(b.path).filename().string() + " " + b.taken);
    EXPECT_EQ(names, (Commands{"meter-20261209-080000.csv 2026-12-09 08:00:00",
                               "meter-20261208-120509-10.csv 2026-12-08 12:05:09",
                               "meter-20261208-120509-2.csv 2026-12-08 12:05:09",
                               "meter-20261208-120509.csv 2026-12-08 12:05:09"}));
    EXPECT_TRUE(ListBackups(dir.File("absent")).empty());
}

}  // namespace
}  // namespace velmora
