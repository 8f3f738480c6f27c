#include "service/BatchUpgrade.h"

#include <cstdio>
#include <thread>
#include <vector>

#include "core/TextMark.h"
#include "bootloader/SoftwareUpgrade.h"
#include "meter/LogoIconUpload.h"
#include "meter/TableTransfer.h"

namespace velmora {

namespace {

struct StepInfo {
    BatchStep step;
    uint8_t doneBit;
    const char* label;
};

constexpr StepInfo kSteps[] = {
    {BatchStep::Soft, BATCH_SOFT_DONE, "SOFT "},
    {BatchStep::Icon, BATCH_ICON_DONE, "ICON "},
    {BatchStep::Logo, BATCH_LOGO_DONE, "LOGO "},
    {BatchStep::Tables, BATCH_TABLES_DONE, "SAT&TP "},
};

// Waits while dispatching events, so the window repaints and Stop or a
// close request is seen; the wait itself is not shortened by them. With
// countdown the status line counts the whole seconds left.
void Wait(OperationHost& host, const BatchTiming& timing, std::chrono::milliseconds total,
          bool countdown = false) {
    auto end = std::chrono::steady_clock::now() + total;
    long shown = -1;
    for (;;) {
        host.PumpOnce();
        if (host.Flags().batchStopRequested) return;
        auto now = std::chrono::steady_clock::now();
        if (now >= end) return;
        const auto second = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
            timing.countdownSecond);
        const long left = static_cast<long>((end - now + second - std::chrono::nanoseconds(1)) / second);
        if (countdown && left != shown) {
            host.ShowCountdown(FillText(TEXT_METER_RESTARTS, {std::to_string(left)}));
            shown = left;
        }
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(end - now, timing.slice));
    }
}

// A chosen file's path is usable when it is longer than 4 characters, as
// everywhere in the window.
bool Usable(const std::string& path) { return path.size() > 4; }

}  // namespace

bool LinkBatchSteps::Ticked(BatchStep step) {
    switch (step) {
        case BatchStep::Soft: return choice_.patchSoft == 1;
        case BatchStep::Icon: return choice_.patchIcon == 1;
        case BatchStep::Logo: return choice_.patchLogo == 1;
        case BatchStep::Tables: return choice_.patchSatTp == 1;
    }
    return false;
}

bool LinkBatchSteps::Ready(BatchStep step) {
    const SatTpDatabase& db = link_.Host().Database();
    switch (step) {
        case BatchStep::Soft: return Usable(choice_.softPath);
        case BatchStep::Icon: return Usable(choice_.iconPath);
        case BatchStep::Logo: return Usable(choice_.logoPath);
        case BatchStep::Tables: return db.tpCount > 0 && db.satCount > 0;
    }
    return false;
}

void LinkBatchSteps::Run(BatchStep step) {
    switch (step) {
        case BatchStep::Soft: UpgradeSoftware(link_, choice_.softPath, boot_); break;
        case BatchStep::Icon: WriteIconToMeter(link_, choice_.iconPath); break;
        case BatchStep::Logo: WriteLogoToMeter(link_, choice_.logoPath); break;
        case BatchStep::Tables:
            WriteTablesToMeter(link_, tableOptions_ ? tableOptions_() : TableWriteOptions{});
            break;
    }
}

std::string RunBatch(OperationHost& host, BatchSteps& steps, const BatchTiming& timing) {
    OperationFlags& flags = host.Flags();
    if (flags.batchRunning) return {};
    flags.batchRunning = 1;
    flags.batchStopRequested = 0;
    flags.batchFlags = 0;
    std::time_t start = timing.now();

    for (const StepInfo& info : kSteps) {
        if (flags.batchStopRequested) break;
        if (!(steps.Ticked(info.step) && steps.Ready(info.step))) continue;
        steps.Run(info.step);
        if (info.step == BatchStep::Tables) break;
        // A failed upload ends the batch, unless the user unticked the box meanwhile.
        if (steps.Ticked(info.step) && !(flags.batchFlags & info.doneBit)) break;
        const bool soft = info.step == BatchStep::Soft;
        Wait(host, timing, soft ? timing.afterSoft : timing.afterUpload,
             soft && timing.afterSoft >= timing.countdownSecond);
    }

    std::string report;
    for (const StepInfo& info : kSteps) {
        if (steps.Ticked(info.step) && !(flags.batchFlags & info.doneBit)) report += info.label;
    }
    if (!report.empty()) {
        report += BATCH_FAILED_TEXT;
    } else {
        char buf[96];
        std::snprintf(buf, sizeof buf, BATCH_SUCCESS_FORMAT, static_cast<int>(timing.now() - start));
        report = buf;
    }
    flags.batchRunning = 0;
    flags.batchStopRequested = 0;
    return report;
}

bool BatchSucceeded(const std::string& report) {
    return report.rfind("All upgrade successfully ! ", 0) == 0;
}

std::string BatchSuccessMessage(const std::string& report, uint8_t done) {
    int seconds = 0;
    std::sscanf(report.c_str(), BATCH_SUCCESS_FORMAT, &seconds);
    // What was written, by icon (1), logo (2) and tables (4): whole phrases,
    // so a translation words each list as its language does.
    static constexpr const char* kWritten[8] = {
        "",
        VELMORA_TR_NOOP("Core", "icon written"),
        VELMORA_TR_NOOP("Core", "logo written"),
        VELMORA_TR_NOOP("Core", "icon and logo written"),
        VELMORA_TR_NOOP("Core", "tables written"),
        VELMORA_TR_NOOP("Core", "icon and tables written"),
        VELMORA_TR_NOOP("Core", "logo and tables written"),
        VELMORA_TR_NOOP("Core", "icon, logo and tables written"),
    };
    const int mask = ((done & BATCH_ICON_DONE) ? 1 : 0) | ((done & BATCH_LOGO_DONE) ? 2 : 0) |
                     ((done & BATCH_TABLES_DONE) ? 4 : 0);
    const std::string time = std::to_string(seconds);
    const bool soft = (done & BATCH_SOFT_DONE) != 0;
    if (mask == 0) {
        return soft ? FillText(VELMORA_TR_NOOP("Core", "Patch up done in %1 s: firmware upgraded "
                                                       "and verified."),
                               {time})
                    : FillText(VELMORA_TR_NOOP("Core", "Patch up done in %1 s."), {time});
    }
    return soft ? FillText(VELMORA_TR_NOOP("Core", "Patch up done in %1 s: firmware upgraded and "
                                                   "verified; %2."),
                           {time, kWritten[mask]})
                : FillText(VELMORA_TR_NOOP("Core", "Patch up done in %1 s: %2."),
                           {time, kWritten[mask]});
}

}  // namespace velmora
