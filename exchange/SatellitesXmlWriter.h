// Writes the table as an Enigma2 satellites.xml: one <sat> per satellite
// that has transponders, with only what the table knows.
#pragma once

#include <string>

#include "core/SatTpDatabase.h"

namespace velmora {

// The whole file as text.
std::string SatellitesXml(const SatTpDatabase& db);

// Writes it through a temporary file that replaces path only once complete;
// false, with the system's reason in whyNot when given, when the file could
// not be written.
bool WriteSatellitesXml(const SatTpDatabase& db, const std::string& path,
                        std::string* whyNot = nullptr);

}  // namespace velmora
