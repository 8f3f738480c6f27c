// The main form as the page shows it. The session calls it as it calls the
// Qt form; it keeps the list's rows as the form's model does and hands the
// page what changed (web/view.js: Module.velmoraView).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/SatTpDatabase.h"
#include "session/SessionView.h"

namespace velmora::web {

// The name the page knows a form control by ("Status", "PatchSoft").
const char* ControlName(FormControl control);

class WebView : public SessionView {
public:
    // The page shows its tree and list again from the session's tables.
    bool TakeTablesChanged();
    const std::vector<int>& ListRows() const { return rows_; }
    bool ShowsLnbs() const { return lnbs_; }
    void SetTables(const SatTpDatabase* db) { db_ = db; }

    // EditView
    int SelectedRow() override;
    std::vector<int> SelectedRows() override;
    void RebuildSatTree() override;
    void ShowTpList(int satFilter) override;
    void ShowLnbList() override;
    void AppendSatItem(int satIndex) override;
    void InsertTpRow(int tpIndex) override;
    void RefreshTpRow(int row, int tpIndex) override;
    void RemoveTpRow(int row) override;
    void RefreshLnbRow(int lnbIndex) override;
    void SelectSatItem(int satIndex) override;
    void RefreshSatItem(int satIndex) override;

    // SessionView
    void AddPortName(const std::string& name) override;
    void SelectPortName(const std::string& name) override;
    std::string SelectedPortName() override { return port_; }
    void EnablePortSelector(bool enable) override;
    void SetControlText(FormControl controlId, const std::string& text) override;
    void SetProgressRange(int maximum) override;
    void SetProgressPos(int position) override;
    void EnableControl(FormControl controlId, bool enable) override;
    void SetCheck(FormControl controlId, bool checked) override;
    bool GetCheck(FormControl controlId) override;
    std::optional<std::string> AskOpenFile(const FileDialogRequest& dialog) override;
    std::optional<std::string> AskSaveFile(const FileDialogRequest& dialog) override;
    void ShowMessage(const std::string& text, MessageKind kind) override;
    SaveChangesAnswer AskSaveChanges(const std::string& question) override;
    bool AskYesNo(const std::string& question) override;
    bool OfferWriteBack(const std::string& message) override;
    void SetTitle(const std::string& title) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void PumpOnce() override;
    void StateChanged() override;

    // What the page's Stop does; PumpOnce runs it when Stop was pressed.
    void SetStopHandler(std::function<void()> stop) { stop_ = std::move(stop); }

private:
    void TablesChanged() { tablesChanged_ = true; }

    const SatTpDatabase* db_ = nullptr;
    std::vector<int> rows_;
    bool lnbs_ = false;
    bool tablesChanged_ = true;
    std::function<void()> stop_;
    std::string port_;
};

}  // namespace velmora::web
