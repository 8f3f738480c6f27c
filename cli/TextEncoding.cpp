#include "cli/TextEncoding.h"

#include "db/TableCheck.h"

namespace velmora::cli {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

}  // namespace

std::string Utf8WithReplacements(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        std::size_t n = Utf8SequenceLength(bytes);
        if (n == 0) {
            out += kReplacement;
            n = 1;
        } else {
            out += bytes.substr(0, n);
        }
        bytes.remove_prefix(n);
    }
    return out;
}

std::string HexBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

}  // namespace velmora::cli
