#include "gui/MainForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

#include "gui/CoreText.h"
#include "gui/DisplayText.h"
#include "gui/FormLayout.h"
#include "gui/LnbEditDlg.h"
#include "gui/Modal.h"
#include "gui/PortSelector.h"
#include "gui/SatAddDlg.h"
#include "gui/SatelliteTree.h"
#include "gui/TpEditDlg.h"
#include "gui/TpSortDlg.h"
#include "gui/TransponderListView.h"
#include "gui/VelmoraDoc.h"
#include "session/Session.h"

namespace velmora {

MainForm::MainForm(VelmoraDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), layout_(std::make_unique<FormLayout>(*this)) {
    ConnectButtons();
}

MainForm::~MainForm() {
    DetachSession();
    while (waitCursors_ > 0) EndWaitCursor();
}

void MainForm::AttachSession(Session& session) {
    session_ = &session;
    layout_->Ports()->Attach(&session);
    tree_ = std::make_unique<SatelliteTree>(*layout_->Tree(), session, nullptr);
    list_ = std::make_unique<TransponderListView>(*layout_->List(), *layout_->FindField(),
                                               session.Database(), nullptr);
    connect(tree_.get(), &SatelliteTree::chosen, this, &MainForm::stateChanged);
    connect(tree_.get(), &SatelliteTree::editRequested, this,
            [this] { PressButton(FormControl::SatEdit); });
    connect(list_.get(), &TransponderListView::editRequested, this, &MainForm::PressButton);
    connect(list_.get(), &TransponderListView::findReport, this, &MainForm::findReport);
}

void MainForm::DetachSession() {
    // The tree and the list read the session's tables: they let go first.
    list_.reset();
    tree_.reset();
    layout_->Ports()->Attach(nullptr);
    session_ = nullptr;
}

QWidget* MainForm::Control(FormControl controlId) const {
    return layout_->Control(controlId);
}
QTreeWidget* MainForm::Tree() const {
    return layout_->Tree();
}
QTableView* MainForm::List() const {
    return layout_->List();
}
QLineEdit* MainForm::FindField() const {
    return layout_->FindField();
}
TpListModel* MainForm::ListModel() const {
    return list_ ? list_->Model() : nullptr;
}
ListFilter* MainForm::Filter() const {
    return list_ ? list_->Filter() : nullptr;
}
QTreeWidgetItem* MainForm::RootItem() const {
    return tree_ ? tree_->RootItem() : nullptr;
}

void MainForm::FocusFind() {
    list_->FocusFind();
}
void MainForm::FocusFirstRow() {
    list_->FocusFirstRow();
}

void MainForm::SelectFinding(const TableFinding& finding) {
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

void MainForm::PressButton(FormControl controlId) {
    if (auto* button = qobject_cast<QPushButton*>(Control(controlId))) button->click();
}

void MainForm::HoldForOperation(bool held) {
    held_ = held;
    layout_->Tree()->setEnabled(!held);
}

void MainForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layout_->Place(size());
}

void MainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (initialUpdateDone_ || session_ == nullptr) return;
    initialUpdateDone_ = true;
    session_->StartUp();
    emit stateChanged();
}

// ---- port selector, texts, progress, buttons, check boxes -------------------

void MainForm::AddPortName(const std::string& name) {
    layout_->Ports()->AddPortName(name);
}
void MainForm::SelectPortName(const std::string& name) {
    layout_->Ports()->SelectPortName(name);
}
void MainForm::PortWorked(const std::string& name) {
    PortSelector::RememberPort(name);
}
void MainForm::PortListChanged() { layout_->Ports()->ListPortsAgain(); }

std::string MainForm::SelectedPortName() {
    return layout_->Ports()->SelectedPortName();
}
void MainForm::EnablePortSelector(bool enable) {
    layout_->Ports()->setEnabled(enable);
}

void MainForm::SetControlText(FormControl controlId, const std::string& text) {
    auto* label = qobject_cast<QLabel*>(Control(controlId));
    if (label == nullptr) return;
    const QString shown = CoreText(text);
    label->setText(shown);
    if (controlId != FormControl::Status) return;
    const bool cut = label->fontMetrics().horizontalAdvance(shown) > label->width();
    label->setToolTip(cut ? shown : QString());
    emit longStatus(cut ? shown : QString());
}

