// Draws one gem, turned about its vertical axis, as shapes or as a picture with soft edges.
#pragma once

#include <QImage>
#include <QPainter>

namespace glintrow::assets {

// Share of the square the gem's larger side spans at rest.
inline constexpr double GemFill = 0.85;

// Draws gem `kind` turned by `turn` radians into the square from (0, 0) to (side, side), every
// shape inside the gem's outline, so that a device without clipping (a scalable picture) shows
// the same; every gem looks the same again after half a turn.
void drawGem(QPainter& painter, int kind, double turn, double side);

// The gem drawn as a size × size premultiplied ARGB picture.
QImage paintGem(int kind, double turn, int size);

// Averages each factor × factor block of a premultiplied picture into one pixel.
QImage shrinkBoxes(const QImage& big, int factor);

} // namespace glintrow::assets
