// The "TP SORT" dialog: the first satellite, the direction round the orbit
// and two keys within a satellite.
#pragma once

#include "gui/FormDialog.h"
#include "core/EditOperations.h"

namespace velmora {

class TpSortDlg : public FormDialog {
    Q_OBJECT
public:
    TpSortDlg(const SatTpDatabase& db, QWidget* parent = nullptr);

    TpSortSettings Settings() const;

    QComboBox* FirstSatelliteList() const { return first_; }
    QComboBox* DirectionList() const { return direction_; }
    QComboBox* Key1List() const { return key1_; }
    QComboBox* Key2List() const { return key2_; }

private:
    QComboBox* first_;
    QComboBox* direction_;
    QComboBox* key1_;
    QComboBox* key2_;
};

}  // namespace velmora
