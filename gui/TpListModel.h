// The right-hand list of the main form: the transponders that pass the
// satellite filter, or the 16 LNB settings. The model reads the database
// directly, so showing 8000 transponders costs one pass to collect their
// indexes; the single-row edits are ordinary row signals.
#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "core/SatTpDatabase.h"

namespace velmora {

struct ListColumn {
    const char* heading;
    Qt::Alignment alignment;
    int width;  // pixels of the classic 8-point dialog font
    // The column takes the width the others leave free (never less than its own).
    bool stretches = false;
};

class TpListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Mode { Tps, Lnbs };

    explicit TpListModel(const SatTpDatabase& db, QObject* parent = nullptr);

    Mode ListMode() const { return mode_; }
    static const std::vector<ListColumn>& Columns(Mode mode);

    // Whole-list rebuilds.
    void ShowTps(int satFilter);
    void ShowLnbs();

    // Row-level updates after single edits.
    // The row it got; -1 when the list shows no transponders.
    int InsertTp(int tpIndex);
    void RefreshTp(int row, int tpIndex);
    void RemoveTp(int row);
    void RefreshLnb(int lnbIndex);

    // The transponder shown in row, -1 for none.
    int TpIndexAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The cell text of the list, as shown.
    QString CellText(int row, int column) const;

private:
    QString TpCell(int row, int column) const;
    QString LnbCell(int row, int column) const;

    const SatTpDatabase& db_;
    Mode mode_ = Mode::Tps;
    struct Row {
        int tpIndex;
        int number;  // the "No." column, kept apart so a removal renumbers explicitly
    };
    // The transponders shown, in row order.
    std::vector<Row> rows_;
};

}  // namespace velmora
