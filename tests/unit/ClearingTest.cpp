// Clearing lines: the shrinking, the combo sound, the new kinds and start places of the cleared
// gems and the list of gems that must fall.
#include "GameTables.h"
#include "basManipulatingGems.h"
#include "basPlayerInput.h"
#include "platform/Runtime.h"

#include <set>

namespace glintrow::testing {
namespace {

class ClearingTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Hooks().timeOfDay = [this] {
            ++clockReadings;
            return 43210.5f;
        };
    }

    // Clears the listed gems of a board laid from rows: 12 frames of shrinking, then the clear.
    // Returns the sounds of the 13th frame.
    Sounds ClearGems(const BoardText& rows, const GemList& matched) {
        LayBoard(rows);
        MatchedGems = matched;
        GameState = StateClearing;
        clockReadings = 0;
        const Sounds before = SoundPlayCounts();
        for (int frame = 1; frame <= 13; ++frame) {
            ClearMatchedGems();
            if (frame == 13)
                break;
            SCOPED_TRACE("frame " + std::to_string(frame));
            EXPECT_EQ(GameState, StateClearing);
            EXPECT_EQ(SoundPlayCounts(), before);
            EXPECT_EQ(clockReadings, 0);
            for (int16_t id : matched)
                EXPECT_EQ(Gems[id].ShrinkStep, 4 * frame);
        }
        EXPECT_EQ(GameState, StateFalling);
        EXPECT_EQ(ClearCounter, 0);
        EXPECT_EQ(clockReadings, static_cast<int>(matched.size())) << "one re-seed per gem";
        return SoundsSince(before);
    }

    // The cleared gems start at the given heights above the board, bound for the given rows,
    // with fresh kinds of which no two in a row of the list agree.
    void ExpectReusedGems(const GemList& matched, const std::vector<int16_t>& yPos,
                          const std::vector<int16_t>& yDest) {
        int16_t previousKind = 0;
        for (size_t i = 0; i < matched.size(); ++i) {
            const CGem& gem = Gems[matched[i]];
            SCOPED_TRACE("gem " + std::to_string(gem.GemID));
            EXPECT_EQ(Board[gem.XCoord][gem.YCoord].GemType, -1);
            EXPECT_EQ(gem.YPos, yPos[i]);
            EXPECT_EQ(gem.YDest, yDest[i]);
            EXPECT_EQ(gem.ShrinkStep, 0);
            EXPECT_GE(gem.GemType, 0);
            EXPECT_LT(gem.GemType, GemKinds);
            EXPECT_NE(gem.GemType, previousKind);
            EXPECT_EQ(gem.SourceTop, 52 * gem.GemType);
            previousKind = gem.GemType;
        }
    }

    // Every survivor listed falls by the emptied cells below it and has not moved yet.
    void ExpectSurvivorsBoundFor(const std::vector<std::pair<int16_t, int16_t>>& idAndRow) {
        for (const auto& [id, row] : idAndRow) {
            const CGem& gem = Gems[id];
            SCOPED_TRACE("gem " + std::to_string(id));
            EXPECT_EQ(gem.YDest, row);
            EXPECT_EQ(gem.YPos, 52 * gem.YCoord);
            EXPECT_EQ(Board[gem.XCoord][gem.YCoord].GemID, id);
        }
    }

    int clockReadings = 0;
};

TEST_F(ClearingTest, RowLineMakesTheGemsAboveItFallOneRowAndStacksTheClearedGemsOnTop) {
    BoardText rows = NoMoveBoard;
    rows[5] = "12666501";
    const GemList matched = {IdAt(2, 5), IdAt(3, 5), IdAt(4, 5)};
    EXPECT_EQ(ClearGems(rows, matched), Sounds{});
    EXPECT_EQ(BoardKinds()[5], "12---501");
    ExpectReusedGems(matched, {-52, -52, -52}, {0, 0, 0});
    GemList expected;
    for (int column = 2; column <= 4; ++column)
        for (int row = 4; row >= 0; --row) {
            expected.push_back(IdAt(column, row));
            ExpectSurvivorsBoundFor({{IdAt(column, row), static_cast<int16_t>(row + 1)}});
        }
    expected.insert(expected.end(), matched.begin(), matched.end());
    EXPECT_EQ(DroppingGems, expected);
}

