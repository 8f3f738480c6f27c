#include "service/BootProbe.h"

#include "bootloader/Bootloader.h"
#include "service/PortProbe.h"
#include "bootloader/Bootloader.h"

namespace velmora {

namespace {

bool IsBootloaders(uint8_t byte) { return byte == BOOT_ACK || byte == BOOT_NACK; }

bool SendInitAndListen(LinkPort& port, std::chrono::milliseconds answerWait) {
    const uint8_t init = BOOT_INIT;
    if (!port.Write(&init, 1)) return false;
    port.ExpectBytes(1);
    auto answered = [&] { return port.ReceivedCount() > 0; };
    if (!port.WaitForData(answered, answerWait)) return false;
    // A bootloader synchronised earlier took the INIT as the start of a
    // command and refuses the next one: it is there all the same.
    uint8_t byte = port.PopReceived();
    port.ResetReceiveRing();
    return IsBootloaders(byte);
}

}  // namespace

bool BootloaderAnswers(LinkPort& port, std::chrono::milliseconds answerWait) {
    port.ResetReceiveRing();
    if (!port.ApplyBootloaderFraming()) return false;
    port.TakeNotices();
    // A bootloader synchronised by an earlier probe takes the first INIT as
    // a command and says nothing; the second INIT is no complement of it and
    // draws its NACK.
    const auto half = answerWait / 2;
    return SendInitAndListen(port, half) || SendInitAndListen(port, answerWait - half);
}

ProbeResult ProbeBootloader(MeterLink& link, std::chrono::milliseconds answerWait) {
    LinkPort& port = link.Port();
    if (!port.IsOpen()) {
        if (!link.OpenPort()) return ProbeResult::NoPort;
        port.ResetReceiveRing();
    } else if (port.ReceivedCount() > 0) {
        // The answer to the last probe's INIT came after its wait: that
        // bootloader is synchronised now, and another INIT would be taken as
        // the start of a command.
        uint8_t late = port.PopReceived();
        port.ResetReceiveRing();
        if (IsBootloaders(late)) return ProbeResult::Found;
    }
    port.ApplyBootloaderFraming();
    link.ShowPortNotices();
    return SendInitAndListen(port, answerWait) ? ProbeResult::Found : ProbeResult::Silent;
}

ProbeResult ProbeMeter(MeterLink& link, std::chrono::milliseconds answerWait) {
    LinkPort& port = link.Port();
    if (port.IsOpen()) port.Close();
    if (!link.OpenPort()) return ProbeResult::NoPort;
    link.ShowPortNotices();
    bool answered = MeterAnswers(port, answerWait);
    port.Close();
    return answered ? ProbeResult::Found : ProbeResult::Silent;
}

}  // namespace velmora
