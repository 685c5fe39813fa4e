// How loud a sound is heard, measured as EBU R128 asks (with libebur128).
#pragma once

#include "synth.h"

namespace glintrow::assets {

struct Loudness {
    double integrated; // LUFS
    double truePeak;   // dBTP: the highest level between the samples too
};

// A sound shorter than one 0.4 s block of the measure is measured as heard when it repeats: over
// as many repeats as fill 3 s, the length of the measure's short-term window.
Loudness measureLoudness(const Samples& samples);
// Scales the sound so that it measures `integrated` LUFS.
void setLoudness(Samples& samples, double integrated);

} // namespace glintrow::assets
