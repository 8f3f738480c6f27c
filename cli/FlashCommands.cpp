// velmora-cli upgrade, flash-image and batch: the window's SOFT upgrade,
// Create Flash1M.bin and PATCH UP, run by the same code with a TerminalHost.
#include "cli/FlashCommands.h"

#include <unistd.h>

#include <charconv>
#include <iostream>
#include <algorithm>
#include <memory>

#include "cli/ProductionLine.h"
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

namespace {

// The batch's options that may repeat or stand alone, taken out of args
// before the rest is parsed: every --port, --ports lists, --repeat, --count,
// --report and --probe-interval-ms. False on a malformed one.
struct LineOptions {
    std::vector<std::string> ports;
    bool repeat = false;
    std::string count;
    std::string report;
    std::string probeInterval;
};

bool TakeLineOptions(std::vector<std::string>& args, LineOptions& line) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--repeat") {
            line.repeat = true;
        } else if (a == "--port" && hasValue) {
            line.ports.push_back(args[++i]);
        } else if (a == "--ports" && hasValue) {
            std::string list = args[++i];
            std::size_t from = 0;
            for (;;) {
                std::size_t comma = list.find(',', from);
                line.ports.push_back(list.substr(from, comma - from));
                if (comma == std::string::npos) break;
                from = comma + 1;
            }
        } else if (a == "--count" && hasValue) {
            line.count = args[++i];
        } else if (a == "--report" && hasValue) {
            line.report = args[++i];
        } else if (a == "--probe-interval-ms" && hasValue) {
            line.probeInterval = args[++i];
        } else if (a == "--port" || a == "--ports" || a == "--count" || a == "--report" ||
                   a == "--probe-interval-ms") {
            return false;
        } else {
            rest.push_back(a);
        }
    }
    args = std::move(rest);
    return true;
}

bool ParseCount(const std::string& text, int& value) {
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && value > 0;
}

}  // namespace

int RunPatchUp(const std::vector<std::string>& arguments, CliStreams& io) {
    std::vector<std::string> args = arguments;
    LineOptions line;
    if (!TakeLineOptions(args, line) || line.ports.empty()) return kExitUsage;
    for (std::size_t i = 0; i < line.ports.size(); ++i) {
        if (line.ports[i].empty()) return kExitUsage;
        // Two threads on one port would each take the other's answers.
        for (std::size_t k = 0; k < i; ++k) {
            if (line.ports[k] == line.ports[i]) {
                PrintError(io, "port " + line.ports[i] + " is given twice");
                return kExitUsage;
            }
        }
    }
    LineJob job;
    std::string tables;
    std::string softWait = "12000";
    std::string stepWait = "200";
    if (!ParseOptions(args, {{"--soft", &job.soft},
                             {"--icon", &job.icon},
                             {"--logo", &job.logo},
                             {"--tables", &tables},
                             {"--soft-wait-ms", &softWait},
                             {"--step-wait-ms", &stepWait}})) {
        return kExitUsage;
    }
    if (!ParseMilliseconds(softWait, job.timing.afterSoft) ||
        !ParseMilliseconds(stepWait, job.timing.afterUpload)) {
        return kExitUsage;
    }
    if (!line.count.empty()) {
        // A count of meters means one after another.
        if (!ParseCount(line.count, job.count)) return kExitUsage;
        line.repeat = true;
    }
    if (!line.probeInterval.empty()) {
        std::chrono::milliseconds interval{};
        if (!ParseMilliseconds(line.probeInterval, interval) || interval.count() == 0)
            return kExitUsage;
        job.probeInterval = interval;
        // Half the interval at most is spent waiting, so a late answer still
        // comes before the next probe's INIT.
        job.probeAnswer = std::min(job.probeAnswer, interval / 2);
    }
    job.repeat = line.repeat;
    job.reportPath = line.report;
    if (job.soft.empty() && job.icon.empty() && job.logo.empty() && tables.empty()) {
        PrintError(io, "nothing to do: give --soft, --icon, --logo or --tables");
        return kExitUsage;
    }
    if (job.repeat && (job.soft.empty() || !job.icon.empty() || !job.logo.empty() ||
                       !tables.empty())) {
        // The next meter is found by its bootloader, which only the firmware step talks to.
        PrintError(io, "--repeat and --count take a batch of --soft only");
        return kExitUsage;
    }
    if (!NameAccepted(io, job.soft, LoadSoftFile, SOFT_NAME_PREFIX) ||
        !NameAccepted(io, job.icon, LoadIconFile, ICON_NAME_PREFIX) ||
        !NameAccepted(io, job.logo, LoadLogoFile, LOGO_NAME_PREFIX)) {
        return kExitUsage;
    }

    if (line.ports.size() > 1 || job.repeat) {
        std::unique_ptr<SatTpDatabase> db;
        if (!tables.empty()) {
            db = std::make_unique<SatTpDatabase>();
            ClearDatabase(*db);
            if (!ReadTables(io, *db, tables)) return kExitFailed;
            job.tables = db.get();
        }
        return RunProductionLine(line.ports, job, io, ProgressBarWanted(io.err));
    }

    const std::string& port = line.ports.front();
    TerminalHost host(port, io.err, ProgressBarWanted(io.err));
    if (!tables.empty()) {
        if (!ReadTables(io, host.Database(), tables)) return kExitFailed;
        job.tables = &host.Database();
    }
    CComPort serial;
    MeterLink link(serial, host);
    BatchRecord record;
    {
        TerminalHost::InterruptScope interrupt;
        record = RunMeterBatch(link, port, job, false);
    }
    io.out << record.result << '\n';
    if (!AppendToReport(job, record, io.err)) return kExitFailed;
    return record.ok ? kExitOk : kExitFailed;
}

}  // namespace velmora::cli
