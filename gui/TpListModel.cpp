#include "gui/TpListModel.h"

#include <QCoreApplication>
#include <algorithm>

#include "gui/DisplayText.h"

namespace velmora {

namespace {

constexpr Qt::Alignment kCentre = Qt::AlignCenter;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

const std::vector<ListColumn> kTpColumns = {
    {QT_TRANSLATE_NOOP("TpListModel", "No."), kCentre, 40},
    {QT_TRANSLATE_NOOP("TpListModel", "Satellite"), kLeft, 220, true},
    {QT_TRANSLATE_NOOP("TpListModel", "LNB"), kLeft, 35},
    {QT_TRANSLATE_NOOP("TpListModel", "Freq"), kCentre, 50},
    {QT_TRANSLATE_NOOP("TpListModel", "Pol"), kCentre, 35},
    {QT_TRANSLATE_NOOP("TpListModel", "SR"), kCentre, 50},
    {QT_TRANSLATE_NOOP("TpListModel", "UNIQUE"), kCentre, 50},
};

const std::vector<ListColumn> kLnbColumns = {
    {QT_TRANSLATE_NOOP("TpListModel", "No."), kCentre, 40},
    {QT_TRANSLATE_NOOP("TpListModel", "Type"), kCentre, 80},
    {QT_TRANSLATE_NOOP("TpListModel", "Power"), kCentre, 50},
    {QT_TRANSLATE_NOOP("TpListModel", "Dish"), kCentre, 50},
    {QT_TRANSLATE_NOOP("TpListModel", "DiSEqC Switch"), kCentre, 90},
    {QT_TRANSLATE_NOOP("TpListModel", "DiSEqC Input"), kCentre, 90},
    {QT_TRANSLATE_NOOP("TpListModel", "22 kHz"), kCentre, 60},
};

}  // namespace

TpListModel::TpListModel(const SatTpDatabase& db, QObject* parent)
    : QAbstractTableModel(parent), db_(db) {}

const std::vector<ListColumn>& TpListModel::Columns(Mode mode) {
    return mode == Mode::Tps ? kTpColumns : kLnbColumns;
}

void TpListModel::ShowTps(int satFilter) {
    beginResetModel();
    mode_ = Mode::Tps;
    rows_.clear();
    rows_.reserve(static_cast<std::size_t>(std::max(0, db_.tpCount)));
    for (int t = 0; t < db_.tpCount && t < MAX_TPS; ++t) {
        if (satFilter == -1 || db_.tps[t].satIndex == satFilter) {
            rows_.push_back({t, static_cast<int>(rows_.size()) + 1});
        }
    }
    endResetModel();
}

void TpListModel::ShowLnbs() {
    beginResetModel();
    mode_ = Mode::Lnbs;
    rows_.clear();
    endResetModel();
}

int TpListModel::InsertTp(int tpIndex) {
    if (mode_ != Mode::Tps || tpIndex < 0) return -1;
    // After the rows of the transponders that stand before it in the table.
    auto at = std::lower_bound(rows_.begin(), rows_.end(), tpIndex,
                               [](const Row& r, int t) { return r.tpIndex < t; });
    int row = static_cast<int>(at - rows_.begin());
    beginInsertRows({}, row, row);
    // The transponders behind it moved up one table slot.
    for (auto k = at; k != rows_.end(); ++k) ++k->tpIndex;
    rows_.insert(at, Row{tpIndex, row + 1});
    endInsertRows();
    for (std::size_t k = static_cast<std::size_t>(row) + 1; k < rows_.size(); ++k) {
        rows_[k].number = static_cast<int>(k) + 1;
    }
    if (row + 1 < rowCount()) emit dataChanged(index(row + 1, 0), index(rowCount() - 1, 0));
    return row;
}

void TpListModel::RefreshTp(int row, int tpIndex) {
    if (mode_ != Mode::Tps || row < 0 || row >= rowCount()) return;
    rows_[static_cast<std::size_t>(row)].tpIndex = tpIndex;
    emit dataChanged(index(row, 1), index(row, columnCount() - 1));
}

void TpListModel::RemoveTp(int row) {
    if (mode_ != Mode::Tps || row < 0 || row >= rowCount()) return;
    beginRemoveRows({}, row, row);
    rows_.erase(rows_.begin() + row);
    // The transponders behind the removed one moved down one table slot.
    for (std::size_t k = static_cast<std::size_t>(row); k < rows_.size(); ++k) --rows_[k].tpIndex;
    endRemoveRows();
    // Then the rows that moved up are numbered again.
    for (std::size_t k = static_cast<std::size_t>(row); k < rows_.size(); ++k) {
        rows_[k].number = static_cast<int>(k) + 1;
    }
    if (row < rowCount()) emit dataChanged(index(row, 0), index(rowCount() - 1, 0));
}

void TpListModel::RefreshLnb(int lnbIndex) {
    if (mode_ != Mode::Lnbs || lnbIndex < 0 || lnbIndex >= LNB_COUNT) return;
    emit dataChanged(index(lnbIndex, 1), index(lnbIndex, columnCount() - 1));
}

int TpListModel::TpIndexAt(int row) const {
    if (mode_ != Mode::Tps || row < 0 || row >= rowCount()) return -1;
    return rows_[static_cast<std::size_t>(row)].tpIndex;
}

int TpListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return mode_ == Mode::Tps ? static_cast<int>(rows_.size()) : LNB_COUNT;
}

int TpListModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(Columns(mode_).size());
}

QVariant TpListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
    if (role == Qt::DisplayRole) {
        // The filter and sort read CellText; only the view gets the marks.
        QString text = CellText(index.row(), index.column());
        return mode_ == Mode::Tps && index.column() == 1 ? ShownLeftToRight(text) : text;
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(
            Columns(mode_)[static_cast<std::size_t>(index.column())].alignment);
    }
    return {};
}

QVariant TpListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
    const ListColumn& c = Columns(mode_)[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return QCoreApplication::translate("TpListModel", c.heading);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(c.alignment);
    return {};
}

QString TpListModel::CellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) return {};
    return mode_ == Mode::Tps ? TpCell(row, column) : LnbCell(row, column);
}

QString TpListModel::TpCell(int row, int column) const {
    const Row& r = rows_[static_cast<std::size_t>(row)];
    if (column == 0) return QString::number(r.number);
    int t = r.tpIndex;
    // The tables can shrink under a list that is about to be rebuilt.
    if (t < 0 || t >= db_.tpCount || t >= MAX_TPS) return {};
    const TpRecord& tp = db_.tps[t];
    switch (column) {
        case 1:
            return DisplayText(SatelliteLabel(db_, tp.satIndex));
        case 2:
            if (tp.satIndex >= MAX_SATELLITES) return {};
            return QString::number((db_.satellites[tp.satIndex].lnbIndex & 0x0F) + 1);
        case 3:
            return QString::number(tp.frequency);
        case 4:
            return QString(QLatin1Char((tp.flags & TP_FLAG_VERTICAL) ? 'V' : 'H'));
        case 5:
            return QString::number(tp.symbolRate);
        default:
            return QString(QLatin1Char((tp.flags & TP_FLAG_UNIQUE) ? 'Y' : ' '));
    }
}

namespace {

// The LNB values are single words the core marks ("Off", "Fixed"); a plain
// lookup is enough, and the list asks for them on every repaint.
QString LnbWord(const char* word) { return QCoreApplication::translate("Core", word); }

}  // namespace

QString TpListModel::LnbCell(int row, int column) const {
    const LnbRecord& l = db_.lnbs[row];
    switch (column) {
        case 0:
            return QString::number(row + 1);
        case 1:
            return QString::fromStdString(LnbTypeText(l.type, l.loFrequency));
        case 2:
            return LnbWord(PowerText(l.power));
        case 3:
            return LnbWord(DishText(l.dish));
        case 4:
            return LnbWord(DiseqcSwitchText(l.diseqcSwitch));
        case 5:
            return LnbWord(DiseqcInputText(l.diseqcSwitch, l.diseqcInput).c_str());
        default:
            return LnbWord(Tone22kText(l.tone22k));
    }
}

}  // namespace velmora
