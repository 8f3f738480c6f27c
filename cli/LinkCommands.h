// The velmora-cli commands that talk to the meter (LinkCommands.cpp).
#pragma once

#include "cli/Cli.h"

namespace velmora::cli {

int RunPorts(const std::vector<std::string>& args, CliStreams& io);
int RunReadTables(const std::vector<std::string>& args, CliStreams& io);
int RunWriteTables(const std::vector<std::string>& args, CliStreams& io);
int RunWriteLogo(const std::vector<std::string>& args, CliStreams& io);
int RunWriteIcon(const std::vector<std::string>& args, CliStreams& io);
int RunDeleteIcons(const std::vector<std::string>& args, CliStreams& io);

}  // namespace velmora::cli
