#include <gtest/gtest.h>

#include <string>

#include "core/TextHelpers.h"

namespace velmora {
namespace {

TEST(TextHelpersTest, NamesAreShownAsUtf8OrLatin1) {
    const std::pair<std::string, std::string> cases[] = {
        {"Astra", "Astra"},
        {"\xC0\xAF", "\xC3\x80\xC2\xAF"},       // overlong
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0?"},  // surrogate; 0x80 is a C1 control
        {"a\nb\x7F", "a?b?"},
    };
    for (const auto& [bytes, shown] : cases) EXPECT_EQ(NameAsShown(bytes), shown) << bytes;
    EXPECT_FALSE(IsUtf8("\xF4\x90\x80\x80"));
    EXPECT_FALSE(IsUtf8("\xE2\x82"));
    EXPECT_TRUE(IsUtf8("\xF4\x8F\xBF\xBF"));
}

TEST(TextHelpersTest, HexHasTheSeparatorOnlyBetweenBytes) {
    struct Case {
        std::string bytes;
        std::string separator;
        HexCase letters = HexCase::Lower;
        std::string out;
    };
    const Case cases[] = {
        {.bytes = "", .separator = " ", .out = ""},
        {.bytes = std::string("\x00\x7F\xFF", 3), .separator = "", .out = "007fff"},
        {.bytes = "T\xFC", .separator = " ", .out = "54 fc"},
        {.bytes = "\xAB\x01", .separator = "", .letters = HexCase::Upper, .out = "AB01"},
    };
    for (const Case& c : cases) EXPECT_EQ(HexText(c.bytes, c.separator, c.letters), c.out);
}

TEST(TextHelpersTest, CutsNeverSplitACharacter) {
    struct Case {
        std::string text;
        std::size_t limit;
        std::size_t cut;
    };
    const Case cases[] = {
        {.text = "Thor 1\xC3\xA9", .limit = 7, .cut = 6},     // inside a two-byte character
        {.text = "Thor 1\xC3\xA9", .limit = 6, .cut = 6},     // just before it
        {.text = "\xF0\x9F\x93\xA1!", .limit = 3, .cut = 0},  // nothing whole fits
        {.text = "short", .limit = 40, .cut = 5},
    };
    for (const Case& c : cases) EXPECT_EQ(Utf8CutBefore(c.text, c.limit), c.cut) << c.text;
}

}  // namespace
}  // namespace velmora
