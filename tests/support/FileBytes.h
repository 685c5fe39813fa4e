// The bytes of the files the loaders read, written field by field where a test needs a file that
// no tool would write.
#pragma once

#include <cstdint>
#include <string>

namespace glintrow::testing {

// A little-endian field of so many bytes, as bitmap and wave files hold them.
inline std::string Field(uint32_t value, int bytes) {
    std::string field;
    for (int i = 0; i < bytes; ++i)
        field += static_cast<char>(value >> (8 * i));
    return field;
}

} // namespace glintrow::testing
