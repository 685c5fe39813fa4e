// The frame loop: one state step, one picture and one round of window events per frame.
#include "basMainGameLoop.h"

#include "basDeclarations.h"
#include "basDisplayingGemsAndTarget.h"
#include "basManipulatingGems.h"
#include "basMiscelFunctions.h"
#include "platform/Runtime.h"

#include <optional>
#include <utility>

namespace glintrow {
namespace {

// A frame lasts until more than this many milliseconds have passed since it began.
constexpr int32_t FrameMilliseconds = 20;

bool frameLoopRunning = false;
std::exception_ptr waitingFailure;
// A window command arrived since the loop began waiting for the player.
bool wakeRequested = false;
// Where the last frame's wait ended: the next frame's 21 ms are counted from there, so that the
// window's events in between are part of them and never added to them.
std::optional<int32_t> lastWaitEnd;

// What the state step draws besides the gems: the cursor under the selected or swapping gems and
// the banner once the game is over.
void DrawStateExtras(GameStates state) {
    switch (state) {
    case StateSelected:
        DisplayTarget(SelectedGem);
        break;
    case StateSwapping:
        DisplayTarget(SelectedGem);
        DisplayTarget(SecondGem);
        break;
    case StateGameOverShown:
        ShowGameOver();
        break;
    default:
        break;
    }
}

// The frame's wait answers a screen reader, and what would act meanwhile waits for the event step.
void WaitForFrameEnd(int32_t frameStart) {
    while (TicksBetween(frameStart, DX->TickCount()) <= FrameMilliseconds)
        WaitAnsweringScreenReader(TickAfter(frameStart, FrameMilliseconds + 1));
    lastWaitEnd = DX->TickCount();
}

// A frame begins where the last one's wait ended, unless more than a frame has passed since (the
// loop waited for the player, or a box held it): then it begins now.
int32_t ReadFrameStart() {
    const int32_t now = DX->TickCount();
    if (lastWaitEnd && TicksBetween(*lastWaitEnd, now) <= FrameMilliseconds)
        return *lastWaitEnd;
    return now;
}

// In these states a frame animates nothing and reads no clock: the next frame, with no command
// between them, draws from the same tables the same picture again.
bool IsStillState(GameStates state) {
    return state == StateStarting || state == StateIdle || state == StateGameOverShown;
}

// Sleeps until a command of the player arrives, or the window closes. Repaints meanwhile show the
// picture last presented and run no frame.
void WaitForPlayer() {
    while (!wakeRequested && !QuitRequested && !IsFailureWaiting())
        if (!WaitForEvents())
            return;
}

void RaiseWaitingFailure() {
    if (waitingFailure)
        std::rethrow_exception(std::exchange(waitingFailure, nullptr));
}

void RunFrame() {
    const int32_t frameStart = ReadFrameStart();
    RECT boardWindow;
    DX->GetWindowRect(BoardHandle, boardWindow);

    BackBuffer->Blt(BackBufferRect, *BoardSurface, BoardBitmapRect, DDBLT_WAIT);
    // The state is read once: the extras of a swap are drawn also in the frame that ends it.
    const GameStates state = GameState;
    AnimateGameState(state);
    DrawStateAndGems(state);
    PrimarySurface->Blt(boardWindow, *BackBuffer, BackBufferRect, DDBLT_WAIT);
    // Commands run only at the event step, so none has come since this frame began.
    const bool still = IsStillState(state) && GameState == state;
    // A command from here on, also one the wait holds, wakes the next frame.
    wakeRequested = false;

    WaitForFrameEnd(frameStart);
    if (still)
        WaitForPlayer();
    else
        DoEvents();
    RaiseWaitingFailure();
}

} // namespace

void AnimateGameState(GameStates state) {
    switch (state) {
    case StateDropIn:
        DropInGems();
        break;
    case StateSelected:
        AnimateTarget();
        break;
    case StateSwapping:
        AnimateSwap();
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
    case StateStarting:
    case StateIdle:
    case StateGameOverShown:
        break;
    }
}

void DrawStateAndGems(GameStates state) {
    DrawStateExtras(state);
    if (GameState == StateClearing)
        DisplayClearingGems();
    else
        DisplayGems();
}

void MainGameLoop() {
    GameState = StateDropIn;
    QuitRequested = false;

    frameLoopRunning = true;
    lastWaitEnd.reset();
    struct LoopEnd {
        ~LoopEnd() { frameLoopRunning = false; }
    } loopEnd;
    do {
        RunFrame();
    } while (!QuitRequested);
}

void WakeFrameLoop() {
    wakeRequested = true;
}

bool IsFrameLoopRunning() {
    return frameLoopRunning;
}

void HandOverFailure(std::exception_ptr failure) {
    waitingFailure = std::move(failure);
}

bool IsFailureWaiting() {
    return waitingFailure != nullptr;
}

void DropWaitingFailure() {
    waitingFailure = nullptr;
}

} // namespace glintrow
