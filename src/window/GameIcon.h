// The window's icon, read from the program's folder within limits that keep a hostile file cheap.
#pragma once

#include <QIcon>

namespace glintrow {

// The window's icon in every size the program's folder holds, smallest first as IconFiles lists
// them: the order in which X11 tools read a window's icon sizes. Without them the window keeps the
// toolkit's icon: a picture for the window frame is no reason to stop the game.
QIcon LoadGameIcon();

} // namespace glintrow
