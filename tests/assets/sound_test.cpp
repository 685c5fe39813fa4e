// Checks the sounds: format, length, loudness, clean starts and ends, and the climbing combos.
#include "SoundEffect.h"
#include "asset_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace glintrow::assets::testing {

namespace {

constexpr int Rate = 44100;

// The length each effect's sound must stay below: blips for a press, a thud for a landing.
double findLongestSeconds(int effect) {
    if (effect == SoundSelect || effect == SoundBadSwap)
        return 0.2;
    return effect == SoundGemDrop ? 0.3 : 1.5;
}

Wav readSound(int effect) {
    return readWav(builtAsset(std::string("sounds/") + SoundFiles[effect]));
}

double measureEnergyAt(const std::vector<std::int16_t>& samples, double hz) {
    const double step = 2 * std::numbers::pi * hz / Rate;
    double re = 0;
    double im = 0;
    for (std::size_t n = 0; n < samples.size(); ++n) {
        re += samples[n] * std::cos(step * n);
        im += samples[n] * std::sin(step * n);
    }
    return re * re + im * im;
}

// The MIDI note, within the chimes' range, that the sound holds most strongly.
int findStrongestNote(const std::vector<std::int16_t>& samples) {
    int strongest = 0;
    double best = -1;
    for (int note = 60; note <= 100; ++note) {
        const double energy = measureEnergyAt(samples, 440 * std::pow(2.0, (note - 69) / 12.0));
        if (energy > best) {
            best = energy;
            strongest = note;
        }
    }
    return strongest;
}

} // namespace

TEST(Sounds, EverySoundIsSixteenBitPcmAt44100Hertz) {
    for (int effect = 0; effect < SoundEffectCount; ++effect) {
        const Wav wav = readSound(effect);
        EXPECT_EQ(wav.format, 1) << SoundFiles[effect];
        EXPECT_TRUE(wav.channels == 1 || wav.channels == 2) << SoundFiles[effect];
        EXPECT_EQ(wav.sampleRate, Rate) << SoundFiles[effect];
        EXPECT_EQ(wav.bitsPerSample, 16) << SoundFiles[effect];
    }
}

TEST(Sounds, EverySoundIsShorterThanItsLimit) {
    for (int effect = 0; effect < SoundEffectCount; ++effect) {
        const Wav wav = readSound(effect);
        const double seconds = static_cast<double>(wav.samples.size()) / wav.channels / Rate;
        EXPECT_GT(seconds, 0.05) << SoundFiles[effect];
        EXPECT_LT(seconds, findLongestSeconds(effect)) << SoundFiles[effect];
    }
}

TEST(Sounds, EverySoundPeaksNearMinusThreeDecibelsWithoutClipping) {
    for (int effect = 0; effect < SoundEffectCount; ++effect) {
        const Wav wav = readSound(effect);
        int peak = 0;
        for (std::int16_t s : wav.samples)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        const double decibels = 20 * std::log10(peak / 32768.0);
        EXPECT_GE(decibels, -4) << SoundFiles[effect];
        EXPECT_LE(decibels, -2) << SoundFiles[effect];
        EXPECT_LT(peak, 32767) << SoundFiles[effect];
    }
}

TEST(Sounds, EverySoundStartsAndEndsInSilenceSoItDoesNotClick) {
    for (int effect = 0; effect < SoundEffectCount; ++effect) {
        const std::vector<std::int16_t> s = readSound(effect).samples;
        ASSERT_GT(s.size(), 32u) << SoundFiles[effect];
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_LT(std::abs(s[i]), 328) << SoundFiles[effect] << " sample " << i;
            EXPECT_LT(std::abs(s[s.size() - 1 - i]), 328)
                << SoundFiles[effect] << " sample from end " << i;
        }
    }
}

TEST(Sounds, EachComboSoundsHigherThanTheOneBefore) {
    int previous = 0;
    for (int effect = SoundCombo2; effect <= SoundCombo7; ++effect) {
        const int note = findStrongestNote(readSound(effect).samples);
        EXPECT_GT(note, previous) << SoundFiles[effect];
        previous = note;
    }
}

} // namespace glintrow::assets::testing
