#include "app/velmoraView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

#include "app/DialogUnits.h"
#include "app/DisplayText.h"
#include "app/Images.h"
#include "app/LnbEditDlg.h"
#include "app/Modal.h"
#include "app/SatAddDlg.h"
#include "app/TpEditDlg.h"
#include "app/TpListModel.h"
#include "app/TpSortDlg.h"
#include "app/VelmoraDoc.h"
#include "link/PortInfo.h"
#include "link/PortNames.h"

namespace velmora {

namespace {

enum class Kind { Group, PortSelector, Progress, Text, Tree, List, Button, Check };

struct FormControlSpec {
    int id;  // 0 for the group boxes, which nothing addresses
    Kind kind;
    const char* caption;
    int x, y, width, height;  // dialog units
};

// The form, 577 by 343 dialog units.
constexpr int kFormWidth = 577;
constexpr int kFormHeight = 343;
constexpr FormControlSpec kForm[] = {
    {0, Kind::Group, "RS232 COMUNICATION", 7, 6, 166, 110},
    {IDC_PORT_SELECTOR, Kind::PortSelector, "", 15, 19, 52, 62},
    {IDC_PROGRESS, Kind::Progress, "", 15, 35, 142, 16},
    {IDC_STATUS, Kind::Text, "", 15, 57, 151, 10},
    {IDC_SOFT_LABEL, Kind::Text, "SOFT:", 15, 72, 151, 10},
    {IDC_ICON_LABEL, Kind::Text, "ICON:", 15, 85, 151, 10},
    {IDC_LOGO_LABEL, Kind::Text, "LOGO:", 15, 98, 151, 10},
    {IDC_TREE, Kind::Tree, "", 7, 117, 166, 219},
    {IDC_LIST, Kind::List, "", 174, 6, 344, 330},
    {0, Kind::Group, "TP", 521, 27, 49, 99},
    {IDC_TP_ADD, Kind::Button, "ADD", 525, 42, 38, 14},
    {IDC_TP_EDIT, Kind::Button, "EDIT", 525, 62, 38, 14},
    {IDC_TP_DELETE, Kind::Button, "DELETE", 525, 82, 38, 14},
    {IDC_TP_SORT, Kind::Button, "SORT", 525, 102, 38, 14},
    {0, Kind::Group, "SAT", 521, 134, 49, 60},
    {IDC_SAT_ADD, Kind::Button, "ADD", 525, 150, 38, 14},
    {IDC_SAT_DELETE, Kind::Button, "DELETE", 525, 170, 38, 14},
    {0, Kind::Group, "LNB", 521, 204, 49, 42},
    {IDC_LNB_EDIT, Kind::Button, "EDIT", 525, 220, 38, 14},
    {0, Kind::Group, "PATCH UP", 521, 253, 48, 83},
    {IDC_PATCH_SOFT, Kind::Check, "SOFT", 527, 268, 40, 10},
    {IDC_PATCH_ICON, Kind::Check, "ICON", 527, 284, 40, 10},
    {IDC_PATCH_LOGO, Kind::Check, "LOGO", 527, 300, 40, 10},
    {IDC_PATCH_SATTP, Kind::Check, "SAT TP", 527, 316, 40, 10},
};

QString Latin1(const char* text) {
    return QString::fromLatin1(text);
}

}  // namespace

CVelmoraView::CVelmoraView(CVelmoraDoc& doc, SessionOptions options, QWidget* parent)
    : QWidget(parent), doc_(doc), treeIcon_(TreeItemIcon()) {
    CreateControls();
    session_ = std::make_unique<Session>(*this, std::move(options));
    model_ = new CTpListModel(session_->Database(), this);
    list_->setModel(model_);
    ConnectButton(IDC_TP_ADD, &CVelmoraView::OnTpAdd);
    ConnectButton(IDC_TP_EDIT, &CVelmoraView::OnTpEdit);
    ConnectButton(IDC_TP_DELETE, &CVelmoraView::OnTpDelete);
    ConnectButton(IDC_TP_SORT, &CVelmoraView::OnTpSort);
    ConnectButton(IDC_SAT_ADD, &CVelmoraView::OnSatAdd);
    ConnectButton(IDC_SAT_DELETE, &CVelmoraView::OnSatDelete);
    ConnectButton(IDC_LNB_EDIT, &CVelmoraView::OnLnbEdit);
    for (int id : {IDC_PATCH_SOFT, IDC_PATCH_ICON, IDC_PATCH_LOGO, IDC_PATCH_SATTP}) {
        connect(static_cast<QCheckBox*>(Control(id)), &QCheckBox::clicked, this,
                &CVelmoraView::OnPatchClicked);
    }
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { OnTreeSelection(current); });
}

