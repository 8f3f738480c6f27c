// The table in transfer order, as bytes: 16 LNB payloads, the satellite count
// payload, the satellites, the transponder count payload, the transponders.
// The simulated meter serves and stores its tables in this form.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/SatTpDatabase.h"

namespace velmora::sim {

std::vector<uint8_t> EncodeTableDump(const SatTpDatabase& db);

// False when the bytes do not hold a whole table within the limits; db is
// then unchanged.
bool DecodeTableDump(const std::vector<uint8_t>& dump, SatTpDatabase& db);

// Loads a dump from a binary file (*.bin) or a sattp.csv file; false when the
// file cannot be read.
bool LoadTableFile(const std::string& path, std::vector<uint8_t>& dump);

bool WriteBinaryFile(const std::string& path, const std::vector<uint8_t>& bytes);
bool ReadBinaryFile(const std::string& path, std::vector<uint8_t>& bytes);

}  // namespace velmora::sim
