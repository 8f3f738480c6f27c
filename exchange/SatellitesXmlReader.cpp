// Enigma2 satellites.xml: <satellites><sat name position><transponder .../>.
#include <pugixml.hpp>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "core/TextHelpers.h"
#include "exchange/ListText.h"
#include "exchange/TransponderList.h"

namespace velmora {

using namespace listtext;

namespace {

// Line numbers of byte offsets into the text as it was before the parser,
// which works in the buffer itself, overwrote some of its line ends: one bit
// per byte marks a line end, with a running count every 64 bytes.
class LineIndex {
public:
    explicit LineIndex(std::string_view text)
        : ends_(text.size() / 64 + 1, 0), before_(text.size() / 64 + 1, 0) {
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\n') ends_[i / 64] |= uint64_t{1} << (i % 64);
        for (std::size_t w = 1; w < ends_.size(); ++w)
            before_[w] = before_[w - 1] + static_cast<uint32_t>(std::popcount(ends_[w - 1]));
        size_ = text.size();
    }
    int LineAt(std::ptrdiff_t offset) const {
        if (offset < 0) return 0;
        std::size_t at = std::min(static_cast<std::size_t>(offset), size_);
        uint64_t below = (uint64_t{1} << (at % 64)) - 1;
        return 1 + static_cast<int>(before_[at / 64] + std::popcount(ends_[at / 64] & below));
    }

private:
    std::vector<uint64_t> ends_;
    std::vector<uint32_t> before_;
    std::size_t size_ = 0;
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

// A satellites.xml needs a handful of attributes per element and a table's
// 8000 transponders some 64,000; this many leaves room for any writer.
constexpr std::size_t kMostAttributes = 2 * kMostListEntries;

// Names are kept to this many bytes: far more than any satellite's name, and
// thousands of <sat> elements of huge names cannot fill the memory.
constexpr std::size_t kLongestName = 255;

std::string KeptName(std::string_view name) {
    if (name.size() <= kLongestName) return std::string(name);
    return std::string(name.substr(0, Utf8CutBefore(name, kLongestName)));
}

// UTF-16 after its byte-order mark as UTF-8, so that line numbers count in
// the text the parser reads; an unpaired surrogate becomes U+FFFD.
std::string Utf8FromUtf16(std::string_view bytes, Utf16 order) {
    auto unit = [&](std::size_t i) {
        unsigned char a = static_cast<unsigned char>(bytes[i]);
        unsigned char b = static_cast<unsigned char>(bytes[i + 1]);
        return order == Utf16::BigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        uint32_t c = static_cast<uint32_t>(unit(i));
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (static_cast<uint32_t>(unit(i + 2)) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// The parser keeps tens of bytes per element and attribute, many times what
// "<a/>" takes in the file; counting '<' and '=' bounds both before parsing.
bool WithinEntryLimits(std::string_view bytes, ListError& error) {
    std::size_t tags = 0;
    std::size_t equals = 0;
    for (char c : bytes) {
        tags += c == '<';
        equals += c == '=';
    }
    if (tags <= kMostListEntries && equals <= kMostAttributes) return true;
    error.message = tags > kMostListEntries
                        ? "more than " + std::to_string(kMostListEntries) +
                              " elements: far more than a transponder list holds"
                        : "more than " + std::to_string(kMostAttributes) +
                              " attributes: far more than a transponder list holds";
    return false;
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

// Parses the text in buffer, which the parser overwrites; converted: the
// text was UTF-16 and is UTF-8 now, whatever its declaration says.
bool ParseXmlBuffer(std::string& buffer, bool converted, SourceList& list, ListError& error) {
    std::string_view bytes = buffer;
    if (!WithinEntryLimits(bytes, error)) return false;
    const LineIndex lines(bytes);
    pugi::xml_document doc;
    // Neither comments nor the declaration are kept; text between elements is
    // not used either, only checked for being well-formed.
    constexpr unsigned kOptions =
        pugi::parse_escapes | pugi::parse_wconv_attribute | pugi::parse_eol;
    pugi::xml_parse_result parsed =
        doc.load_buffer_inplace(buffer.data(), buffer.size(), kOptions,
                                converted ? pugi::encoding_utf8 : pugi::encoding_auto);
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
    // Sized once: growing by doubling would hold two lists at a time.
    auto count = [](auto range) {
        return static_cast<std::size_t>(std::distance(range.begin(), range.end()));
    };
    list.satellites.reserve(count(root.children("sat")));
    for (pugi::xml_node satNode : root.children("sat")) {
        SourceSatellite sat;
        sat.tps.reserve(count(satNode.children("transponder")));
        sat.line = lines.LineAt(satNode.offset_debug());
        sat.name = KeptName(satNode.attribute("name").value());
        pugi::xml_attribute positionAttr = satNode.attribute("position");
        long long position = 0;
        if (!positionAttr || !SignedNumber(positionAttr.value(), position) || position < -1800 ||
            position > 3600) {
            error.line = sat.line;
            error.message = positionAttr ? "position " + Quoted(positionAttr.value()) +
                                               " is not a position in tenths of a degree"
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
                    error.message =
                        std::string(n.attribute) + " " + Quoted(a.value()) + " is not a number";
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

}  // namespace

bool ParseSatellitesXml(std::string_view bytes, const std::string& fileName, SourceList& list,
                        ListError& error) {
    std::string buffer(bytes);
    return ParseSatellitesXmlBuffer(buffer, fileName, list, error);
}

bool ParseSatellitesXmlBuffer(std::string& bytes, const std::string& fileName, SourceList& list,
                              ListError& error) {
    error = ListError{fileName, 0, {}};
    Utf16 order = Utf16Mark(bytes);
    if (order == Utf16::No) return ParseXmlBuffer(bytes, false, list, error);
    std::string converted = Utf8FromUtf16(bytes, order);
    std::string().swap(bytes);
    return ParseXmlBuffer(converted, true, list, error);
}

}  // namespace velmora
