// One gem: its identity, kind, cell, pixel position and the values of its animations.
#pragma once

#include <cstdint>

namespace glintrow {

class CGem {
public:
    int16_t GemID = 0;
    int16_t GemType = 0;
    int16_t XCoord = 0;
    int16_t YCoord = 0;
    int16_t XPos = 0;
    int16_t YPos = 0;
    int16_t XDirection = 0;
    int16_t YDirection = 0;
    int16_t YDest = 0;
    int16_t SourceTop = 0;
    int16_t ShrinkStep = 0;
    int16_t RotFrame = 0;
    int16_t Speed = 0;
    float XInitial = 0.0f;
    float YInitial = 0.0f;
    float Velocity = 0.0f;
    float Angle = 0.0f;

    bool operator==(const CGem&) const = default;
};

} // namespace glintrow
