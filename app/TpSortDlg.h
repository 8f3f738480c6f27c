// The "TP SORT" dialog: the first satellite, the direction round the orbit
// and two keys within a satellite.
#pragma once

#include "app/FormDialog.h"
#include "db/EditOperations.h"

namespace velmora {

class CTpSortDlg : public CFormDialog {
    Q_OBJECT
public:
    CTpSortDlg(const SatTpDatabase& db, QWidget* parent = nullptr);

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
