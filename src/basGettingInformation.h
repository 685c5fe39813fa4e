// Board queries: a cell, the kind in a cell, the gem under a point, and whether two gems are
// neighbours.
#pragma once

#include "basDeclarations.h"

#include <cstdint>

namespace glintrow {

// The gem with an id; an id that names none of the 64 gems is a run-time error.
CGem& GemOf(int16_t id);

// True when a column and row name a cell of the board.
inline bool IsOnBoard(int16_t column, int16_t row) {
    return column >= 0 && column < BoardSize && row >= 0 && row < BoardSize;
}
[[noreturn]] void RaiseOffBoard(int16_t column, int16_t row);

// The cell in a column and row; a cell off the board is a run-time error. Inline, as the move
// search reaches cells many times in every frame that ends a fall.
inline BoardCell& CellAt(int16_t column, int16_t row) {
    if (!IsOnBoard(column, row))
        RaiseOffBoard(column, row);
    return Board[column][row];
}

// The kind of the gem in cell (x, y); -1 off the board.
int16_t GemTypeAt(int16_t x, int16_t y);
// The gem under a pixel of the board area, or -1 on its outermost pixels and off it.
int16_t GemAtPoint(float X, float Y);
// True when the two gems stand side by side in one row or one column.
bool AreAdjacent(int16_t a, int16_t b);

} // namespace glintrow
