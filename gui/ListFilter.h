// What the find field and the column headers do to the list: they choose and
// order the rows shown, never the table. Each row keeps its "No.", the
// number it has in the unfiltered list, so the edit commands act on the
// transponder the user sees.
#pragma once

#include <QSortFilterProxyModel>

namespace velmora {

class TpListModel;

class ListFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit ListFilter(TpListModel& source, QObject* parent = nullptr);

    // Rows whose frequency, symbol rate, polarisation or satellite label
    // (LNB list: any column) contain text, case-insensitive; all rows for "".
    void SetFindText(const QString& text);
    const QString& FindText() const { return text_; }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    TpListModel& source_;
    QString text_;
};

}  // namespace velmora
