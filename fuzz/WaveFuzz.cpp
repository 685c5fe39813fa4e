// Fuzzes the loading of a wave file as the game loads its sounds: the checks of the headers, SDL's
// decoding and the conversion to the mixer's format, then a start of the sound on the mixer.
#include "DirectDraw.h"
#include "DirectSound.h"
#include "FuzzInput.h"
#include "Runtime.h"
#include "WaveFile.h"

#include <cstdlib>

using namespace glintrow;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Whatever the headers claim, no sound's samples are allocated larger than the limit.
    fuzzing::AddFlags(argc, argv, {fuzzing::MallocLimitFlag(MaxDecodedWaveBytes)});
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static fuzzing::InputFile input;
    static ObjectRef<DirectSound> sound = DirectX7().DirectSoundCreate("");
    try {
        DSBUFFERDESC desc;
        WAVEFORMATEX format;
        sound->CreateSoundBufferFromFile(input.Write(data, size), desc, format)
            ->Play(DSBPLAY_DEFAULT);
    } catch (const RuntimeError&) {
    }
    return 0;
}
