// The sound service on SDL2_mixer: the device is the mixer, each buffer a chunk on its own
// channel, so a repeated effect restarts while different effects mix.
#include "DirectSound.h"
#include "DirectDraw.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace glintrow {

namespace {
constexpr int ChunkFrames = 1024;
} // namespace

struct DirectSound::Device {
    Device() {
        // Leave SIGINT and SIGTERM to the program: SDL would otherwise swallow them.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            throw RuntimeError(std::string("No sound device: ") + SDL_GetError());
        if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, ChunkFrames) != 0) {
            const std::string error = Mix_GetError();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            throw RuntimeError("No sound device: " + error);
        }
    }
    ~Device() {
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
};

struct DirectSoundBuffer::Voice {
    // Keeps the mixer open for as long as any buffer lives.
    std::shared_ptr<DirectSound::Device> device;
    Mix_Chunk* chunk = nullptr;
    int channel = -1;

    ~Voice() {
        if (chunk) {
            Mix_HaltChannel(channel);
            Mix_FreeChunk(chunk);
        }
    }
};

DirectSoundBuffer::DirectSoundBuffer(std::unique_ptr<Voice> voice) : voice_(std::move(voice)) {}
DirectSoundBuffer::~DirectSoundBuffer() = default;

void DirectSoundBuffer::SetCurrentPosition(int32_t) {
    if (voice_->chunk)
        Mix_HaltChannel(voice_->channel);
}

void DirectSoundBuffer::Play(int32_t) {
    if (!voice_->chunk)
        return;
    if (Mix_PlayChannel(voice_->channel, voice_->chunk, 0) < 0)
        throw RuntimeError(std::string("Sound cannot be played: ") + Mix_GetError());
    ++playCount_;
}

bool DirectSoundBuffer::IsPlaying() const {
    return voice_->chunk && Mix_Playing(voice_->channel) &&
           Mix_GetChunk(voice_->channel) == voice_->chunk;
}

DirectSound::DirectSound(std::shared_ptr<Device> device) : device_(std::move(device)) {}
DirectSound::~DirectSound() = default;

void DirectSound::SetCooperativeLevel(HWND, int32_t) {}

ObjectRef<DirectSoundBuffer> DirectSound::CreateSoundBuffer(DSBUFFERDESC&, WAVEFORMATEX&) {
    auto voice = std::make_unique<DirectSoundBuffer::Voice>();
    voice->device = device_;
    return ObjectRef<DirectSoundBuffer>::Make(std::move(voice));
}

ObjectRef<DirectSoundBuffer> DirectSound::CreateSoundBufferFromFile(const std::string& path,
                                                                    DSBUFFERDESC&,
                                                                    WAVEFORMATEX& format) {
    SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
    if (!file)
        throw RuntimeError("File not found: " + path);
    // Only wave files are sounds here; SDL_mixer would also take other formats.
    char header[12] = {};
    const bool isWave = SDL_RWread(file, header, 1, sizeof header) == sizeof header &&
                        std::string(header, 4) == "RIFF" && std::string(header + 8, 4) == "WAVE";
    SDL_RWseek(file, 0, RW_SEEK_SET);
    if (!isWave) {
        SDL_RWclose(file);
        throw RuntimeError("Not a wave file: " + path);
    }
    Mix_Chunk* chunk = Mix_LoadWAV_RW(file, 1);
    if (!chunk)
        throw RuntimeError("Invalid wave file (" + std::string(Mix_GetError()) + "): " + path);
    auto voice = std::make_unique<DirectSoundBuffer::Voice>();
    voice->device = device_;
    voice->chunk = chunk;
    voice->channel = nextChannel_++;
    // One channel for each loaded sound, however many the game loads.
    if (Mix_AllocateChannels(-1) < nextChannel_)
        Mix_AllocateChannels(nextChannel_);

    int frequency = 0;
    int channels = 0;
    Uint16 sampleFormat = 0;
    Mix_QuerySpec(&frequency, &sampleFormat, &channels);
    format.nFormatTag = 1;
    format.nChannels = static_cast<int16_t>(channels);
    format.lSamplesPerSec = frequency;
    format.nBitsPerSample = static_cast<int16_t>(SDL_AUDIO_BITSIZE(sampleFormat));
    format.nBlockAlign = static_cast<int16_t>(channels * format.nBitsPerSample / 8);
    format.lAvgBytesPerSec = frequency * format.nBlockAlign;
    return ObjectRef<DirectSoundBuffer>::Make(std::move(voice));
}

ObjectRef<DirectSound> DirectX7::DirectSoundCreate(const std::string&) {
    return ObjectRef<DirectSound>::Make(std::make_shared<DirectSound::Device>());
}

} // namespace glintrow
