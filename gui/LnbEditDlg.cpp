#include "gui/LnbEditDlg.h"

#include <QComboBox>

namespace velmora {

namespace {

// Port choices past the 16 inputs; a "V1.0" switch stores them as inputs 4 and 5.
constexpr int kPortBurstA = 16;
constexpr int kPortBurstB = 17;

QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* t : texts) list << QString::fromLatin1(t);
    return list;
}

}  // namespace

LnbEditDlg::LnbEditDlg(const SatTpDatabase& db, int lnbIndex, QWidget* parent)
    : FormDialog(parent, tr("LNB Edit"), 187, 137) {
    constexpr int kLabelX = 9;
    type_ = AddList(62, 11, 60,
                    Texts({"5150", "9750/10600", "9750/10700", "9750/10750", "5150V/5750H",
                           "5750V/5150H", "11300", "10750", "10700"}));
    AddLabel(tr("LNB frequency"), kLabelX, type_);
    power_ =
        AddList(63, 32, 60,
                {tr("Off"), QStringLiteral("13/18"), QStringLiteral("13V"), QStringLiteral("18V")});
    AddLabel(tr("LNB power"), kLabelX, power_);
    dish_ = AddList(63, 53, 60, {tr("Fixed"), tr("Moved")});
    AddLabel(tr("Dish type"), kLabelX, dish_);
    switch_ = AddList(63, 74, 60, {tr("Off"), QStringLiteral("V1.0"), QStringLiteral("V1.1")});
    AddLabel(tr("DiSEqC switch"), kLabelX, switch_);
    QStringList ports;
    for (int i = 1; i <= 16; ++i) ports << QString::number(i);
    ports << tr("Burst A") << tr("Burst B");
    port_ = AddList(63, 95, 60, ports);
    AddLabel(tr("DiSEqC input"), kLabelX, port_);
    tone_ = AddList(63, 116, 60, {tr("Off"), QStringLiteral("0/22K"), QStringLiteral("22K")});
    AddLabel(tr("22 kHz tone"), kLabelX, tone_);
    AddOkCancel(130, 11, 42, 50, 14);

    if (lnbIndex < 0 || lnbIndex >= LNB_COUNT) lnbIndex = 0;
    const LnbRecord& l = db.lnbs[lnbIndex];
    SetChoice(type_, l.type);
    SetChoice(power_, l.power);
    SetChoice(dish_, l.dish);
    SetChoice(switch_, l.diseqcSwitch);
    int port = l.diseqcInput;
    if (l.diseqcSwitch == 1 && l.diseqcInput == 4) port = kPortBurstA;
    if (l.diseqcSwitch == 1 && l.diseqcInput == 5) port = kPortBurstB;
    SetChoice(port_, port);
    SetChoice(tone_, l.tone22k);
}

LnbInput LnbEditDlg::Input() const {
    LnbInput in;
    in.type = Choice(type_);
    in.power = Choice(power_);
    in.dish = Choice(dish_);
    in.sw = Choice(switch_);
    in.input = Choice(port_);
    in.tone = Choice(tone_);
    return in;
}

}  // namespace velmora
