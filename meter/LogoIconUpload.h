// Uploading a boot logo or an icon set to the meter, and deleting its icons.
// The files are not interpreted, only cut into frames: the logo is always
// 3200 frames of 48 bytes plus one of 4; the icon file announces its frame
// size and count in a six-byte header.
#pragma once

#include <string>

#include "meter/MeterLink.h"

namespace velmora {

inline constexpr int LOGO_FRAME_BYTES = 48;
inline constexpr int LOGO_FRAME_COUNT = 3200;
inline constexpr int TRAILER_BYTES = 4;
inline constexpr long LOGO_FILE_BYTES = LOGO_FRAME_BYTES * LOGO_FRAME_COUNT + TRAILER_BYTES;
inline constexpr int ICON_HEADER_BYTES = 6;
inline constexpr const char* LOGO_NAME_PREFIX = "stm32logo";
inline constexpr const char* ICON_NAME_PREFIX = "stm32icon";

// The outcome of picking a file: the path to keep (empty when refused) and
// the label text to show.
struct ChosenFile {
    std::string path;
    std::string label;
};

// The file name part of a path (after the last '/' or '\').
std::string FileNameOf(const std::string& path);

// Accepts a logo file whose name begins with "stm32logo" (labels "LOGO: name"
// or "LOGO:"); the icon file likewise with "stm32icon".
ChosenFile LoadLogoFile(const std::string& chosenPath);
ChosenFile LoadIconFile(const std::string& chosenPath);

// Frames the icon file's header announces: 4 x A x B.
inline long IconFrameCount(const uint8_t header[ICON_HEADER_BYTES]) {
    return 4L * header[1] * header[2];
}
// The bytes a transfer of that icon file consumes.
inline long IconFileBytes(const uint8_t header[ICON_HEADER_BYTES]) {
    return ICON_HEADER_BYTES + IconFrameCount(header) * header[0] + TRAILER_BYTES;
}

// The bytes of icon file the meter's icon area holds.
inline constexpr long ICON_AREA_BYTES = 0x60000;

// Whether an icon file can be used whole: its header (the first
// min(fileBytes, 6) bytes) needs a record size and both counts above 0, the
// file all the bytes the header announces, and those must fit the meter's
// icon area.
enum class IconFileCheck { Whole, HeaderCut, ZeroSize, TooLarge, TooShort };
IconFileCheck CheckIconFile(const uint8_t* header, long fileBytes);
// What is wrong with the icon file at path, naming it; empty for Whole.
std::string IconFileProblem(IconFileCheck check, const std::string& path, const uint8_t* header,
                            long fileBytes);

// Sets BATCH_LOGO_DONE / BATCH_ICON_DONE on success. A file that cannot be
// opened, or is shorter than the transfer consumes, is refused with a message
// box before the port is opened; so is an icon header with a zero size or
// count, or one that announces more than the icon area holds.
OpResult WriteLogoToMeter(MeterLink& link, const std::string& logoPath);
OpResult WriteIconToMeter(MeterLink& link, const std::string& iconPath);
// The caller has asked TEXT_DELETE_ICONS_QUESTION and had Yes.
OpResult DeleteMeterIcons(MeterLink& link);

}  // namespace velmora
