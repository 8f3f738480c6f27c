// Safe whole-file writes on Windows: a temporary file beside the target,
// written in binary mode, flushed to the disk, then put over the target
// (ReplaceFileW, or a move with write-through where there is none), so a
// crash leaves either the old file or the new one.
#include "core/AtomicFile.h"

#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "core/WideText.h"

namespace velmora {

namespace {

constexpr const char* kTempSuffix = ".tmp-";
constexpr int kTempRandomLength = 6;

// Devices a save writes straight to ("NUL", "CON", "\\.\COM1").
bool IsDeviceName(const std::string& path) {
    if (path.rfind("\\\\.\\", 0) == 0) return true;
    std::string upper;
    for (char c : path) upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    return upper == "NUL" || upper == "CON";
}

std::string RandomPart() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::mt19937 pick(seed());
    std::string part;
    for (int i = 0; i < kTempRandomLength; ++i) part += kLetters[pick() % (sizeof kLetters - 1)];
    return part;
}

// Puts the flushed temporary file in the target's place; the Win32 error
// when it cannot. An existing target is replaced with ReplaceFileW, which
// keeps its attributes, security and streams the way an editor's save
// does. When that fails the target either is untouched or, after a failed
// rename half-way, no longer exists: both leave the move, with write-through,
// to finish the job.
DWORD MoveIntoPlace(const std::wstring& from, const std::wstring& to, ReplaceRule rule) {
    DWORD flags = MOVEFILE_WRITE_THROUGH;
    if (rule == ReplaceRule::Allowed) {
        flags |= MOVEFILE_REPLACE_EXISTING;
        if (::GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES &&
            ::ReplaceFileW(to.c_str(), from.c_str(), nullptr,
                           REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS,
                           nullptr, nullptr))
            return ERROR_SUCCESS;
    }
    return ::MoveFileExW(from.c_str(), to.c_str(), flags) ? ERROR_SUCCESS : ::GetLastError();
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

void AtomicFileWriter::Abandon() {
    if (fd_ >= 0) ::_close(fd_);
    if (!temp_.empty()) ::DeleteFileW(WideFromUtf8(temp_).c_str());
    fd_ = -1;
    temp_.clear();
}

bool AtomicFileWriter::BeginDirect() {
    direct_ = true;
    fd_ = ::_wopen(WideFromUtf8(target_).c_str(), _O_WRONLY | _O_BINARY);
    return fd_ >= 0 || FailWithErrno();
}

bool AtomicFileWriter::Begin(const std::string& path, ReplaceRule rule) {
    Abandon();
    error_.clear();
    direct_ = false;
    rule_ = rule;
    if (path.empty()) return Fail("no file name");
    target_ = path;
    if (IsDeviceName(path)) return BeginDirect();
    const std::wstring wide = WideFromUtf8(path);
    const DWORD attributes = ::GetFileAttributesW(wide.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return Fail("is a folder");
    if (exists && rule == ReplaceRule::Allowed && (attributes & FILE_ATTRIBUTE_READONLY)) {
        errno = EACCES;
        return FailWithErrno();
    }
    // Beside the target, so the final move stays on one volume.
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        const std::string name = target_ + kTempSuffix + RandomPart();
        fd_ = ::_wsopen(WideFromUtf8(name).c_str(), _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY,
                        _SH_DENYRW, _S_IREAD | _S_IWRITE);
        if (fd_ >= 0) temp_ = name;
        else if (errno != EEXIST) break;
    }
    return fd_ >= 0 || FailWithErrno();
}

bool AtomicFileWriter::Commit() {
    if (fd_ < 0) return false;
    if (direct_) {
        int fd = fd_;
        fd_ = -1;
        return ::_close(fd) == 0 || Fail(std::strerror(errno));
    }
    const HANDLE handle = reinterpret_cast<HANDLE>(::_get_osfhandle(fd_));
    if (!::FlushFileBuffers(handle)) {
        const DWORD error = ::GetLastError();
        ::_close(fd_);
        fd_ = -1;
        return Fail(WindowsErrorText(error));
    }
    if (::_close(fd_) != 0) {
        fd_ = -1;
        return FailWithErrno();
    }
    fd_ = -1;
    const DWORD error = MoveIntoPlace(WideFromUtf8(temp_), WideFromUtf8(target_), rule_);
    if (error != ERROR_SUCCESS) {
        errno = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? EEXIST : EACCES;
        if (errno == EEXIST) return FailWithErrno();
        return Fail(WindowsErrorText(error));
    }
    temp_.clear();
    return true;
}

}  // namespace velmora
