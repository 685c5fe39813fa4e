// Line finding, move search, emptying gem lists, the explosion's flight paths and the Game Over
// banner.
#pragma once

#include "basDeclarations.h"
#include "basGettingInformation.h"

#include <cstdint>
#include <string>

namespace glintrow {

// Equal kinds side by side that make a line.
constexpr int16_t LineLength = 3;

// Rows and columns are walked alike: `line` picks the row (or column), `step` the cell along it.
inline BoardCell& CellOfLine(bool alongColumns, int16_t line, int16_t step) {
    return alongColumns ? CellAt(line, step) : CellAt(step, line);
}

// Walks a row (or column) from its first cell, reading it only, and calls inLine(step, runLength)
// for each cell that stands LineLength or more deep in a run of equal kinds. The walk ends,
// returning true, as soon as inLine does.
template <class InLine> bool WalkLine(bool alongColumns, int16_t line, InLine inLine) {
    // The previous kind starts at 0 with no run, so a leading gem of kind 0 counts once, not twice.
    int16_t previousKind = 0;
    int16_t runLength = 0;
    for (int16_t step = 0; step < BoardSize; ++step) {
        const BoardCell& cell = CellOfLine(alongColumns, line, step);
        if (cell.GemType != previousKind) {
            runLength = 1;
            previousKind = cell.GemType;
        } else if (++runLength >= LineLength && inLine(step, runLength)) {
            return true;
        }
    }
    return false;
}

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
