// The page's import dialog and export: the list is read by the core, the
// preview and the merge are the session's, as in the window's dialog.
#include <emscripten.h>

#include <string>

#include "core/MessageText.h"
#include "core/SatTpDatabase.h"
#include "session/SessionImport.h"
#include "wasm/WebApp.h"

namespace velmora::web {

namespace {

// The dialog's choices: {"selected": [bool], "names": [text], "replace":
// bool, "ku"/"c"/"ka": LNB index or -1}.
MergeOptions ImportOptions(const WebApp& app, const char* input) {
    MergeOptions o;
    const json in = json::parse(input, nullptr, false);
    const std::size_t count = app.importList.satellites.size();
    o.selected.assign(count, true);
    o.names.assign(count, std::string());
    o.matchNearby = true;
    if (in.is_discarded() || !in.is_object()) return o;
    const json selected = in.value("selected", json::array());
    const json names = in.value("names", json::array());
    for (std::size_t i = 0; i < count; ++i) {
        if (i < selected.size() && selected[i].is_boolean()) o.selected[i] = selected[i].get<bool>();
        if (i < names.size() && names[i].is_string()) {
            const std::string name = names[i].get<std::string>();
            if (name != app.importList.satellites[i].name) o.names[i] = name;
        }
    }
    o.replace = in.value("replace", false);
    const auto lnb = [&](const char* key) {
        const int v = in.value(key, -1);
        return v >= 0 && v < LNB_COUNT ? v : -1;
    };
    o.kuLnb = lnb("ku");
    o.cBandLnb = lnb("c");
    o.kaBandLnb = lnb("ka");
    return o;
}

// What the merge would change, satellite by satellite: the page words it in
// its language as the window's import dialog does.
json ChangesJson(const std::vector<SatelliteChanges>& satellites) {
    json out = json::array();
    for (const SatelliteChanges& sat : satellites) {
        json changed = json::array();
        for (const TpChange& c : sat.changed) changed.push_back(json::array({c.before, c.after}));
        json matchedFrom = json::array();
        for (const std::string& from : sat.matchedFrom) matchedFrom.push_back(EscapeControls(from));
        out.push_back({{"satellite", FormatPosition(sat.position) + " " + EscapeControls(sat.name)},
                       {"isNew", sat.isNew},
                       {"added", sat.added},
                       {"removed", sat.removed},
                       {"changed", changed},
                       {"matchedFrom", matchedFrom}});
    }
    return out;
}

}  // namespace

}  // namespace velmora::web

using velmora::web::WebApp;
using namespace velmora;

extern "C" {

// Reads a list (a file the page stored, or an http(s) address through the
// page's fetch): its satellites for the dialog, or the error the window shows.
EMSCRIPTEN_KEEPALIVE const char* web_import_load(WebApp* app, const char* source) {
    app->importList = {};
    ListError error;
    if (!app->session->FetchList(source, app->importList, error))
        return web::Reply(*app, {{"error", ErrorText(error)}});
    web::json sats = web::json::array();
    for (const SourceSatellite& sat : app->importList.satellites) {
        sats.push_back({{"position", FormatPosition(static_cast<uint16_t>(sat.position))},
                        {"name", sat.name}, {"transponders", sat.tps.size()}});
    }
    web::json lnbs = web::json::array();
    const SatTpDatabase& db = app->session->Database();
    for (int i = 0; i < LNB_COUNT; ++i) lnbs.push_back(LnbValueText(db.lnbs[i]));
    return web::Reply(*app, {{"satellites", sats}, {"lnbs", lnbs}});
}

// The counts line and the changes the merge would make now.
EMSCRIPTEN_KEEPALIVE const char* web_import_preview(WebApp* app, const char* options) {
    const MergeChanges changes =
        app->session->PreviewImportChanges(app->importList, web::ImportOptions(*app, options));
    return web::Reply(*app, {{"summary", MergeSummary(changes.counts)},
                             {"changes", web::ChangesJson(changes.satellites)}});
}

EMSCRIPTEN_KEEPALIVE void web_import_apply(WebApp* app, const char* options) {
    app->session->ApplyImport(app->importList, web::ImportOptions(*app, options));
    app->importList = {};
}

// Export satellites.xml into the outbox: the sentence for the status line,
// or why nothing was written.
EMSCRIPTEN_KEEPALIVE const char* web_export(WebApp* app) {
    const std::string proposed = app->session->ExportProposedPath();
    const std::size_t slash = proposed.rfind('/');
    const std::string path = std::string(web::kOutbox) + "/" +
                             (slash == std::string::npos ? proposed : proposed.substr(slash + 1));
    std::string sentence;
    const bool ok = app->session->ExportSatellitesXml(path, &sentence);
    if (ok) app->session->SetStatus(sentence);
    return web::Reply(*app, {{"ok", ok}, {"text", sentence}});
}

}  // extern "C"
