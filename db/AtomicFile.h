// Whole-file writes that either replace the target completely or leave it as
// it was: a temporary file beside the target, fsync, rename. Used for every
// file the program saves (sattp.csv, Flash1M.bin).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace velmora {

class AtomicFileWriter {
public:
    AtomicFileWriter() = default;
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    // Removes the temporary file unless Commit succeeded.
    ~AtomicFileWriter();

    // Creates the temporary file beside path (beside the file a symbolic link
    // points to, so saving through a link replaces its target). An existing
    // target's permissions carry over. False when it cannot be created.
    bool Begin(const std::string& path);
    // Descriptor of the temporary file, valid between Begin and Commit.
    int Descriptor() const { return fd_; }
    // Flushes, closes and renames over the target; false (temporary file
    // removed, target untouched) when any step fails.
    bool Commit();

private:
    void Abandon();

    int fd_ = -1;
    std::string temp_;
    std::string target_;
};

// Writes all bytes, retrying short writes; false on any error.
bool WriteAllBytes(int fd, const void* data, std::size_t size);

bool WriteFileAtomically(const std::string& path, const uint8_t* data, std::size_t size);

}  // namespace velmora
