// What every platform's AtomicFileWriter shares: the write loop, the failure
// bookkeeping and the Begin, write, Commit sequence.
#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "core/AtomicFile.h"

namespace velmora {

bool AtomicFileWriter::Fail(std::string reason) {
    const int code = errno;  // for callers that test it
    Abandon();
    error_ = std::move(reason);
    errno = code;
    return false;
}

bool AtomicFileWriter::FailWithErrno() { return Fail(std::strerror(errno)); }

bool WriteAllBytes(int fd, const void* data, std::size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool WriteFileThrough(const std::string& path, ReplaceRule rule,
                      const std::function<bool(int fd)>& write, std::string* whyNot,
                      bool* created) {
    AtomicFileWriter file;
    std::string reason;
    bool began = file.Begin(path, rule);
    if (created != nullptr) *created = began;
    if (!began) {
        reason = file.Error();
    } else if (errno = 0; !write(file.Descriptor())) {
        reason = errno != 0 ? std::strerror(errno) : "write error";
    } else if (!file.Commit()) {
        reason = file.Error();
    } else {
        return true;
    }
    if (whyNot != nullptr) *whyNot = reason;
    return false;
}

bool WriteFileAtomically(const std::string& path, const uint8_t* data, std::size_t size,
                         std::string* whyNot) {
    return WriteFileThrough(
        path, ReplaceRule::Allowed, [&](int fd) { return WriteAllBytes(fd, data, size); }, whyNot);
}

}  // namespace velmora
