// Transponder lists from the web: an http:// or https:// URL is taken wherever
// a list file is. The transfer runs on the calling thread, so the caller's
// progress callback can pump a window's events or watch a stop flag.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "core/InputFile.h"
#include "exchange/TransponderList.h"

namespace velmora {

// True for text starting with http:// or https:// (scheme in any case).
bool IsListUrl(std::string_view text);

// The last part of the URL's path, percent-decoded, without query or fragment:
// the "file name" a dvbv5 list takes its position from.
std::string UrlBaseName(const std::string& url);

struct DownloadOptions {
    // No byte for this long ends the download.
    int stallTimeoutMs = 30000;
    // However the bytes come, the download ends after this long: a server
    // that drips a byte now and then is never silent long enough.
    int maxTimeMs = 300000;
    std::size_t maxBytes = LIST_FILE_MAX_BYTES;
    int maxRedirects = 5;
    // Called on the calling thread at least every 100 ms with the bytes
    // received and the total (0 while unknown); false cancels.
    std::function<bool(std::size_t received, std::size_t total)> progress;
};

// Downloads url into bytes; on false whyNot reads on after the URL
// ("HTTP 404 Not Found", "cancelled", ...) and bytes is empty. Certificates
// are always checked against the system's store.
bool DownloadList(const std::string& url, const DownloadOptions& options, std::string& bytes,
                  std::string& whyNot);

// A file path or a URL: reads or downloads, then parses as ReadTransponderList
// does. A failed download is a ListError with unreadable = true whose message
// reads on after the URL, like an unreadable file's.
bool FetchTransponderList(const std::string& source, const ListReadOptions& options,
                          const DownloadOptions& download, SourceList& list, ListError& error);

}  // namespace velmora
