// Made-up tables of any size for tests and benchmarks that fill the meter.
#pragma once

#include "core/SatTpDatabase.h"

namespace velmora::sim {

// satellites satellites ("Satellite 0", ... every 1.2 degrees) and tps
// transponders spread over them, with the default LNB settings.
void FillSampleTables(SatTpDatabase& db, int satellites = MAX_SATELLITES, int tps = MAX_TPS);

}  // namespace velmora::sim