void MainForm::SetProgressRange(int maximum) {
    auto* progress = static_cast<QProgressBar*>(Control(FormControl::Progress));
    progress->setRange(0, std::max(0, maximum));
}

void MainForm::SetProgressPos(int position) {
    static_cast<QProgressBar*>(Control(FormControl::Progress))->setValue(position);
}

void MainForm::EnableControl(FormControl controlId, bool enable) {
    if (QWidget* w = Control(controlId)) w->setEnabled(enable);
}

void MainForm::SetCheck(FormControl controlId, bool checked) {
    if (auto* box = qobject_cast<QCheckBox*>(Control(controlId))) box->setChecked(checked);
}

bool MainForm::GetCheck(FormControl controlId) {
    auto* box = qobject_cast<QCheckBox*>(Control(controlId));
    return box != nullptr && box->isChecked();
}

// ---- modal windows, title, cursor, message pump -----------------------------

std::optional<std::string> MainForm::AskOpenFile(const FileDialogRequest& dialog) {
    auto path = modal::OpenFileName(this, CoreText(dialog.title), CoreText(dialog.filter));
    if (!path) return std::nullopt;
    return QFile::encodeName(*path).toStdString();
}

std::optional<std::string> MainForm::AskSaveFile(const FileDialogRequest& dialog) {
    auto path = modal::SaveFileName(this, CoreText(dialog.title), CoreText(dialog.filter),
                                    DisplayText(dialog.defaultExtension),
                                    QFile::decodeName(dialog.proposedPath.c_str()));
    if (!path) return std::nullopt;
    return QFile::encodeName(*path).toStdString();
}

void MainForm::ShowMessage(const std::string& text, MessageKind kind) {
    if (kind == MessageKind::Success) {
        modal::Inform(this, CoreText(text));
    } else {
        modal::Notice(this, CoreText(text));
    }
}

bool MainForm::OfferWriteBack(const std::string& message) {
    return modal::NoticeWithChoice(
        this, CoreText(message),
        QCoreApplication::translate("MeterMenu", "Write the backup back"));
}

SaveChangesAnswer MainForm::AskSaveChanges(const std::string& question) {
    switch (modal::AskYesNoCancel(this, CoreText(question))) {
        case QMessageBox::Yes:
            return SaveChangesAnswer::Yes;
        case QMessageBox::No:
            return SaveChangesAnswer::No;
        default:
            return SaveChangesAnswer::Cancel;
    }
}

bool MainForm::AskYesNo(const std::string& question) {
    return modal::AskYesNo(this, CoreText(question));
}

void MainForm::SetTitle(const std::string& title) {
    doc_.SetTitle(DisplayText(title));
}

void MainForm::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++waitCursors_;
}

void MainForm::EndWaitCursor() {
    if (waitCursors_ == 0) return;
    --waitCursors_;
    QApplication::restoreOverrideCursor();
}

// Long operations run on their own thread (FormThreadView), and Stop
// reaches them through their flag: the form's event loop is never run from
// inside one.
void MainForm::PumpOnce() {}
void MainForm::StateChanged() {
    emit stateChanged();
}

// ---- tree and list -------------------------------------------------------------

void MainForm::RebuildSatTree() {
    tree_->Rebuild();
    // Other tables: the list starts at its top.
    list_->ScrollToTop();
}

void MainForm::SelectSatItem(int satIndex) {
    tree_->SelectItem(satIndex);
}
void MainForm::AppendSatItem(int satIndex) {
    tree_->AppendItem(satIndex);
}
void MainForm::RefreshSatItem(int satIndex) {
    tree_->RefreshItem(satIndex);
}
void MainForm::ShowTpList(int satFilter) {
    list_->ShowTps(satFilter);
}
void MainForm::ShowLnbList() {
    list_->ShowLnbs();
}
void MainForm::InsertTpRow(int tpIndex) {
    list_->InsertTp(tpIndex);
}
void MainForm::RefreshTpRow(int row, int tpIndex) {
    list_->RefreshTp(row, tpIndex);
}
void MainForm::RemoveTpRow(int row) {
    list_->RemoveTp(row);
}
void MainForm::RefreshLnbRow(int lnbIndex) {
    list_->RefreshLnb(lnbIndex);
}

