// Tests of the move search against trying every swap of two side-by-side gems.
#include "GameTables.h"
#include "basMiscelFunctions.h"

#include <random>
#include <string>

namespace glintrow::testing {
namespace {

// A board without moves in kinds 0 to 5 with three gems of kind 6 somewhere in a random 4 by 4
// square: about half of these boards hold a move, found anywhere up to the board's edges.
void LaySparseBoard(std::mt19937& random) {
    BoardText rows;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c)
            rows[r] += static_cast<char>('0' + (c + 3 * r) % 6);
    std::uniform_int_distribution<int> corner(0, BoardSize - 4);
    std::uniform_int_distribution<int> offset(0, 3);
    const int left = corner(random);
    const int top = corner(random);
    for (int placed = 0; placed < 3;) {
        char& cell = rows[top + offset(random)][left + offset(random)];
        if (cell != '6') {
            cell = '6';
            ++placed;
        }
    }
    LayBoard(rows);
}

using MoveSearchTest = GameTest;

TEST_F(MoveSearchTest, AgreesWithTryingEverySwapOnRandomBoardsWithoutLines) {
    for (uint64_t seed = 1; seed <= 3000; ++seed) {
        SCOPED_TRACE("LayRandomBoardWithoutLines seed " + std::to_string(seed));
        LayRandomBoardWithoutLines(seed);
        ASSERT_EQ(MoveExists(), SomeSwapMakesLine());
    }
}

TEST_F(MoveSearchTest, AgreesWithTryingEverySwapOnSparseBoards) {
    const uint32_t seed = 20240611;
    SCOPED_TRACE("mt19937 seed " + std::to_string(seed));
    std::mt19937 random(seed);
    int withMove = 0;
    int withoutMove = 0;
    for (int board = 0; board < 5000; ++board) {
        SCOPED_TRACE("board " + std::to_string(board));
        LaySparseBoard(random);
        if (ScanForLine())
            continue;
        const bool expected = SomeSwapMakesLine();
        ASSERT_EQ(MoveExists(), expected);
        ++(expected ? withMove : withoutMove);
    }
    EXPECT_GT(withMove, 500);
    EXPECT_GT(withoutMove, 500);
}

TEST_F(MoveSearchTest, BoardWithoutEqualNeighboursOrGapsHasNoMove) {
    BoardText rows;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c)
            rows[r] += static_cast<char>('0' + (c + 3 * r) % 7);
    LayBoard(rows);
    EXPECT_FALSE(MoveExists());
}

TEST_F(MoveSearchTest, PairAtTheRowsEndCompletedFromAboveIsAMove) {
    LayBoard({"01234501", "34501234", "01234661", "34501234", "01234501", "34501234", "01234501",
              "34501234"});
    EXPECT_FALSE(MoveExists()) << "the cell past the row's end never matches";
    Board[7][1].GemType = 6;
    EXPECT_TRUE(MoveExists());
}

TEST_F(MoveSearchTest, MoveCompletingOnlyAColumnIsFound) {
    LayBoard({"01264501", "34506234", "01236501", "34501234", "01234501", "34501234", "01234501",
              "34501234"});
    EXPECT_TRUE(MoveExists());
}

} // namespace
} // namespace glintrow::testing
