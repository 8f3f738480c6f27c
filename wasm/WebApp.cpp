// The page's entry points into the core: one WebApp per page, made by
// web_create and handed back with every call. Commands that wait for the
// meter or for the user are called through ccall's async mode and suspend
// through Asyncify; the page runs one at a time.
#include <emscripten.h>
#include <sys/stat.h>

#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "core/SatTpDatabase.h"
#include "core/TableCheck.h"
#include "core/TableCompare.h"
#include "session/Commands.h"
#include "session/Session.h"
#include "wasm/WebApp.h"
#include "wasm/WebPort.h"

namespace velmora::web {

namespace {


SessionOptions PageOptions() {
    SessionOptions options;
    options.historyFile = std::string(kHome) + "/orvanelog.txt";
    options.defaultDbFile = std::string(kHome) + "/sattp.csv";
    options.startFile = options.defaultDbFile;
    options.probePorts = [] { return std::vector<std::string>{"Web Serial"}; };
    options.meterPorts = [] { return std::vector<ProbeTarget>{}; };
    options.makePort = [] { return std::make_unique<WebPort>(); };
    options.devicesFolder = "/nonexistent";
    return options;
}

const char* StepName(WindowStep step) {
    switch (step) {
        case WindowStep::None: return "None";
        case WindowStep::FileImport: return "FileImport";
        case WindowStep::FileImportUrl: return "FileImportUrl";
        case WindowStep::FileCatalog: return "FileCatalog";
        case WindowStep::ExportDialog: return "ExportDialog";
        case WindowStep::CheckDialog: return "CheckDialog";
        case WindowStep::CompareDialog: return "CompareDialog";
        case WindowStep::UnitRecordsDialog: return "UnitRecordsDialog";
        case WindowStep::HelpContents: return "HelpContents";
        case WindowStep::AboutBox: return "AboutBox";
        case WindowStep::Exit: return "Exit";
        case WindowStep::FocusFind: return "FocusFind";
        case WindowStep::PressButton: return "PressButton";
        case WindowStep::ToggleVerify: return "ToggleVerify";
        case WindowStep::ToggleBackup: return "ToggleBackup";
        case WindowStep::RestoreDialog: return "RestoreDialog";
        case WindowStep::ToggleRecord: return "ToggleRecord";
    }
    return "None";
}

json Tables(WebApp& app) {
    const SatTpDatabase& db = app.session->Database();
    json sats = json::array();
    for (int i = 0; i < db.satCount && i < MAX_SATELLITES; ++i) sats.push_back(SatelliteLabel(db, i));
    json rows = json::array();
    if (app.view.ShowsLnbs()) {
        for (int i = 0; i < LNB_COUNT; ++i) rows.push_back({i + 1, LnbValueText(db.lnbs[i])});
    } else {
        for (int t : app.view.ListRows()) {
            const TpRecord& tp = db.tps[t];
            rows.push_back({t + 1, tp.satIndex < db.satCount ? SatValueText(db.satellites[tp.satIndex]) : "",
                            TpValueText(tp)});
        }
    }
    return {{"satellites", sats}, {"rows", rows}, {"lnbs", app.view.ShowsLnbs()},
            {"chosen", app.session->ChosenSatellite()}};
}

}  // namespace

const char* Reply(WebApp& app, const json& value) {
    app.reply = value.dump(-1, ' ', false, json::error_handler_t::replace);
    return app.reply.c_str();
}

}  // namespace velmora::web

using velmora::web::WebApp;
using namespace velmora;

