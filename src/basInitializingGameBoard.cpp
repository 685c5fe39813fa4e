// Dealing a new board: kinds without lines but with a move, every gem above its cell.
#include "basInitializingGameBoard.h"

#include "basDeclarations.h"
#include "basMiscelFunctions.h"
#include "platform/Runtime.h"

namespace glintrow {
namespace {

constexpr int16_t LineLength = 3;

void ResetCounters() {
    for (int16_t* counter :
         {&ClickCount, &SwapCounter, &ClearCounter, &FallCounter, &GameOverCounter,
          &ExplosionCounter, &DropInCounter, &TargetCounter, &ComboCount, &SwapPhase, &TargetPhase})
        *counter = 0;
}

void DealBoard() {
    int16_t id = 0;
    for (int16_t y = 0; y < BoardSize; ++y)
        for (int16_t x = 0; x < BoardSize; ++x)
            Board[x][y] = BoardCell{nullptr, id++, RandomGemKind()};
}

// Re-deals the third gem of every run of three along the rows (or columns), in reading order; the
// gem after a re-dealt one starts a new count. True when any gem was re-dealt.
bool BreakRuns(bool alongColumns) {
    bool changed = false;
    for (int16_t line = 0; line < BoardSize; ++line) {
        int16_t previousKind = 0;
        int16_t runLength = 0;
        for (int16_t step = 0; step < BoardSize; ++step) {
            BoardCell& cell = alongColumns ? Board[line][step] : Board[step][line];
            const int16_t kind = cell.GemType;
            if (kind != previousKind) {
                runLength = 1;
                previousKind = kind;
            } else if (++runLength >= LineLength) {
                changed = true;
                do
                    cell.GemType = RandomGemKind();
                while (cell.GemType == kind);
                runLength = 1;
                previousKind = cell.GemType;
            }
        }
    }
    return changed;
}

// Repeats the row and column passes until the board holds no line and a move. False when the
// board has no line and no move: the passes would never change it, so it must be dealt afresh.
bool RepairBoard() {
    for (;;) {
        const bool rowsChanged = BreakRuns(false);
        const bool columnsChanged = BreakRuns(true);
        if (!rowsChanged && !columnsChanged)
            return MoveExists();
    }
}

void PlaceGems() {
    int16_t id = 0;
    for (int16_t y = 0; y < BoardSize; ++y) {
        for (int16_t x = 0; x < BoardSize; ++x) {
            Randomize(Timer());
            CGem& gem = Gems[id];
            gem = CGem{};
            gem.GemID = id;
            gem.GemType = Board[x][y].GemType;
            gem.SourceTop = static_cast<int16_t>(CellSize * gem.GemType);
            gem.XCoord = x;
            gem.YCoord = y;
            gem.XPos = static_cast<int16_t>(CellSize * x);
            gem.YPos = static_cast<int16_t>(CellSize * y - BoardPixels);
            gem.Speed = y;
            Board[x][y].Gem = &gem;
            ++id;
        }
    }
}

} // namespace

void InitializeGameBoard() {
    ResetCounters();
    do {
        Randomize(Timer());
        DealBoard();
    } while (!RepairBoard());
    PlaceGems();
}

} // namespace glintrow
