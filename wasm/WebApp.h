// What the page's entry points share: one WebApp per page, made by
// web_create and handed back with every call.
#pragma once

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "core/SatTpDatabase.h"
#include "exchange/TransponderList.h"
#include "session/Session.h"
#include "wasm/WebView.h"

namespace velmora::web {

using nlohmann::json;

// The page's folder in the browser's memory: tables, lists and images the
// user picked. What the core writes for the user (a saved table, a backup,
// an export, Flash1M.bin) goes to the outbox, and the page downloads it.
constexpr const char* kHome = "/home/web_user";
constexpr const char* kOutbox = "/home/web_user/downloads";

struct WebApp {
    WebView view;
    std::unique_ptr<Session> session;
    std::unique_ptr<SatTpDatabase> meter;  // the table Compare read, until taken or dropped
    SourceList importList;                 // the list the import dialog shows
    std::string reply;
};

// The reply's text, kept in the app until the next call.
const char* Reply(WebApp& app, const json& value);

}  // namespace velmora::web
