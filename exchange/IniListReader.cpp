// The .ini transponder format: [SATTYPE] 1=position 2=name, [DVB] 0=count and
// n=freqMHz,pol,SR[,FEC,system,modulation]; one satellite per file.
#include <string>

#include "exchange/ListText.h"
#include "exchange/TransponderList.h"

namespace velmora {

using namespace listtext;

namespace {

enum class Section { None, SatType, Dvb, Other };

SourcePol IniPolarisation(std::string_view text) {
    text = Trim(text);
    if (text.empty()) return SourcePol::Missing;
    if (text.size() != 1) return SourcePol::Unknown;
    switch (Upper(text[0])) {
        case 'H': return SourcePol::H;
        case 'V': return SourcePol::V;
        case 'L': return SourcePol::L;
        case 'R': return SourcePol::R;
        default: return SourcePol::Unknown;
    }
}

// The first fields of a comma-separated value; only these are looked at, so a
// line of a million commas costs nothing.
struct Fields {
    static constexpr std::size_t kUsed = 3;
    std::string_view at[kUsed];
    std::size_t count = 0;
};

Fields FirstFields(std::string_view text) {
    Fields f;
    for (;;) {
        std::size_t comma = text.find(',');
        f.at[f.count++] = Trim(text.substr(0, comma));
        if (comma == std::string_view::npos || f.count == Fields::kUsed) return f;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace

bool ParseIniList(std::string_view bytes, const std::string& fileName, SourceList& list,
                  ListError& error) {
    error = ListError{fileName, 0, {}};
    auto fail = [&](int line, std::string message) {
        error.line = line;
        error.message = std::move(message);
        return false;
    };
    SourceSatellite sat;
    Section section = Section::None;
    bool sawSatType = false;
    std::string_view positionValue;
    int positionLine = 0;
    bool sawPosition = false;
    LineReader lines(bytes);
    std::string_view line;
    while (lines.Next(line)) {
        int number = lines.Number();
        line = Trim(line.substr(0, line.find(';')));
        if (line.empty()) continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            if (close == std::string_view::npos) return fail(number, "section header without ']'");
            std::string_view name = Trim(line.substr(1, close - 1));
            if (EqualNoCase(name, "SATTYPE")) {
                // Merging a second satellite's values into the first would
                // give neither the right name nor the right position.
                if (sawSatType)
                    return fail(number, "a second [SATTYPE] section: an .ini list holds one "
                                        "satellite");
                section = Section::SatType;
                sawSatType = true;
                sat.line = number;
            } else if (EqualNoCase(name, "DVB")) {
                section = Section::Dvb;
            } else {
                section = Section::Other;
            }
            continue;
        }
        std::size_t eq = line.find('=');
        std::string_view key = Trim(line.substr(0, eq));
        std::string_view value = eq == std::string_view::npos ? "" : Trim(line.substr(eq + 1));
        if (section == Section::SatType) {
            if (key == "1") {
                positionValue = value;
                positionLine = number;
                sawPosition = true;
            } else if (key == "2") {
                sat.name = std::string(value);
            }
        } else if (section == Section::Dvb) {
            uint64_t index = 0;
            if (eq == std::string_view::npos || !ParseUnsigned(key, index))
                return fail(number, "expected n=frequency,polarisation,symbol rate");
            if (index == 0) {
                uint64_t count = 0;
                if (!ParseUnsigned(value, count))
                    return fail(number, "count " + Quoted(value) + " is not a number");
                continue;
            }
            if (sat.tps.size() >= kMostListEntries)
                return fail(number, "more than " + std::to_string(kMostListEntries) +
                                        " transponders: far more than a transponder list holds");
            Fields fields = FirstFields(value);
            SourceTp tp;
            tp.line = number;
            if (!ParseThousandths(fields.at[0], tp.frequency))
                return fail(number,
                            "frequency " + Quoted(fields.at[0]) + " is not a number");
            if (fields.count > 1) tp.pol = IniPolarisation(fields.at[1]);
            if (fields.count > 2 && !fields.at[2].empty() &&
                !ParseThousandths(fields.at[2], tp.symbolRate))
                return fail(number,
                            "symbol rate " + Quoted(fields.at[2]) + " is not a number");
            sat.tps.push_back(tp);
        }
    }
    if (!sawSatType) return fail(0, "no [SATTYPE] section: not an .ini transponder list");
    // Some writers leave out the padding or write West without the
    // conversion; a position text at the start of the name is then the truth.
    int tenths = 0;
    uint64_t given = 0;
    if (LeadingPositionText(sat.name, tenths) > 0) {
        sat.position = tenths;
    } else if (sawPosition && ParseUnsigned(positionValue, given) && given <= 3600) {
        sat.position = static_cast<int>(given % 3600);
    } else {
        return fail(sawPosition ? positionLine : sat.line,
                    "[SATTYPE] 1= is not a position in tenths of a degree");
    }
    sat.givenPosition = sat.position;
    list.satellites.push_back(std::move(sat));
    return true;
}

}  // namespace velmora
