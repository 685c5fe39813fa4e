// The fourteen sound effects: loading them at start-up and playing them.
#include "basDirectSoundStuff.h"

#include "GameFacts.h"
#include "basPlayerInput.h"
#include "platform/Runtime.h"

namespace glintrow {

void LoadSoundEffects(const std::string& folder) {
    if (!DX)
        DX = ObjectRef<DirectX7>::Make();
    DS = DX->DirectSoundCreate("");
    DS->SetCooperativeLevel(FormHandle, DSSCL_NORMAL);

    DSBUFFERDESC primaryDesc;
    primaryDesc.lFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRLPAN;
    WAVEFORMATEX silentFormat;
    PrimarySoundBuffer = DS->CreateSoundBuffer(primaryDesc, silentFormat);

    for (int effect = 0; effect < SoundEffectCount; ++effect) {
        const std::string path = folder + "/" + SoundFiles[effect];
        DSBUFFERDESC desc;
        desc.lFlags = DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN;
        WAVEFORMATEX format;
        SoundBuffers[effect] = DS->CreateSoundBufferFromFile(path, desc, format);
    }
}

void InitDirectSound() {
    try {
        LoadSoundEffects(AppPath() + "/" + SoundsFolder);
    } catch (const std::exception& failure) {
        throw SoundSetUpFailure(ReasonOf(failure));
    }
    // An open device keeps the sound server and the card awake even when nothing plays.
    if (!SoundOn)
        DS->ReleaseDevice();
}

std::optional<Reason> SwitchSound() {
    if (SoundOn) {
        SoundOn = false;
        if (DS)
            DS->ReleaseDevice();
        return std::nullopt;
    }
    try {
        if (DS)
            DS->OpenDevice();
    } catch (const RuntimeError& failure) {
        return failure.reason();
    }
    SoundOn = true;
    return std::nullopt;
}

void PlaySoundEffect(SoundEffect effect) {
    NoteSoundEffect(effect);
    if (!SoundOn)
        return;
    SoundBuffers[effect]->SetCurrentPosition(0);
    SoundBuffers[effect]->Play(DSBPLAY_DEFAULT);
}

} // namespace glintrow
