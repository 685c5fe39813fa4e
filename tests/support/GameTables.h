// Test helpers over the game tables: a clean start, boards laid out from text, and the check that
// board and gems agree.
#pragma once

#include "basDeclarations.h"

#include <array>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace glintrow::testing {

// Every table back to its start values, the platform services real again, a known random state.
void ResetGameTables();

// Eight rows of eight digits 0 to 6, row 0 first. Gem 8 × row + column rests in its own cell,
// board and gems agreeing.
using BoardText = std::array<std::string, 8>;
void LayBoard(const BoardText& rows);
// The kinds of the board as eight rows of digits ('-' for an emptied cell).
BoardText BoardKinds();

// Empty when board and gems agree as they must whenever the game waits for the player; else a
// description of the first disagreement.
std::string DescribeDisagreement();

// Lines and moves judged by plain scans of the board's kinds, apart from the game's own search:
// whether three equal kinds stand side by side, whether some swap of two side-by-side cells makes
// that so, and the neighbour of a gem that makes a line when the two swap (-1 for none).
bool ScanForLine();
bool SomeSwapMakesLine();
int16_t PartnerMakingALine(int16_t gem);

// A random board without a line, from a seed (print the seed to rerun a failure).
void LayRandomBoardWithoutLines(uint64_t seed);

// No two equal kinds side by side, diagonally or two apart: no line and no move.
inline const BoardText NoMoveBoard = {"01234560", "34560123", "60123456", "23456012",
                                      "56012345", "12345601", "45601234", "01234560"};
// Row 0 holds A, B, A, A: swapping the first two gems lines up three of kind 0, and the B at
// (1, 0) is the first hint in scan order.
inline const BoardText OneMoveBoard = {"01004560", "34560123", "60123456", "23456012",
                                       "56012345", "12345601", "45601234", "01234560"};
// Each row the one above moved left by one cell: no line, and row 0 holds every kind in order.
inline const BoardText ShiftedRowsBoard = {"01234560", "12345601", "23456012", "34560123",
                                           "45601234", "56012345", "60123456", "01234560"};

// The id a gem has in a cell of a board laid with LayBoard.
inline int16_t IdAt(int column, int row) {
    return static_cast<int16_t>(8 * row + column);
}

// Loads fourteen short silent wave files through the real sound service (the dummy driver), with
// sound switched on, so tests can count what each effect played.
void LoadTestSounds();
// How often each effect has been played since the sounds were loaded.
using Sounds = std::array<int, SoundEffectCount>;
Sounds SoundPlayCounts();
// The effects played since an earlier count.
Sounds SoundsSince(const Sounds& before);
// One play of one effect and nothing else.
Sounds OnlySound(SoundEffect effect);
// What the nth clear of one move plays: nothing for the first, then combo2 to combo7, then
// excellent.
Sounds SoundOfClear(int clear);

// A fixture that starts each test from clean tables.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameTables(); }
    void TearDown() override { ResetGameTables(); }
};

} // namespace glintrow::testing
