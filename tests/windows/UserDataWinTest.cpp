// The user-data folder under a name outside the ANSI code page: each write
// lands in the folder of that very name, and names read back stay UTF-8.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "core/AtomicFile.h"
#include "core/WideText.h"
#include "meter/TableVerify.h"
#include "service/BatchReport.h"
#include "session/UserData.h"
#include "session/UserSettings.h"
#include "tests/support/ScratchFolder.h"

namespace velmora {
namespace {

bool Exists(const std::string& path) {
    return ::GetFileAttributesW(WideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Write(const std::string& path, const std::string& bytes) {
    std::string why;
    return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(),
                               &why);
}

// LOCALAPPDATA set for the test's time.
class LocalAppData {
public:
    explicit LocalAppData(const std::string& folder) {
        const wchar_t* old = ::_wgetenv(L"LOCALAPPDATA");
        if (old != nullptr) old_ = old;
        ::_wputenv_s(L"LOCALAPPDATA", WideFromUtf8(folder).c_str());
    }
    ~LocalAppData() { ::_wputenv_s(L"LOCALAPPDATA", old_.c_str()); }

private:
    std::wstring old_;
};

TEST(UserDataWin, EveryWriteKeepsTheFolderNameOutsideTheCodePage) {
    testing::ScratchFolder dir;
    ASSERT_FALSE(dir.Path().empty());
    const std::string local = dir / "Zo\xc3\xab \xc3\xbc";  // "Zoë ü"
    LocalAppData setting(local);
    const std::string folder = SystemUserDataFolder();
    EXPECT_EQ(folder, local + "\\velmora");
    bool created = false;
    std::string why;
    ASSERT_TRUE(EnsureUserDataFolder(folder, &created, &why)) << why;
    EXPECT_TRUE(created);
    EXPECT_TRUE(Exists(folder));

    const std::string sample = dir / "sample.csv";
    ASSERT_TRUE(Write(sample, "name\n"));
    ASSERT_TRUE(CopySampleTable(sample, folder, &why)) << why;
    EXPECT_TRUE(Exists(folder + "\\" + kSampleTableName));
    ASSERT_TRUE(TakeOverHistory(sample, folder + "\\history\\recent.txt"));
    EXPECT_TRUE(Exists(folder + "\\history\\recent.txt"));

    ASSERT_TRUE(Write(folder + "\\velmora.conf", "[production]\nrecord=on\n"));
    EXPECT_EQ(SettingsValue(folder + "\\velmora.conf", "production", "record"), "on");
    ASSERT_TRUE(AppendReportLine(folder + "\\report.jsonl", "{}", &why)) << why;
    EXPECT_TRUE(Exists(folder + "\\report.jsonl"));

    const std::string backups = BackupFolderFor(folder + "\\" + kSampleTableName);
    ASSERT_TRUE(EnsureUserDataFolder(backups, &created, &why)) << why;
    const std::string backup = NewBackupPath(backups, 0);
    ASSERT_TRUE(Write(backup, "name\n"));
    const std::vector<BackupFile> listed = ListBackups(backups);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_TRUE(Exists(listed[0].path)) << listed[0].path;
}

}  // namespace
}  // namespace velmora
