// The hint search: a gem that takes part in a move.
#include "basHint.h"

#include "basDeclarations.h"
#include "basGettingInformation.h"

namespace glintrow {
namespace {

// The last anchor of a line that still has two cells after it.
constexpr int16_t LastAnchor = BoardSize - 3;

// An anchor cell seen along the line a move would complete: `along` counts cells in the line's
// direction, `across` cells to either side of it (-1 above or left, +1 below or right). The column
// pass is the row pass with rows and columns exchanged.
class Anchor {
public:
    Anchor(bool alongColumns, int16_t line, int16_t step)
        : alongColumns_(alongColumns), line_(line), step_(step),
          kind_(GemTypeAt(ColumnAt(0, 0), RowAt(0, 0))) {}

    // An emptied anchor matches nothing, so a pattern never points off the board.
    bool HasKindAt(int16_t along, int16_t across) const {
        return kind_ >= 0 && GemTypeAt(ColumnAt(along, across), RowAt(along, across)) == kind_;
    }

    int16_t GemAt(int16_t along, int16_t across) const {
        return CellAt(ColumnAt(along, across), RowAt(along, across)).GemID;
    }

private:
    int16_t ColumnAt(int16_t along, int16_t across) const {
        return static_cast<int16_t>(alongColumns_ ? line_ + across : step_ + along);
    }
    int16_t RowAt(int16_t along, int16_t across) const {
        return static_cast<int16_t>(alongColumns_ ? step_ + along : line_ + across);
    }

    bool alongColumns_;
    int16_t line_;
    int16_t step_;
    int16_t kind_;
};

// The gem that must leave the cell the missing gem of a line moves into, for the first pattern
// that holds at this anchor; -1 when none does.
int16_t FindMoveAt(const Anchor& anchor) {
    if (anchor.HasKindAt(3, 0) && anchor.HasKindAt(2, 0))
        return anchor.GemAt(1, 0);
    if (anchor.HasKindAt(1, 0) &&
        (anchor.HasKindAt(2, -1) || anchor.HasKindAt(2, 1) || anchor.HasKindAt(3, 0)))
        return anchor.GemAt(2, 0);
    for (const int16_t side : {-1, 1}) {
        if (!anchor.HasKindAt(1, side))
            continue;
        if (anchor.HasKindAt(2, side))
            return anchor.GemAt(0, side);
        if (anchor.HasKindAt(2, 0))
            return anchor.GemAt(1, 0);
    }
    return -1;
}

} // namespace

int16_t FindHint() {
    for (const bool alongColumns : {false, true}) {
        for (int16_t line = 0; line < BoardSize; ++line) {
            for (int16_t step = 0; step <= LastAnchor; ++step) {
                const int16_t gem = FindMoveAt(Anchor(alongColumns, line, step));
                if (gem >= 0)
                    return gem;
            }
        }
    }
    return -1;
}

} // namespace glintrow
