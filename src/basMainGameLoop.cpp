// The frame loop: one state step, one picture and one round of window events per frame.
#include "basMainGameLoop.h"

#include "basDeclarations.h"
#include "basDisplayingGemsAndTarget.h"
#include "basManipulatingGems.h"
#include "basMiscelFunctions.h"
#include "platform/Runtime.h"

namespace glintrow {
namespace {

// A frame lasts until more than this many milliseconds have passed since it began.
constexpr int32_t FrameMilliseconds = 20;

bool frameLoopRunning = false;

void RunStateStep() {
    switch (GameState) {
    case StateStarting:
    case StateIdle:
        break;
    case StateDropIn:
        DropInGems();
        break;
    case StateSelected:
        AnimateTarget();
        DisplayTarget(SelectedGem);
        break;
    case StateSwapping:
        AnimateSwap();
        DisplayTarget(SelectedGem);
        DisplayTarget(SecondGem);
        break;
    case StateClearing:
        ClearMatchedGems();
        break;
    case StateFalling:
        AnimateFalling();
        break;
    case StateGameOver:
        StartGameOver();
        break;
    case StateExploding:
        AnimateExplosion();
        break;
    case StateGameOverShown:
        ShowGameOver();
        break;
    }
}

void WaitForFrameEnd(int32_t frameStart) {
    while (TicksBetween(frameStart, DX->TickCount()) <= FrameMilliseconds)
        WaitForTick(frameStart + FrameMilliseconds + 1);
}

void RunFrame() {
    const int32_t frameStart = DX->TickCount();
    RECT boardWindow;
    DX->GetWindowRect(BoardHandle, boardWindow);

    BackBuffer->Blt(BackBufferRect, *BoardSurface, BoardBitmapRect, DDBLT_WAIT);
    RunStateStep();
    if (GameState == StateClearing)
        DisplayClearingGems();
    else
        DisplayGems();
    PrimarySurface->Blt(boardWindow, *BackBuffer, BackBufferRect, DDBLT_WAIT);

    WaitForFrameEnd(frameStart);
    DoEvents();
}

} // namespace

void MainGameLoop() {
    GameState = StateDropIn;
    QuitRequested = false;

    frameLoopRunning = true;
    struct LoopEnd {
        ~LoopEnd() { frameLoopRunning = false; }
    } loopEnd;
    do {
        RunFrame();
    } while (!QuitRequested);
}

bool IsFrameLoopRunning() {
    return frameLoopRunning;
}

} // namespace glintrow
