// The bytes of the files the loaders read, written field by field where a test needs a file that
// no tool would write.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace glintrow::testing {

// A little-endian field of so many bytes, as bitmap and wave files hold them.
inline std::string Field(uint32_t value, int bytes) {
    std::string field;
    for (int i = 0; i < bytes; ++i)
        field += static_cast<char>(value >> (8 * i));
    return field;
}

// A PCM wave file of the given samples, whose data chunk claims their length unless told another.
inline std::string PcmWave(int channels, int rate, int bits, const std::string& samples,
                           std::optional<uint32_t> claimedBytes = std::nullopt) {
    const int frameBytes = channels * bits / 8;
    const std::string format = Field(1, 2) + Field(channels, 2) + Field(rate, 4) +
                               Field(rate * frameBytes, 4) + Field(frameBytes, 2) + Field(bits, 2);
    const std::string body = "WAVEfmt " + Field(16, 4) + format + "data" +
                             Field(claimedBytes.value_or(samples.size()), 4) + samples;
    return "RIFF" + Field(body.size(), 4) + body;
}

} // namespace glintrow::testing
