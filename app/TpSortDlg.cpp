#include "app/TpSortDlg.h"

#include <QComboBox>

namespace velmora {

CTpSortDlg::CTpSortDlg(const SatTpDatabase& db, QWidget* parent)
    : CFormDialog(parent, QStringLiteral("TP SORT"), 220, 99) {
    constexpr int kLabelX = 9;
    const QStringList keys = {QStringLiteral("Frequency"), QStringLiteral("Symbolrate"),
                              QStringLiteral("Pol")};
    first_ = AddList(55, 11, 109, SatelliteChoiceTexts(db));
    AddLabel(QStringLiteral("First satellite"), kLabelX, first_);
    direction_ = AddList(55, 32, 109, {QStringLiteral("West->East"), QStringLiteral("East->West")});
    AddLabel(QStringLiteral("Sort 1"), kLabelX, direction_);
    key1_ = AddList(55, 53, 109, keys);
    AddLabel(QStringLiteral("Sort 2"), kLabelX, key1_);
    key2_ = AddList(55, 74, 109, keys);
    AddLabel(QStringLiteral("Sort 3"), kLabelX, key2_);
    AddOkCancel(167, 11, 40, 46, 14);

    const TpSortSettings defaults;
    SetChoice(first_, defaults.firstSatellite);
    SetChoice(direction_, defaults.direction);
    SetChoice(key1_, defaults.key1);
    SetChoice(key2_, defaults.key2);
}

TpSortSettings CTpSortDlg::Settings() const {
    TpSortSettings s;
    s.firstSatellite = Choice(first_);
    s.direction = Choice(direction_);
    s.key1 = Choice(key1_);
    s.key2 = Choice(key2_);
    return s;
}

}  // namespace velmora
