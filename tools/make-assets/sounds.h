// The fourteen sounds of the game, each made by its own small recipe.
#pragma once

#include "synth.h"

#include <span>

namespace glintrow::assets {

struct SoundRecipe {
    const char* name;
    Samples (*make)();
};

std::span<const SoundRecipe> soundRecipes();

} // namespace glintrow::assets
