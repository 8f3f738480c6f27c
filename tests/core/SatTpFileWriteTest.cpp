#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "core/SatTpFile.h"
#include "tests/core/SatTpTestFiles.h"

namespace velmora::dbtest {
namespace {

const std::string kHeader =
    "name,longitude,LNBNo.,LNBFreq,DiSEqC,frequency,symbolrate,polarization,unique\r\n";

class WriteSatTpFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearDatabase(*db);
        ApplyLnbDefaults(*db);
    }
    // Writes db and returns the file's bytes.
    std::string Written() {
        std::string path = folder.File("out.csv");
        EXPECT_TRUE(WriteSatTpFile(*db, path.c_str()));
        return ReadBytes(path);
    }

    testing::ScratchFolder folder;
    std::unique_ptr<SatTpDatabase> db = NewDatabase();
};

// ---- bytes ---------------------------------------------------------------

TEST_F(WriteSatTpFileTest, SampleDatabaseGivesTheSampleFile) {
    BuildSampleDatabase(*db);
    EXPECT_EQ(Written(), kSampleFile);
}

TEST_F(WriteSatTpFileTest, DatabaseWithoutTpsGivesTheHeaderAlone) {
    AddSatellite(*db, "LONELY", 192, 0);
    EXPECT_EQ(Written(), kHeader);
}

