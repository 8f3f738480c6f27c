#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "core/SatTpFile.h"
#include "tests/support/FakeViews.h"
#include "tests/support/ScratchFolder.h"
#include "session/Commands.h"
#include "session/Session.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::FakeSessionView;

using testing::Slurp;
using testing::Spit;

const char kSmallDb[] =
    "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\r\n"
    "Astra,19.2E,1,9750/10600,1,11362,22000,H, ,\r\n"
    ",,,,,11538,22000,V,Y,\r\n"
    "Hispasat,30.0W,2,9750/10600,2,10882,27500,V, ,\r\n";

// Every test runs in a fresh folder, as a user starting the program there.
class SessionTest : public testing::InFreshFolder {
protected:
    void SetUp() override {
        InFreshFolder::SetUp();
        options.probePorts = [this] { return probed; };
    }
    Session& Start() {
        session = std::make_unique<Session>(view, options);
        session->StartUp();
        return *session;
    }
    // A satellite with a transponder: all of it fits the file.
    void MakeEdit() {
        session->SatAdd({"New", "7.0", 0, 0});
        session->TpAdd({session->Database().satCount - 1, 0, "12000", "27500", 0, 0});
        ASSERT_TRUE(session->Modified());
    }
    int HistoryLines() {
        std::string h = Slurp(dir / HISTORY_FILE);
        return static_cast<int>(std::count(h.begin(), h.end(), '\n'));
    }

    std::vector<std::string> probed;
    SessionOptions options;
    FakeSessionView view;
    std::unique_ptr<Session> session;
};

// ---- start-up ------------------------------------------------------------

