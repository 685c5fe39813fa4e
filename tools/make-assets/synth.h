// Building blocks of the synthesised sounds: voices made of decaying partials, filtered noise,
// a small room and the final fades.
#pragma once

#include <cstdint>
#include <vector>

namespace glintrow::assets {

inline constexpr int SampleRate = 44100;

using Samples = std::vector<double>;

// One sine component of a voice: its pitch as a multiple of the voice's, its level, and how many
// times faster than the fundamental it fades.
struct Partial {
    double ratio;
    double gain;
    double fade;
};

using Timbre = std::vector<Partial>;

struct Voice {
    double start = 0;
    double length = 0.5;
    double fromHz = 440;
    double toHz = 440; // the pitch glides evenly in octaves from fromHz over the length
    double gain = 1;
    double attack = 0.004;
    double decay = 0.3; // seconds for the level to fall to 1/e
    double vibrato = 0; // depth as a fraction of the pitch
};

struct NoiseBurst {
    double start = 0;
    double length = 0.1;
    double fromCutoffHz = 4000;
    double toCutoffHz = 4000;
    double gain = 1;
    double decay = 0.05;
    std::uint32_t seed = 1;
};

Timbre makeBellTimbre();
Timbre makeGlassTimbre();
Timbre makeBrassTimbre();
Timbre makeReedTimbre();
Timbre makeMalletTimbre();

double computeNoteHz(int midiNote);
Samples makeSilence(double seconds);
void addVoice(Samples& samples, const Voice& voice, const Timbre& timbre);
void addNoise(Samples& samples, const NoiseBurst& burst);
void addRoom(Samples& samples, double wet);
// Fades both ends so the sound starts and stops without a click.
void finishSound(Samples& samples);

} // namespace glintrow::assets
