// The session's side of the ports: finding the meter on them.
#include <chrono>
#include <thread>

#include "flash/BootProbe.h"
#include "link/PortHolders.h"
#include "ui/Session.h"

namespace velmora {

void Session::FindMeter() {
    if (OperationRunning()) return;
    OperationFlags& flags = state_.flags;
    flags.busyFlag = 1;
    EnablePortSelector(false);
    view_.StateChanged();
    PortProbe probe(PortSystem::Default(), BootloaderAnswers, options_.meterProbeWait);
    probe.Start(options_.meterPorts ? options_.meterPorts() : ExistingPorts());
    // The window stays painted while the ports' threads work: about a second.
    BeginProgress("Looking for the meter ...", probe.Total());
    while (probe.Finished() < probe.Total()) {
        PumpOnce();
        SetProgress(probe.Finished());
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    SetProgress(probe.Total());
    const ProbeSummary summary =
        SummariseProbe(probe.Join(), ClaimedAdapterTexts(PortSystem::Default()));
    flags.busyFlag = 0;
    EnablePortSelector(true);
    if (!summary.meterPort.empty()) view_.SelectPortName(summary.meterPort);
    SetStatus(summary.meterPort.empty() ? std::string() : summary.text);
    ShowMessage(summary.text, summary.kind);
    OperationEnded();
}

}  // namespace velmora
