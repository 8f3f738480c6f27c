#include "core/InputFile.h"

#include <fcntl.h>
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

// Opens path when it is a regular file; on -1 whyNot says why not and info
// is unset.
int OpenInput(const std::string& path, struct stat& info, std::string& whyNot) {
    // O_NONBLOCK: opening a named pipe must not wait for a writer; it is
    // refused below like any other file that is not a regular one.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.Get() < 0) {
        whyNot = errno == EISDIR ? "is a folder" : std::string(kCannotBeRead) + std::strerror(errno);
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

bool SameFile(const std::string& a, const std::string& b) {
    struct stat x {};
    struct stat y {};
    return ::stat(a.c_str(), &x) == 0 && ::stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev &&
           x.st_ino == y.st_ino;
}

std::FILE* OpenRegularFile(const std::string& path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
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
