// Feeds a sound to libebur128 and reads its integrated loudness and true peak.
#include "loudness.h"

#include <ebur128.h>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace glintrow::assets {

namespace {

constexpr std::size_t BlockSamples = SampleRate * 4 / 10;
constexpr std::size_t ShortTermSamples = SampleRate * 3;

struct Destroy {
    void operator()(ebur128_state* state) const { ebur128_destroy(&state); }
};

} // namespace

Loudness measureLoudness(const Samples& samples) {
    if (samples.empty())
        throw std::invalid_argument("a sound without samples has no loudness");
    const std::unique_ptr<ebur128_state, Destroy> state(
        ebur128_init(1, SampleRate, EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK));
    if (!state)
        throw std::runtime_error("libebur128 cannot start a measure");
    std::size_t fed = 0;
    do {
        if (ebur128_add_frames_double(state.get(), samples.data(), samples.size()) !=
            EBUR128_SUCCESS)
            throw std::runtime_error("libebur128 cannot take the samples");
        fed += samples.size();
    } while (samples.size() < BlockSamples && fed < ShortTermSamples);
    double integrated = 0;
    double peak = 0;
    if (ebur128_loudness_global(state.get(), &integrated) != EBUR128_SUCCESS ||
        ebur128_true_peak(state.get(), 0, &peak) != EBUR128_SUCCESS)
        throw std::runtime_error("libebur128 cannot give the loudness");
    return {integrated, 20 * std::log10(peak)};
}

void setLoudness(Samples& samples, double integrated) {
    const double gain = std::pow(10, (integrated - measureLoudness(samples).integrated) / 20);
    for (double& sample : samples)
        sample *= gain;
}

} // namespace glintrow::assets
