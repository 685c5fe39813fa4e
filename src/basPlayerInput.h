// The player's commands as they reach the game tables: presses on the board, the hint and the
// question whether a new game may start now.
#pragma once

#include <cstdint>

namespace glintrow {

// A press on the board area at pixel (X, Y): selects, cancels or starts a swap.
void PressBoard(float X, float Y);
// Selects the gem of the hint exactly as a first press on it would.
void SelectHintedGem();
// True in the states in which a new game may cut in.
bool CanStartNewGame();

} // namespace glintrow
