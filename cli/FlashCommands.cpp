// velmora-cli upgrade, flash-image and batch: the window's SOFT upgrade,
// Create Flash1M.bin and PATCH UP, run by the same code with a TerminalHost.
#include "cli/FlashCommands.h"

#include <unistd.h>

#include <charconv>
#include <iostream>
#include <memory>

#include "cli/TerminalHost.h"
#include "db/SatTpFile.h"
#include "flash/BatchUpgrade.h"
#include "flash/FactoryImage.h"
#include "flash/SoftwareUpgrade.h"
#include "link/ComPort.h"

namespace velmora::cli {

namespace {

struct Option {
    const char* name;
    std::string* value;
};

// "--name VALUE" pairs of the given options and, where file is given, one
// argument that is not an option. False on anything else.
bool ParseOptions(const std::vector<std::string>& args, std::initializer_list<Option> options,
                  std::string* file = nullptr) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const Option* match = nullptr;
        for (const Option& o : options)
            if (args[i] == o.name) match = &o;
        if (match != nullptr && i + 1 < args.size()) {
            *match->value = args[++i];
        } else if (match == nullptr && file != nullptr && file->empty() && !args[i].empty() &&
                   args[i][0] != '-') {
            *file = args[i];
        } else {
            return false;
        }
    }
    return true;
}

bool ParseMilliseconds(const std::string& text, std::chrono::milliseconds& value) {
    long ms = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ms);
    if (error != std::errc() || end != text.data() + text.size() || ms < 0) return false;
    value = std::chrono::milliseconds(ms);
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
    if (ReadSatTpFile(db, path.c_str()) == 0) return true;
    PrintError(io, "cannot read " + path);
    return false;
}

}  // namespace

int RunUpgrade(const std::vector<std::string>& args, CliStreams& io) {
    std::string port;
    std::string file;
    if (!ParseOptions(args, {{"--port", &port}}, &file) || port.empty() || file.empty())
        return kExitUsage;
    if (!NameAccepted(io, file, LoadSoftFile, SOFT_NAME_PREFIX)) return kExitUsage;
    TerminalHost host(port, io.err, ProgressBarWanted(io.err));
    CComPort serial;
    MeterLink link(serial, host);
    OpResult result;
    {
        TerminalHost::InterruptScope interrupt;
        result = UpgradeSoftware(link, file);
    }
    if (!host.LastStatus().empty()) io.out << host.LastStatus() << '\n';
    if (result == OpResult::Stopped) PrintError(io, "stopped");
    return result == OpResult::Completed ? kExitOk : kExitFailed;
}

int RunFlashImage(const std::vector<std::string>& args, CliStreams& io) {
    std::string dbPath;
    std::string logo;
    std::string icon;
    std::string output = FACTORY_IMAGE_FILE;
    if (!ParseOptions(args, {{"--db", &dbPath},
                             {"--logo", &logo},
                             {"--icon", &icon},
                             {"-o", &output},
                             {"--output", &output}}) ||
        dbPath.empty() || logo.empty() || icon.empty() || output.empty()) {
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

int RunPatchUp(const std::vector<std::string>& allArgs, CliStreams& io) {
    // --verify is the one option without a value.
    std::vector<std::string> args;
    bool verify = false;
    for (const std::string& a : allArgs) {
        if (a == "--verify") {
            verify = true;
        } else {
            args.push_back(a);
        }
    }
    std::string backup;
    std::string port;
    std::string soft;
    std::string icon;
    std::string logo;
    std::string tables;
    std::string softWait = "12000";
    std::string stepWait = "200";
    if (!ParseOptions(args, {{"--port", &port},
                             {"--soft", &soft},
                             {"--icon", &icon},
                             {"--logo", &logo},
                             {"--tables", &tables},
                             {"--backup", &backup},
                             {"--soft-wait-ms", &softWait},
                             {"--step-wait-ms", &stepWait}}) ||
        port.empty()) {
        return kExitUsage;
    }
    BatchTiming timing;
    if (!ParseMilliseconds(softWait, timing.afterSoft) ||
        !ParseMilliseconds(stepWait, timing.afterUpload)) {
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
    steps.SetTableWriteOptions([&] { return TableWriteOptions{verify, backup}; });
    std::string report;
    {
        TerminalHost::InterruptScope interrupt;
        report = RunBatch(host, steps, timing);
    }
    io.out << report << '\n';
    return BatchSucceeded(report) ? kExitOk : kExitFailed;
}

}  // namespace velmora::cli
