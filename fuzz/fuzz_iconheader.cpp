// Icon file check on arbitrary headers and file sizes: it must never read
// beyond the header, accept a file that lacks bytes its header announces or
// that overflows the icon area, or refuse without naming the file.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "meter/LogoIconUpload.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace velmora;
    // Three bytes of file size (up to 16 MB), the header, then the file's name.
    if (size < 3) return 0;
    const long fileBytes = long{data[0]} | long{data[1]} << 8 | long{data[2]} << 16;
    data += 3;
    size -= 3;
    uint8_t header[ICON_HEADER_BYTES] = {};
    const size_t headerBytes = size < ICON_HEADER_BYTES ? size : ICON_HEADER_BYTES;
    std::memcpy(header, data, headerBytes);
    const std::string path = "stm32icon" + std::string(reinterpret_cast<const char*>(data) + headerBytes,
                                                       size - headerBytes);

    const IconFileCheck check = CheckIconFile(header, fileBytes);
    const std::string problem = IconFileProblem(check, path, header, fileBytes);
    if ((check == IconFileCheck::Whole) != problem.empty()) std::abort();
    if (check == IconFileCheck::Whole) {
        if (header[0] == 0 || header[1] == 0 || header[2] == 0) std::abort();
        if (fileBytes < IconFileBytes(header) || IconFileBytes(header) > ICON_AREA_BYTES) std::abort();
    }
    if (check == IconFileCheck::HeaderCut && fileBytes >= ICON_HEADER_BYTES) std::abort();
    return 0;
}
