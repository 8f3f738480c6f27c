#include "service/FactoryImage.h"

#include <sys/stat.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/AtomicFile.h"
#include "core/InputFile.h"
#include "core/MessageText.h"
#include "core/TextMark.h"
#include "serial/LinkTexts.h"
#include "meter/LogoIconUpload.h"
#include "core/AtomicFile.h"
#include "core/InputFile.h"
#include "serial/LinkTexts.h"
#include "meter/LogoIconUpload.h"

namespace velmora {

namespace {

constexpr uint8_t kTpFlagsKept = TP_FLAG_VERTICAL | TP_FLAG_UNIQUE;

class File {
public:
    // Only a regular file: a named pipe would wait for a writer for ever.
    explicit File(const std::string& path) : f_(OpenRegularFile(path)) {}
    ~File() {
        if (f_ != nullptr) std::fclose(f_);
    }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    bool IsOpen() const { return f_ != nullptr; }
    long Size() const {
        struct stat st {};
        return ::fstat(::fileno(f_), &st) == 0 ? static_cast<long>(st.st_size) : 0;
    }
    // Reads up to n bytes; a short file leaves the rest of out untouched.
    std::size_t Read(uint8_t* out, std::size_t n) { return std::fread(out, 1, n, f_); }

private:
    std::FILE* f_;
};

void BuildTableBlock(SatTpDatabase& db, uint8_t* image) {
    int tpCount = UsedTps(db);
    int satCount = UsedSatellites(db);

    PutU16(image + FACTORY_TP_COUNT_OFFSET, static_cast<uint16_t>(tpCount));
    PutU16(image + FACTORY_TP_COUNT_OFFSET + 2, 0);
    for (int i = 0; i < MAX_TPS; ++i)
        PutU16(image + FACTORY_TP_INDEX_OFFSET + 2 * i, static_cast<uint16_t>(i < tpCount ? i : 0));
    for (int i = 0; i < LNB_COUNT; ++i)
        EncodeLnb(db.lnbs[i], image + FACTORY_LNB_OFFSET + LNB_RECORD_SIZE * i);

    SatRecord unused{};
    std::memcpy(unused.name, UNUSED_SAT_NAME, std::strlen(UNUSED_SAT_NAME));
    for (int i = 0; i < MAX_SATELLITES; ++i)
        EncodeSat(i < satCount ? db.satellites[i] : unused,
                  image + FACTORY_SAT_OFFSET + SAT_RECORD_SIZE * i);

    // The normalisation stays in the tables, so what is edited next is what
    // the meters were programmed with.
    for (int i = 0; i < tpCount; ++i) {
        TpRecord& tp = db.tps[i];
        tp.reserved = 0;
        tp.flags &= kTpFlagsKept;
        EncodeTp(tp, image + FACTORY_TP_OFFSET + TP_RECORD_SIZE * i);
    }

    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, image + FACTORY_TP_COUNT_OFFSET,
                static_cast<uInt>(FACTORY_TABLE_BLOCK_SIZE - FACTORY_TP_COUNT_OFFSET));
    PutU32(image + FACTORY_CRC_OFFSET, static_cast<uint32_t>(crc));
}

}  // namespace

FactoryResult BuildFactoryImage(SatTpDatabase& db, const std::string& logoPath,
                                const std::string& iconPath, uint8_t* image,
                                std::string* problem) {
    std::fill(image, image + FACTORY_IMAGE_SIZE, 0xFF);
    BuildTableBlock(db, image);
    auto refuse = [problem](FactoryResult r, std::string text) {
        if (problem != nullptr) *problem = std::move(text);
        return r;
    };

    // A part of a file would leave the rest of its area 0xFF, which the
    // meter would show as a broken logo or icons.
    File logo(logoPath);
    if (!logo.IsOpen()) return FactoryResult::LogoOpenFailed;
    const long logoSize = logo.Size();
    if (logoSize < static_cast<long>(FACTORY_LOGO_BYTES) ||
        logo.Read(image + FACTORY_LOGO_OFFSET, FACTORY_LOGO_BYTES) != FACTORY_LOGO_BYTES) {
        return refuse(FactoryResult::LogoTooShort,
                      FillText(TEXT_LOGO_CUT, {EscapeControls(logoPath), std::to_string(logoSize),
                                               std::to_string(FACTORY_LOGO_BYTES)}));
    }

    File icon(iconPath);
    if (!icon.IsOpen()) return FactoryResult::IconOpenFailed;
    uint8_t* header = image + FACTORY_ICON_OFFSET;
    const long iconSize = icon.Size();
    std::size_t got = icon.Read(header, ICON_HEADER_BYTES);
    IconFileCheck check =
        CheckIconFile(header, got < ICON_HEADER_BYTES ? static_cast<long>(got) : iconSize);
    // L bytes per record, 4 x A x B records, then the trailer.
    if (check == IconFileCheck::Whole) {
        const auto rest = static_cast<std::size_t>(IconFileBytes(header) - ICON_HEADER_BYTES);
        if (icon.Read(header + ICON_HEADER_BYTES, rest) != rest) check = IconFileCheck::TooShort;
    }
    if (check == IconFileCheck::Whole) return FactoryResult::Ok;
    return refuse(check == IconFileCheck::TooLarge ? FactoryResult::IconTooLarge
                                                   : FactoryResult::IconRefused,
                  IconFileProblem(check, iconPath, header, iconSize));
}

FactoryResult CreateFactoryImage(SatTpDatabase& db, const std::string& logoPath,
                                 const std::string& iconPath,
                                 const std::function<void(const std::string&)>& showMessage,
                                 const std::string& outputPath, std::string* whyNot) {
    // Left uninitialised: BuildFactoryImage writes every byte.
    std::unique_ptr<uint8_t[]> image(new uint8_t[FACTORY_IMAGE_SIZE]);
    std::string problem;
    FactoryResult r = BuildFactoryImage(db, logoPath, iconPath, image.get(), &problem);
    if (r == FactoryResult::Ok &&
        !WriteFileAtomically(outputPath, image.get(), FACTORY_IMAGE_SIZE, whyNot))
        r = FactoryResult::WriteFailed;
    const char* message = nullptr;
    switch (r) {
        case FactoryResult::Ok: return r;
        case FactoryResult::LogoOpenFailed: message = TEXT_OPEN_LOGO_ERROR; break;
        case FactoryResult::IconOpenFailed: message = TEXT_OPEN_ICON_ERROR; break;
        // Refused for what the file holds: named, with what is missing.
        case FactoryResult::IconTooLarge:
        case FactoryResult::LogoTooShort:
        case FactoryResult::IconRefused: message = problem.c_str(); break;
        case FactoryResult::WriteFailed: message = MSG_CREATE_FLASH_ERROR; break;
    }
    if (showMessage) showMessage(message);
    return r;
}

}  // namespace velmora
