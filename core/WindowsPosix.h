// The few POSIX calls the core and the rooms above it use on files, for the
// Windows build (MinGW's C library has open, read, write and stat but not
// these). Included by files that use them, on Windows only.
#pragma once

#ifdef _WIN32

#include <fcntl.h>
#include <io.h>
#include <sys/types.h>
#include <windows.h>

#include <cerrno>

// Descriptor flags without a meaning there; files always open in binary mode.
#ifndef O_CLOEXEC
#define O_CLOEXEC _O_BINARY
#endif
#ifndef O_NOCTTY
#define O_NOCTTY 0
#endif
#ifndef O_NONBLOCK
#define O_NONBLOCK 0
#endif

inline constexpr int LOCK_SH = 1;
inline constexpr int LOCK_EX = 2;
inline constexpr int LOCK_NB = 4;
inline constexpr int LOCK_UN = 8;

// A whole-file lock through LockFileEx, released when the file is closed.
inline int flock(int fd, int operation) {
    HANDLE h = reinterpret_cast<HANDLE>(::_get_osfhandle(fd));
    if (h == INVALID_HANDLE_VALUE) return -1;
    OVERLAPPED at{};
    if (operation & LOCK_UN) return ::UnlockFileEx(h, 0, MAXDWORD, MAXDWORD, &at) ? 0 : -1;
    DWORD flags = (operation & LOCK_EX) ? LOCKFILE_EXCLUSIVE_LOCK : 0;
    if (operation & LOCK_NB) flags |= LOCKFILE_FAIL_IMMEDIATELY;
    if (::LockFileEx(h, flags, 0, MAXDWORD, MAXDWORD, &at)) return 0;
    errno = EWOULDBLOCK;
    return -1;
}

inline long long pread(int fd, void* buffer, unsigned count, long long offset) {
    const long long back = ::_lseeki64(fd, 0, SEEK_CUR);
    if (::_lseeki64(fd, offset, SEEK_SET) < 0) return -1;
    const int n = ::_read(fd, buffer, count);
    ::_lseeki64(fd, back, SEEK_SET);
    return n;
}

inline int fsync(int fd) { return ::_commit(fd); }
inline int fdatasync(int fd) { return ::_commit(fd); }
inline int ftruncate(int fd, long long size) { return ::_chsize_s(fd, size) == 0 ? 0 : -1; }

#endif  // _WIN32
