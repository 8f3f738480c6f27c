#include <gtest/gtest.h>
#include <poll.h>

#include <filesystem>

#include "serial/PortWatcher.h"
#include "tests/support/ScratchFolder.h"

namespace velmora {
namespace {

using testing::ScratchFolder;
using Devices = std::vector<std::string>;

bool Readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 1000) == 1;
}

TEST(PortWatcher, ReportsAdaptersPluggedInAndPulledOutOnce) {
    ScratchFolder dev;
    testing::Spit(dev.File("ttyS0"), "");
    testing::Spit(dev.File("ttyUSB0"), "");
    PortWatcher watcher(dev.Path());
    ASSERT_GE(watcher.Fd(), 0);
    EXPECT_TRUE(watcher.TakeChanges().Empty());

    testing::Spit(dev.File("ttyACM1"), "");
    testing::Spit(dev.File("ttyUSB0.lock"), "");  // not a port
    ASSERT_TRUE(Readable(watcher.Fd()));
    PortWatcher::Changes plugged = watcher.TakeChanges();
    EXPECT_EQ(plugged.added, Devices{dev.File("ttyACM1")});
    EXPECT_TRUE(plugged.removed.empty());

    std::filesystem::remove(dev.File("ttyUSB0"));
    ASSERT_TRUE(Readable(watcher.Fd()));
    PortWatcher::Changes pulled = watcher.TakeChanges();
    EXPECT_TRUE(pulled.added.empty());
    EXPECT_EQ(pulled.removed, Devices{dev.File("ttyUSB0")});
    // The events were taken: nothing is pending, nothing more is reported.
    pollfd p{watcher.Fd(), POLLIN, 0};
    EXPECT_EQ(::poll(&p, 1, 0), 0);
    EXPECT_TRUE(watcher.TakeChanges().Empty());
}

}  // namespace
}  // namespace velmora
