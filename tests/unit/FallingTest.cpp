// Falling after a clear: how long each fall lasts, the landing sound, the cells rewritten and
// what the fall leads to: a cascade, the player's turn or the end of the game.
#include "GameTables.h"
#include "basManipulatingGems.h"
#include "basMiscelFunctions.h"
#include "platform/Runtime.h"

namespace glintrow::testing {
namespace {

class FallingTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Hooks().timeOfDay = [] { return 777.25f; };
        LoadTestSounds();
    }

    // Runs the 13 frames of clearing the gems in MatchedGems; the digits of newKinds, when
    // given, then replace the kinds the cleared gems drew, in list order. Returns the sounds.
    Sounds ClearMatched(const std::string& newKinds = "") {
        const Sounds before = SoundPlayCounts();
        GameState = StateClearing;
        for (int frame = 1; frame <= 13; ++frame)
            ClearMatchedGems();
        EXPECT_EQ(GameState, StateFalling);
        for (size_t i = 0; i < newKinds.size(); ++i) {
            CGem& gem = Gems[MatchedGems.at(i)];
            gem.GemType = static_cast<int16_t>(newKinds[i] - '0');
            gem.SourceTop = static_cast<int16_t>(52 * gem.GemType);
        }
        return SoundsSince(before);
    }

    void Clear(const BoardText& rows, const GemList& matched, const std::string& newKinds = "") {
        LayBoard(rows);
        MatchedGems = matched;
        ClearMatched(newKinds);
    }

    // Runs the fall until it ends and returns the number of frames it took. Only the landing
    // sound plays, and only in the last frame.
    int Fall() {
        const Sounds before = SoundPlayCounts();
        for (int frame = 1; frame <= 100; ++frame) {
            AnimateFalling();
            if (GameState != StateFalling) {
                EXPECT_EQ(SoundsSince(before), OnlySound(SoundGemDrop));
                ExpectEveryGemSettled();
                return frame;
            }
            EXPECT_EQ(SoundsSince(before), Sounds{}) << "frame " << frame;
        }
        ADD_FAILURE() << "the fall never ended";
        return -1;
    }

    void ExpectEveryGemSettled() {
        EXPECT_EQ(FallCounter, 0);
        for (const std::string& row : BoardKinds())
            EXPECT_EQ(row.find('-'), std::string::npos) << row;
        for (int16_t id : DroppingGems)
            EXPECT_EQ(Gems[id].YDest, 0) << "gem " << id;
        EXPECT_EQ(DescribeDisagreement(), "");
    }
};

TEST_F(FallingTest, RowLineFallsOneRowInEightFramesAndRewritesTheCells) {
    BoardText rows = NoMoveBoard;
    rows[5] = "12666501";
    Clear(rows, {IdAt(2, 5), IdAt(3, 5), IdAt(4, 5)}, "234");
    const CGem& survivor = Gems[IdAt(2, 4)];
    for (int frame = 1; frame <= 4; ++frame)
        AnimateFalling();
    EXPECT_EQ(survivor.YPos, 52 * 5);
    EXPECT_EQ(survivor.YCoord, 4) << "it reaches its row in frame 4 and is put there in frame 5";
    EXPECT_EQ(GameState, StateFalling);
    AnimateFalling();
    EXPECT_EQ(survivor.YCoord, 5);
    EXPECT_EQ(5 + Fall(), 8);
    EXPECT_EQ(BoardKinds(), (BoardText{"01234560", "34234123", "60560456", "23123012", "56456345",
                                       "12012501", "45601234", "01234560"}));
}

TEST_F(FallingTest, ColumnLineFallsThreeRowsInSixteenFrames) {
    BoardText rows = NoMoveBoard;
    for (int row = 3; row <= 5; ++row)
        rows[row][6] = '1';
    Clear(rows, {IdAt(6, 3), IdAt(6, 4), IdAt(6, 5)});
    EXPECT_EQ(Fall(), 16);
}

TEST_F(FallingTest, WholeColumnFallsEightRowsInThirtySixFrames) {
    BoardText rows = NoMoveBoard;
    GemList matched;
    for (int row = 0; row < 8; ++row) {
        rows[row][3] = '6';
        matched.push_back(IdAt(3, row));
    }
    Clear(rows, matched);
    EXPECT_EQ(Fall(), 36);
}

TEST_F(FallingTest, LineInTheTopRowLandsInFourFramesExactlyInPlace) {
    BoardText rows = NoMoveBoard;
    rows[0] = "66634560";
    Clear(rows, {IdAt(0, 0), IdAt(1, 0), IdAt(2, 0)});
    EXPECT_EQ(Fall(), 4);
}

TEST_F(FallingTest, FallLeavingNoLineAndNoMoveEndsTheGame) {
    BoardText rows = NoMoveBoard;
    rows[0] = "66634560";
    Clear(rows, {IdAt(0, 0), IdAt(1, 0), IdAt(2, 0)}, "012");
    Fall();
    EXPECT_EQ(BoardKinds(), NoMoveBoard);
    EXPECT_EQ(GameState, StateGameOver);
}

TEST_F(FallingTest, FallLeavingAMoveGivesThePlayerTheTurn) {
    BoardText rows = NoMoveBoard;
    rows[0] = "66634560";
    Clear(rows, {IdAt(0, 0), IdAt(1, 0), IdAt(2, 0)}, "332");
    Fall();
    EXPECT_EQ(BoardKinds()[0], "33234560");
    EXPECT_EQ(GameState, StateIdle);
}

TEST_F(FallingTest, FallLeavingALineGoesBackToClearingWithoutASwapSound) {
    BoardText rows = NoMoveBoard;
    rows[4] = "56612345";
    rows[5] = "33365601";
    Clear(rows, {IdAt(0, 5), IdAt(1, 5), IdAt(2, 5)}, "012");
    Fall();
    EXPECT_EQ(GameState, StateClearing);
    EXPECT_EQ(MatchedGems, (GemList{IdAt(1, 4), IdAt(2, 4), IdAt(3, 5)}));
}

TEST_F(FallingTest, CascadeRaisesTheComboCountAndPlaysRisingCombosThenExcellent) {
    BoardText rows = NoMoveBoard;
    for (int row = 0; row < 3; ++row)
        rows[row][0] = '6';
    LayBoard(rows);
    MatchedGems = {IdAt(0, 0), IdAt(0, 1), IdAt(0, 2)};
    for (int clear = 1; clear <= 10; ++clear) {
        SCOPED_TRACE("clear " + std::to_string(clear));
        EXPECT_EQ(ClearMatched("666"), SoundOfClear(clear));
        EXPECT_EQ(ComboCount, clear);
        EXPECT_EQ(Fall(), 16);
        EXPECT_EQ(GameState, StateClearing);
        EXPECT_EQ(BoardKinds(), rows);
        ASSERT_EQ(MatchedGems.size(), 3u);
    }
}

} // namespace
} // namespace glintrow::testing
