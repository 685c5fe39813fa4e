// The window's font as Qt draws and measures it. Uses Qt, so only the platform's own files include
// it, never the game.
#pragma once

#include "Window.h"

#include <QFont>

namespace glintrow {

QFont ToQFont(const StdFont& font);

} // namespace glintrow
