// Plays headless games as fast as the state steps run: a simple player takes the hinted gem and
// swaps it with a random neighbour; nothing is drawn, and the Game Over banner ends a game.
#include "BenchFigures.h"
#include "basDeclarations.h"
#include "basInitializingGameBoard.h"
#include "basMainGameLoop.h"
#include "basPlayerInput.h"
#include "platform/Runtime.h"

#include <cstdlib>
#include <random>

namespace glintrow::bench {
namespace {

constexpr int FramesBetweenClockReadings = 4096;

struct Tally {
    long long frames = 0;
    long long games = 0;
    long long moves = 0;
};

void PressCell(int column, int row) {
    PressBoard(static_cast<float>(CellSize * column + CellSize / 2),
               static_cast<float>(CellSize * row + CellSize / 2));
}

void MakeMove(std::mt19937& rng) {
    SelectHintedGem();
    if (GameState != StateSelected)
        return;
    const CGem& gem = Gems[SelectedGem];
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (;;) {
        const auto& step = steps[std::uniform_int_distribution<int>(0, 3)(rng)];
        const int column = gem.XCoord + step[0];
        const int row = gem.YCoord + step[1];
        if (column >= 0 && column < BoardSize && row >= 0 && row < BoardSize) {
            PressCell(column, row);
            return;
        }
    }
}

void StartGame() {
    InitializeGameBoard();
    GameState = StateDropIn;
}

// One frame: the state step, then what the player does in the frame's event processing.
void PlayFrame(Tally& tally, std::mt19937& rng) {
    AnimateGameState(GameState);
    ++tally.frames;
    if (GameState == StateIdle) {
        MakeMove(rng);
        ++tally.moves;
    } else if (GameState == StateGameOverShown) {
        ++tally.games;
        StartGame();
    }
}

} // namespace
} // namespace glintrow::bench

int main(int argc, char** argv) {
    using namespace glintrow::bench;
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    std::mt19937 rng(7);
    Tally tally;
    try {
        StartGame();
        const Clock::time_point start = Clock::now();
        double elapsed = 0.0;
        do {
            for (int frame = 0; frame < FramesBetweenClockReadings; ++frame)
                PlayFrame(tally, rng);
            elapsed = MillisecondsBetween(start, Clock::now()) / 1000.0;
        } while (elapsed < seconds);
        PrintFigure("logic_frames_per_s", static_cast<double>(tally.frames) / elapsed);
        PrintFigure("logic_games_per_s", static_cast<double>(tally.games) / elapsed);
        PrintFigure("logic_games", static_cast<double>(tally.games));
        PrintFigure("logic_frames_per_game",
                    static_cast<double>(tally.frames) / static_cast<double>(tally.games));
        PrintFigure("logic_moves_per_game",
                    static_cast<double>(tally.moves) / static_cast<double>(tally.games));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "game_logic_bench: %s\n", failure.what());
        return 1;
    }
    return 0;
}
