// The only thing the bootloader client knows about the line: read exactly n
// bytes, write n bytes. The serial adapter and the tests implement it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace velmora {

enum class PortResult { Ok, TimedOut, Failed };

class BootPort {
public:
    virtual ~BootPort() = default;
    virtual PortResult read(uint8_t* buffer, std::size_t n) = 0;
    virtual PortResult write(const uint8_t* buffer, std::size_t n) = 0;
};

}  // namespace velmora
