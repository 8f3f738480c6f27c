#include "cli/Arguments.h"

#include <charconv>

#include "db/MessageText.h"

namespace velmora::cli {

bool ParseArguments(CliStreams& io, const std::vector<std::string>& args,
                    const std::vector<Option>& options, std::vector<std::string>* positional,
                    std::size_t maxPositional) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const Option* match = nullptr;
        for (const Option& o : options) {
            if (a == o.name || (o.alias != nullptr && a == o.alias)) match = &o;
        }
        if (match != nullptr) {
            if (match->value == nullptr && match->values == nullptr) {
                if (match->flag != nullptr) *match->flag = true;
                continue;
            }
            if (i + 1 >= args.size()) {
                PrintError(io, "option " + a + " needs a value");
                return false;
            }
            if (match->values != nullptr) match->values->push_back(args[++i]);
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
