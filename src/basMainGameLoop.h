// The frame loop: one state step, one picture and one round of window events per frame.
#pragma once

namespace glintrow {

void MainGameLoop();
// True while a frame loop runs; a new game then goes on in it instead of starting another.
bool IsFrameLoopRunning();

} // namespace glintrow
