// Loads generated pictures and WAV files and measures masks, bounds and differences in them.
#include "asset_files.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace glintrow::assets::testing {

std::filesystem::path builtAsset(const std::string& relative) {
    return std::filesystem::path(ASSET_DIR) / relative;
}

QImage loadBuiltPicture(const std::string& image) {
    QImage picture(
        QString::fromStdString(builtAsset(std::string(ImagesFolder) + "/" + image).string()));
    if (picture.isNull())
        throw std::runtime_error("cannot load " + image);
    return picture;
}

QImage cutCell(const QImage& sheet, int column, int row) {
    return sheet.copy(column * CellSize, row * CellSize, CellSize, CellSize)
        .convertToFormat(QImage::Format_RGB32);
}

Mask findShown(const QImage& keyed) {
    Mask shown;
    for (int y = 0; y < keyed.height(); ++y)
        for (int x = 0; x < keyed.width(); ++x)
            shown.push_back((keyed.pixel(x, y) & 0xffffff) != 0);
    return shown;
}

Mask findEnclosed(const QImage& keyed) {
    const int w = keyed.width();
    const int h = keyed.height();
    const Mask shown = findShown(keyed);
    Mask reached(shown.size(), false);
    std::vector<int> pending;
    for (int i = 0; i < w * h; ++i) {
        const int x = i % w;
        const int y = i / w;
        if ((x == 0 || y == 0 || x == w - 1 || y == h - 1) && !shown[i]) {
            reached[i] = true;
            pending.push_back(i);
        }
    }
    while (!pending.empty()) {
        const int i = pending.back();
        pending.pop_back();
        const int x = i % w;
        const int y = i / w;
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            const int nx = x + dx;
            const int ny = y + dy;
            const int n = ny * w + nx;
            if (nx >= 0 && ny >= 0 && nx < w && ny < h && !shown[n] && !reached[n]) {
                reached[n] = true;
                pending.push_back(n);
            }
        }
    }
    Mask enclosed;
    for (bool r : reached)
        enclosed.push_back(!r);
    return enclosed;
}

int countHoles(const QImage& keyed) {
    const Mask shown = findShown(keyed);
    const Mask enclosed = findEnclosed(keyed);
    int holes = 0;
    for (std::size_t i = 0; i < shown.size(); ++i)
        holes += enclosed[i] && !shown[i];
    return holes;
}

QRect boundShown(const QImage& keyed) {
    QRect bounds;
    for (int y = 0; y < keyed.height(); ++y) {
        for (int x = 0; x < keyed.width(); ++x)
            if ((keyed.pixel(x, y) & 0xffffff) != 0)
                bounds |= QRect(x, y, 1, 1);
    }
    return bounds;
}

double measureDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

double measureLuminance(QRgb pixel) {
    return 0.2126 * qRed(pixel) + 0.7152 * qGreen(pixel) + 0.0722 * qBlue(pixel);
}

Wav readWav(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto read = [&bytes](std::size_t at, int width) {
        std::uint32_t value = 0;
        for (int i = 0; i < width; ++i)
            value |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes.at(at + i)))
                     << (8 * i);
        return value;
    };
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
        std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        throw std::runtime_error("not a RIFF/WAVE file: " + file.string());
    Wav wav;
    for (std::size_t at = 12; at + 8 <= bytes.size();) {
        const std::uint32_t size = read(at + 4, 4);
        if (std::memcmp(bytes.data() + at, "fmt ", 4) == 0) {
            wav.format = static_cast<int>(read(at + 8, 2));
            wav.channels = static_cast<int>(read(at + 10, 2));
            wav.sampleRate = static_cast<int>(read(at + 12, 4));
            wav.bitsPerSample = static_cast<int>(read(at + 22, 2));
        } else if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
            for (std::size_t i = 0; i + 1 < size; i += 2)
                wav.samples.push_back(static_cast<std::int16_t>(read(at + 8 + i, 2)));
        }
        at += 8 + size + size % 2;
    }
    return wav;
}

} // namespace glintrow::assets::testing
