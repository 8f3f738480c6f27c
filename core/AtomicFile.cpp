#include "core/AtomicFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

namespace velmora {

namespace {

constexpr const char* kTempSuffix = ".tmp-";
constexpr std::size_t kTempRandomLength = 6;  // mkstemp's XXXXXX

std::string FolderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The mode a plainly created file would get: 0666 less the umask.
mode_t NewFileMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
#if defined(__EMSCRIPTEN__)
    // The browser build's C library starts with a umask of 0777, which would
    // save files that not even the page may read back for the download.
    if (mask == 0777) mask = 022;
#endif
    return 0666 & ~mask;
}

// Removes "<base>.tmp-XXXXXX" files in folder that no writer holds: each
// writer keeps a lock on its temporary file until it is renamed, and a killed
// writer's lock went with it.
void RemoveLeftoverTemps(const std::string& folder, const std::string& base) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    const std::string prefix = base + kTempSuffix;
    while (const dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() != prefix.size() + kTempRandomLength || name.compare(0, prefix.size(), prefix))
            continue;
        std::string path = folder + "/" + name;
        int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(path.c_str());
        }
        ::close(fd);
    }
    ::closedir(dir);
}

bool RenameNoReplace(const char* from, const char* to) {
#if defined(RENAME_NOREPLACE)
    if (::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
#endif
    // A file system without the flag: a hard link fails just as well on an
    // existing name.
    if (::link(from, to) == 0) {
        ::unlink(from);
        return true;
    }
#if defined(__EMSCRIPTEN__)
    // The browser's in-memory file system has no hard links, and nothing
    // else writes in it while this runs.
    struct stat st {};
    if (::stat(to, &st) != 0 && errno == ENOENT) return ::rename(from, to) == 0;
#endif
    return false;
}

}  // namespace

AtomicFileWriter::~AtomicFileWriter() { Abandon(); }

void AtomicFileWriter::Abandon() {
    if (fd_ >= 0) ::close(fd_);
    if (!temp_.empty()) ::unlink(temp_.c_str());
    fd_ = -1;
    temp_.clear();
}

bool AtomicFileWriter::BeginDirect() {
    // O_NONBLOCK: a pipe without a reader fails at once instead of waiting.
    fd_ = ::open(target_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) {
        if (errno == ENXIO) return Fail("no program reads from it");
        return FailWithErrno();
    }
    int flags = ::fcntl(fd_, F_GETFL);
    if (flags >= 0) ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK);
    direct_ = true;
    return true;
}

bool AtomicFileWriter::Begin(const std::string& path, ReplaceRule rule) {
    Abandon();
    error_.clear();
    direct_ = false;
    rule_ = rule;
    if (path.empty()) return Fail("no file name");
    target_ = path;
    struct stat st {};
    bool exists = ::lstat(path.c_str(), &st) == 0;
    if (exists && S_ISLNK(st.st_mode)) {
        // A link that leads nowhere stays as it is: replacing it with a
        // file would lose where it pointed.
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr)
            return Fail(std::string("is a link that leads nowhere (") + std::strerror(errno) + ")");
        target_ = resolved;
        exists = ::stat(target_.c_str(), &st) == 0;
    }
    if (exists && S_ISDIR(st.st_mode)) return Fail("is a folder");
    if (exists && !S_ISREG(st.st_mode)) return BeginDirect();
    if (exists && rule == ReplaceRule::Allowed) {
        if (::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) return FailWithErrno();
        if (st.st_nlink > 1) {
            return Fail("has " + std::to_string(st.st_nlink) +
                        " hard links, and replacing it would split them");
        }
    }
    // Beside the target, so the final rename stays within one file system.
    std::string pattern = target_ + kTempSuffix + std::string(kTempRandomLength, 'X');
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    fd_ = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd_ < 0) return FailWithErrno();
    temp_ = name.data();
    // Held until the rename, so that another save can tell this file from a
    // killed save's leftover.
    ::flock(fd_, LOCK_EX | LOCK_NB);
    bool keep = exists && rule == ReplaceRule::Allowed;
    if (::fchmod(fd_, keep ? (st.st_mode & 07777) : NewFileMode()) != 0) return FailWithErrno();
    struct stat own {};
    if (keep && ::fstat(fd_, &own) == 0 && (own.st_uid != st.st_uid || own.st_gid != st.st_gid)) {
        // Replacing another user's file (as root) leaves it theirs.
        if (::fchown(fd_, st.st_uid, st.st_gid) != 0)
            return Fail(std::string("cannot keep its owner and group: ") + std::strerror(errno));
        ::fchmod(fd_, st.st_mode & 07777);  // chown may have cleared set-id bits
    }
    return true;
}

bool AtomicFileWriter::Commit() {
    if (fd_ < 0) return false;
    if (direct_) {
        int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 || Fail(std::strerror(errno));
    }
    if (::fsync(fd_) != 0 || ::close(fd_) != 0) {
        fd_ = -1;
        return FailWithErrno();
    }
    fd_ = -1;
    bool renamed = rule_ == ReplaceRule::Never
                       ? RenameNoReplace(temp_.c_str(), target_.c_str())
                       : std::rename(temp_.c_str(), target_.c_str()) == 0;
    if (!renamed) return FailWithErrno();
    temp_.clear();
    const std::string folder = FolderOf(target_);
    // Make the rename itself durable; a failure here loses nothing written.
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    RemoveLeftoverTemps(folder, BaseOf(target_));
    return true;
}

}  // namespace velmora
