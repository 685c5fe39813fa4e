// Tests of the board queries: kinds off the board, lines, the order of collected gems, presses
// mapped to gems and neighbours.
#include "GameTables.h"
#include "basGettingInformation.h"
#include "basMiscelFunctions.h"
#include "platform/Runtime.h"

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace glintrow::testing {
namespace {

// Kinds (column + 3 × row) mod 6: no line and no kind 6 anywhere, so the gems of kind 6 laid over
// it make every line of the board.
BoardText BoardWithSixesAt(const std::vector<std::pair<int, int>>& cells) {
    BoardText rows;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c)
            rows[r] += static_cast<char>('0' + (c + 3 * r) % 6);
    for (const auto& [column, row] : cells)
        rows[row][column] = '6';
    return rows;
}

GemList CollectFrom(const std::vector<std::pair<int, int>>& sixes) {
    LayBoard(BoardWithSixesAt(sixes));
    GemList list;
    CollectMatches(list);
    return list;
}

using MatchFindingTest = GameTest;

TEST_F(MatchFindingTest, KindOffTheBoardIsMinusOne) {
    LayBoard(BoardWithSixesAt({{7, 7}}));
    EXPECT_EQ(GemTypeAt(-1, 3), -1);
    EXPECT_EQ(GemTypeAt(8, 0), -1);
    EXPECT_EQ(GemTypeAt(2, 8), -1);
    EXPECT_EQ(GemTypeAt(0, -1), -1);
    EXPECT_EQ(GemTypeAt(7, 7), 6);
    EXPECT_EQ(GemTypeAt(1, 0), 1);
}

TEST_F(MatchFindingTest, BoardWithoutLinesHasNoMatchAndCollectsNothing) {
    LayBoard(BoardWithSixesAt({{0, 0}, {1, 0}, {3, 0}, {0, 2}, {0, 3}}));
    EXPECT_FALSE(BoardHasMatch());
    GemList list;
    EXPECT_FALSE(CollectMatches(list));
    EXPECT_TRUE(list.empty());
}

TEST_F(MatchFindingTest, ThreeGemsOfKindZeroAtTheStartOfARowAreALine) {
    LayBoard({"00012345", "34501234", "12345012", "45012345", "23450123", "50123450", "34501234",
              "12345012"});
    EXPECT_TRUE(BoardHasMatch());
}

TEST_F(MatchFindingTest, ColumnRunIsALine) {
    LayBoard(BoardWithSixesAt({{5, 4}, {5, 5}, {5, 6}}));
    EXPECT_TRUE(BoardHasMatch());
}

TEST_F(MatchFindingTest, TwoOfAKindAreNoLine) {
    LayBoard(BoardWithSixesAt({{6, 6}, {7, 6}, {6, 7}}));
    EXPECT_FALSE(BoardHasMatch());
}

TEST_F(MatchFindingTest, RowRunsComeBeforeColumnRunsAndSharedGemsAreListedOnce) {
    // L with the corner at the row run's end, the column going down.
    EXPECT_EQ(CollectFrom({{2, 3}, {3, 3}, {4, 3}, {4, 4}, {4, 5}}), (GemList{26, 27, 28, 36, 44}));
    // L with the column above the row: its gems still follow the row run.
    EXPECT_EQ(CollectFrom({{2, 1}, {2, 2}, {2, 3}, {3, 3}, {4, 3}}), (GemList{26, 27, 28, 10, 18}));
    // T.
    EXPECT_EQ(CollectFrom({{2, 3}, {3, 3}, {4, 3}, {3, 4}, {3, 5}}), (GemList{26, 27, 28, 35, 43}));
    // Cross sharing the middle gem.
    EXPECT_EQ(CollectFrom({{2, 3}, {3, 3}, {4, 3}, {3, 2}, {3, 4}}), (GemList{26, 27, 28, 19, 35}));
}

TEST_F(MatchFindingTest, RowsAreCollectedTopToBottomAndColumnsLeftToRight) {
    EXPECT_EQ(CollectFrom({{5, 6}, {6, 6}, {7, 6}, {1, 1}, {2, 1}, {3, 1}}),
              (GemList{9, 10, 11, 53, 54, 55}));
    EXPECT_EQ(CollectFrom({{6, 0}, {6, 1}, {6, 2}, {1, 4}, {1, 5}, {1, 6}}),
              (GemList{33, 41, 49, 6, 14, 22}));
}

TEST_F(MatchFindingTest, TwoRunsInOneRowAreListedInColumnOrder) {
    EXPECT_EQ(CollectFrom({{0, 5}, {1, 5}, {2, 5}, {5, 5}, {6, 5}, {7, 5}}),
              (GemList{40, 41, 42, 45, 46, 47}));
}

TEST_F(MatchFindingTest, LongRunsAreTakenWhole) {
    EXPECT_EQ(CollectFrom({{0, 7}, {1, 7}, {2, 7}, {3, 7}, {4, 7}, {5, 7}, {6, 7}, {7, 7}}),
              (GemList{56, 57, 58, 59, 60, 61, 62, 63}));
    EXPECT_EQ(CollectFrom({{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {0, 6}, {0, 7}}),
              (GemList{0, 8, 16, 24, 32, 40, 48, 56}));
    EXPECT_EQ(CollectFrom({{1, 2}, {2, 2}, {3, 2}, {4, 2}}), (GemList{17, 18, 19, 20}));
}

TEST_F(MatchFindingTest, RunsEndingAtTheBoardsEdgeAreCollected) {
    EXPECT_EQ(CollectFrom({{5, 0}, {6, 0}, {7, 0}}), (GemList{5, 6, 7}));
    EXPECT_EQ(CollectFrom({{7, 5}, {7, 6}, {7, 7}}), (GemList{47, 55, 63}));
    EXPECT_EQ(CollectFrom({{2, 4}, {2, 5}, {2, 6}, {2, 7}}), (GemList{34, 42, 50, 58}));
}

TEST_F(MatchFindingTest, CollectedIdsComeFromTheBoardCells) {
    LayBoard(BoardWithSixesAt({{3, 6}, {4, 6}, {5, 6}}));
    Board[4][6].GemID = 9;
    GemList list;
    EXPECT_TRUE(CollectMatches(list));
    EXPECT_EQ(list, (GemList{51, 9, 53}));
}

TEST_F(MatchFindingTest, CollectingAppendsToWhatTheListHolds) {
    LayBoard(BoardWithSixesAt({{3, 6}, {4, 6}, {5, 6}}));
    GemList list{2};
    EXPECT_TRUE(CollectMatches(list));
    EXPECT_EQ(list, (GemList{2, 51, 52, 53}));
}

TEST_F(MatchFindingTest, ClearCollectionEmptiesTheList) {
    GemList list{4, 8, 15};
    ClearCollection(list);
    EXPECT_TRUE(list.empty());
    ClearCollection(list);
    EXPECT_TRUE(list.empty());
}

TEST_F(MatchFindingTest, PressesOnTheOutermostPixelsHitNoGem) {
    LayBoard(BoardWithSixesAt({}));
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (const auto& [x, y] : std::vector<std::pair<float, float>>{{0.0f, 100.0f},
                                                                   {100.0f, 0.0f},
                                                                   {415.0f, 100.0f},
                                                                   {100.0f, 415.0f},
                                                                   {-3.0f, 100.0f},
                                                                   {100.0f, 500.0f},
                                                                   {nan, 100.0f},
                                                                   {100.0f, nan}}) {
        SCOPED_TRACE(::testing::Message() << "press at (" << x << ", " << y << ")");
        EXPECT_EQ(GemAtPoint(x, y), -1);
    }
}

TEST_F(MatchFindingTest, PressesMapToTheCellUnderThem) {
    LayBoard(BoardWithSixesAt({}));
    EXPECT_EQ(GemAtPoint(1.0f, 1.0f), 0);
    EXPECT_EQ(GemAtPoint(51.9f, 1.0f), 0);
    EXPECT_EQ(GemAtPoint(52.0f, 1.0f), 1);
    EXPECT_EQ(GemAtPoint(1.0f, 51.9f), 0);
    EXPECT_EQ(GemAtPoint(1.0f, 52.0f), 8);
    EXPECT_EQ(GemAtPoint(414.0f, 1.0f), 7);
    EXPECT_EQ(GemAtPoint(1.0f, 414.0f), 56);
    EXPECT_EQ(GemAtPoint(414.9f, 414.9f), 63);
}

TEST_F(MatchFindingTest, PressAnswersTheGemTheCellHolds) {
    LayBoard(BoardWithSixesAt({}));
    Board[7][7].GemID = 12;
    EXPECT_EQ(GemAtPoint(414.0f, 414.0f), 12);
}

TEST_F(MatchFindingTest, OnlyRowAndColumnNeighboursAreAdjacent) {
    LayBoard(BoardWithSixesAt({}));
    EXPECT_TRUE(AreAdjacent(27, 28));
    EXPECT_TRUE(AreAdjacent(27, 26));
    EXPECT_TRUE(AreAdjacent(27, 19));
    EXPECT_TRUE(AreAdjacent(27, 35));
    EXPECT_FALSE(AreAdjacent(27, 36)) << "diagonal";
    EXPECT_FALSE(AreAdjacent(27, 18)) << "diagonal";
    EXPECT_FALSE(AreAdjacent(27, 27)) << "itself";
    EXPECT_FALSE(AreAdjacent(27, 29)) << "two apart in the row";
    EXPECT_FALSE(AreAdjacent(27, 43)) << "two apart in the column";
    EXPECT_FALSE(AreAdjacent(7, 8)) << "end of one row and start of the next";
}

TEST_F(MatchFindingTest, AdjacencyFollowsTheGemsOwnCells) {
    LayBoard(BoardWithSixesAt({}));
    Gems[5].XCoord = 4;
    Gems[5].YCoord = 3;
    EXPECT_TRUE(AreAdjacent(27, 5));
    EXPECT_FALSE(AreAdjacent(4, 5));
}

TEST_F(MatchFindingTest, AdjacencyOfAnIdOffTheTableIsAnError) {
    LayBoard(BoardWithSixesAt({}));
    EXPECT_THROW(AreAdjacent(64, 63), RuntimeError);
    EXPECT_THROW(AreAdjacent(0, -1), RuntimeError);
}

} // namespace
} // namespace glintrow::testing
