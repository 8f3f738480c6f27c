// Where import takes its list from: a file, or an http:// or https:// URL
// downloaded with a progress line on a terminal and Ctrl+C as cancel.
#pragma once

#include <string>

#include "cli/Cli.h"
#include "exchange/ListDownload.h"

namespace velmora::cli {

// "--timeout SECONDS", "--max-time SECONDS": a number of seconds above 0
// (fractions allowed) as milliseconds; false with the reason on the error
// stream otherwise.
bool ParseTimeoutOption(CliStreams& io, const std::string& option, const std::string& text,
                        int& milliseconds);

// Reads or downloads source and parses it. A download ends after
// stallTimeoutMs without a byte, after maxTimeMs in all, or on Ctrl+C
// ("cancelled").
bool FetchListFromTerminal(const std::string& source, const ListReadOptions& options,
                           int stallTimeoutMs, int maxTimeMs, CliStreams& io, SourceList& list,
                           ListError& error);

}  // namespace velmora::cli
