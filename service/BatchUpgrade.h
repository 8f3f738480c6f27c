// The patch-up batch: firmware, icon, logo and tables written to one meter
// in that order, stopping at the first failed upload, with one report.
#pragma once

#include <chrono>
#include <ctime>
#include <functional>
#include <string>
#include <utility>

#include "bootloader/Bootloader.h"
#include "meter/MeterLink.h"
#include "meter/TableTransfer.h"
#include "core/OperationHost.h"
#include "core/TextMark.h"

namespace velmora {

enum class BatchStep { Soft, Icon, Logo, Tables };

// What the batch asks of the session: the live check-box states (the user
// may change them while a step runs), whether a step has what it needs, and
// the step itself.
class BatchSteps {
public:
    virtual ~BatchSteps() = default;
    virtual bool Ticked(BatchStep step) = 0;
    virtual bool Ready(BatchStep step) = 0;
    virtual void Run(BatchStep step) = 0;
};

// The four check boxes and the chosen files as their owner keeps them. They
// are read live: the user may untick a box or choose a file while a step runs.
struct BatchChoice {
    const int& patchSoft;
    const int& patchIcon;
    const int& patchLogo;
    const int& patchSatTp;
    const std::string& softPath;
    const std::string& iconPath;
    const std::string& logoPath;
};

// The steps on the meter link: the firmware upgrade, the icon and logo
// uploads and the table write of the host's database. The window and the
// command-line tool both run the batch through this.
class LinkBatchSteps : public BatchSteps {
public:
    LinkBatchSteps(MeterLink& link, const BatchChoice& choice, BootOptions boot = {})
        : link_(link), choice_(choice), boot_(std::move(boot)) {}

    bool Ticked(BatchStep step) override;
    bool Ready(BatchStep step) override;
    void Run(BatchStep step) override;

    // The checks of the table step, asked for when the step starts (a backup
    // is named by its time); without this the tables are written unchecked.
    void SetTableWriteOptions(std::function<TableWriteOptions()> options) {
        tableOptions_ = std::move(options);
    }

private:
    MeterLink& link_;
    BatchChoice choice_;
    BootOptions boot_;
    std::function<TableWriteOptions()> tableOptions_;
};

// The status line while the meter restarts after its firmware step, with
// the whole seconds left.
inline constexpr const char* TEXT_METER_RESTARTS =
    VELMORA_TR_NOOP("Core", "The meter restarts with its new firmware: %1 s");

struct BatchTiming {
    std::chrono::milliseconds afterSoft{12000};
    std::chrono::milliseconds afterUpload{200};
    // Slice of a wait between two event dispatches, so the window stays painted.
    std::chrono::milliseconds slice{10};
    // The second the wait after the firmware step counts down in; tests
    // shorten it.
    std::chrono::milliseconds countdownSecond{1000};
    std::function<std::time_t()> now = [] { return std::time(nullptr); };
};

inline constexpr const char* BATCH_SUCCESS_FORMAT = "All upgrade successfully ! elapse %d sec  ";
inline constexpr const char* BATCH_FAILED_TEXT = "upgrade failed ! ";

// Runs the ticked steps and returns the report text; the caller shows it.
// Returns an empty text (and does nothing) while another batch runs.
std::string RunBatch(OperationHost& host, BatchSteps& steps, const BatchTiming& timing = {});

// True when the report is the success text.
bool BatchSucceeded(const std::string& report);

// The window's words for a successful report: what was done (the done bits
// of the batch flags) and how long it took, e.g. "Patch up done in 31 s:
// firmware upgraded and verified; icon and tables written."
std::string BatchSuccessMessage(const std::string& report, uint8_t done);

}  // namespace velmora
