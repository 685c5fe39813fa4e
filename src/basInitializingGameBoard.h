// Dealing a new board: kinds without lines but with a move, every gem above its cell.
#pragma once

#include <cstdint>

namespace glintrow {

void InitializeGameBoard();
// Makes a gem afresh with an id and a kind and sets it at rest in a cell, board and gem agreeing.
void PlaceGem(int16_t id, int16_t column, int16_t row, int16_t kind);

} // namespace glintrow
