// Line finding, move search, emptying gem lists, the explosion's flight paths and the Game Over
// banner.
#pragma once

#include "basDeclarations.h"

#include <cstdint>
#include <string>

namespace glintrow {

// True when a row or column holds three equal kinds side by side.
bool BoardHasMatch();
// Appends every gem that stands in a line, each once: row runs first, then the other gems of
// column runs. True when the list holds any entry afterwards.
bool CollectMatches(GemList& list);
void ClearCollection(GemList& list);
// True when some swap of two side-by-side gems would make a line.
bool MoveExists();

// A gem kind drawn at random, each of the seven equally likely.
int16_t RandomGemKind();

// Distance travelled sideways and height gained after t frames of a flight.
float ProjectileX(float t, float angle, float speed);
float ProjectileY(float t, float angle, float speed);

void ShowGameOver();
void DisplayText(int32_t x, int32_t y, const std::string& text, uint32_t colour);

} // namespace glintrow
