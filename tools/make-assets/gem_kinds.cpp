// Cuts and colours of the seven gems; each differs from the others in outline as well as hue.
#include "gem_kinds.h"

#include <array>
#include <numbers>

namespace glintrow::assets {

namespace {

constexpr double kPi = std::numbers::pi;

GemKind makeRedCushion() {
    return {{fitOutline(makeSuperellipse(4, 32)),
             16,
             0.07,
             {{0.13, 0.19, 16, 0.5}, {0.30, 0.33, 8, 0.25}, {0.44, 0.40, 8, 0.25}}},
            {rgb255(70, 0, 18), rgb255(214, 22, 48), rgb255(255, 110, 110), rgb255(255, 236, 230)},
            0.07};
}

GemKind makeGreenHexagon() {
    return {{fitOutline(makeRegularPolygon(6, kPi / 2)),
             6,
             0.07,
             {{0.13, 0.18, 6, 0}, {0.27, 0.31, 6, 0}, {0.40, 0.40, 6, 0}}},
            {rgb255(0, 52, 24), rgb255(28, 178, 72), rgb255(120, 240, 130), rgb255(232, 255, 228)},
            0.05};
}

GemKind makeBlueRhombus() {
    return {{fitOutline(makeRegularPolygon(4, 0)),
             8,
             0.07,
             {{0.18, 0.24, 4, 0.5}, {0.36, 0.40, 4, 0.0}}},
            {rgb255(6, 20, 90), rgb255(30, 104, 236), rgb255(120, 190, 255), rgb255(230, 244, 255)},
            0.07};
}

GemKind makeYellowEmeraldCut() {
    return {{fitOutline(makeChamferedRectangle(0.74, 0.26)),
             8,
             0.07,
             {{0.10, 0.17, 8, 0}, {0.21, 0.30, 8, 0}, {0.32, 0.40, 8, 0}}},
            {rgb255(96, 52, 0), rgb255(236, 190, 20), rgb255(255, 238, 110), rgb255(255, 252, 226)},
            0.05};
}

GemKind makeWhiteBrilliant() {
    return {
        {fitOutline(makeRegularPolygon(48, kPi / 2)),
         16,
         0.07,
         {{0.14, 0.19, 16, 0.5}, {0.30, 0.33, 8, 0.25}, {0.44, 0.40, 8, 0.25}}},
        {rgb255(40, 50, 84), rgb255(160, 172, 200), rgb255(232, 238, 250), rgb255(255, 255, 255)},
        0.2};
}

GemKind makePurpleTriangle() {
    return {{fitOutline(makeRegularPolygon(3, kPi / 2)),
             6,
             0.07,
             {{0.14, 0.22, 3, 0.5}, {0.30, 0.40, 3, 0.0}}},
            {rgb255(44, 4, 78), rgb255(156, 52, 220), rgb255(214, 140, 255), rgb255(246, 230, 255)},
            0.07};
}

GemKind makeOrangeMarquise() {
    return {{fitOutline(makeMarquise(0.60, 16)),
             16,
             0.07,
             {{0.12, 0.22, 8, 0.5}, {0.30, 0.40, 8, 0.0}}},
            {rgb255(110, 30, 0), rgb255(246, 118, 16), rgb255(255, 190, 90), rgb255(255, 244, 222)},
            0.07};
}

} // namespace

const GemKind& gemKind(int kind) {
    static const std::array<GemKind, kGemKinds> kinds{
        makeRedCushion(),     makeGreenHexagon(),   makeBlueRhombus(),   makeYellowEmeraldCut(),
        makeWhiteBrilliant(), makePurpleTriangle(), makeOrangeMarquise()};
    return kinds.at(kind);
}

} // namespace glintrow::assets
