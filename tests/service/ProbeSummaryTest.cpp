#include <gtest/gtest.h>

#include "service/PortProbe.h"

namespace velmora {
namespace {

ProbeOutcome Port(const std::string& name, const std::string& device, const std::string& adapter,
                  PortAnswer answer = PortAnswer::Nothing, const std::string& busy = "") {
    ProbeOutcome o;
    o.port = {name, device};
    o.adapter = adapter;
    o.opened = busy.empty();
    o.busy = busy;
    o.answer = answer;
    return o;
}

TEST(ProbeSummary, NamesTheMeterOrTheLikelyReasonNoneAnswered) {
    const ProbeOutcome native = Port("COM1", "/dev/ttyS0", "");
    const ProbeOutcome ch340 = Port("COM3", "/dev/ttyUSB0", "CH340");
    struct Case {
        std::vector<ProbeOutcome> ports;
        std::vector<std::string> claimed{};
        std::string meterPort{};
        std::string text;
    };
    const Case cases[] = {
        {.ports = {native, Port("COM3", "/dev/ttyUSB0", "FTDI FT232R", PortAnswer::Meter)},
         .meterPort = "COM3",
         .text = "Meter found on COM3 (/dev/ttyUSB0, FTDI FT232R)"},
        // A meter wins over a bootloader found earlier in the list.
        {.ports = {Port("COM2", "/dev/ttyUSB1", "CP2102", PortAnswer::Bootloader),
                   Port("/dev/pts/4", "/dev/pts/4", "", PortAnswer::Meter)},
         .meterPort = "/dev/pts/4",
         .text = "Meter found on /dev/pts/4"},
        {.ports = {native, Port("COM2", "/dev/ttyUSB1", "CP2102", PortAnswer::Bootloader)},
         .text = "A meter in its bootloader answered on COM2 (/dev/ttyUSB1, CP2102): use "
                 "Firmware upgrade (Meter > SOFT upgrade)"},
        {.ports = {native, ch340},
         .text = "No meter answered on COM3 (/dev/ttyUSB0, CH340): is the meter switched on and "
                 "its cable plugged?"},
        {.ports = {native}, .text = "No USB serial adapter is plugged in."},
        {.ports = {},
         .claimed = {"A CH340 USB serial adapter ..."},
         .text = "No USB serial adapter is plugged in.\nA CH340 USB serial adapter ..."},
        {.ports = {Port("COM3", "/dev/ttyUSB0", "CH340", PortAnswer::Nothing,
                        "/dev/ttyUSB0 is locked by another program (pid 9)")},
         .text = "No meter could be asked: /dev/ttyUSB0 is locked by another program (pid 9)"},
    };
    for (const Case& c : cases) {
        const ProbeSummary s = SummariseProbe(c.ports, c.claimed);
        EXPECT_EQ(s.meterPort, c.meterPort) << c.text;
        EXPECT_EQ(s.text, c.text);
        EXPECT_EQ(s.kind, c.meterPort.empty() ? MessageKind::Notice : MessageKind::Success);
    }
}

}  // namespace
}  // namespace velmora
