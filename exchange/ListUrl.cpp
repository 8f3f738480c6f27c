// What a list URL means, whichever library downloads it: the test for a URL,
// the file name a dvbv5 list takes its position from, and a path or URL read
// through one reader.
#include <string_view>

#include "exchange/ListDownload.h"
#include "exchange/ListText.h"

namespace velmora {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           listtext::EqualNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

bool IsListUrl(std::string_view text) {
    return StartsWithNoCase(text, "http://") || StartsWithNoCase(text, "https://");
}

std::string UrlBaseName(const std::string& url) {
    std::string_view rest = url;
    rest = rest.substr(0, rest.find('#'));
    rest = rest.substr(0, rest.find('?'));
    std::size_t scheme = rest.find("://");
    if (scheme != std::string_view::npos) {
        rest.remove_prefix(scheme + 3);
        std::size_t path = rest.find('/');
        rest = path == std::string_view::npos ? std::string_view{} : rest.substr(path);
    }
    rest.remove_prefix(rest.rfind('/') == std::string_view::npos ? 0 : rest.rfind('/') + 1);
    std::string name;
    for (std::size_t i = 0; i < rest.size(); ++i) {
        if (rest[i] == '%' && i + 2 < rest.size() && HexDigit(rest[i + 1]) >= 0 &&
            HexDigit(rest[i + 2]) >= 0) {
            name += static_cast<char>(HexDigit(rest[i + 1]) * 16 + HexDigit(rest[i + 2]));
            i += 2;
        } else {
            name += rest[i];
        }
    }
    return name;
}

bool FetchTransponderList(const std::string& source, const ListReadOptions& options,
                          const DownloadOptions& download, SourceList& list, ListError& error) {
    if (!IsListUrl(source)) return ReadTransponderList(source, options, list, error);
    list = SourceList{};
    error = ListError{source, 0, {}};
    std::string bytes;
    if (!DownloadList(source, download, bytes, error.message)) {
        error.unreadable = true;
        return false;
    }
    // A dvbv5 list is named by the last part of the path, as a file by its name.
    bool ok = ParseTransponderList(bytes, UrlBaseName(source), options, list, error);
    error.file = source;
    return ok;
}

}  // namespace velmora
