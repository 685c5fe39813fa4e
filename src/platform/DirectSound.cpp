// The sound service on SDL2_mixer: the device is the mixer, each buffer a chunk on its own
// channel, so a repeated effect restarts while different effects mix.
#include "DirectSound.h"
#include "DirectDraw.h"
#include "WaveFile.h"
#include "WaveStream.h"

#include <QCoreApplication>
#include <QTimer>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>

namespace glintrow {

namespace {
// The mixer's period: 256 frames, 5.8 ms at 44.1 kHz, is the most a sound waits to start. Its
// thread wakes for each period while the device is open, so the device sleeps while nothing sounds.
constexpr int ChunkFrames = 256;
// How long the mixer stays awake after the last sound ends: a move's sounds follow each other
// closer than this, so it wakes once a move at most.
constexpr int QuietMilliseconds = 1500;

struct FreeWithSdl {
    void operator()(Uint8* samples) const { SDL_free(samples); }
};
using Samples = std::unique_ptr<Uint8, FreeWithSdl>;

int frameBytes(SDL_AudioFormat format, int channels) {
    return SDL_AUDIO_BITSIZE(format) / 8 * channels;
}

} // namespace

struct DirectSound::Device {
    // The mixer's format, kept so that the device opened again plays the sounds converted to it.
    int frequency = MIX_DEFAULT_FREQUENCY;
    Uint16 format = MIX_DEFAULT_FORMAT;
    int channels = 2;
    // One mixer channel for each loaded sound.
    int voices = 0;
    // The most bytes the loaded sounds may take in the mixer's format: their buffers' size.
    int64_t loadedBytes = 0;
    SoundLimits limits;
    // The game holds the device: sound is on. While nothing sounds it sleeps, closed, and wakes
    // for the next sound.
    bool open = false;
    bool asleep = false;
    QTimer quiet;

    Device() {
        // Leave SIGINT and SIGTERM to the program: SDL would otherwise swallow them.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        Open(SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
        Mix_QuerySpec(&frequency, &format, &channels);
        quiet.setSingleShot(true);
        QObject::connect(&quiet, &QTimer::timeout, [this] { SleepWhileQuiet(); });
    }
    ~Device() { Close(); }

    // Opens the device in the mixer's format, or in whatever format it allows the device to take.
    void Open(int allowedChanges) {
        if (open)
            return;
        Start(allowedChanges);
        open = true;
        KeepAwhile();
    }

    void Close() {
        if (!open)
            return;
        if (!asleep)
            Stop();
        asleep = false;
        quiet.stop();
        open = false;
    }

    // The mixer runs: sound is on, and a sound played not long ago.
    bool IsAwake() const { return open && !asleep; }

    // Wakes the sleeping device for a sound, and keeps it awake for a quiet spell after it. A
    // device that cannot be had again (its server went away) leaves the game silent, not stopped.
    bool WakeForSound() {
        if (asleep) {
            try {
                Start(0);
            } catch (const RuntimeError& failure) {
                std::fprintf(stderr, "glintrow: %s; the sound stays silent\n", failure.what());
                return false;
            }
            asleep = false;
        }
        KeepAwhile();
        return true;
    }

    // Stays awake for a quiet spell from now; without an event loop to end it, for good.
    void KeepAwhile() {
        if (QCoreApplication::instance())
            quiet.start(QuietMilliseconds);
    }

    void SleepWhileQuiet() {
        if (!open || asleep)
            return;
        if (Mix_Playing(-1) > 0) {
            quiet.start(QuietMilliseconds);
            return;
        }
        Stop();
        asleep = true;
    }

private:
    void Start(int allowedChanges) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            throw RuntimeError(reasons::NoSoundDevice, {std::string(SDL_GetError())});
        if (Mix_OpenAudioDevice(frequency, format, channels, ChunkFrames, nullptr,
                                allowedChanges) != 0) {
            const std::string error = Mix_GetError();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            throw RuntimeError(reasons::NoSoundDevice, {error});
        }
        Mix_AllocateChannels(std::max(voices, 1));
    }

    // Closing the audio subsystem too ends every thread it started.
    void Stop() {
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
};

namespace {

// The whole stream of converted samples, read off as it comes so that it never holds much.
void drainStream(SDL_AudioStream* stream, Uint8* into, int64_t capacity, int64_t& filled) {
    while (filled < capacity) {
        const int room = static_cast<int>(std::min<int64_t>(capacity - filled, 1 << 20));
        const int got = SDL_AudioStreamGet(stream, into + filled, room);
        if (got <= 0)
            return;
        filled += got;
    }
}

// Converts decoded samples to the mixer's format into a buffer of just their size. The mixer's
// own loader would keep a buffer up to eight times that (its converter's worst case).
Samples convertSamples(const Uint8* decoded, Uint32 length, const SDL_AudioSpec& spec,
                       const DirectSound::Device& device, int64_t& bytes, const std::string& path) {
    SDL_AudioStream* stream = SDL_NewAudioStream(spec.format, spec.channels, spec.freq,
                                                 device.format, device.channels, device.frequency);
    if (!stream)
        throw RuntimeError(reasons::WaveUnreadable, {std::string(SDL_GetError()), path});
    const int64_t inFrame = frameBytes(spec.format, spec.channels);
    const int64_t outFrame = frameBytes(device.format, device.channels);
    const int64_t frames = length / inFrame;
    const int64_t capacity =
        ((frames * device.frequency + spec.freq - 1) / spec.freq + 1) * outFrame;
    Samples converted(static_cast<Uint8*>(SDL_malloc(static_cast<size_t>(capacity))));
    // Slices of about 16384 frames once converted, however far apart the two rates are.
    const int64_t slice =
        std::clamp<int64_t>(int64_t{16384} * spec.freq / device.frequency, 1, 16384) * inFrame;
    int64_t filled = 0;
    bool failed = !converted;
    for (int64_t at = 0; !failed && at < frames * inFrame; at += slice) {
        failed = SDL_AudioStreamPut(stream, decoded + at,
                                    static_cast<int>(std::min(slice, frames * inFrame - at))) != 0;
        drainStream(stream, converted.get(), capacity, filled);
    }
    failed = failed || SDL_AudioStreamFlush(stream) != 0;
    drainStream(stream, converted.get(), capacity, filled);
    SDL_FreeAudioStream(stream);
    if (failed)
        throw RuntimeError(reasons::SoundNotConverted, {std::string(SDL_GetError()), path});
    bytes = filled;
    return converted;
}

// The samples of a wave file in the mixer's format, and their bytes.
Samples loadSamples(SDL_RWops* file, const DirectSound::Device& device, int64_t& bytes,
                    const std::string& path) {
    SDL_AudioSpec spec{};
    Uint8* decoded = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(file, 1, &spec, &decoded, &length))
        throw RuntimeError(reasons::WaveUnreadable, {std::string(SDL_GetError()), path});
    Samples samples(decoded);
    if (length < static_cast<Uint32>(frameBytes(spec.format, spec.channels)))
        throw RuntimeError(reasons::WaveSilent, {path});
    if (spec.format == device.format && spec.channels == device.channels &&
        spec.freq == device.frequency) {
        bytes = length;
        return samples;
    }
    return convertSamples(samples.get(), length, spec, device, bytes, path);
}

} // namespace

