// Board queries: the kind in a cell, the gem under a point, and whether two gems are neighbours.
#pragma once

#include "CGem.h"

#include <cstdint>

namespace glintrow {

// The gem with an id; an id that names none of the 64 gems is a run-time error.
CGem& GemOf(int16_t id);

// The kind of the gem in cell (x, y); -1 off the board.
int16_t GemTypeAt(int16_t x, int16_t y);
// The gem under a pixel of the board area, or -1 on its outermost pixels and off it.
int16_t GemAtPoint(float X, float Y);
// True when the two gems stand side by side in one row or one column.
bool AreAdjacent(int16_t a, int16_t b);

} // namespace glintrow
