// The toolkit's widget behind each window handle the game holds: the one place that looks behind
// a handle. Names a toolkit type, so only the platform's own files and the window include it.
#pragma once

#include "Window.h"

class QWidget;

namespace glintrow {

inline HWND HandleOf(QWidget* widget) {
    return reinterpret_cast<HWND>(widget);
}

inline QWidget* WidgetOf(HWND window) {
    return reinterpret_cast<QWidget*>(window);
}

// The event a window receives each time a frame of the game has been shown in it, also a frame
// alike to the last, which paints nothing: the window follows the game by it.
int FrameShownEvent();

} // namespace glintrow
