// The velmora-cli commands of the firmware side (FlashCommands.cpp): the
// firmware upgrade, the factory image and the patch-up batch.
#pragma once

#include "cli/Cli.h"

namespace velmora::cli {

int RunUpgrade(const std::vector<std::string>& args, CliStreams& io);
int RunFlashImage(const std::vector<std::string>& args, CliStreams& io);
int RunPatchUp(const std::vector<std::string>& args, CliStreams& io);

}  // namespace velmora::cli
