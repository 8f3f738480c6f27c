#include "cli/TableJson.h"

#include "core/TextHelpers.h"

namespace velmora::cli {

Json LnbJson(const LnbRecord& l) {
    return Json{{"type", l.type},
                {"power", l.power},
                {"dish", l.dish},
                {"diseqcSwitch", l.diseqcSwitch},
                {"diseqcInput", l.diseqcInput},
                {"tone22k", l.tone22k},
                {"reserved", l.reserved},
                {"loFrequency", l.loFrequency}};
}

Json SatelliteJson(const SatRecord& s) {
    std::string name = SatName(s);
    return Json{{"name", Utf8WithReplacements(name)},
                {"nameHex", HexText(name)},
                {"lnbIndex", s.lnbIndex},
                {"position", s.position}};
}

Json TpJson(const TpRecord& t) {
    return Json{{"satIndex", t.satIndex},
                {"reserved", t.reserved},
                {"flags", t.flags},
                {"frequency", t.frequency},
                {"symbolRate", t.symbolRate}};
}

}  // namespace velmora::cli
