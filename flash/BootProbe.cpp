#include "flash/BootProbe.h"

#include "flash/Bootloader.h"

namespace velmora {

ProbeResult ProbeBootloader(MeterLink& link, std::chrono::milliseconds answerWait) {
    LinkPort& port = link.Port();
    auto isBootloaders = [](uint8_t byte) { return byte == BOOT_ACK || byte == BOOT_NACK; };
    if (!port.IsOpen()) {
        if (!link.OpenPort()) return ProbeResult::NoPort;
        port.ResetReceiveRing();
    } else if (port.ReceivedCount() > 0) {
        // The answer to the last probe's INIT came after its wait: that
        // bootloader is synchronised now, and another INIT would be taken as
        // the start of a command.
        uint8_t late = port.PopReceived();
        port.ResetReceiveRing();
        if (isBootloaders(late)) return ProbeResult::Found;
    }
    port.ApplyBootloaderFraming();
    link.ShowPortNotices();
    const uint8_t init = BOOT_INIT;
    if (!port.Write(&init, 1)) return ProbeResult::Silent;
    port.ExpectBytes(1);
    auto answered = [&] { return port.ReceivedCount() > 0; };
    if (!port.WaitForData(answered, answerWait)) return ProbeResult::Silent;
    // A bootloader synchronised earlier took the INIT as the start of a
    // command and refuses the next one: it is there all the same.
    uint8_t byte = port.PopReceived();
    port.ResetReceiveRing();
    return isBootloaders(byte) ? ProbeResult::Found : ProbeResult::Silent;
}

}  // namespace velmora
