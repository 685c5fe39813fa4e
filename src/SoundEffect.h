// The game's sound effects and the wave file of each: one list for the game, which loads the
// files, and for the asset generator, which makes them.
#pragma once

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

// The file of each effect in the sounds folder, in the order of the effects. The build reads the
// quoted names straight from this list.
inline constexpr const char* SoundFiles[] = {
    "select.wav",    "badswap.wav", "gotset.wav",  "gotsetbig.wav", "combo2.wav",
    "combo3.wav",    "combo4.wav",  "combo5.wav",  "combo6.wav",    "combo7.wav",
    "excellent.wav", "gemdrop.wav", "explode.wav", "gameover.wav"};
static_assert(std::size(SoundFiles) == SoundEffectCount, "one file for every effect");

} // namespace glintrow
