// Reading a bitmap file: the checks of its headers and run-length codes made before Qt's reader
// decodes it, and the limit on its size. Uses Qt, so only the platform's own files and their tests
// include it, never the game.
#pragma once

#include <QImage>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace glintrow {

// The most pixel data one bitmap may decode to, as 4 bytes a pixel: 64 Mi pixels (8192 x 8192).
// A board of any size a player would paint fits; a surface keeps only the picture it draws, so
// only loading costs this much, and the limit bounds what loading can take.
constexpr int64_t MaxBitmapBytes = int64_t{256} * 1024 * 1024;
// The widest row a bitmap may have: Qt keeps a row of a picture in fewer than 2^31 bits, and
// decodes a bitmap to 32 bits a pixel. So 64 Mi pixels fit in any shape but one row.
constexpr int64_t MaxBitmapWidth = (int64_t{1} << 26) - 1;

// What a bitmap's headers say of its pixels; the height counts rows whichever way up they lie.
struct BitmapHeader {
    int64_t width = 0, height = 0;
    uint32_t bitsPerPixel = 0, compression = 0, pixelsAt = 0;
};

constexpr uint32_t RunLength8 = 1;
constexpr uint32_t RunLength4 = 2;

// What the headers at the start of a file say, or nothing when they are not a bitmap's (the
// reader then refuses the file).
std::optional<BitmapHeader> ReadBitmapHeader(std::string_view start);
// Whether a run-length stream ends before it has given every row.
bool IsRunLengthCutShort(const uint8_t* stream, int64_t size, int64_t rows, bool fourBit);
// The picture of a bitmap file, opened by the bytes of its path. A missing or unreadable file,
// one that is no bitmap, is cut short, would decode to more than MaxBitmapBytes or has rows wider
// than MaxBitmapWidth raises a run-time error naming the path.
QImage ReadBitmapFile(const std::string& path);
// The picture in the format surfaces draw with, converted in place where the format allows, so
// that a large picture is not held twice.
QImage ReadBitmapPicture(const std::string& path);

} // namespace glintrow
