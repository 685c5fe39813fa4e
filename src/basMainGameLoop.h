// The frame loop: one state step, one picture and one round of window events per frame.
#pragma once

#include "basDeclarations.h"

namespace glintrow {

// The animation step of a frame in the given state; it draws nothing.
void AnimateGameState(GameStates state);

void MainGameLoop();
// True while a frame loop runs; a new game then goes on in it instead of starting another.
bool IsFrameLoopRunning();

} // namespace glintrow
