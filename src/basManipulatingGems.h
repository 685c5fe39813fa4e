// The per-frame steps of the game states: drop-in, spin, swap, clear, fall, tremble and explode.
#pragma once

#include <cstdint>

namespace glintrow {

void DropInGems();
void AnimateTarget();
void StartSwap(int16_t a, int16_t b);
void AnimateSwap();
void ClearMatchedGems();
void AnimateFalling();
void StartGameOver();
void AnimateExplosion();

} // namespace glintrow
