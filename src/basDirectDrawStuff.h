// The drawing surfaces: made once at start-up, released with everything else at shutdown.
#pragma once

#include "platform/Runtime.h"

namespace glintrow {

// The drawing set-up failed; what() says why, naming the file where a file is to blame.
class DrawingSetUpFailure : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

// Makes the surfaces and loads the three bitmaps; raises DrawingSetUpFailure.
void InitDirectDraw();
// Releases the drawing objects, the sound objects, both work lists and all gems.
void EndDirectDraw();

} // namespace glintrow
