// Dealing a new board: kinds without lines but with a move, every gem above its cell.
#include "basInitializingGameBoard.h"

#include "basDeclarations.h"
#include "basMiscelFunctions.h"
#include "platform/Runtime.h"

namespace glintrow {
namespace {

void ResetCounters() {
    for (int16_t* counter : NewGameCounters)
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
        WalkLine(alongColumns, line, [&](int16_t step, int16_t) {
            BoardCell& cell = CellOfLine(alongColumns, line, step);
            const int16_t kind = cell.GemType;
            do
                cell.GemType = RandomGemKind();
            while (cell.GemType == kind);
            changed = true;
            return false;
        });
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
