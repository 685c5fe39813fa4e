// Random play of the game's rules alone: a simple player presses the board and asks for hints
// while the state steps run frame by frame as the frame loop runs them, game after game, and
// every effect sounds once for each event that plays it.
#include "GameTables.h"
#include "RandomPlay.h"
#include "basInitializingGameBoard.h"
#include "basMainGameLoop.h"
#include "basPlayerInput.h"
#include "platform/Runtime.h"

namespace glintrow::testing {
namespace {

constexpr int FramesAllowedPerMove = 2000;

class PlayTest : public GameTest {
protected:
    using Cell = RandomPlay::Cell;

    void Press(Cell cell) {
        const auto [x, y] = play.PointIn(cell);
        PressBoard(static_cast<float>(x), static_cast<float>(y));
    }

    void SpinAWhile() {
        for (int frames = play.Roll(0, 20); frames > 0 && !HasFailure(); --frames)
            RunFrame();
    }

    void RunFrame() {
        clock += 0.021f;
        AnimateGameState(GameState);
        play.CheckFrame();
    }

    // Plays frames until the player may press again, starting a new game after each game over.
    void RunUntilIdle() {
        for (int frame = 0; GameState != StateIdle && !HasFailure(); ++frame) {
            ASSERT_LT(frame, FramesAllowedPerMove) << "stuck in state " << GameState;
            if (GameState == StateGameOverShown) {
                InitializeGameBoard();
                GameState = StateDropIn;
            }
            RunFrame();
        }
    }

    void PlayHintedMove() {
        SelectHintedGem();
        ASSERT_EQ(GameState, StateSelected);
        SpinAWhile();
        Press(play.PartnerOfSelection());
    }

    // Half the moves follow the hint; the others press a gem, then a neighbour, the same gem
    // again, a gem further off, or the hint.
    void PlayOneMove() {
        const int choice = play.Roll(0, 99);
        if (choice < 50) {
            PlayHintedMove();
        } else {
            const Cell first = play.RandomCell();
            Press(first);
            SpinAWhile();
            if (choice < 75) {
                Press(play.RandomCellAt(first, 1, 1));
            } else if (choice < 85) {
                Press(first);
            } else if (choice < 95) {
                Press(play.RandomCellAt(first, 2, 2 * BoardSize));
                ++farPresses;
            } else {
                PlayHintedMove();
            }
        }
        EXPECT_EQ(ClickCount, 0);
    }

    RandomPlay play{"play", 4000, 400000};
    float clock = 30000.0f;
    int farPresses = 0;
};

TEST_F(PlayTest, ThousandsOfMovesKeepBoardAndGemsInAgreement) {
    play.SeedTheGame();
    Hooks().timeOfDay = [this] { return clock; };
    LoadTestSounds();
    InitializeGameBoard();
    GameState = StateDropIn;
    RunUntilIdle();
    for (int move = 0; move < play.Length() && !HasFailure(); ++move) {
        PlayOneMove();
        RunUntilIdle();
    }

    play.ExpectEveryKindOfEvent();
    const auto sounds = SoundPlayCounts();
    EXPECT_EQ(sounds[SoundGotSet] + sounds[SoundGotSetBig], play.tally["good swaps"]);
    EXPECT_EQ(sounds[SoundBadSwap], play.tally["bad swaps"] + farPresses);
    EXPECT_EQ(sounds[SoundGemDrop], play.tally["falls"]);
    EXPECT_EQ(sounds[SoundExplode], play.tally["games over"]);
    EXPECT_EQ(sounds[SoundGameOver], play.tally["games over"]);
    EXPECT_EQ(play.tally["clears"], play.tally["falls"]);
}

} // namespace
} // namespace glintrow::testing