TEST_F(SessionTest, FirstStartInEmptyFolder) {
    Session& s = Start();
    // No file is there, so none is named: the window shows "Untitled".
    EXPECT_EQ(s.State().dbPath, "");
    EXPECT_EQ(view.title, "");
    EXPECT_EQ(s.Database().satCount, 0);
    EXPECT_EQ(s.Database().lnbs[0].type, 0);  // no file read: all-zero LNB table
    EXPECT_EQ(view.calls, (std::vector<std::string>{"RebuildSatTree", "ShowTpList -1"}));
    EXPECT_FALSE(s.IsEnabled(CommandId::FileSave));
    EXPECT_TRUE(view.ports.empty());
    EXPECT_EQ(view.selectedPort, -1);
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(SessionTest, StartUpLoadsLastUsableHistoryLine) {
    Spit(dir / "x.csv", kSmallDb);
    std::string last = (dir / "x.csv").string();
    Spit(dir / HISTORY_FILE, "2016-01-25 10:00:00 C:\\a\\b.csv\r\n2016-01-26 11:00:00 " + last +
                                 "   \r\n2016-01-27 12:00:00 a.cs\r\n");
    Session& s = Start();
    EXPECT_EQ(s.State().dbPath, last);
    EXPECT_EQ(view.title, last);
    EXPECT_EQ(s.Database().satCount, 2);
    EXPECT_EQ(s.Database().tpCount, 3);
}

TEST_F(SessionTest, HistoryPieceLengthRule) {
    // 20 characters of time stamp and blank, then the path; the line end
    // counts once whether it is "\n" or "\r\n".
    Spit(dir / HISTORY_FILE, "2016-01-25 10:00:00 a.csv\r\n2016-01-25 10:00:00 a.cs\r\n");
    EXPECT_EQ(ReadLastPath((dir / HISTORY_FILE).string()), "a.csv");
    Spit(dir / HISTORY_FILE, "2016-01-25 10:00:00 b.csv\n2016-01-25 10:00:00 a.cs\n");
    EXPECT_EQ(ReadLastPath((dir / HISTORY_FILE).string()), "b.csv");
    EXPECT_EQ(ReadLastPath((dir / "missing.txt").string()), "");
    // Non-ASCII bytes at the end of a path are not mistaken for blanks.
    Spit(dir / HISTORY_FILE, "2016-01-25 10:00:00 /t/caf\xc3\xa9\r\n");
    EXPECT_EQ(ReadLastPath((dir / HISTORY_FILE).string()), "/t/caf\xc3\xa9");
}

TEST_F(SessionTest, AppendHistoryWritesStampedLinesAndSkipsLongPaths) {
    AppendHistory(HISTORY_FILE, "/data/sattp.csv");
    AppendHistory(HISTORY_FILE, std::string(512, 'x'));
    std::string h = Slurp(dir / HISTORY_FILE);
    EXPECT_TRUE(std::regex_match(h, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d /data/sattp\.csv\r\n)")))
        << h;
    EXPECT_EQ(ReadLastPath(HISTORY_FILE), "/data/sattp.csv");
}

TEST_F(SessionTest, PortProbePrefersThePortThatLastWorkedElseTheFirstFound) {
    probed = {"COM2", "COM4"};
    Session& s = Start();
    EXPECT_EQ(view.ports, (std::vector<std::string>{"COM2", "COM4"}));
    EXPECT_EQ(view.SelectedPortName(), "COM2");
    s.New();
    EXPECT_EQ(view.ports.size(), 4u);
    options.lastPort = "COM4";
    Start();
    EXPECT_EQ(view.SelectedPortName(), "COM4");
    options.lastPort = "COM7";  // unplugged since
    Start();
    EXPECT_EQ(view.SelectedPortName(), "COM2");
}

TEST(StartPort, RememberedPortElseTheOnlyAdapterElseTheFirst) {
    struct Case {
        std::vector<std::string> found;
        std::string lastPort;
        std::vector<std::string> usb{};
        std::string chosen;
    };
    const Case cases[] = {
        {.found = {"COM1", "COM3"}, .lastPort = "COM3", .usb = {"COM1"}, .chosen = "COM3"},
        // The remembered adapter is gone; the one plugged in now is taken.
        {.found = {"COM1", "COM3"}, .lastPort = "COM2", .usb = {"COM3"}, .chosen = "COM3"},
        {.found = {"COM1", "COM3"}, .lastPort = "", .usb = {"COM3"}, .chosen = "COM3"},
        // Two adapters: no guess beyond the first found.
        {.found = {"COM1", "COM2", "COM3"}, .lastPort = "COM7", .usb = {"COM2", "COM3"},
         .chosen = "COM1"},
        {.found = {"COM1"}, .lastPort = "COM7", .chosen = "COM1"},
        {.found = {}, .lastPort = "COM7", .chosen = ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseStartPort(c.found, c.lastPort, c.usb), c.chosen) << c.lastPort;
    }
}

TEST_F(SessionTest, PortListFollowsAdaptersPluggedInAndPulledOut) {
    std::filesystem::create_directory(dir / "dev");
    Spit(dir / "dev/ttyUSB0", "");
    options.devicesFolder = (dir / "dev").string();
    Session& s = Start();
    ASSERT_GE(s.PortWatchFd(), 0);
    Spit(dir / "dev/ttyUSB1", "");
    s.PortsChanged();
    EXPECT_EQ(view.texts[FormControl::Status],
              "USB serial adapter plugged in: " + (dir / "dev/ttyUSB1").string());
    std::filesystem::remove(dir / "dev/ttyUSB0");
    s.PortsChanged();
    EXPECT_EQ(view.texts[FormControl::Status],
              "USB serial adapter pulled out: " + (dir / "dev/ttyUSB0").string());
    EXPECT_EQ(view.portListChanges, 2);
}

TEST_F(SessionTest, NewForgetsChosenFilesButKeepsLabels) {
    Session& s = Start();
    s.State().logoPath = "/x/stm32logo.bin";
    view.texts[FormControl::LogoLabel] = "LOGO: stm32logo.bin";
    EXPECT_TRUE(s.IsEnabled(CommandId::WriteLogo));
    s.New();
    EXPECT_FALSE(s.IsEnabled(CommandId::WriteLogo));
    EXPECT_EQ(view.texts[FormControl::LogoLabel], "LOGO: stm32logo.bin");
}

// ---- enabling rules ------------------------------------------------------

TEST_F(SessionTest, PatchUpAndFactoryImageEnabling) {
    Session& s = Start();
    SessionState& st = s.State();
    st.patchSoft = 1;
    EXPECT_FALSE(s.IsEnabled(CommandId::PatchUp));  // SOFT ticked, no firmware
    st.patchIcon = 1;
    st.iconPath = "/i/stm32icon.bin";
    EXPECT_TRUE(s.IsEnabled(CommandId::PatchUp));
    // The flags are atomics now: the state is reset field by field.
    st.patchSoft = 0;
    st.patchIcon = 0;
    st.iconPath.clear();
    st.patchSatTp = 1;
    EXPECT_FALSE(s.IsEnabled(CommandId::PatchUp));  // no satellites

    st.logoPath = "/l/stm32logo.bin";
    EXPECT_FALSE(s.IsEnabled(CommandId::CreateFlash));
    s.SatAdd({"A", "1.0", 0, 0});
    s.TpAdd({0, 0, "11000", "27500", 0, 0});
    EXPECT_TRUE(s.IsEnabled(CommandId::PatchUp));
    EXPECT_FALSE(s.IsEnabled(CommandId::CreateFlash));  // no icon, however full the tables
    st.iconPath = "/i/stm32icon.bin";
    EXPECT_TRUE(s.IsEnabled(CommandId::CreateFlash));
    st.iconPath = "a.bi";  // four characters are not a usable path
    EXPECT_FALSE(s.IsEnabled(CommandId::CreateFlash));
    EXPECT_FALSE(s.IsEnabled(CommandId::WriteIcon));
}

// Each refusal is told; none leaves a change or a step behind.
TEST_F(SessionTest, RefusedAddsAndAnEmptyWriteSayWhy) {
    Session& s = Start();
    s.WriteTables();
    EXPECT_FALSE(s.ReadyToAddTp());
    s.TpAdd({0, 0, "11362", "22000", 1, 0});
    s.SatAdd({"Astra", "19.2", 0, 0});
    EXPECT_TRUE(s.ReadyToAddTp());
    s.TpAdd({0, 0, "11362", "22000", 1, 0});
    s.TpAdd({0, 0, "11363", "27500", 1, 0});
    EXPECT_EQ(view.messages,
              (std::vector<std::string>{
                  "The table has no satellites or transponders to write.",
                  "Add a satellite first: a transponder belongs to a satellite.",
                  "Add a satellite first: a transponder belongs to a satellite.",
                  "This transponder is already in the table: 11362 H 22000 on 19.2E Astra."}));
    EXPECT_EQ(s.Database().tpCount, 1);
    EXPECT_EQ(s.UndoText(), "Undo Add TP");
}

TEST_F(SessionTest, EditButtonsFollowDisplayMode) {
    Session& s = Start();
    s.DisplayLnb();
    for (FormControl id : {FormControl::TpAdd, FormControl::TpEdit, FormControl::TpDelete, FormControl::TpSort, FormControl::SatDelete})
        EXPECT_FALSE(view.enabled[id]) << static_cast<int>(id);
    EXPECT_TRUE(view.enabled[FormControl::LnbEdit]);
    EXPECT_TRUE(view.enabled[FormControl::SatAdd]);
    view.calls.clear();
    s.DisplayLnb();
    s.DisplayTransponders();
    s.DisplayTransponders();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"ShowTpList -1"}));
    EXPECT_TRUE(view.enabled[FormControl::TpAdd]);
    EXPECT_FALSE(view.enabled[FormControl::LnbEdit]);
}

