// Paints one gem, turned about its vertical axis, with soft antialiased edges.
#pragma once

#include <QImage>

namespace glintrow::assets {

// Share of the square the gem's larger side spans at rest.
inline constexpr double GemFill = 0.85;

// A size × size premultiplied ARGB picture of gem `kind` turned by `turn` radians; every gem looks
// the same again after half a turn.
QImage paintGem(int kind, double turn, int size);

// Averages each factor × factor block of a premultiplied picture into one pixel.
QImage shrinkBoxes(const QImage& big, int factor);

} // namespace glintrow::assets
