#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "session/UserData.h"

namespace velmora {
namespace {

namespace fs = std::filesystem;

class UserData : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "velmora-userdata-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        root = pattern;
    }
    void TearDown() override { fs::remove_all(root); }
    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(root / name) << text;
        return (root / name).string();
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    fs::path root;
};

TEST_F(UserData, FolderFollowsXdgDataHomeThenHome) {
    struct Case {
        const char* xdg;
        const char* home;
        const char* folder;
    };
    const Case cases[] = {
        {"/x/data", "/home/u", "/x/data/velmora"},
        {nullptr, "/home/u", "/home/u/.local/share/velmora"},
        {"", "/home/u", "/home/u/.local/share/velmora"},
        {"relative/data", "/home/u", "/home/u/.local/share/velmora"},
        {nullptr, nullptr, ""},
        {nullptr, "relative", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UserDataFolder(c.xdg, c.home), c.folder) << (c.xdg ? c.xdg : "(unset)");
    }
}

TEST_F(UserData, FirstStartCreatesTheFolderAndLaterStartsFindIt) {
    const std::string folder = (root / "data" / "velmora").string();
    bool created = false;
    std::string error;
    ASSERT_TRUE(EnsureUserDataFolder(folder, &created, &error)) << error;
    EXPECT_TRUE(created);
    EXPECT_TRUE(fs::is_directory(folder));
    ASSERT_TRUE(EnsureUserDataFolder(folder, &created, &error));
    EXPECT_FALSE(created);

    // A file where the folder should be is an error, not a crash or a loop.
    const std::string blocked = Write("blocked", "x");
    EXPECT_FALSE(EnsureUserDataFolder(blocked, &created, &error));
    EXPECT_FALSE(created);
    EXPECT_NE(error.find(blocked), std::string::npos);
    EXPECT_FALSE(EnsureUserDataFolder("", &created, &error));
}

TEST_F(UserData, SampleIsCopiedOnceAndNeverOverAnExistingTable) {
    const std::string sample = Write("sample.csv", "sample table\n");
    EXPECT_EQ(FindSampleTable({(root / "missing.csv").string(), root.string(), sample}), sample);
    EXPECT_EQ(FindSampleTable({(root / "missing.csv").string()}), "");

    const fs::path folder = root / "velmora";
    fs::create_directory(folder);
    std::string error;
    ASSERT_TRUE(CopySampleTable(sample, folder.string(), &error)) << error;
    EXPECT_EQ(Read(folder / "sattp.csv"), "sample table\n");

    std::ofstream(folder / "sattp.csv") << "my own table\n";
    ASSERT_TRUE(CopySampleTable(sample, folder.string(), &error));
    EXPECT_EQ(Read(folder / "sattp.csv"), "my own table\n");

    // A sample that vanished leaves neither a table nor a partial file.
    fs::remove(folder / "sattp.csv");
    EXPECT_FALSE(CopySampleTable((root / "gone.csv").string(), folder.string(), &error));
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(UserData, AnOldHistoryIsTakenOverOnlyWhileTheDataFolderHasNone) {
    const std::string old = Write("orvanelog.txt", "2016-01-25 10:00:00 /t/a.csv\r\n");
    const fs::path moved = root / "data" / "velmora" / "orvanelog.txt";
    EXPECT_TRUE(TakeOverHistory(old, moved.string()));
    EXPECT_EQ(Read(moved), "2016-01-25 10:00:00 /t/a.csv\r\n");
    Write("orvanelog.txt", "2016-01-26 10:00:00 /t/b.csv\r\n");
    EXPECT_FALSE(TakeOverHistory(old, moved.string()));
    EXPECT_EQ(Read(moved), "2016-01-25 10:00:00 /t/a.csv\r\n");
    EXPECT_FALSE(TakeOverHistory((root / "none.txt").string(), (root / "new.txt").string()));
    EXPECT_FALSE(fs::exists(root / "new.txt"));
}

}  // namespace
}  // namespace velmora
