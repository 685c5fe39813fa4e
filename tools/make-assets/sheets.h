// The game's pictures: gem sheet, board, selection cursor, icons and a contact sheet of them all.
#pragma once

#include "GameFacts.h"
#include "colour.h"

#include <QByteArray>
#include <QImage>

namespace glintrow::assets {

// The board's two checker tones and their average. Soft edges blend into the average, since the
// game draws gems and cursor with black as a hard transparent key.
inline const Rgb LightCellTone = rgb255(36, 33, 55);
inline const Rgb DarkCellTone = rgb255(30, 27, 45);
inline const Rgb BoardTone = mix(LightCellTone, DarkCellTone, 0.5);

QImage keyOntoBoardTone(const QImage& soft);
// The game's pictures at 1, 2 or 3 times their size, each drawn from the geometry at that size.
QImage makeGemSheet(int scale = 1);
QImage makeBoard(int scale = 1);
QImage makeTarget(int scale = 1);
QImage makeIcon(int size);
// The largest icon as a scalable picture (SVG): the same gem, drawn as shapes.
QByteArray makeScalableIcon();
QImage makeContactSheet();

} // namespace glintrow::assets
