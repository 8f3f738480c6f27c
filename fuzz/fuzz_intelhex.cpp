// Intel HEX loader on arbitrary bytes: it must never crash, read out of
// bounds or grow beyond the largest flash.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "flash/IntelHex.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto image = velmora::FirmwareImage::Create();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    velmora::LoadResult r = image->LoadText(text);
    if (r != velmora::LoadOk && image->Size() != 0) std::abort();
    if (image->Size() > velmora::FIRMWARE_MAX_SIZE) std::abort();
    uint8_t block[256];
    uint32_t total = 0;
    for (;;) {
        uint32_t length = sizeof block;
        image->Read(block, length);
        if (length == 0) break;
        total += length;
    }
    if (total != image->Size()) std::abort();
    image->Destroy();
    return 0;
}
