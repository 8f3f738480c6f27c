#include "service/PortProbe.h"

#include "service/BootProbe.h"

#include <cerrno>
#include <system_error>

#include "serial/SerialPort.h"
#include "serial/LinkTexts.h"
#include "meter/MeterLink.h"
#include "serial/PortHolders.h"
#include "serial/PortInfo.h"
#include "serial/PortNames.h"

namespace velmora {

namespace {

// After the meter's ready byte the line must stay quiet this long: an echo
// of the command (a looped-back cable, a modem in echo mode) would go on
// with its second byte.
constexpr std::chrono::milliseconds kQuietAfterAnswer{20};

std::string Where(const ProbeOutcome& o) {
    std::string inside = EscapeControls(o.port.device);
    if (!o.adapter.empty()) inside += ", " + EscapeControls(o.adapter);
    if (o.port.name == o.port.device) return inside;
    return EscapeControls(o.port.name) + " (" + inside + ")";
}

}  // namespace

bool MeterAnswers(LinkPort& port, std::chrono::milliseconds wait) {
    port.ResetReceiveRing();
    const uint8_t command[] = {CMD_READ_TABLES.first, CMD_READ_TABLES.second};
    if (!port.Write(command, sizeof command)) return false;
    port.ExpectBytes(1);
    if (!port.WaitForData([&] { return port.ReceivedCount() > 0; }, wait)) return false;
    port.WaitForData([&] { return port.ReceivedCount() > 1; }, kQuietAfterAnswer);
    // Nothing more is sent: without the go byte the meter sends no table,
    // and the next command it hears starts afresh.
    return port.ReceivedCount() == 1 && port.PopReceived() == METER_READY_TO_SEND;
}

std::vector<ProbeTarget> ExistingPorts() {
    std::vector<ProbeTarget> ports;
    for (int n = 1; n <= kPortCount; ++n) {
        std::string device = PortDevicePath(n);
        if (!device.empty()) ports.push_back({PortName(n), std::move(device)});
    }
    return ports;
}

PortProbe::PortProbe(PortSystem& system,
                     std::chrono::milliseconds perPort)
    : system_(system), perPort_(perPort) {}

PortProbe::~PortProbe() {
    Join();
}

void PortProbe::Start(std::vector<ProbeTarget> targets) {
    targets_ = std::move(targets);
    outcomes_.assign(targets_.size(), {});
    for (std::size_t i = 0; i < targets_.size(); ++i) {
        outcomes_[i].port = targets_[i];
        try {
            threads_.emplace_back(&PortProbe::ProbeOne, this, i);
        } catch (const std::system_error&) {
            // No thread to spare: this port is tried here instead.
            ProbeOne(i);
        }
    }
}

std::vector<ProbeOutcome> PortProbe::Join() {
    for (std::thread& t : threads_) {
        if (t.joinable()) t.join();
    }
    threads_.clear();
    return outcomes_;
}

void PortProbe::ProbeOne(std::size_t index) {
    ProbeOutcome& out = outcomes_[index];
    const std::string& device = out.port.device;
    out.adapter = AdapterDescription(system_, device);
    out.busy = PortBusyReason(system_, device);
    if (out.busy.empty()) {
        SerialPort port(system_);
        if (port.Open(device)) {
            out.opened = true;
            const auto meterWait = perPort_ * 3 / 5;
            if (MeterAnswers(port, meterWait)) {
                out.answer = PortAnswer::Meter;
            } else if (BootloaderAnswers(port, perPort_ - meterWait)) {
                out.answer = PortAnswer::Bootloader;
            }
            port.Close();
        } else if (port.OpenFailureErrno() == EBUSY || port.OpenFailureErrno() == EWOULDBLOCK) {
            out.busy = port.OpenFailureReason();
        }
    }
    finished_.fetch_add(1, std::memory_order_acq_rel);
}

std::vector<ProbeOutcome> ProbePortsForMeter(PortSystem& system, std::vector<ProbeTarget> targets,
                                             std::chrono::milliseconds perPort) {
    PortProbe probe(system, perPort);
    probe.Start(std::move(targets));
    return probe.Join();
}

ProbeSummary SummariseProbe(const std::vector<ProbeOutcome>& outcomes,
                            const std::vector<std::string>& claimed) {
    for (const ProbeOutcome& o : outcomes) {
        if (o.answer == PortAnswer::Meter) {
            return {o.port.name, FillText(TEXT_METER_FOUND, {Where(o)}), MessageKind::Success};
        }
    }
    for (const ProbeOutcome& o : outcomes) {
        if (o.answer == PortAnswer::Bootloader) {
            return {{}, FillText(TEXT_BOOTLOADER_FOUND, {Where(o)}), MessageKind::Notice};
        }
    }
    const ProbeOutcome* busy = nullptr;
    for (const ProbeOutcome& o : outcomes) {
        if (o.adapter.empty()) continue;
        if (o.busy.empty()) {
            return {{}, FillText(TEXT_NO_METER_ANSWERED, {Where(o)}), MessageKind::Notice};
        }
        if (busy == nullptr) busy = &o;
    }
    if (busy != nullptr) {
        return {{}, FillText(TEXT_NO_METER_ASKED, {busy->busy}), MessageKind::Notice};
    }
    std::string text = TEXT_NO_ADAPTER;
    for (const std::string& line : claimed) text += "\n" + line;
    return {{}, text, MessageKind::Notice};
}

}  // namespace velmora
