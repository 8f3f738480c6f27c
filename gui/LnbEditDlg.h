// The "LNB Edit" dialog: the six settings of one LNB record.
#pragma once

#include "gui/FormDialog.h"
#include "core/EditOperations.h"

namespace velmora {

class LnbEditDlg : public FormDialog {
    Q_OBJECT
public:
    // An index outside 0..15 edits LNB 0.
    LnbEditDlg(const SatTpDatabase& db, int lnbIndex, QWidget* parent = nullptr);

    LnbInput Input() const;

    QComboBox* TypeList() const { return type_; }
    QComboBox* PowerList() const { return power_; }
    QComboBox* DishList() const { return dish_; }
    QComboBox* SwitchList() const { return switch_; }
    QComboBox* PortList() const { return port_; }
    QComboBox* ToneList() const { return tone_; }

private:
    QComboBox* type_;
    QComboBox* power_;
    QComboBox* dish_;
    QComboBox* switch_;
    QComboBox* port_;
    QComboBox* tone_;
};

}  // namespace velmora
