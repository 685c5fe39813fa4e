// The frame loop: one state step, one picture and one round of window events per frame.
#pragma once

#include "basDeclarations.h"

#include <exception>

namespace glintrow {

// The animation step of a frame in the given state; it draws nothing.
void AnimateGameState(GameStates state);

// What a frame draws after its state step, given the state the frame began in: the cursors or the
// banner of that state, then every gem, shrunk while the state is now clearing.
void DrawStateAndGems(GameStates state);

void MainGameLoop();
// True while a frame loop runs; a new game then goes on in it instead of starting another.
bool IsFrameLoopRunning();
// A command of the player has arrived: a loop waiting on a still board runs its next frame.
void WakeFrameLoop();

// Keeps a failure that a window command raised while the frame loop runs. The loop raises it again
// once the frame's event processing has returned, so it reaches the loop's own handler without
// unwinding through the toolkit.
void HandOverFailure(std::exception_ptr failure);
// True while a handed-over failure waits to be raised.
bool IsFailureWaiting();
// Forgets a waiting failure: the window has closed, and nothing is left to report it on.
void DropWaitingFailure();

} // namespace glintrow
