// The safe-write options and the comparison with the meter as the window
// runs them: through the session, on the real port, against the simulated
// meter.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "core/Sha256.h"
#include "records/SqliteStore.h"
#include "sim/MeterSim.h"
#include "sim/TableDump.h"
#include "serial/LinkTexts.h"
#include "tests/support/FakeViews.h"
#include "tests/support/ScratchFolder.h"
#include "session/Commands.h"
#include "session/Session.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::FakeSessionView;
using Commands = std::vector<std::string>;

// The meter's table: Eutelsat 7 with one transponder.
sim::MeterOptions MeterServing(sim::MeterFaults faults = {}) {
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    ApplyLnbDefaults(*db);
    SetSatName(db->satellites[0], "Eutelsat 7", 10);
    db->satellites[0].position = 70;
    db->satCount = 1;
    db->tps[0] = TpRecord{0, 0, 0, 11471, 30000};
    db->tpCount = 1;
    FillUnusedSatSlots(*db);
    sim::MeterOptions options;
    options.tables = sim::EncodeTableDump(*db);
    options.faults = faults;
    return options;
}

class SessionMeterTest : public testing::InFreshFolder {
protected:
    void SetUp() override {
        InFreshFolder::SetUp();
        SessionOptions options;
        options.historyFile = (dir / "orvanelog.txt").string();
        options.defaultDbFile = (dir / "sattp.csv").string();
        options.probePorts = [] { return std::vector<std::string>{}; };
        options.batchTiming.afterUpload = 1ms;
        session = std::make_unique<Session>(view, options);
        session->StartUp();
        session->Link().Settings().pollPeriod = 100us;
        session->Link().Settings().replyTimeout = 100ms;
        session->Link().Settings().bootReadTimeout = 100ms;
        session->SatAdd({"Astra", "19.2", 0, 0});
        session->TpAdd({0, 0, "11362", "22000", 1, 0});
        ASSERT_EQ(session->Database().tpCount, 1);
    }
    void TearDown() override {
        if (meter) meter->Stop();
        InFreshFolder::TearDown();
    }
    void UseMeter(sim::MeterOptions options) {
        meter = std::make_unique<sim::MeterSim>(std::move(options));
        ASSERT_TRUE(meter->Start());
        view.AddPortName(meter->SlavePath());
        view.SelectPortIndex(0);
    }
    Commands MeterCommands() { return meter->Engine().Record().commands; }

    FakeSessionView view;
    std::unique_ptr<Session> session;
    std::unique_ptr<sim::MeterSim> meter;
};

TEST_F(SessionMeterTest, WriteIsVerifiedByDefaultAndBackedUpBesideTheTableOnRequest) {
    UseMeter(MeterServing());
    session->WriteTables();
    EXPECT_EQ(view.texts[FormControl::Status], "Write Completed ! ");
    EXPECT_EQ(MeterCommands(), (Commands{"Write tables", "Read tables"}));
    EXPECT_FALSE(fs::exists(dir / "backups"));
    // The window remembers the port that worked, once.
    EXPECT_EQ(view.portsWorked, Commands{meter->SlavePath()});

    session->State().dbPath = (dir / "mine.csv").string();
    session->State().writeChecks = {false, true, ""};
    session->WriteTables();
    EXPECT_EQ(MeterCommands(),
              (Commands{"Write tables", "Read tables", "Read tables", "Write tables"}));
    std::vector<std::string> backups;
    for (const auto& e : fs::directory_iterator(dir / "backups"))
        backups.push_back(e.path().filename().string());
    ASSERT_EQ(backups.size(), 1u);
    // meter-YYYYMMDD-hhmmss.csv
    const std::string& name = backups[0];
    EXPECT_EQ(name.size(), 25u);
    EXPECT_EQ(name.rfind("meter-", 0), 0u);
    EXPECT_EQ(name.find_first_not_of("0123456789", 6), 14u);
    EXPECT_EQ(name.substr(14, 1), "-");
    EXPECT_EQ(name.find_first_not_of("0123456789", 15), 21u);
    EXPECT_EQ(name.substr(21), ".csv");
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(view.portsWorked.size(), 1u);
}

