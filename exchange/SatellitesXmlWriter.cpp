#include "exchange/SatellitesXmlWriter.h"

#include <vector>

#include "core/AtomicFile.h"
#include "core/TextHelpers.h"

namespace velmora {

namespace {

// An attribute value: XML-escaped, control characters as blanks, U+FFFE and
// U+FFFF as U+FFFD, and bytes that are not UTF-8 read as Latin-1 (what older
// tables were typed in), so that the file always parses.
void AppendAttribute(std::string& out, const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = Utf8SequenceLength(std::string_view(text).substr(i));
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (n == 0) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
            ++i;
            continue;
        }
        if (n == 3 && text.compare(i, 2, "\xEF\xBF") == 0 &&
            static_cast<unsigned char>(text[i + 2]) >= 0xBE) {
            out += "\xEF\xBF\xBD";  // U+FFFE and U+FFFF are no XML characters
        } else if (n > 1) {
            out.append(text, i, n);
        } else if (c == '&') {
            out += "&amp;";
        } else if (c == '<') {
            out += "&lt;";
        } else if (c == '>') {
            out += "&gt;";
        } else if (c == '"') {
            out += "&quot;";
        } else if (c < 0x20 || c == 0x7F) {
            out += ' ';
        } else {
            out += static_cast<char>(c);
        }
        i += n;
    }
}

int SignedPosition(uint16_t position) {
    int p = position % 3600;
    return p > 1800 ? p - 3600 : p;
}

}  // namespace

std::string SatellitesXml(const SatTpDatabase& db) {
    int satCount = UsedSatellites(db);
    int tpCount = UsedTps(db);
    // Transponder indexes per satellite in table order, gathered in one pass.
    std::vector<std::vector<int>> bySatellite(static_cast<std::size_t>(satCount));
    for (int t = 0; t < tpCount; ++t) {
        if (db.tps[t].satIndex < satCount) bySatellite[db.tps[t].satIndex].push_back(t);
    }
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n";
    for (int s = 0; s < satCount; ++s) {
        if (bySatellite[s].empty()) continue;
        const SatRecord& sat = db.satellites[s];
        out += "\t<sat name=\"";
        AppendAttribute(out, FormatPosition(sat.position) + " " + SatName(sat));
        out += "\" flags=\"0\" position=\"" + std::to_string(SignedPosition(sat.position)) + "\">\n";
        for (int t : bySatellite[s]) {
            const TpRecord& tp = db.tps[t];
            out += "\t\t<transponder frequency=\"" + std::to_string(uint64_t{tp.frequency} * 1000) +
                   "\" symbol_rate=\"" + std::to_string(uint64_t{tp.symbolRate} * 1000) +
                   "\" polarization=\"" + ((tp.flags & TP_FLAG_VERTICAL) ? "1" : "0") +
                   "\" fec_inner=\"0\"/>\n";
        }
        out += "\t</sat>\n";
    }
    out += "</satellites>\n";
    return out;
}

bool WriteSatellitesXml(const SatTpDatabase& db, const std::string& path, std::string* whyNot) {
    std::string text = SatellitesXml(db);
    return WriteFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size(),
                               whyNot);
}

}  // namespace velmora
