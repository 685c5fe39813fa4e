// The window's font as Qt draws and measures it. Uses Qt, so only the platform's own files include
// it, never the game.
#pragma once

#include "Window.h"

#include <QFont>

namespace glintrow {

// The font at a scale: device pixels per pixel of the game.
QFont ToQFont(const StdFont& font, double scale = 1.0);

} // namespace glintrow