// While a transfer runs, what would change the tables or the port rests,
// and the history with them; Stop is the one command left.
TEST_F(SessionMeterTest, CommandsRestWhileATransferRuns) {
    UseMeter(MeterServing());
    session->Undo();
    ASSERT_TRUE(session->IsEnabled(CommandId::EditRedo));
    int looked = 0;
    view.onPump = [&] {
        if (looked++ > 0) return;
        EXPECT_FALSE(session->IsEnabled(CommandId::Read));
        EXPECT_FALSE(session->IsEnabled(CommandId::EditRedo));
        EXPECT_TRUE(session->IsEnabled(CommandId::Stop));
        for (FormControl id : {FormControl::TpAdd, FormControl::TpEdit, FormControl::SatAdd})
            EXPECT_FALSE(view.enabled[id]);
        EXPECT_FALSE(view.portSelectorEnabled);
    };
    session->Redo();
    session->WriteTables();
    EXPECT_GT(looked, 0);
    EXPECT_EQ(view.texts[FormControl::Status], "Write Completed ! ");
    EXPECT_TRUE(session->IsEnabled(CommandId::Read));
    EXPECT_TRUE(view.enabled[FormControl::TpAdd]);
    EXPECT_TRUE(view.portSelectorEnabled);
    EXPECT_EQ(view.waitCursor, 0);
}

// Tables read from the meter are in no file: Save asks for a name, and a
// close whose Save As is cancelled stays.
TEST_F(SessionMeterTest, ATableReadFromTheMeterIsInNoFile) {
    UseMeter(MeterServing());
    session->State().dbPath = (dir / "mine.csv").string();
    view.saveChangesAnswers = {SaveChangesAnswer::No};
    session->ReadTables();
    ASSERT_EQ(view.texts[FormControl::Status], "Read Completed ! ");
    EXPECT_EQ(SatName(session->Database().satellites[0]), "Eutelsat 7");
    EXPECT_TRUE(session->State().dbPath.empty());
    EXPECT_EQ(view.title, "");
    view.saveChangesAnswers = {SaveChangesAnswer::Yes};
    EXPECT_EQ(session->RequestClose(), CloseDecision::Stay);  // Save As cancelled
    EXPECT_EQ(view.saveChangesQuestions.back(), "Save the changes to the table?");
    view.saveAnswers = {(dir / "read.csv").string()};
    EXPECT_TRUE(session->Save());
    EXPECT_EQ(view.dialogs.back().title, "Save as");
    EXPECT_TRUE(fs::exists(dir / "read.csv"));
}

TEST_F(SessionMeterTest, BatchTableStepFailsWhenTheMeterStoredSomethingElse) {
    sim::MeterFaults faults;
    faults.storeFlipTp = 1;
    UseMeter(MeterServing(faults));
    view.checks[FormControl::PatchSattp] = true;
    session->PatchCheckBoxesClicked();
    ASSERT_TRUE(session->IsEnabled(CommandId::PatchUp));
    session->PatchUp();
    ASSERT_EQ(view.messages.size(), 2u);
    EXPECT_EQ(view.messages[0],
              "Verify failed: 1 TP differs, first TP 1 (11362 H 22000 -> 11363 H 22000)");
    EXPECT_EQ(view.messages[1].rfind("SAT&TP upgrade failed ! \n\n", 0), 0u);
    EXPECT_EQ(view.texts[FormControl::Status], "Verify Failed ! ");
}

// With recording on, a table write leaves one record on the operation's
// port: its result the status line's, a failure's reason the message that
// named it, the tables named by the SHA-256 of the text they would be saved as.
TEST_F(SessionMeterTest, ARecordedWriteKeepsOneRecordWithItsResultAndReason) {
    struct Case {
        int flipTp;
        bool ok;
        const char* result;
        const char* reason;
    };
    const Case cases[] = {
        {0, true, "Write Completed !", ""},
        {1, false, "Verify Failed !",
         "Verify failed: 1 TP differs, first TP 1 (11362 H 22000 -> 11363 H 22000)"},
    };
    // A loaded machine must not turn the fault looked for into a timeout.
    session->Link().Settings().replyTimeout = 2s;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        sim::MeterFaults faults;
        faults.storeFlipTp = c.flipTp;
        view.ports.clear();
        UseMeter(MeterServing(faults));
        const std::string port = meter->SlavePath();
        const std::string units = (dir / ("units" + std::to_string(c.flipTp) + ".sqlite")).string();
        session->State().recording = {true, units};
        session->WriteTables();
        meter->Stop();
        auto store = records::SqliteStore::Open(units, false, nullptr);
        ASSERT_NE(store, nullptr);
        std::vector<records::UnitRecord> found;
        ASSERT_TRUE(store->Find({}, found, nullptr));
        ASSERT_EQ(found.size(), 1u);
        const records::UnitRecord& r = found[0];
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.result, c.result);
        EXPECT_EQ(r.reason, c.reason);
        EXPECT_EQ(r.port, port);
        ASSERT_EQ(r.steps.size(), 1u);
        EXPECT_EQ(r.steps[0].name, "tables");
        EXPECT_EQ(r.verify, c.ok ? "ok" : "failed");
        EXPECT_EQ(r.satCount, 1);
        EXPECT_EQ(r.tpCount, 1);
        EXPECT_EQ(r.tablesSha256, Sha256Hex(SatTpText(session->Database())));
    }
}

