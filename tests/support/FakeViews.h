// Scripted stand-ins for the form: they record what the session asks of the
// view and answer dialogs from queues the test fills.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "session/SessionView.h"

namespace velmora::testing {

class FakeEditView : public virtual EditView {
public:
    int selectedRow = 0;
    std::vector<std::string> calls;  // "RebuildSatTree", "ShowTpList -1", ...

    int SelectedRow() override { return selectedRow; }
    void RebuildSatTree() override { calls.push_back("RebuildSatTree"); }
    void ShowTpList(int f) override { calls.push_back("ShowTpList " + std::to_string(f)); }
    void ShowLnbList() override { calls.push_back("ShowLnbList"); }
    void AppendSatItem(int s) override { calls.push_back("AppendSatItem " + std::to_string(s)); }
    void InsertTpRow(int t) override { calls.push_back("InsertTpRow " + std::to_string(t)); }
    void RefreshTpRow(int r, int t) override {
        calls.push_back("RefreshTpRow " + std::to_string(r) + " " + std::to_string(t));
    }
    void RemoveTpRow(int r) override { calls.push_back("RemoveTpRow " + std::to_string(r)); }
    void RefreshLnbRow(int l) override { calls.push_back("RefreshLnbRow " + std::to_string(l)); }
};

class FakeSessionView : public SessionView, public FakeEditView {
public:
    std::vector<std::string> ports;
    int selectedPort = -1;
    bool portSelectorEnabled = true;
    std::map<FormControl, std::string> texts;
    std::map<FormControl, bool> enabled;
    std::map<FormControl, bool> checks;
    int progressMax = 0;
    int progressPos = 0;
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<FileDialogRequest> dialogs;
    std::deque<SaveChangesAnswer> saveChangesAnswers;
    std::vector<std::string> saveChangesQuestions;
    std::vector<std::string> messages;
    std::vector<MessageKind> messageKinds;
    std::string title = "<unset>";
    int waitCursor = 0;
    int pumps = 0;

    void AddPortName(const std::string& name) override { ports.push_back(name); }
    void SelectPortIndex(int index) { selectedPort = index; }
    void SelectPortName(const std::string& name) override {
        for (std::size_t i = 0; i < ports.size(); ++i) {
            if (ports[i] == name) selectedPort = static_cast<int>(i);
        }
    }
    // The ports an operation succeeded on, as the window was told.
    std::vector<std::string> portsWorked;
    void PortWorked(const std::string& name) override { portsWorked.push_back(name); }
    int portListChanges = 0;
    void PortListChanged() override { ++portListChanges; }
    std::string SelectedPortName() override {
        return selectedPort >= 0 && selectedPort < static_cast<int>(ports.size()) ? ports[selectedPort]
                                                                                : "";
    }
    void EnablePortSelector(bool e) override { portSelectorEnabled = e; }
    void SetControlText(FormControl id, const std::string& t) override { texts[id] = t; }
    void SetProgressRange(int m) override { progressMax = m; }
    void SetProgressPos(int p) override { progressPos = p; }
    void EnableControl(FormControl id, bool e) override { enabled[id] = e; }
    void SetCheck(FormControl id, bool c) override { checks[id] = c; }
    bool GetCheck(FormControl id) override { return checks[id]; }
    std::optional<std::string> AskOpenFile(const FileDialogRequest& s) override {
        return Next(openAnswers, s);
    }
    std::optional<std::string> AskSaveFile(const FileDialogRequest& s) override {
        return Next(saveAnswers, s);
    }
    void ShowMessage(const std::string& t, MessageKind kind = MessageKind::Notice) override {
        messages.push_back(t);
        messageKinds.push_back(kind);
    }
    // The partial-write boxes shown; onOffer answers each (none: OK).
    std::vector<std::string> writeBackOffers;
    std::function<bool()> onOffer;
    bool OfferWriteBack(const std::string& m) override {
        writeBackOffers.push_back(m);
        return onOffer && onOffer();
    }
    SaveChangesAnswer AskSaveChanges(const std::string& q) override {
        saveChangesQuestions.push_back(q);
        if (saveChangesAnswers.empty()) return SaveChangesAnswer::Cancel;
        SaveChangesAnswer a = saveChangesAnswers.front();
        saveChangesAnswers.pop_front();
        return a;
    }
    // Answers for AskYesNo, oldest first; an empty queue answers No.
    std::deque<bool> yesNoAnswers;
    std::vector<std::string> questions;
    // Runs as each question is asked, before it is answered.
    std::function<void()> onQuestion;
    bool AskYesNo(const std::string& q) override {
        questions.push_back(q);
        if (onQuestion) onQuestion();
        if (yesNoAnswers.empty()) return false;
        bool a = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return a;
    }
    void SetTitle(const std::string& t) override { title = t; }
    void BeginWaitCursor() override { ++waitCursor; }
    void EndWaitCursor() override { --waitCursor; }
    void PumpOnce() override {
        ++pumps;
        if (onPump) onPump();
    }
    std::function<void()> onPump;

private:
    std::optional<std::string> Next(std::deque<std::optional<std::string>>& q,
                                    const FileDialogRequest& s) {
        dialogs.push_back(s);
        if (q.empty()) return std::nullopt;
        std::optional<std::string> a = q.front();
        q.pop_front();
        return a;
    }
};

}  // namespace velmora::testing
