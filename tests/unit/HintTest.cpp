// Tests of the hint search: which gem each move pattern names, the scan order, and that the hinted
// gem really makes a line.
#include "GameTables.h"
#include "basHint.h"
#include "basMiscelFunctions.h"

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace glintrow::testing {
namespace {

// No line and no move, and no gem of kind 6: the gems of kind 6 laid over it make every move.
const BoardText BoardWithoutMoves = {"01234501", "34501234", "01234501", "34501234",
                                     "01234501", "34501234", "01234501", "34501234"};

using Cells = std::vector<std::pair<int16_t, int16_t>>;

void LaySixesAt(const Cells& cells) {
    LayBoard(BoardWithoutMoves);
    for (const auto& [column, row] : cells)
        Board[column][row].GemType = 6;
}

// Answers whether the board held a move.
bool ExpectHintMakesALine() {
    const int16_t hint = FindHint();
    if (!SomeSwapMakesLine()) {
        EXPECT_EQ(hint, -1);
        return false;
    }
    const bool onTheBoard = hint >= 0 && hint < GemCount;
    EXPECT_TRUE(onTheBoard) << "hint " << hint;
    EXPECT_TRUE(onTheBoard && PartnerMakingALine(hint) >= 0) << "hinted gem " << hint;
    return true;
}

using HintTest = GameTest;

struct PatternCase {
    const char* name;
    Cells sixes;
    std::pair<int16_t, int16_t> hinted;
};

TEST_F(HintTest, EachPatternNamesTheGemThatMakesWayForTheMissingGem) {
    const std::vector<PatternCase> cases = {
        {"row 1: anchor moves right", {{2, 3}, {4, 3}, {5, 3}}, {3, 3}},
        {"row 2: pair completed from above", {{2, 3}, {3, 3}, {4, 2}}, {4, 3}},
        {"row 2: pair completed from below", {{2, 3}, {3, 3}, {4, 4}}, {4, 3}},
        {"row 2: pair completed from the right", {{2, 3}, {3, 3}, {5, 3}}, {4, 3}},
        {"row 3a: anchor moves up", {{2, 3}, {3, 2}, {4, 2}}, {2, 2}},
        {"row 3b: gem above moves down into the gap", {{2, 3}, {3, 2}, {4, 3}}, {3, 3}},
        {"row 4a: anchor moves down", {{2, 3}, {3, 4}, {4, 4}}, {2, 4}},
        {"row 4b: gem below moves up into the gap", {{2, 3}, {3, 4}, {4, 3}}, {3, 3}},
        {"row 3 fails, 4a holds", {{2, 3}, {3, 2}, {3, 4}, {4, 4}}, {2, 4}},
        {"column 1: anchor moves down", {{3, 2}, {3, 4}, {3, 5}}, {3, 3}},
        {"column 2: pair completed from the left", {{3, 2}, {3, 3}, {2, 4}}, {3, 4}},
        {"column 2: pair completed from the right", {{3, 2}, {3, 3}, {4, 4}}, {3, 4}},
        {"column 2: pair completed from below", {{3, 2}, {3, 3}, {3, 5}}, {3, 4}},
        {"column 3a: anchor moves left", {{3, 2}, {2, 3}, {2, 4}}, {2, 2}},
        {"column 3b: gem on the left moves into the gap", {{3, 2}, {2, 3}, {3, 4}}, {3, 3}},
        {"column 4a: anchor moves right", {{3, 2}, {4, 3}, {4, 4}}, {4, 2}},
        {"column 4b: gem on the right moves into the gap", {{3, 2}, {4, 3}, {3, 4}}, {3, 3}},
    };
    for (const PatternCase& pattern : cases) {
        SCOPED_TRACE(pattern.name);
        LaySixesAt(pattern.sixes);
        ASSERT_FALSE(BoardHasMatch());
        EXPECT_EQ(FindHint(), IdAt(pattern.hinted.first, pattern.hinted.second));
    }
}

TEST_F(HintTest, GemLeftOfAPairIsHintedToMoveRight) {
    LaySixesAt({{0, 0}, {2, 0}, {3, 0}});
    EXPECT_EQ(FindHint(), IdAt(1, 0));
}

TEST_F(HintTest, CornerGemAboveAnAnchorIsHintedWhenTheRowAboveCanBeCompleted) {
    LaySixesAt({{0, 1}, {1, 0}, {2, 0}});
    EXPECT_EQ(FindHint(), IdAt(0, 0));
}

TEST_F(HintTest, ColumnMovesAreFoundWhenNoRowMoveExists) {
    LaySixesAt({{3, 0}, {4, 1}, {4, 2}});
    EXPECT_EQ(FindHint(), IdAt(4, 0));
}

TEST_F(HintTest, RowMovesBeatColumnMovesWhereverTheyLie) {
    LaySixesAt({{0, 0}, {0, 1}, {1, 2}, {5, 7}, {6, 7}, {7, 6}});
    EXPECT_EQ(FindHint(), IdAt(7, 7));
}

TEST_F(HintTest, FirstAnchorInScanOrderWins) {
    LaySixesAt({{4, 1}, {6, 1}, {7, 1}, {0, 5}, {2, 5}, {3, 5}});
    EXPECT_EQ(FindHint(), IdAt(5, 1));
}

TEST_F(HintTest, LowerNumberedPatternOfOneAnchorWins) {
    LaySixesAt({{2, 3}, {4, 3}, {5, 3}, {3, 4}, {4, 4}});
    EXPECT_EQ(FindHint(), IdAt(3, 3)) << "1 before 4a";
    LaySixesAt({{2, 3}, {3, 2}, {4, 2}, {3, 4}, {4, 4}});
    EXPECT_EQ(FindHint(), IdAt(2, 2)) << "3a before 4a";
    LaySixesAt({{2, 3}, {3, 2}, {4, 3}, {3, 4}, {4, 4}});
    EXPECT_EQ(FindHint(), IdAt(3, 3)) << "3b before 4a";
}

TEST_F(HintTest, BoardWithoutMovesHasNoHint) {
    LaySixesAt({{0, 0}, {1, 0}, {7, 7}});
    EXPECT_EQ(FindHint(), -1);
}

TEST_F(HintTest, HintedGemMakesALineOnRandomBoardsWithoutLines) {
    for (uint64_t seed = 1; seed <= 1000; ++seed) {
        SCOPED_TRACE("LayRandomBoardWithoutLines seed " + std::to_string(seed));
        LayRandomBoardWithoutLines(seed);
        ExpectHintMakesALine();
    }
}

TEST_F(HintTest, HintIsMissingExactlyWhenNoSwapMakesALine) {
    const uint32_t seed = 7031;
    SCOPED_TRACE("mt19937 seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int16_t> corner(0, BoardSize - 3);
    std::uniform_int_distribution<int16_t> spot(0, 2);
    int withMove = 0;
    int withoutMove = 0;
    for (int board = 0; board < 3000; ++board) {
        SCOPED_TRACE("board " + std::to_string(board));
        const int16_t left = corner(random);
        const int16_t top = corner(random);
        Cells sixes;
        for (int gem = 0; gem < 3; ++gem)
            sixes.emplace_back(left + spot(random), top + spot(random));
        LaySixesAt(sixes);
        if (!BoardHasMatch())
            ++(ExpectHintMakesALine() ? withMove : withoutMove);
    }
    EXPECT_GT(withMove, 300);
    EXPECT_GT(withoutMove, 300);
}

} // namespace
} // namespace glintrow::testing
