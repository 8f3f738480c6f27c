// The commands of velmora-cli; each is one entry of the table in Cli.cpp.
#pragma once

#include "cli/Cli.h"
#include "db/SatTpDatabase.h"
#include "db/SatTpFile.h"

namespace velmora::cli {

// FileCommands.cpp
int RunDump(const std::vector<std::string>& args, CliStreams& io);
int RunNormalize(const std::vector<std::string>& args, CliStreams& io);
// Reads a sattp.csv file into db; on failure says why on the error stream,
// and warns there of what the read passed over.
bool ReadTableFile(SatTpDatabase& db, const std::string& path, CliStreams& io);
// "velmora-cli: warning: PATH: line 12: ..." for each line of the report.
void PrintReadWarnings(CliStreams& io, const std::string& path, const SatTpReadReport& report);

// DiffCommand.cpp
int RunDiff(const std::vector<std::string>& args, CliStreams& io);

// CheckCommand.cpp
int RunCheck(const std::vector<std::string>& args, CliStreams& io);

// ExchangeCommands.cpp
int RunImport(const std::vector<std::string>& args, CliStreams& io);
int RunExport(const std::vector<std::string>& args, CliStreams& io);

}  // namespace velmora::cli
