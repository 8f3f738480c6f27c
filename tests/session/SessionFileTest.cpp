// Open, start-up and Save of tables the reader could not take whole.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/support/FakeViews.h"
#include "tests/support/ScratchFolder.h"
#include "session/Session.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;
using testing::FakeSessionView;

using testing::Slurp;
using testing::Spit;

const std::string kHeader =
    "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\r\n";
const std::string kTable = kHeader + "Astra,19.2E,1,9750/10600,1,11362,22000,H, ,\r\n";
// Its third line has too few columns.
const std::string kDamaged = kTable + "Hotbird,13.0E,1,10600\r\n";

class SessionFileTest : public testing::InFreshFolder {
protected:
    void SetUp() override {
        InFreshFolder::SetUp();
        options.probePorts = [] { return std::vector<std::string>{}; };
    }
    Session& Start() {
        session = std::make_unique<Session>(view, options);
        session->StartUp();
        return *session;
    }

    SessionOptions options;
    FakeSessionView view;
    std::unique_ptr<Session> session;
};

TEST_F(SessionFileTest, ADamagedTableIsReportedOnceAndTheNextSaveAsks) {
    Spit(dir / "sattp.csv", kTable);
    Spit(dir / "damaged.csv", kDamaged);
    Session& s = Start();
    EXPECT_TRUE(view.messages.empty());
    view.openAnswers = {"damaged.csv"};
    s.Open();
    ASSERT_EQ(view.messages.size(), 1u);
    EXPECT_EQ(view.messages[0],
              "damaged.csv was not read completely:\n\n"
              "line 3: 4 columns, the header has 9; skipped\n\n"
              "Saving it writes the table without what is listed here.");

    view.yesNoAnswers = {false, true};
    EXPECT_FALSE(s.Save());
    EXPECT_EQ(view.questions.back(),
              "damaged.csv was not read completely (1 finding), so the table to be saved is "
              "shorter than that file. Save anyway ?");
    EXPECT_EQ(Slurp(dir / "damaged.csv"), kDamaged);
    EXPECT_TRUE(s.Save());
    EXPECT_EQ(Slurp(dir / "damaged.csv"), kTable);
    // Once written, the table is the file: no more questions.
    EXPECT_TRUE(s.Save());
    EXPECT_EQ(view.questions.size(), 2u);
    EXPECT_EQ(view.messages.size(), 1u);
}

TEST_F(SessionFileTest, SaveKeepsEveryTransponderOfAFullSatellite) {
    std::string big = kHeader + "Astra,19.2E,1,9750/10600,1,10700,22000,H, ,\r\n";
    for (int i = 1; i < 1500; ++i) big += ",,,,," + std::to_string(10700 + 3 * i) + ",22000,H, ,\r\n";
    Spit(dir / "sattp.csv", big);
    Session& s = Start();
    ASSERT_EQ(s.Database().tpCount, 1500);
    EXPECT_TRUE(s.Save());
    EXPECT_TRUE(view.questions.empty());
    EXPECT_EQ(Slurp(dir / "sattp.csv"), big);
}

TEST_F(SessionFileTest, TheStartFileIsOpenedInsteadOfTheRememberedOne) {
    Spit(dir / "sattp.csv", kTable);
    Spit(dir / "other.csv", kTable + "Hotbird,13.0E,1,10600,,11000,27500,H, ,\r\n");
    options.startFile = (dir / "other.csv").string();
    Session& s = Start();
    EXPECT_EQ(s.State().dbPath, options.startFile);
    EXPECT_EQ(view.title, options.startFile);
    EXPECT_EQ(s.Database().satCount, 2);
    EXPECT_EQ(ReadLastPath(HISTORY_FILE), options.startFile);
    EXPECT_TRUE(view.messages.empty());
    // New starts as a start without it.
    s.New();
    EXPECT_EQ(s.State().dbPath, options.startFile);  // now the remembered one
    EXPECT_EQ(view.messages.size(), 0u);
}

TEST_F(SessionFileTest, AStartFileThatCannotBeOpenedIsNamedAsOpenNamesIt) {
    Spit(dir / "sattp.csv", kTable);
    options.startFile = (dir / "gone.csv").string();
    Session& s = Start();
    EXPECT_EQ(view.messages,
              std::vector<std::string>{options.startFile +
                                       " cannot be read: No such file or directory"});
    EXPECT_EQ(s.State().dbPath, "sattp.csv");
    EXPECT_EQ(s.Database().satCount, 1);
    EXPECT_FALSE(fs::exists(dir / "gone.csv"));
}

}  // namespace
}  // namespace velmora
