#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

#include "exchange/ListDownload.h"
#include "tests/support/ListServer.h"
#include "tests/support/ScratchFolder.h"

namespace velmora {
namespace {

using testing::ListServer;
using testing::ScratchFolder;
using testing::Spit;

const char* const kXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<satellites>\n"
    "<sat name=\"19.2E Astra 1KR/1L/1M/1N\" flags=\"0\" position=\"192\">\n"
    "<transponder frequency=\"11494000\" symbol_rate=\"22000000\" polarization=\"0\"/>\n"
    "</sat>\n</satellites>\n";
const char* const kDvbv5 =
    "[CHANNEL]\n\tDELIVERY_SYSTEM = DVBS2\n\tFREQUENCY = 10992000\n"
    "\tPOLARIZATION = VERTICAL\n\tSYMBOL_RATE = 27500000\n";

class ListDownload : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        root = std::make_unique<ScratchFolder>();
        std::filesystem::create_directories(root->File("lists/dvb-s"));
        Spit(root->File("lists/satellites.xml"), kXml);
        Spit(root->File("lists/dvb-s/Hotbird-13.0E"), kDvbv5);
        Spit(root->File("lists/page.html"), "<!DOCTYPE html>\n<html><body>Moved</body></html>\n");
        server = std::make_unique<ListServer>(root->Path());
    }
    static void TearDownTestSuite() {
        server.reset();
        root.reset();
    }
    void SetUp() override { ASSERT_TRUE(server->Running()); }

    static std::unique_ptr<ScratchFolder> root;
    static std::unique_ptr<ListServer> server;
};

std::unique_ptr<ScratchFolder> ListDownload::root;
std::unique_ptr<ListServer> ListDownload::server;

TEST(ListUrl, SchemeAndBaseName) {
    struct Case {
        const char* url;
        bool isUrl;
        const char* base;
    } cases[] = {
        {.url = "https://example.org/dvb-s/Hotbird-13.0E", .isUrl = true, .base = "Hotbird-13.0E"},
        {.url = "HTTP://h/a/Astra-19.2E?raw=1#top", .isUrl = true, .base = "Astra-19.2E"},
        {.url = "http://h/Eutelsat%2016A-16.0E", .isUrl = true, .base = "Eutelsat 16A-16.0E"},
        {.url = "http://h/bad%zz%4", .isUrl = true, .base = "bad%zz%4"},
        {.url = "http://h?x=/y", .isUrl = true, .base = ""},
        {.url = "ftp://h/Astra-19.2E", .isUrl = false, .base = "Astra-19.2E"},
        {.url = "lists/http:/x", .isUrl = false, .base = "x"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsListUrl(c.url), c.isUrl) << c.url;
        EXPECT_EQ(UrlBaseName(c.url), c.base) << c.url;
    }
}

// Each way a download can go wrong ends with its own reason and no bytes;
// five redirects still arrive.
TEST_F(ListDownload, FailuresSayWhyAndKeepNothing) {
    struct Case {
        std::string url;
        std::string reason;  // empty: the download succeeds
        int stallTimeoutMs = 5000;
        std::size_t maxBytes = LIST_FILE_MAX_BYTES;
        int maxTimeMs = 300000;
    } cases[] = {
        {.url = "/redirect/5/lists/satellites.xml", .reason = ""},
        {.url = "/missing", .reason = "HTTP 404 Not Found"},
        {.url = "/stall", .reason = "no data for 50 ms", .stallTimeoutMs = 50},
        // Never silent for long, yet never done.
        {.url = "/drip", .reason = "the download took longer than 300 ms", .maxTimeMs = 300},
        {.url = "/cut", .reason = "the download ended early: 100 of 1000 bytes"},
        {.url = "/endless", .reason = "is larger than 1 MB", .maxBytes = 1u << 20},
        {.url = "/announced-huge", .reason = "is larger than 16 MB"},
        {.url = "/loop", .reason = "more than 5 redirects"},
        {.url = "/redirect/6/lists/satellites.xml", .reason = "more than 5 redirects"},
        {.url = "/to-file", .reason = "leads to an address that is not http or https"},
        {.url = "http://127.0.0.1:1/x", .reason = "cannot connect to the server"},
    };
    for (const Case& c : cases) {
        std::string url = IsListUrl(c.url) ? c.url : server->Url(c.url);
        DownloadOptions options;
        options.stallTimeoutMs = c.stallTimeoutMs;
        options.maxBytes = c.maxBytes;
        options.maxTimeMs = c.maxTimeMs;
        std::string bytes = "old", whyNot;
        bool ok = DownloadList(url, options, bytes, whyNot);
        EXPECT_EQ(ok, c.reason.empty()) << c.url << ": " << whyNot;
        if (c.reason.empty()) {
            EXPECT_EQ(bytes, kXml);
        } else {
            EXPECT_EQ(whyNot.substr(0, c.reason.size()), c.reason) << c.url;
            EXPECT_TRUE(bytes.empty()) << c.url;
        }
    }
}

// The progress callback keeps coming while the server is silent, and its
// false ends the transfer long before the stall limit.
TEST_F(ListDownload, ProgressIsCalledDuringSilenceAndCancels) {
    using Clock = std::chrono::steady_clock;
    Clock::time_point start = Clock::now();
    int calls = 0;
    DownloadOptions options;
    options.stallTimeoutMs = 20000;
    options.progress = [&](std::size_t received, std::size_t total) {
        EXPECT_EQ(received, 0u);
        EXPECT_EQ(total, 1000u);
        ++calls;
        return Clock::now() - start < std::chrono::milliseconds(300);
    };
    std::string bytes, whyNot;
    EXPECT_FALSE(DownloadList(server->Url("/stall"), options, bytes, whyNot));
    EXPECT_EQ(whyNot, "cancelled");
    EXPECT_GE(calls, 3);
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
}

// A URL's list is named by its URL in errors; a dvbv5 list takes name and
// position from the last part of the path, query and fragment left out.
TEST_F(ListDownload, FetchNamesTheUrlAndTakesThePositionFromThePath) {
    SourceList list;
    ListError error;
    std::string dvb = server->Url("/lists/dvb-s/Hotbird-13.0E?mirror=2#top");
    ASSERT_TRUE(FetchTransponderList(dvb, {}, {}, list, error)) << ErrorText(error);
    ASSERT_EQ(list.satellites.size(), 1u);
    EXPECT_EQ(list.satellites[0].name, "Hotbird");
    EXPECT_EQ(list.satellites[0].position, 130);

    struct Case {
        std::string path;
        std::string text;
    } cases[] = {
        {.path = "/missing", .text = ": HTTP 404 Not Found"},
        {.path = "/lists/page.html", .text = ":1: a web page, not a transponder list"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(FetchTransponderList(server->Url(c.path), {}, {}, list, error));
        EXPECT_EQ(ErrorText(error), server->Url(c.path) + c.text);
        EXPECT_TRUE(list.satellites.empty());
    }
}

TEST(ListDownloadTls, UntrustedCertificateIsRefused) {
    ScratchFolder root;
    ScratchFolder keys;
    Spit(root.File("satellites.xml"), kXml);
    ListServer server(root.Path(), keys.Path());
    ASSERT_TRUE(server.Running());
    std::string bytes, whyNot;
    EXPECT_FALSE(DownloadList(server.Url("/satellites.xml"), {}, bytes, whyNot));
    EXPECT_NE(whyNot.find("certificate"), std::string::npos) << whyNot;
    EXPECT_TRUE(bytes.empty());
}

}  // namespace
}  // namespace velmora
