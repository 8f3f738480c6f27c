// The chip's unique device ID as the bootloader client reads it, against the
// simulated bootloader.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "tests/support/BootTestPorts.h"
#include "bootloader/Bootloader.h"
#include "sim/BootloaderEngine.h"

namespace velmora {
namespace {

// Read where the family keeps it; refused (read protection) or at no known
// place, there is none, nothing is said and the line stays usable.
TEST(BootUniqueId, IsReadWhereTheFamilyKeepsIt) {
    const struct {
        uint16_t pid;
        bool readable = true;
        bool found = true;
    } cases[] = {
        {.pid = 0x410},  // F1
        {.pid = 0x440},  // F0
        {.pid = 0x413},  // F4
        {.pid = 0x410, .readable = false, .found = false},
        {.pid = 0x641, .found = false},
    };
    for (const auto& c : cases) {
        BootloaderEngineOptions o;
        o.productId = c.pid;
        o.uniqueIdReadable = c.readable;
        BootloaderEngine engine(o);
        test::FakeClock clock;
        test::EnginePort port(clock, engine);
        std::string diag;
        BootOptions options;
        options.nowSeconds = [&clock] { return clock.now; };
        options.diagnostic = [&diag](const std::string& text) { diag += text; };
        auto boot = BootloaderConnection::Init(port, true, options);
        ASSERT_NE(boot, nullptr) << diag;
        uint8_t id[UNIQUE_ID_BYTES] = {};
        EXPECT_EQ(boot->ReadUniqueId(id), c.found) << std::hex << c.pid;
        if (c.found) {
            EXPECT_TRUE(std::equal(std::begin(id), std::end(id), o.uniqueId.begin()));
        }
        uint8_t word[4];
        EXPECT_EQ(boot->ReadMemory(0x08000000, word, 4), BootResult::Ok);
        EXPECT_EQ(diag, "");
    }
}

}  // namespace
}  // namespace velmora
