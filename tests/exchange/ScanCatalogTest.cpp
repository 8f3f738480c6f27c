#include <gtest/gtest.h>

#include <string>

#include "exchange/ScanCatalog.h"
#include "tests/support/ScratchFolder.h"

namespace velmora {
namespace {

using testing::ScratchFolder;
using testing::Spit;

std::string ScanTable(int transponders) {
    std::string text = "# made for this test\n";
    for (int i = 0; i < transponders; ++i) {
        text += "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS\n\tFREQUENCY = " +
                std::to_string(11000000 + 20000 * i) +
                "\n\tPOLARIZATION = HORIZONTAL\n\tSYMBOL_RATE = 27500000\n";
    }
    return text;
}

TEST(ScanCatalog, ListsEastToWestWithNamesCountsAndLeavesUnreadableFilesOut) {
    ScratchFolder dir;
    Spit(dir / "Intelsat-901-27.5W", ScanTable(1));
    Spit(dir / "Hotbird-13.0E", ScanTable(3));
    Spit(dir / "Astra-19.2E", ScanTable(2));
    Spit(dir / "Eutelsat5_5.0W", ScanTable(1));  // no position the reader knows
    Spit(dir / "Broken-1.0W", "[CHANNEL]\nFREQUENCY = x\n");

    std::vector<CatalogEntry> entries;
    std::string whyNot;
    ASSERT_TRUE(ListScanCatalog(dir.Path(), entries, whyNot)) << whyNot;
    struct Want {
        const char* position;
        const char* name;
        int transponders;
        const char* file;
    } want[] = {
        {.position = "19.2E", .name = "Astra", .transponders = 2, .file = "Astra-19.2E"},
        {.position = "13.0E", .name = "Hotbird", .transponders = 3, .file = "Hotbird-13.0E"},
        {.position = "27.5W",
         .name = "Intelsat 901",
         .transponders = 1,
         .file = "Intelsat-901-27.5W"}};
    ASSERT_EQ(entries.size(), std::size(want));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].positionText, want[i].position);
        EXPECT_EQ(entries[i].name, want[i].name);
        EXPECT_EQ(entries[i].transponders, want[i].transponders);
        EXPECT_EQ(entries[i].path, dir / want[i].file);
    }
    EXPECT_EQ(entries[2].position, 3600 - 275);
}

TEST(ScanCatalog, MissingFolderSaysSo) {
    ScratchFolder dir;
    std::vector<CatalogEntry> entries;
    std::string whyNot;
    EXPECT_FALSE(ListScanCatalog(dir / "none", entries, whyNot));
    EXPECT_EQ(whyNot, "no scan tables in " + (dir / "none") + ": No such file or directory");
}

}  // namespace
}  // namespace velmora
