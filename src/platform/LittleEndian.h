// Reading the little-endian numbers of the headers of the files the game loads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace glintrow {

// The unsigned number of so many bytes at an offset, its lowest byte first.
inline uint32_t ReadLittleEndian(std::string_view bytes, size_t offset, int size) {
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<uint8_t>(bytes[offset + i]);
    return value;
}

} // namespace glintrow
