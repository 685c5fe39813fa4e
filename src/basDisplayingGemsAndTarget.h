// Drawing the gems and the target cursor into the back buffer.
#pragma once

#include <cstdint>

namespace glintrow {

void DisplayGems();
void DisplayClearingGems();
void DisplayTarget(int16_t gem);

} // namespace glintrow