TEST_F(WriteSatTpFileTest, LnbColumns) {
    struct Case {
        uint8_t type = 0;
        uint8_t dish = 0;
        uint8_t diseqcSwitch = 0;
        uint8_t input = 0;
        uint32_t lo = 0;
        const char* columns = "";
    } cases[] = {
        {.diseqcSwitch = 1, .lo = 10600, .columns = "10600,1,"},
        {.type = 1, .diseqcSwitch = 1, .input = 4, .columns = "9750/10600,5,"},
        {.type = 2, .diseqcSwitch = 2, .input = 15, .columns = "9750/10700,16-V1.1,"},
        {.type = 4, .input = 3, .columns = "5150V/5750H,,"},
        {.type = 5, .dish = 1, .diseqcSwitch = 1, .columns = "5750V/5150H,,"},
        {.type = 8, .dish = 1, .diseqcSwitch = 2, .columns = "10700,,"},
        {.type = 9, .diseqcSwitch = 1, .lo = 9750, .columns = "5150,1,"},
        {.type = 255, .diseqcSwitch = 3, .columns = "5150,,"},
        {.dish = 2, .diseqcSwitch = 1, .input = 1, .columns = "0,2,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.columns);
        ClearDatabase(*db);
        LnbRecord& l = db->lnbs[0];
        l.type = c.type;
        l.dish = c.dish;
        l.diseqcSwitch = c.diseqcSwitch;
        l.diseqcInput = c.input;
        l.loFrequency = c.lo;
        AddTp(*db, AddSatellite(*db, "S", 10, 0), 1, 2);
        EXPECT_EQ(Written(), kHeader + "S,1.0E,1," + c.columns + "1,2,H, ,\r\n");
    }
}

TEST_F(WriteSatTpFileTest, SatelliteColumns) {
    AddTp(*db, AddSatellite(*db, "A,B,", 1801, 0x13), 1, 2);  // high LNB bits dropped
    AddTp(*db, AddSatellite(*db, "ABCDEFGHIJKLMNOP", 3600, 15), 3, 4);
    AddTp(*db, AddSatellite(*db, "", 0, 0), 5, 6);
    EXPECT_EQ(Written(), kHeader +
                             "A B ,179.9W,4,9750/10600,4,1,2,H, ,\r\n"
                             "ABCDEFGHIJKLMNOP,0.0W,16,9750/10600,1,3,4,H, ,\r\n"
                             ",0.0E,1,9750/10600,1,5,6,H, ,\r\n");
}

TEST_F(WriteSatTpFileTest, TpsAreGroupedPerSatelliteInTableOrder) {
    int a = AddSatellite(*db, "A", 10, 0);
    int b = AddSatellite(*db, "B", 20, 0);
    AddTp(*db, b, 1, 1, TP_FLAG_UNIQUE);
    AddTp(*db, a, 2, 2, TP_FLAG_VERTICAL);
    AddTp(*db, b, 3, 3, 0xFC);  // unknown flag bits are not written
    AddTp(*db, a, 4294967295u, 2147483648u);  // "%d" prints the fields signed
    EXPECT_EQ(Written(), kHeader +
                             "A,1.0E,1,9750/10600,1,2,2,V, ,\r\n"
                             ",,,,,-1,-2147483648,H, ,\r\n"
                             "B,2.0E,1,9750/10600,1,1,1,H,Y,\r\n"
                             ",,,,,3,3,H, ,\r\n");
}

TEST_F(WriteSatTpFileTest, EveryTpOfASatelliteIsWrittenAndReadBack) {
    // 1500 of one satellite, then all 8000 of the table on one satellite.
    for (int many : {1500, MAX_TPS - 1}) {
        SetUp();
        int a = AddSatellite(*db, "A", 10, 0);
        int b = AddSatellite(*db, "B", 20, 0);
        for (int i = 0; i < many; ++i) AddTp(*db, a, 10000 + i, 27500);
        AddTp(*db, b, 1, 1);
        std::string path = folder.File("many.csv");
        ASSERT_TRUE(WriteSatTpFile(*db, path.c_str()));
        auto back = NewDatabase();
        SatTpReadReport report;
        ASSERT_EQ(ReadSatTpFile(*back, path.c_str(), nullptr, &report), 0);
        EXPECT_TRUE(report.Empty()) << report.Summary(3);
        FillUnusedSatSlots(*db);
        EXPECT_EQ(FirstDifference(*back, *db), "") << many;
    }
}

// ---- what comes back -----------------------------------------------------

TEST_F(WriteSatTpFileTest, MovedDishComesBackFixedWithTheDefaultSwitch) {
    db->lnbs[4].dish = 1;
    db->lnbs[4].diseqcSwitch = 1;
    db->lnbs[4].diseqcInput = 3;
    db->lnbs[4].power = 3;
    AddTp(*db, AddSatellite(*db, "M", 10, 4), 1, 1);
    std::string path = folder.File("moved.csv");
    ASSERT_TRUE(WriteSatTpFile(*db, path.c_str()));
    EXPECT_EQ(ReadBytes(path), kHeader + "M,1.0E,5,5150,,1,1,H, ,\r\n");

    auto back = NewDatabase();
    ASSERT_EQ(ReadSatTpFile(*back, path.c_str()), 0);
    auto defaults = NewDatabase();
    ApplyLnbDefaults(*defaults);
    EXPECT_EQ(back->lnbs[4].dish, 0);
    EXPECT_EQ(back->lnbs[4].diseqcSwitch, defaults->lnbs[4].diseqcSwitch);
    EXPECT_EQ(back->lnbs[4].diseqcInput, defaults->lnbs[4].diseqcInput);
    EXPECT_EQ(back->lnbs[4].power, defaults->lnbs[4].power);
}

TEST_F(WriteSatTpFileTest, CommaOrLineEndInANameComesBackAsABlank) {
    AddTp(*db, AddSatellite(*db, "Hot Bird,13", 130, 1), 11766, 29900, TP_FLAG_VERTICAL);
    AddTp(*db, AddSatellite(*db, "Two\r\nLines", 192, 2), 11362, 22000, 0);
    std::string path = folder.File("comma.csv");
    ASSERT_TRUE(WriteSatTpFile(*db, path.c_str()));
    auto back = NewDatabase();
    ASSERT_EQ(ReadSatTpFile(*back, path.c_str()), 0);
    ASSERT_EQ(back->satCount, 2);
    EXPECT_EQ(SatName(back->satellites[0]), "Hot Bird 13");
    EXPECT_EQ(SatName(back->satellites[1]), "Two  Lines");
    EXPECT_EQ(back->tps[1].frequency, 11362u);
    EXPECT_EQ(back->satellites[0].position, 130);
    EXPECT_EQ(back->satellites[0].lnbIndex, 1);
    EXPECT_EQ(back->tps[0].frequency, 11766u);
    EXPECT_EQ(back->tps[0].symbolRate, 29900u);
}

// ---- saving never destroys the previous file -----------------------------

class SaveFailureTest : public WriteSatTpFileTest {
protected:
    void SetUp() override {
        WriteSatTpFileTest::SetUp();
        BuildSampleDatabase(*db);
        for (int i = 0; i < 2000; ++i) AddTp(*db, 0, 10000 + i, 27500);
    }
    const std::string previous = "previous content\r\n";
};

// The reason reaches the caller, and nothing reaches the user's terminal.
TEST_F(SaveFailureTest, MissingFolderFailsWithTheReasonAndPrintsNothing) {
    std::string path = folder.File("no/such/folder/sattp.csv");
    std::string whyNot;
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(WriteSatTpFile(*db, path.c_str(), &whyNot));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(whyNot, "No such file or directory");
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(SaveFailureTest, NullPathFails) { EXPECT_FALSE(WriteSatTpFile(*db, nullptr)); }

TEST_F(SaveFailureTest, ReadOnlyFolderKeepsTheOldFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    std::string path = folder.File("sattp.csv");
    ASSERT_TRUE(WriteBytes(path, previous));
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0555), 0);
    std::string whyNot;
    ::testing::internal::CaptureStdout();
    bool written = WriteSatTpFile(*db, path.c_str(), &whyNot);
    std::string out = ::testing::internal::GetCapturedStdout();
    ::chmod(folder.Path().c_str(), 0755);
    EXPECT_FALSE(written);
    EXPECT_EQ(out, "");
    EXPECT_EQ(whyNot, "Permission denied");
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"sattp.csv"});
}

