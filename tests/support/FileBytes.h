// The bytes of the files the loaders read, written field by field where a test needs a file that
// no tool would write.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace glintrow::testing {

// A little-endian field of so many bytes, as bitmap and wave files hold them.
inline std::string Field(uint32_t value, int bytes) {
    std::string field;
    for (int i = 0; i < bytes; ++i)
        field += static_cast<char>(value >> (8 * i));
    return field;
}

// The file header and the 40-byte information header of a bitmap, its pixels right behind them.
inline std::string BitmapHeaders(int32_t width, int32_t height, int bitsPerPixel, int compression,
                                 const std::string& palette, size_t pixelBytes) {
    const auto offset = static_cast<uint32_t>(14 + 40 + palette.size());
    const auto bytes = static_cast<uint32_t>(pixelBytes);
    return "BM" + Field(offset + bytes, 4) + Field(0, 4) + Field(offset, 4) + Field(40, 4) +
           Field(width, 4) + Field(height, 4) + Field(1, 2) + Field(bitsPerPixel, 2) +
           Field(compression, 4) + Field(bytes, 4) + Field(2835, 4) + Field(2835, 4) +
           Field(static_cast<uint32_t>(palette.size() / 4), 4) + Field(0, 4) + palette;
}

// An 8-bit run-length bitmap with a grey palette over a stream of codes.
inline std::string RunLengthBitmap(int32_t width, int32_t height, const std::string& stream) {
    std::string palette;
    for (int grey = 0; grey < 256; ++grey)
        palette += std::string(3, static_cast<char>(grey)) + '\0';
    return BitmapHeaders(width, height, 8, 1, palette, stream.size()) + stream;
}

constexpr int PcmEncoding = 1;
constexpr int ALawEncoding = 6;
constexpr int ImaAdpcmEncoding = 0x11;
constexpr int MsAdpcmEncoding = 2;

// A wave file of the given samples, whose data chunk claims their length unless told another:
// PCM unless told another encoding, in frames of whole bytes unless told the size of a block, with
// the encoding's own fields after the common ones when given.
inline std::string Wave(int channels, int rate, int bits, const std::string& samples,
                        std::optional<uint32_t> claimedBytes = std::nullopt,
                        int encoding = PcmEncoding, int blockAlign = 0,
                        const std::string& extension = "") {
    const int block = blockAlign ? blockAlign : channels * bits / 8;
    std::string format = Field(encoding, 2) + Field(channels, 2) + Field(rate, 4) +
                         Field(rate * block, 4) + Field(block, 2) + Field(bits, 2);
    if (!extension.empty())
        format += Field(extension.size(), 2) + extension;
    const std::string body = "WAVEfmt " + Field(format.size(), 4) + format + "data" +
                             Field(claimedBytes.value_or(samples.size()), 4) + samples;
    return "RIFF" + Field(body.size(), 4) + body;
}

// The fields MS ADPCM adds to the format: the samples a block decodes to and the seven standard
// pairs of predictor coefficients.
inline std::string MsAdpcmFields(int samplesPerBlock) {
    std::string fields = Field(samplesPerBlock, 2) + Field(7, 2);
    for (const auto& [first, second] :
         {std::pair{256, 0}, {512, -256}, {0, 0}, {192, 64}, {240, 0}, {460, -208}, {392, -232}})
        fields += Field(static_cast<uint16_t>(first), 2) + Field(static_cast<uint16_t>(second), 2);
    return fields;
}

} // namespace glintrow::testing
