// Runs a velmora-cli command line in-process, its two streams captured; with
// a folder, from that folder (flash-image writes there by default).
#pragma once

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace velmora::cli {

inline int RunCaptured(std::vector<std::string> args, std::ostringstream& out,
                       std::ostringstream& err, const std::string& folder = {},
                       bool checkOnly = false) {
    out.str("");
    err.str("");
    args.insert(args.begin(), kProgramName);
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    CliStreams io{out, err, checkOnly};
    auto before = std::filesystem::current_path();
    if (!folder.empty()) std::filesystem::current_path(folder);
    int status = RunCli(static_cast<int>(args.size()), argv.data(), io);
    if (!folder.empty()) std::filesystem::current_path(before);
    return status;
}

}  // namespace velmora::cli
