// The player's commands as they reach the game tables: presses on the board, the hint and the
// question whether a new game may start now; and what a cell shows, told in words.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace glintrow {

// A press on the board area at pixel (X, Y): selects, cancels or starts a swap.
void PressBoard(float X, float Y);
// Selects the gem of the hint exactly as a first press on it would.
void SelectHintedGem();
// True in the states in which a new game may cut in.
bool CanStartNewGame();

// A cell of the board: column 0 at the left, row 0 at the top.
struct BoardPlace {
    int16_t column = 0;
    int16_t row = 0;
};

// The cell of the gem the player has selected; nothing while no gem is selected.
std::optional<BoardPlace> SelectedGemCell();
// A cell as a screen reader says it: the gem's colour and shape, its row and column counted from 1
// as people count them, and whether it is selected ("Red square, row 3, column 5, selected").
std::string DescribeCell(BoardPlace cell);

} // namespace glintrow
