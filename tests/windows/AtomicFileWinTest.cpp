// Safe writes through the wide-character API: bytes exactly as given, the
// replace rules, nothing left beside the target, UTF-8 names.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/AtomicFile.h"
#include "core/InputFile.h"
#include "core/WideText.h"
#include "tests/support/ScratchFolder.h"

namespace velmora {
namespace {

std::string ReadAll(const std::string& path) {
    std::string bytes, why;
    EXPECT_TRUE(ReadInputFile(path, 1 << 20, bytes, why)) << why;
    return bytes;
}

TEST(AtomicFileWin, WritesBinaryReplacesAndNeverReplacesAsAsked) {
    testing::ScratchFolder dir;
    ASSERT_FALSE(dir.Path().empty());
    const std::string path = dir / "sattp.csv";
    // Line feeds, a carriage return alone, a NUL and a Ctrl+Z: text mode
    // would change or end at each of them.
    const std::string bytes("a\nb\r\nc\rd\0e\x1a" "f\n", 13);
    std::string why;
    ASSERT_TRUE(WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(bytes.data()),
                                    bytes.size(), &why)) << why;
    EXPECT_EQ(ReadAll(path), bytes);
    const std::string second = "second\n";
    ASSERT_TRUE(WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(second.data()),
                                    second.size(), &why)) << why;
    EXPECT_EQ(ReadAll(path), second);
    EXPECT_FALSE(WriteFileThrough(path, ReplaceRule::Never,
                                  [](int fd) { return WriteAllBytes(fd, "x", 1); }, &why));
    EXPECT_EQ(ReadAll(path), second);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"sattp.csv"});
}

TEST(AtomicFileWin, AFolderIsRefusedAndAUtf8NameKeepsItsLetters) {
    testing::ScratchFolder dir;
    std::string why;
    EXPECT_FALSE(WriteFileAtomically(dir.Path(), nullptr, 0, &why));
    EXPECT_EQ(why, "is a folder");
    const std::string name = "Tabelle-\xc3\xa4\xc3\xb6\xc3\xbc.csv";  // Tabelle-äöü.csv
    ASSERT_TRUE(WriteFileAtomically(dir / name, reinterpret_cast<const uint8_t*>("x\n"), 2, &why))
        << why;
    EXPECT_NE(::GetFileAttributesW(WideFromUtf8(dir / name).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ReadAll(dir / name), "x\n");
}

}  // namespace
}  // namespace velmora
