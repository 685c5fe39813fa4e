// Our stand-ins for the sound service: the sound device and one buffer per loaded wave file,
// each playing on a channel of its own.
#pragma once

#include "ObjectRef.h"
#include "Window.h"

#include <cstdint>
#include <memory>
#include <string>

namespace glintrow {

struct SoundLimits;

// Flags the game passes; every buffer here can change its rate and pan alike.
constexpr int32_t DSSCL_NORMAL = 1;
constexpr int32_t DSBCAPS_PRIMARYBUFFER = 1;
constexpr int32_t DSBCAPS_CTRLFREQUENCY = 32;
constexpr int32_t DSBCAPS_CTRLPAN = 64;
constexpr int32_t DSBPLAY_DEFAULT = 0;

struct DSBUFFERDESC {
    int32_t lFlags = 0;
    int32_t lBufferBytes = 0;
};

// The wave format record the buffer calls take. The game reads none of its fields, so it holds
// none: every sound plays in the mixer's own format.
struct WAVEFORMATEX {};

class DirectSoundBuffer {
public:
    struct Voice;

    explicit DirectSoundBuffer(std::unique_ptr<Voice> voice);
    ~DirectSoundBuffer();

    void SetCurrentPosition(int32_t position);
    // Plays the whole sound once from its current position and returns at once.
    void Play(int32_t flags);
    // How often Play has started the sound; for tests.
    int32_t PlayCount() const { return playCount_; }

private:
    std::unique_ptr<Voice> voice_;
    int32_t playCount_ = 0;
};

class DirectSound {
public:
    struct Device;

    explicit DirectSound(std::shared_ptr<Device> device);
    ~DirectSound();

    void SetCooperativeLevel(HWND window, int32_t level);
    // Lets the sound device go: no sound plays and no sound thread runs until it is opened again.
    // The loaded sounds are kept.
    void ReleaseDevice();
    // Takes the device again, in the format the sounds were loaded for; a run-time error naming
    // the reason when it cannot be had.
    void OpenDevice();
    bool HoldsDevice() const;
    // Whether the mixer runs: while sound is on but nothing has sounded for a spell it sleeps,
    // and its thread with it, until the next sound; for tests.
    bool IsMixerAwake() const;
    // The limits the sounds loaded from now on keep; the game keeps the defaults.
    void SetLimits(const SoundLimits& limits);
    // The most bytes the loaded sounds may take together in the mixer's format; for tests.
    int64_t LoadedBytes() const;
    ObjectRef<DirectSoundBuffer> CreateSoundBuffer(DSBUFFERDESC& desc, WAVEFORMATEX& format);
    // Loads a wave file.
    ObjectRef<DirectSoundBuffer>
    CreateSoundBufferFromFile(const std::string& path, DSBUFFERDESC& desc, WAVEFORMATEX& format);

private:
    std::shared_ptr<Device> device_;
};

} // namespace glintrow
