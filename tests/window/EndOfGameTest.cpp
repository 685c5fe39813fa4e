// The end of a game on the real window, frame by frame: a fall that leaves no move, the trembling,
// the explosion and the Game Over banner, with the commands refused until the banner shows.
#include "WindowDriver.h"

#include <QAction>
#include <QTest>
#include <map>

namespace glintrow::testing {
namespace {

class EndOfGameTest : public WindowDriver {};

int YellowPixelsInTheMiddle() {
    int yellow = 0;
    for (int y = 150; y < 266; ++y)
        for (int x = 40; x < 376; ++x)
            yellow += BackBuffer->GetPixel(x, y) == RGB(200, 200, 0);
    return yellow;
}

TEST_F(EndOfGameTest, BoardWithoutAMoveTremblesExplodesAndShowsGameOver) {
    frmMain window;
    std::map<GameStates, int> framesIn;
    std::map<GameStates, Sounds> soundsOnEntering;
    GameStates previous = StateStarting;
    Sounds soundsBefore{};
    int bannerYellow = -1;
    bool everyGemBelowTheBoard = false;
    GameStates stateAfterEarlyNewGame = StateStarting;
    RunGame(window, 400, [&](int frame) {
        if (frame == 34) {
            ASSERT_EQ(GameState, StateIdle);
            window.mnuPlaySound->trigger();
            ASSERT_TRUE(SoundOn);
            LayBoard(NoMoveBoard);
            // A fall with nothing left to drop lands at its first check, on a board with no move.
            DroppingGems.clear();
            GameState = StateFalling;
            soundsBefore = SoundPlayCounts();
            previous = StateFalling;
            return;
        }
        if (frame < 35)
            return;
        if (GameState != previous) {
            soundsOnEntering[GameState] = SoundsSince(soundsBefore);
            soundsBefore = SoundPlayCounts();
        }
        ++framesIn[previous];
        if (GameState == StateExploding || GameState == StateGameOver) {
            window.mnuNewGame->trigger();
            window.mnuHint->trigger();
            QTest::mouseClick(window.picBoard, Qt::LeftButton, {}, QPoint(100, 100));
            stateAfterEarlyNewGame = GameState;
        }
        if (GameState == StateGameOverShown && previous == StateGameOverShown && bannerYellow < 0) {
            bannerYellow = YellowPixelsInTheMiddle();
            everyGemBelowTheBoard = true;
            for (const CGem& gem : Gems)
                everyGemBelowTheBoard = everyGemBelowTheBoard && gem.YPos >= 416;
            window.mnuNewGame->trigger();
            EXPECT_EQ(GameState, StateDropIn) << "New Game after the banner starts a new board";
        }
        previous = GameState;
    });

    EXPECT_EQ(framesIn[StateFalling], 4);
    EXPECT_EQ(framesIn[StateGameOver], 51);
    EXPECT_EQ(framesIn[StateExploding], 52);
    EXPECT_EQ(soundsOnEntering[StateGameOver], OnlySound(SoundGemDrop));
    EXPECT_EQ(soundsOnEntering[StateExploding], OnlySound(SoundExplode));
    EXPECT_EQ(soundsOnEntering[StateGameOverShown], OnlySound(SoundGameOver));
    EXPECT_NE(stateAfterEarlyNewGame, StateDropIn);
    EXPECT_NE(stateAfterEarlyNewGame, StateSelected);
    EXPECT_TRUE(everyGemBelowTheBoard);
    EXPECT_GT(bannerYellow, 300) << "the banner's yellow text shows on the empty board";
}

} // namespace
} // namespace glintrow::testing
