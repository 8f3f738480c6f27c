// Enigma2 satellites.xml: <satellites><sat name position><transponder .../>.
#include <pugixml.hpp>

#include <algorithm>
#include <cstdlib>

#include "exchange/ListText.h"
#include "exchange/TransponderList.h"

namespace velmora {

using namespace listtext;

namespace {

// Line numbers of byte offsets that mostly grow, counted incrementally so a
// large file is scanned once.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) : text_(text) {}
    int LineAt(std::ptrdiff_t offset) {
        if (offset < 0) return 0;
        std::size_t to = std::min(static_cast<std::size_t>(offset), text_.size());
        if (to < at_) {
            at_ = 0;
            line_ = 1;
        }
        for (; at_ < to; ++at_)
            if (text_[at_] == '\n') ++line_;
        return line_;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
};

bool SignedNumber(std::string_view text, long long& value) {
    text = Trim(text);
    bool negative = !text.empty() && text.front() == '-';
    if (negative || (!text.empty() && text.front() == '+')) text.remove_prefix(1);
    uint64_t magnitude = 0;
    if (!ParseUnsigned(text, magnitude) || magnitude > 1000000) return false;
    value = negative ? -static_cast<long long>(magnitude) : static_cast<long long>(magnitude);
    return true;
}

// Two tenths either way, across 0 as well.
bool WithinTwoTenths(int a, int b) {
    int d = std::abs(a - b);
    return std::min(d, 3600 - d) <= 2;
}

SourcePol XmlPolarisation(const pugi::xml_attribute& a) {
    if (!a) return SourcePol::Missing;
    std::string_view v = Trim(a.value());
    if (v == "0") return SourcePol::H;
    if (v == "1") return SourcePol::V;
    if (v == "2") return SourcePol::L;
    if (v == "3") return SourcePol::R;
    return SourcePol::Unknown;
}

}  // namespace

bool ParseSatellitesXml(std::string_view bytes, const std::string& fileName, SourceList& list,
                        ListError& error) {
    error = ListError{fileName, 0, {}};
    LineCounter lines(bytes);
    pugi::xml_document doc;
    pugi::xml_parse_result parsed =
        doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_auto);
    if (!parsed) {
        // An error at the very end belongs to the last line, not the one after.
        std::ptrdiff_t at = parsed.offset;
        if (!bytes.empty() && at >= static_cast<std::ptrdiff_t>(bytes.size())) at = bytes.size() - 1;
        error.line = lines.LineAt(at);
        error.message = std::string("not well-formed XML: ") + parsed.description();
        return false;
    }
    pugi::xml_node root = doc.child("satellites");
    if (!root) {
        error.line = lines.LineAt(doc.document_element().offset_debug());
        error.message = "no <satellites> element";
        return false;
    }
    for (pugi::xml_node satNode : root.children("sat")) {
        SourceSatellite sat;
        sat.line = lines.LineAt(satNode.offset_debug());
        sat.name = satNode.attribute("name").value();
        pugi::xml_attribute positionAttr = satNode.attribute("position");
        long long position = 0;
        if (!positionAttr || !SignedNumber(positionAttr.value(), position) || position < -1800 ||
            position > 3600) {
            error.line = sat.line;
            error.message = positionAttr ? std::string("position \"") + positionAttr.value() +
                                               "\" is not a position in tenths of a degree"
                                         : "<sat> without a position";
            return false;
        }
        sat.givenPosition = static_cast<int>((position + 3600) % 3600);
        sat.position = sat.givenPosition;
        // C-, Ka- and S-band entries sit a tenth or two off the orbit so that
        // they do not collide with the Ku entry; the name tells the orbit.
        int named = 0;
        if (LeadingPositionText(sat.name, named) > 0 && WithinTwoTenths(named, sat.position))
            sat.position = named;
        for (pugi::xml_node tpNode : satNode.children("transponder")) {
            SourceTp tp;
            tp.line = lines.LineAt(tpNode.offset_debug());
            struct {
                const char* attribute;
                uint64_t* value;
            } numbers[] = {{"frequency", &tp.frequency}, {"symbol_rate", &tp.symbolRate}};
            for (auto& n : numbers) {
                pugi::xml_attribute a = tpNode.attribute(n.attribute);
                if (a && !ParseUnsigned(Trim(a.value()), *n.value)) {
                    error.line = tp.line;
                    error.message = std::string(n.attribute) + " \"" + a.value() + "\" is not a number";
                    return false;
                }
            }
            tp.pol = XmlPolarisation(tpNode.attribute("polarization"));
            sat.tps.push_back(tp);
        }
        list.satellites.push_back(std::move(sat));
    }
    return true;
}

}  // namespace velmora
