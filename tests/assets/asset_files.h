// Helpers for the asset tests: loading the generated files and measuring what they show.
#pragma once

#include "GameFacts.h"

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace glintrow::assets::testing {

std::filesystem::path builtAsset(const std::string& relative);
// A picture the build wrote into its images folder.
QImage loadBuiltPicture(const std::string& image);
QImage cutCell(const QImage& sheet, int column, int row);

// Which pixels of a colour-keyed picture show, row by row.
using Mask = std::vector<bool>;
Mask findShown(const QImage& keyed);
// Pixels that black cannot reach from the picture's border: the inside of every shape.
Mask findEnclosed(const QImage& keyed);
// Pure black pixels inside a shape, where the colour key would punch a hole.
int countHoles(const QImage& keyed);
QRect boundShown(const QImage& keyed);
double measureDifference(const QImage& a, const QImage& b);
double measureLuminance(QRgb pixel);

struct Wav {
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples;
};

Wav readWav(const std::filesystem::path& file);

} // namespace glintrow::assets::testing
