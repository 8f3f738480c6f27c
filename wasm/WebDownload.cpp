// Lists from the web in the browser: the page's fetch, under the browser's
// cross-origin rules, in place of the desktop's libcurl.
#include <emscripten.h>

#include <cstdlib>

#include "exchange/ListDownload.h"

EM_ASYNC_JS(char*, web_fetch_list, (const char* url, int maxBytes), {
    const r = await Module.velmoraFetch(UTF8ToString(url), maxBytes);
    const bytes = r.bytes || new Uint8Array(0);
    const out = _malloc(bytes.length + 8);
    HEAPU32[out >> 2] = r.ok ? 1 : 0;
    HEAPU32[(out >> 2) + 1] = bytes.length;
    HEAPU8.set(bytes, out + 8);
    return out;
});

namespace velmora {

bool DownloadList(const std::string& url, const DownloadOptions& options, std::string& bytes,
                  std::string& whyNot) {
    bytes.clear();
    whyNot.clear();
    if (!IsListUrl(url)) {
        whyNot = "is not an http:// or https:// address";
        return false;
    }
    char* reply = web_fetch_list(url.c_str(), static_cast<int>(options.maxBytes));
    const auto* head = reinterpret_cast<const uint32_t*>(reply);
    const bool ok = head[0] != 0;
    std::string text(reply + 8, head[1]);
    free(reply);
    if (ok) bytes = std::move(text);
    else whyNot = std::move(text);
    return ok;
}

}  // namespace velmora
