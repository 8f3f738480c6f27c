// Intel HEX loader on arbitrary bytes: it must never crash, read out of
// bounds, grow beyond the largest flash, accept data outside the flash
// window, or refuse without saying why.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "bootloader/IntelHex.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    auto image = velmora::FirmwareImage::Create();
    std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string whyNot;
    velmora::LoadResult r = image->LoadText(text, &whyNot, "fuzz.hex");
    if (r != velmora::LoadOk && (image->Size() != 0 || whyNot.empty())) std::abort();
    if (image->Size() > velmora::FIRMWARE_MAX_SIZE) std::abort();
    if (image->Size() != 0 && (image->Base() < velmora::STM32_FLASH_WINDOW_START ||
                               uint64_t{image->Base()} + image->Size() >
                                   velmora::STM32_FLASH_WINDOW_END))
        std::abort();
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
