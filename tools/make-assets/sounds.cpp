// Recipes of the game's sounds: chimes for matches, a climbing motif for cascades, thuds and
// bursts.
#include "sounds.h"

#include "loudness.h"

#include <array>
#include <span>

namespace glintrow::assets {

namespace {

// Major-scale steps above the first combo's root: each cascade level climbs one step.
constexpr std::array<int, 6> ComboSteps{0, 2, 4, 5, 7, 9};

// A note held at one pitch, given as a MIDI note number.
struct Note {
    double start = 0;
    int midi = 69;
    double gain = 1;
    double decay = 0.3; // seconds for the level to fall to 1/e
    double length = 0.5;
};

void addNote(Samples& s, const Note& note, const Timbre& timbre) {
    const double hz = computeNoteHz(note.midi);
    addVoice(s,
             {.start = note.start,
              .length = note.length,
              .fromHz = hz,
              .toHz = hz,
              .gain = note.gain,
              .attack = 0.003,
              .decay = note.decay},
             timbre);
}

// Plays the notes one after another, `spacing` seconds apart, each as `each` but for its pitch.
void addPhrase(Samples& s, std::span<const int> notes, double spacing, Note each,
               const Timbre& timbre) {
    const double start = each.start;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        each.start = start + spacing * i;
        each.midi = notes[i];
        addNote(s, each, timbre);
    }
}

Samples finish(Samples s) {
    finishSound(s);
    return s;
}

Samples makeSelect() {
    Samples s = makeSilence(0.16);
    addNoise(s, {.length = 0.02,
                 .fromCutoffHz = 5000,
                 .toCutoffHz = 1500,
                 .gain = 0.5,
                 .decay = 0.004,
                 .seed = 11});
    addNote(s, {.start = 0.002, .midi = 91, .gain = 0.6, .decay = 0.05, .length = 0.155},
            makeBellTimbre());
    addNote(s, {.start = 0.002, .midi = 98, .gain = 0.2, .decay = 0.03, .length = 0.155},
            makeGlassTimbre());
    return finish(s);
}

// Two low tones a semitone apart beat against each other while sagging in pitch.
Samples makeBadSwap() {
    Samples s = makeSilence(0.18);
    for (const double hz : {98.0, 104.0})
        addVoice(s,
                 {.length = 0.18,
                  .fromHz = hz,
                  .toHz = hz * 0.9,
                  .gain = 0.5,
                  .attack = 0.006,
                  .decay = 0.12},
                 makeReedTimbre());
    return finish(s);
}

Samples makeGotSet() {
    Samples s = makeSilence(0.75);
    addNote(s, {.start = 0.00, .midi = 88, .gain = 0.6, .decay = 0.22, .length = 0.75},
            makeBellTimbre());
    addNote(s, {.start = 0.05, .midi = 95, .gain = 0.5, .decay = 0.2, .length = 0.7},
            makeBellTimbre());
    addNote(s, {.start = 0.10, .midi = 100, .gain = 0.2, .decay = 0.15, .length = 0.65},
            makeGlassTimbre());
    addRoom(s, 0.2);
    return finish(s);
}

Samples makeGotSetBig() {
    Samples s = makeSilence(1.2);
    addPhrase(s, std::array{72, 76, 79, 84, 88, 91}, 0.03,
              {.gain = 0.4, .decay = 0.45, .length = 1.2}, makeBellTimbre());
    addNote(s, {.midi = 60, .gain = 0.5, .decay = 0.5, .length = 1.2}, makeMalletTimbre());
    addRoom(s, 0.25);
    return finish(s);
}

// `step` counts the cascade levels from the first combo.
Samples makeCombo(int step) {
    Samples s = makeSilence(0.75);
    const int root = 72 + ComboSteps.at(step);
    addPhrase(s, std::array{root, root + 4, root + 7}, 0.055,
              {.gain = 0.6, .decay = 0.18, .length = 0.75}, makeBellTimbre());
    addNote(s, {.start = 0.165, .midi = root + 12, .gain = 0.8, .decay = 0.3, .length = 0.75},
            makeBellTimbre());
    addRoom(s, 0.2);
    return finish(s);
}

// A rising pickup into a held note over a major chord, with a glint of glass on top.
Samples makeExcellent() {
    Samples s = makeSilence(1.45);
    addPhrase(s, std::array{67, 72, 76}, 0.12, {.gain = 0.5, .decay = 0.2, .length = 0.11},
              makeBrassTimbre());
    const double hz = computeNoteHz(79);
    addVoice(s,
             {.start = 0.36,
              .length = 1.05,
              .fromHz = hz,
              .toHz = hz,
              .gain = 0.55,
              .attack = 0.02,
              .decay = 0.6,
              .vibrato = 0.004},
             makeBrassTimbre());
    addPhrase(s, std::array{60, 64, 67}, 0,
              {.start = 0.36, .gain = 0.25, .decay = 0.6, .length = 1.05}, makeBrassTimbre());
    addPhrase(s, std::array{96, 103}, 0.06,
              {.start = 0.36, .gain = 0.12, .decay = 0.22, .length = 0.9}, makeGlassTimbre());
    addRoom(s, 0.22);
    return finish(s);
}

Samples makeGemDrop() {
    Samples s = makeSilence(0.26);
    addVoice(s,
             {.length = 0.26, .fromHz = 170, .toHz = 60, .gain = 1, .attack = 0.002, .decay = 0.06},
             makeMalletTimbre());
    addNoise(s, {.length = 0.05,
                 .fromCutoffHz = 900,
                 .toCutoffHz = 200,
                 .gain = 0.6,
                 .decay = 0.015,
                 .seed = 5});
    return finish(s);
}

// Noise whose brightness falls away, a sinking boom beneath, and shards of glass scattering.
Samples makeExplode() {
    Samples s = makeSilence(1.3);
    addNoise(s, {.length = 1.3,
                 .fromCutoffHz = 8000,
                 .toCutoffHz = 150,
                 .gain = 1,
                 .decay = 0.28,
                 .seed = 7});
    addVoice(s,
             {.length = 1.0, .fromHz = 95, .toHz = 38, .gain = 0.8, .attack = 0.004, .decay = 0.25},
             makeMalletTimbre());
    addPhrase(s, std::array{96, 100, 103, 98, 105, 101}, 0.055,
              {.start = 0.02, .gain = 0.12, .decay = 0.12, .length = 0.5}, makeGlassTimbre());
    addRoom(s, 0.15);
    return finish(s);
}

// A falling minor arpeggio that comes to rest on a low octave.
Samples makeGameOver() {
    Samples s = makeSilence(1.45);
    addPhrase(s, std::array{67, 63, 60}, 0.24, {.gain = 0.6, .decay = 0.3, .length = 0.5},
              makeMalletTimbre());
    addNote(s, {.start = 0.72, .midi = 55, .gain = 0.6, .decay = 0.5, .length = 0.72},
            makeMalletTimbre());
    addNote(s, {.start = 0.72, .midi = 43, .gain = 0.35, .decay = 0.5, .length = 0.72},
            makeMalletTimbre());
    addRoom(s, 0.3);
    return finish(s);
}

Samples makeRecipe(SoundEffect effect) {
    switch (effect) {
    case SoundSelect:
        return makeSelect();
    case SoundBadSwap:
        return makeBadSwap();
    case SoundGotSet:
        return makeGotSet();
    case SoundGotSetBig:
        return makeGotSetBig();
    case SoundCombo2:
    case SoundCombo3:
    case SoundCombo4:
    case SoundCombo5:
    case SoundCombo6:
    case SoundCombo7:
        return makeCombo(effect - SoundCombo2);
    case SoundExcellent:
        return makeExcellent();
    case SoundGemDrop:
        return makeGemDrop();
    case SoundExplode:
        return makeExplode();
    case SoundGameOver:
        return makeGameOver();
    }
    return {};
}

} // namespace

Samples makeSound(SoundEffect effect) {
    Samples s = makeRecipe(effect);
    setLoudness(s, SoundLoudness);
    return s;
}

} // namespace glintrow::assets
