// Firmware upgrade, factory image and the patch-up batch, run with the
// session as host.
#include "flash/BatchUpgrade.h"
#include "flash/FactoryImage.h"
#include "flash/SoftwareUpgrade.h"
#include "link/LogoIconUpload.h"
#include "link/TableTransfer.h"
#include "ui/Commands.h"
#include "ui/Session.h"

namespace velmora {

namespace {

// The batch's view of the session: live check boxes, needs, and the steps.
class SessionBatchSteps : public BatchSteps {
public:
    SessionBatchSteps(SessionState& state, SatTpDatabase& db, MeterLink& link,
                      const BootOptions& boot)
        : state_(state), db_(db), link_(link), boot_(boot) {}

    bool Ticked(BatchStep step) override {
        switch (step) {
            case BatchStep::Soft: return state_.patchSoft == 1;
            case BatchStep::Icon: return state_.patchIcon == 1;
            case BatchStep::Logo: return state_.patchLogo == 1;
            case BatchStep::Tables: return state_.patchSatTp == 1;
        }
        return false;
    }
    bool Ready(BatchStep step) override {
        switch (step) {
            case BatchStep::Soft: return PathUsable(state_.softPath);
            case BatchStep::Icon: return PathUsable(state_.iconPath);
            case BatchStep::Logo: return PathUsable(state_.logoPath);
            case BatchStep::Tables: return db_.tpCount > 0 && db_.satCount > 0;
        }
        return false;
    }
    void Run(BatchStep step) override {
        switch (step) {
            case BatchStep::Soft: UpgradeSoftware(link_, state_.softPath, boot_); break;
            case BatchStep::Icon: WriteIconToMeter(link_, state_.iconPath); break;
            case BatchStep::Logo: WriteLogoToMeter(link_, state_.logoPath); break;
            case BatchStep::Tables: WriteTablesToMeter(link_); break;
        }
    }

private:
    SessionState& state_;
    SatTpDatabase& db_;
    MeterLink& link_;
    const BootOptions& boot_;
};

}  // namespace

void Session::LoadSoft() {
    std::optional<std::string> chosen = view_.AskOpenFile({"Open", SOFT_FILE_FILTER, ""});
    if (!chosen) return;
    ChosenFile file = LoadSoftFile(*chosen);
    state_.softPath = file.path;
    view_.SetControlText(IDC_SOFT_LABEL, file.label);
    view_.StateChanged();
}

void Session::SoftUpgrade() {
    if (!IsEnabled(ID_SOFT_UPGRADE)) return;
    UpgradeSoftware(link_, state_.softPath, options_.bootOptions);
    view_.StateChanged();
}

void Session::CreateFlashImage() {
    if (!IsEnabled(ID_CREATE_FLASH)) return;
    CreateFactoryImage(
        *db_, state_.logoPath, state_.iconPath, [this](const std::string& m) { ShowMessage(m); },
        options_.factoryImagePath);
    view_.StateChanged();
}

void Session::PatchUp() {
    if (!IsEnabled(ID_PATCH_UP)) return;
    SessionBatchSteps steps(state_, *db_, link_, options_.bootOptions);
    std::string report = RunBatch(*this, steps, options_.batchTiming);
    if (!report.empty()) ShowMessage(report);
    view_.StateChanged();
}

}  // namespace velmora
