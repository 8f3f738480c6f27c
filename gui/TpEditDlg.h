// The TP dialog, "TP ADD" or "TP EDIT": satellite, LNB, frequency, symbol
// rate, polarisation and unique mark of one transponder.
#pragma once

#include "gui/FormDialog.h"
#include "core/EditOperations.h"

namespace velmora {

class TpEditDlg : public FormDialog {
    Q_OBJECT
public:
    enum class Mode { Add, Edit };

    // tpIndex is the transponder of the selected row (-1 for none), whose
    // values an edit shows and whose polarisation and mark an add starts from.
    TpEditDlg(const SatTpDatabase& db, Mode mode, int tpIndex, int satFilter,
               QWidget* parent = nullptr);

    TpInput Input() const;

    QComboBox* SatelliteList() const { return satellite_; }
    QComboBox* LnbList() const { return lnb_; }
    QLineEdit* FrequencyEdit() const { return frequency_; }
    QLineEdit* SymbolRateEdit() const { return symbolRate_; }
    QComboBox* PolarisationList() const { return polarisation_; }
    QComboBox* UniqueList() const { return unique_; }

private:
    QComboBox* satellite_;
    QComboBox* lnb_;
    QLineEdit* frequency_;
    QLineEdit* symbolRate_;
    QComboBox* polarisation_;
    QComboBox* unique_;
};

}  // namespace velmora
