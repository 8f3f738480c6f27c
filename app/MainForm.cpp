#include "app/MainForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

#include "app/CoreText.h"
#include "app/DisplayText.h"
#include "app/FormLayout.h"
#include "app/LnbEditDlg.h"
#include "app/Modal.h"
#include "app/PortSelector.h"
#include "app/SatAddDlg.h"
#include "app/SatelliteTree.h"
#include "app/TpEditDlg.h"
#include "app/TpSortDlg.h"
#include "app/TransponderList.h"
#include "app/VelmoraDoc.h"
#include "ui/Session.h"

namespace velmora {

CMainForm::CMainForm(CVelmoraDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), layout_(std::make_unique<CFormLayout>(*this)) {
    ConnectButtons();
}

CMainForm::~CMainForm() {
    DetachSession();
    while (waitCursors_ > 0) EndWaitCursor();
}

void CMainForm::AttachSession(Session& session) {
    session_ = &session;
    layout_->Ports()->Attach(&session);
    tree_ = std::make_unique<CSatelliteTree>(*layout_->Tree(), session, nullptr);
    list_ = std::make_unique<CTransponderList>(*layout_->List(), *layout_->FindField(),
                                               session.Database(), nullptr);
    connect(tree_.get(), &CSatelliteTree::chosen, this, &CMainForm::stateChanged);
    connect(tree_.get(), &CSatelliteTree::editRequested, this,
            [this] { PressButton(IDC_SAT_EDIT); });
    connect(list_.get(), &CTransponderList::editRequested, this, &CMainForm::PressButton);
    connect(list_.get(), &CTransponderList::findReport, this, &CMainForm::findReport);
}

void CMainForm::DetachSession() {
    // The tree and the list read the session's tables: they let go first.
    list_.reset();
    tree_.reset();
    layout_->Ports()->Attach(nullptr);
    session_ = nullptr;
}

QWidget* CMainForm::Control(int controlId) const {
    return layout_->Control(controlId);
}
QTreeWidget* CMainForm::Tree() const {
    return layout_->Tree();
}
QTableView* CMainForm::List() const {
    return layout_->List();
}
QLineEdit* CMainForm::FindField() const {
    return layout_->FindField();
}
CTpListModel* CMainForm::ListModel() const {
    return list_ ? list_->Model() : nullptr;
}
CListFilter* CMainForm::ListFilter() const {
    return list_ ? list_->Filter() : nullptr;
}
QTreeWidgetItem* CMainForm::RootItem() const {
    return tree_ ? tree_->RootItem() : nullptr;
}

void CMainForm::FocusFind() {
    list_->FocusFind();
}
void CMainForm::FocusFirstRow() {
    list_->FocusFirstRow();
}

void CMainForm::SelectFinding(const TableFinding& finding) {
    if (finding.table == TableKind::Satellite) {
        tree_->ChooseAsUser(finding.index);
        return;
    }
    list_->ClearFind();
    if (finding.table == TableKind::Lnb) {
        session_->DisplayLnb();
    } else {
        // All satellites: a transponder's row is then its index in the table.
        tree_->ChooseAsUser(-1);
    }
    list_->SelectSourceRow(finding.index);
    emit stateChanged();
}

void CMainForm::PressButton(int controlId) {
    if (auto* button = qobject_cast<QPushButton*>(Control(controlId))) button->click();
}

void CMainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_->Place(size());
}

void CMainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (initialUpdateDone_ || session_ == nullptr) return;
    initialUpdateDone_ = true;
    session_->StartUp();
    emit stateChanged();
}

// ---- port selector, texts, progress, buttons, check boxes -------------------

void CMainForm::AddPortName(const std::string& name) {
    layout_->Ports()->AddPortName(name);
}
void CMainForm::SelectPortName(const std::string& name) {
    layout_->Ports()->SelectPortName(name);
}
void CMainForm::PortWorked(const std::string& name) {
    CPortSelector::RememberPort(name);
}
void CMainForm::PortListChanged() { layout_->Ports()->ListPortsAgain(); }

std::string CMainForm::SelectedPortName() {
    return layout_->Ports()->SelectedPortName();
}
void CMainForm::EnablePortSelector(bool enable) {
    layout_->Ports()->setEnabled(enable);
}

