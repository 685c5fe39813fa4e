// The game's pictures: gem sheet, board, selection cursor, icons and a contact sheet of them all.
#pragma once

#include "colour.h"

#include <QImage>

namespace glintrow::assets {

inline constexpr int kCell = 52;
inline constexpr int kSpinFrames = 15;
inline constexpr int kCursorFrames = 6;
inline constexpr int kBoardCells = 8;

// The board's average colour: soft edges blend into it, since the game draws gems and cursor with
// black as a hard transparent key.
inline const Rgb kBoardTone = rgb255(33, 30, 50);

QImage keyOntoBoardTone(const QImage& soft);
QImage makeGemSheet();
QImage makeBoard();
QImage makeTarget();
QImage makeIcon(int size);
QImage makeContactSheet();

} // namespace glintrow::assets
