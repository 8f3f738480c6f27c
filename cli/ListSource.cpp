#include "cli/ListSource.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "cli/TerminalHost.h"
#include "core/MessageText.h"

namespace velmora::cli {

namespace {

// A day: longer than any server stays silent on purpose, and within an int
// of milliseconds.
constexpr double kLongestTimeoutSeconds = 86400;

std::string KilobytesText(std::size_t bytes) { return std::to_string((bytes + 1023) / 1024); }

}  // namespace

bool ParseTimeoutOption(CliStreams& io, const std::string& option, const std::string& text,
                        int& milliseconds) {
    double seconds = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(seconds) ||
        seconds <= 0 || seconds > kLongestTimeoutSeconds) {
        PrintError(io, EscapeControls(option + " wants a number of seconds above 0, not '" +
                                      text + "'"));
        return false;
    }
    milliseconds = std::max(1, static_cast<int>(std::lround(seconds * 1000)));
    return true;
}

bool FetchListFromTerminal(const std::string& source, const ListReadOptions& options,
                           int stallTimeoutMs, int maxTimeMs, CliStreams& io, SourceList& list,
                           ListError& error) {
    if (!IsListUrl(source)) return ReadTransponderList(source, options, list, error);
    // The host's poll sees Ctrl+C; it draws nothing itself here.
    TerminalHost host(io.err, false);
    TerminalHost::InterruptScope interrupts;
    bool draw = ProgressBarWanted(io.err);
    std::size_t drawn = 0;
    std::string shown;
    DownloadOptions download;
    download.stallTimeoutMs = stallTimeoutMs;
    download.maxTimeMs = maxTimeMs;
    download.progress = [&](std::size_t received, std::size_t total) {
        host.PumpOnce();
        if (host.Interrupted()) return false;
        if (draw) {
            std::string line = "Downloading " + KilobytesText(received) + " kB";
            if (total > 0) line += " of " + KilobytesText(total) + " kB";
            if (line == shown) return true;
            shown = line;
            // Blanks over what a longer line before left.
            std::size_t blanks = drawn > line.size() ? drawn - line.size() : 0;
            io.err << '\r' << line << std::string(blanks, ' ');
            io.err.flush();
            drawn = std::max(drawn, line.size());
        }
        return true;
    };
    bool ok = FetchTransponderList(source, options, download, list, error);
    // Stopped by the user, as any operation Ctrl+C ends: the status of a
    // failure, not of a source that cannot be had.
    if (!ok && host.Interrupted()) error.unreadable = false;
    if (drawn > 0) {
        // The line goes, so what follows starts on a clean one.
        io.err << '\r' << std::string(drawn, ' ') << '\r';
        io.err.flush();
    }
    return ok;
}

}  // namespace velmora::cli
