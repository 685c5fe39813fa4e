// Reading a wave file's headers: its format and how many bytes of samples it really holds, known
// before any sample is read, and the limits a sound must keep.
#pragma once

#include <cstdint>
#include <string>

namespace glintrow {

// The longest sound that plays.
constexpr int64_t MaxSoundSeconds = 5 * 60;
// The most bytes one sound's samples may take once decoded, before they are converted to the
// mixer's format: five minutes of 48 kHz 16-bit stereo fit.
constexpr int64_t MaxDecodedWaveBytes = 64 * 1024 * 1024;
// The sample rates a sound may have. Resampling from far outside them takes work buffers of up
// to hundreds of megabytes for a few samples.
constexpr uint32_t MinSampleRate = 1000;
constexpr uint32_t MaxSampleRate = 384000;
// The most bytes all the loaded sounds together may take in the mixer's format: about 25 minutes
// at 44.1 kHz 16-bit stereo. The game's own fourteen take about 2 MB.
constexpr int64_t MaxLoadedSoundBytes = 256 * 1024 * 1024;

// The limits the sounds keep: the game keeps the figures above, tests set small ones so that a
// sound beyond a limit takes moments to write and load.
struct SoundLimits {
    int64_t maxSeconds = MaxSoundSeconds;
    int64_t maxDecodedBytes = MaxDecodedWaveBytes;
    uint32_t minSampleRate = MinSampleRate;
    uint32_t maxSampleRate = MaxSampleRate;
    int64_t maxLoadedBytes = MaxLoadedSoundBytes;
};

// What the headers of a wave file say of its samples. The data chunk's length is the header's
// claim cut at the file's end: a file cut short plays what it holds.
struct WaveLayout {
    uint16_t encoding = 0;
    uint16_t channels = 0;
    uint32_t frequency = 0;
    // Bytes of one frame of every channel, and bits of one sample.
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    // Where the data chunk's length field lies, and the samples behind it.
    int64_t lengthAt = 0;
    int64_t samplesAt = 0;
    // The bytes of samples the file holds, and whether the header claims more.
    int64_t sampleBytes = 0;
    bool claimsMore = false;

    // The most sample frames the samples decode to, whatever their encoding.
    int64_t MostFrames() const;
    // The most bytes the decoded samples take.
    int64_t MostDecodedBytes() const;
    // The most bytes the sound takes once converted to a mixer's rate and frame size.
    int64_t MostConvertedBytes(int frequency, int frameBytes) const;
};

// The layout of the wave file open on a descriptor, read without moving its offset. A file that
// is no wave, holds no samples, has a sample rate out of range, or whose sound lasts longer or
// decodes to more bytes than the limits allow raises a run-time error naming the path and the
// limit.
WaveLayout ReadWaveLayout(int descriptor, const std::string& path, const SoundLimits& limits);

} // namespace glintrow
