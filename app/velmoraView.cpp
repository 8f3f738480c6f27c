#include "app/velmoraView.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTreeWidget>

#include "app/DialogUnits.h"
#include "app/DisplayText.h"
#include "app/Images.h"
#include "app/ListFilter.h"
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

enum class Kind { Group, PortSelector, Progress, Text, Tree, List, Find, Button, Check };

// How a control follows a window larger than the form: the tree and the list
// take the extra space, the column of buttons on the right moves with the
// right edge, everything else stays where it is.
enum Anchor : int { kStay = 0, kGrowWidth = 1, kGrowHeight = 2, kFollowRight = 4 };

struct FormControlSpec {
    int id;  // 0 for the group boxes, which nothing addresses
    Kind kind;
    const char* caption;
    int x, y, width, height;  // dialog units
    int anchor;
};

// The form, 577 by 343 dialog units.
constexpr int kFormWidth = 577;
constexpr int kFormHeight = 343;
constexpr FormControlSpec kForm[] = {
    {0, Kind::Group, "RS232 COMUNICATION", 7, 6, 166, 110, kStay},
    {IDC_PORT_SELECTOR, Kind::PortSelector, "", 15, 19, 52, 62, kStay},
    {IDC_PROGRESS, Kind::Progress, "", 15, 35, 142, 16, kStay},
    {IDC_STATUS, Kind::Text, "", 15, 57, 151, 10, kStay},
    {IDC_SOFT_LABEL, Kind::Text, "SOFT:", 15, 72, 151, 10, kStay},
    {IDC_ICON_LABEL, Kind::Text, "ICON:", 15, 85, 151, 10, kStay},
    {IDC_LOGO_LABEL, Kind::Text, "LOGO:", 15, 98, 151, 10, kStay},
    {IDC_TREE, Kind::Tree, "", 7, 117, 166, 219, kGrowHeight},
    {IDC_FIND, Kind::Find, "", 174, 6, 344, 12, kGrowWidth},
    {IDC_LIST, Kind::List, "", 174, 20, 344, 316, kGrowWidth | kGrowHeight},
    {0, Kind::Group, "TP", 521, 27, 49, 99, kFollowRight},
    {IDC_TP_ADD, Kind::Button, "ADD", 525, 42, 38, 14, kFollowRight},
    {IDC_TP_EDIT, Kind::Button, "EDIT", 525, 62, 38, 14, kFollowRight},
    {IDC_TP_DELETE, Kind::Button, "DELETE", 525, 82, 38, 14, kFollowRight},
    {IDC_TP_SORT, Kind::Button, "SORT", 525, 102, 38, 14, kFollowRight},
    {0, Kind::Group, "SAT", 521, 130, 49, 76, kFollowRight},
    {IDC_SAT_ADD, Kind::Button, "ADD", 525, 144, 38, 14, kFollowRight},
    {IDC_SAT_EDIT, Kind::Button, "EDIT", 525, 164, 38, 14, kFollowRight},
    {IDC_SAT_DELETE, Kind::Button, "DELETE", 525, 184, 38, 14, kFollowRight},
    {0, Kind::Group, "LNB", 521, 209, 49, 38, kFollowRight},
    {IDC_LNB_EDIT, Kind::Button, "EDIT", 525, 224, 38, 14, kFollowRight},
    {0, Kind::Group, "PATCH UP", 521, 253, 48, 83, kFollowRight},
    {IDC_PATCH_SOFT, Kind::Check, "SOFT", 527, 268, 40, 10, kFollowRight},
    {IDC_PATCH_ICON, Kind::Check, "ICON", 527, 284, 40, 10, kFollowRight},
    {IDC_PATCH_LOGO, Kind::Check, "LOGO", 527, 300, 40, 10, kFollowRight},
    {IDC_PATCH_SATTP, Kind::Check, "SAT TP", 527, 316, 40, 10, kFollowRight},
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
    filter_ = new CListFilter(*model_, this);
    list_->setModel(filter_);
    SetUpListAndFind();
    ConnectButton(IDC_TP_ADD, &CVelmoraView::OnTpAdd);
    ConnectButton(IDC_TP_EDIT, &CVelmoraView::OnTpEdit);
    ConnectButton(IDC_TP_DELETE, &CVelmoraView::OnTpDelete);
    ConnectButton(IDC_TP_SORT, &CVelmoraView::OnTpSort);
    ConnectButton(IDC_SAT_ADD, &CVelmoraView::OnSatAdd);
    ConnectButton(IDC_SAT_EDIT, &CVelmoraView::OnSatEdit);
    ConnectButton(IDC_SAT_DELETE, &CVelmoraView::OnSatDelete);
    ConnectButton(IDC_LNB_EDIT, &CVelmoraView::OnLnbEdit);
    for (int id : {IDC_PATCH_SOFT, IDC_PATCH_ICON, IDC_PATCH_LOGO, IDC_PATCH_SATTP}) {
        connect(static_cast<QCheckBox*>(Control(id)), &QCheckBox::clicked, this,
                &CVelmoraView::OnPatchClicked);
    }
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { OnTreeSelection(current); });
    // A double click on a satellite edits it.
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
        if (item != nullptr && item->parent() != nullptr) PressButton(IDC_SAT_EDIT);
    });
    connect(ports_, &CPortSelector::aboutToShowList, this, &CVelmoraView::ListPortsAgain);
}

