// The selected gem's spin and the swap: the slide, the exchange of cells, the sound of the
// outcome and the slide back of a swap that makes no line.
#include "GameTables.h"
#include "basManipulatingGems.h"
#include "basMiscelFunctions.h"
#include "basPlayerInput.h"

#include <vector>

namespace glintrow::testing {
namespace {

int StepTowards(int from, int to) {
    return (to > from) - (to < from);
}

class SwapTest : public GameTest {
protected:
    // Lays the board and starts a swap of the gems in two cells as a second press does.
    void StartMove(const BoardText& rows, int16_t first, int16_t second) {
        LayBoard(rows);
        ASSERT_FALSE(BoardHasMatch()) << "the board must hold no line before the move";
        LoadTestSounds();
        SelectedGem = first;
        SecondGem = second;
        StartSwap(first, second);
        GameState = StateSwapping;
        TakePlayNews();
    }

    // What a player who cannot see the board is told of the swap: its outcome, and the gems a
    // line clears.
    static std::vector<std::pair<PlayNews::Kind, int>> TakeNews() {
        std::vector<std::pair<PlayNews::Kind, int>> told;
        for (const PlayNews& news : TakePlayNews())
            told.emplace_back(news.kind, news.cleared);
        return told;
    }

    // Runs the 13 frames of one slide, checking that each gem heads straight for the other's
    // starting place 4 pixels a frame and that nothing sounds before the last frame; returns
    // the sounds of the last frame.
    Sounds SlideOneCell() {
        CGem& a = Gems[SelectedGem];
        CGem& b = Gems[SecondGem];
        const int ax = a.XPos, ay = a.YPos, bx = b.XPos, by = b.YPos;
        const Sounds before = SoundPlayCounts();
        for (int frame = 1; frame <= 13; ++frame) {
            AnimateSwap();
            SCOPED_TRACE("frame " + std::to_string(frame));
            EXPECT_EQ(a.XPos, ax + 4 * frame * StepTowards(ax, bx));
            EXPECT_EQ(a.YPos, ay + 4 * frame * StepTowards(ay, by));
            EXPECT_EQ(b.XPos, bx + 4 * frame * StepTowards(bx, ax));
            EXPECT_EQ(b.YPos, by + 4 * frame * StepTowards(by, ay));
            if (frame < 13) {
                EXPECT_EQ(GameState, StateSwapping);
                EXPECT_EQ(SoundPlayCounts(), before);
            }
        }
        return SoundsSince(before);
    }

    // A player's swap that stands: the gems exchange cells and clearing follows.
    void ExpectGoodSwap(const BoardText& rows, int16_t first, int16_t second, SoundEffect sound,
                        size_t matched) {
        StartMove(rows, first, second);
        const CGem a = Gems[first];
        const CGem b = Gems[second];
        EXPECT_EQ(SlideOneCell(), OnlySound(sound));
        EXPECT_EQ(GameState, StateClearing);
        EXPECT_EQ(Gems[first].XCoord, b.XCoord);
        EXPECT_EQ(Gems[first].YCoord, b.YCoord);
        EXPECT_EQ(Gems[second].XCoord, a.XCoord);
        EXPECT_EQ(Gems[second].YCoord, a.YCoord);
        EXPECT_EQ(DescribeDisagreement(), "");
        EXPECT_EQ(MatchedGems.size(), matched);
        EXPECT_EQ(TakeNews(), (std::vector<std::pair<PlayNews::Kind, int>>{
                                  {PlayNews::Kind::LineMade, static_cast<int>(matched)}}));
        EXPECT_EQ(SwapPhase, 0);
        EXPECT_EQ(SwapCounter, 0);
    }

