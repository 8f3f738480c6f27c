#include "core/MessageText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(EscapeControls, ShowsControlAndBrokenBytesEscapedAndKeepsTheRest) {
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {.in = "11362 H 22000", .out = "11362 H 22000"},
        {.in = "1\x1b]0;pwned\x07", .out = "1\\x1b]0;pwned\\x07"},
        {.in = "a\nb\rc\td", .out = "a\\x0ab\\x0dc\\x09d"},
        {.in = "del\x7f", .out = "del\\x7f"},
        {.in = "csi\xc2\x9b" "2J", .out = "csi\\xc2\\x9b2J"},
        {.in = "raw\x9b", .out = "raw\\x9b"},
        {.in = "T\xc3\xbcrksat \xe2\x82\xac", .out = "T\xc3\xbcrksat \xe2\x82\xac"},
        {.in = "cut\xe2\x82", .out = "cut\\xe2\\x82"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EscapeControls(c.in), c.out) << c.out;
        EXPECT_EQ(EscapeControls(EscapeControls(c.in)), c.out) << "escaped twice: " << c.out;
    }
}

}  // namespace
}  // namespace velmora
