// Firmware upgrade through the STM32 bootloader: erase, write block by
// block with read-back verification and retries, then start the new firmware.
#pragma once

#include <string>

#include "flash/Bootloader.h"
#include "link/LogoIconUpload.h"
#include "link/MeterLink.h"

namespace velmora {

inline constexpr const char* SOFT_NAME_PREFIX = "rav32izazud";
inline constexpr const char* SOFT_FILE_FILTER = "soft files (*.hex)|*.hex|All Files (*.*)|*.*||";
inline constexpr const char* SOFT_LABEL = "SOFT:";
// The label shows at most this many characters of the file name.
inline constexpr std::size_t SOFT_LABEL_NAME_CHARS = 36;
inline constexpr int VERIFY_RETRIES = 10;
inline constexpr uint32_t UPGRADE_BLOCK_BYTES = 256;

// Status texts of the upgrade.
inline constexpr const char* TEXT_DEVICE_INITIALIZE = "Device initialize ...";
inline constexpr const char* TEXT_FILE_OPEN_FAILED = "File open failed ! ";
inline constexpr const char* TEXT_DEVICE_NOT_FOUND = "Device not found ! ";
inline constexpr const char* TEXT_FIRMWARE_EMPTY = "Firmware file is empty ! ";
inline constexpr const char* TEXT_FIRMWARE_TOO_LARGE = "Firmware larger than flash ! ";
inline constexpr const char* TEXT_ERASING = "Erasing memory ...";
inline constexpr const char* TEXT_ERASE_FAILED = "Failed to erase memory !";
inline constexpr const char* TEXT_READ_FILE_FAILED = "Failed to read file !";
inline constexpr const char* TEXT_WRITE_MEMORY_FAILED = "Failed to write memory !";
inline constexpr const char* TEXT_READ_MEMORY_FAILED = "Failed to read memory !";
inline constexpr const char* TEXT_UPGRADE_SUCCESS = "Software upgrade success ! ";

// Accepts a firmware file whose name begins with "rav32izazud"; the label is
// "SOFT: name" (name cut to 36 characters) or "SOFT:" with an empty path.
ChosenFile LoadSoftFile(const std::string& chosenPath);

// Runs the whole upgrade of softPath on the link's port. Sets
// BATCH_SOFT_DONE on success. bootOptions lets tests shorten the deadlines.
OpResult UpgradeSoftware(MeterLink& link, const std::string& softPath,
                         const BootOptions& bootOptions = {});

}  // namespace velmora
