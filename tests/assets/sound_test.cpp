// Checks the sounds: format, length, loudness, clean starts and ends, and the climbing combos.
#include "SoundEffect.h"
#include "asset_files.h"
#include "loudness.h"
#include "sounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
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
    return readWav(builtAsset(std::string(SoundsFolder) + "/" + SoundFiles[effect]));
}

Loudness measureSound(int effect) {
    Samples samples;
    for (std::int16_t s : readSound(effect).samples)
        samples.push_back(s / 32767.0);
    return measureLoudness(samples);
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

// Measured as EBU R128 asks, every sound as written is at least as loud as broadcast programme
// (-23 LUFS), with its true peak at most -1 dBTP, so that none clips once it is resampled. The
// generator puts them all at -20 LUFS; their true peaks in dBTP: select -6.9, badswap -8.1,
// gotset -4.6, gotsetbig -4.2, combo2 to combo7 -6.1 to -8.0, excellent -6.1, gemdrop -5.7,
// explode -2.1, gameover -8.2.
TEST(Sounds, EverySoundIsClearlyHeardWithItsTruePeakAtMostMinusOneDecibel) {
    for (int effect = 0; effect < SoundEffectCount; ++effect) {
        const Loudness loudness = measureSound(effect);
        std::printf("%-14s %6.1f LUFS %6.1f dBTP\n", SoundFiles[effect], loudness.integrated,
                    loudness.truePeak);
        EXPECT_GE(loudness.integrated, -23) << SoundFiles[effect];
        EXPECT_LE(loudness.truePeak, -1) << SoundFiles[effect];
    }
}

// Sounds heard one right after another lie within 2 LU of each other, so that none seems to jump
// out or to fade: the explosion was once 5.9 LU quieter than the Game Over chord that follows it.
TEST(Sounds, SoundsHeardTogetherSitWithinTwoLoudnessUnits) {
    for (const SoundGroup& group : SoundsHeardTogether) {
        double quietest = 0;
        double loudest = -100;
        for (const SoundEffect effect : group.effects) {
            const double integrated = measureSound(effect).integrated;
            quietest = std::min(quietest, integrated);
            loudest = std::max(loudest, integrated);
        }
        std::printf("%-12s %.2f LU from quietest to loudest\n", group.name, loudest - quietest);
        EXPECT_LE(loudest - quietest, 2) << group.name;
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