TEST_F(SessionTest, TreeSelectionSetsFilterByLabel) {
    Spit(dir / "sattp.csv", kSmallDb);
    Session& s = Start();
    s.DisplayLnb();
    s.TreeSelectionChanged(false, "[2] 30.0W Hispasat");
    EXPECT_EQ(s.State().edit.satFilter, 1);
    EXPECT_EQ(s.State().edit.displayMode, DISPLAY_TPS);
    EXPECT_EQ(view.calls.back(), "ShowTpList 1");
    s.TreeSelectionChanged(false, "[9] no such label");
    EXPECT_EQ(s.State().edit.satFilter, 1);
    s.TreeSelectionChanged(true, "All Satellites");
    EXPECT_EQ(s.State().edit.satFilter, -1);
}

// ---- open, save, save as -------------------------------------------------

TEST_F(SessionTest, OpenStartsAFreshHistoryAsTheSavedState) {
    Session& s = Start();
    MakeEdit();
    Spit(dir / "other.csv", kSmallDb);
    view.openAnswers = {(dir / "other.csv").string()};
    view.saveChangesAnswers = {SaveChangesAnswer::Cancel, SaveChangesAnswer::No};
    s.Open();  // cancelled at the question about the edits
    EXPECT_EQ(s.State().dbPath, "");  // still Untitled
    view.openAnswers = {(dir / "other.csv").string()};
    s.Open();
    EXPECT_EQ(view.dialogs.back().title, "Open");
    EXPECT_EQ(view.dialogs.back().filter, "sattp files (*.csv);;All Files (*)");
    EXPECT_EQ(s.State().dbPath, (dir / "other.csv").string());
    EXPECT_FALSE(s.IsEnabled(CommandId::FileSave));
    EXPECT_FALSE(s.IsEnabled(CommandId::EditUndo));
    EXPECT_EQ(HistoryLines(), 1);
    MakeEdit();
    EXPECT_TRUE(s.Save());
    EXPECT_FALSE(s.IsEnabled(CommandId::FileSave));
    EXPECT_EQ(HistoryLines(), 1);  // a plain save records nothing
}

