// Windows names no holder of a port and has no lock files: a port another
// program holds is found when it refuses to open ("in use").
#include "serial/PortHolders.h"

namespace velmora {

std::string PortBusyReason(const PortSystem&, const std::string&) { return {}; }

std::vector<std::string> ClaimedAdapterTexts(const PortSystem&) { return {}; }

}  // namespace velmora