TEST_F(ClearingTest, ColumnLineStacksItsGemsThreeHighAndDropsTheGemsAboveThreeRows) {
    BoardText rows = NoMoveBoard;
    for (int row = 3; row <= 5; ++row)
        rows[row][6] = '1';
    const GemList matched = {IdAt(6, 3), IdAt(6, 4), IdAt(6, 5)};
    ClearGems(rows, matched);
    ExpectReusedGems(matched, {-52, -104, -156}, {2, 1, 0});
    ExpectSurvivorsBoundFor({{IdAt(6, 0), 3}, {IdAt(6, 1), 4}, {IdAt(6, 2), 5}});
    EXPECT_EQ(DroppingGems,
              (GemList{IdAt(6, 2), IdAt(6, 1), IdAt(6, 0), IdAt(6, 3), IdAt(6, 4), IdAt(6, 5)}));
}

TEST_F(ClearingTest, TwoLinesEmptyingRowsTwoAndFiveOfAColumnListEverySurvivorOnce) {
    BoardText rows = NoMoveBoard;
    rows[2] = "33323456";
    rows[5] = "00045601";
    const GemList matched = {IdAt(0, 2), IdAt(1, 2), IdAt(2, 2),
                             IdAt(0, 5), IdAt(1, 5), IdAt(2, 5)};
    ClearGems(rows, matched);
    ExpectReusedGems(matched, {-52, -52, -52, -104, -104, -104}, {1, 1, 1, 0, 0, 0});
    ExpectSurvivorsBoundFor({{IdAt(0, 0), 2}, {IdAt(0, 1), 3}, {IdAt(0, 3), 4}, {IdAt(0, 4), 5}});
    EXPECT_EQ(DroppingGems,
              (GemList{IdAt(0, 1), IdAt(0, 0), IdAt(1, 1), IdAt(1, 0), IdAt(2, 1), IdAt(2, 0),
                       IdAt(0, 4), IdAt(0, 3), IdAt(1, 4), IdAt(1, 3), IdAt(2, 4), IdAt(2, 3),
                       IdAt(0, 2), IdAt(1, 2), IdAt(2, 2), IdAt(0, 5), IdAt(1, 5), IdAt(2, 5)}));
}

TEST_F(ClearingTest, LineInTheTopRowDropsOnlyItsOwnGems) {
    BoardText rows = NoMoveBoard;
    rows[0] = "66634560";
    const GemList matched = {IdAt(0, 0), IdAt(1, 0), IdAt(2, 0)};
    ClearGems(rows, matched);
    ExpectReusedGems(matched, {-52, -52, -52}, {0, 0, 0});
    EXPECT_EQ(DroppingGems, matched);
}

TEST_F(ClearingTest, NewKindsNeverRepeatTheKindBeforeThemInTheList) {
    BoardText rows = NoMoveBoard;
    rows[4] = "55555555";
    GemList matched;
    for (int column = 0; column < 8; ++column)
        matched.push_back(IdAt(column, 4));
    std::set<int16_t> kindsSeen;
    for (uint64_t seed = 1; seed <= 300; ++seed) {
        SCOPED_TRACE("random state " + std::to_string(seed));
        SetRandomState(seed);
        ClearGems(rows, matched);
        ExpectReusedGems(matched, std::vector<int16_t>(8, -52), std::vector<int16_t>(8, 0));
        for (int16_t id : matched)
            kindsSeen.insert(Gems[id].GemType);
    }
    EXPECT_EQ(kindsSeen.size(), 7u);
}

TEST_F(ClearingTest, SecondClearOfAMovePlaysComboTwoAndTheEighthOnPlayExcellent) {
    LoadTestSounds();
    BoardText rows = NoMoveBoard;
    rows[0] = "66634560";
    const GemList matched = {IdAt(0, 0), IdAt(1, 0), IdAt(2, 0)};
    TakePlayNews();
    for (int clear = 1; clear <= 10; ++clear) {
        SCOPED_TRACE("clear " + std::to_string(clear));
        EXPECT_EQ(ClearGems(rows, matched), SoundOfClear(clear));
        EXPECT_EQ(ComboCount, clear);
        // The combo is told as it rises, from the second clear on, with the gems each takes.
        const std::vector<PlayNews> news = TakePlayNews();
        ASSERT_EQ(news.size(), clear > 1 ? 1u : 0u);
        if (clear > 1) {
            EXPECT_TRUE(news[0].kind == PlayNews::Kind::ComboRose && news[0].combo == clear &&
                        news[0].cleared == 3);
        }
    }
}

} // namespace
} // namespace glintrow::testing
