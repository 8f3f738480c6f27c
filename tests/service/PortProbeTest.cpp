#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "service/BootProbe.h"
#include "serial/PortNames.h"
#include "service/PortProbe.h"
#include "meter/TableTransfer.h"
#include "sim/BootMeterSim.h"
#include "tests/support/LinkTestSupport.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;

// A pseudo-terminal nobody answers on.
struct SilentPty {
    SilentPty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master);
        ::unlockpt(master);
        path = ::ptsname(master);
    }
    ~SilentPty() { ::close(master); }
    int master = -1;
    std::string path;
};

std::vector<PortAnswer> Answers(const std::vector<ProbeOutcome>& outcomes) {
    std::vector<PortAnswer> answers;
    for (const ProbeOutcome& o : outcomes) answers.push_back(o.answer);
    return answers;
}

TEST(PortProbe, TellsMeterBootloaderAndSilenceApartAndTheMeterStillReads) {
    auto table = std::make_unique<SatTpDatabase>();
    testing::FillSmallTable(*table);
    sim::MeterOptions serving;
    serving.tables = sim::EncodeTableDump(*table);
    testing::SimLink meter(serving);
    sim::BootMeterSim bootloader;
    ASSERT_TRUE(bootloader.Start());
    SilentPty silent;
    const auto started = std::chrono::steady_clock::now();
    const std::vector<ProbeTarget> ports = {
        {"COM1", silent.path}, {"COM2", bootloader.SlavePath()}, {"COM3", meter.meter.SlavePath()}};
    const auto outcomes =
        ProbePortsForMeter(PortSystem::Default(), ports, 600ms);
    // The ports are tried side by side, not one after another.
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1200ms);
    EXPECT_EQ(
        Answers(outcomes),
        (std::vector<PortAnswer>{PortAnswer::Nothing, PortAnswer::Bootloader, PortAnswer::Meter}));
    EXPECT_EQ(SummariseProbe(outcomes).meterPort, "COM3");
    bootloader.Stop();

    // The probe left the meter waiting for a go byte that never came; a
    // real read from the same port must still get the whole table.
    ASSERT_EQ(ReadTablesFromMeter(meter.link), OpResult::Completed);
    EXPECT_EQ(meter.host.db->satCount, 2);
    EXPECT_EQ(meter.host.db->tpCount, 5);
}

TEST(PortProbe, ExclusivelyHeldPortIsBusyAndNotTried) {
    SilentPty pty;
    // TIOCEXCL, and the flock that stops root as well.
    const int held = OpenDeviceExclusive(pty.path);
    ASSERT_GE(held, 0);
    const auto outcomes = ProbePortsForMeter(PortSystem::Default(), {{"COM4", pty.path}}, 300ms);
    ASSERT_EQ(outcomes.size(), 1u);
    EXPECT_FALSE(outcomes[0].opened);
    EXPECT_NE(outcomes[0].busy.find("is in use by another program"), std::string::npos)
        << outcomes[0].busy;
    PortSystem::Default().CloseDevice(held);
}

}  // namespace
}  // namespace velmora