CVelmoraView::~CVelmoraView() {
    // The list reads the session's tables: it goes first.
    list_->setModel(nullptr);
    delete model_;
    while (waitCursors_ > 0) EndWaitCursor();
}

void CVelmoraView::CreateControls() {
    DialogUnits du(font());
    setFixedSize(du.Size(kFormWidth, kFormHeight));
    for (const FormControlSpec& c : kForm) {
        QWidget* w = nullptr;
        QRect r = du.Rect(c.x, c.y, c.width, c.height);
        switch (c.kind) {
            case Kind::Group:
                w = new QGroupBox(Latin1(c.caption), this);
                break;
            case Kind::PortSelector:
                // Editable, so that a device path can be typed as well.
                ports_ = new QComboBox(this);
                ports_->setEditable(true);
                ports_->setInsertPolicy(QComboBox::NoInsert);
                // The selector's tooltip names the device and adapter chosen.
                connect(ports_, &QComboBox::currentIndexChanged, ports_, [this](int index) {
                    ports_->setToolTip(ports_->itemData(index, Qt::ToolTipRole).toString());
                });
                // The given height includes the opened list.
                r.setHeight(ports_->sizeHint().height());
                w = ports_;
                break;
            case Kind::Progress: {
                auto* progress = new QProgressBar(this);
                progress->setRange(0, 100);
                progress->setValue(0);
                progress->setTextVisible(false);
                w = progress;
                break;
            }
            case Kind::Text: {
                auto* label = new QLabel(Latin1(c.caption), this);
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                w = label;
                break;
            }
            case Kind::Tree:
                tree_ = new QTreeWidget(this);
                tree_->setHeaderHidden(true);
                tree_->setRootIsDecorated(true);
                tree_->setSelectionMode(QAbstractItemView::SingleSelection);
                tree_->setIconSize(QSize(16, 16));
                tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
                w = tree_;
                break;
            case Kind::List: {
                list_ = new QTableView(this);
                list_->setSelectionBehavior(QAbstractItemView::SelectRows);
                list_->setSelectionMode(QAbstractItemView::SingleSelection);
                list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
                list_->setShowGrid(true);
                list_->setWordWrap(false);
                list_->setCornerButtonEnabled(false);
                list_->verticalHeader()->hide();
                // Uniform rows keep 8000 of them as cheap as 16.
                list_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
                list_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
                list_->horizontalHeader()->setSectionsMovable(true);
                list_->horizontalHeader()->setStretchLastSection(false);
                list_->horizontalHeader()->setHighlightSections(false);
                QPalette pal = list_->palette();
                pal.setColor(QPalette::Text, Qt::black);
                pal.setColor(QPalette::Base, Qt::white);
                list_->setPalette(pal);
                w = list_;
                break;
            }
            case Kind::Button:
                w = new QPushButton(Latin1(c.caption), this);
                break;
            case Kind::Check:
                w = new QCheckBox(Latin1(c.caption), this);
                break;
        }
        w->setGeometry(r);
        if (c.kind == Kind::Group) w->lower();
        if (c.id != 0) controls_[c.id] = w;
    }
}

QWidget* CVelmoraView::Control(int controlId) const {
    auto it = controls_.find(controlId);
    return it == controls_.end() ? nullptr : it->second;
}

void CVelmoraView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (initialUpdateDone_) return;
    initialUpdateDone_ = true;
    session_->StartUp();
    emit stateChanged();
}

// ---- port selector, texts, progress, buttons, check boxes -------------------

void CVelmoraView::AddPortName(const std::string& name) {
    // The selector is sorted: a name goes before the first greater one.
    QString text = DisplayText(name);
    int at = 0;
    while (at < ports_->count() && ports_->itemText(at).compare(text, Qt::CaseInsensitive) <= 0) {
        ++at;
    }
    ports_->insertItem(at, text);
    // "/dev/ttyUSB0, FTDI FT232R USB UART": which of several adapters is which.
    const std::string device = ResolvePortDevice(name);
    const std::string adapter = device.empty() ? std::string()
                                               : AdapterDescription(PortSystem::Default(), device);
    const std::string tip = adapter.empty() ? device : device + ", " + adapter;
    ports_->setItemData(at, QString::fromStdString(tip), Qt::ToolTipRole);
    if (ports_->currentIndex() == at) ports_->setToolTip(QString::fromStdString(tip));
}

