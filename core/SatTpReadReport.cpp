// The list of what a sattp.csv read passed over.
#include <algorithm>

#include "core/SatTpFile.h"

namespace velmora {

void SatTpReadReport::Add(std::string text) {
    if (findings.size() < kListed) {
        findings.push_back(std::move(text));
    } else {
        ++unlisted;
    }
}

std::vector<std::string> SatTpReadReport::Lines() const {
    std::vector<std::string> lines = findings;
    if (unlisted > 0) lines.push_back("... and " + std::to_string(unlisted) + " more");
    return lines;
}

std::string SatTpReadReport::Summary(std::size_t shown) const {
    std::string text;
    std::size_t n = std::min(shown, findings.size());
    for (std::size_t i = 0; i < n; ++i) text += (i > 0 ? "\n" : "") + findings[i];
    if (Count() > n) text += "\n... and " + std::to_string(Count() - n) + " more";
    return text;
}

}  // namespace velmora
