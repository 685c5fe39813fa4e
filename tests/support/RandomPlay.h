// One random-play driver for the game's rules alone and for the real window: the seed and length
// of a play, a player's random choices, and after every frame the check of the tables and the
// tally of what happened.
#pragma once

#include "GameTables.h"
#include "basMiscelFunctions.h"
#include "platform/Runtime.h"

#include <cstdlib>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <utility>

namespace glintrow::testing {

// A test run plays the short length on a fixed seed, so that it always takes as long and sees
// the same events; with GLINTROW_SOAK set (make soak) it plays the long length on a new seed.
// GLINTROW_PLAY_SEED gives the seed, which is printed either way.
class RandomPlay {
public:
    using Cell = std::pair<int, int>;

    RandomPlay(std::string name, int shortLength, int soakLength)
        : name_(std::move(name)), length_(IsSoak() ? soakLength : shortLength),
          seed_(std::getenv("GLINTROW_PLAY_SEED")
                    ? std::strtoull(std::getenv("GLINTROW_PLAY_SEED"), nullptr, 10)
                : IsSoak() ? std::random_device{}()
                           : 20261207),
          random_(seed_) {
        std::cout << "[ " << name_ << " ] " << length_ << " steps, GLINTROW_PLAY_SEED=" << seed_
                  << std::endl;
    }

    // Puts the game's chance into a state of the seed's, once the tables are reset.
    void SeedTheGame() const { SetRandomState(seed_); }

    // How many moves or frames to play.
    int Length() const { return length_; }
    int Roll(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
    Cell RandomCell() { return {Roll(0, BoardSize - 1), Roll(0, BoardSize - 1)}; }

    // A cell whose steps along rows and columns from the given one lie within the bounds.
    Cell RandomCellAt(Cell cell, int fewestSteps, int mostSteps) {
        for (;;) {
            const Cell other = RandomCell();
            const int steps =
                std::abs(other.first - cell.first) + std::abs(other.second - cell.second);
            if (steps >= fewestSteps && steps <= mostSteps)
                return other;
        }
    }

    // The neighbour of the selected gem that completes a line, as a player would spot it; the
    // gem's own cell, with the failure recorded, when none does.
    Cell PartnerOfSelection() {
        int16_t partner = PartnerMakingALine(SelectedGem);
        if (partner < 0) {
            ADD_FAILURE() << name_ << ": the hinted gem " << SelectedGem << " makes no line";
            partner = SelectedGem;
        }
        return {Gems[partner].XCoord, Gems[partner].YCoord};
    }

    // A board pixel inside the cell, never on its outermost pixels.
    std::pair<int, int> PointIn(Cell cell) {
        return {CellSize * cell.first + Roll(1, CellSize - 2),
                CellSize * cell.second + Roll(1, CellSize - 2)};
    }

    // After each frame: the state lies in range; whenever the game waits for the player, board
    // and gems agree, no line stands and a move is left; each clear adds one to the combo. False,
    // with the failure and the seed recorded, when a check fails.
    bool CheckFrame() {
        const GameStates before = std::exchange(stateBefore_, GameState);
        const int16_t comboBefore = std::exchange(comboBefore_, ComboCount);
        const bool cleared = before == StateClearing && GameState == StateFalling;
        std::string fault;
        if (GameState < StateStarting || GameState > StateGameOverShown)
            fault = "state " + std::to_string(GameState);
        else if (GameState == StateIdle)
            fault = DescribeDisagreement() + (BoardHasMatch() ? " a line stands" : "") +
                    (MoveExists() ? "" : " no move is left");
        else if (cleared && ComboCount != comboBefore + 1)
            fault =
                "combo " + std::to_string(comboBefore) + " became " + std::to_string(ComboCount);
        ++tally["frames"];
        if (!fault.empty()) {
            ADD_FAILURE() << name_ << " frame " << tally["frames"]
                          << " (GLINTROW_PLAY_SEED=" << seed_ << "): " << fault;
            return false;
        }
        tally["clears"] += cleared;
        tally["cascade clears"] += cleared && ComboCount >= 2;
        tally["falls"] += before == StateFalling && GameState != StateFalling;
        tally["good swaps"] += before == StateSwapping && GameState == StateClearing;
        // The swap turned back: its counter started again in the phase of the way back.
        tally["bad swaps"] += before == StateSwapping && GameState == StateSwapping &&
                              SwapPhase == 2 && SwapCounter == 0;
        tally["games over"] += before != StateGameOverShown && GameState == StateGameOverShown;
        tally["new games"] += before != StateDropIn && GameState == StateDropIn;
        return true;
    }

    // Prints the tally, and expects every kind of event to have happened.
    void ExpectEveryKindOfEvent() {
        std::cout << "[ " << name_ << " ]";
        for (const auto& [what, count] : tally) {
            std::cout << " " << count << " " << what << ";";
            EXPECT_GT(count, 0) << "no " << what << " in " << name_;
        }
        std::cout << std::endl;
    }

    // How often each kind of event happened.
    std::map<std::string, int> tally;

private:
    static bool IsSoak() { return std::getenv("GLINTROW_SOAK"); }

    std::string name_;
    int length_;
    uint64_t seed_;
    std::mt19937_64 random_;
    GameStates stateBefore_ = StateStarting;
    int16_t comboBefore_ = 0;
};

} // namespace glintrow::testing
