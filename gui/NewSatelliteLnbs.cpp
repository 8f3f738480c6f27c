#include "gui/NewSatelliteLnbs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>

#include "gui/DisplayText.h"
#include "gui/LnbChoiceText.h"

namespace velmora {

namespace {

// In the import dialog's context, where the dialogs first offered them.
constexpr const char* kContext = "velmora::ImportDlg";

constexpr std::array<const char*, 3> kLabels = {
    QT_TRANSLATE_NOOP("velmora::ImportDlg", "LNB of new Ku-band satellites"),
    QT_TRANSLATE_NOOP("velmora::ImportDlg", "LNB of new C-band satellites"),
    QT_TRANSLATE_NOOP("velmora::ImportDlg", "LNB of new Ka-band satellites"),
};

}  // namespace

void NewSatelliteLnbs::ApplyTo(MergeOptions& options) const {
    options.kuLnb = List(Band::Ku)->currentIndex();
    options.cBandLnb = List(Band::C)->currentIndex();
    options.kaBandLnb = List(Band::Ka)->currentIndex();
}

NewSatelliteLnbs AddNewSatelliteLnbs(QGridLayout* grid, QWidget* parent, const SatTpDatabase& db,
                                     const std::function<void()>& changed) {
    NewSatelliteLnbs lnbs;
    const int first = grid->count() == 0 ? 0 : grid->rowCount();
    for (Band band : {Band::Ku, Band::C, Band::Ka}) {
        const auto b = static_cast<std::size_t>(band);
        auto* list = new QComboBox(parent);
        for (int l = 0; l < LNB_COUNT; ++l)
            list->addItem(DisplayText(LnbChoiceText(db.lnbs[l], l)));
        list->setCurrentIndex(DefaultLnb(db, band));
        auto* label = new QLabel(QCoreApplication::translate(kContext, kLabels[b]), parent);
        label->setBuddy(list);
        grid->addWidget(label, first + static_cast<int>(b), 0);
        grid->addWidget(list, first + static_cast<int>(b), 1);
        QObject::connect(list, &QComboBox::currentIndexChanged, parent, [changed] { changed(); });
        lnbs.lists[b] = list;
    }
    return lnbs;
}

}  // namespace velmora