// The status line is the table write's; the message names the file sent.
TEST_F(SessionMeterTest, UploadsEndNamingTheFileWritten) {
    UseMeter(MeterServing());
    const std::string examples = std::string(VELMORA_SOURCE_DIR) + "/examples/";
    session->State().logoPath = examples + "stm32logo_sample.bin";
    session->State().iconPath = examples + "stm32icon_sample.bin";
    session->WriteLogo();
    session->WriteIcon();
    EXPECT_EQ(view.messages, (std::vector<std::string>{"Logo written: stm32logo_sample.bin",
                                                       "Icon written: stm32icon_sample.bin"}));
    EXPECT_EQ(view.messageKinds, std::vector<MessageKind>(2, MessageKind::Success));
    EXPECT_EQ(view.texts[FormControl::Status], "Write Completed ! ");
}

TEST_F(SessionMeterTest, CompareReadsIntoASecondTableAndTakingItIsOneEdit) {
    UseMeter(MeterServing());
    session->State().dbPath = (dir / "mine.csv").string();
    ASSERT_TRUE(session->Save());
    ApplyLnbDefaults(session->Database());  // as on the meter: only the satellites differ
    auto document = std::make_unique<SatTpDatabase>(session->Database());

    MeterComparison c = session->CompareWithMeter();
    ASSERT_EQ(c.result, OpResult::Completed);
    ASSERT_TRUE(c.meter);
    std::vector<std::string> lines;
    for (const TableDifference& d : c.comparison.differences) lines.push_back(DifferenceLine(d));
    EXPECT_EQ(lines, (Commands{"- SAT 7.0E Eutelsat 7", "+ SAT 19.2E Astra",
                               "- TP  7.0E Eutelsat 7  11471 H 30000",
                               "+ TP  19.2E Astra  11362 H 22000"}));
    EXPECT_EQ(std::memcmp(document.get(), &session->Database(), sizeof *document), 0);
    EXPECT_FALSE(session->Modified());
    EXPECT_EQ(MeterCommands(), Commands{"Read tables"});

    session->TakeMeterTable(*c.meter);
    EXPECT_TRUE(CompareTables(*c.meter, session->Database()).Equal());
    EXPECT_TRUE(session->Modified());
    EXPECT_EQ(session->State().dbPath, (dir / "mine.csv").string());
    EXPECT_EQ(session->State().edit.satFilter, -1);
}

TEST_F(SessionMeterTest, CompareWithASilentPortReturnsNoTable) {
    view.AddPortName((dir / "no-tty").string());
    view.SelectPortIndex(0);
    MeterComparison c = session->CompareWithMeter();
    EXPECT_EQ(c.result, OpResult::NotStarted);
    EXPECT_FALSE(c.meter);
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0].rfind("Connect fail \n", 0), 0u) << view.messages[0];
    EXPECT_TRUE(view.portsWorked.empty());
}

// The meter's table before a write that broke off goes back from its
// backup when the user asks, on the same port, verified; the document stays.
// A refused frame ends the meter's transfer at once; an unanswered one leaves
// the meter inside it until the line has been idle for a while, and the
// write-back must wait for that rather than send its command into a frame.
class BrokenOffWriteTest : public SessionMeterTest,
                           public ::testing::WithParamInterface<bool> {};

