#include "gui/SatAddDlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "core/InputRules.h"

#include "gui/DisplayText.h"

namespace velmora {

QValidator::State SatNameValidator::validate(QString& input, int&) const {
    refusal_ = input.contains(QLatin1Char(','))                                        ? Refusal::Comma
               : static_cast<std::size_t>(input.toUtf8().size()) > SAT_NAME_BYTES ? Refusal::TooLong
                                                                                  : Refusal::None;
    return refusal_ == Refusal::None ? Acceptable : Invalid;
}

SatAddDlg::SatAddDlg(const SatTpDatabase& db, QWidget* parent, int satIndex)
    : FormDialog(parent,
                  satIndex >= 0 ? tr("Satellite Edit") : tr("Satellite Add"),
                  288, 86) {
    constexpr int kLabelX = 10;
    name_ = AddEdit(49, 11, 93, 12);
    validator_ = new SatNameValidator(name_);
    name_->setValidator(validator_);
    name_->setText(QStringLiteral("UserDefined"));
    AddLabel(tr("Satellite"), kLabelX, name_);
    hint_ = new QLabel(this);
    hint_->setGeometry(Units().Rect(49, 24, 178, 16));
    hint_->setWordWrap(true);
    hint_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint_->setForegroundRole(QPalette::PlaceholderText);
    connect(name_, &QLineEdit::textChanged, this, &SatAddDlg::ShowRoomLeft);
    connect(name_, &QLineEdit::inputRejected, this, &SatAddDlg::ShowRefusal);
    hemisphere_ = AddList(49, 41, 44, {tr("East"), tr("West")});
    AddLabel(tr("Longitude"), kLabelX, hemisphere_);
    longitude_ = AddEdit(98, 41, 44, 13);
    longitude_->setText(QStringLiteral("000.0"));
    lnb_ = AddLnbList(49, 62, 176, db);
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
    ShowRoomLeft();
}

void SatAddDlg::ShowRoomLeft() {
    // Bytes, not characters: the file keeps 16 bytes of UTF-8, and a letter
    // such as "é" takes two of them.
    constexpr int kRoom = static_cast<int>(SAT_NAME_BYTES);
    const auto used = static_cast<int>(name_->text().toUtf8().size());
    hint_->setText(tr("%1 of %2 bytes left").arg(std::max(0, kRoom - used)).arg(kRoom));
}

void SatAddDlg::ShowRefusal() {
    switch (validator_->LastRefusal()) {
        case SatNameValidator::Refusal::Comma:
            hint_->setText(tr("A comma cannot be stored: sattp.csv separates its columns with commas."));
            break;
        case SatNameValidator::Refusal::TooLong:
            hint_->setText(tr("No room left: a name holds at most %1 bytes, and a letter such as é takes 2.")
                               .arg(static_cast<int>(SAT_NAME_BYTES)));
            break;
        case SatNameValidator::Refusal::None:
            ShowRoomLeft();
            break;
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
