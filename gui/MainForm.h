// The main form: port selector, progress, status and file labels, the
// satellite tree, the TP/LNB list, the edit buttons and the patch-up check
// boxes. It shows what the session decides and hands user actions to it;
// its parts place the controls, fill the tree and the list and list the ports.
#pragma once

#include <QWidget>
#include <memory>
#include <vector>

#include "core/TableCheck.h"
#include "session/SessionView.h"

class QLineEdit;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class FormLayout;
class ListFilter;
class SatelliteTree;
class TpListModel;
class TransponderListView;
class VelmoraDoc;
class Session;

class MainForm : public QWidget, public SessionView {
    Q_OBJECT
public:
    MainForm(VelmoraDoc& doc, QWidget* parent = nullptr);
    ~MainForm() override;

    // The session the form shows; it is made with this form as its view, so
    // it comes after the form and goes before it (DetachSession).
    void AttachSession(Session& session);
    void DetachSession();

    // A control of the form by its identifier; nullptr for an unknown one.
    QWidget* Control(FormControl controlId) const;
    QTreeWidget* Tree() const;
    QTableView* List() const;
    TpListModel* ListModel() const;
    ListFilter* Filter() const;
    QLineEdit* FindField() const;
    QTreeWidgetItem* RootItem() const;
    // Ctrl+F: the find field takes the keys.
    void FocusFind();
    // The list takes the focus with its first visible row selected.
    void FocusFirstRow();
    // Shows the row a finding of the table check is about, selected.
    void SelectFinding(const TableFinding& finding);
    // Runs a form button as a click would (only while it is enabled).
    void PressButton(FormControl controlId);
    // While an operation runs on its own thread, the tree and the buttons
    // leave the session alone: that thread holds it.
    void HoldForOperation(bool held);

    // SessionView.
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
    void ShowMessage(const std::string& text, MessageKind kind = MessageKind::Notice) override;
    bool OfferWriteBack(const std::string& message) override;
    SaveChangesAnswer AskSaveChanges(const std::string& question) override;
    bool AskYesNo(const std::string& question) override;
    void SetTitle(const std::string& title) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void PumpOnce() override;
    void StateChanged() override;

    // EditView.
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

signals:
    // The session state changed: the frame re-evaluates its enabling rules.
    void stateChanged();
    // "12 of 96 rows match "astra"", or empty when find is not in use.
    void findReport(const QString& text);
    // The status line's text when it is too long for the form's one short
    // line (the notice of a meter that does not answer); empty otherwise.
    void longStatus(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ConnectButtons();
    void ConnectButton(FormControl controlId, void (MainForm::*handler)());
    // The button handlers run only while their button is enabled.
    bool ButtonEnabled(FormControl controlId) const;
    void OnTpAdd();
    void OnTpEdit();
    void OnTpDelete();
    void OnTpSort();
    void OnSatAdd();
    void OnSatEdit();
    void OnSatDelete();
    void OnLnbEdit();
    void OnPatchClicked();

    VelmoraDoc& doc_;
    std::unique_ptr<FormLayout> layout_;
    Session* session_ = nullptr;
    // The parts that show the session's tables: made by AttachSession.
    std::unique_ptr<SatelliteTree> tree_;
    std::unique_ptr<TransponderListView> list_;
    bool initialUpdateDone_ = false;
    bool held_ = false;
    int waitCursors_ = 0;
};

}  // namespace velmora