void CMainForm::SetControlText(int controlId, const std::string& text) {
    auto* label = qobject_cast<QLabel*>(Control(controlId));
    if (label == nullptr) return;
    const QString shown = CoreText(text);
    label->setText(shown);
    if (controlId != IDC_STATUS) return;
    const bool cut = label->fontMetrics().horizontalAdvance(shown) > label->width();
    label->setToolTip(cut ? shown : QString());
    emit longStatus(cut ? shown : QString());
}

void CMainForm::SetProgressRange(int maximum) {
    auto* progress = static_cast<QProgressBar*>(Control(IDC_PROGRESS));
    progress->setRange(0, std::max(0, maximum));
}

void CMainForm::SetProgressPos(int position) {
    static_cast<QProgressBar*>(Control(IDC_PROGRESS))->setValue(position);
}

void CMainForm::EnableControl(int controlId, bool enable) {
    if (QWidget* w = Control(controlId)) w->setEnabled(enable);
}

void CMainForm::SetCheck(int controlId, bool checked) {
    if (auto* box = qobject_cast<QCheckBox*>(Control(controlId))) box->setChecked(checked);
}

bool CMainForm::GetCheck(int controlId) {
    auto* box = qobject_cast<QCheckBox*>(Control(controlId));
    return box != nullptr && box->isChecked();
}

// ---- modal windows, title, cursor, message pump -----------------------------

std::optional<std::string> CMainForm::AskOpenFile(const FileDialogRequest& dialog) {
    auto path = modal::OpenFileName(this, CoreText(dialog.title), CoreText(dialog.filter));
    if (!path) return std::nullopt;
    return QFile::encodeName(*path).toStdString();
}

std::optional<std::string> CMainForm::AskSaveFile(const FileDialogRequest& dialog) {
    auto path = modal::SaveFileName(this, CoreText(dialog.title), CoreText(dialog.filter),
                                    DisplayText(dialog.defaultExtension),
                                    QFile::decodeName(dialog.proposedPath.c_str()));
    if (!path) return std::nullopt;
    return QFile::encodeName(*path).toStdString();
}

void CMainForm::ShowMessage(const std::string& text, MessageKind kind) {
    if (kind == MessageKind::Success) {
        modal::Inform(this, CoreText(text));
    } else {
        modal::Notice(this, CoreText(text));
    }
}

SaveChangesAnswer CMainForm::AskSaveChanges(const std::string& question) {
    switch (modal::AskYesNoCancel(this, CoreText(question))) {
        case QMessageBox::Yes:
            return SaveChangesAnswer::Yes;
        case QMessageBox::No:
            return SaveChangesAnswer::No;
        default:
            return SaveChangesAnswer::Cancel;
    }
}

bool CMainForm::AskYesNo(const std::string& question) {
    return modal::AskYesNo(this, CoreText(question));
}

void CMainForm::SetTitle(const std::string& title) {
    doc_.SetTitle(DisplayText(title));
}

void CMainForm::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++waitCursors_;
}

void CMainForm::EndWaitCursor() {
    if (waitCursors_ == 0) return;
    --waitCursors_;
    QApplication::restoreOverrideCursor();
}

void CMainForm::PumpOnce() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}
void CMainForm::StateChanged() {
    emit stateChanged();
}

// ---- tree and list -------------------------------------------------------------

void CMainForm::RebuildSatTree() {
    tree_->Rebuild();
    // Other tables: the list starts at its top.
    list_->ScrollToTop();
}

void CMainForm::SelectSatItem(int satIndex) {
    tree_->SelectItem(satIndex);
}
void CMainForm::AppendSatItem(int satIndex) {
    tree_->AppendItem(satIndex);
}
void CMainForm::RefreshSatItem(int satIndex) {
    tree_->RefreshItem(satIndex);
}
void CMainForm::ShowTpList(int satFilter) {
    list_->ShowTps(satFilter);
}
void CMainForm::ShowLnbList() {
    list_->ShowLnbs();
}
void CMainForm::AppendTpRow(int tpIndex) {
    list_->AppendTp(tpIndex);
}
void CMainForm::RefreshTpRow(int row, int tpIndex) {
    list_->RefreshTp(row, tpIndex);
}
void CMainForm::RemoveTpRow(int row) {
    list_->RemoveTp(row);
}
void CMainForm::RefreshLnbRow(int lnbIndex) {
    list_->RefreshLnb(lnbIndex);
}