void CVelmoraView::SetUpListAndFind() {
    QHeaderView* header = list_->horizontalHeader();
    // A click on a heading orders the view by that column; the table stays.
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    connect(header, &QHeaderView::sectionClicked, this, [this, header](int column) {
        Qt::SortOrder order = header->sortIndicatorSection() == column &&
                                      header->sortIndicatorOrder() == Qt::AscendingOrder &&
                                      header->isSortIndicatorShown()
                                  ? Qt::DescendingOrder
                                  : Qt::AscendingOrder;
        header->setSortIndicatorShown(true);
        header->setSortIndicator(column, order);
        filter_->sort(column, order);
    });
    // Enter or a double click edits the row; in the LNB list, the LNB.
    connect(list_, &QTableView::doubleClicked, this, [this](const QModelIndex&) {
        PressButton(model_->ListMode() == CTpListModel::Mode::Tps ? IDC_TP_EDIT : IDC_LNB_EDIT);
    });
    connect(find_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->SetFindText(text);
        ReportMatches();
    });
}

void CVelmoraView::ReportMatches() {
    if (filter_->FindText().isEmpty()) {
        emit findReport(QString());
        return;
    }
    emit findReport(QStringLiteral("%1 of %2 rows match \"%3\"")
                        .arg(filter_->rowCount())
                        .arg(model_->rowCount())
                        .arg(filter_->FindText()));
}

