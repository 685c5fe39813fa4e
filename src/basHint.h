// The hint search: a gem that takes part in a move.
#pragma once

#include <cstdint>

namespace glintrow {

// The gem to move for the first move in scan order, or -1 when there is no move.
int16_t FindHint();

} // namespace glintrow