void CVelmoraView::SelectPortIndex(int index) {
    ports_->setCurrentIndex(index);
}

std::string CVelmoraView::SelectedPortName() {
    return QFile::encodeName(ports_->currentText()).toStdString();
}

void CVelmoraView::EnablePortSelector(bool enable) {
    ports_->setEnabled(enable);
}

void CVelmoraView::SetControlText(int controlId, const std::string& text) {
    if (auto* label = qobject_cast<QLabel*>(Control(controlId))) label->setText(DisplayText(text));
}

void CVelmoraView::SetProgressRange(int maximum) {
    auto* progress = static_cast<QProgressBar*>(Control(IDC_PROGRESS));
    progress->setRange(0, std::max(0, maximum));
}

void CVelmoraView::SetProgressPos(int position) {
    static_cast<QProgressBar*>(Control(IDC_PROGRESS))->setValue(position);
}

void CVelmoraView::EnableControl(int controlId, bool enable) {
    if (QWidget* w = Control(controlId)) w->setEnabled(enable);
}

void CVelmoraView::SetCheck(int controlId, bool checked) {
    if (auto* box = qobject_cast<QCheckBox*>(Control(controlId))) box->setChecked(checked);
}

bool CVelmoraView::GetCheck(int controlId) {
    auto* box = qobject_cast<QCheckBox*>(Control(controlId));
    return box != nullptr && box->isChecked();
}

// ---- modal windows, title, cursor, message pump -----------------------------

std::optional<std::string> CVelmoraView::AskOpenFile(const FileDialogRequest& dialog) {
    auto path = modal::OpenFileName(this, DisplayText(dialog.title), DisplayText(dialog.filter));
    if (!path) return std::nullopt;
    return QFile::encodeName(*path).toStdString();
}

std::optional<std::string> CVelmoraView::AskSaveFile(const FileDialogRequest& dialog) {
    auto path = modal::SaveFileName(this, DisplayText(dialog.title), DisplayText(dialog.filter),
                                    DisplayText(dialog.defaultExtension));
    if (!path) return std::nullopt;
    return QFile::encodeName(*path).toStdString();
}

void CVelmoraView::ShowMessage(const std::string& text) {
    modal::Notice(this, DisplayText(text));
}

SaveChangesAnswer CVelmoraView::AskSaveChanges(const std::string& question) {
    switch (modal::AskYesNoCancel(this, DisplayText(question))) {
        case QMessageBox::Yes:
            return SaveChangesAnswer::Yes;
        case QMessageBox::No:
            return SaveChangesAnswer::No;
        default:
            return SaveChangesAnswer::Cancel;
    }
}

bool CVelmoraView::AskYesNo(const std::string& question) {
    return modal::AskYesNo(this, DisplayText(question));
}

void CVelmoraView::SetTitle(const std::string& title) {
    doc_.SetTitle(DisplayText(title));
}

void CVelmoraView::BeginWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++waitCursors_;
}

void CVelmoraView::EndWaitCursor() {
    if (waitCursors_ == 0) return;
    --waitCursors_;
    QApplication::restoreOverrideCursor();
}

void CVelmoraView::PumpOnce() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void CVelmoraView::StateChanged() {
    emit stateChanged();
}

// ---- tree --------------------------------------------------------------------

void CVelmoraView::RebuildSatTree() {
    treeRebuilding = 1;
    const SatTpDatabase& db = session_->Database();
    tree_->clear();
    rootItem = new QTreeWidgetItem(QStringList(QStringLiteral("All Satellites")));
    rootItem->setIcon(0, treeIcon_);
    QList<QTreeWidgetItem*> children;
    children.reserve(std::max(0, db.satCount));
    for (int i = 0; i < db.satCount && i < MAX_SATELLITES; ++i) {
        auto* item = new QTreeWidgetItem(QStringList(DisplayText(SatelliteLabel(db, i))));
        item->setIcon(0, treeIcon_);
        children << item;
    }
    rootItem->addChildren(children);
    tree_->addTopLevelItem(rootItem);
    tree_->setCurrentItem(rootItem);
    treeRebuilding = 0;
}

void CVelmoraView::AppendSatItem(int satIndex) {
    if (rootItem == nullptr) return;
    auto* item = new QTreeWidgetItem(
        QStringList(DisplayText(SatelliteLabel(session_->Database(), satIndex))));
    item->setIcon(0, treeIcon_);
    rootItem->addChild(item);
}

