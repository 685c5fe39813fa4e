// Who draws the window's frame on Wayland: the compositor, when it offers to, or the toolkit.
#pragma once

namespace glintrow {

// Before the application starts, and only when it will run on Wayland, asks the compositor
// whether it draws window frames, and tells the toolkit to leave them to it if so. A value of
// QT_WAYLAND_DISABLE_WINDOWDECORATION that the player set always wins, and a compositor that
// cannot be reached changes nothing.
void ChooseWindowFrame();

} // namespace glintrow