// Rows of the list as the session counts them: before find and sorting.
std::vector<int> CMainForm::SelectedRows() {
    return list_->SelectedRows();
}

int CMainForm::SelectedRow() {
    std::vector<int> rows = SelectedRows();
    return rows.empty() ? 0 : rows.front();
}

// ---- form buttons --------------------------------------------------------------

void CMainForm::ConnectButtons() {
    ConnectButton(IDC_TP_ADD, &CMainForm::OnTpAdd);
    ConnectButton(IDC_TP_EDIT, &CMainForm::OnTpEdit);
    ConnectButton(IDC_TP_DELETE, &CMainForm::OnTpDelete);
    ConnectButton(IDC_TP_SORT, &CMainForm::OnTpSort);
    ConnectButton(IDC_SAT_ADD, &CMainForm::OnSatAdd);
    ConnectButton(IDC_SAT_EDIT, &CMainForm::OnSatEdit);
    ConnectButton(IDC_SAT_DELETE, &CMainForm::OnSatDelete);
    ConnectButton(IDC_LNB_EDIT, &CMainForm::OnLnbEdit);
    for (int id : {IDC_PATCH_SOFT, IDC_PATCH_ICON, IDC_PATCH_LOGO, IDC_PATCH_SATTP}) {
        connect(static_cast<QCheckBox*>(Control(id)), &QCheckBox::clicked, this,
                &CMainForm::OnPatchClicked);
    }
}

void CMainForm::ConnectButton(int controlId, void (CMainForm::*handler)()) {
    connect(static_cast<QPushButton*>(Control(controlId)), &QPushButton::clicked, this,
            [this, controlId, handler] {
                // The session refuses edits while an operation sends or
                // receives the tables; no dialog should collect one then.
                if (session_ == nullptr || !ButtonEnabled(controlId) ||
                    session_->State().flags.busyFlag) {
                    return;
                }
                (this->*handler)();
                emit stateChanged();
            });
}

bool CMainForm::ButtonEnabled(int controlId) const {
    QWidget* w = Control(controlId);
    return w != nullptr && w->isEnabled();
}

void CMainForm::OnTpAdd() {
    if (!session_->ReadyToAddTp()) return;
    const SatTpDatabase& db = session_->Database();
    int filter = session_->State().edit.satFilter;
    CTpEditDlg dlg(db, CTpEditDlg::Mode::Add, TpIndexForRow(db, SelectedRow(), filter), filter,
                   this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->TpAdd(dlg.Input());
}

void CMainForm::OnTpEdit() {
    const SatTpDatabase& db = session_->Database();
    int filter = session_->State().edit.satFilter;
    CTpEditDlg dlg(db, CTpEditDlg::Mode::Edit, TpIndexForRow(db, SelectedRow(), filter), filter,
                   this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->TpEdit(dlg.Input());
}

void CMainForm::OnTpDelete() {
    session_->TpDelete();
}

void CMainForm::OnTpSort() {
    CTpSortDlg dlg(session_->Database(), this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->TpSort(dlg.Settings());
}

void CMainForm::OnSatAdd() {
    CSatAddDlg dlg(session_->Database(), this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->SatAdd(dlg.Input());
}

void CMainForm::OnSatEdit() {
    CSatAddDlg dlg(session_->Database(), this, session_->ChosenSatellite());
    if (modal::Run(dlg) == QDialog::Accepted) session_->SatEdit(dlg.Input());
}

void CMainForm::OnSatDelete() {
    session_->SatDelete();
}

void CMainForm::OnLnbEdit() {
    CLnbEditDlg dlg(session_->Database(), SelectedRow(), this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->LnbEdit(dlg.Input());
}

void CMainForm::OnPatchClicked() {
    session_->PatchCheckBoxesClicked();
}

}  // namespace velmora
