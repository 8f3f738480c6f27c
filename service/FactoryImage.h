// The 1 MB factory image "Flash1M.bin": the tables under a CRC-32, the boot
// logo and the icon set at the offsets the meter's firmware reads them from.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

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

inline constexpr const char* MSG_ICON_TOO_LARGE = "Icon file too large !";
inline constexpr const char* MSG_CREATE_FLASH_ERROR = "Create Flash1M.bin error !";

enum class FactoryResult { Ok, LogoOpenFailed, IconOpenFailed, IconTooLarge, WriteFailed };

// Fills image (FACTORY_IMAGE_SIZE bytes) from the tables and the two files.
// The TPs are normalised in db itself first (reserved byte 0, flag bits 2-7
// clear), whatever the outcome.
FactoryResult BuildFactoryImage(SatTpDatabase& db, const std::string& logoPath,
                                const std::string& iconPath, uint8_t* image);

// Builds the image and replaces outputPath with it atomically. Failures are
// shown through showMessage; success is silent. On WriteFailed whyNot (when
// given) receives the system's reason ("No such file or directory").
FactoryResult CreateFactoryImage(SatTpDatabase& db, const std::string& logoPath,
                                 const std::string& iconPath,
                                 const std::function<void(const std::string&)>& showMessage,
                                 const std::string& outputPath = FACTORY_IMAGE_FILE,
                                 std::string* whyNot = nullptr);

}  // namespace velmora
