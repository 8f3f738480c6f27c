// The main form: port selector, progress, status and file labels, the
// satellite tree, the TP/LNB list, the edit buttons and the patch-up check
// boxes. It shows what the session decides and hands user actions to it.
#pragma once

#include <QComboBox>
#include <QIcon>
#include <QWidget>
#include <map>
#include <memory>
#include <vector>

#include "db/TableCheck.h"
#include "ui/Session.h"
#include "ui/SessionView.h"

class QComboBox;
class QLineEdit;
class QTableView;
class QTreeWidget;
class QTreeWidgetItem;

namespace velmora {

class CListFilter;
class CTpListModel;
class CVelmoraDoc;

// The port selector: it asks for the ports again each time its list opens.
class CPortSelector : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override {
        emit aboutToShowList();
        QComboBox::showPopup();
    }
signals:
    void aboutToShowList();
};

class CVelmoraView : public QWidget, public SessionView {
    Q_OBJECT
public:
    CVelmoraView(CVelmoraDoc& doc, SessionOptions options = {}, QWidget* parent = nullptr);
    ~CVelmoraView() override;

    Session& GetSession() { return *session_; }
    // A control of the form by its identifier; nullptr for an unknown one.
    QWidget* Control(int controlId) const;
    QTreeWidget* Tree() const { return tree_; }
    QTableView* List() const { return list_; }
    CTpListModel* ListModel() const { return model_; }
    CListFilter* ListFilter() const { return filter_; }
    QLineEdit* FindField() const { return find_; }
    // Ctrl+F: the find field takes the keys.
    void FocusFind();
    // The list takes the focus with its first visible row selected.
    void FocusFirstRow();
    // Shows the row a finding of the table check is about, selected.
    void SelectFinding(const TableFinding& finding);
    // Runs a form button as a click would (only while it is enabled).
    void PressButton(int controlId);
    QTreeWidgetItem* RootItem() const { return rootItem; }

    // SessionView.
    void AddPortName(const std::string& name) override;
    void SelectPortIndex(int index) override;
    std::string SelectedPortName() override;
    void EnablePortSelector(bool enable) override;
    void SetControlText(int controlId, const std::string& text) override;
    void SetProgressRange(int maximum) override;
    void SetProgressPos(int position) override;
    void EnableControl(int controlId, bool enable) override;
    void SetCheck(int controlId, bool checked) override;
    bool GetCheck(int controlId) override;
    std::optional<std::string> AskOpenFile(const FileDialogRequest& dialog) override;
    std::optional<std::string> AskSaveFile(const FileDialogRequest& dialog) override;
    void ShowMessage(const std::string& text) override;
    SaveChangesAnswer AskSaveChanges(const std::string& question) override;
    void SetTitle(const std::string& title) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void PumpOnce() override;
    void StateChanged() override;

    // EditView.
    bool AskYesNo(const std::string& question) override;
    int SelectedRow() override;
    std::vector<int> SelectedRows() override;
    void RefreshSatItem(int satIndex) override;
    void RebuildSatTree() override;
    void ShowTpList(int satFilter) override;
    void ShowLnbList() override;
    void AppendSatItem(int satIndex) override;
    void AppendTpRow(int tpIndex) override;
    void RefreshTpRow(int row, int tpIndex) override;
    void RemoveTpRow(int row) override;
    void RefreshLnbRow(int lnbIndex) override;
    void SelectSatItem(int satIndex) override;

signals:
    // The session state changed: the frame re-evaluates its enabling rules.
    void stateChanged();
    // "12 of 96 rows match "astra"", or empty when find is not in use.
    void findReport(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void SetUpListAndFind();
    void ReportMatches();
    void ListPortsAgain();
    void OnSatEdit();
    // Chooses a satellite (-1: all) in the tree as a click would.
    void SelectSatItemAsUser(int satIndex);
    void ApplyListColumns();
    void OnTreeSelection(QTreeWidgetItem* current);
    void OnTpAdd();
    void OnTpEdit();
    void OnTpDelete();
    void OnTpSort();
    void OnSatAdd();
    void OnSatDelete();
    void OnLnbEdit();
    void OnPatchClicked();
    void ConnectButton(int controlId, void (CVelmoraView::*handler)());
    // The button handlers run only while their button is enabled.
    bool ButtonEnabled(int controlId) const;

    CVelmoraDoc& doc_;
    std::map<int, QWidget*> controls_;
    // Every control with its place on the form at its smallest size.
    struct Placed {
        QWidget* widget;
        QRect rect;
        int anchor;
    };
    std::vector<Placed> placed_;
    QSize formSize_;
    CPortSelector* ports_ = nullptr;
    QLineEdit* find_ = nullptr;
    CListFilter* filter_ = nullptr;
    int shownFilter_ = -2;
    QTreeWidget* tree_ = nullptr;
    QTableView* list_ = nullptr;
    CTpListModel* model_ = nullptr;
    // The "All Satellites" item of the last rebuild.
    QTreeWidgetItem* rootItem = nullptr;
    // Set while the tree is rebuilt: its selection signals are not user choices.
    int treeRebuilding = 0;
    QIcon treeIcon_;
    bool initialUpdateDone_ = false;
    int waitCursors_ = 0;
    std::unique_ptr<Session> session_;
};

}  // namespace velmora
