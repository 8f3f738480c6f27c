#include "gui/ListFilter.h"

#include "gui/TpListModel.h"

namespace velmora {

namespace {

// The columns find looks at in the transponder list: satellite, frequency,
// polarisation and symbol rate.
constexpr int kTpFindColumns[] = {1, 3, 4, 5};

}  // namespace

ListFilter::ListFilter(TpListModel& source, QObject* parent)
    : QSortFilterProxyModel(parent), source_(source) {
    setSourceModel(&source);
}

void ListFilter::SetFindText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    invalidateFilter();
}

bool ListFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const {
    if (text_.isEmpty()) return true;
    auto contains = [&](int column) {
        return source_.CellText(sourceRow, column).contains(text_, Qt::CaseInsensitive);
    };
    if (source_.ListMode() == TpListModel::Mode::Tps) {
        for (int column : kTpFindColumns) {
            if (contains(column)) return true;
        }
        return false;
    }
    for (int column = 1; column < source_.columnCount(); ++column) {
        if (contains(column)) return true;
    }
    return false;
}

bool ListFilter::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    // Numbers sort as numbers; text as shown.
    QString a = source_.CellText(left.row(), left.column());
    QString b = source_.CellText(right.row(), right.column());
    bool numberA = false;
    bool numberB = false;
    qlonglong x = a.toLongLong(&numberA);
    qlonglong y = b.toLongLong(&numberB);
    if (numberA && numberB && x != y) return x < y;
    if (numberA != numberB) return numberA;
    int c = a.compare(b, Qt::CaseInsensitive);
    if (c != 0) return c < 0;
    return left.row() < right.row();  // equal keys keep the table order
}

}  // namespace velmora
