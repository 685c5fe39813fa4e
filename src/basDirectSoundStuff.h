// The fourteen sound effects: loading them at start-up and playing them.
#pragma once

#include "basDeclarations.h"

#include <string>

namespace glintrow {

// The sound set-up failed: no sound device, or a wave file that cannot be loaded.
class SoundSetUpFailure : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

// Opens the sound device and loads the fourteen effects from the wave files in a folder.
void LoadSoundEffects(const std::string& folder);
// Loads the effects from the program's own sounds folder; raises SoundSetUpFailure.
void InitDirectSound();
// Plays an effect from its beginning; does nothing while sound is off.
void PlaySoundEffect(SoundEffect effect);

} // namespace glintrow
