// Whole-file writes that either replace the target completely or leave it as
// it was: a temporary file beside the target, fsync, rename. Used for every
// file the program saves (sattp.csv, Flash1M.bin, exported lists, backups).
// An output that is not a plain file (a terminal, /dev/null, a named pipe)
// cannot be replaced; it is written directly instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace velmora {

enum class ReplaceRule {
    Allowed,  // an existing target is replaced
    Never,    // an existing target makes Commit fail with EEXIST (backups)
};

class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    // Removes the temporary file unless Commit succeeded.
    ~AtomicFileWriter();

    // Creates the temporary file beside path (beside the file a symbolic link
    // points to, so saving through a link replaces its target; a link to a
    // missing place, or a loop of links, is refused and left). An existing
    // target's mode, owner and group carry over. A target that is a device,
    // a named pipe or a socket is opened for writing directly. False, with
    // Error() saying why, when the target is a folder, may not be written
    // by this user, has other hard links (replacing it would split them), or
    // the temporary file cannot be created.
    bool Begin(const std::string& path, ReplaceRule rule = ReplaceRule::Allowed);
    // Descriptor to write to, valid between Begin and Commit.
    int Descriptor() const { return fd_; }
    // Flushes, closes and renames over the target; false (temporary file
    // removed, target untouched) when any step fails. After a rename,
    // temporary files of the same target that an earlier, killed save left
    // behind are removed.
    bool Commit();
    // The reason of the last failure: a system error text ("Permission
    // denied") or a sentence ("is a folder").
    const std::string& Error() const { return error_; }
    // Where the bytes went: the target, after links were followed.
    const std::string& Target() const { return target_; }

private:
    bool Fail(std::string reason);
    bool FailWithErrno();
    bool BeginDirect();
    void Abandon();

    int fd_ = -1;
    bool direct_ = false;
    ReplaceRule rule_ = ReplaceRule::Allowed;
    std::string temp_;
    std::string target_;
    std::string error_;
};

// Writes all bytes, retrying short writes; false on any error.
bool WriteAllBytes(int fd, const void* data, std::size_t size);

// Begin, write(descriptor), Commit. On false whyNot (when given) receives
// the reason, and created (when given) says whether the temporary file
// could be created at all.
bool WriteFileThrough(const std::string& path, ReplaceRule rule,
                      const std::function<bool(int fd)>& write, std::string* whyNot,
                      bool* created = nullptr);

// The whole file through AtomicFileWriter; on false, whyNot (when given)
// receives the reason.
bool WriteFileAtomically(const std::string& path, const uint8_t* data, std::size_t size,
                         std::string* whyNot = nullptr);

}  // namespace velmora
