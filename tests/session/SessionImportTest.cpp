#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/support/FakeViews.h"
#include "tests/support/ScratchFolder.h"
#include "session/Session.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::FakeSessionView;

class SessionImportTest : public testing::InFreshFolder {
protected:
    void SetUp() override {
        InFreshFolder::SetUp();
        options.probePorts = [] { return std::vector<std::string>{}; };
        session = std::make_unique<Session>(view, options);
        session->StartUp();
        list.satellites.push_back(SourceSatellite{"19.2E Astra", 192, 192, 1, {}});
        list.satellites[0].tps.push_back(SourceTp{11494000, 22000000, SourcePol::H, 2});
        list.satellites[0].tps.push_back(SourceTp{11495000, 22000000, SourcePol::H, 3});
    }

    SessionOptions options;
    FakeSessionView view;
    std::unique_ptr<Session> session;
    SourceList list;
};

TEST_F(SessionImportTest, PreviewLeavesTablesAloneAndApplyMatchesIt) {
    SatTpDatabase& db = session->Database();
    int satsBefore = db.satCount;
    int tpsBefore = db.tpCount;
    MergeCounts preview = session->PreviewImport(list, {});
    EXPECT_EQ(db.satCount, satsBefore);
    EXPECT_EQ(db.tpCount, tpsBefore);
    EXPECT_FALSE(session->Modified());

    view.calls.clear();
    std::optional<MergeCounts> applied = session->ApplyImport(list, {});
    ASSERT_TRUE(applied.has_value());
    EXPECT_EQ(*applied, preview);
    EXPECT_EQ(db.tpCount, tpsBefore + applied->transpondersAdded);
    EXPECT_TRUE(session->Modified());
    EXPECT_EQ(view.calls, (std::vector<std::string>{"RebuildSatTree", "ShowTpList -1"}));

    // The same list again adds nothing and is no step; the import is one.
    applied = session->ApplyImport(list, {});
    ASSERT_TRUE(applied.has_value());
    EXPECT_EQ(applied->transpondersAdded, 0);
    EXPECT_EQ(session->UndoText(), "Undo Import");
    session->Undo();
    EXPECT_EQ(db.tpCount, tpsBefore);
    EXPECT_FALSE(session->Modified());
}

TEST_F(SessionImportTest, StatusLineTellsTheImportUntilTheTablesChangeAgain) {
    session->ApplyImport(list, {});
    EXPECT_EQ(view.texts[FormControl::Status], "Import added 1 TP, 1 satellite");
    session->Undo();
    EXPECT_EQ(view.texts[FormControl::Status], "");
    // A text that replaced the import's stays through the next change.
    session->ApplyImport(list, {});
    session->SetStatus("Read Completed ! ");
    session->Undo();
    EXPECT_EQ(view.texts[FormControl::Status], "Read Completed ! ");
}

TEST_F(SessionImportTest, NothingChangesWhileALongOperationRuns) {
    session->Flags().busyFlag = 1;
    int tpsBefore = session->Database().tpCount;
    EXPECT_FALSE(session->ApplyImport(list, {}).has_value());
    EXPECT_EQ(session->Database().tpCount, tpsBefore);
    session->Flags().busyFlag = 0;
}

}  // namespace
}  // namespace velmora
