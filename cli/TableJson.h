// The records as JSON objects, in the field names of `dump`; `diff --json`
// uses the same names.
#pragma once

#include <nlohmann/json.hpp>

#include "core/SatTpDatabase.h"

namespace velmora::cli {

using Json = nlohmann::ordered_json;

Json LnbJson(const LnbRecord& l);
Json SatelliteJson(const SatRecord& s);
Json TpJson(const TpRecord& t);

// Names are made valid UTF-8 beforehand; replace rather than throw all the same.
inline std::string JsonText(const Json& json) {
    return json.dump(2, ' ', false, Json::error_handler_t::replace);
}

}  // namespace velmora::cli
