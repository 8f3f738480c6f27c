// The download itself, over libcurl. Windows downloads through WinHTTP
// (ListDownloadWin.cpp) and the page in the browser through fetch (wasm/)
// instead of this file.
#include "exchange/ListDownload.h"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <memory>

#include "exchange/ListText.h"

namespace velmora {

namespace {

using Clock = std::chrono::steady_clock;

// libcurl wants one global set-up before any handle; a function-local static
// makes it once and thread-safe.
bool CurlReady() {
    static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return ready;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           listtext::EqualNoCase(text.substr(0, prefix.size()), prefix);
}

// What the callbacks collect while libcurl runs the transfer.
struct Transfer {
    CURL* easy = nullptr;
    std::string* bytes = nullptr;
    std::size_t maxBytes = 0;
    bool tooLarge = false;
    std::string statusLine;  // the last response's, without its line end
    Clock::time_point lastData;
};

std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    std::string_view line(data, size * count);
    t->lastData = Clock::now();
    // Every response of a redirect chain starts with its status line.
    if (StartsWithNoCase(line, "HTTP/")) {
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
        t->statusLine = line;
    }
    return size * count;
}

std::size_t OnData(char* data, std::size_t size, std::size_t count, void* user) {
    auto* t = static_cast<Transfer*>(user);
    std::size_t n = size * count;
    t->lastData = Clock::now();
    curl_off_t announced = -1;
    curl_easy_getinfo(t->easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &announced);
    if (n > t->maxBytes - t->bytes->size() ||
        (announced > 0 && static_cast<std::size_t>(announced) > t->maxBytes)) {
        t->tooLarge = true;
        return 0;  // ends the transfer with CURLE_WRITE_ERROR
    }
    std::string& bytes = *t->bytes;
    // Room for the announced size at once; otherwise doubling, and past half
    // the limit straight to the limit, so an endless body takes the limit and
    // half of it at most. (A string asked for less than twice its capacity
    // doubles anyway, which would overshoot the limit.)
    if (bytes.empty() && announced > 0) bytes.reserve(static_cast<std::size_t>(announced));
    if (bytes.capacity() - bytes.size() < n) {
        std::size_t room = std::max(2 * bytes.capacity(), bytes.size() + n);
        bytes.reserve(room > t->maxBytes / 2 ? t->maxBytes : room);
    }
    bytes.append(data, n);
    return n;
}

// "HTTP 404 Not Found" from "HTTP/1.1 404 Not Found"; HTTP/2 sends no reason.
std::string HttpStatusText(const Transfer& t, long code) {
    std::string_view line = t.statusLine;
    std::size_t space = line.find(' ');
    if (space != std::string_view::npos) {
        std::string_view rest = line.substr(space + 1);
        if (rest.size() > 4 && rest[3] == ' ') return "HTTP " + std::string(rest);
    }
    return "HTTP " + std::to_string(code);
}

std::string DurationText(int ms) {
    if (ms % 1000 == 0) return std::to_string(ms / 1000) + " s";
    return std::to_string(ms) + " ms";
}

std::string FailureText(CURLcode code, const Transfer& t, const DownloadOptions& options,
                        const char* detail) {
    std::string why = detail[0] != '\0' ? detail : curl_easy_strerror(code);
    switch (code) {
        case CURLE_PEER_FAILED_VERIFICATION:
        case CURLE_SSL_CACERT_BADFILE:
        case CURLE_SSL_ISSUER_ERROR:
            return "the server's certificate is not trusted (" + why + ")";
        case CURLE_FILESIZE_EXCEEDED:
            return "is larger than " + SizeLimitText(options.maxBytes);
        case CURLE_WRITE_ERROR:
            if (t.tooLarge) return "is larger than " + SizeLimitText(options.maxBytes);
            break;
        case CURLE_HTTP_RETURNED_ERROR: {
            long status = 0;
            curl_easy_getinfo(t.easy, CURLINFO_RESPONSE_CODE, &status);
            return HttpStatusText(t, status);
        }
        case CURLE_PARTIAL_FILE: {
            curl_off_t got = 0, total = 0;
            curl_easy_getinfo(t.easy, CURLINFO_SIZE_DOWNLOAD_T, &got);
            curl_easy_getinfo(t.easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
            if (total > 0)
                return "the download ended early: " + std::to_string(got) + " of " +
                       std::to_string(total) + " bytes";
            return "the download ended early (" + why + ")";
        }
        case CURLE_TOO_MANY_REDIRECTS:
            return "more than " + std::to_string(options.maxRedirects) + " redirects";
        case CURLE_UNSUPPORTED_PROTOCOL:
            // Only a redirect can get here: the caller's URL was checked.
            return "leads to an address that is not http or https (" + why + ")";
        case CURLE_COULDNT_RESOLVE_HOST: return "cannot find the server (" + why + ")";
        case CURLE_COULDNT_CONNECT: return "cannot connect to the server (" + why + ")";
        default: break;
    }
    return "cannot be downloaded (" + why + ")";
}

struct EasyDeleter {
    void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};
struct MultiDeleter {
    void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};

void SetOptions(CURL* easy, const std::string& url, const DownloadOptions& options, Transfer& t,
                char* errorText) {
    curl_easy_setopt(easy, CURLOPT_URL, url.c_str());
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorText);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    // Only the web: a redirect must not lead to file:// or anything else.
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    // libcurl takes -1 as no limit at all.
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, static_cast<long>(std::max(0, options.maxRedirects)));
    curl_easy_setopt(easy, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(easy, CURLOPT_ACCEPT_ENCODING, "");  // whatever libcurl can decode
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(options.maxBytes));
    curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, OnHeader);
    curl_easy_setopt(easy, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, OnData);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(easy, CURLOPT_USERAGENT, "velmora");
}

}  // namespace

