#include "exchange/TransponderList.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "exchange/ListText.h"

namespace velmora {

using namespace listtext;

namespace {

// No public list comes near this; it keeps a wrong file from eating memory.
constexpr long kLargestList = 64L * 1024 * 1024;

std::string_view WithoutBom(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return bytes;
}

}  // namespace

const char* ListFormatName(ListFormat format) {
    switch (format) {
        case ListFormat::SatellitesXml: return "xml";
        case ListFormat::Ini: return "ini";
        case ListFormat::Dvbv5: return "dvbv5";
        case ListFormat::Auto: break;
    }
    return "auto";
}

bool ParseListFormat(std::string_view text, ListFormat& format) {
    for (ListFormat f : {ListFormat::SatellitesXml, ListFormat::Ini, ListFormat::Dvbv5}) {
        if (text == ListFormatName(f)) {
            format = f;
            return true;
        }
    }
    return false;
}

std::string ErrorText(const ListError& error) {
    std::string text = error.file;
    if (error.line > 0) text += ":" + std::to_string(error.line);
    return text + ": " + error.message;
}

std::size_t LeadingPositionText(std::string_view text, int& tenths) {
    std::size_t i = 0;
    int degrees = 0;
    while (i < text.size() && i < 3 && text[i] >= '0' && text[i] <= '9') degrees = degrees * 10 + (text[i++] - '0');
    if (i == 0) return 0;
    int tenth = 0;
    if (i < text.size() && text[i] == '.') {
        if (i + 1 >= text.size() || text[i + 1] < '0' || text[i + 1] > '9') return 0;
        tenth = text[i + 1] - '0';
        i += 2;
    }
    if (i >= text.size()) return 0;
    char hemisphere = Upper(text[i]);
    if (hemisphere != 'E' && hemisphere != 'W') return 0;
    ++i;
    if (i < text.size() && text[i] != ' ') return 0;
    int value = degrees * 10 + tenth;
    if (value > 1800) return 0;  // no orbit position is further than 180 degrees away
    tenths = hemisphere == 'W' && value != 0 ? 3600 - value : value;
    return i;
}

bool ParsePositionText(std::string_view text, int& tenths) {
    int value = 0;
    if (text.empty() || LeadingPositionText(text, value) != text.size()) return false;
    tenths = value;
    return true;
}

ListFormat DetectListFormat(std::string_view bytes) {
    bytes = WithoutBom(bytes);
    std::size_t first = bytes.find_first_not_of(" \t\r\n");
    if (first != std::string_view::npos && bytes[first] == '<') return ListFormat::SatellitesXml;
    LineReader lines(bytes);
    std::string_view line;
    bool inSection = false;
    while (lines.Next(line)) {
        line = Trim(line);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            std::string_view name = line.substr(1, line.find(']') - 1);
            if (EqualNoCase(name, "SATTYPE") || EqualNoCase(name, "DVB")) return ListFormat::Ini;
            inSection = true;
            continue;
        }
        std::string_view key = Trim(line.substr(0, line.find('=')));
        if (inSection && (EqualNoCase(key, "DELIVERY_SYSTEM") || EqualNoCase(key, "FREQUENCY")))
            return ListFormat::Dvbv5;
    }
    return ListFormat::Auto;
}

bool ParseTransponderList(std::string_view bytes, const std::string& fileName,
                          const ListReadOptions& options, SourceList& list, ListError& error) {
    list = SourceList{};
    error = ListError{fileName, 0, {}};
    bytes = WithoutBom(bytes);
    ListFormat format = options.format;
    if (format == ListFormat::Auto) format = DetectListFormat(bytes);
    bool ok = false;
    switch (format) {
        case ListFormat::SatellitesXml: ok = ParseSatellitesXml(bytes, fileName, list, error); break;
        case ListFormat::Ini: ok = ParseIniList(bytes, fileName, list, error); break;
        case ListFormat::Dvbv5:
            ok = ParseDvbv5List(bytes, fileName, options.position, list, error);
            break;
        case ListFormat::Auto:
            error.line = 1;
            error.message = "not a satellites.xml, .ini or dvbv5 transponder list";
            break;
    }
    if (!ok) {
        list = SourceList{};
        return false;
    }
    list.format = format;
    return true;
}

bool ReadTransponderList(const std::string& path, const ListReadOptions& options,
                         SourceList& list, ListError& error) {
    list = SourceList{};
    error = ListError{path, 0, {}};
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) {
        error.message = std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    std::string bytes;
    char buffer[65536];
    std::size_t n = 0;
    bool tooLarge = false;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        bytes.append(buffer, n);
        if (static_cast<long>(bytes.size()) > kLargestList) {
            tooLarge = true;
            break;
        }
    }
    bool readError = std::ferror(f) != 0;
    std::fclose(f);
    if (readError || tooLarge) {
        error.message = readError ? "cannot read the file" : "too large for a transponder list";
        return false;
    }
    return ParseTransponderList(bytes, path, options, list, error);
}

}  // namespace velmora