extern "C" {

EMSCRIPTEN_KEEPALIVE WebApp* web_create() {
    // The runtime starts with every permission masked, which would leave
    // the tables and backups the core writes unreadable to the page.
    ::umask(022);
    auto* app = new WebApp;
    app->session = std::make_unique<Session>(app->view, web::PageOptions());
    app->view.SetTables(&app->session->Database());
    app->view.SetStopHandler([app] { app->session->Stop(); });
    // The page writes with verify and keeps a backup, which it downloads.
    TableWriteChecks& checks = app->session->State().writeChecks;
    checks.verifyAfterWrite = true;
    checks.backupBeforeWrite = true;
    checks.backupFolder = web::kOutbox;
    app->session->StartUp();
    return app;
}

// The command table: id, menu, text, keys, toolbar place, window step, the
// form button it mirrors, and whether it is enabled now.
EMSCRIPTEN_KEEPALIVE const char* web_commands(WebApp* app) {
    web::json rows = web::json::array();
    for (const Command& c : Commands()) {
        rows.push_back({{"id", static_cast<int>(c.id)}, {"menu", static_cast<int>(c.menu)},
                        {"text", c.text}, {"separator", c.separatorBefore}, {"keys", c.keys},
                        {"prompt", c.prompt}, {"toolbar", c.toolbarPlace},
                        {"step", web::StepName(c.step)},
                        {"button", web::ControlName(c.button)},
                        {"enabled", CommandAllowed(*app->session, c.id)},
                        {"live", c.liveText ? c.liveText(*app->session) : std::string()}});
    }
    web::json menus = web::json::array();
    for (Menu m : kMenuBar) menus.push_back({static_cast<int>(m), MenuTitle(m)});
    const TableWriteChecks& checks = app->session->State().writeChecks;
    return web::Reply(*app, {{"commands", rows}, {"menus", menus},
                             {"verify", checks.verifyAfterWrite}, {"backup", checks.backupBeforeWrite},
                             {"modified", app->session->Modified()}});
}

// Runs a command's session method; the page carries out window steps itself.
EMSCRIPTEN_KEEPALIVE int web_run(WebApp* app, int id) {
    const Command* c = FindCommand(static_cast<CommandId>(id));
    if (c == nullptr || !CommandAllowed(*app->session, c->id)) return 0;
    ::mkdir(web::kOutbox, 0755);
    if (c->run != nullptr) {
        c->run(*app->session);
        return 1;
    }
    TableWriteChecks& checks = app->session->State().writeChecks;
    if (c->step == WindowStep::ToggleVerify) checks.verifyAfterWrite = !checks.verifyAfterWrite;
    if (c->step == WindowStep::ToggleBackup) checks.backupBeforeWrite = !checks.backupBeforeWrite;
    return 1;
}

// The tree and the list, when they changed since the last call (else null).
EMSCRIPTEN_KEEPALIVE const char* web_tables(WebApp* app, int always) {
    if (!app->view.TakeTablesChanged() && always == 0) return "null";
    return web::Reply(*app, web::Tables(*app));
}

EMSCRIPTEN_KEEPALIVE void web_select_satellite(WebApp* app, int satIndex) {
    const SatTpDatabase& db = app->session->Database();
    if (satIndex < 0 || satIndex >= db.satCount)
        app->session->TreeSelectionChanged(true, {});
    else
        app->session->TreeSelectionChanged(false, SatelliteLabel(db, satIndex));
}

EMSCRIPTEN_KEEPALIVE void web_open_path(WebApp* app, const char* path) { app->session->OpenPath(path); }

// The edit dialogs' inputs, as the page's forms collected them.
EMSCRIPTEN_KEEPALIVE void web_edit(WebApp* app, const char* kind, const char* input) {
    const web::json in = web::json::parse(input, nullptr, false);
    if (in.is_discarded()) return;
    Session& s = *app->session;
    const std::string k = kind;
    if (k == "satAdd" || k == "satEdit") {
        SatAddInput sat{in.value("name", ""), in.value("longitude", ""), in.value("hemisphere", 0),
                        in.value("lnb", 0)};
        if (k == "satAdd") s.SatAdd(sat); else s.SatEdit(sat);
    } else if (k == "tpAdd" || k == "tpEdit") {
        TpInput tp{in.value("satellite", 0), in.value("lnb", 0), in.value("frequency", ""),
                   in.value("symbolRate", ""), in.value("polarisation", 0), in.value("unique", 0)};
        if (k == "tpAdd") s.TpAdd(tp); else s.TpEdit(tp);
    } else if (k == "lnbEdit") {
        s.LnbEdit({in.value("type", 0), in.value("power", 0), in.value("dish", 0), in.value("sw", 0),
                   in.value("input", 0), in.value("tone", 0)});
    } else if (k == "tpSort") {
        s.TpSort({in.value("firstSatellite", 0), in.value("direction", 0), in.value("key1", 0),
                  in.value("key2", 1)});
    } else if (k == "tpDelete") {
        s.TpDelete();
    } else if (k == "satDelete") {
        s.SatDelete();
    }
}

// Whether a transponder can be added now; false after the session said why.
EMSCRIPTEN_KEEPALIVE int web_ready_to_add_tp(WebApp* app) { return app->session->ReadyToAddTp() ? 1 : 0; }

// Check: the findings' lines.
EMSCRIPTEN_KEEPALIVE const char* web_check(WebApp* app) {
    web::json lines = web::json::array();
    for (const TableFinding& f : CheckTable(app->session->Database())) lines.push_back(f.text);
    return web::Reply(*app, lines);
}

// Compare with meter: reads the meter's table and lists what a write would
// change; null when the read did not complete (the session has told why).
EMSCRIPTEN_KEEPALIVE const char* web_compare(WebApp* app) {
    MeterComparison c = app->session->CompareWithMeter();
    if (c.result != OpResult::Completed || !c.meter) return "null";
    app->meter = std::move(c.meter);
    web::json lines = web::json::array();
    for (const TableDifference& d : c.comparison.differences) lines.push_back(DifferenceLine(d));
    return web::Reply(*app, {{"lines", lines}, {"count", DifferenceCountText(c.comparison.differences.size())},
                             {"counts", c.comparison.CountsByChange()},  // the page words them
                             {"order", c.comparison.orderDiffers ? ORDER_DIFFERS_TEXT : ""}});
}

// A PATCH UP tick changed: the session reads the four ticks back.
EMSCRIPTEN_KEEPALIVE void web_patch_ticks_changed(WebApp* app) { app->session->PatchCheckBoxesClicked(); }

// Restore a backup: the page's backups are downloads, so the user picks one.
EMSCRIPTEN_KEEPALIVE void web_restore_backup(WebApp* app, const char* path) {
    app->session->RestoreBackup(path);
}

EMSCRIPTEN_KEEPALIVE void web_take_meter_table(WebApp* app) {
    if (app->meter) app->session->TakeMeterTable(*app->meter);
    app->meter.reset();
}

}  // extern "C"
