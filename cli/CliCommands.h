// The commands of velmora-cli, each one row of the table in Cli.cpp, and
// what they share for reading a sattp.csv table. Beside each command's
// function, the --help lines of the options it declares and parses with.
#pragma once

#include <memory>

#include "cli/Cli.h"
#include "core/SatTpDatabase.h"
#include "core/SatTpFile.h"

namespace velmora::cli {

// FileCommands.cpp
int RunDump(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& DumpOptions();
int RunNormalize(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& NormalizeOptions();

// An empty table to read into (it is too large for the stack).
std::unique_ptr<SatTpDatabase> NewTable();
// Reads a sattp.csv file into db for any command. What the read passed over
// goes into report when one is given, else it is warned of on the error
// stream. kExitOk; or, after one error line, kExitCannotOpen ("cannot open
// PATH: <reason>", "PATH is a folder") or kExitFailed ("PATH is not a
// sattp.csv table: no header line").
int ReadTableFile(SatTpDatabase& db, const std::string& path, CliStreams& io,
                  SatTpReadReport* report = nullptr);
// ReadTableFile, with its warnings, for a command that writes the table to
// out: kExitFailed, after naming what would be lost, when out is the file
// read (however named) and the read passed over something, unless force.
int ReadTableToRewrite(SatTpDatabase& db, const std::string& path, const std::string& out,
                       bool force, CliStreams& io);
// "velmora-cli: warning: PATH: line 12: ..." for each line of the report.
void PrintReadWarnings(CliStreams& io, const std::string& path, const SatTpReadReport& report);

// CheckCommand.cpp
int RunCheck(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& CheckOptions();

// DiffCommand.cpp
int RunDiff(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& DiffOptions();

// ExchangeCommands.cpp
int RunImport(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& ImportOptions();
int RunExport(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& ExportOptions();

// CatalogCommand.cpp
int RunCatalog(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& CatalogOptions();

// LinkCommands.cpp: the commands that talk to the meter.
int RunPorts(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& PortsOptions();
int RunReadTables(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& ReadTablesOptions();
int RunWriteTables(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& WriteTablesOptions();
int RunWriteLogo(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& WriteLogoOptions();
int RunWriteIcon(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& WriteIconOptions();
int RunDeleteIcons(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& DeleteIconsOptions();

// FlashCommands.cpp: the firmware upgrade, the factory image and the batch.
int RunUpgrade(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& UpgradeOptions();
int RunFlashImage(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& FlashImageOptions();
int RunPatchUp(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& PatchUpOptions();

// UnitRecording.cpp: the unit records.
int RunUnits(const std::vector<std::string>& args, CliStreams& io);
const std::vector<OptionLine>& UnitsOptions();

}  // namespace velmora::cli