void CVelmoraView::OnTreeSelection(QTreeWidgetItem* current) {
    if (treeRebuilding || current == nullptr) return;
    QTreeWidgetItem* parent = current->parent();
    if (parent == nullptr) {
        session_->TreeSelectionChanged(true, {});
    } else if (parent->parent() == nullptr) {
        // Items show decoded names, so they are matched against the decoded
        // labels; the session then finds the satellite by its own bytes.
        const SatTpDatabase& db = session_->Database();
        QString text = current->text(0);
        std::string label = text.toStdString();
        for (int i = 0; i < db.satCount && i < MAX_SATELLITES; ++i) {
            std::string candidate = SatelliteLabel(db, i);
            if (DisplayText(candidate) == text) {
                label = candidate;
                break;
            }
        }
        session_->TreeSelectionChanged(false, label);
    }
    emit stateChanged();
}

// ---- list --------------------------------------------------------------------

void CVelmoraView::ApplyListColumns() {
    DialogUnits du(font());
    const auto& columns = CTpListModel::Columns(model_->ListMode());
    QHeaderView* header = list_->horizontalHeader();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        header->resizeSection(static_cast<int>(i), du.ScaledPixels(columns[i].width));
    }
}

void CVelmoraView::ShowTpList(int satFilter) {
    model_->ShowTps(satFilter);
    ApplyListColumns();
}

void CVelmoraView::ShowLnbList() {
    model_->ShowLnbs();
    ApplyListColumns();
}

int CVelmoraView::SelectedRow() {
    const QModelIndexList rows = list_->selectionModel()->selectedRows();
    int first = -1;
    for (const QModelIndex& i : rows) {
        if (first < 0 || i.row() < first) first = i.row();
    }
    return first < 0 ? 0 : first;
}

void CVelmoraView::AppendTpRow(int tpIndex) {
    model_->AppendTp(tpIndex);
    list_->scrollToBottom();
}

void CVelmoraView::RefreshTpRow(int row, int tpIndex) {
    model_->RefreshTp(row, tpIndex);
}
void CVelmoraView::RemoveTpRow(int row) {
    model_->RemoveTp(row);
}
void CVelmoraView::RefreshLnbRow(int lnbIndex) {
    model_->RefreshLnb(lnbIndex);
}

// ---- form buttons --------------------------------------------------------------

void CVelmoraView::ConnectButton(int controlId, void (CVelmoraView::*handler)()) {
    connect(static_cast<QPushButton*>(Control(controlId)), &QPushButton::clicked, this,
            [this, controlId, handler] {
                // The session refuses edits while an operation sends or
                // receives the tables; no dialog should collect one then.
                if (!ButtonEnabled(controlId) || session_->State().flags.busyFlag) return;
                (this->*handler)();
                emit stateChanged();
            });
}

bool CVelmoraView::ButtonEnabled(int controlId) const {
    QWidget* w = Control(controlId);
    return w != nullptr && w->isEnabled();
}

void CVelmoraView::OnTpAdd() {
    const SatTpDatabase& db = session_->Database();
    int filter = session_->State().edit.satFilter;
    CTpEditDlg dlg(db, CTpEditDlg::Mode::Add, TpIndexForRow(db, SelectedRow(), filter), filter,
                   this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->TpAdd(dlg.Input());
}

void CVelmoraView::OnTpEdit() {
    const SatTpDatabase& db = session_->Database();
    int filter = session_->State().edit.satFilter;
    CTpEditDlg dlg(db, CTpEditDlg::Mode::Edit, TpIndexForRow(db, SelectedRow(), filter), filter,
                   this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->TpEdit(dlg.Input());
}

void CVelmoraView::OnTpDelete() {
    session_->TpDelete();
}

void CVelmoraView::OnTpSort() {
    CTpSortDlg dlg(session_->Database(), this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->TpSort(dlg.Settings());
}

void CVelmoraView::OnSatAdd() {
    CSatAddDlg dlg(session_->Database(), this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->SatAdd(dlg.Input());
}

void CVelmoraView::OnSatDelete() {
    session_->SatDelete();
}

void CVelmoraView::OnLnbEdit() {
    CLnbEditDlg dlg(session_->Database(), SelectedRow(), this);
    if (modal::Run(dlg) == QDialog::Accepted) session_->LnbEdit(dlg.Input());
}

void CVelmoraView::OnPatchClicked() {
    session_->PatchCheckBoxesClicked();
}

}  // namespace velmora
