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

// The neighbour of a gem that makes a line when the two swap, or -1.
int16_t PartnerMakingALine(int16_t gem);

// A random board without a line, from a seed (print the seed to rerun a failure).
void LayRandomBoardWithoutLines(uint64_t seed);

// Loads fourteen short silent wave files through the real sound service (the dummy driver), with
// sound switched on, so tests can count what each effect played.
void LoadTestSounds();
// How often each effect has been played since the sounds were loaded.
std::array<int, SoundEffectCount> SoundPlayCounts();

// A fixture that starts each test from clean tables.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameTables(); }
    void TearDown() override { ResetGameTables(); }
};

} // namespace glintrow::testing
