// dvbv5 scan tables: one [section] of KEY = VALUE lines per transponder. The
// position is not in the file; it comes from the file name or the caller.
#include "exchange/ListText.h"
#include "exchange/TransponderList.h"

namespace velmora {

using namespace listtext;

namespace {

SourcePol Dvbv5Polarisation(std::string_view text) {
    static constexpr struct {
        const char* name;
        SourcePol pol;
    } kNames[] = {{"HORIZONTAL", SourcePol::H},
                  {"VERTICAL", SourcePol::V},
                  {"LEFT", SourcePol::L},
                  {"RIGHT", SourcePol::R}};
    if (text.empty()) return SourcePol::Missing;
    for (const auto& n : kNames)
        if (EqualNoCase(text, n.name)) return n.pol;
    return SourcePol::Unknown;
}

}  // namespace

bool ParseDvbv5List(std::string_view bytes, const std::string& fileName, int position,
                    SourceList& list, ListError& error) {
    error = ListError{fileName, 0, {}};
    auto fail = [&](int line, std::string message) {
        error.line = line;
        error.message = std::move(message);
        return false;
    };
    std::string_view base = fileName;
    if (std::size_t slash = base.rfind('/'); slash != std::string_view::npos)
        base.remove_prefix(slash + 1);
    SourceSatellite sat;
    // "Astra-19.2E": the name, a dash and the position.
    std::size_t dash = base.rfind('-');
    int named = 0;
    bool hasEnding = dash != std::string_view::npos && ParsePositionText(base.substr(dash + 1), named);
    std::string_view name = hasEnding ? base.substr(0, dash) : base;
    for (char c : name) sat.name += c == '-' ? ' ' : c;
    if (position >= 0) {
        sat.position = position % 3600;
    } else if (hasEnding) {
        sat.position = named;
    } else {
        return fail(0, "a dvbv5 list has no position: its file name must end like "
                       "Astra-19.2E (or give --position)");
    }
    sat.givenPosition = sat.position;

    SourceTp* tp = nullptr;
    LineReader lines(bytes);
    std::string_view line;
    while (lines.Next(line)) {
        int number = lines.Number();
        line = Trim(line);
        if (line.empty() || line.front() == '#') continue;
        if (line.front() == '[') {
            if (sat.tps.size() >= kMostListEntries)
                return fail(number, "more than " + std::to_string(kMostListEntries) +
                                        " transponders: far more than a transponder list holds");
            sat.tps.push_back(SourceTp{});
            tp = &sat.tps.back();
            tp->line = number;
            if (sat.line == 0) sat.line = number;
            continue;
        }
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) return fail(number, "expected KEY = VALUE");
        if (tp == nullptr) continue;  // settings before the first section
        std::string_view key = Trim(line.substr(0, eq));
        std::string_view value = Trim(line.substr(eq + 1));
        if (EqualNoCase(key, "FREQUENCY") || EqualNoCase(key, "SYMBOL_RATE")) {
            bool frequency = EqualNoCase(key, "FREQUENCY");
            if (!ParseUnsigned(value, frequency ? tp->frequency : tp->symbolRate))
                return fail(number, std::string(key) + " " + Quoted(value) + " is not a number");
        } else if (EqualNoCase(key, "POLARIZATION")) {
            tp->pol = Dvbv5Polarisation(value);
        }
    }
    list.satellites.push_back(std::move(sat));
    return true;
}

}  // namespace velmora
