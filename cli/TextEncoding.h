// Satellite names are bytes in whatever code page the meter or the user's
// editor used; JSON wants valid UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace velmora::cli {

// The bytes as UTF-8, each byte that is not part of a well-formed sequence
// replaced by U+FFFD.
std::string Utf8WithReplacements(std::string_view bytes);

// Lower-case hex of the bytes, two digits each.
std::string HexBytes(std::string_view bytes);

}  // namespace velmora::cli
