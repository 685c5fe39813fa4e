// Wave files opened for the mixer, read only as far as their headers allow.
#pragma once

#include "WaveFile.h"

#include <string>

struct SDL_RWops;

namespace glintrow {

// The wave file opened by its path's own bytes, so a folder name need not be valid text, and its
// layout read from its headers before SDL reads anything; a file whose data chunk claims more
// than it holds is read as what it holds. Raises the file's run-time error.
SDL_RWops* OpenWaveStream(const std::string& path, const SoundLimits& limits, WaveLayout& wave);

} // namespace glintrow