TEST_F(SessionTest, SaveAsAlwaysRecordsAndRetitles) {
    Session& s = Start();
    view.saveAnswers = {std::nullopt, (dir / "sattp.csv").string(), (dir / "sattp.csv").string()};
    MakeEdit();
    EXPECT_FALSE(s.SaveAs());  // cancelled
    EXPECT_TRUE(s.Modified());
    EXPECT_TRUE(s.SaveAs());
    EXPECT_EQ(view.dialogs.back().defaultExtension, "csv");
    EXPECT_TRUE(s.SaveAs());
    EXPECT_EQ(HistoryLines(), 2);
    EXPECT_EQ(view.title, (dir / "sattp.csv").string());
    EXPECT_FALSE(s.Modified());
}

TEST_F(SessionTest, FailedSaveKeepsModifiedAndTellsUser) {
    Session& s = Start();
    MakeEdit();
    s.State().dbPath = (dir / "no-such-folder" / "sattp.csv").string();
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(s.Save());
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(view.messages, (std::vector<std::string>{"Save file error !"}));
    EXPECT_TRUE(s.Modified());
}

// ---- unsaved changes, close and the long-operation frame ------------------

TEST_F(SessionTest, CloseWithUnsavedEditsAsksFirst) {
    Session& s = Start();
    EXPECT_EQ(s.RequestClose(), CloseDecision::CloseNow);  // nothing to lose
    EXPECT_TRUE(view.saveChangesQuestions.empty());
    MakeEdit();
    view.saveChangesAnswers = {SaveChangesAnswer::Cancel, SaveChangesAnswer::No};
    EXPECT_EQ(s.RequestClose(), CloseDecision::Stay);
    EXPECT_EQ(view.saveChangesQuestions[0], "Save the changes to the table?");
    EXPECT_EQ(s.RequestClose(), CloseDecision::CloseNow);
    EXPECT_FALSE(fs::exists(dir / "sattp.csv"));

    // Untitled: Yes asks where, offering the default name.
    view.saveChangesAnswers = {SaveChangesAnswer::Yes};
    view.saveAnswers = {(dir / "sattp.csv").string()};
    EXPECT_EQ(s.RequestClose(), CloseDecision::CloseNow);
    EXPECT_EQ(view.dialogs.back().proposedPath, "sattp.csv");
    EXPECT_TRUE(fs::exists(dir / "sattp.csv"));
}

TEST_F(SessionTest, NewAsksAndCancelKeepsEdits) {
    Session& s = Start();
    MakeEdit();
    view.saveChangesAnswers = {SaveChangesAnswer::Cancel, SaveChangesAnswer::No};
    s.New();
    EXPECT_EQ(s.Database().satCount, 1);
    s.New();
    EXPECT_EQ(s.Database().satCount, 1);  // tables stay: no file to reload
    EXPECT_FALSE(s.Modified());
}

TEST_F(SessionTest, CloseDuringOperationStopsItFirst) {
    Session& s = Start();
    OperationFlags& f = s.Flags();
    f.busyFlag = f.runFlag = 1;
    EXPECT_EQ(s.RequestClose(), CloseDecision::Stay);
    EXPECT_FALSE(f.runFlag);
    EXPECT_EQ(s.RequestClose(), CloseDecision::Stay);  // still unwinding
    f.busyFlag = 0;
    EXPECT_EQ(s.RequestClose(), CloseDecision::CloseNow);
}

