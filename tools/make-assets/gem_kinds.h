// The seven gem kinds: each one's cut and its colour ramp.
#pragma once

#include "GameFacts.h"
#include "colour.h"
#include "gem_model.h"

namespace glintrow::assets {

// Shades a facet takes from unlit to glinting; a facet's light level picks a point between them.
struct GemPalette {
    Rgb deep;
    Rgb body;
    Rgb lit;
    Rgb glare;
};

struct GemKind {
    GemCut cut;
    GemPalette palette;
    double fire; // how far neighbouring facets' shades scatter
};

const GemKind& gemKind(int kind);

} // namespace glintrow::assets
