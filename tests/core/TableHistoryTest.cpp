#include <gtest/gtest.h>

#include <cstring>

#include "core/TableHistory.h"
#include "tests/core/SatTpTestFiles.h"

namespace velmora::dbtest {
namespace {

bool SameTables(const SatTpDatabase& a, const SatTpDatabase& b) { return FirstDifference(a, b).empty(); }

TEST(TableHistoryTest, UndoAndRedoGiveBackEachStateExactly) {
    auto db = NewDatabase();
    BuildSampleDatabase(*db);
    TableHistory history;
    history.Reset(*db);
    auto opened = NewDatabase();
    *opened = *db;

    AddTp(*db, 0, 12000, 27500);
    ASSERT_TRUE(history.Record("Add TP", *db));
    auto added = NewDatabase();
    *added = *db;
    db->tpCount = 2;
    ASSERT_TRUE(history.Record("Delete 4 TPs", *db));
    EXPECT_FALSE(history.Record("nothing", *db));  // no change, no step
    EXPECT_EQ(history.UndoName(), "Delete 4 TPs");

    ASSERT_TRUE(history.Undo(*db));
    EXPECT_TRUE(SameTables(*db, *added)) << FirstDifference(*db, *added);
    ASSERT_TRUE(history.Undo(*db));
    EXPECT_TRUE(SameTables(*db, *opened)) << FirstDifference(*db, *opened);
    EXPECT_FALSE(history.Modified());
    EXPECT_FALSE(history.Undo(*db));
    ASSERT_TRUE(history.Redo(*db));
    EXPECT_TRUE(SameTables(*db, *added));
    EXPECT_TRUE(history.Modified());
    EXPECT_EQ(history.RedoName(), "Delete 4 TPs");

    // A new step drops what could have been redone.
    db->lnbs[0].power = 3;
    ASSERT_TRUE(history.Record("Edit LNB", *db));
    EXPECT_FALSE(history.CanRedo());
}

TEST(TableHistoryTest, TheSavedStateFollowsSaveAndCanFallOut) {
    auto db = NewDatabase();
    BuildSampleDatabase(*db);
    TableHistory history(3);
    history.Reset(*db);
    db->tps[0].frequency += 1;
    history.Record("a", *db);
    history.MarkSaved();
    EXPECT_FALSE(history.Modified());
    history.Undo(*db);
    EXPECT_TRUE(history.Modified());
    history.Redo(*db);
    EXPECT_FALSE(history.Modified());
    for (int i = 0; i < 5; ++i) {
        db->tps[0].frequency += 1;
        history.Record("b", *db);
    }
    EXPECT_EQ(history.Steps(), 3u);  // bounded
    while (history.Undo(*db)) {
    }
    EXPECT_TRUE(history.Modified());  // the saved state is no longer there
}

}  // namespace
}  // namespace velmora::dbtest
