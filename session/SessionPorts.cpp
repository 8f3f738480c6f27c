// The session's side of the ports: finding the meter on them, and following
// adapters as they are plugged in and pulled out.
#include <chrono>
#include <thread>

#include "serial/LinkTexts.h"
#include "serial/PortHolders.h"
#include "serial/PortInfo.h"
#include "serial/PortNames.h"
#include "session/Session.h"

namespace velmora {

void Session::FindMeter() {
    if (OperationRunning()) return;
    OperationFlags& flags = state_.flags;
    flags.busyFlag = 1;
    view_.EnablePortSelector(false);
    UpdateEditButtons();
    view_.StateChanged();
    PortProbe probe(PortSystem::Default(), options_.meterProbeWait);
    probe.Start(options_.meterPorts ? options_.meterPorts() : ExistingPorts());
    // The window stays painted while the ports' threads work: about a second.
    BeginProgress(TEXT_LOOKING_FOR_METER, probe.Total());
    while (probe.Finished() < probe.Total()) {
        PumpOnce();
        SetProgress(probe.Finished());
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    SetProgress(probe.Total());
    const ProbeSummary summary =
        SummariseProbe(probe.Join(), ClaimedAdapterTexts(PortSystem::Default()));
    flags.busyFlag = 0;
    view_.EnablePortSelector(true);
    if (!summary.meterPort.empty()) view_.SelectPortName(summary.meterPort);
    SetStatus(summary.meterPort.empty() ? std::string() : summary.text);
    ShowMessage(summary.text, summary.kind);
    OperationEnded();
}

namespace {

// The COM name of each device now.
std::map<std::string, std::string> PortsByDevice() {
    std::map<std::string, std::string> ports;
    for (int n = 1; n <= kPortCount; ++n) {
        const std::string device = PortDevicePath(n);
        if (!device.empty()) ports[device] = PortName(n);
    }
    return ports;
}

std::string NameOf(const std::map<std::string, std::string>& ports, const std::string& device) {
    auto found = ports.find(device);
    return found == ports.end() ? device : found->second;
}

}  // namespace

int Session::PortWatchFd() {
    if (!watcher_) {
        watcher_ = std::make_unique<PortWatcher>(options_.devicesFolder);
        portOfDevice_ = PortsByDevice();
    }
    return watcher_->Fd();
}

void Session::PortsChanged() {
    if (!watcher_) return;
    const PortWatcher::Changes changes = watcher_->TakeChanges();
    if (changes.Empty()) return;
    std::map<std::string, std::string> now = PortsByDevice();
    view_.PortListChanged();
    std::string text;
    for (const std::string& device : changes.removed) {
        text += (text.empty() ? "" : "; ") + PortChangeText(false, NameOf(portOfDevice_, device));
    }
    for (const std::string& device : changes.added) {
        text += (text.empty() ? "" : "; ") +
                PortChangeText(true, NameOf(now, device),
                               AdapterDescription(PortSystem::Default(), device));
    }
    portOfDevice_ = std::move(now);
    // An operation's own status stays; the one that lost its port says so.
    if (!OperationRunning()) SetStatus(text);
}

}  // namespace velmora