    // A player's swap that makes no line: badswap at the turn, the slide back, the board as
    // it was.
    void ExpectBadSwap(int16_t first, int16_t second) {
        StartMove(NoMoveBoard, first, second);
        const auto gemsBefore = Gems;
        EXPECT_EQ(SlideOneCell(), OnlySound(SoundBadSwap));
        EXPECT_EQ(TakeNews(),
                  (std::vector<std::pair<PlayNews::Kind, int>>{{PlayNews::Kind::SwapRefused, 0}}))
            << "the refusal is told when it is known, before the slide back";
        EXPECT_EQ(GameState, StateSwapping);
        EXPECT_EQ(SwapPhase, 2);
        EXPECT_EQ(Board[Gems[first].XCoord][Gems[first].YCoord].GemID, first);
        EXPECT_EQ(SlideOneCell(), Sounds{});
        EXPECT_EQ(GameState, StateIdle);
        EXPECT_EQ(SwapPhase, 0);
        EXPECT_EQ(SwapCounter, 0);
        EXPECT_EQ(BoardKinds(), NoMoveBoard);
        EXPECT_EQ(DescribeDisagreement(), "");
        for (int16_t id : {first, second}) {
            EXPECT_EQ(Gems[id].XCoord, gemsBefore[id].XCoord);
            EXPECT_EQ(Gems[id].YCoord, gemsBefore[id].YCoord);
            EXPECT_EQ(Gems[id].XPos, gemsBefore[id].XPos);
            EXPECT_EQ(Gems[id].YPos, gemsBefore[id].YPos);
        }
    }
};

TEST_F(SwapTest, SelectedGemSpinsThroughFifteenFramesAndStartsOver) {
    LayBoard(NoMoveBoard);
    SelectedGem = 20;
    std::vector<int16_t> frames;
    for (int frame = 0; frame < 17; ++frame) {
        AnimateTarget();
        frames.push_back(Gems[20].RotFrame);
    }
    EXPECT_EQ(frames,
              (std::vector<int16_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0, 1, 2}));
}

TEST_F(SwapTest, GemsThatShareNoRowOrColumnGetNoDirection) {
    LayBoard(NoMoveBoard);
    Gems[9].XDirection = Gems[18].YDirection = 1;
    StartSwap(9, 18);
    EXPECT_EQ(Gems[9].XDirection, 0);
    EXPECT_EQ(Gems[9].YDirection, 0);
    EXPECT_EQ(Gems[18].XDirection, 0);
    EXPECT_EQ(Gems[18].YDirection, 0);
}

TEST_F(SwapTest, HorizontalSwapMakingALineOfThreePlaysGotSet) {
    BoardText rows = NoMoveBoard;
    rows[3] = "26466012";
    ExpectGoodSwap(rows, IdAt(1, 3), IdAt(2, 3), SoundGotSet, 3);
    EXPECT_EQ(MatchedGems, (GemList{IdAt(1, 3), IdAt(3, 3), IdAt(4, 3)}));
}

TEST_F(SwapTest, VerticalSwapMakingALineOfFourPlaysGotSet) {
    BoardText rows = NoMoveBoard;
    rows[4] = "51002045";
    rows[5] = "12340601";
    ExpectGoodSwap(rows, IdAt(4, 5), IdAt(4, 4), SoundGotSet, 4);
}

TEST_F(SwapTest, SwapMakingALineOfFivePlaysGotSetBig) {
    BoardText rows = NoMoveBoard;
    rows[4] = "00200345";
    rows[5] = "12045601";
    ExpectGoodSwap(rows, IdAt(2, 4), IdAt(2, 5), SoundGotSetBig, 5);
}

TEST_F(SwapTest, SwapMakingTwoCrossingLinesOfThreePlaysGotSetBig) {
    BoardText rows = NoMoveBoard;
    rows[3] = "23656612";
    rows[4] = "56062345";
    rows[5] = "12365601";
    ExpectGoodSwap(rows, IdAt(2, 3), IdAt(3, 3), SoundGotSetBig, 5);
}

TEST_F(SwapTest, BadHorizontalSwapSlidesBackAndLeavesTheBoardAsItWas) {
    ExpectBadSwap(IdAt(5, 2), IdAt(4, 2));
}

TEST_F(SwapTest, BadVerticalSwapSlidesBackAndLeavesTheBoardAsItWas) {
    ExpectBadSwap(IdAt(0, 6), IdAt(0, 7));
}

} // namespace
} // namespace glintrow::testing
