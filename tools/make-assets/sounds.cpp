// Recipes of the game's sounds: chimes for matches, a climbing motif for cascades, thuds and
// bursts.
#include "sounds.h"

#include <array>

namespace glintrow::assets {

namespace {

// Major-scale steps above the first combo's root: each cascade level climbs one step.
constexpr std::array<int, 6> kComboSteps{0, 2, 4, 5, 7, 9};

void addNote(Samples& s, double start, int midi, double gain, double decay, const Timbre& timbre,
             double length) {
    const double hz = computeNoteHz(midi);
    addVoice(s, {start, length, hz, hz, gain, 0.003, decay, 0}, timbre);
}

// Plays notes one after another, `spacing` seconds apart, all alike but for their pitch.
void addPhrase(Samples& s, double start, std::span<const int> notes, double spacing, double gain,
               double decay, const Timbre& timbre, double length) {
    for (std::size_t i = 0; i < notes.size(); ++i) {
        addNote(s, start + spacing * i, notes[i], gain, decay, timbre, length);
    }
}

Samples finish(Samples s) {
    finishSound(s);
    return s;
}

Samples makeSelect() {
    Samples s = makeSilence(0.16);
    addNoise(s, {0, 0.02, 5000, 1500, 0.5, 0.004, 11});
    addNote(s, 0.002, 91, 0.6, 0.05, makeBellTimbre(), 0.155);
    addNote(s, 0.002, 98, 0.2, 0.03, makeGlassTimbre(), 0.155);
    return finish(s);
}

// Two low tones a semitone apart beat against each other while sagging in pitch.
Samples makeBadSwap() {
    Samples s = makeSilence(0.18);
    for (const double hz : {98.0, 104.0}) {
        addVoice(s, {0, 0.18, hz, hz * 0.9, 0.5, 0.006, 0.12, 0}, makeReedTimbre());
    }
    return finish(s);
}

Samples makeGotSet() {
    Samples s = makeSilence(0.75);
    addNote(s, 0.00, 88, 0.6, 0.22, makeBellTimbre(), 0.75);
    addNote(s, 0.05, 95, 0.5, 0.2, makeBellTimbre(), 0.7);
    addNote(s, 0.10, 100, 0.2, 0.15, makeGlassTimbre(), 0.65);
    addRoom(s, 0.2);
    return finish(s);
}

Samples makeGotSetBig() {
    Samples s = makeSilence(1.2);
    addPhrase(s, 0, std::array{72, 76, 79, 84, 88, 91}, 0.03, 0.4, 0.45, makeBellTimbre(), 1.2);
    addNote(s, 0, 60, 0.5, 0.5, makeMalletTimbre(), 1.2);
    addRoom(s, 0.25);
    return finish(s);
}

Samples makeCombo(int level) {
    Samples s = makeSilence(0.75);
    const int root = 72 + kComboSteps.at(level - 2);
    addPhrase(s, 0, std::array{root, root + 4, root + 7}, 0.055, 0.6, 0.18, makeBellTimbre(), 0.75);
    addNote(s, 0.165, root + 12, 0.8, 0.3, makeBellTimbre(), 0.75);
    addRoom(s, 0.2);
    return finish(s);
}

// A rising pickup into a held note over a major chord, with a glint of glass on top.
Samples makeExcellent() {
    Samples s = makeSilence(1.45);
    addPhrase(s, 0, std::array{67, 72, 76}, 0.12, 0.5, 0.2, makeBrassTimbre(), 0.11);
    const double hz = computeNoteHz(79);
    addVoice(s, {0.36, 1.05, hz, hz, 0.55, 0.02, 0.6, 0.004}, makeBrassTimbre());
    addPhrase(s, 0.36, std::array{60, 64, 67}, 0, 0.25, 0.6, makeBrassTimbre(), 1.05);
    addPhrase(s, 0.36, std::array{96, 103}, 0.06, 0.12, 0.22, makeGlassTimbre(), 0.9);
    addRoom(s, 0.22);
    return finish(s);
}

Samples makeGemDrop() {
    Samples s = makeSilence(0.26);
    addVoice(s, {0, 0.26, 170, 60, 1, 0.002, 0.06, 0}, makeMalletTimbre());
    addNoise(s, {0, 0.05, 900, 200, 0.6, 0.015, 5});
    return finish(s);
}

// Noise whose brightness falls away, a sinking boom beneath, and shards of glass scattering.
Samples makeExplode() {
    Samples s = makeSilence(1.3);
    addNoise(s, {0, 1.3, 8000, 150, 1, 0.28, 7});
    addVoice(s, {0, 1.0, 95, 38, 0.8, 0.004, 0.25, 0}, makeMalletTimbre());
    addPhrase(s, 0.02, std::array{96, 100, 103, 98, 105, 101}, 0.055, 0.12, 0.12, makeGlassTimbre(),
              0.5);
    addRoom(s, 0.15);
    return finish(s);
}

// A falling minor arpeggio that comes to rest on a low octave.
Samples makeGameOver() {
    Samples s = makeSilence(1.45);
    addPhrase(s, 0, std::array{67, 63, 60}, 0.24, 0.6, 0.3, makeMalletTimbre(), 0.5);
    addNote(s, 0.72, 55, 0.6, 0.5, makeMalletTimbre(), 0.72);
    addNote(s, 0.72, 43, 0.35, 0.5, makeMalletTimbre(), 0.72);
    addRoom(s, 0.3);
    return finish(s);
}

template <int Level> Samples makeComboAt() {
    return makeCombo(Level);
}

constexpr std::array<SoundRecipe, 14> kRecipes{{
    {"select", makeSelect},
    {"badswap", makeBadSwap},
    {"gotset", makeGotSet},
    {"gotsetbig", makeGotSetBig},
    {"combo2", makeComboAt<2>},
    {"combo3", makeComboAt<3>},
    {"combo4", makeComboAt<4>},
    {"combo5", makeComboAt<5>},
    {"combo6", makeComboAt<6>},
    {"combo7", makeComboAt<7>},
    {"excellent", makeExcellent},
    {"gemdrop", makeGemDrop},
    {"explode", makeExplode},
    {"gameover", makeGameOver},
}};

} // namespace

std::span<const SoundRecipe> soundRecipes() {
    return kRecipes;
}

} // namespace glintrow::assets
