#include "meter/LogoIconUpload.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "core/InputFile.h"
#include "serial/LinkTexts.h"
#include "meter/WriteOperation.h"

namespace velmora {

namespace {

ChosenFile Choose(const std::string& chosenPath, const char* prefix, const char* label) {
    std::string name = FileNameOf(chosenPath);
    // Byte for byte and case-sensitive, as the meter's own tools name them.
    if (name.compare(0, std::strlen(prefix), prefix) == 0) {
        return {chosenPath, std::string(label) + " " + name};
    }
    return {"", label};
}

long FileSize(std::FILE* file) {
    struct stat st {};
    return ::fstat(::fileno(file), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

// Opens a file to upload; shows openError or tooShort and returns null when
// it cannot be used. readHeader fills the header (if any) and says how many
// bytes the transfer needs.
template <class NeededBytes>
std::FILE* OpenUpload(OperationHost& host, const std::string& path, const char* openError,
                      const char* tooShort, NeededBytes neededBytes) {
    // A device or a named pipe could never end or never begin.
    std::FILE* file = OpenRegularFile(path);
    if (file == nullptr) {
        host.ShowMessage(openError);
        return nullptr;
    }
    long needed = neededBytes(file);
    if (needed < 0 || FileSize(file) < needed) {
        std::fclose(file);
        host.ShowMessage(tooShort);
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
    return Choose(chosenPath, LOGO_NAME_PREFIX, LOGO_LABEL);
}

ChosenFile LoadIconFile(const std::string& chosenPath) {
    return Choose(chosenPath, ICON_NAME_PREFIX, ICON_LABEL);
}

OpResult WriteLogoToMeter(MeterLink& link, const std::string& logoPath) {
    OperationHost& host = link.Host();
    std::FILE* file = OpenUpload(host, logoPath, TEXT_OPEN_LOGO_ERROR, TEXT_LOGO_TOO_SHORT,
                                 [](std::FILE*) { return LOGO_FILE_BYTES; });
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
    std::FILE* file = OpenUpload(host, iconPath, TEXT_OPEN_ICON_ERROR, TEXT_ICON_TOO_SHORT,
                                 [&header](std::FILE* f) {
                                     if (std::fread(header, 1, ICON_HEADER_BYTES, f) !=
                                         ICON_HEADER_BYTES)
                                         return -1L;
                                     return IconFileBytes(header);
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

OpResult DeleteMeterIcons(MeterLink& link, bool answerWithoutWindow) {
    OperationHost& host = link.Host();
    bool yes = answerWithoutWindow;
    if (WindowSide* window = host.Window()) {
        yes = window->AskYesNo(TEXT_DELETE_ICONS_QUESTION);
    } else {
        // The question and the answer given for the user, as a line of its own.
        host.ShowMessage(std::string(TEXT_DELETE_ICONS_QUESTION) + (yes ? " yes" : " no"));
    }
    if (!yes) return OpResult::NotStarted;
    return RunWriteOperation(link, CMD_DELETE_ICONS, TEXT_DELETE_COMPLETED, TEXT_DELETE_FAILED,
                             [] { return true; });
}

}  // namespace velmora
