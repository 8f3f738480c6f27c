#include "service/NoticeTap.h"

#include "bootloader/SoftwareUpgrade.h"

namespace velmora {

void FailureNotes::StepEnded(bool ok) {
    if (!ok && reason_.empty()) reason_ = notice_.empty() ? WithBootloaderHint(status_) : notice_;
    notice_.clear();
}

std::string FailureNotes::TakeReason() {
    std::string reason = reason_.empty() ? notice_ : reason_;
    while (!reason.empty() && reason.back() == ' ') reason.pop_back();
    reason_.clear();
    notice_.clear();
    return reason;
}

}  // namespace velmora
