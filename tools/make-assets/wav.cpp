// Writes the RIFF/WAVE header and little-endian 16-bit samples.
#include "wav.h"

#include <algorithm>
#include <cmath>

namespace glintrow::assets {

namespace {

void appendLittleEndian(std::vector<std::uint8_t>& bytes, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void appendTag(std::vector<std::uint8_t>& bytes, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

std::vector<std::uint8_t> encodeWav(const Samples& samples) {
    constexpr std::uint32_t channels = 1;
    constexpr std::uint32_t bytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * bytesPerSample);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + dataBytes);
    appendTag(bytes, "RIFF");
    appendLittleEndian(bytes, 36 + dataBytes, 4);
    appendTag(bytes, "WAVE");
    appendTag(bytes, "fmt ");
    appendLittleEndian(bytes, 16, 4);
    appendLittleEndian(bytes, 1, 2); // integer PCM
    appendLittleEndian(bytes, channels, 2);
    appendLittleEndian(bytes, SampleRate, 4);
    appendLittleEndian(bytes, SampleRate * channels * bytesPerSample, 4);
    appendLittleEndian(bytes, channels * bytesPerSample, 2);
    appendLittleEndian(bytes, 8 * bytesPerSample, 2);
    appendTag(bytes, "data");
    appendLittleEndian(bytes, dataBytes, 4);
    for (double sample : samples) {
        const long level = std::lround(std::clamp(sample, -1.0, 1.0) * 32767);
        appendLittleEndian(bytes, static_cast<std::uint32_t>(static_cast<std::int16_t>(level)), 2);
    }
    return bytes;
}

} // namespace glintrow::assets