struct DirectSoundBuffer::Voice {
    // Keeps the mixer open for as long as any buffer lives.
    std::shared_ptr<DirectSound::Device> device;
    // The chunk plays the samples in place; they are freed after it.
    Samples samples;
    int64_t bytes = 0;
    // The most bytes its samples may take, counted against the budget of the loaded sounds.
    int64_t share = 0;
    Mix_Chunk* chunk = nullptr;
    int channel = -1;

    ~Voice() {
        device->loadedBytes -= share;
        if (!chunk)
            return;
        if (device->IsAwake())
            Mix_HaltChannel(channel);
        Mix_FreeChunk(chunk);
    }
};

DirectSoundBuffer::DirectSoundBuffer(std::unique_ptr<Voice> voice) : voice_(std::move(voice)) {}
DirectSoundBuffer::~DirectSoundBuffer() = default;

void DirectSoundBuffer::SetCurrentPosition(int32_t) {
    if (voice_->chunk && voice_->device->IsAwake())
        Mix_HaltChannel(voice_->channel);
}

void DirectSoundBuffer::Play(int32_t) {
    if (!voice_->chunk || !voice_->device->open)
        return;
    if (!voice_->device->WakeForSound())
        return;
    if (Mix_PlayChannel(voice_->channel, voice_->chunk, 0) < 0)
        throw RuntimeError(reasons::SoundNotPlayed, {std::string(Mix_GetError())});
    ++playCount_;
}

DirectSound::DirectSound(std::shared_ptr<Device> device) : device_(std::move(device)) {}
DirectSound::~DirectSound() = default;

void DirectSound::SetCooperativeLevel(HWND, int32_t) {}

void DirectSound::ReleaseDevice() {
    device_->Close();
}

void DirectSound::OpenDevice() {
    device_->Open(0);
}

bool DirectSound::HoldsDevice() const {
    return device_->open;
}

bool DirectSound::IsMixerAwake() const {
    return device_->IsAwake();
}

void DirectSound::SetLimits(const SoundLimits& limits) {
    device_->limits = limits;
}

int64_t DirectSound::LoadedBytes() const {
    return device_->loadedBytes;
}

ObjectRef<DirectSoundBuffer> DirectSound::CreateSoundBuffer(DSBUFFERDESC&, WAVEFORMATEX&) {
    auto voice = std::make_unique<DirectSoundBuffer::Voice>();
    voice->device = device_;
    return ObjectRef<DirectSoundBuffer>::Make(std::move(voice));
}

ObjectRef<DirectSoundBuffer> DirectSound::CreateSoundBufferFromFile(const std::string& path,
                                                                    DSBUFFERDESC&, WAVEFORMATEX&) {
    WaveLayout wave;
    SDL_RWops* file = OpenWaveStream(path, device_->limits, wave);
    const int64_t most =
        wave.MostConvertedBytes(device_->frequency, frameBytes(device_->format, device_->channels));
    if (device_->loadedBytes + most > device_->limits.maxLoadedBytes) {
        SDL_RWclose(file);
        throw RuntimeError(reasons::SoundsTooLargeTogether,
                           {std::to_string(device_->loadedBytes + most),
                            std::to_string(device_->limits.maxLoadedBytes), path});
    }
    auto voice = std::make_unique<DirectSoundBuffer::Voice>();
    voice->device = device_;
    voice->samples = loadSamples(file, *device_, voice->bytes, path);
    voice->share = most;
    device_->loadedBytes += most;
    voice->chunk = Mix_QuickLoad_RAW(voice->samples.get(), static_cast<Uint32>(voice->bytes));
    if (!voice->chunk)
        throw RuntimeError(reasons::SoundNotLoaded, {std::string(Mix_GetError()), path});
    voice->channel = device_->voices++;
    // One channel for each loaded sound, however many the game loads.
    if (Mix_AllocateChannels(-1) < device_->voices)
        Mix_AllocateChannels(device_->voices);
    return ObjectRef<DirectSoundBuffer>::Make(std::move(voice));
}

ObjectRef<DirectSound> DirectX7::DirectSoundCreate(const std::string&) {
    return ObjectRef<DirectSound>::Make(std::make_shared<DirectSound::Device>());
}

} // namespace glintrow
