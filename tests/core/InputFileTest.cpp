#include "core/InputFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "tests/core/SatTpTestFiles.h"

namespace velmora {
namespace {
using testing::ScratchFolder;

TEST(ReadInputFile, ReadsOnlyRegularFilesWithinTheLimit) {
    ScratchFolder dir;
    const std::string small = dir.File("small.csv");
    const std::string large = dir.File("large.csv");
    const std::string fifo = dir.File("pipe");
    std::ofstream(small) << "0123456789";
    std::ofstream(large) << std::string(17, 'x');
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string path;
        bool ok;
        std::string whyNot;
    };
    const Case cases[] = {
        {.path = small, .ok = true, .whyNot = ""},
        {.path = large, .ok = false, .whyNot = "is larger than 16 bytes (17 bytes)"},
        {.path = fifo, .ok = false, .whyNot = "is not a regular file"},
        {.path = "/dev/zero", .ok = false, .whyNot = "is not a regular file"},
        {.path = dir.Path(), .ok = false, .whyNot = "is a folder"},
        {.path = dir.File("missing"), .ok = false,
         .whyNot = "cannot be read: No such file or directory"},
    };
    for (const Case& c : cases) {
        std::string bytes = "old";
        std::string whyNot;
        EXPECT_EQ(ReadInputFile(c.path, 16, bytes, whyNot), c.ok) << c.path;
        EXPECT_EQ(whyNot, c.whyNot) << c.path;
        EXPECT_EQ(bytes, c.ok ? "0123456789" : "") << c.path;
    }
    EXPECT_EQ(SizeLimitText(16u << 20), "16 MB");
}

}  // namespace
}  // namespace velmora
