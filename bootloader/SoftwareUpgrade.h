// Firmware upgrade through the STM32 bootloader: erase, write block by
// block with read-back verification and retries, then start the new firmware.
#pragma once

#include <string>

#include "core/TextMark.h"
#include "bootloader/Bootloader.h"
#include "meter/LogoIconUpload.h"
#include "meter/MeterLink.h"

namespace velmora {

inline constexpr const char* SOFT_NAME_PREFIX = "rav32izazud";
inline constexpr const char* SOFT_FILE_FILTER =
    VELMORA_TR_NOOP("Core", "soft files (*.hex);;All Files (*)");
inline constexpr const char* SOFT_LABEL = VELMORA_TR_NOOP("Core", "SOFT:");
// %1: the firmware file's name.
inline constexpr const char* SOFT_LABEL_NAMED = VELMORA_TR_NOOP("Core", "SOFT: %1");
// The label shows at most this many characters of the file name.
inline constexpr std::size_t SOFT_LABEL_NAME_CHARS = 36;
inline constexpr int VERIFY_RETRIES = 10;
inline constexpr uint32_t UPGRADE_BLOCK_BYTES = 256;

// Status texts of the upgrade.
inline constexpr const char* TEXT_DEVICE_INITIALIZE =
    VELMORA_TR_NOOP("Core", "Device initialize ...");
inline constexpr const char* TEXT_FILE_OPEN_FAILED = VELMORA_TR_NOOP("Core", "File open failed ! ");
inline constexpr const char* TEXT_DEVICE_NOT_FOUND = VELMORA_TR_NOOP("Core", "Device not found ! ");
// What to do when no bootloader answered: the meter starts it only so.
inline constexpr const char* TEXT_BOOTLOADER_HINT =
    VELMORA_TR_NOOP("Core", "hold EXIT while switching the meter on, then try again");
inline constexpr const char* TEXT_FIRMWARE_EMPTY =
    VELMORA_TR_NOOP("Core", "Firmware file is empty ! ");
inline constexpr const char* TEXT_FIRMWARE_TOO_LARGE =
    VELMORA_TR_NOOP("Core", "Firmware larger than flash ! ");
inline constexpr const char* TEXT_ERASING = VELMORA_TR_NOOP("Core", "Erasing memory ...");
inline constexpr const char* TEXT_ERASE_FAILED =
    VELMORA_TR_NOOP("Core", "Failed to erase memory !");
inline constexpr const char* TEXT_READ_FILE_FAILED =
    VELMORA_TR_NOOP("Core", "Failed to read file !");
inline constexpr const char* TEXT_WRITE_MEMORY_FAILED =
    VELMORA_TR_NOOP("Core", "Failed to write memory !");
inline constexpr const char* TEXT_READ_MEMORY_FAILED =
    VELMORA_TR_NOOP("Core", "Failed to read memory !");
inline constexpr const char* TEXT_UPGRADE_SUCCESS =
    VELMORA_TR_NOOP("Core", "Software upgrade success ! ");

// Accepts a firmware file whose name begins with "rav32izazud"; the label is
// "SOFT: name" (name cut to 36 characters) or "SOFT:" with an empty path.
ChosenFile LoadSoftFile(const std::string& chosenPath);

// status followed by TEXT_BOOTLOADER_HINT when it says no bootloader
// answered ("Device not found ! ..."); status as it is otherwise.
std::string WithBootloaderHint(const std::string& status);

// Runs the whole upgrade of softPath on the link's port. Sets
// BATCH_SOFT_DONE on success. bootOptions lets tests shorten the deadlines.
OpResult UpgradeSoftware(MeterLink& link, const std::string& softPath,
                         const BootOptions& bootOptions = {});

}  // namespace velmora
