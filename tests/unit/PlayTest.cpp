// A long randomised session: a simple player presses the board and asks for hints while the state
// steps run frame by frame as the frame loop runs them, game after game. Rerun a failure with
// GLINTROW_PLAY_SEED set to the printed seed.
#include "GameTables.h"
#include "basInitializingGameBoard.h"
#include "basMainGameLoop.h"
#include "basMiscelFunctions.h"
#include "basPlayerInput.h"
#include "platform/Runtime.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>
#include <utility>

namespace glintrow {
namespace {

constexpr int MovesToPlay = 4000;
constexpr int FramesAllowedPerMove = 2000;

struct Tally {
    int moves = 0;
    int goodSwaps = 0;
    int badSwaps = 0;
    int farPresses = 0;
    int cancels = 0;
    int clears = 0;
    int cascades = 0;
    int falls = 0;
    int games = 0;
    int longestCombo = 0;
    int frames = 0;
};

class PlayTest : public testing::GameTest {
protected:
    using Cell = std::pair<int, int>;

    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); }

    // A press somewhere inside the cell, never on the board's outermost pixels.
    void Press(Cell cell) {
        PressBoard(static_cast<float>(52 * cell.first + Uniform(1, 50)),
                   static_cast<float>(52 * cell.second + Uniform(1, 50)));
    }

    Cell RandomCell() { return {Uniform(0, 7), Uniform(0, 7)}; }

    Cell CellOfGem(int16_t id) { return {Gems[id].XCoord, Gems[id].YCoord}; }

    Cell RandomNeighbour(Cell cell) {
        for (;;) {
            const int side = Uniform(0, 3);
            const Cell next = {cell.first + (side == 0) - (side == 1),
                               cell.second + (side == 2) - (side == 3)};
            if (next.first >= 0 && next.first < 8 && next.second >= 0 && next.second < 8)
                return next;
        }
    }

    Cell RandomFarCell(Cell cell) {
        for (;;) {
            const Cell other = RandomCell();
            if (std::abs(other.first - cell.first) + std::abs(other.second - cell.second) >= 2)
                return other;
        }
    }

    // The neighbour of the selected gem that completes a line, as a player would spot it.
    Cell PartnerOfSelection() {
        const int16_t partner = testing::PartnerMakingALine(SelectedGem);
        if (partner < 0)
            ADD_FAILURE() << "the hinted gem " << SelectedGem << " makes no line with a neighbour";
        return CellOfGem(partner < 0 ? SelectedGem : partner);
    }

    void SpinAWhile() {
        for (int frames = Uniform(0, 20); frames > 0; --frames)
            RunFrame();
    }

    void RunFrame() {
        const GameStates before = GameState;
        const int16_t comboBefore = ComboCount;
        ++tally.frames;
        clock += 0.021f;
        AnimateGameState(GameState);
        ASSERT_GE(static_cast<int>(GameState), StateStarting);
        ASSERT_LE(static_cast<int>(GameState), StateGameOverShown);
        if (before == StateClearing && GameState == StateFalling) {
            ++tally.clears;
            tally.cascades += ComboCount >= 2;
            tally.longestCombo = std::max<int>(tally.longestCombo, ComboCount);
            EXPECT_EQ(ComboCount, comboBefore + 1);
        }
        if (before == StateFalling && GameState != StateFalling)
            ++tally.falls;
        if (before == StateSwapping && GameState == StateClearing)
            ++tally.goodSwaps;
        if (before == StateSwapping && GameState == StateSwapping && SwapPhase == 2 &&
            SwapCounter == 0)
            ++tally.badSwaps;
    }

    // Plays frames until the player may press again, starting a new game after each game over.
    void RunUntilIdle() {
        for (int frame = 0; GameState != StateIdle; ++frame) {
            ASSERT_LT(frame, FramesAllowedPerMove) << "stuck in state " << GameState;
            if (GameState == StateGameOverShown) {
                ++tally.games;
                InitializeGameBoard();
                GameState = StateDropIn;
            }
            RunFrame();
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }

    void PlayHintedMove() {
        SelectHintedGem();
        ASSERT_EQ(GameState, StateSelected);
        SpinAWhile();
        Press(PartnerOfSelection());
    }

    void PlayOneMove() {
        const int choice = Uniform(0, 99);
        if (choice < 50) {
            PlayHintedMove();
        } else if (choice < 75) {
            const Cell first = RandomCell();
            Press(first);
            SpinAWhile();
            Press(RandomNeighbour(first));
        } else if (choice < 85) {
            const Cell first = RandomCell();
            Press(first);
            SpinAWhile();
            Press(first);
            ++tally.cancels;
        } else if (choice < 95) {
            const Cell first = RandomCell();
            Press(first);
            SpinAWhile();
            Press(RandomFarCell(first));
            ++tally.farPresses;
        } else {
            Press(RandomCell());
            SpinAWhile();
            PlayHintedMove();
        }
        EXPECT_EQ(ClickCount, 0);
        ++tally.moves;
    }

    void ExpectBoardReadyForThePlayer() {
        ASSERT_EQ(testing::DescribeDisagreement(), "") << "after move " << tally.moves;
        ASSERT_FALSE(BoardHasMatch()) << "after move " << tally.moves;
        ASSERT_TRUE(MoveExists()) << "after move " << tally.moves;
    }

    std::mt19937_64 rng;
    float clock = 30000.0f;
    Tally tally;
};

TEST_F(PlayTest, ThousandsOfMovesKeepBoardAndGemsInAgreement) {
    const uint64_t seed = testing::SeedFrom("GLINTROW_PLAY_SEED", std::random_device{}());
    SCOPED_TRACE("GLINTROW_PLAY_SEED=" + std::to_string(seed));
    std::cout << "[ play     ] GLINTROW_PLAY_SEED=" << seed << std::endl;
    rng.seed(seed);
    SetRandomState(seed);
    Hooks().timeOfDay = [this] { return clock; };
    testing::LoadTestSounds();

    InitializeGameBoard();
    GameState = StateDropIn;
    RunUntilIdle();
    while (tally.moves < MovesToPlay && !HasFatalFailure()) {
        ExpectBoardReadyForThePlayer();
        PlayOneMove();
        RunUntilIdle();
    }
    ExpectBoardReadyForThePlayer();

    std::cout << "[ play     ] " << tally.moves << " moves (" << tally.goodSwaps << " good swaps, "
              << tally.badSwaps << " bad swaps, " << tally.cancels << " cancels, "
              << tally.farPresses << " presses on far gems), " << tally.clears << " clears, "
              << tally.cascades << " cascade clears, longest combo " << tally.longestCombo << ", "
              << tally.games << " games over, " << tally.frames << " frames" << std::endl;
    const auto sounds = testing::SoundPlayCounts();
    EXPECT_EQ(sounds[SoundGotSet] + sounds[SoundGotSetBig], tally.goodSwaps);
    EXPECT_EQ(sounds[SoundBadSwap], tally.badSwaps + tally.farPresses);
    EXPECT_EQ(sounds[SoundGemDrop], tally.falls);
    EXPECT_EQ(sounds[SoundExplode], tally.games);
    EXPECT_EQ(sounds[SoundGameOver], tally.games);
    EXPECT_EQ(tally.clears, tally.falls);
    EXPECT_GT(tally.goodSwaps, 0);
    EXPECT_GT(tally.badSwaps, 0);
    EXPECT_GT(tally.cascades, 0);
}

} // namespace
} // namespace glintrow
