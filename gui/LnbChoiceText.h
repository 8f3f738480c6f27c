// The LNB item text of the TP and Satellite Add dialogs, for example
// "[03] 9750/10700   DiSEqC 1.0 tone burst A".
#pragma once

#include <string>

#include "core/SatTpDatabase.h"

namespace velmora {

std::string LnbChoiceText(const LnbRecord& lnb, int lnbIndex);

}  // namespace velmora
