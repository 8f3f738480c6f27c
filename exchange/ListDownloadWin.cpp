// List downloads on Windows through WinHTTP, the system's own HTTP client:
// certificates are checked against Windows' store, TLS is whatever the
// system offers, and nothing beside the .exe is needed.
#include <windows.h>
#include <winhttp.h>

#include <algorithm>
#include <chrono>

#include "core/WideText.h"
#include "exchange/ListDownload.h"

namespace velmora {

namespace {

using Clock = std::chrono::steady_clock;

struct InternetHandle {
    HINTERNET h = nullptr;
    explicit InternetHandle(HINTERNET handle) : h(handle) {}
    ~InternetHandle() {
        if (h != nullptr) ::WinHttpCloseHandle(h);
    }
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
};

std::string DurationText(int ms) {
    if (ms % 1000 == 0) return std::to_string(ms / 1000) + " s";
    return std::to_string(ms) + " ms";
}

std::string FailureText(DWORD error, const DownloadOptions& options) {
    switch (error) {
        case ERROR_WINHTTP_SECURE_FAILURE:
        case ERROR_WINHTTP_SECURE_INVALID_CA:
        case ERROR_WINHTTP_SECURE_CERT_CN_INVALID:
        case ERROR_WINHTTP_SECURE_CERT_DATE_INVALID:
            return "the server's certificate is not trusted (" + WindowsErrorText(error) + ")";
        case ERROR_WINHTTP_REDIRECT_FAILED:
            return "more than " + std::to_string(options.maxRedirects) + " redirects";
        case ERROR_WINHTTP_NAME_NOT_RESOLVED:
            return "cannot find the server (" + WindowsErrorText(error) + ")";
        case ERROR_WINHTTP_CANNOT_CONNECT:
            return "cannot connect to the server (" + WindowsErrorText(error) + ")";
        case ERROR_WINHTTP_TIMEOUT: return "no data for " + DurationText(options.stallTimeoutMs);
        default: return "cannot be downloaded (" + WindowsErrorText(error) + ")";
    }
}

std::wstring QueryText(HINTERNET request, DWORD what) {
    DWORD bytes = 0;
    ::WinHttpQueryHeaders(request, what, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &bytes,
                          WINHTTP_NO_HEADER_INDEX);
    if (bytes == 0) return {};
    std::wstring text(bytes / sizeof(wchar_t), L'\0');
    if (!::WinHttpQueryHeaders(request, what, WINHTTP_HEADER_NAME_BY_INDEX, text.data(), &bytes,
                               WINHTTP_NO_HEADER_INDEX))
        return {};
    text.resize(bytes / sizeof(wchar_t));
    return text;
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
    auto failWith = [&](DWORD error) { return fail(FailureText(error, options)); };
    if (!IsListUrl(url)) return fail("is not an http:// or https:// address");
    const std::wstring wideUrl = WideFromUtf8(url);
    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof parts;
    parts.dwHostNameLength = parts.dwUrlPathLength = parts.dwExtraInfoLength = DWORD(-1);
    if (!::WinHttpCrackUrl(wideUrl.c_str(), 0, 0, &parts)) return failWith(::GetLastError());
    const std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
    std::wstring path(parts.lpszUrlPath, parts.dwUrlPathLength);
    path.append(parts.lpszExtraInfo, parts.dwExtraInfoLength);
    // The fragment is the reader's, never the server's.
    path = path.substr(0, path.find(L'#'));
    if (path.empty()) path = L"/";

    InternetHandle session(::WinHttpOpen(L"velmora", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY,
                                         WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0));
    if (session.h == nullptr) return failWith(::GetLastError());
    // A silent server ends the download after the stall limit.
    const int stall = std::max(1, options.stallTimeoutMs);
    ::WinHttpSetTimeouts(session.h, stall, stall, stall, stall);
    DWORD redirects = static_cast<DWORD>(std::max(0, options.maxRedirects));
    ::WinHttpSetOption(session.h, WINHTTP_OPTION_MAX_HTTP_AUTOMATIC_REDIRECTS, &redirects,
                       sizeof redirects);
    DWORD policy = options.maxRedirects > 0 ? WINHTTP_OPTION_REDIRECT_POLICY_ALWAYS
                                            : WINHTTP_OPTION_REDIRECT_POLICY_NEVER;
    ::WinHttpSetOption(session.h, WINHTTP_OPTION_REDIRECT_POLICY, &policy, sizeof policy);
    InternetHandle connection(::WinHttpConnect(session.h, host.c_str(), parts.nPort, 0));
    if (connection.h == nullptr) return failWith(::GetLastError());
    const DWORD secure = parts.nScheme == INTERNET_SCHEME_HTTPS ? WINHTTP_FLAG_SECURE : 0;
    InternetHandle request(::WinHttpOpenRequest(connection.h, L"GET", path.c_str(), nullptr,
                                                WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES,
                                                secure));
    if (request.h == nullptr) return failWith(::GetLastError());
    if (!::WinHttpSendRequest(request.h, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA,
                              0, 0, 0) ||
        !::WinHttpReceiveResponse(request.h, nullptr))
        return failWith(::GetLastError());

    DWORD status = 0;
    DWORD size = sizeof status;
    ::WinHttpQueryHeaders(request.h, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                          WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX);
    if (status >= 400) {
        const std::string reason = Utf8FromWide(QueryText(request.h, WINHTTP_QUERY_STATUS_TEXT));
        return fail("HTTP " + std::to_string(status) + (reason.empty() ? "" : " " + reason));
    }
    if (status >= 300) return fail("more than " + std::to_string(options.maxRedirects) + " redirects");
    std::size_t total = 0;
    const std::wstring length = QueryText(request.h, WINHTTP_QUERY_CONTENT_LENGTH);
    if (!length.empty()) total = static_cast<std::size_t>(std::wcstoull(length.c_str(), nullptr, 10));
    const std::string tooLarge = "is larger than " + SizeLimitText(options.maxBytes);
    if (total > options.maxBytes) return fail(tooLarge);
    if (total > 0) bytes.reserve(total);

    const Clock::time_point start = Clock::now();
    Clock::time_point lastProgress = start;
    char buffer[16384];
    for (;;) {
        DWORD got = 0;
        if (!::WinHttpReadData(request.h, buffer, sizeof buffer, &got))
            return failWith(::GetLastError());
        if (got == 0) break;
        if (got > options.maxBytes - bytes.size()) return fail(tooLarge);
        bytes.append(buffer, got);
        const Clock::time_point now = Clock::now();
        if (now - start >= std::chrono::milliseconds(options.maxTimeMs))
            return fail("the download took longer than " + DurationText(options.maxTimeMs));
        if (options.progress && now - lastProgress >= std::chrono::milliseconds(50)) {
            lastProgress = now;
            if (!options.progress(bytes.size(), total)) return fail("cancelled");
        }
    }
    if (total > 0 && bytes.size() < total)
        return fail("the download ended early: " + std::to_string(bytes.size()) + " of " +
                    std::to_string(total) + " bytes");
    return true;
}

}  // namespace velmora
