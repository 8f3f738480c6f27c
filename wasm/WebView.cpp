#include "wasm/WebView.h"

#include <emscripten.h>

#include <algorithm>
#include <cstdlib>

#include "core/SatTpDatabase.h"

EM_JS(void, web_view_text, (const char* control, const char* text), {
    Module.velmoraView.setText(UTF8ToString(control), UTF8ToString(text));
});
EM_JS(void, web_view_number, (const char* what, const char* control, int value), {
    Module.velmoraView.setNumber(UTF8ToString(what), UTF8ToString(control), value);
});
EM_JS(int, web_view_get_check, (const char* control), {
    return Module.velmoraView.getCheck(UTF8ToString(control)) ? 1 : 0;
});
EM_JS(char*, web_view_selected_rows, (), {
    return allocateUTF8(JSON.stringify(Module.velmoraView.selectedRows()));
});
EM_JS(void, web_view_message, (const char* text, int success), {
    Module.velmoraView.message(UTF8ToString(text), success != 0);
});
EM_ASYNC_JS(int, web_view_ask, (const char* question, int withCancel), {
    return await Module.velmoraView.ask(UTF8ToString(question), withCancel != 0);
});
EM_ASYNC_JS(int, web_view_offer_write_back, (const char* message), {
    return await Module.velmoraView.offerWriteBack(UTF8ToString(message)) ? 1 : 0;
});
EM_ASYNC_JS(char*, web_view_open_file, (const char* title, const char* filter), {
    const path = await Module.velmoraView.openFile(UTF8ToString(title), UTF8ToString(filter));
    return path === null ? 0 : allocateUTF8(path);
});
EM_JS(char*, web_view_save_file, (const char* proposed), {
    return allocateUTF8(Module.velmoraView.saveFile(UTF8ToString(proposed)));
});
EM_JS(int, web_view_stop_pressed, (), { return Module.velmoraView.takeStop() ? 1 : 0; });
EM_JS(void, web_view_state_changed, (), { Module.velmoraView.stateChanged(); });

