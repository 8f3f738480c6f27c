#include "exchange/TransponderList.h"

#include "core/InputFile.h"
#include "core/MessageText.h"
#include "exchange/ListDownload.h"
#include "exchange/ListText.h"

namespace velmora {

using namespace listtext;

namespace {

std::string_view WithoutBom(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    return bytes;
}

// The first character after the byte-order mark and blanks is '<'.
bool Utf16Xml(std::string_view bytes, Utf16 order) {
    for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
        char high = bytes[order == Utf16::BigEndian ? i : i + 1];
        char low = bytes[order == Utf16::BigEndian ? i + 1 : i];
        if (high != 0) return false;
        if (low == ' ' || low == '\t' || low == '\r' || low == '\n') continue;
        return low == '<';
    }
    return false;
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
    // A file that could not be opened reads as every other input file does.
    if (error.unreadable && error.line == 0 && !IsListUrl(error.file))
        return UnreadableFileText(error.file, error.message);
    std::string text = error.file;
    if (error.line > 0) text += ":" + std::to_string(error.line);
    // A file's reason reads on after its name ("is a folder"); a download's
    // after a colon, as a URL ends in no word a reason could follow.
    text += error.unreadable && !IsListUrl(error.file) ? " " : ": ";
    // Names and values come from the file: nothing in them may act on a terminal.
    return EscapeControls(text + error.message);
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
    if (Utf16 order = Utf16Mark(bytes); order != Utf16::No)
        return Utf16Xml(bytes, order) ? ListFormat::SatellitesXml : ListFormat::Auto;
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

namespace {

// An HTML page: what a server sends for a list's address that has moved, a
// login or an error. It begins "<!DOCTYPE html" or "<html" in any case.
bool LooksLikeWebPage(std::string_view bytes) {
    std::size_t first = bytes.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return false;
    bytes.remove_prefix(first);
    auto startsWith = [&](std::string_view prefix) {
        return bytes.size() >= prefix.size() && EqualNoCase(bytes.substr(0, prefix.size()), prefix);
    };
    return startsWith("<!doctype html") || startsWith("<html");
}

// owned, when given, holds the bytes and may be used up by the parser.
bool ParseList(std::string_view bytes, std::string* owned, const std::string& fileName,
               const ListReadOptions& options, SourceList& list, ListError& error) {
    list = SourceList{};
    error = ListError{fileName, 0, {}};
    bytes = WithoutBom(bytes);
    ListFormat format = options.format;
    if (format == ListFormat::Auto) format = DetectListFormat(bytes);
    bool utf16 = Utf16Mark(bytes) != Utf16::No;
    if (utf16 && (format == ListFormat::Ini || format == ListFormat::Dvbv5)) {
        error.message = "UTF-16 text: .ini and dvbv5 lists are read as UTF-8 only";
        return false;
    }
    if (options.position >= 0 && format != ListFormat::Dvbv5 && format != ListFormat::Auto) {
        error.message = std::string(format == ListFormat::Ini ? "an .ini" : "a satellites.xml") +
                        " list carries its own positions; a position can be given only for a "
                        "dvbv5 list";
        return false;
    }
    if (format == ListFormat::SatellitesXml && LooksLikeWebPage(bytes)) {
        error.line = 1;
        error.message = "a web page, not a transponder list";
        return false;
    }
    bool ok = false;
    switch (format) {
        case ListFormat::SatellitesXml:
            if (owned != nullptr) {
                owned->erase(0, owned->size() - bytes.size());  // the UTF-8 mark
                ok = ParseSatellitesXmlBuffer(*owned, fileName, list, error);
            } else {
                ok = ParseSatellitesXml(bytes, fileName, list, error);
            }
            break;
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

}  // namespace

bool ParseTransponderList(std::string_view bytes, const std::string& fileName,
                          const ListReadOptions& options, SourceList& list, ListError& error) {
    return ParseList(bytes, nullptr, fileName, options, list, error);
}

bool ReadTransponderList(const std::string& path, const ListReadOptions& options,
                         SourceList& list, ListError& error) {
    list = SourceList{};
    error = ListError{path, 0, {}};
    std::string bytes;
    if (!ReadInputFile(path, LIST_FILE_MAX_BYTES, bytes, error.message)) {
        error.unreadable = true;
        return false;
    }
    return ParseList(bytes, &bytes, path, options, list, error);
}

}  // namespace velmora
