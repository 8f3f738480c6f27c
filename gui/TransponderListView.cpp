#include "gui/TransponderListView.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <algorithm>

#include "gui/DialogUnits.h"
#include "gui/ListFilter.h"
#include "session/SessionView.h"

namespace velmora {

TransponderListView::TransponderListView(QTableView& list, QLineEdit& find, const SatTpDatabase& db,
                                   QObject* parent)
    : QObject(parent),
      list_(list),
      find_(find),
      model_(new TpListModel(db, this)),
      filter_(new ListFilter(*model_, this)) {
    list_.setModel(filter_);
    SetUpHeadings();
    // Enter or a double click edits the row; in the LNB list, the LNB.
    connect(&list_, &QTableView::doubleClicked, this, [this](const QModelIndex&) {
        emit editRequested(model_->ListMode() == TpListModel::Mode::Tps ? FormControl::TpEdit
                                                                         : FormControl::LnbEdit);
    });
    connect(&find_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filter_->SetFindText(text);
        ReportMatches();
    });
    find_.installEventFilter(this);
    // A wider window widens the satellite column instead of leaving a gap.
    list_.viewport()->installEventFilter(this);
}

TransponderListView::~TransponderListView() {
    find_.removeEventFilter(this);
    list_.viewport()->removeEventFilter(this);
    list_.setModel(nullptr);
    delete filter_;
    delete model_;
}

void TransponderListView::SetUpHeadings() {
    QHeaderView* header = list_.horizontalHeader();
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
}

void TransponderListView::ReportMatches() {
    if (filter_->FindText().isEmpty()) {
        emit findReport(QString());
        return;
    }
    emit findReport(tr("%1 of %2 rows match \"%3\"")
                        .arg(filter_->rowCount())
                        .arg(model_->rowCount())
                        .arg(filter_->FindText()));
}

bool TransponderListView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_.viewport() && event->type() == QEvent::Resize) FitStretchingColumn();
    if (watched == &find_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            find_.clear();
            return true;
        }
        if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Return ||
            key->key() == Qt::Key_Enter) {
            FocusFirstRow();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TransponderListView::FocusFind() {
    find_.setFocus(Qt::ShortcutFocusReason);
    find_.selectAll();
}

void TransponderListView::FocusFirstRow() {
    list_.setFocus(Qt::OtherFocusReason);
    if (filter_->rowCount() == 0) return;
    list_.clearSelection();
    list_.setCurrentIndex(filter_->index(0, 0));
    list_.selectRow(0);
}

void TransponderListView::ClearFind() {
    find_.clear();
}

void TransponderListView::SelectSourceRow(int row) {
    QModelIndex at = filter_->mapFromSource(model_->index(row, 0));
    if (!at.isValid()) return;
    list_.clearSelection();
    list_.setCurrentIndex(at);
    list_.selectRow(at.row());
    list_.scrollTo(at);
}

void TransponderListView::ApplyColumns() {
    DialogUnits du(list_.font());
    const auto& columns = TpListModel::Columns(model_->ListMode());
    QHeaderView* header = list_.horizontalHeader();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        // A translated heading longer than the column widens it.
        const QString text =
            model_->headerData(static_cast<int>(i), Qt::Horizontal, Qt::DisplayRole).toString();
        const int heading = header->fontMetrics().horizontalAdvance(text) + du.ScaledPixels(12);
        header->resizeSection(static_cast<int>(i),
                              std::max(du.ScaledPixels(columns[i].width), heading));
    }
    FitStretchingColumn();
}

void TransponderListView::FitStretchingColumn() {
    const auto& columns = TpListModel::Columns(model_->ListMode());
    QHeaderView* header = list_.horizontalHeader();
    int stretching = -1;
    int others = 0;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].stretches) {
            stretching = static_cast<int>(i);
        } else {
            others += header->sectionSize(static_cast<int>(i));
        }
    }
    if (stretching < 0) return;
    DialogUnits du(list_.font());
    const int least = du.ScaledPixels(columns[static_cast<std::size_t>(stretching)].width);
    header->resizeSection(stretching, std::max(least, list_.viewport()->width() - others));
}

void TransponderListView::ShowTps(int satFilter) {
    bool another = model_->ListMode() != TpListModel::Mode::Tps || satFilter != shownFilter_;
    shownFilter_ = satFilter;
    model_->ShowTps(satFilter);
    ApplyColumns();
    // Another list starts at its top, not at the old one's scroll position.
    if (another) list_.scrollToTop();
    ReportMatches();
}

void TransponderListView::ShowLnbs() {
    model_->ShowLnbs();
    ApplyColumns();
    list_.scrollToTop();
    ReportMatches();
}

void TransponderListView::InsertTp(int tpIndex) {
    const int row = model_->InsertTp(tpIndex);
    if (row >= 0) list_.scrollTo(filter_->mapFromSource(model_->index(row, 0)));
    ReportMatches();
}

void TransponderListView::RefreshTp(int row, int tpIndex) {
    model_->RefreshTp(row, tpIndex);
}

void TransponderListView::RemoveTp(int row) {
    model_->RemoveTp(row);
    ReportMatches();
}

void TransponderListView::RefreshLnb(int lnbIndex) {
    model_->RefreshLnb(lnbIndex);
}

void TransponderListView::ScrollToTop() {
    list_.scrollToTop();
}

std::vector<int> TransponderListView::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& i : list_.selectionModel()->selectedRows()) {
        int row = filter_->mapToSource(i).row();
        if (row >= 0) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

}  // namespace velmora
