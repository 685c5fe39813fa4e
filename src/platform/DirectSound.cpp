// The sound service on SDL2_mixer: the device is the mixer, each buffer a chunk on its own
// channel, so a repeated effect restarts while different effects mix.
#include "DirectSound.h"
#include "DirectDraw.h"
#include "RegularFile.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>

#include <unistd.h>

namespace glintrow {

namespace {
constexpr int ChunkFrames = 1024;
// The most bytes one wave file, or its sound in the mixer's format, may take: about 47 seconds of
// 16-bit stereo at 44.1 kHz. The game's own effects take under 1 MB; the limit keeps a long or
// finely-cut file from taking the machine's memory (8-bit mono at 8 kHz grows 22-fold), and all
// fourteen at the limit with the three largest bitmaps stay near 250 MB.
constexpr int64_t MaxWaveBytes = 8 * 1024 * 1024;

// The wave file opened by its path's own bytes, so a folder name need not be valid text.
SDL_RWops* openWave(const std::string& path) {
    const int descriptor = OpenRegularFile(path);
    FILE* stream = ::fdopen(descriptor, "rb");
    SDL_RWops* file = stream ? SDL_RWFromFP(stream, SDL_TRUE) : nullptr;
    if (!file) {
        if (stream)
            std::fclose(stream);
        else
            ::close(descriptor);
        throw RuntimeError("Permission denied: " + path);
    }
    return file;
}

// Only wave files are sounds here; SDL_mixer would also take other formats.
bool isWave(SDL_RWops* file) {
    char header[12] = {};
    return SDL_RWread(file, header, 1, sizeof header) == sizeof header &&
           std::string(header, 4) == "RIFF" && std::string(header + 8, 4) == "WAVE";
}

int64_t frameBytes(SDL_AudioFormat format, int channels) {
    return SDL_AUDIO_BITSIZE(format) / 8 * static_cast<int64_t>(channels);
}

// The bytes the wave's sound will take once the mixer has converted it to its own format. The
// samples are read as they are (no larger than the file, or four times it when packed) before
// any conversion, which is where a short file can grow beyond all measure.
int64_t measureConvertedBytes(SDL_RWops* file, const std::string& path) {
    SDL_AudioSpec spec{};
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(file, 0, &spec, &samples, &length))
        throw RuntimeError("Invalid wave file (" + std::string(SDL_GetError()) + "): " + path);
    SDL_FreeWAV(samples);
    int mixerFrequency = 0;
    int mixerChannels = 0;
    Uint16 mixerFormat = 0;
    Mix_QuerySpec(&mixerFrequency, &mixerFormat, &mixerChannels);
    const int64_t frames = length / std::max<int64_t>(1, frameBytes(spec.format, spec.channels));
    return frames * mixerFrequency / std::max(1, spec.freq) *
           frameBytes(mixerFormat, mixerChannels);
}

// Refuses a file whose sound would take too much memory, before the mixer converts it.
void checkWaveSize(SDL_RWops* file, const std::string& path) {
    int64_t bytes = SDL_RWsize(file);
    if (bytes <= MaxWaveBytes) {
        SDL_RWseek(file, 0, RW_SEEK_SET);
        bytes = measureConvertedBytes(file, path);
    }
    if (bytes > MaxWaveBytes)
        throw RuntimeError("Wave file too large (" + std::to_string(bytes) + " bytes, more than " +
                           std::to_string(MaxWaveBytes) + "): " + path);
}

} // namespace

struct DirectSound::Device {
    // The mixer's format, kept so that the device opened again plays the sounds converted to it.
    int frequency = MIX_DEFAULT_FREQUENCY;
    Uint16 format = MIX_DEFAULT_FORMAT;
    int channels = 2;
    // One mixer channel for each loaded sound.
    int voices = 0;
    bool open = false;

    Device() {
        // Leave SIGINT and SIGTERM to the program: SDL would otherwise swallow them.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        Open(SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE);
        Mix_QuerySpec(&frequency, &format, &channels);
    }
    ~Device() { Close(); }

    // Opens the device in the mixer's format, or in whatever format it allows the device to take.
    void Open(int allowedChanges) {
        if (open)
            return;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            throw RuntimeError(std::string("No sound device: ") + SDL_GetError());
        if (Mix_OpenAudioDevice(frequency, format, channels, ChunkFrames, nullptr,
                                allowedChanges) != 0) {
            const std::string error = Mix_GetError();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            throw RuntimeError("No sound device: " + error);
        }
        Mix_AllocateChannels(std::max(voices, 1));
        open = true;
    }

    // Closing the audio subsystem too ends every thread it started.
    void Close() {
        if (!open)
            return;
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        open = false;
    }
};

struct DirectSoundBuffer::Voice {
    // Keeps the mixer open for as long as any buffer lives.
    std::shared_ptr<DirectSound::Device> device;
    Mix_Chunk* chunk = nullptr;
    int channel = -1;

    ~Voice() {
        if (!chunk)
            return;
        if (device->open)
            Mix_HaltChannel(channel);
        Mix_FreeChunk(chunk);
    }
};

DirectSoundBuffer::DirectSoundBuffer(std::unique_ptr<Voice> voice) : voice_(std::move(voice)) {}
DirectSoundBuffer::~DirectSoundBuffer() = default;

void DirectSoundBuffer::SetCurrentPosition(int32_t) {
    if (voice_->chunk && voice_->device->open)
        Mix_HaltChannel(voice_->channel);
}

void DirectSoundBuffer::Play(int32_t) {
    if (!voice_->chunk || !voice_->device->open)
        return;
    if (Mix_PlayChannel(voice_->channel, voice_->chunk, 0) < 0)
        throw RuntimeError(std::string("Sound cannot be played: ") + Mix_GetError());
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

ObjectRef<DirectSoundBuffer> DirectSound::CreateSoundBuffer(DSBUFFERDESC&, WAVEFORMATEX&) {
    auto voice = std::make_unique<DirectSoundBuffer::Voice>();
    voice->device = device_;
    return ObjectRef<DirectSoundBuffer>::Make(std::move(voice));
}

ObjectRef<DirectSoundBuffer> DirectSound::CreateSoundBufferFromFile(const std::string& path,
                                                                    DSBUFFERDESC&, WAVEFORMATEX&) {
    SDL_RWops* file = openWave(path);
    try {
        if (!isWave(file))
            throw RuntimeError("Not a wave file: " + path);
        checkWaveSize(file, path);
    } catch (...) {
        SDL_RWclose(file);
        throw;
    }
    SDL_RWseek(file, 0, RW_SEEK_SET);
    Mix_Chunk* chunk = Mix_LoadWAV_RW(file, 1);
    if (!chunk)
        throw RuntimeError("Invalid wave file (" + std::string(Mix_GetError()) + "): " + path);
    if (chunk->alen == 0) {
        Mix_FreeChunk(chunk);
        throw RuntimeError("Wave file holds no sound: " + path);
    }
    auto voice = std::make_unique<DirectSoundBuffer::Voice>();
    voice->device = device_;
    voice->chunk = chunk;
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