namespace velmora::web {

namespace {

std::string TakeJsString(char* text) {
    std::string s = text == nullptr ? std::string() : std::string(text);
    free(text);
    return s;
}

}  // namespace

const char* ControlName(FormControl control) {
    switch (control) {
        case FormControl::None: return "None";
        case FormControl::List: return "List";
        case FormControl::LogoLabel: return "LogoLabel";
        case FormControl::IconLabel: return "IconLabel";
        case FormControl::TpAdd: return "TpAdd";
        case FormControl::TpEdit: return "TpEdit";
        case FormControl::TpDelete: return "TpDelete";
        case FormControl::SatDelete: return "SatDelete";
        case FormControl::SoftLabel: return "SoftLabel";
        case FormControl::PortSelector: return "PortSelector";
        case FormControl::Progress: return "Progress";
        case FormControl::SatAdd: return "SatAdd";
        case FormControl::LnbEdit: return "LnbEdit";
        case FormControl::TpSort: return "TpSort";
        case FormControl::Status: return "Status";
        case FormControl::Tree: return "Tree";
        case FormControl::PatchSoft: return "PatchSoft";
        case FormControl::PatchIcon: return "PatchIcon";
        case FormControl::PatchLogo: return "PatchLogo";
        case FormControl::PatchSattp: return "PatchSattp";
        case FormControl::SatEdit: return "SatEdit";
        case FormControl::Find: return "Find";
    }
    return "None";
}

bool WebView::TakeTablesChanged() {
    const bool changed = tablesChanged_;
    tablesChanged_ = false;
    return changed;
}

bool WebView::AskYesNo(const std::string& question) { return web_view_ask(question.c_str(), 0) == 0; }

bool WebView::OfferWriteBack(const std::string& message) {
    return web_view_offer_write_back(message.c_str()) != 0;
}

int WebView::SelectedRow() {
    std::vector<int> rows = SelectedRows();
    return rows.empty() ? 0 : rows.front();
}

std::vector<int> WebView::SelectedRows() {
    const std::string text = TakeJsString(web_view_selected_rows());
    std::vector<int> rows;
    const char* p = text.c_str();
    while (*p != 0) {
        char* end = nullptr;
        const long v = std::strtol(p, &end, 10);
        if (end != p) {
            rows.push_back(static_cast<int>(v));
            p = end;
        } else {
            ++p;
        }
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void WebView::RebuildSatTree() { TablesChanged(); }

void WebView::ShowTpList(int satFilter) {
    lnbs_ = false;
    rows_.clear();
    if (db_ != nullptr) {
        for (int t = 0; t < db_->tpCount && t < MAX_TPS; ++t)
            if (satFilter == -1 || db_->tps[t].satIndex == satFilter) rows_.push_back(t);
    }
    TablesChanged();
}

void WebView::ShowLnbList() {
    lnbs_ = true;
    rows_.clear();
    TablesChanged();
}

void WebView::AppendSatItem(int) { TablesChanged(); }

void WebView::InsertTpRow(int tpIndex) {
    if (lnbs_ || tpIndex < 0) return;
    // After the rows of the transponders that stand before it in the table.
    auto at = std::lower_bound(rows_.begin(), rows_.end(), tpIndex);
    // The transponders behind it moved up one table slot.
    for (auto k = at; k != rows_.end(); ++k) ++*k;
    rows_.insert(at, tpIndex);
    TablesChanged();
}

void WebView::RefreshTpRow(int row, int tpIndex) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) rows_[static_cast<std::size_t>(row)] = tpIndex;
    TablesChanged();
}

void WebView::RemoveTpRow(int row) {
    if (row >= 0 && row < static_cast<int>(rows_.size())) rows_.erase(rows_.begin() + row);
    TablesChanged();
}

void WebView::RefreshLnbRow(int) { TablesChanged(); }
void WebView::SelectSatItem(int satIndex) { web_view_number("selectSat", "", satIndex); }
void WebView::RefreshSatItem(int) { TablesChanged(); }

void WebView::AddPortName(const std::string& name) {
    if (port_.empty()) port_ = name;
}
void WebView::SelectPortName(const std::string& name) { port_ = name; }
void WebView::EnablePortSelector(bool enable) {
    web_view_number("enable", ControlName(FormControl::PortSelector), enable ? 1 : 0);
}

void WebView::SetControlText(FormControl controlId, const std::string& text) {
    web_view_text(ControlName(controlId), text.c_str());
}
void WebView::SetProgressRange(int maximum) { web_view_number("progressRange", "", maximum); }
void WebView::SetProgressPos(int position) { web_view_number("progressPos", "", position); }
void WebView::EnableControl(FormControl controlId, bool enable) {
    web_view_number("enable", ControlName(controlId), enable ? 1 : 0);
}
void WebView::SetCheck(FormControl controlId, bool checked) {
    web_view_number("check", ControlName(controlId), checked ? 1 : 0);
}
bool WebView::GetCheck(FormControl controlId) {
    return web_view_get_check(ControlName(controlId)) != 0;
}

std::optional<std::string> WebView::AskOpenFile(const FileDialogRequest& dialog) {
    char* path = web_view_open_file(dialog.title.c_str(), dialog.filter.c_str());
    if (path == nullptr) return std::nullopt;
    return TakeJsString(path);
}

std::optional<std::string> WebView::AskSaveFile(const FileDialogRequest& dialog) {
    // The browser saves through a download: the file is written in the
    // page's folder and handed over once the command is done.
    return TakeJsString(web_view_save_file(dialog.proposedPath.c_str()));
}

void WebView::ShowMessage(const std::string& text, MessageKind kind) {
    web_view_message(text.c_str(), kind == MessageKind::Success ? 1 : 0);
}

SaveChangesAnswer WebView::AskSaveChanges(const std::string& question) {
    switch (web_view_ask(question.c_str(), 1)) {
        case 0: return SaveChangesAnswer::Yes;
        case 1: return SaveChangesAnswer::No;
        default: return SaveChangesAnswer::Cancel;
    }
}

void WebView::SetTitle(const std::string& title) { web_view_text("Title", title.c_str()); }
void WebView::BeginWaitCursor() { web_view_number("busy", "", 1); }
void WebView::EndWaitCursor() { web_view_number("busy", "", 0); }

// Stop is pressed while the core runs, so the page only notes it, and the
// core asks here between two waits.
void WebView::PumpOnce() {
    if (web_view_stop_pressed() != 0 && stop_) stop_();
}

void WebView::StateChanged() { web_view_state_changed(); }

}  // namespace velmora::web