TEST_F(SessionTest, TablesStayPutWhileOperationRuns) {
    Session& s = Start();
    s.Flags().busyFlag = 1;
    s.SatAdd({"A", "1.0", 0, 0});
    EXPECT_EQ(s.Database().satCount, 0);
    EXPECT_FALSE(s.IsEnabled(CommandId::FileOpen));
    EXPECT_FALSE(s.IsEnabled(CommandId::FileNew));
    s.Stop();
    EXPECT_FALSE(s.Flags().runFlag);
}

TEST_F(SessionTest, PatchCheckBoxesReadAllFour) {
    Session& s = Start();
    view.checks[FormControl::PatchIcon] = true;
    view.checks[FormControl::PatchSattp] = true;
    s.PatchCheckBoxesClicked();
    EXPECT_EQ(s.State().patchIcon, 1);
    EXPECT_EQ(s.State().patchSatTp, 1);
    EXPECT_EQ(s.State().patchSoft, 0);
    s.BeginProgress("Read Satellites ...", 12);
    EXPECT_EQ(view.texts[FormControl::Status], "Read Satellites ...");
    EXPECT_EQ(view.progressMax, 12);
    EXPECT_EQ(view.progressPos, 0);
}

// ---- undo and redo -----------------------------------------------------------

TEST_F(SessionTest, EveryEditIsAStepAndTheModifiedFlagFollowsTheHistory) {
    Spit(dir / "sattp.csv", kSmallDb);
    Session& s = Start();
    EXPECT_EQ(s.UndoText(), "Undo");
    view.yesNoAnswers = {true};
    view.selectedRow = 1;
    s.TpDelete();
    EXPECT_EQ(s.UndoText(), "Undo Delete TP");
    EXPECT_TRUE(s.Modified());
    s.Undo();
    EXPECT_FALSE(s.Modified());
    EXPECT_EQ(s.Database().tpCount, 3);
    EXPECT_EQ(s.RedoText(), "Redo Delete TP");
    s.Redo();
    EXPECT_TRUE(s.Modified());
    EXPECT_TRUE(s.Save());
    s.Undo();
    EXPECT_TRUE(s.Modified());  // now the saved state is the later one
    view.yesNoAnswers = {false};
    s.TpDelete();  // answered No: nothing changes, no step
    EXPECT_EQ(s.UndoText(), "Undo");
}

// The session asks before it edits: No leaves the tables, the list and the
// history alone; Yes deletes what was asked about, in the list's own row.
TEST_F(SessionTest, DeletesAskBeforeTheEdit) {
    Spit(dir / "sattp.csv", kSmallDb);
    Session& s = Start();
    s.TreeSelectionChanged(false, "[2] 30.0W Hispasat");
    int tpsWhenAsked = -1;
    view.onQuestion = [&] { tpsWhenAsked = s.Database().tpCount; };
    view.calls.clear();
    s.TpDelete();
    s.SatDelete();
    EXPECT_EQ(view.questions,
              (std::vector<std::string>{
                  "Delete the transponder 10882 V 27500?",
                  "Delete the satellite [002] 30.0W Hispasat and its transponders?"}));
    EXPECT_EQ(s.Database().tpCount, 3);
    EXPECT_EQ(s.Database().satCount, 2);
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(s.UndoText(), "Undo");

    view.yesNoAnswers = {true};
    s.TpDelete();
    EXPECT_EQ(tpsWhenAsked, 3);
    EXPECT_EQ(s.Database().tpCount, 2);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"RemoveTpRow 0"}));
}

TEST_F(SessionTest, UndoOfAnAddedSatelliteFallsBackToAllSatellites) {
    Session& s = Start();
    MakeEdit();
    s.TreeSelectionChanged(false, "[1] 7.0E New");
    ASSERT_EQ(s.State().edit.satFilter, 0);
    s.Undo();
    s.Undo();
    EXPECT_EQ(s.Database().satCount, 0);
    EXPECT_EQ(s.State().edit.satFilter, -1);
    EXPECT_EQ(view.calls.back(), "ShowTpList -1");
}

// ---- what must never be lost -----------------------------------------------

