// The 1 MB factory image "Flash1M.bin": the tables under a CRC-32, the boot
// logo and the icon set at the offsets the meter's firmware reads them from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "core/SatTpDatabase.h"
#include "serial/LinkTexts.h"
#include "meter/LogoIconUpload.h"
#include "core/SatTpDatabase.h"

namespace velmora {

inline constexpr std::size_t FACTORY_IMAGE_SIZE = 0x100000;
inline constexpr const char* FACTORY_IMAGE_FILE = "Flash1M.bin";

// Table block: CRC, TP count, TP index, LNB and satellite areas.
inline constexpr std::size_t FACTORY_CRC_OFFSET = 0x000000;
inline constexpr std::size_t FACTORY_TP_COUNT_OFFSET = 0x000004;
inline constexpr std::size_t FACTORY_TP_INDEX_OFFSET = 0x000008;
inline constexpr std::size_t FACTORY_LNB_OFFSET = 0x003E88;
inline constexpr std::size_t FACTORY_SAT_OFFSET = 0x003F48;
inline constexpr std::size_t FACTORY_TABLE_BLOCK_SIZE = 0x0056B8;
inline constexpr std::size_t FACTORY_TP_OFFSET = 0x020000;
inline constexpr std::size_t FACTORY_LOGO_OFFSET = 0x070000;
inline constexpr std::size_t FACTORY_LOGO_BYTES = 153600 + 4;
inline constexpr std::size_t FACTORY_ICON_OFFSET = 0x0A0000;
inline constexpr std::size_t FACTORY_ICON_AREA = FACTORY_IMAGE_SIZE - FACTORY_ICON_OFFSET;

static_assert(FACTORY_ICON_AREA == ICON_AREA_BYTES);

inline constexpr const char* MSG_ICON_TOO_LARGE = TEXT_ICON_TOO_LARGE;
inline constexpr const char* MSG_CREATE_FLASH_ERROR = "Create Flash1M.bin error !";

enum class FactoryResult {
    Ok,
    LogoOpenFailed,
    IconOpenFailed,
    IconTooLarge,
    LogoTooShort,  // shorter than a logo
    IconRefused,   // cut short, or a header with a zero size or count
    WriteFailed
};

// Fills image (FACTORY_IMAGE_SIZE bytes) from the tables and the two files,
// which must hold a whole logo and the whole icon set their header
// announces. The TPs are normalised in db itself first (reserved byte 0,
// flag bits 2-7 clear), whatever the outcome. A file refused for what it
// holds is named in problem (when given), with what is missing.
FactoryResult BuildFactoryImage(SatTpDatabase& db, const std::string& logoPath,
                                const std::string& iconPath, uint8_t* image,
                                std::string* problem = nullptr);

// Builds the image and replaces outputPath with it atomically; nothing is
// written when a file is refused. Failures are shown through showMessage;
// success is silent. On WriteFailed whyNot (when
// given) receives the system's reason ("No such file or directory").
FactoryResult CreateFactoryImage(SatTpDatabase& db, const std::string& logoPath,
                                 const std::string& iconPath,
                                 const std::function<void(const std::string&)>& showMessage,
                                 const std::string& outputPath = FACTORY_IMAGE_FILE,
                                 std::string* whyNot = nullptr);

}  // namespace velmora
