// Reading a whole input file that came from outside (a table, a transponder
// list, a firmware file). Only regular files are read: a device such as
// /dev/zero would never end and a named pipe could block for ever, so both
// are refused before any byte is read; so is a file over the reader's limit.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace velmora {

// Limits of the readers: a full sattp.csv table is under 1 MB.
inline constexpr std::size_t SATTP_FILE_MAX_BYTES = 4u << 20;
inline constexpr std::size_t LIST_FILE_MAX_BYTES = 16u << 20;
inline constexpr std::size_t HEX_FILE_MAX_BYTES = 16u << 20;

// Reads path whole into bytes. False, with whyNot set to a reason that reads
// after the path ("is a folder", "is not a regular file", "is larger than
// 16 MB (20971520 bytes)", "cannot be read: No such file or directory"),
// when the file is not a regular file, holds more than maxBytes, or cannot
// be read; bytes is then empty.
bool ReadInputFile(const std::string& path, std::size_t maxBytes, std::string& bytes,
                   std::string& whyNot);

// Opens path for reading as a stream when it is a regular file; null
// otherwise, without waiting for a named pipe's writer (for the readers that
// take a file piece by piece: logo, icon, the factory image's inputs).
std::FILE* OpenRegularFile(const std::string& path);

// True when both paths name one file (the same device and inode, links
// followed), however they are spelled; false when either is not there.
bool SameFile(const std::string& a, const std::string& b);

// What the user reads about path when ReadInputFile or an open refused it
// with whyNot: "cannot open PATH: <system reason>" for a file that could not
// be opened, "PATH is a folder" and the like otherwise. The path is escaped.
std::string UnreadableFileText(const std::string& path, const std::string& whyNot);

// Whether path can be opened for reading as a regular file; whyNot as
// ReadInputFile gives it otherwise.
bool CanOpenInputFile(const std::string& path, std::string& whyNot);

// The limit as a user reads it: "16 MB", "4 MB", "512 bytes".
std::string SizeLimitText(std::size_t maxBytes);

}  // namespace velmora
