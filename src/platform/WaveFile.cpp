// Reading a wave file's headers, chunk by chunk as SDL does, far enough to know the format and
// the samples' length before SDL reads anything: SDL takes the data chunk's length on trust and
// allocates all of it, however little the file holds.
#include "WaveFile.h"
#include "Runtime.h"

#include <QtEndian>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <string_view>

#include <sys/stat.h>
#include <unistd.h>

namespace glintrow {
namespace {

// SDL gives up after as many chunks; a file of countless empty chunks then costs no time.
constexpr int MaxChunks = 10000;
constexpr uint16_t PcmEncoding = 1;
constexpr uint16_t MsAdpcmEncoding = 0x02;
constexpr uint16_t ImaAdpcmEncoding = 0x11;

int64_t readAt(int descriptor, int64_t offset, char* into, int64_t bytes) {
    int64_t done = 0;
    while (done < bytes) {
        const ssize_t got = ::pread(descriptor, into + done, bytes - done, offset + done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        done += got;
    }
    return done;
}

// The fields of the format chunk every encoding has.
void readFormat(int descriptor, int64_t at, uint32_t length, WaveLayout& wave,
                const std::string& path) {
    char format[16];
    if (length < sizeof format || readAt(descriptor, at, format, sizeof format) < 16)
        throw RuntimeError(reasons::WaveFormatTooShort, {path});
    const std::string_view fields(format, sizeof format);
    wave.encoding = static_cast<uint16_t>(qFromLittleEndian<quint16>(fields.data() + 0));
    wave.channels = static_cast<uint16_t>(qFromLittleEndian<quint16>(fields.data() + 2));
    wave.frequency = qFromLittleEndian<quint32>(fields.data() + 4);
    wave.blockAlign = static_cast<uint16_t>(qFromLittleEndian<quint16>(fields.data() + 12));
    wave.bitsPerSample = static_cast<uint16_t>(qFromLittleEndian<quint16>(fields.data() + 14));
}

// Finds the first format chunk and the first data chunk, which must come after it.
WaveLayout readChunks(int descriptor, int64_t fileBytes, const std::string& path) {
    WaveLayout wave;
    bool formatFound = false;
    int64_t at = 12;
    for (int chunk = 0; at + 8 <= fileBytes; ++chunk) {
        if (chunk == MaxChunks)
            throw RuntimeError(reasons::WaveChunksTooMany, {std::to_string(MaxChunks), path});
        char header[8];
        if (readAt(descriptor, at, header, sizeof header) < 8)
            break;
        const std::string_view id(header, 4);
        const uint32_t length = qFromLittleEndian<quint32>(header + 4);
        if (id == "fmt " && !formatFound) {
            readFormat(descriptor, at + 8, length, wave, path);
            formatFound = true;
        } else if (id == "data") {
            if (!formatFound)
                throw RuntimeError(reasons::WaveSamplesBeforeFormat, {path});
            wave.lengthAt = at + 4;
            wave.samplesAt = at + 8;
            const int64_t held = std::max<int64_t>(0, fileBytes - wave.samplesAt);
            wave.sampleBytes = std::min<int64_t>(length, held);
            wave.claimsMore = length > held;
            return wave;
        }
        at += 8 + static_cast<int64_t>(length) + (length & 1);
    }
    throw RuntimeError(reasons::WaveWithoutSamples, {path});
}

// An ADPCM block opens with a header of some bytes a channel that hold some whole samples each;
// 4 bits a sample follow. A block cut short holds no more than its bytes allow.
struct AdpcmBlockHeader {
    int64_t bytes;
    int64_t samples;
};
constexpr AdpcmBlockHeader ImaAdpcmHeader{4, 1};
constexpr AdpcmBlockHeader MsAdpcmHeader{7, 2};

int64_t adpcmFramesIn(int64_t bytes, int64_t channels, AdpcmBlockHeader header) {
    if (bytes == 0)
        return 0;
    return header.samples + std::max<int64_t>(0, bytes - header.bytes * channels) * 2 / channels;
}

// A length over the limit in seconds, with as many decimals as show it over: a frame beyond five
// minutes is 300.0001 seconds, where one decimal would say 300.0.
Reason describeSecondsOver(int64_t frames, uint32_t frequency, int64_t limitSeconds) {
    int decimals = 1;
    int64_t scale = 10;
    while (frames * scale / frequency <= limitSeconds * scale && decimals < 9) {
        ++decimals;
        scale *= 10;
    }
    return Reason::Figure(static_cast<double>(frames) / frequency, decimals);
}

} // namespace

// ADPCM is counted block by block: counted at 4 bits a sample, its block headers would add more
// than a second to five minutes. Every other encoding SDL reads takes at least as many bits a
// sample as the header gives, so whole samples of that size bound the frames.
int64_t WaveLayout::MostFrames() const {
    if ((encoding == ImaAdpcmEncoding || encoding == MsAdpcmEncoding) && bitsPerSample == 4) {
        const AdpcmBlockHeader header =
            encoding == ImaAdpcmEncoding ? ImaAdpcmHeader : MsAdpcmHeader;
        if (blockAlign >= header.bytes * channels)
            return sampleBytes / blockAlign * adpcmFramesIn(blockAlign, channels, header) +
                   adpcmFramesIn(sampleBytes % blockAlign, channels, header);
    }
    const int64_t frameBits = int64_t{channels} * std::max<uint16_t>(bitsPerSample, 1);
    return (sampleBytes * 8 + frameBits - 1) / frameBits;
}

// SDL decodes 8-bit PCM to bytes, ADPCM, A-law, mu-law and 16-bit PCM to 16 bits, and 24 and
// 32-bit samples to 32 bits.
int64_t WaveLayout::MostDecodedBytes() const {
    const int64_t decodedBytes = encoding == PcmEncoding && bitsPerSample <= 8 ? 1
                                 : bitsPerSample <= 16                         ? 2
                                                                               : 4;
    const int64_t sampleSize = std::max<int64_t>(decodedBytes, (bitsPerSample + 7) / 8);
    return MostFrames() * channels * sampleSize;
}

int64_t WaveLayout::MostConvertedBytes(int mixerFrequency, int frameBytes) const {
    const int64_t frames = (MostFrames() * mixerFrequency + frequency - 1) / frequency;
    // The resampler may give a frame more than the exact ratio.
    return (frames + 1) * frameBytes;
}

WaveLayout ReadWaveLayout(int descriptor, const std::string& path, const SoundLimits& limits) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        throw RuntimeError(reasons::PermissionDenied, {path});
    char start[12];
    if (readAt(descriptor, 0, start, sizeof start) < 12 || std::string_view(start, 4) != "RIFF" ||
        std::string_view(start + 8, 4) != "WAVE")
        throw RuntimeError(reasons::NotWave, {path});
    const WaveLayout wave = readChunks(descriptor, status.st_size, path);
    if (wave.channels == 0)
        throw RuntimeError(reasons::WaveWithoutChannels, {path});
    if (wave.frequency < limits.minSampleRate || wave.frequency > limits.maxSampleRate)
        throw RuntimeError(reasons::WaveRateOutOfRange,
                           {std::to_string(wave.frequency), std::to_string(limits.minSampleRate),
                            std::to_string(limits.maxSampleRate), path});
    if (wave.sampleBytes == 0)
        throw RuntimeError(reasons::WaveSilent, {path});
    // Checked first, so that the sums below stay small.
    if (wave.sampleBytes > limits.maxDecodedBytes)
        throw RuntimeError(
            reasons::WaveSamplesTooLarge,
            {std::to_string(wave.sampleBytes), std::to_string(limits.maxDecodedBytes), path});
    const int64_t frames = wave.MostFrames();
    if (frames > limits.maxSeconds * wave.frequency)
        throw RuntimeError(reasons::WaveTooLong,
                           {describeSecondsOver(frames, wave.frequency, limits.maxSeconds),
                            std::to_string(limits.maxSeconds), path});
    if (wave.MostDecodedBytes() > limits.maxDecodedBytes)
        throw RuntimeError(reasons::WaveDecodedTooLarge,
                           {std::to_string(wave.MostDecodedBytes()),
                            std::to_string(limits.maxDecodedBytes), path});
    return wave;
}

} // namespace glintrow
