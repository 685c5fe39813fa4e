// The fourteen sound effects: loading them at start-up and playing them.
#pragma once

#include "basDeclarations.h"

namespace glintrow {

void InitDirectSound();
// Plays an effect from its beginning; does nothing while sound is off.
void PlaySoundEffect(SoundEffect effect);

} // namespace glintrow
