#include "app/LnbChoiceText.h"

#include <cstdio>

namespace velmora {

std::string LnbChoiceText(const LnbRecord& lnb, int lnbIndex) {
    const char* sw = DiseqcSwitchText(lnb.diseqcSwitch);
    char diseqc[48];
    if (lnb.diseqcSwitch == 1 && lnb.diseqcInput == 4) {
        std::snprintf(diseqc, sizeof diseqc, "DSQ%s-Burst A", sw);
    } else if (lnb.diseqcSwitch == 1 && lnb.diseqcInput == 5) {
        std::snprintf(diseqc, sizeof diseqc, "DSQ%s-Burst B", sw);
    } else {
        std::snprintf(diseqc, sizeof diseqc, "DSQ%s-%d", sw, lnb.diseqcInput + 1);
    }
    char text[96];
    int n = lnbIndex + 1;
    if (lnb.type == 0) {
        std::snprintf(text, sizeof text, "[%02d]   %u             %s", n,
                      static_cast<unsigned>(lnb.loFrequency), diseqc);
    } else {
        // The fixed LO texts are padded to 12 characters; unknown types read as 5150.
        const char* lo = lnb.type <= 8 ? kLnbTypeNames[lnb.type] : "5150";
        std::snprintf(text, sizeof text, "[%02d]   %-12s%s", n, lo, diseqc);
    }
    return text;
}

}  // namespace velmora
