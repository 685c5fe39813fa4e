// Encodes samples as a 16-bit mono PCM WAV file.
#pragma once

#include "synth.h"

#include <cstdint>
#include <vector>

namespace glintrow::assets {

std::vector<std::uint8_t> encodeWav(const Samples& samples);

} // namespace glintrow::assets
