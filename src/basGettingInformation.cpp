// Board queries: a cell, the kind in a cell, the gem under a point, and whether two gems are
// neighbours.
#include "basGettingInformation.h"

#include "basDeclarations.h"
#include "platform/Runtime.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace glintrow {
namespace {

// The outermost pixel on either side takes no press; a position that is not a number fails too.
bool IsInsidePressArea(float position) {
    return position > 0.0f && position < static_cast<float>(BoardPixels - 1);
}

} // namespace

CGem& GemOf(int16_t id) {
    if (id < 0 || id >= GemCount)
        throw RuntimeError(reasons::SubscriptOutOfRange);
    return Gems[id];
}

void RaiseOffBoard(int16_t column, int16_t row) {
    throw RuntimeError(reasons::CellOffBoard, {std::to_string(column), std::to_string(row)});
}

int16_t GemTypeAt(int16_t x, int16_t y) {
    if (!IsOnBoard(x, y))
        return -1;
    return CellAt(x, y).GemType;
}

int16_t GemAtPoint(float X, float Y) {
    if (!IsInsidePressArea(X) || !IsInsidePressArea(Y))
        return -1;
    const auto column = static_cast<int16_t>(std::floor(static_cast<double>(X) / CellSize));
    const auto row = static_cast<int16_t>(std::floor(static_cast<double>(Y) / CellSize));
    return CellAt(column, row).GemID;
}

bool AreAdjacent(int16_t a, int16_t b) {
    const CGem& first = GemOf(a);
    const CGem& second = GemOf(b);
    if (first.YCoord == second.YCoord && std::abs(first.XCoord - second.XCoord) == 1)
        return true;
    return first.XCoord == second.XCoord && std::abs(first.YCoord - second.YCoord) == 1;
}

} // namespace glintrow
