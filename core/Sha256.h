// SHA-256 (FIPS 180-4), for recording which firmware file went onto a meter.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace velmora {

class Sha256 {
public:
    Sha256();
    void Update(const uint8_t* data, std::size_t count);
    std::array<uint8_t, 32> Finish();

private:
    void Block(const uint8_t* block);

    std::array<uint32_t, 8> state_;
    std::array<uint8_t, 64> buffer_{};
    std::size_t buffered_ = 0;
    uint64_t totalBytes_ = 0;
};

// Lower-case hex of the digest of data.
std::string Sha256Hex(const std::string& data);
// Lower-case hex of the digest of the file's bytes; empty when it is not a
// regular file, is over HEX_FILE_MAX_BYTES or cannot be read.
std::string Sha256HexOfFile(const std::string& path);

}  // namespace velmora
