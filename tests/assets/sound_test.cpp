// Checks the sounds: format, length, loudness, clean starts and ends, and the climbing combos.
#include "asset_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace glintrow::assets::testing {

namespace {

constexpr int kRate = 44100;

struct Expected {
    const char* name;
    double longestSeconds;
};

constexpr Expected kSounds[] = {
    {"select", 0.2},    {"badswap", 0.2}, {"gotset", 1.5},  {"gotsetbig", 1.5}, {"combo2", 1.5},
    {"combo3", 1.5},    {"combo4", 1.5},  {"combo5", 1.5},  {"combo6", 1.5},    {"combo7", 1.5},
    {"excellent", 1.5}, {"gemdrop", 0.3}, {"explode", 1.5}, {"gameover", 1.5},
};

Wav readSound(const std::string& name) {
    return readWav(builtAsset("sounds/" + name + ".wav"));
}

double measureEnergyAt(const std::vector<std::int16_t>& samples, double hz) {
    const double step = 2 * std::numbers::pi * hz / kRate;
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
    for (const Expected& sound : kSounds) {
        const Wav wav = readSound(sound.name);
        EXPECT_EQ(wav.format, 1) << sound.name;
        EXPECT_TRUE(wav.channels == 1 || wav.channels == 2) << sound.name;
        EXPECT_EQ(wav.sampleRate, kRate) << sound.name;
        EXPECT_EQ(wav.bitsPerSample, 16) << sound.name;
    }
}

TEST(Sounds, EverySoundIsShorterThanItsLimit) {
    for (const Expected& sound : kSounds) {
        const Wav wav = readSound(sound.name);
        const double seconds = static_cast<double>(wav.samples.size()) / wav.channels / kRate;
        EXPECT_GT(seconds, 0.05) << sound.name;
        EXPECT_LT(seconds, sound.longestSeconds) << sound.name;
    }
}

TEST(Sounds, EverySoundPeaksNearMinusThreeDecibelsWithoutClipping) {
    for (const Expected& sound : kSounds) {
        const Wav wav = readSound(sound.name);
        int peak = 0;
        for (std::int16_t s : wav.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        const double decibels = 20 * std::log10(peak / 32768.0);
        EXPECT_GE(decibels, -4) << sound.name;
        EXPECT_LE(decibels, -2) << sound.name;
        EXPECT_LT(peak, 32767) << sound.name;
    }
}

TEST(Sounds, EverySoundStartsAndEndsInSilenceSoItDoesNotClick) {
    for (const Expected& sound : kSounds) {
        const std::vector<std::int16_t> s = readSound(sound.name).samples;
        ASSERT_GT(s.size(), 32u) << sound.name;
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_LT(std::abs(s[i]), 328) << sound.name << " sample " << i;
            EXPECT_LT(std::abs(s[s.size() - 1 - i]), 328) << sound.name << " sample from end " << i;
        }
    }
}

TEST(Sounds, EachComboSoundsHigherThanTheOneBefore) {
    int previous = 0;
    for (int level = 2; level <= 7; ++level) {
        const int note = findStrongestNote(readSound("combo" + std::to_string(level)).samples);
        EXPECT_GT(note, previous) << "combo" << level;
        previous = note;
    }
}

} // namespace glintrow::assets::testing