TEST_F(SessionTest, OpenOfAFileThatIsNoTableChangesNothing) {
    Spit(dir / "sattp.csv", kSmallDb);
    Session& s = Start();
    MakeEdit();
    std::string logo = (dir / "stm32logo.bin").string();
    Spit(logo, std::string(4096, '\x7f'));
    for (const std::string& path : {logo, (dir / "missing.csv").string()}) {
        view.openAnswers = {path};
        s.Open();
    }
    EXPECT_EQ(view.messages[0], logo + " is not a sattp.csv table: no header line");
    EXPECT_EQ(view.messages[1], (dir / "missing.csv").string() +
                                    " cannot be read: No such file or directory");
    EXPECT_EQ(s.State().dbPath, "sattp.csv");
    EXPECT_EQ(view.title, "sattp.csv");
    EXPECT_EQ(s.Database().satCount, 3);
    EXPECT_TRUE(s.Modified());
    EXPECT_EQ(HistoryLines(), 0);
    EXPECT_EQ(fs::file_size(logo), 4096u);
}

TEST_F(SessionTest, RememberedFileThatIsNoTableFallsBackAndSaysSo) {
    std::string logo = (dir / "stm32logo.bin").string();
    Spit(logo, "not a table");
    Spit(dir / HISTORY_FILE, "2016-01-26 11:00:00 " + logo + "\r\n");
    Spit(dir / "sattp.csv", kSmallDb);
    Session& s = Start();
    EXPECT_EQ(s.State().dbPath, "sattp.csv");
    EXPECT_EQ(s.Database().satCount, 2);
    EXPECT_EQ(view.texts[FormControl::Status], logo + " is not a sattp.csv table: no header line");
    EXPECT_EQ(Slurp(logo), "not a table");
}

TEST_F(SessionTest, SaveAsksBeforeDroppingWhatTheFileCannotKeep) {
    Spit(dir / "sattp.csv", kSmallDb);
    Session& s = Start();
    s.Database().lnbs[1].power = 3;
    s.Database().lnbs[4].power = 2;
    s.Database().lnbs[1].tone22k = 2;
    s.Database().lnbs[4].tone22k = 2;
    s.SatAdd({"SAT-X", "7.0", 0, 0});
    s.SatAdd({"SAT-Y", "9.0", 0, 0});
    view.yesNoAnswers = {false, true};
    EXPECT_FALSE(s.Save());
    EXPECT_EQ(view.questions.back(),
              "sattp.csv cannot keep: the power and 22K settings of LNB 2 and 5; 2 satellites "
              "without transponders (SAT-X, SAT-Y). Save anyway ?");
    EXPECT_TRUE(s.Modified());
    EXPECT_EQ(Slurp(dir / "sattp.csv"), kSmallDb);
    EXPECT_TRUE(s.Save());
    EXPECT_FALSE(s.Modified());
}

TEST_F(SessionTest, ReadFromMeterAsksAboutUnsavedEditsFirst) {
    Session& s = Start();
    MakeEdit();
    view.saveChangesAnswers = {SaveChangesAnswer::Cancel};
    s.ReadTables();  // no port is chosen: it would fail at once if it started
    EXPECT_EQ(view.saveChangesQuestions.size(), 1u);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_EQ(s.Database().satCount, 1);
}

TEST_F(SessionTest, RefusedFileNamesAreExplained) {
    Session& s = Start();
    view.openAnswers = {"/x/logo.bin", "/x/icons.bin"};
    s.LoadLogo();
    s.LoadIcon();
    EXPECT_EQ(view.messages, (std::vector<std::string>{"A logo file's name begins with stm32logo.",
                                                       "An icon file's name begins with stm32icon."}));
}

TEST_F(SessionTest, SortKeepsTheChosenSatellite) {
    Spit(dir / "sattp.csv", kSmallDb);
    Session& s = Start();
    s.TreeSelectionChanged(false, "[2] 30.0W Hispasat");
    s.TpSort({0, 0, 0, 1});  // West to East: Hispasat comes first
    EXPECT_EQ(SatName(s.Database().satellites[s.State().edit.satFilter]), "Hispasat");
    EXPECT_EQ(view.calls.back(), "ShowTpList " + std::to_string(s.State().edit.satFilter));
}

}  // namespace
}  // namespace velmora
