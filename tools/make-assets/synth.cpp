// Additive voices, lowpassed noise and a Schroeder room, all computed sample by sample.
#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace glintrow::assets {

namespace {

constexpr double ReleaseSeconds = 0.015;

double shapeRise(double t, double duration) {
    return t >= duration ? 1 : 0.5 - 0.5 * std::cos(std::numbers::pi * t / duration);
}

std::size_t toSample(double seconds) {
    return static_cast<std::size_t>(std::lround(seconds * SampleRate));
}

// A lowpass of two one-pole stages: always stable, whatever the cutoff.
struct Lowpass {
    double first = 0;
    double second = 0;
    double run(double input, double cutoffHz) {
        const double k = 1 - std::exp(-2 * std::numbers::pi * cutoffHz / SampleRate);
        first += k * (input - first);
        second += k * (first - second);
        return second;
    }
};

struct Comb {
    std::vector<double> line;
    std::size_t at = 0;
    double damped = 0;
    double run(double input, double feedback, double damping) {
        const double out = line[at];
        damped = out * (1 - damping) + damped * damping;
        line[at] = input + damped * feedback;
        at = (at + 1) % line.size();
        return out;
    }
};

struct Allpass {
    std::vector<double> line;
    std::size_t at = 0;
    double run(double input) {
        const double delayed = line[at];
        const double out = delayed - 0.5 * input;
        line[at] = input + 0.5 * delayed;
        at = (at + 1) % line.size();
        return out;
    }
};

} // namespace

Timbre makeBellTimbre() {
    return {{1, 1, 1}, {2.0, 0.45, 1.6}, {3.0, 0.22, 2.2}, {4.16, 0.14, 3}, {5.43, 0.08, 4}};
}

// Inharmonic upper partials that die quickly: the ring of a struck glass.
Timbre makeGlassTimbre() {
    return {{1, 1, 1}, {2.76, 0.35, 2.5}, {5.40, 0.16, 4}, {8.93, 0.06, 6}};
}

Timbre makeBrassTimbre() {
    Timbre timbre;
    for (int n = 1; n <= 9; ++n)
        timbre.push_back({static_cast<double>(n), 1.0 / n, 1 + 0.18 * (n - 1)});
    return timbre;
}

// Harmonics falling steeply with order: a dull, closed buzz.
Timbre makeReedTimbre() {
    Timbre timbre;
    for (int n = 1; n <= 7; ++n)
        timbre.push_back({static_cast<double>(n), 1.0 / (n * n) + (n % 2 == 1 ? 0.12 / n : 0), 1});
    return timbre;
}

Timbre makeMalletTimbre() {
    return {{1, 1, 1}, {4.0, 0.22, 3}, {10.0, 0.05, 6}};
}

double computeNoteHz(int midiNote) {
    return 440 * std::pow(2.0, (midiNote - 69) / 12.0);
}

Samples makeSilence(double seconds) {
    return Samples(toSample(seconds), 0.0);
}

void addVoice(Samples& samples, const Voice& voice, const Timbre& timbre) {
    const std::size_t first = toSample(voice.start);
    const std::size_t last = std::min(samples.size(), toSample(voice.start + voice.length));
    double phase = 0;
    for (std::size_t n = first; n < last; ++n) {
        const double t = static_cast<double>(n - first) / SampleRate;
        const double wobble =
            voice.vibrato * std::sin(2 * std::numbers::pi * 5.5 * t) * std::min(1.0, t / 0.2);
        const double hz = voice.fromHz * std::pow(voice.toHz / voice.fromHz, t / voice.length);
        phase += 2 * std::numbers::pi * hz * (1 + wobble) / SampleRate;
        const double envelope =
            shapeRise(t, voice.attack) * shapeRise(voice.length - t, ReleaseSeconds) * voice.gain;
        double sum = 0;
        for (const Partial& partial : timbre) {
            if (partial.ratio * hz < 0.45 * SampleRate) {
                sum += partial.gain * std::exp(-t * partial.fade / voice.decay) *
                       std::sin(phase * partial.ratio);
            }
        }
        samples[n] += envelope * sum;
    }
}

void addNoise(Samples& samples, const NoiseBurst& burst) {
    const std::size_t first = toSample(burst.start);
    const std::size_t last = std::min(samples.size(), toSample(burst.start + burst.length));
    std::uint32_t state = burst.seed;
    Lowpass filter;
    for (std::size_t n = first; n < last; ++n) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const double white = state / 2147483648.0 - 1;
        const double t = static_cast<double>(n - first) / SampleRate;
        const double cutoff =
            burst.fromCutoffHz * std::pow(burst.toCutoffHz / burst.fromCutoffHz, t / burst.length);
        const double envelope = shapeRise(t, 0.002) * std::exp(-t / burst.decay) *
                                shapeRise(burst.length - t, ReleaseSeconds);
        samples[n] += burst.gain * envelope * filter.run(white, cutoff);
    }
}

// Four damped combs into two allpasses, with delays chosen not to share factors so the echoes
// blend into a smooth tail instead of a flutter.
void addRoom(Samples& samples, double wet) {
    std::array<Comb, 4> combs{Comb{Samples(1116, 0.0)}, Comb{Samples(1277, 0.0)},
                              Comb{Samples(1356, 0.0)}, Comb{Samples(1491, 0.0)}};
    std::array<Allpass, 2> allpasses{Allpass{Samples(556, 0.0)}, Allpass{Samples(441, 0.0)}};
    for (double& sample : samples) {
        double echo = 0;
        for (Comb& comb : combs)
            echo += comb.run(sample, 0.78, 0.3);
        for (Allpass& allpass : allpasses)
            echo = allpass.run(echo);
        sample += wet * echo * 0.25;
    }
}

void finishSound(Samples& samples) {
    const std::size_t fadeIn = toSample(0.003);
    const std::size_t fadeOut = toSample(0.02);
    for (std::size_t n = 0; n < samples.size(); ++n) {
        const double fromStart = static_cast<double>(n) / fadeIn;
        const double toEnd = static_cast<double>(samples.size() - 1 - n) / fadeOut;
        samples[n] *= shapeRise(fromStart, 1) * shapeRise(toEnd, 1);
    }
}

} // namespace glintrow::assets
