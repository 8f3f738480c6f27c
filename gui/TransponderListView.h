// The list of the form with its find field: the transponders the tree chose,
// or the LNBs. Find and the column headings choose and order the rows shown;
// the rows the session counts are those before either.
#pragma once

#include <QObject>
#include <vector>

#include "gui/TpListModel.h"
#include "session/SessionView.h"

class QLineEdit;
class QTableView;

namespace velmora {

class ListFilter;

class TransponderListView : public QObject {
    Q_OBJECT
public:
    TransponderListView(QTableView& list, QLineEdit& find, const SatTpDatabase& db, QObject* parent);
    // The list reads the session's tables: it lets go of them first.
    ~TransponderListView() override;

    TpListModel* Model() const { return model_; }
    ListFilter* Filter() const { return filter_; }

    // Ctrl+F: the find field takes the keys.
    void FocusFind();
    // The list takes the focus with its first visible row selected.
    void FocusFirstRow();
    // Selects and shows the row of the unfiltered list (find is cleared).
    void SelectSourceRow(int row);
    void ClearFind();

    void ShowTps(int satFilter);
    void ShowLnbs();
    void InsertTp(int tpIndex);
    void RefreshTp(int row, int tpIndex);
    void RemoveTp(int row);
    void RefreshLnb(int lnbIndex);
    void ScrollToTop();
    // Rows as the session counts them, ascending.
    std::vector<int> SelectedRows() const;

signals:
    // "12 of 96 rows match "astra"", or empty when find is not in use.
    void findReport(const QString& text);
    // Enter or a double click on a row: the edit button for it (TP or LNB).
    void editRequested(FormControl controlId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetUpHeadings();
    void ApplyColumns();
    // The stretching column fills what the list's width leaves free.
    void FitStretchingColumn();
    void ReportMatches();

    QTableView& list_;
    QLineEdit& find_;
    TpListModel* model_;
    ListFilter* filter_;
    int shownFilter_ = -2;
};

}  // namespace velmora
