// Drawing the gems and the target cursor into the back buffer.
#include "basDisplayingGemsAndTarget.h"

#include "basDeclarations.h"
#include "basGettingInformation.h"

namespace glintrow {
namespace {

constexpr int32_t DrawsPerTargetFrame = 3;

// Draws one gem at full size, cut where it hangs over an edge of the board.
void DisplayGem(const CGem& gem) {
    int32_t x = gem.XPos;
    int32_t y = gem.YPos;
    int32_t cutLeft = 0, cutTop = 0, cutRight = 0, cutBottom = 0;
    if (gem.YPos < 0 && gem.YPos + CellSize > 0) {
        y = 0;
        cutTop = -gem.YPos;
    }
    if (gem.YPos + CellSize > BoardPixels && gem.YPos < BoardPixels)
        cutBottom = gem.YPos + CellSize - BoardPixels;
    if (gem.XPos < 0 && gem.XPos + CellSize > 0) {
        x = 0;
        cutLeft = -gem.XPos;
    }
    if (gem.XPos + CellSize > BoardPixels && gem.XPos < BoardPixels)
        cutRight = gem.XPos + CellSize - BoardPixels;

    const int32_t frameLeft = CellSize * gem.RotFrame;
    const RECT source{frameLeft + cutLeft, gem.SourceTop + cutTop, frameLeft + CellSize - cutRight,
                      gem.SourceTop + CellSize - cutBottom};
    // A gem wholly off the board makes a copy that cannot be done, which draws nothing.
    BackBuffer->BltFast(x, y, *GemSheetSurface, source, DDBLTFAST_SRCCOLORKEY | DDBLTFAST_WAIT);
}

void DisplayShrunkGem(const CGem& gem) {
    const int32_t s = gem.ShrinkStep;
    const RECT target{gem.XPos + s, gem.YPos + s, gem.XPos + CellSize - s, gem.YPos + CellSize - s};
    const int32_t frameLeft = CellSize * gem.RotFrame;
    const RECT source{frameLeft, gem.SourceTop, frameLeft + CellSize, gem.SourceTop + CellSize};
    // From a shrink of 26 on the target is empty or inverted, and the copy draws nothing.
    BackBuffer->Blt(target, *GemSheetSurface, source, DDBLT_WAIT | DDBLT_KEYSRC);
}

// A cell without its gem is a reference that was never set.
template <class Draw> void DisplayEveryGem(Draw draw) {
    for (int16_t row = 0; row < BoardSize; ++row) {
        for (int16_t column = 0; column < BoardSize; ++column) {
            const CGem* gem = CellAt(column, row).Gem;
            if (!gem)
                throw RuntimeError(reasons::ObjectVariableNotSet);
            draw(*gem);
        }
    }
}

} // namespace

void DisplayGems() {
    DisplayEveryGem(DisplayGem);
}

void DisplayClearingGems() {
    DisplayEveryGem(DisplayShrunkGem);
}

void DisplayTarget(int16_t gem) {
    const CGem& marked = GemOf(gem);
    const RECT target{marked.XPos, marked.YPos, marked.XPos + CellSize, marked.YPos + CellSize};

    ++TargetPhase;
    if (TargetPhase >= DrawsPerTargetFrame) {
        TargetPhase = 0;
        ++TargetCounter;
        if (TargetCounter >= TargetFrames)
            TargetCounter = 0;
    }

    const int32_t frame = GameState == StateSelected ? TargetCounter : 0;
    const RECT source{CellSize * frame, 0, CellSize * frame + CellSize, CellSize};
    BackBuffer->Blt(target, *TargetSurface, source, DDBLT_WAIT | DDBLT_KEYSRC);
}

} // namespace glintrow
