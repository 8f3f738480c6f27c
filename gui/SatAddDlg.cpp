#include "gui/SatAddDlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "core/InputRules.h"

#include "gui/DisplayText.h"

namespace velmora {

QValidator::State SatNameValidator::validate(QString& input, int&) const {
    if (input.contains(QLatin1Char(','))) return Invalid;
    if (static_cast<std::size_t>(input.toUtf8().size()) > SAT_NAME_BYTES) return Invalid;
    return Acceptable;
}

SatAddDlg::SatAddDlg(const SatTpDatabase& db, QWidget* parent, int satIndex)
    : FormDialog(parent,
                  satIndex >= 0 ? tr("Satellite Edit") : tr("Satellite Add"),
                  288, 78) {
    constexpr int kLabelX = 10;
    name_ = AddEdit(49, 11, 93, 12);
    name_->setValidator(new SatNameValidator(name_));
    name_->setText(QStringLiteral("UserDefined"));
    AddLabel(tr("Satellite"), kLabelX, name_);
    hemisphere_ = AddList(49, 33, 44, {tr("East"), tr("West")});
    AddLabel(tr("Longitude"), kLabelX, hemisphere_);
    longitude_ = AddEdit(98, 33, 44, 13);
    longitude_->setText(QStringLiteral("000.0"));
    lnb_ = AddLnbList(49, 54, 176, db);
    AddLabel(QStringLiteral("LNB"), kLabelX, lnb_);
    AddOkCancel(231, 11, 33, 50, 14);
    longitude_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,3}(\\.[0-9]?)?")), longitude_));
    AddCheck(name_, [](const std::string& t) { return CheckSatelliteName(t); });
    AddCheck(longitude_, [](const std::string& t) { return CheckNumber(t, kLongitudeRule); });
    SetChoice(hemisphere_, 0);
    SetChoice(lnb_, 0);
    if (satIndex >= 0 && satIndex < db.satCount && satIndex < MAX_SATELLITES) {
        const SatRecord& sat = db.satellites[satIndex];
        originalName_ = SatName(sat);
        shownName_ = DisplayText(originalName_);
        name_->setText(shownName_);
        PositionParts pos = PositionText(sat.position);
        longitude_->setText(QStringLiteral("%1.%2").arg(pos.degrees).arg(pos.tenth));
        SetChoice(hemisphere_, pos.hemisphere == 'W' ? 1 : 0);
        SetChoice(lnb_, sat.lnbIndex & 0x0F);
    }
}

SatAddInput SatAddDlg::Input() const {
    SatAddInput in;
    // An untouched name keeps its bytes, whatever encoding they are in.
    in.name = !shownName_.isNull() && name_->text() == shownName_
                  ? originalName_
                  : Utf8Cut(name_->text(), SAT_NAME_BYTES);
    in.longitude = longitude_->text().toStdString();
    in.hemisphere = Choice(hemisphere_);
    in.lnb = Choice(lnb_);
    return in;
}

}  // namespace velmora
