// The drawing surfaces: made once at start-up, released with everything else at shutdown.
#pragma once

#include "platform/DirectDraw.h"
#include "platform/Runtime.h"

#include <cstdint>

namespace glintrow {

// The drawing set-up failed; what() says why, naming the file where a file is to blame.
class DrawingSetUpFailure : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

// An off-screen surface of a size, made by the drawing object.
ObjectRef<DirectDrawSurface7> CreatePlainSurface(int32_t width, int32_t height);
// Makes the surfaces and loads the three bitmaps; raises DrawingSetUpFailure.
void InitDirectDraw();
// Releases the drawing objects, the sound objects, both work lists and all gems, in that order.
void ReleaseGameObjects();
// True when every object that ReleaseGameObjects releases is released.
bool AreGameObjectsReleased();
// Ends the game's drawing at close, releasing every game object.
void EndDirectDraw();

} // namespace glintrow
