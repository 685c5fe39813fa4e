// The drawing surfaces: made once at start-up, released with everything else at shutdown.
#pragma once

namespace glintrow {

void InitDirectDraw();
// Releases the drawing objects, the sound objects, both work lists and all gems.
void EndDirectDraw();

} // namespace glintrow
