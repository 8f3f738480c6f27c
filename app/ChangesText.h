#pragma once

// What an import would change, satellite by satellite, in the window's
// language: the same lines as `velmora-cli import --dry-run` prints in
// English, with the words around the values translated.

#include <QString>
#include <vector>

#include "ui/SessionImport.h"

namespace velmora {

QString ChangesText(const std::vector<SatelliteChanges>& satellites);

// The merge's one-sentence summary of its counts.
QString MergeSummaryText(const MergeCounts& counts);

}  // namespace velmora