bool DownloadList(const std::string& url, const DownloadOptions& options, std::string& bytes,
                  std::string& whyNot) {
    bytes.clear();
    whyNot.clear();
    auto fail = [&](std::string reason) {
        bytes.clear();
        bytes.shrink_to_fit();
        whyNot = std::move(reason);
        return false;
    };
    if (!IsListUrl(url)) return fail("is not an http:// or https:// address");
    if (!CurlReady()) return fail("cannot be downloaded: the download library did not start");
    std::unique_ptr<CURL, EasyDeleter> easy(curl_easy_init());
    std::unique_ptr<CURLM, MultiDeleter> multi(curl_multi_init());
    if (!easy || !multi) return fail("cannot be downloaded: out of memory");
    char errorText[CURL_ERROR_SIZE] = {};
    Transfer t{easy.get(), &bytes, options.maxBytes, false, {}, Clock::now()};
    SetOptions(easy.get(), url, options, t, errorText);
    curl_multi_add_handle(multi.get(), easy.get());

    const Clock::time_point start = Clock::now();
    Clock::time_point lastProgress = start;
    std::string reason;
    CURLcode result = CURLE_OK;
    for (;;) {
        int running = 0;
        CURLMcode m = curl_multi_perform(multi.get(), &running);
        if (m != CURLM_OK) {
            reason = std::string("cannot be downloaded (") + curl_multi_strerror(m) + ")";
            break;
        }
        if (running == 0) {
            int left = 0;
            CURLMsg* msg = curl_multi_info_read(multi.get(), &left);
            result = msg != nullptr && msg->msg == CURLMSG_DONE ? msg->data.result : CURLE_OK;
            if (result != CURLE_OK) reason = FailureText(result, t, options, errorText);
            break;
        }
        Clock::time_point now = Clock::now();
        if (now - t.lastData >= std::chrono::milliseconds(options.stallTimeoutMs)) {
            reason = "no data for " + DurationText(options.stallTimeoutMs);
            break;
        }
        if (now - start >= std::chrono::milliseconds(options.maxTimeMs)) {
            reason = "the download took longer than " + DurationText(options.maxTimeMs);
            break;
        }
        if (options.progress && now - lastProgress >= std::chrono::milliseconds(50)) {
            lastProgress = now;
            curl_off_t total = 0;
            curl_easy_getinfo(easy.get(), CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &total);
            if (!options.progress(bytes.size(), total > 0 ? static_cast<std::size_t>(total) : 0)) {
                reason = "cancelled";
                break;
            }
        }
        curl_multi_poll(multi.get(), nullptr, 0, 50, nullptr);
    }
    curl_multi_remove_handle(multi.get(), easy.get());
    if (!reason.empty()) return fail(reason);
    return true;
}

}  // namespace velmora
