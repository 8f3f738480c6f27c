// The session's view in the window: every call goes to the form, on the
// form's thread. A long operation runs on a thread of its own; what it shows
// (status, progress, a message, a question) is carried over to the form's
// thread and the operation waits until the form has done it, so the form's
// widgets are only ever touched by their own thread.
#pragma once

#include "session/SessionView.h"

namespace velmora {

class MainForm;

class FormThreadView : public SessionView {
public:
    explicit FormThreadView(MainForm& form) : form_(form) {}

    void AddPortName(const std::string& name) override;
    void SelectPortName(const std::string& name) override;
    void PortWorked(const std::string& name) override;
    void PortListChanged() override;
    std::string SelectedPortName() override;
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
    bool OfferWriteBack(const std::string& message) override;
    SaveChangesAnswer AskSaveChanges(const std::string& question) override;
    bool AskYesNo(const std::string& question) override;
    void SetTitle(const std::string& title) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    // Stop reaches an operation through its flag; there is nothing to pump.
    void PumpOnce() override {}
    void StateChanged() override;

    int SelectedRow() override;
    std::vector<int> SelectedRows() override;
    void RefreshSatItem(int satIndex) override;
    void RebuildSatTree() override;
    void ShowTpList(int satFilter) override;
    void ShowLnbList() override;
    void AppendSatItem(int satIndex) override;
    void InsertTpRow(int tpIndex) override;
    void RefreshTpRow(int row, int tpIndex) override;
    void RemoveTpRow(int row) override;
    void RefreshLnbRow(int lnbIndex) override;
    void SelectSatItem(int satIndex) override;

private:
    // Runs call on the form's thread: at once when this is that thread, else
    // there, waiting until it is done.
    template <class Call>
    auto Hop(Call call) -> decltype(call());

    MainForm& form_;
};

}  // namespace velmora
