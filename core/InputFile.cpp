#include "core/InputFile.h"

#include <fcntl.h>
#ifdef _WIN32
#include "core/WideText.h"
#include "core/WindowsPosix.h"
#endif
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/MessageText.h"

namespace velmora {

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    int Release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

private:
    int fd_;
};

bool Refuse(std::string& bytes, std::string& whyNot, std::string reason) {
    bytes.clear();
    whyNot = std::move(reason);
    return false;
}

constexpr std::string_view kCannotBeRead = "cannot be read: ";

// O_NONBLOCK: opening a named pipe must not wait for a writer; it is
// refused like any other file that is not a regular one. On Windows the
// UTF-8 path goes through the wide-character API, in binary mode.
int OpenReadOnly(const std::string& path) {
#ifdef _WIN32
    return ::_wopen(WideFromUtf8(path).c_str(), _O_RDONLY | _O_BINARY);
#else
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
#endif
}

bool IsFolder(const std::string& path) {
#ifdef _WIN32
    const DWORD attributes = ::GetFileAttributesW(WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
#else
    struct stat folder {};
    return ::stat(path.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode);
#endif
}

// Opens path when it is a regular file; on -1 whyNot says why not and info
// is unset.
int OpenInput(const std::string& path, struct stat& info, std::string& whyNot) {
    Descriptor fd(OpenReadOnly(path));
    if (fd.Get() < 0) {
        const int err = errno;
        // Windows refuses to open a folder as "Permission denied".
        if (err == EISDIR || IsFolder(path))
            whyNot = "is a folder";
        else
            whyNot = std::string(kCannotBeRead) + std::strerror(err);
        return -1;
    }
    if (::fstat(fd.Get(), &info) != 0) {
        whyNot = std::string(kCannotBeRead) + std::strerror(errno);
        return -1;
    }
    if (S_ISDIR(info.st_mode) || !S_ISREG(info.st_mode)) {
        whyNot = S_ISDIR(info.st_mode) ? "is a folder" : "is not a regular file";
        return -1;
    }
    return fd.Release();
}

}  // namespace

std::string UnreadableFileText(const std::string& path, const std::string& whyNot) {
    if (whyNot.rfind(kCannotBeRead, 0) == 0)
        return "cannot open " + EscapeControls(path) + ": " + whyNot.substr(kCannotBeRead.size());
    return EscapeControls(path) + " " + whyNot;
}

bool CanOpenInputFile(const std::string& path, std::string& whyNot) {
    struct stat info {};
    Descriptor fd(OpenInput(path, info, whyNot));
    return fd.Get() >= 0;
}

#ifdef _WIN32
// Windows' stat has no inode: the volume and the file index tell.
bool SameFile(const std::string& a, const std::string& b) {
    auto identity = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
        HANDLE h = ::CreateFileW(WideFromUtf8(path).c_str(), 0,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (h == INVALID_HANDLE_VALUE) return false;
        const bool ok = ::GetFileInformationByHandle(h, &info) != 0;
        ::CloseHandle(h);
        return ok;
    };
    BY_HANDLE_FILE_INFORMATION x{}, y{};
    return identity(a, x) && identity(b, y) && x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}
#else
bool SameFile(const std::string& a, const std::string& b) {
    struct stat x {};
    struct stat y {};
    return ::stat(a.c_str(), &x) == 0 && ::stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev &&
           x.st_ino == y.st_ino;
}
#endif

std::FILE* OpenRegularFile(const std::string& path) {
    int fd = OpenReadOnly(path);
    if (fd < 0) return nullptr;
    struct stat info {};
    std::FILE* file = nullptr;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) file = ::fdopen(fd, "rb");
    if (file == nullptr) ::close(fd);
    return file;
}

std::string SizeLimitText(std::size_t maxBytes) {
    if (maxBytes >= (1u << 20) && maxBytes % (1u << 20) == 0)
        return std::to_string(maxBytes >> 20) + " MB";
    return std::to_string(maxBytes) + " bytes";
}

bool ReadInputFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                   std::string& whyNot) {
    struct stat info {};
    Descriptor fd(OpenInput(path, info, whyNot));
    if (fd.Get() < 0) {
        bytes.clear();
        return false;
    }
    auto tooLarge = [&](unsigned long long size) {
        return Refuse(bytes, whyNot,
                      "is larger than " + SizeLimitText(maxBytes) + " (" + std::to_string(size) +
                          " bytes)");
    };
    if (static_cast<unsigned long long>(info.st_size) > maxBytes) return tooLarge(info.st_size);
    bytes.clear();
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    // The file may grow while it is read: never take more than the limit.
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return Refuse(bytes, whyNot, std::string(kCannotBeRead) + std::strerror(errno));
        if (n == 0) break;
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)
            return tooLarge(bytes.size() + static_cast<std::size_t>(n));
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    whyNot.clear();
    return true;
}

}  // namespace velmora
