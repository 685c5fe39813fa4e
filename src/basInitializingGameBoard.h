// Dealing a new board: kinds without lines but with a move, every gem above its cell.
#pragma once

namespace glintrow {

void InitializeGameBoard();

} // namespace glintrow