bool CVelmoraView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == find_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            find_->clear();
            return true;
        }
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Return ||
            key->key() == Qt::Key_Enter) {
            FocusFirstRow();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CVelmoraView::FocusFind() {
    find_->setFocus(Qt::ShortcutFocusReason);
    find_->selectAll();
}

void CVelmoraView::FocusFirstRow() {
    list_->setFocus(Qt::OtherFocusReason);
    if (filter_->rowCount() == 0) return;
    list_->clearSelection();
    list_->setCurrentIndex(filter_->index(0, 0));
    list_->selectRow(0);
}

void CVelmoraView::SelectFinding(const TableFinding& finding) {
    if (finding.table == FindingTable::Satellite) {
        SelectSatItemAsUser(finding.index);
        return;
    }
    find_->clear();
    if (finding.table == FindingTable::Lnb) {
        session_->DisplayLnb();
    } else {
        // All satellites: a transponder's row is then its index in the table.
        SelectSatItemAsUser(-1);
    }
    QModelIndex at = filter_->mapFromSource(model_->index(finding.index, 0));
    if (!at.isValid()) return;
    list_->clearSelection();
    list_->setCurrentIndex(at);
    list_->selectRow(at.row());
    list_->scrollTo(at);
    emit stateChanged();
}

void CVelmoraView::SelectSatItemAsUser(int satIndex) {
    if (rootItem == nullptr) return;
    QTreeWidgetItem* item = satIndex >= 0 && satIndex < rootItem->childCount()
                                ? rootItem->child(satIndex)
                                : rootItem;
    if (tree_->currentItem() == item) {
        OnTreeSelection(item);
    } else {
        tree_->setCurrentItem(item);
    }
    tree_->scrollToItem(item);
}

void CVelmoraView::PressButton(int controlId) {
    if (auto* button = qobject_cast<QPushButton*>(Control(controlId))) button->click();
}

void CVelmoraView::ListPortsAgain() {
    // A USB adapter plugged in after start-up appears; the choice stays.
    QString current = ports_->currentText();
    ports_->blockSignals(true);
    ports_->clear();
    for (const std::string& name : session_->ProbePortNames()) AddPortName(name);
    int at = ports_->findText(current);
    if (at >= 0) {
        ports_->setCurrentIndex(at);
    } else {
        ports_->setEditText(current);
    }
    ports_->blockSignals(false);
}

CVelmoraView::~CVelmoraView() {
    // The list reads the session's tables: it goes first.
    list_->setModel(nullptr);
    delete filter_;
    delete model_;
    while (waitCursors_ > 0) EndWaitCursor();
}

void CVelmoraView::CreateControls() {
    DialogUnits du(font());
    // The form's size is the smallest; a larger window gives the tree and
    // the list more room.
    formSize_ = du.Size(kFormWidth, kFormHeight);
    setMinimumSize(formSize_);
    resize(formSize_);
    for (const FormControlSpec& c : kForm) {
        QWidget* w = nullptr;
        QRect r = du.Rect(c.x, c.y, c.width, c.height);
        switch (c.kind) {
            case Kind::Group:
                w = new QGroupBox(Latin1(c.caption), this);
                break;
            case Kind::Find:
                find_ = new QLineEdit(this);
                find_->setPlaceholderText(QStringLiteral("Find (Ctrl+F)"));
                find_->setClearButtonEnabled(true);
                find_->installEventFilter(this);
                w = find_;
                break;
            case Kind::PortSelector:
                // Editable, so that a device path can be typed as well; the
                // ports are listed again each time the list opens.
                ports_ = new CPortSelector(this);
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
                list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
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
        placed_.push_back({w, r, c.anchor});
    }
}

void CVelmoraView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    int dx = std::max(0, width() - formSize_.width());
    int dy = std::max(0, height() - formSize_.height());
    for (const Placed& p : placed_) {
        QRect r = p.rect;
        if (p.anchor & kFollowRight) r.translate(dx, 0);
        if (p.anchor & kGrowWidth) r.setWidth(r.width() + dx);
        if (p.anchor & kGrowHeight) r.setHeight(r.height() + dy);
        p.widget->setGeometry(r);
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
    // A rebuild keeps the tree opened or closed as the user left it.
    bool expanded = rootItem != nullptr && rootItem->isExpanded();
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
    rootItem->setExpanded(expanded);
    tree_->setCurrentItem(rootItem);
    treeRebuilding = 0;
    // Other tables: the list starts at its top.
    list_->scrollToTop();
}

void CVelmoraView::SelectSatItem(int satIndex) {
    if (rootItem == nullptr || satIndex < 0 || satIndex >= rootItem->childCount()) return;
    treeRebuilding = 1;
    tree_->setCurrentItem(rootItem->child(satIndex));
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
    bool another = model_->ListMode() != CTpListModel::Mode::Tps || satFilter != shownFilter_;
    shownFilter_ = satFilter;
    model_->ShowTps(satFilter);
    ApplyListColumns();
    // Another list starts at its top, not at the old one's scroll position.
    if (another) list_->scrollToTop();
    ReportMatches();
}

void CVelmoraView::ShowLnbList() {
    model_->ShowLnbs();
    ApplyListColumns();
    list_->scrollToTop();
    ReportMatches();
}

std::vector<int> CVelmoraView::SelectedRows() {
    // Rows of the list as the session counts them: before find and sorting.
    std::vector<int> rows;
    for (const QModelIndex& i : list_->selectionModel()->selectedRows()) {
        int row = filter_->mapToSource(i).row();
        if (row >= 0) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int CVelmoraView::SelectedRow() {
    std::vector<int> rows = SelectedRows();
    return rows.empty() ? 0 : rows.front();
}

void CVelmoraView::RefreshSatItem(int satIndex) {
    if (rootItem == nullptr || satIndex < 0 || satIndex >= rootItem->childCount()) return;
    rootItem->child(satIndex)->setText(
        0, DisplayText(SatelliteLabel(session_->Database(), satIndex)));
}

void CVelmoraView::AppendTpRow(int tpIndex) {
    model_->AppendTp(tpIndex);
    list_->scrollToBottom();
    ReportMatches();
}

void CVelmoraView::RefreshTpRow(int row, int tpIndex) {
    model_->RefreshTp(row, tpIndex);
}
void CVelmoraView::RemoveTpRow(int row) {
    model_->RemoveTp(row);
    ReportMatches();
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

void CVelmoraView::OnSatEdit() {
    CSatAddDlg dlg(session_->Database(), this, session_->ChosenSatellite());
    if (modal::Run(dlg) == QDialog::Accepted) session_->SatEdit(dlg.Input());
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
