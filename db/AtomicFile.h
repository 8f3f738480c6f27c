// Whole-file writes that either replace the target completely or leave it
// as it was: a temporary file beside it, fsync, rename.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmora {

bool WriteFileAtomically(const std::string& path, const uint8_t* data, std::size_t size);

}  // namespace velmora
