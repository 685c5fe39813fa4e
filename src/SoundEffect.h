// The game's sound effects, each matched with its wave file: the game loads the files and the
// asset generator makes them.
#pragma once

#include "GameFacts.h"

#include <iterator>

namespace glintrow {

enum SoundEffect {
    SoundSelect,
    SoundBadSwap,
    SoundGotSet,
    SoundGotSetBig,
    SoundCombo2,
    SoundCombo3,
    SoundCombo4,
    SoundCombo5,
    SoundCombo6,
    SoundCombo7,
    SoundExcellent,
    SoundGemDrop,
    SoundExplode,
    SoundGameOver
};
constexpr int SoundEffectCount = SoundGameOver + 1;

// SoundFiles, the file of each effect in the order of the effects, comes with the build's facts.
static_assert(std::size(SoundFiles) == SoundEffectCount, "one file for every effect");

} // namespace glintrow
