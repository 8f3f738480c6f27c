// Firmware upgrade, factory image and the patch-up batch, run with the
// session as host.
#include "flash/BatchUpgrade.h"
#include "flash/FactoryImage.h"
#include "flash/SoftwareUpgrade.h"
#include "ui/Commands.h"
#include "ui/Session.h"

namespace velmora {

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
    const BatchChoice choice{state_.patchSoft, state_.patchIcon, state_.patchLogo, state_.patchSatTp,
                             state_.softPath,  state_.iconPath,  state_.logoPath};
    LinkBatchSteps steps(link_, choice, options_.bootOptions);
    steps.SetTableWriteOptions([this] { return WriteOptionsNow(); });
    std::string report = RunBatch(*this, steps, options_.batchTiming);
    if (!report.empty()) ShowMessage(report);
    view_.StateChanged();
}

}  // namespace velmora
