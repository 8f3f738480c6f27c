#include "gui/TpEditDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "core/InputRules.h"

namespace velmora {

namespace {

// What an edit shows when the list has no transponder to edit.
constexpr const char* kDefaultFrequency = "40000";
constexpr const char* kDefaultSymbolRate = "27500";
constexpr int kLabelX = 21;
constexpr int kUnitX = 146;

}  // namespace

TpEditDlg::TpEditDlg(const SatTpDatabase& db, Mode mode, int tpIndex, int satFilter,
                       QWidget* parent)
    : FormDialog(parent, mode == Mode::Add ? QStringLiteral("TP ADD") : QStringLiteral("TP EDIT"),
                  312, 136) {
    AddGroup(tr("Transponder"), 15, 47, 210, 76);
    satellite_ = AddList(70, 11, 176, SatelliteChoiceTexts(db));
    AddLabel(tr("Satellite"), kLabelX, satellite_);
    lnb_ = AddLnbList(70, 32, 176, db);
    AddLabel(QStringLiteral("LNB"), kLabelX, lnb_);
    frequency_ = AddEdit(70, 58, 72, 12);
    AddLabel(tr("Frequency"), kLabelX, frequency_);
    AddUnit(tr("MHz"), kUnitX, frequency_);
    symbolRate_ = AddEdit(70, 74, 72, 12);
    AddLabel(tr("Symbol rate"), kLabelX, symbolRate_);
    AddUnit(tr("kS/s"), kUnitX, symbolRate_);
    // The meter switches the polarisation by the LNB's supply voltage.
    polarisation_ = AddList(70, 90, 140,
                            {tr("Vertical / right (13 V)"),
                             tr("Horizontal / left (18 V)")});
    AddLabel(tr("Polarisation"), kLabelX, polarisation_);
    unique_ = AddList(70, 106, 72, {QStringLiteral("NO"), QStringLiteral("YES")});
    //: A transponder found nowhere else in the table
    AddLabel(tr("Unique"), kLabelX, unique_);
    AddOkCancel(256, 11, 40, 46, 14);
    // Digits only while typing; the range is checked on OK.
    for (QLineEdit* edit : {frequency_, symbolRate_}) {
        edit->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,9}")), edit));
    }
    AddCheck(frequency_, [](const std::string& t) { return CheckNumber(t, kFrequencyRule); });
    AddCheck(symbolRate_, [](const std::string& t) { return CheckNumber(t, kSymbolRateRule); });

    const TpRecord* tp = tpIndex >= 0 && tpIndex < db.tpCount ? &db.tps[tpIndex] : nullptr;
    int satChoice = 0;
    int lnbChoice = 0;
    if (satFilter >= 0 && satFilter < db.satCount) {
        // A satellite chosen in the tree is the only one the dialog offers.
        satChoice = satFilter;
        lnbChoice = db.satellites[satFilter].lnbIndex & 0x0F;
        satellite_->setEnabled(false);
    } else {
        // An edit never moves a transponder to another satellite.
        if (mode == Mode::Edit) satellite_->setEnabled(false);
        if (tp != nullptr) {
            satChoice = tp->satIndex;
            if (tp->satIndex < MAX_SATELLITES)
                lnbChoice = db.satellites[tp->satIndex].lnbIndex & 0x0F;
        }
    }
    SetChoice(satellite_, satChoice);
    SetChoice(lnb_, lnbChoice);

    if (mode == Mode::Edit) {
        frequency_->setText(tp ? QString::number(tp->frequency)
                               : QString::fromLatin1(kDefaultFrequency));
        symbolRate_->setText(tp ? QString::number(tp->symbolRate)
                                : QString::fromLatin1(kDefaultSymbolRate));
    }
    // A new transponder starts with the polarisation and mark of the selected one.
    SetChoice(polarisation_, tp && !(tp->flags & TP_FLAG_VERTICAL) ? 1 : 0);
    SetChoice(unique_, tp && (tp->flags & TP_FLAG_UNIQUE) ? 1 : 0);
}

TpInput TpEditDlg::Input() const {
    TpInput in;
    in.satellite = Choice(satellite_);
    in.lnb = Choice(lnb_);
    in.frequency = frequency_->text().toStdString();
    in.symbolRate = symbolRate_->text().toStdString();
    in.polarisation = Choice(polarisation_);
    in.unique = Choice(unique_);
    return in;
}

}  // namespace velmora