TEST_P(BrokenOffWriteTest, OffersToWriteTheBackupBack) {
    sim::MeterFaults faults;
    (GetParam() ? faults.ignoreReceivedFrame : faults.refuseReceivedFrame) = 5;
    sim::MeterOptions serving = MeterServing(faults);
    serving.idleReset = 150ms;
    session->Link().Settings().meterSettle = 250ms;
    const std::vector<uint8_t> before = serving.tables;
    UseMeter(std::move(serving));
    session->State().writeChecks = {true, true, ""};
    auto document = std::make_unique<SatTpDatabase>(session->Database());
    view.onOffer = [&] {
        meter->Engine().SetFaults({});
        return true;
    };
    session->WriteTables();
    ASSERT_EQ(view.writeBackOffers.size(), 1u);
    EXPECT_EQ(view.writeBackOffers[0].rfind(TEXT_WRITE_BROKEN_OFF, 0), 0u);
    const std::vector<BackupFile> backups = ListBackups((dir / "backups").string());
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_NE(view.writeBackOffers[0].find(backups[0].path), std::string::npos);
    EXPECT_EQ(MeterCommands(),
              (Commands{"Read tables", "Write tables", "Write tables", "Read tables"}));
    EXPECT_EQ(meter->Engine().Record().tables, before);
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages.back(),
              "Backup written to the meter: " + fs::path(backups[0].path).filename().string());
    EXPECT_EQ(std::memcmp(document.get(), &session->Database(), sizeof *document), 0);
    // No second backup of the half-written table was taken.
    EXPECT_EQ(ListBackups((dir / "backups").string()).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(RefusedOrUnanswered, BrokenOffWriteTest, ::testing::Bool());

// Restore lists the folder the backups go to, asks, and leaves the document.
TEST_F(SessionMeterTest, RestoreSaysWhereItLookedAndWritesTheChosenBackup) {
    UseMeter(MeterServing());
    EXPECT_TRUE(session->TableBackups().empty());
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_NE(view.messages[0].find((dir / "backups").string()), std::string::npos);
    auto old = std::make_unique<SatTpDatabase>();
    ClearDatabase(*old);
    ASSERT_TRUE(sim::DecodeTableDump(MeterServing().tables, *old));
    fs::create_directories(dir / "backups");
    const std::string file = (dir / "backups" / "meter-20261201-100000.csv").string();
    ASSERT_TRUE(WriteSatTpFile(*old, file.c_str()));
    const std::vector<BackupFile> backups = session->TableBackups();
    ASSERT_EQ(backups.size(), 1u);

    session->RestoreBackup(backups[0].path);  // answered No
    EXPECT_TRUE(MeterCommands().empty());
    view.yesNoAnswers = {true};
    session->RestoreBackup(backups[0].path);
    EXPECT_EQ(view.questions.back(),
              "Write the backup meter-20261201-100000.csv to the meter? It replaces the meter's "
              "table.");
    EXPECT_EQ(MeterCommands(), (Commands{"Write tables", "Read tables"}));
    EXPECT_EQ(SatName(session->Database().satellites[0]), "Astra");
    EXPECT_EQ(view.messages.back(), "Backup written to the meter: meter-20261201-100000.csv");
}

TEST(SessionFindMeter, SelectsThePortTheMeterAnswersOnWhileTheWindowKeepsPumping) {
    sim::MeterSim meter(MeterServing());
    ASSERT_TRUE(meter.Start());
    const int silent = ::posix_openpt(O_RDWR | O_NOCTTY);
    ::grantpt(silent);
    ::unlockpt(silent);
    const std::string silentPath = ::ptsname(silent);
    FakeSessionView view;
    SessionOptions options;
    options.probePorts = [] { return std::vector<std::string>{}; };
    options.meterPorts = [&] {
        return std::vector<ProbeTarget>{{"COM1", silentPath}, {"COM2", meter.SlavePath()}};
    };
    options.meterProbeWait = 400ms;
    Session session(view, options);
    view.AddPortName("COM1");
    view.AddPortName("COM2");
    view.SelectPortIndex(0);
    bool busyWhilePumping = false;
    view.onPump = [&] { busyWhilePumping = !session.IsEnabled(CommandId::Read); };
    session.FindMeter();
    meter.Stop();
    ::close(silent);
    EXPECT_TRUE(busyWhilePumping);
    EXPECT_GT(view.pumps, 0);
    EXPECT_EQ(view.SelectedPortName(), "COM2");
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0], "Meter found on COM2 (" + meter.SlavePath() + ")");
    EXPECT_TRUE(session.IsEnabled(CommandId::Read));
}

}  // namespace
}  // namespace velmora
