#include "core/TextMark.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The values go in once: a path holding "%2" or "%" stays as it is, and a
// marker without a value is left for the reader to see.
TEST(FillText, PutsEachValueInOnce) {
    struct Case {
        const char* templ;
        std::string out;
    };
    const Case cases[] = {
        {.templ = "Save the changes to %1?", .out = "Save the changes to /tmp/a%2b.csv?"},
        {.templ = "%2 then %1", .out = "2 then /tmp/a%2b.csv"},
        {.templ = "100% of %1", .out = "100% of /tmp/a%2b.csv"},
        {.templ = "%1 and %3", .out = "/tmp/a%2b.csv and %3"},
        {.templ = "ends in %", .out = "ends in %"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FillText(c.templ, {"/tmp/a%2b.csv", "2"}), c.out) << c.templ;
    }
}

}  // namespace
}  // namespace velmora