// Rows of the list as the session counts them: before find and sorting.
std::vector<int> MainForm::SelectedRows() {
    return list_->SelectedRows();
}

int MainForm::SelectedRow() {
    std::vector<int> rows = SelectedRows();
    return rows.empty() ? 0 : rows.front();
}

// ---- form buttons --------------------------------------------------------------

void MainForm::ConnectButtons() {
    ConnectButton(FormControl::TpAdd, &MainForm::OnTpAdd);
    ConnectButton(FormControl::TpEdit, &MainForm::OnTpEdit);
    ConnectButton(FormControl::TpDelete, &MainForm::OnTpDelete);
    ConnectButton(FormControl::TpSort, &MainForm::OnTpSort);
    ConnectButton(FormControl::SatAdd, &MainForm::OnSatAdd);
    ConnectButton(FormControl::SatEdit, &MainForm::OnSatEdit);
    ConnectButton(FormControl::SatDelete, &MainForm::OnSatDelete);
    ConnectButton(FormControl::LnbEdit, &MainForm::OnLnbEdit);
    for (FormControl id : {FormControl::PatchSoft, FormControl::PatchIcon, FormControl::PatchLogo, FormControl::PatchSattp}) {
        connect(static_cast<QCheckBox*>(Control(id)), &QCheckBox::clicked, this,
                &MainForm::OnPatchClicked);
    }
}

void MainForm::ConnectButton(FormControl controlId, void (MainForm::*handler)()) {
    connect(static_cast<QPushButton*>(Control(controlId)), &QPushButton::clicked, this,
            [this, controlId, handler] {
                // No dialog collects an edit while an operation holds the
                // tables (on its own thread: held_; the session's busy flag).
                if (session_ == nullptr || held_ || !ButtonEnabled(controlId) ||
                    session_->State().flags.busyFlag) {
                    return;
                }
                (this->*handler)();
                emit stateChanged();
            });
}

bool MainForm::ButtonEnabled(FormControl controlId) const {
    QWidget* w = Control(controlId);
    return w != nullptr && w->isEnabled();
}

void MainForm::OnTpAdd() {
    if (!session_->ReadyToAddTp()) return;
    const SatTpDatabase& db = session_->Database();
    int filter = session_->State().edit.satFilter;
    TpEditDlg dlg(db, TpEditDlg::Mode::Add, TpIndexForRow(db, SelectedRow(), filter), filter,
                   this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->TpAdd(dlg.Input());
}

void MainForm::OnTpEdit() {
    const SatTpDatabase& db = session_->Database();
    int filter = session_->State().edit.satFilter;
    TpEditDlg dlg(db, TpEditDlg::Mode::Edit, TpIndexForRow(db, SelectedRow(), filter), filter,
                   this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->TpEdit(dlg.Input());
}

void MainForm::OnTpDelete() {
    session_->TpDelete();
}

void MainForm::OnTpSort() {
    TpSortDlg dlg(session_->Database(), this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->TpSort(dlg.Settings());
}

void MainForm::OnSatAdd() {
    SatAddDlg dlg(session_->Database(), this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->SatAdd(dlg.Input());
}

void MainForm::OnSatEdit() {
    SatAddDlg dlg(session_->Database(), this, session_->ChosenSatellite());
    if (modal::Run(dlg) == QDialog::Accepted) session_->SatEdit(dlg.Input());
}

void MainForm::OnSatDelete() {
    session_->SatDelete();
}

void MainForm::OnLnbEdit() {
    LnbEditDlg dlg(session_->Database(), SelectedRow(), this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->LnbEdit(dlg.Input());
}

void MainForm::OnPatchClicked() {
    session_->PatchCheckBoxesClicked();
}

}  // namespace velmora
