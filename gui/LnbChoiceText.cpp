#include "gui/LnbChoiceText.h"

#include <QCoreApplication>
#include <cstdio>
#include <string>

namespace velmora {

namespace {

// The switch setting written out: "no DiSEqC", "DiSEqC 1.0 input 3",
// "DiSEqC 1.0 tone burst A" (a 1.0 switch stores the bursts as inputs 4 and 5).
std::string DiseqcText(const LnbRecord& lnb) {
    if (lnb.diseqcSwitch == 0)
        return QCoreApplication::translate("LnbChoiceText", "no DiSEqC").toStdString();
    if (lnb.diseqcSwitch > 2)
        return QCoreApplication::translate("LnbChoiceText", "unknown DiSEqC switch").toStdString();
    const QString version = QLatin1String(lnb.diseqcSwitch == 1 ? "1.0" : "1.1");
    if (lnb.diseqcSwitch == 1 && (lnb.diseqcInput == 4 || lnb.diseqcInput == 5)) {
        const QString burst = QLatin1String(lnb.diseqcInput == 4 ? "A" : "B");
        return QCoreApplication::translate("LnbChoiceText", "DiSEqC %1 tone burst %2")
            .arg(version, burst)
            .toStdString();
    }
    return QCoreApplication::translate("LnbChoiceText", "DiSEqC %1 input %2")
        .arg(version)
        .arg(lnb.diseqcInput + 1)
        .toStdString();
}

}  // namespace

std::string LnbChoiceText(const LnbRecord& lnb, int lnbIndex) {
    char lo[16];
    if (lnb.type == 0) {
        std::snprintf(lo, sizeof lo, "%u", static_cast<unsigned>(lnb.loFrequency));
    } else {
        // Unknown types read as 5150.
        std::snprintf(lo, sizeof lo, "%s", lnb.type <= 8 ? kLnbTypeNames[lnb.type] : "5150");
    }
    // The LO texts are padded to the longest ("5150V/5750H"), so the switch
    // texts line up in the fixed-pitch lists.
    char text[96];
    std::snprintf(text, sizeof text, "[%02d] %-11s  %s", lnbIndex + 1, lo,
                  DiseqcText(lnb).c_str());
    return text;
}

}  // namespace velmora
