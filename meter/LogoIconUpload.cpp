#include "meter/LogoIconUpload.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "core/InputFile.h"
#include "core/MessageText.h"
#include "core/TextMark.h"
#include "serial/LinkTexts.h"
#include "meter/WriteOperation.h"
#include "core/InputFile.h"
#include "serial/LinkTexts.h"
#include "meter/WriteOperation.h"

namespace velmora {

namespace {

ChosenFile Choose(const std::string& chosenPath, const char* prefix, const char* label,
                  const char* namedLabel) {
    std::string name = FileNameOf(chosenPath);
    // Byte for byte and case-sensitive, as the meter's own tools name them.
    if (name.compare(0, std::strlen(prefix), prefix) == 0) {
        return {chosenPath, FillText(namedLabel, {name})};
    }
    return {"", label};
}

long FileSize(std::FILE* file) {
    struct stat st {};
    return ::fstat(::fileno(file), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

// Opens a file to upload; shows openError, or the refusal refuse gives for
// the file and its size, and returns null when it cannot be used. refuse
// reads what it needs (the icon header) from the file.
template <class Refusal>
std::FILE* OpenUpload(OperationHost& host, const std::string& path, const char* openError,
                      Refusal refuse) {
    // A device or a named pipe could never end or never begin.
    std::FILE* file = OpenRegularFile(path);
    if (file == nullptr) {
        host.ShowMessage(openError);
        return nullptr;
    }
    std::string refusal = refuse(file, FileSize(file));
    if (!refusal.empty()) {
        std::fclose(file);
        host.ShowMessage(refusal);
        return nullptr;
    }
    return file;
}

// Reads length bytes from the file and sends them as one frame.
bool SendFromFile(MeterLink& link, std::FILE* file, uint8_t* frame, int length) {
    if (std::fread(frame, 1, static_cast<std::size_t>(length), file) !=
        static_cast<std::size_t>(length)) {
        return false;
    }
    return link.SendFrame(frame, length);
}

// The data frames and the 4-byte trailer that end both uploads; the progress
// bar counts frames and ends at frames + 1.
bool SendFileFrames(MeterLink& link, std::FILE* file, int frames, int length) {
    uint8_t frame[256];
    for (int k = 1; k <= frames; ++k) {
        link.PumpOnce();
        if (!SendFromFile(link, file, frame, length)) return false;
        link.Host().SetProgress(k);
    }
    if (!SendFromFile(link, file, frame, TRAILER_BYTES)) return false;
    link.Host().SetProgress(frames + 1);
    return true;
}

}  // namespace

std::string FileNameOf(const std::string& path) {
    for (std::size_t i = path.size(); i-- > 1;) {
        if (path[i] == '/' || path[i] == '\\') return path.substr(i + 1);
    }
    return path;
}

ChosenFile LoadLogoFile(const std::string& chosenPath) {
    return Choose(chosenPath, LOGO_NAME_PREFIX, LOGO_LABEL, LOGO_LABEL_NAMED);
}

ChosenFile LoadIconFile(const std::string& chosenPath) {
    return Choose(chosenPath, ICON_NAME_PREFIX, ICON_LABEL, ICON_LABEL_NAMED);
}

IconFileCheck CheckIconFile(const uint8_t* header, long fileBytes) {
    if (fileBytes < ICON_HEADER_BYTES) return IconFileCheck::HeaderCut;
    if (header[0] == 0 || header[1] == 0 || header[2] == 0) return IconFileCheck::ZeroSize;
    const long needed = IconFileBytes(header);
    if (needed > ICON_AREA_BYTES) return IconFileCheck::TooLarge;
    return fileBytes < needed ? IconFileCheck::TooShort : IconFileCheck::Whole;
}

std::string IconFileProblem(IconFileCheck check, const std::string& path, const uint8_t* header,
                            long fileBytes) {
    const std::string name = EscapeControls(path);
    const std::string size = std::to_string(fileBytes);
    switch (check) {
        case IconFileCheck::Whole: break;
        case IconFileCheck::HeaderCut:
            return FillText(TEXT_ICON_HEADER_CUT, {name, size, std::to_string(ICON_HEADER_BYTES)});
        case IconFileCheck::ZeroSize:
            return FillText(TEXT_ICON_HEADER_ZERO,
                            {name, std::to_string(header[0]), std::to_string(header[1]),
                             std::to_string(header[2])});
        case IconFileCheck::TooLarge:
            return FillText(TEXT_ICON_BEYOND_AREA, {name, std::to_string(IconFileBytes(header)),
                                                    std::to_string(ICON_AREA_BYTES)});
        case IconFileCheck::TooShort:
            return FillText(TEXT_ICON_CUT, {name, size, std::to_string(IconFileBytes(header))});
    }
    return {};
}

OpResult WriteLogoToMeter(MeterLink& link, const std::string& logoPath) {
    OperationHost& host = link.Host();
    std::FILE* file =
        OpenUpload(host, logoPath, TEXT_OPEN_LOGO_ERROR, [](std::FILE*, long size) {
            return std::string(size < LOGO_FILE_BYTES ? TEXT_LOGO_TOO_SHORT : "");
        });
    if (file == nullptr) return OpResult::NotStarted;
    auto transfer = [&]() -> bool {
        host.BeginProgress(TEXT_WRITE_LOGO, LOGO_FRAME_COUNT + 1);
        return SendFileFrames(link, file, LOGO_FRAME_COUNT, LOGO_FRAME_BYTES);
    };
    OpResult result = RunWriteOperation(link, CMD_WRITE_LOGO, TEXT_WRITE_COMPLETED,
                                        TEXT_WRITE_FAILED, transfer);
    std::fclose(file);
    if (result == OpResult::Completed) host.Flags().batchFlags |= BATCH_LOGO_DONE;
    return result;
}

OpResult WriteIconToMeter(MeterLink& link, const std::string& iconPath) {
    OperationHost& host = link.Host();
    uint8_t header[ICON_HEADER_BYTES + 1] = {};
    std::FILE* file =
        OpenUpload(host, iconPath, TEXT_OPEN_ICON_ERROR, [&](std::FILE* f, long size) {
            std::fread(header, 1, ICON_HEADER_BYTES, f);
            const IconFileCheck check = CheckIconFile(header, size);
            if (check == IconFileCheck::HeaderCut || check == IconFileCheck::TooShort)
                return std::string(TEXT_ICON_TOO_SHORT);
            return IconFileProblem(check, iconPath, header, size);
        });
    if (file == nullptr) return OpResult::NotStarted;
    auto transfer = [&]() -> bool {
        const int frames = static_cast<int>(IconFrameCount(header));
        host.BeginProgress(TEXT_WRITE_ICON, frames + 1);
        return link.SendFrame(header, ICON_HEADER_BYTES) &&
               SendFileFrames(link, file, frames, header[0]);
    };
    OpResult result = RunWriteOperation(link, CMD_WRITE_ICON, TEXT_WRITE_COMPLETED,
                                        TEXT_WRITE_FAILED, transfer);
    std::fclose(file);
    if (result == OpResult::Completed) host.Flags().batchFlags |= BATCH_ICON_DONE;
    return result;
}

OpResult DeleteMeterIcons(MeterLink& link) {
    return RunWriteOperation(link, CMD_DELETE_ICONS, TEXT_DELETE_COMPLETED, TEXT_DELETE_FAILED,
                             [] { return true; });
}

}  // namespace velmora
