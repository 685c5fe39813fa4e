// Dealing a new board: kinds without lines but with a move, every gem above its cell.
#include "basInitializingGameBoard.h"

#include "basDeclarations.h"
#include "basGettingInformation.h"
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
            CellAt(x, y) = BoardCell{nullptr, id++, RandomGemKind()};
}

// The first cell along a row (or column) that stands LineLength deep in a run; -1 when none does.
int16_t FindThirdOfARun(bool alongColumns, int16_t line) {
    int16_t third = -1;
    WalkLine(alongColumns, line, [&](int16_t step, int16_t) {
        third = step;
        return true;
    });
    return third;
}

// Re-deals the third gem of every run of three along the rows (or columns), in reading order; the
// gem after a re-dealt one starts a new count. True when any gem was re-dealt.
bool BreakRuns(bool alongColumns) {
    bool changed = false;
    for (int16_t line = 0; line < BoardSize; ++line) {
        // A re-dealt gem differs from the run before it, so the next walk from the line's start
        // finds the next run beyond it, as if the walk had gone on past the new kind.
        for (int16_t step; (step = FindThirdOfARun(alongColumns, line)) >= 0;) {
            BoardCell& cell = CellOfLine(alongColumns, line, step);
            const int16_t kind = cell.GemType;
            do
                cell.GemType = RandomGemKind();
            while (cell.GemType == kind);
            changed = true;
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

// Each gem waits a board's height above its cell and falls the faster the lower its row.
void PlaceGems() {
    int16_t id = 0;
    for (int16_t y = 0; y < BoardSize; ++y) {
        for (int16_t x = 0; x < BoardSize; ++x) {
            Randomize(Timer());
            PlaceGem(id, x, y, CellAt(x, y).GemType);
            CGem& gem = GemOf(id);
            gem.YPos -= BoardPixels;
            gem.Speed = y;
            ++id;
        }
    }
}

} // namespace

void PlaceGem(int16_t id, int16_t column, int16_t row, int16_t kind) {
    CGem& gem = GemOf(id);
    gem = CGem{};
    gem.GemID = id;
    gem.GemType = kind;
    gem.SourceTop = static_cast<int16_t>(CellSize * kind);
    gem.XCoord = column;
    gem.YCoord = row;
    gem.XPos = static_cast<int16_t>(CellSize * column);
    gem.YPos = static_cast<int16_t>(CellSize * row);
    CellAt(column, row) = BoardCell{&gem, id, kind};
}

void InitializeGameBoard() {
    ResetCounters();
    do {
        Randomize(Timer());
        DealBoard();
    } while (!RepairBoard());
    PlaceGems();
}

} // namespace glintrow
