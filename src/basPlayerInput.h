// The player's commands as they reach the game tables: presses on the board, the hint and the
// question whether a new game may start now; and what a cell shows, told in words.
#pragma once

#include "SoundEffect.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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
// What a cell shows, as a screen reader names it: the gem's colour and shape ("Red square"), "No
// gem" while a clear leaves it empty or once the gems have flown apart: then only the board itself
// says "Game Over", so a screen reader reading a cell again never says it twice.
std::string NameCell(BoardPlace cell);
// Whether the board shows its gems: not while they fly apart, nor under the Game Over banner.
bool BoardShowsGems();
// Whether the gems stand still in their cells, waiting for the player or for a new game.
bool BoardIsAtRest();

// What the game did that a player who does not see the board must hear, as its sounds tell it: a
// swap that made a line and the gems its clear takes, a swap refused, each further clear of the
// move with its combo, and the end of the game.
struct PlayNews {
    enum class Kind { LineMade, SwapRefused, ComboRose, GameOver };
    Kind kind;
    // The gems the clear takes away, and the clears of the move so far.
    int16_t cleared = 0;
    int16_t combo = 0;
};
// Notes what a sound effect of the game tells, whether sound is on or not.
void NoteSoundEffect(SoundEffect effect);
// The news since it was last taken, oldest first; only the latest few are kept.
std::vector<PlayNews> TakePlayNews();

} // namespace glintrow
