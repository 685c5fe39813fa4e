// The fourteen sounds of the game, each made by its own small recipe.
#pragma once

#include "SoundEffect.h"
#include "synth.h"

namespace glintrow::assets {

Samples makeSound(SoundEffect effect);

} // namespace glintrow::assets
