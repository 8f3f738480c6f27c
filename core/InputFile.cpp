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

private:
    int fd_;
};

bool Refuse(std::string& bytes, std::string& whyNot, std::string reason) {
    bytes.clear();
    whyNot = std::move(reason);
    return false;
}

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

}  // namespace

#ifdef _WIN32
// Windows' stat has no inode: the volume and the file index tell.
bool SameFile(const std::string& a, const std::string& b) {
    auto identity = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
        HANDLE h = ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
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
    Descriptor fd(OpenReadOnly(path));
    if (fd.Get() < 0) {
        const int err = errno;
        // Windows refuses to open a folder as "Permission denied".
        struct stat folder {};
        if (err == EISDIR || (::stat(path.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode)))
            return Refuse(bytes, whyNot, "is a folder");
        errno = err;
        return Refuse(bytes, whyNot, std::string("cannot be read: ") + std::strerror(errno));
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0)
        return Refuse(bytes, whyNot, std::string("cannot be read: ") + std::strerror(errno));
    if (S_ISDIR(info.st_mode)) return Refuse(bytes, whyNot, "is a folder");
    if (!S_ISREG(info.st_mode)) return Refuse(bytes, whyNot, "is not a regular file");
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
        if (n < 0) return Refuse(bytes, whyNot, std::string("cannot be read: ") + std::strerror(errno));
        if (n == 0) break;
        if (bytes.size() + static_cast<std::size_t>(n) > maxBytes)
            return tooLarge(bytes.size() + static_cast<std::size_t>(n));
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    whyNot.clear();
    return true;
}

}  // namespace velmora
