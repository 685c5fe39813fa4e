// The fourteen sounds of the game, each made by its own small recipe.
#pragma once

#include "SoundEffect.h"
#include "synth.h"

#include <vector>

namespace glintrow::assets {

// Every sound is set to this integrated loudness, in LUFS: sounds heard one right after another
// then sound equally loud, and no sound's true peak comes within 1 dB of full scale.
inline constexpr double SoundLoudness = -20;

// Sounds heard one right after another: those of a swap, those of a cascade from its first line
// to "excellent" with the landings between, and the end of a game.
struct SoundGroup {
    const char* name;
    std::vector<SoundEffect> effects;
};
inline const std::vector<SoundGroup> SoundsHeardTogether{
    {"swap", {SoundSelect, SoundBadSwap, SoundGotSet, SoundGotSetBig}},
    {"cascade",
     {SoundGotSet, SoundGotSetBig, SoundCombo2, SoundCombo3, SoundCombo4, SoundCombo5, SoundCombo6,
      SoundCombo7, SoundExcellent, SoundGemDrop}},
    {"end of game", {SoundExplode, SoundGameOver}}};

Samples makeSound(SoundEffect effect);

} // namespace glintrow::assets
