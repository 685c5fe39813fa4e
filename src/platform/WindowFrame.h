// Who draws the window's frame on Wayland: the compositor, when it offers to, or the game.
#pragma once

#include <string>

namespace glintrow {

// Before the application starts, and only when it will run on Wayland, asks the compositor
// whether it draws window frames, and tells the toolkit to draw none: the compositor draws it, or
// else the game. A value of QT_WAYLAND_DISABLE_WINDOWDECORATION that the player set always wins. A
// compositor that cannot be reached changes nothing, and libwayland's own line on it is left to the
// toolkit's connection, so that it is said once. Nothing is asked when the compositor handed the
// game a connection (WAYLAND_SOCKET): that descriptor is the toolkit's. What failed, when the
// compositor took the connection and closed it without an answer; empty otherwise.
std::string ChooseWindowFrame();

// Whether the window must draw its own frame, as ChooseWindowFrame found.
bool GameDrawsWindowFrame();

} // namespace glintrow
