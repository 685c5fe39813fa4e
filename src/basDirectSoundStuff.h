// The fourteen sound effects: loading them at start-up and playing them.
#pragma once

#include "basDeclarations.h"

#include <optional>
#include <string>

namespace glintrow {

// The sound set-up failed: no sound device, or a wave file that cannot be loaded.
class SoundSetUpFailure : public RuntimeError {
public:
    using RuntimeError::RuntimeError;
};

// Opens the sound device and loads the fourteen effects from the wave files in a folder.
void LoadSoundEffects(const std::string& folder);
// Loads the effects from the program's own sounds folder; raises SoundSetUpFailure. The device
// is let go again while sound is off.
void InitDirectSound();
// Switches sound on or off: on takes the sound device back before anything plays, off lets it go.
// When the device cannot be had, sound stays off and the reason is returned.
std::optional<Reason> SwitchSound();
// Plays an effect from its beginning; does nothing while sound is off.
void PlaySoundEffect(SoundEffect effect);

} // namespace glintrow
