#include "gui/TpSortDlg.h"

#include <QComboBox>
#include <QLabel>

namespace velmora {

TpSortDlg::TpSortDlg(const SatTpDatabase& db, QWidget* parent)
    : FormDialog(parent, QStringLiteral("TP SORT"), 220, 136) {
    constexpr int kLabelX = 9;
    const QStringList keys = {tr("Frequency"), tr("Symbol rate"), tr("Polarisation")};
    first_ = AddList(62, 11, 102, SatelliteChoiceTexts(db));
    AddLabel(tr("Start with"), kLabelX, first_);
    direction_ =
        AddList(62, 32, 102, {tr("West to east"), tr("East to west")});
    AddLabel(tr("Satellites"), kLabelX, direction_);
    key1_ = AddList(62, 53, 102, keys);
    AddLabel(tr("Transponders"), kLabelX, key1_);
    key2_ = AddList(62, 74, 102, keys);
    AddLabel(tr("then by"), kLabelX, key2_);
    AddOkCancel(167, 11, 40, 46, 14);
    // What "Start with" means is not obvious from the list alone.
    auto* note = new QLabel(
        tr("Satellites are put in order of position, beginning with the one "
                       "chosen and going round in the direction chosen. The transponders "
                       "of each satellite are sorted by the two keys."),
        this);
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note->setGeometry(Units().Rect(kLabelX, 95, 202, 36));

    const TpSortSettings defaults;
    SetChoice(first_, defaults.firstSatellite);
    SetChoice(direction_, defaults.direction);
    SetChoice(key1_, defaults.key1);
    SetChoice(key2_, defaults.key2);
}

TpSortSettings TpSortDlg::Settings() const {
    TpSortSettings s;
    s.firstSatellite = Choice(first_);
    s.direction = Choice(direction_);
    s.key1 = Choice(key1_);
    s.key2 = Choice(key2_);
    return s;
}

}  // namespace velmora
