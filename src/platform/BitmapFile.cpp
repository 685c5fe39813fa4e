// Reading a bitmap file with Qt's reader, after checks of what the reader would take on trust:
// a picture larger or wider than the limits, and rows the file announces but does not hold.
#include "BitmapFile.h"
#include "RegularFile.h"
#include "Runtime.h"

#include <QFile>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

#include <unistd.h>

namespace glintrow {
namespace {

// The bitmap reader takes a file cut short as whole and leaves the missing rows unset, so a
// bitmap must hold every row its header announces.
bool isCutShort(QFile& file, const BitmapHeader& bitmap) {
    if (bitmap.width <= 0 || bitmap.height == 0)
        return false;
    if (bitmap.compression == RunLength8 || bitmap.compression == RunLength4) {
        if (file.size() <= bitmap.pixelsAt)
            return true;
        const qint64 size = file.size() - bitmap.pixelsAt;
        const uchar* stream = file.map(bitmap.pixelsAt, size);
        if (!stream)
            return true;
        const bool cut =
            IsRunLengthCutShort(stream, size, bitmap.height, bitmap.compression == RunLength4);
        file.unmap(const_cast<uchar*>(stream));
        return cut;
    }
    const bool uncompressed = bitmap.compression == 0 || bitmap.compression == 3;
    if (!uncompressed)
        return false;
    const int64_t rowBytes = (bitmap.width * bitmap.bitsPerPixel + 31) / 32 * 4;
    return file.size() < bitmap.pixelsAt + rowBytes * bitmap.height;
}

bool isTooLarge(const BitmapHeader& bitmap) {
    return bitmap.width > 0 && bitmap.height > MaxBitmapBytes / 4 / bitmap.width;
}

} // namespace

// The old 12-byte header holds 16-bit sizes and no compression.
std::optional<BitmapHeader> ReadBitmapHeader(std::string_view start) {
    const std::string_view header = start.substr(0, 34);
    if (header.size() < 26 || !header.starts_with("BM"))
        return std::nullopt;
    BitmapHeader bitmap;
    bitmap.pixelsAt = qFromLittleEndian<quint32>(header.data() + 10);
    if (qFromLittleEndian<quint32>(header.data() + 14) == 12) {
        bitmap.width = qFromLittleEndian<quint16>(header.data() + 18);
        bitmap.height = qFromLittleEndian<quint16>(header.data() + 20);
        bitmap.bitsPerPixel = qFromLittleEndian<quint16>(header.data() + 24);
        return bitmap;
    }
    if (header.size() < 34)
        return std::nullopt;
    bitmap.width = static_cast<int32_t>(qFromLittleEndian<quint32>(header.data() + 18));
    bitmap.height = std::abs(
        static_cast<int64_t>(static_cast<int32_t>(qFromLittleEndian<quint32>(header.data() + 22))));
    bitmap.bitsPerPixel = qFromLittleEndian<quint16>(header.data() + 28);
    bitmap.compression = qFromLittleEndian<quint32>(header.data() + 30);
    return bitmap;
}

// The file ends, or the end-of-bitmap mark comes, before the last row: the reader leaves the rows
// it never reaches at colour 0 and calls the picture good, and a file of a few bytes would claim a
// picture of any size. Each code is two bytes: a count
// above 0 is a run of one colour; after a 0, 0 ends a row, 1 ends the bitmap, 2 moves right and
// down by the next two bytes, and any other number n lists n pixels, padded to a whole number of
// byte pairs.
bool IsRunLengthCutShort(const uint8_t* stream, int64_t size, int64_t rows, bool fourBit) {
    int64_t row = 0;
    int64_t at = 0;
    while (row < rows && size - at >= 2) {
        const uint8_t count = stream[at];
        const uint8_t code = stream[at + 1];
        at += 2;
        if (count > 0)
            continue;
        if (code == 0) {
            ++row;
        } else if (code == 1) {
            // The end of the bitmap may end the last row, not leave rows unset.
            return row < rows - 1;
        } else if (code == 2) {
            if (size - at < 2)
                return true;
            row += stream[at + 1];
            at += 2;
        } else {
            const int64_t listed = fourBit ? (code + 1) / 2 : code;
            at += (listed + 1) / 2 * 2;
        }
    }
    return row < rows;
}

QImage ReadBitmapFile(const std::string& path) {
    // Opened by the path's own bytes: a folder name need not be valid text.
    const int descriptor = OpenRegularFile(path);
    QFile bitmap;
    if (!bitmap.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        throw RuntimeError(reasons::PermissionDenied, {path});
    }
    const QByteArray start = bitmap.peek(34);
    const std::optional<BitmapHeader> header =
        ReadBitmapHeader(std::string_view(start.constData(), start.size()));
    if (header && isTooLarge(*header))
        throw RuntimeError(reasons::BitmapTooLarge,
                           {std::to_string(header->width), std::to_string(header->height),
                            std::to_string(MaxBitmapBytes / 4), path});
    if (header && header->width > MaxBitmapWidth)
        throw RuntimeError(reasons::BitmapTooWide,
                           {std::to_string(header->width), std::to_string(MaxBitmapWidth), path});
    if (header && isCutShort(bitmap, *header))
        throw RuntimeError(reasons::BitmapCutShort, {path});
    QImageReader reader(&bitmap, "BMP");
    // Whatever the headers above failed to describe, the reader itself allocates no more.
    reader.setAllocationLimit(static_cast<int>(MaxBitmapBytes / (1024 * 1024)));
    QImage pixels = reader.read();
    if (pixels.isNull())
        throw RuntimeError(reasons::BitmapUnreadable, {reader.errorString().toStdString(), path});
    return pixels;
}

QImage ReadBitmapPicture(const std::string& path) {
    QImage pixels = ReadBitmapFile(path);
    pixels.convertTo(QImage::Format_RGB32);
    return pixels;
}

} // namespace glintrow
