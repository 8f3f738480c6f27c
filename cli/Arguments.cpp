#include "cli/Arguments.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "core/InputFile.h"
#include "core/MessageText.h"

namespace velmora::cli {

namespace {

const Option* FindOption(const std::vector<Option>& options, const std::string& a) {
    const Option* match = nullptr;
    for (const Option& o : options) {
        if (a == o.name || (o.alias != nullptr && a == o.alias)) match = &o;
    }
    return match;
}

bool TakenFirst(const Option& o) {
    return o.takes == Takes::FirstValue || o.takes == Takes::FirstMaybeValue;
}

// Takes the options taken first out of args, wherever they stand.
bool TakeFirstOptions(CliStreams& io, std::vector<std::string>& args,
                      const std::vector<Option>& options) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const Option* match = FindOption(options, a);
        if (match == nullptr || !TakenFirst(*match)) {
            rest.push_back(a);
            continue;
        }
        const bool hasValue = i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-';
        if (match->takes == Takes::FirstMaybeValue) {
            *match->flag = true;
            if (hasValue) *match->value = args[++i];
            continue;
        }
        if (!hasValue) {
            PrintError(io, "option " + a + " needs a value");
            return false;
        }
        *match->value = args[++i];
    }
    args = std::move(rest);
    return true;
}

}  // namespace

bool ParseArguments(CliStreams& io, const std::vector<std::string>& given,
                    const std::vector<Option>& options, std::vector<std::string>* positional,
                    std::size_t maxPositional, const std::function<bool()>& afterFirst) {
    std::vector<std::string> args = given;
    if (!TakeFirstOptions(io, args, options) || (afterFirst && !afterFirst())) return false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const Option* match = FindOption(options, a);
        if (match != nullptr && !TakenFirst(*match)) {
            if (match->takes == Takes::Nothing) {
                *match->flag = true;
                continue;
            }
            if (i + 1 >= args.size()) {
                PrintError(io, "option " + a + " needs a value");
                return false;
            }
            if (match->takes == Takes::EveryValue) match->values->push_back(args[++i]);
            else *match->value = args[++i];
            continue;
        }
        if (a.size() > 1 && a[0] == '-') {
            PrintError(io, "unknown option '" + a + "'");
            return false;
        }
        if (positional == nullptr || positional->size() >= maxPositional) {
            PrintError(io, "unexpected argument '" + a + "'");
            return false;
        }
        positional->push_back(a);
    }
    return true;
}

bool RequireOption(CliStreams& io, const std::string& value, const char* what) {
    if (!value.empty()) return true;
    PrintError(io, std::string("missing ") + what);
    return false;
}

bool PortNameAccepted(CliStreams& io, const std::string& port) {
    auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    const bool comName = port.size() > 3 && std::all_of(port.begin() + 3, port.end(), digit) &&
                         (port[0] | 0x20) == 'c' && (port[1] | 0x20) == 'o' &&
                         (port[2] | 0x20) == 'm';
#ifdef _WIN32
    if (!comName || (port.size() <= 6 && port[3] != '0' && std::stoi(port.substr(3)) <= 256))
        return true;
    PrintError(io, "there is no " + port + " (COM1 to COM256, or \\\\.\\COMn)");
#else
    if (!comName || (port.size() == 4 && port[3] != '0')) return true;
    PrintError(io, "there is no " + port +
                       " (COM1 to COM9, or a device path such as /dev/ttyUSB0)");
#endif
    return false;
}

bool InputFileOpens(CliStreams& io, const std::string& path) {
    std::string whyNot;
    if (path.empty() || CanOpenInputFile(path, whyNot)) return true;
    PrintError(io, UnreadableFileText(path, whyNot));
    return false;
}

void PrintFileNameRule(CliStreams& io, const std::string& path, const char* prefix) {
    std::string quoted = "\"" + std::string(prefix) + "\"";
    PrintError(io, "the file name of " + EscapeControls(path) + " must begin with " + quoted +
                       ": the meter knows its files by these names; rename a copy of the file "
                       "to begin with " + quoted);
}

bool ParseMillisecondsOption(CliStreams& io, const std::string& text, const char* option,
                             std::chrono::milliseconds& value) {
    // An hour is far beyond any wait of a meter; larger values would
    // overflow the clock arithmetic of the waits into a busy loop.
    constexpr long kMaxMilliseconds = 3'600'000;
    long ms = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), ms);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || ms < 0 ||
        ms > kMaxMilliseconds) {
        PrintError(io, std::string("bad number for ") + option + ": '" + EscapeControls(text) +
                           "' (a whole number of milliseconds, at most 3600000)");
        return false;
    }
    value = std::chrono::milliseconds(ms);
    return true;
}

}  // namespace velmora::cli