TEST_F(SaveFailureTest, ShortWriteKeepsTheOldFile) {
    // A file size limit makes the disk "full" after 200 bytes.
    std::string path = folder.File("sattp.csv");
    ASSERT_TRUE(WriteBytes(path, previous));
    struct rlimit old;
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    struct rlimit small = old;
    small.rlim_cur = 200;
    auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    bool written = WriteSatTpFile(*db, path.c_str());
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(path), previous);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"sattp.csv"});
}

TEST_F(SaveFailureTest, TargetThatIsAFolderFailsWithoutLeftovers) {
    std::string path = folder.File("sattp.csv");
    ASSERT_EQ(::mkdir(path.c_str(), 0755), 0);
    ASSERT_TRUE(WriteBytes(path + "/keep", previous));
    EXPECT_FALSE(WriteSatTpFile(*db, path.c_str()));
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"sattp.csv"});
    EXPECT_EQ(ReadBytes(path + "/keep"), previous);
}

// ---- replacing a file ----------------------------------------------------

TEST_F(WriteSatTpFileTest, ReplacingKeepsPermissionsAndFollowsLinks) {
    BuildSampleDatabase(*db);
    std::string real = folder.File("real.csv");
    std::string link = folder.File("link.csv");
    ASSERT_TRUE(WriteBytes(real, "old"));
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(::symlink("real.csv", link.c_str()), 0);

    ASSERT_TRUE(WriteSatTpFile(*db, link.c_str()));
    struct stat st;
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadBytes(real), kSampleFile);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"link.csv", "real.csv"}));
}

TEST_F(WriteSatTpFileTest, NewFileGetsTheUsualPermissions) {
    mode_t mask = ::umask(022);
    std::string path = folder.File("new.csv");
    bool written = WriteSatTpFile(*db, path.c_str());
    ::umask(mask);
    ASSERT_TRUE(written);
    struct stat st;
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);
}

// Replacing a file never changes who it belongs to, never writes what the
// user may not write, never splits hard links, and never replaces a file
// the caller wants kept.
TEST_F(WriteSatTpFileTest, ReplacingRefusesWhatItCannotReplaceFaithfully) {
    BuildSampleDatabase(*db);
    const std::string linked = folder.File("linked.csv");
    const std::string other = folder.File("other.csv");
    const std::string kept = folder.File("kept.csv");
    ASSERT_TRUE(WriteBytes(linked, "old"));
    ASSERT_EQ(::link(linked.c_str(), other.c_str()), 0);
    ASSERT_TRUE(WriteBytes(kept, "old"));
    struct Case {
        std::string path;
        ReplaceRule rule;
        std::string whyNot;
    };
    const Case cases[] = {
        {.path = linked, .rule = ReplaceRule::Allowed,
         .whyNot = "has 2 hard links, and replacing it would split them"},
        {.path = kept, .rule = ReplaceRule::Never, .whyNot = "File exists"},
    };
    for (const Case& c : cases) {
        std::string whyNot;
        EXPECT_FALSE(WriteSatTpFile(*db, c.path.c_str(), &whyNot, c.rule)) << c.path;
        EXPECT_EQ(whyNot, c.whyNot);
        EXPECT_EQ(ReadBytes(c.path), "old");
    }
    EXPECT_EQ(ReadBytes(other), "old");
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"kept.csv", "linked.csv", "other.csv"}));

    if (::geteuid() == 0) {
        // As root, another user's file stays theirs.
        ASSERT_EQ(::chown(kept.c_str(), 4321, 4322), 0);
        ASSERT_TRUE(WriteSatTpFile(*db, kept.c_str()));
        struct stat st {};
        ASSERT_EQ(::stat(kept.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4321u);
        EXPECT_EQ(st.st_gid, 4322u);
    } else {
        ASSERT_EQ(::chmod(kept.c_str(), 0444), 0);
        std::string whyNot;
        EXPECT_FALSE(WriteSatTpFile(*db, kept.c_str(), &whyNot));
        EXPECT_EQ(whyNot, "Permission denied");
        EXPECT_EQ(ReadBytes(kept), "old");
    }
}

// A save killed before its rename leaves its temporary file; the next save
// of the same table takes it away, but not one another save is writing.
TEST_F(WriteSatTpFileTest, NextSaveRemovesAKilledSavesLeftover) {
    BuildSampleDatabase(*db);
    const std::string path = folder.File("sattp.csv");
    ASSERT_TRUE(WriteBytes(path + ".tmp-Ab3dE9", kSampleFile));
    ASSERT_TRUE(WriteBytes(folder.File("other.csv.tmp-Ab3dE9"), kSampleFile));
    AtomicFileWriter running;
    ASSERT_TRUE(running.Begin(path));
    ASSERT_TRUE(WriteSatTpFile(*db, path.c_str()));
    std::vector<std::string> names = folder.Entries();
    ASSERT_EQ(names.size(), 3u);
    EXPECT_EQ(names[0], "other.csv.tmp-Ab3dE9");
    EXPECT_EQ(names[1], "sattp.csv");
    EXPECT_EQ(names[2].rfind("sattp.csv.tmp-", 0), 0u) << "the running save's file stays";
}

}  // namespace
}  // namespace velmora::dbtest
