// velmora-cli upgrade, flash-image and batch: the window's SOFT upgrade,
// Create Flash1M.bin and PATCH UP, run by the same code with a TerminalHost.
#include "cli/FlashCommands.h"

#include <unistd.h>

#include <iostream>
#include <memory>

#include "cli/Arguments.h"
#include "cli/TerminalHost.h"
#include "db/SatTpFile.h"
#include "flash/BatchUpgrade.h"
#include "flash/FactoryImage.h"
#include "flash/SoftwareUpgrade.h"
#include "link/ComPort.h"

namespace velmora::cli {

namespace {

// "--name VALUE" pairs of the given options and, where file is given, one
// argument that is not an option; false, with the reason said, on anything else.
bool ParseOptions(CliStreams& io, const std::vector<std::string>& args,
                  const std::vector<Option>& options, std::string* file = nullptr) {
    std::vector<std::string> positional;
    if (!ParseArguments(io, args, options, &positional, file != nullptr ? 1 : 0)) return false;
    if (file != nullptr && !positional.empty()) *file = positional[0];
    return true;
}

// The window's name rules for the chosen files; false (with the reason on
// the error stream) when a name is refused.
bool NameAccepted(CliStreams& io, const std::string& path, ChosenFile (*choose)(const std::string&),
                  const char* prefix) {
    if (path.empty() || !choose(path).path.empty()) return true;
    PrintError(io, "the file name of " + path + " must begin with \"" + prefix + "\"");
    return false;
}

bool ReadTables(CliStreams& io, SatTpDatabase& db, const std::string& path) {
    std::string whyNot;
    if (ReadSatTpFile(db, path.c_str(), &whyNot) == 0) return true;
    PrintError(io, path + " " + whyNot);
    return false;
}

}  // namespace

int RunUpgrade(const std::vector<std::string>& args, CliStreams& io) {
    std::string port;
    std::string file;
    if (!ParseOptions(io, args, {{"--port", &port}}, &file) ||
        !RequireOption(io, port, "--port") || !RequireOption(io, file, "FILE.hex")) {
        return kExitUsage;
    }
    if (!NameAccepted(io, file, LoadSoftFile, SOFT_NAME_PREFIX)) return kExitUsage;
    TerminalHost host(port, io.err, ProgressBarWanted(io.err));
    CComPort serial;
    MeterLink link(serial, host);
    OpResult result;
    {
        TerminalHost::InterruptScope interrupt;
        result = UpgradeSoftware(link, file);
    }
    std::string status = host.TakeFinalStatus();
    if (!status.empty()) io.out << status << '\n';
    if (result == OpResult::Stopped || host.Interrupted()) PrintError(io, "stopped");
    return result == OpResult::Completed ? kExitOk : kExitFailed;
}

int RunFlashImage(const std::vector<std::string>& args, CliStreams& io) {
    std::string dbPath;
    std::string logo;
    std::string icon;
    std::string output = FACTORY_IMAGE_FILE;
    if (!ParseOptions(io, args,
                      {{"--db", &dbPath},
                       {"--logo", &logo},
                       {"--icon", &icon},
                       {"--output", &output, nullptr, "-o"}}) ||
        !RequireOption(io, dbPath, "--db") || !RequireOption(io, logo, "--logo") ||
        !RequireOption(io, icon, "--icon") || !RequireOption(io, output, "-o OUT")) {
        return kExitUsage;
    }
    if (!NameAccepted(io, logo, LoadLogoFile, LOGO_NAME_PREFIX) ||
        !NameAccepted(io, icon, LoadIconFile, ICON_NAME_PREFIX)) {
        return kExitUsage;
    }
    auto db = std::make_unique<SatTpDatabase>();
    ClearDatabase(*db);
    if (!ReadTables(io, *db, dbPath)) return kExitFailed;
    if (db->satCount <= 0 || db->tpCount <= 0) {
        PrintError(io, dbPath + " holds no satellites or transponders; no image written");
        return kExitFailed;
    }
    FactoryResult result = CreateFactoryImage(
        *db, logo, icon, [&](const std::string& text) { PrintError(io, text); }, output);
    return result == FactoryResult::Ok ? kExitOk : kExitFailed;
}

int RunPatchUp(const std::vector<std::string>& args, CliStreams& io) {
    std::string port;
    std::string soft;
    std::string icon;
    std::string logo;
    std::string tables;
    std::string softWait = "12000";
    std::string stepWait = "200";
    if (!ParseOptions(io, args,
                      {{"--port", &port},
                       {"--soft", &soft},
                       {"--icon", &icon},
                       {"--logo", &logo},
                       {"--tables", &tables},
                       {"--soft-wait-ms", &softWait},
                       {"--step-wait-ms", &stepWait}}) ||
        !RequireOption(io, port, "--port")) {
        return kExitUsage;
    }
    BatchTiming timing;
    if (!ParseMillisecondsOption(io, softWait, "--soft-wait-ms", timing.afterSoft) ||
        !ParseMillisecondsOption(io, stepWait, "--step-wait-ms", timing.afterUpload)) {
        return kExitUsage;
    }
    if (soft.empty() && icon.empty() && logo.empty() && tables.empty()) {
        PrintError(io, "nothing to do: give --soft, --icon, --logo or --tables");
        return kExitUsage;
    }
    if (!NameAccepted(io, soft, LoadSoftFile, SOFT_NAME_PREFIX) ||
        !NameAccepted(io, icon, LoadIconFile, ICON_NAME_PREFIX) ||
        !NameAccepted(io, logo, LoadLogoFile, LOGO_NAME_PREFIX)) {
        return kExitUsage;
    }
    TerminalHost host(port, io.err, ProgressBarWanted(io.err));
    if (!tables.empty() && !ReadTables(io, host.Database(), tables)) return kExitFailed;

    // A given option ticks its box.
    const int patchSoft = !soft.empty(), patchIcon = !icon.empty(), patchLogo = !logo.empty(),
              patchSatTp = !tables.empty();
    const BatchChoice choice{patchSoft, patchIcon, patchLogo, patchSatTp, soft, icon, logo};
    CComPort serial;
    MeterLink link(serial, host);
    LinkBatchSteps steps(link, choice);
    std::string report;
    {
        TerminalHost::InterruptScope interrupt;
        report = RunBatch(host, steps, timing);
    }
    io.out << report << '\n';
    return BatchSucceeded(report) ? kExitOk : kExitFailed;
}

}  // namespace velmora::cli
